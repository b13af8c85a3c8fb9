// The Image dialog: the element it writes in either tag case and with any
// quote, its refusal of an empty source, the browse step, and its reset on
// every way out.

#include "tests/dialogs/PageFixture.h"

#include "platform/FileMask.h"

#include <QWidget>

#include "platform/Messages.h"

namespace {

class ImageDialogTest : public PageTest {
protected:
    void SetUp() override { StartPage<TForm5>(); }
    // Opens the dialog over the page, fills it in `fill` and presses OK;
    // returns what went in at the caret.
    std::string InsertImage(const std::function<void(TForm5*)>& fill)
    {
        const int caret = PageWindow->RichEdit1->SelStart();
        InModal = [this, fill](TForm* form) {
            auto* dialog = static_cast<TForm5*>(form);
            fill(dialog);
            ClickOn(dialog->Button1);
            // A refused insertion leaves the dialog open: the test closes it.
            if (dialog->ModalResult() == mrNone)
                StillOpen = true, ClickOn(dialog->Button2);
        };
        StillOpen = false;
        Do([] { OpenDialog<TForm5>(); });
        const std::string text = PageWindow->RichEdit1->Text();
        return text.substr(std::size_t(caret), std::size_t(PageWindow->RichEdit1->SelStart() - caret));
    }

    bool StillOpen = false;
};

}

TEST_F(ImageDialogTest, DefaultsWriteSourceBorderAndEmptyAltAtTheCaret)
{
    int caret = PageWindow->RichEdit1->SelStart();
    std::string before = PageWindow->RichEdit1->Text();
    std::string inserted = InsertImage([](TForm5* d) { d->Edit1->SetText("a.gif"); });
    EXPECT_FALSE(StillOpen);
    EXPECT_EQ(inserted, "<IMG SRC=\"a.gif\" BORDER=0 ALT=\"\">");
    EXPECT_EQ(PageWindow->RichEdit1->Text(), before.substr(0, std::size_t(caret)) + inserted + before.substr(std::size_t(caret)));
    EXPECT_EQ(PageWindow->RichEdit1->SelLength(), 0);
    EXPECT_TRUE(Errors.empty());
    EXPECT_TRUE(Questions.empty());
}

TEST_F(ImageDialogTest, EveryAttributeInOrderWithValuesTakenAsTheyStand)
{
    EXPECT_EQ(InsertImage([](TForm5* d) {
        d->Edit1->SetText("pics/cat.jpg");
        d->Edit2->SetText("A \"cat\"");
        d->Edit3->SetText("");  // emptied border: the bare name stays
        d->ComboBox1->SetItemIndex(3);  // MIDDLE
        d->Edit5->SetText("0");  // "0" is a value
        d->Edit4->SetText(" ");  // so is a blank
    }), "<IMG SRC=\"pics/cat.jpg\" WIDTH=0 HEIGHT=  BORDER= ALIGN=\"MIDDLE\" ALT=\"A \"cat\"\">");

    // A typed alignment is written as typed.
    EXPECT_EQ(InsertImage([](TForm5* d) {
        d->Edit1->SetText("b.gif");
        d->ComboBox1->SetText("center");
        d->Edit3->SetText("12");
    }), "<IMG SRC=\"b.gif\" BORDER=12 ALIGN=\"center\" ALT=\"\">");
}

TEST_F(ImageDialogTest, TagCaseAndQuoteComeFromTheMainWindow)
{
    auto fill = [](TForm5* d) {
        d->Edit1->SetText("a.gif");
        d->Edit5->SetText("10");
        d->ComboBox1->SetText("top");
        d->Edit2->SetText("alt");
    };
    for (const char* tagCase : { "Lowercase", "upercase", "" }) {
        PageWindow->Edit4->SetText(tagCase);
        EXPECT_EQ(InsertImage(fill), "<img src=\"a.gif\" width=10 border=0 align=\"top\" alt=\"alt\">") << tagCase;
    }
    PageWindow->Edit4->SetText("Upercase");
    PageWindow->Edit2->SetText("");
    EXPECT_EQ(InsertImage(fill), "<IMG SRC=a.gif WIDTH=10 BORDER=0 ALIGN=top ALT=alt>");

    PageWindow->Edit2->SetText("'");
    EXPECT_EQ(InsertImage(fill), "<IMG SRC='a.gif' WIDTH=10 BORDER=0 ALIGN='top' ALT='alt'>");
}

