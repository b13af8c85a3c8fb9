// The Image dialog: the element it writes in either tag case and with any
// quote, its refusal of an empty source, the browse step, and its reset on
// every way out.

#include "tests/dialogs/ElementDialogFixture.h"

#include "platform/FileMask.h"

namespace {

class ImageDialogTest : public DialogsTest<TForm5> {
protected:
    // Opens the dialog over the page, fills it in `fill` and presses OK;
    // returns what went in at the caret.
    std::string InsertImage(const std::function<void(TForm5*)>& fill) { return Written<TForm5>(fill, &TForm5::Button1); }
};

}

TEST_F(ImageDialogTest, DefaultsWriteSourceBorderAndEmptyAltAtTheCaret)
{
    TInserted got = Use<TForm5>([](TForm5* d) { d->Edit1->SetText("a.gif"); }, &TForm5::Button1);
    EXPECT_EQ(std::tuple(StillOpen, got.text, got.caret, PageWindow->RichEdit1->SelLength(), Errors.size(), Questions.size()),
        std::tuple(false, "<IMG SRC=\"a.gif\" BORDER=0 ALT=\"\">", 33, 0, 0u, 0u));
}

TEST_F(ImageDialogTest, EveryAttributeInOrderWithValuesTakenAsTheyStand)
{
    // An emptied border leaves the bare name; "0" and a blank are values.
    EXPECT_EQ(InsertImage([](TForm5* d) {
        Retype({ { d->Edit1, "pics/cat.jpg" }, { d->Edit2, "A \"cat\"" } });
        d->Edit3->SetText("");
        d->ComboBox1->SetItemIndex(3);  // MIDDLE
        Retype({ { d->Edit5, "0" }, { d->Edit4, " " } });
    }), "<IMG SRC=\"pics/cat.jpg\" WIDTH=0 HEIGHT=  BORDER= ALIGN=\"MIDDLE\" ALT=\"A \"cat\"\">");

    // A typed alignment is written as typed.
    EXPECT_EQ(InsertImage([](TForm5* d) { Retype({ { d->Edit1, "b.gif" }, { d->ComboBox1, "center" }, { d->Edit3, "12" } }); }),
        "<IMG SRC=\"b.gif\" BORDER=12 ALIGN=\"center\" ALT=\"\">");
}

TEST_F(ImageDialogTest, TagCaseAndQuoteComeFromTheMainWindow)
{
    auto fill = [](TForm5* d) {
        Retype({ { d->Edit1, "a.gif" }, { d->Edit5, "10" }, { d->ComboBox1, "top" }, { d->Edit2, "alt" } });
    };
    const std::tuple<const char*, const char*, const char*> cases[] = {
        { "Lowercase", "\"", "<img src=\"a.gif\" width=10 border=0 align=\"top\" alt=\"alt\">" },
        { "upercase", "\"", "<img src=\"a.gif\" width=10 border=0 align=\"top\" alt=\"alt\">" },
        { "", "\"", "<img src=\"a.gif\" width=10 border=0 align=\"top\" alt=\"alt\">" },
        { "Upercase", "", "<IMG SRC=a.gif WIDTH=10 BORDER=0 ALIGN=top ALT=alt>" },
        { "Upercase", "'", "<IMG SRC='a.gif' WIDTH=10 BORDER=0 ALIGN='top' ALT='alt'>" },
    };
    for (auto [tagCase, quote, written] : cases) {
        PageWindow->Edit4->SetText(tagCase);
        PageWindow->Edit2->SetText(quote);
        EXPECT_EQ(InsertImage(fill), written) << tagCase << quote;
    }
}

TEST_F(ImageDialogTest, TheSelectionIsReplaced)
{
    SetPage("one TWO three", 4, 3);
    InsertImage([](TForm5* d) { d->Edit1->SetText("x.gif"); });
    // The caret stands after the image.
    EXPECT_EQ(std::tuple(PageWindow->RichEdit1->Text(), PageFrom(0)),
        std::tuple("one <IMG SRC=\"x.gif\" BORDER=0 ALT=\"\"> three", "one <IMG SRC=\"x.gif\" BORDER=0 ALT=\"\">"));
}

TEST_F(ImageDialogTest, AnEmptySourceIsRefusedAndTheOtherFieldsStay)
{
    std::string before = PageWindow->RichEdit1->Text();
    Written<TForm5>([&](TForm5* d) {
        d->Edit2->SetText("kept");
        d->Edit5->SetText("40");
        ClickOn(d->Button1);
        EXPECT_EQ(std::tuple(d->Visible(), d->ModalResult(), d->Edit2->Text(), d->Edit5->Text()),
            std::tuple(true, mrNone, "kept", "40"));
    }, &TForm5::Button2);
    ASSERT_EQ(Questions.size(), 1u);
    EXPECT_EQ(std::tuple(Questions[0].Text, Questions[0].Type, Questions[0].Buttons),
        std::tuple("You have to select an image before you can insert the HTML text!", mtError, unsigned(mbOK)));
    EXPECT_EQ(std::tuple(PageWindow->RichEdit1->Text(), PageWindow->RichEdit1->Modified()), std::tuple(before, false));
}

