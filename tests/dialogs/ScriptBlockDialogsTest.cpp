// The dialogs that write blocks of lines: Page Transfer, Scrolling Text,
// Map Name and Script, filled in and confirmed through their controls.

#include "tests/dialogs/PageFixture.h"

namespace {

class ScriptBlockDialogsTest : public PageTest {
protected:
    void SetUp() override { StartPage<TForm9, TForm18, TForm22, TForm24>(); }
    // Opens the dialog over the page, lets `use` work it, and returns
    // the block written at the caret.
    template<class Form>
    std::string Run(const std::function<void(Form*)>& use)
    {
        int caret = PageWindow->RichEdit1->SelStart();
        InModal = [use](TForm* form) { use(static_cast<Form*>(form)); };
        Do([] { OpenDialog<Form>(); });
        EXPECT_FALSE(Dialog<Form>()->Visible());
        EXPECT_EQ(PageWindow->RichEdit3->Text(), "");
        return PageFrom(caret);
    }
};

const char* const kScrollerEmpty = R"js(<SCRIPT LANGUAGE="JavaScript">
function scrollit_r2l(seed)
{
var msg ="";
var out = " ";
var c = 1;

if (seed > 100) {
seed--;
var cmd="scrollit_r2l(" + seed + ")";
timerTwo=window.setTimeout(cmd,100);
}
else if (seed <= 100 && seed > 0) {
for (c=0 ; c < seed ; c++) {
out+=" ";
}
out+=msg;
seed--;
var cmd="scrollit_r2l(" + seed + ")";
window.status=out;
timerTwo=window.setTimeout(cmd,100);
}
else if (seed <= 0) {
if (-seed < msg.length) {
out+=msg.substring(-seed,msg.length);
seed--;
var cmd="scrollit_r2l(" + seed + ")";
window.status=out;
timerTwo=window.setTimeout(cmd,100);
}
else {
window.status=" ";
timerTwo=window.setTimeout("scrollit_r2l(100)",75);
}
}
}
</SCRIPT>
<BODY onload="scrollit_r2l(99)">
)js";

}

TEST_F(ScriptBlockDialogsTest, PageTransferWritesThreeLinesInLowerCaseWhateverTheTagCase)
{
    for (const char* tagCase : { "Upercase", "Lowercase" }) {
        PageWindow->Edit4->SetText(tagCase);
        std::string block = Run<TForm9>([](TForm9* d) { ClickOn(d->Button2); });
        EXPECT_EQ(block, "<script language=\"JavaScript\">\nwindow.location=\"http://\"\n</script>\n") << tagCase;
    }
    // Typed on after the "http://" the opening put in, with the caret there.
    std::string block = Run<TForm9>([](TForm9* d) {
        TypeInto(d->Edit1, "example.com/<a b>.htm");
        ClickOn(d->Button2);
    });
    EXPECT_EQ(block, "<script language=\"JavaScript\">\nwindow.location=\"http://example.com/<a b>.htm\"\n</script>\n");
}

TEST_F(ScriptBlockDialogsTest, PageTransferWithTheBrowserCheckWritesSixLines)
{
    PageWindow->Edit2->SetText("'");
    int heightOnSecond = 0;
    bool secondTicked = false;
    std::string block = Run<TForm9>([&](TForm9* d) {
        ClickOn(d->CheckBox1);
        heightOnSecond = d->Height();
        secondTicked = d->Panel2->Visible() && !d->Panel1->Visible() && d->CheckBox2->Checked();
        TypeInto(d->Edit2, "ns.example");  // focused, caret after "http://"
        TypeInto(d->Edit3, "other.example");
        ClickOn(d->Button2);
    });
    EXPECT_EQ(std::tuple(heightOnSecond, secondTicked), std::tuple(188, true));
    EXPECT_EQ(block, "<script language='JavaScript'>\nbName = navigator.appName;\nif (bName == 'Netscape')\n"
                     "window.location='http://ns.example';\nelse window.location='http://other.example'\n</script>\n");
    // Closed on the second panel, it opens again on the first.
    EXPECT_EQ(std::tuple(Form9->Panel1->Visible(), Form9->Panel2->Visible(), Form9->Height()), std::tuple(true, false, 159));
}

TEST_F(ScriptBlockDialogsTest, PageTransferPanelsSwitchBackAndEveryWayOutResets)
{
    std::string before = PageWindow->RichEdit1->Text();
    const std::function<void(TForm9*)> waysOut[] = {
        [](TForm9* d) { ClickOn(d->Button1); },
        [](TForm9* d) { KeyOn(d->Edit2, Qt::Key_Escape); },
        [](TForm9* d) { CloseBox(d); },
    };
    for (const auto& wayOut : waysOut) {
        bool backOnFirst = false;
        Run<TForm9>([&](TForm9* d) {
            EXPECT_EQ(std::tuple(d->Edit1->Text(), d->Edit1->SelStart()), std::tuple("http://", 7));
            ClickOn(d->CheckBox1);
            ClickOn(d->CheckBox2);
            backOnFirst = d->Panel1->Visible() && !d->Panel2->Visible() && !d->CheckBox1->Checked() && d->Height() == 159;
            ClickOn(d->CheckBox1);
            TypeInto(d->Edit2, "x");
            wayOut(d);
        });
        EXPECT_EQ(std::tuple(backOnFirst, Form9->Panel1->Visible(), Form9->CheckBox1->Checked() || Form9->CheckBox2->Checked(),
                      Form9->Edit1->Text() + Form9->Edit2->Text() + Form9->Edit3->Text()),
            std::tuple(true, true, false, ""));
    }
    EXPECT_EQ(PageWindow->RichEdit1->Text(), before);
}