TEST_F(ImageDialogTest, TheSelectionIsReplaced)
{
    PageWindow->RichEdit1->SetText("one TWO three");
    PageWindow->RichEdit1->SetSelStart(4);
    PageWindow->RichEdit1->SetSelLength(3);
    InsertImage([](TForm5* d) { d->Edit1->SetText("x.gif"); });
    EXPECT_EQ(PageWindow->RichEdit1->Text(), "one <IMG SRC=\"x.gif\" BORDER=0 ALT=\"\"> three");
    EXPECT_EQ(PageWindow->RichEdit1->SelStart(), int(std::string("one <IMG SRC=\"x.gif\" BORDER=0 ALT=\"\">").size()));
}

TEST_F(ImageDialogTest, AnEmptySourceIsRefusedAndTheOtherFieldsStay)
{
    std::string before = PageWindow->RichEdit1->Text();
    bool keptFields = false;
    InModal = [&](TForm* form) {
        auto* d = static_cast<TForm5*>(form);
        d->Edit2->SetText("kept");
        d->Edit5->SetText("40");
        ClickOn(d->Button1);
        keptFields = d->Visible() && d->ModalResult() == mrNone && d->Edit2->Text() == "kept" && d->Edit5->Text() == "40";
        ClickOn(d->Button2);
    };
    Do([] { OpenDialog<TForm5>(); });
    ASSERT_EQ(Questions.size(), 1u);
    EXPECT_EQ(Questions[0].Text, "You have to select an image before you can insert the HTML text!");
    EXPECT_EQ(Questions[0].Type, mtError);
    EXPECT_EQ(Questions[0].Buttons, unsigned(mbOK));
    EXPECT_TRUE(keptFields);
    EXPECT_EQ(PageWindow->RichEdit1->Text(), before);
    EXPECT_FALSE(PageWindow->RichEdit1->Modified());
}

TEST_F(ImageDialogTest, OkCancelAndTheCloseBoxAllLeaveItReset)
{
    auto fillAll = [](TForm5* d) {
        d->Edit1->SetText("a.gif");
        d->Edit2->SetText("alt");
        d->Edit3->SetText("7");
        d->ComboBox1->SetText("LEFT");
        d->Edit5->SetText("1");
        d->Edit4->SetText("2");
    };
    auto isReset = [](TForm5* d) {
        return Emptied({ d->Edit1, d->Edit2 }) && d->Edit3->Text() == "0" && Emptied({ d->ComboBox1, d->Edit5, d->Edit4 });
    };
    const std::function<void(TForm5*)> waysOut[] = {
        [](TForm5* d) { ClickOn(d->Button1); },
        [](TForm5* d) { ClickOn(d->Button2); },
        [](TForm5* d) { CloseBox(d); },
    };
    for (const auto& wayOut : waysOut) {
        bool resetOnOpening = false;
        InModal = [&](TForm* form) {
            auto* d = static_cast<TForm5*>(form);
            resetOnOpening = isReset(d);
            fillAll(d);
            wayOut(d);
        };
        Do([] { OpenDialog<TForm5>(); });
        EXPECT_TRUE(resetOnOpening);
        EXPECT_FALSE(Form5->Visible());
        EXPECT_TRUE(isReset(Form5));
    }
    // Only OK wrote anything: one image beside the nine tags of the skeleton.
    std::string page = PageWindow->RichEdit1->Text();
    EXPECT_EQ(std::count(page.begin(), page.end(), '<'), 10);
}