TEST_F(ImageDialogTest, OkCancelAndTheCloseBoxAllLeaveItReset)
{
    auto isReset
        = [](TForm5* d) { return Emptied({ d->Edit1, d->Edit2, d->ComboBox1, d->Edit5, d->Edit4 }) && d->Edit3->Text() == "0"; };
    // OK, Cancel, then the close box.
    for (int way = 0; way < 3; ++way) {
        Written<TForm5>([&](TForm5* d) {
            EXPECT_TRUE(isReset(d));
            Retype({ { d->Edit1, "a.gif" }, { d->Edit2, "alt" }, { d->Edit3, "7" }, { d->ComboBox1, "LEFT" }, { d->Edit5, "1" },
                { d->Edit4, "2" } });
            way == 2 ? CloseBox(d) : ClickOn(way ? d->Button2 : d->Button1);
        });
        EXPECT_TRUE(isReset(Form5));
    }
    // Only OK wrote anything: one image beside the nine tags of the skeleton.
    EXPECT_EQ(std::ranges::count(PageWindow->RichEdit1->Text(), '<'), 10);
}

TEST_F(ImageDialogTest, BrowseTakesTheBareFileNameAlsoOfHiddenFiles)
{
    WriteFileBytes(Dir.File("My Cat.GIF"), "GIF89a");
    WriteFileBytes(Dir.File(".hidden.jpg"), "jpg");
    EXPECT_EQ(Form5->OpenDialog1->Filter, "Image Files (*.gif; *.jpg)|*.gif; *.jpg|All Files (*.*)|*.*");
    // A cancelled choice changes nothing.
    const std::pair<std::optional<std::string>, std::string> choices[] = {
        { Dir.File("My Cat.GIF"), "My Cat.GIF" }, { Dir.File(".hidden.jpg"), ".hidden.jpg" }, { std::nullopt, ".hidden.jpg" },
    };
    Written<TForm5>([&](TForm5* d) {
        for (const auto& [choice, source] : choices) {
            FileChoices = { choice };
            Do([d] { ClickOn(d->BitBtn1); });
            EXPECT_EQ(d->Edit1->Text(), source);
        }
    });
    EXPECT_EQ(std::tuple(Errors.size(), FileDialogTitles.size()), std::tuple(0u, 3u));
}

TEST_F(ImageDialogTest, EachOpeningFocusesTheSourceOnce)
{
    for (int opening = 0; opening < 2; ++opening)
        Written<TForm5>([&](TForm5* d) {
            EXPECT_EQ(d->Widget()->focusWidget(), d->Edit1->Widget()) << "opening " << opening;
            // A cancelled file dialog over the window does not open it anew:
            // the focus stays on Browse, where the click put it.
            FileChoices = { std::nullopt };
            ClickOn(d->BitBtn1);
            ProcessPostedMessages();
            EXPECT_EQ(d->Widget()->focusWidget(), d->BitBtn1->Widget());
        }, &TForm5::Button2);
}

TEST_F(ImageDialogTest, TheBorderArrowsStepWithinNoughtToTen)
{
    // Typed text that is no number: the arrows go on from the last position.
    const std::tuple<const char*, TUDBtnType, const char*> steps[] = {
        { "9", btNext, "10" }, { nullptr, btNext, "10" }, { "0", btPrev, "0" },
        { "3", btNext, "4" }, { "lots", btNext, "5" }, { "250", btPrev, "9" },
    };
    for (auto [typed, arrow, shown] : steps) {
        if (typed)
            Form5->Edit3->SetText(typed);
        Form5->UpDown1->Step(arrow);
        EXPECT_EQ(Form5->Edit3->Text(), shown) << (typed ? typed : "no text typed");
    }
}

TEST_F(ImageDialogTest, TheAlignListHoldsTheEightPositions)
{
    EXPECT_EQ(std::tuple(ListItems(Form5->ComboBox1), Form5->ComboBox1->Text(), Form5->Caption(), Form5->HelpContext,
                  Form5->Button1->Default, Form5->Button2->Cancel),
        std::tuple(std::vector<std::string> { "TOP", "LEFT", "RIGHT", "MIDDLE", "TEXTTOP", "ABSMIDDLE", "BASELINE", "BOTTOM" },
            "", "Image", 39, true, false));
}

// The link dialog's web-document filter shows ".html" pages as well as
// ".htm" ones.
TEST(ElementDialogFilters, WebDocumentsIncludeHtmlPages)
{
    auto items = ParseFilter(kWebFiles.filter);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(std::tuple(items[1].Description, MatchesMask("index.html", items[1].Mask), MatchesMask("index.htm", items[1].Mask),
                  MatchesMask("index.html", items[0].Mask), MatchesMask("photo.jpg", items[2].Mask),
                  MatchesMask("index.html", items[2].Mask)),
        std::tuple("Web Documents (*.htm; *.html)", true, true, true, true, false));
}