TEST_F(ScriptBlockDialogsTest, ScrollingTextWritesItsThirtyEightLinesInEitherCase)
{
    for (const char* tagCase : { "Upercase", "Lowercase" }) {
        PageWindow->Edit4->SetText(tagCase);
        std::string block = Run<TForm18>([](TForm18* d) { ClickOn(d->Button1); });
        EXPECT_EQ(block, kScrollerEmpty) << tagCase;
        EXPECT_EQ(std::count(block.begin(), block.end(), '\n'), 38);
    }
    std::string block = Run<TForm18>([](TForm18* d) {
        EXPECT_EQ(d->Widget()->focusWidget(), d->Edit1->Widget());
        TypeInto(d->Edit1, "Sale \"now\" <b>");
        ClickOn(d->Button1);
    });
    EXPECT_EQ(block.substr(block.find("var msg")), std::string("var msg =\"Sale \"now\" <b>\";\n") + (strstr(kScrollerEmpty, "var out")));
    EXPECT_EQ(Form18->Edit1->Text(), "");
}

TEST_F(ScriptBlockDialogsTest, MapNameWritesTheSkeletonInTheTagCase)
{
    PageWindow->Edit4->SetText("Lowercase");
    std::string block = Run<TForm22>([](TForm22* d) {
        TypeInto(d->Edit1, "nav");  // focused on opening
        KeyOn(d->Edit1, Qt::Key_Return);
    });
    EXPECT_EQ(block, "<map name=\"nav\">\n<area shape=\"\" coords=\"\" href=\"\">\n</map>\n");

    PageWindow->Edit4->SetText("Upercase");
    PageWindow->Edit2->SetText("");
    block = Run<TForm22>([](TForm22* d) {
        EXPECT_EQ(d->Edit1->Text(), "");
        ClickOn(d->Button1);
    });
    EXPECT_EQ(block, "<MAP NAME=>\n<AREA SHAPE= COORDS= HREF=>\n</MAP>\n");
}

TEST_F(ScriptBlockDialogsTest, ScriptWritesOnlyTheAttributesGiven)
{
    PageWindow->Edit4->SetText("Upercase");
    std::string block = Run<TForm24>([](TForm24* d) {
        d->ComboBox1->SetItemIndex(4);  // VBScript
        ClickOn(d->Button1);
    });
    EXPECT_EQ(block, "<SCRIPT LANGUAGE=\"VBScript\">\n</SCRIPT>\n");

    PageWindow->Edit4->SetText("Lowercase");
    block = Run<TForm24>([](TForm24* d) {
        EXPECT_EQ(d->ComboBox1->Text(), "");
        TypeInto(d->ComboBox1, "JavaScript1.2");
        TypeInto(d->Edit1, "menu.js");
        ClickOn(d->Button1);
    });
    EXPECT_EQ(block, "<script language=\"JavaScript1.2\" source=\"menu.js\">\n</script>\n");

    block = Run<TForm24>([](TForm24* d) { ClickOn(d->Button1); });
    EXPECT_EQ(block, "<script>\n</script>\n");
}

TEST_F(ScriptBlockDialogsTest, ABlockReplacesTheSelectionAndLeavesTheCaretOnTheNextLine)
{
    SetPage("<P>[old]</P>", 3, 5);
    Run<TForm22>([](TForm22* d) {
        TypeInto(d->Edit1, "m");
        ClickOn(d->Button1);
    });
    EXPECT_EQ(PageWindow->RichEdit1->Text(), "<P><MAP NAME=\"m\">\n<AREA SHAPE=\"\" COORDS=\"\" HREF=\"\">\n</MAP>\n</P>");
    EXPECT_EQ(std::tuple(PageWindow->RichEdit1->SelStart(), PageWindow->RichEdit1->SelLength()),
        std::tuple(int(PageWindow->RichEdit1->Text().size()) - 4, 0));
}

TEST_F(ScriptBlockDialogsTest, ScriptBrowseTakesTheBareFileNameAndLeavesTheFocus)
{
    WriteFileBytes(Dir.File("menu.js"), "//");
    FileChoices = { Dir.File("menu.js") };
    std::string block = Run<TForm24>([](TForm24* d) {
        // The language list has the focus (its edit, where it has one).
        QWidget* before = d->Widget()->focusWidget();
        EXPECT_TRUE(HasFocus(d, d->ComboBox1));
        ClickOn(d->BitBtn1);
        EXPECT_EQ(d->Widget()->focusWidget(), before);
        ClickOn(d->Button1);
    });
    EXPECT_EQ(Form24->OpenDialog1->Filter, "All Files (*.*)|*.*");
    EXPECT_EQ(block, "<SCRIPT SOURCE=\"menu.js\">\n</SCRIPT>\n");
}
