// The page generator through its window: the fields checked in order, the
// page saved byte for byte, "View Code" after a save only, a failed save,
// and the reset on closing.

#include "tests/dialogs/PageFixture.h"

#include "generators/EntryPage.h"
#include "platform/FileIO.h"

#include <filesystem>
#include <numeric>

namespace {

class PageGeneratorTest : public With<PageTest, TForm10> {
protected:
    void Visit(const std::function<void(TForm10*)>& use) { Written(use, &TForm10::Button2); }

    // Generate pressed as the user does, its messages and errors shown.
    void Generate(TForm10* d) { Do([d] { ClickOn(d->Button1); }); }

    static void Fill(TForm10* d, const std::string& title, const std::string& url, const std::string& description)
    {
        d->PageControl1->SetActivePage(d->TabSheet2);
        TypeInto(d->Edit1, title);
        TypeInto(d->Edit2, url);
        TypeInto(d->Edit11, description);
    }

    static TEdit* Keyword(TForm10* d, const char* name) { return static_cast<TEdit*>(d->FindComponent(name)); }
};

// The page's lines as the saved file holds them.
std::string joinedCrLf(const std::vector<std::string>& lines)
{
    return std::accumulate(lines.begin() + 1, lines.end(), lines.front(),
        [](const std::string& text, const std::string& line) { return text + "\r\n" + line; });
}

}

TEST_F(PageGeneratorTest, FieldsAreCheckedInOrderWithTheirMessages)
{
    Visit([&](TForm10* d) {
        Generate(d);
        Fill(d, "Shop", "", "");
        Generate(d);
        TypeInto(d->Edit11, " ");  // a blank is a description
        Generate(d);
        EXPECT_EQ(std::tuple(d->Button3->Visible(), d->Edit1->Text()), std::tuple(false, "Shop"));
    });
    std::vector<std::string> messages;
    // Each message is an information.
    for (const auto& q : Questions)
        messages.push_back(q.Type == mtInformation ? q.Text : "not an information: " + q.Text);
    EXPECT_EQ(messages, (std::vector<std::string> { "You must enter a site title before you can generate the page",
        "You must write down a description of the site before you can generate the page",
        "You must enter the URL of the site you want to automatically be transfered to, or you can uncheck the checkbox." }));
    EXPECT_TRUE(FileDialogTitles.empty());
}

TEST_F(PageGeneratorTest, ThePageIsSavedByteForByteAndViewCodeShowsIt)
{
    PageWindow->Edit4->SetText("Lowercase");  // the page's tags stand as they are
    FileChoices = { Dir.File("entry") };
    std::string page = PageWindow->RichEdit1->Text();
    Visit([&](TForm10* d) {
        EXPECT_EQ(d->PageControl1->ActivePage(), d->TabSheet1);
        Fill(d, "Tom's \"<Shop>\" \xc3\xa9t\xc3\xa9", "http://shop.example/", "Fine goods");
        const char* reading[] = { "Edit3", "Edit4", "Edit5", "Edit8", "Edit6", "Edit7", "Edit10", "Edit9" };
        for (int k = 0; k < 8; ++k)
            TypeInto(Keyword(d, reading[k]), "k" + std::to_string(k + 1));
        Generate(d);
        EXPECT_TRUE(d->Button3->Visible());
        ClickOn(d->Button3);
        EXPECT_EQ(std::tuple(d->RichEdit1->Visible(), d->Button3->Caption()), std::tuple(true, "Hide Code"));
        ClickOn(d->Button3);
        EXPECT_EQ(std::tuple(d->RichEdit1->Visible(), d->Button3->Caption()), std::tuple(false, "View Code"));
    });
    auto lines = EntryPageLines({ "Tom's \"<Shop>\" \xc3\xa9t\xc3\xa9", "http://shop.example/", false,
                                    { "k1", "k2", "k3", "k4", "k5", "k6", "k7", "k8" }, "Fine goods" }, "\"");
    ASSERT_EQ(lines.size(), 31u);
    EXPECT_EQ(std::tuple(ReadFileBytes(Dir.File("entry.htm")), lines[3]),
        std::tuple(joinedCrLf(lines), "<META name=\"keywords\" content=\"k1, k2, k3, k4, k5, k6, k7, k8\">"));
    // The page being edited is left alone.
    EXPECT_EQ(std::tuple(PageWindow->RichEdit1->Text(), Errors.size()), std::tuple(page, 0u));
}

TEST_F(PageGeneratorTest, TheTickedBoxLeavesOutTheScriptAndCancelLeavesViewCodeHidden)
{
    PageWindow->Edit2->SetText("'");
    FileChoices = { std::nullopt, Dir.File("plain.html") };
    std::string inView;
    Visit([&](TForm10* d) {
        Fill(d, "T", "", "D");
        ClickOn(d->CheckBox1);
        Generate(d);
        EXPECT_FALSE(d->Button3->Visible());
        inView = d->RichEdit1->Text();
        Generate(d);
        EXPECT_TRUE(d->Button3->Visible());
        FileChoices = { std::nullopt };
        Generate(d);
        EXPECT_FALSE(d->Button3->Visible());
    });
    std::string saved = ReadFileBytes(Dir.File("plain.html"));
    EXPECT_EQ(saved, joinedCrLf(EntryPageLines({ "T", "", true, {}, "D" }, "'")));
    EXPECT_EQ(std::tuple(inView, saved.find("<script"), saved.find("<A HREF=''>Click Here") != std::string::npos),
        std::tuple(ToEditorText(saved), std::string::npos, true));
}

TEST_F(PageGeneratorTest, AFailedSaveShowsTheMessageAndLeavesViewCodeHidden)
{
    std::filesystem::create_directory(Dir.File("taken.htm"));
    FileChoices = { Dir.File("taken.htm") };
    Visit([&](TForm10* d) {
        Fill(d, "T", "http://a.example/", "D");
        Generate(d);
        EXPECT_EQ(std::tuple(d->Button3->Visible(), d->RichEdit1->Text().find("<TITLE>T</TITLE>") != std::string::npos),
            std::tuple(false, true));
    });
    EXPECT_EQ(Errors, (std::vector<std::string> { "Cannot create file " + Dir.File("taken.htm") }));
    EXPECT_EQ(std::tuple(std::filesystem::is_directory(Dir.File("taken.htm")),
                  std::distance(std::filesystem::directory_iterator(Dir.Path()), {})),
        std::tuple(true, 1));
}

TEST_F(PageGeneratorTest, ClosingResetsEverythingForTheNextOpening)
{
    FileChoices = { Dir.File("a.htm") };
    Visit([&](TForm10* d) {
        Fill(d, "T", "http://a.example/", "D");
        TypeInto(Keyword(d, "Edit9"), "k8");
        ClickOn(d->CheckBox1);
        Generate(d);
        ClickOn(d->Button3);
    });
    Visit([&](TForm10* d) {
        EXPECT_EQ(std::tuple(d->PageControl1->ActivePage() == d->TabSheet1, Emptied({ d->Edit1, d->Edit2, d->Edit11 }),
                      d->CheckBox1->Checked(), d->RichEdit1->Text(), d->RichEdit1->Visible(), d->Button3->Visible(),
                      d->Button3->Caption()),
            std::tuple(true, true, false, "", false, false, "View Code"));
        for (TEdit* keyword : d->Keywords)
            EXPECT_EQ(keyword->Text(), "") << keyword->Name;
    });
}