TEST_F(ImageDialogTest, BrowseTakesTheBareFileNameAlsoOfHiddenFiles)
{
    WriteFileBytes(Dir.File("My Cat.GIF"), "GIF89a");
    WriteFileBytes(Dir.File(".hidden.jpg"), "jpg");
    EXPECT_EQ(Form5->OpenDialog1->Filter, "Image Files (*.gif; *.jpg)|*.gif; *.jpg|All Files (*.*)|*.*");

    FileChoices = { Dir.File("My Cat.GIF") };
    Do([] { ClickOn(Form5->BitBtn1); });
    EXPECT_EQ(Form5->Edit1->Text(), "My Cat.GIF");

    FileChoices = { Dir.File(".hidden.jpg") };
    Do([] { ClickOn(Form5->BitBtn1); });
    EXPECT_EQ(Form5->Edit1->Text(), ".hidden.jpg");
    EXPECT_TRUE(Errors.empty());

    // Cancel changes nothing.
    FileChoices = { std::nullopt };
    Do([] { ClickOn(Form5->BitBtn1); });
    EXPECT_EQ(Form5->Edit1->Text(), ".hidden.jpg");
    EXPECT_EQ(FileDialogTitles.size(), 3u);
}

TEST_F(ImageDialogTest, EachOpeningFocusesTheSourceOnce)
{
    auto focused = [] { return Form5->Widget()->focusWidget(); };
    std::vector<bool> sourceFocused;
    QWidget* afterBrowse = nullptr;
    InModal = [&](TForm* form) {
        auto* d = static_cast<TForm5*>(form);
        sourceFocused.push_back(focused() == d->Edit1->Widget());
        d->Edit5->SetFocus();
        // A cancelled file dialog over the window does not open it anew.
        FileChoices = { std::nullopt };
        ClickOn(d->BitBtn1);
        ProcessPostedMessages();
        afterBrowse = focused();
        ClickOn(d->Button2);
    };
    Do([] { OpenDialog<TForm5>(); });
    Do([] { OpenDialog<TForm5>(); });
    EXPECT_EQ(sourceFocused, (std::vector<bool> { true, true }));
    EXPECT_EQ(afterBrowse, Form5->Edit5->Widget());
}

TEST_F(ImageDialogTest, TheBorderArrowsStepWithinNoughtToTen)
{
    Form5->Edit3->SetText("9");
    Form5->UpDown1->Step(btNext);
    EXPECT_EQ(Form5->Edit3->Text(), "10");
    Form5->UpDown1->Step(btNext);
    EXPECT_EQ(Form5->Edit3->Text(), "10");
    Form5->Edit3->SetText("0");
    Form5->UpDown1->Step(btPrev);
    EXPECT_EQ(Form5->Edit3->Text(), "0");
    // Typed text that is no number: the arrows go on from the last position.
    Form5->Edit3->SetText("3");
    Form5->UpDown1->Step(btNext);
    Form5->Edit3->SetText("lots");
    Form5->UpDown1->Step(btNext);
    EXPECT_EQ(Form5->Edit3->Text(), "5");
    Form5->Edit3->SetText("250");
    Form5->UpDown1->Step(btPrev);
    EXPECT_EQ(Form5->Edit3->Text(), "9");
}

TEST_F(ImageDialogTest, TheAlignListHoldsTheEightPositions)
{
    std::vector<std::string> items;
    for (int i = 0; i < Form5->ComboBox1->ItemCount(); ++i)
        items.push_back(Form5->ComboBox1->Items(i));
    EXPECT_EQ(items, (std::vector<std::string> { "TOP", "LEFT", "RIGHT", "MIDDLE", "TEXTTOP", "ABSMIDDLE", "BASELINE", "BOTTOM" }));
    EXPECT_EQ(Form5->ComboBox1->Text(), "");
    EXPECT_EQ(Form5->Caption(), "Image");
    EXPECT_EQ(Form5->HelpContext, 39);
    EXPECT_TRUE(Form5->Button1->Default);
    EXPECT_FALSE(Form5->Button2->Cancel);
}

// The link dialog's web-document filter shows ".html" pages as well as
// ".htm" ones.
TEST(ElementDialogFilters, WebDocumentsIncludeHtmlPages)
{
    auto items = ParseFilter(kWebFiles.filter);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[1].Description, "Web Documents (*.htm; *.html)");
    EXPECT_TRUE(MatchesMask("index.html", items[1].Mask));
    EXPECT_TRUE(MatchesMask("index.htm", items[1].Mask));
    EXPECT_TRUE(MatchesMask("index.html", items[0].Mask));
    EXPECT_TRUE(MatchesMask("photo.jpg", items[2].Mask));
    EXPECT_FALSE(MatchesMask("index.html", items[2].Mask));
}
