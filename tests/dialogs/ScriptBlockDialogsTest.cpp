// The dialogs that write blocks of lines: Page Transfer, Scrolling Text,
// Map Name and Script, filled in and confirmed through their controls.

#include "tests/dialogs/PageFixture.h"

using ScriptBlockDialogsTest = With<PageTest, TForm9, TForm18, TForm22, TForm24>;

// The scrolling text's script with no message, line by line.
const char* const kScrollerEmpty = "<SCRIPT LANGUAGE=\"JavaScript\">\nfunction scrollit_r2l(seed)\n{\n"
    "var msg =\"\";\nvar out = \" \";\nvar c = 1;\n\n"
    "if (seed > 100) {\nseed--;\nvar cmd=\"scrollit_r2l(\" + seed + \")\";\ntimerTwo=window.setTimeout(cmd,100);\n}\n"
    "else if (seed <= 100 && seed > 0) {\nfor (c=0 ; c < seed ; c++) {\nout+=\" \";\n}\nout+=msg;\nseed--;\n"
    "var cmd=\"scrollit_r2l(\" + seed + \")\";\nwindow.status=out;\ntimerTwo=window.setTimeout(cmd,100);\n}\n"
    "else if (seed <= 0) {\nif (-seed < msg.length) {\nout+=msg.substring(-seed,msg.length);\nseed--;\n"
    "var cmd=\"scrollit_r2l(\" + seed + \")\";\nwindow.status=out;\ntimerTwo=window.setTimeout(cmd,100);\n}\nelse {\n"
    "window.status=\" \";\ntimerTwo=window.setTimeout(\"scrollit_r2l(100)\",75);\n}\n}\n}\n</SCRIPT>\n"
    "<BODY onload=\"scrollit_r2l(99)\">\n";

TEST_F(ScriptBlockDialogsTest, PageTransferWritesThreeLinesInLowerCaseWhateverTheTagCase)
{
    for (const char* tagCase : { "Upercase", "Lowercase" }) {
        PageWindow->Edit4->SetText(tagCase);
        EXPECT_EQ(Written<TForm9>([](TForm9*) {}, &TForm9::Button2),
            "<script language=\"JavaScript\">\nwindow.location=\"http://\"\n</script>\n") << tagCase;
    }
    // Typed on after the "http://" the opening put in, with the caret there.
    EXPECT_EQ(Written<TForm9>([](TForm9* d) { TypeInto(d->Edit1, "example.com/<a b>.htm"); }, &TForm9::Button2),
        "<script language=\"JavaScript\">\nwindow.location=\"http://example.com/<a b>.htm\"\n</script>\n");
}

TEST_F(ScriptBlockDialogsTest, PageTransferWithTheBrowserCheckWritesSixLines)
{
    PageWindow->Edit2->SetText("'");
    EXPECT_EQ(Written<TForm9>([&](TForm9* d) {
        ClickOn(d->CheckBox1);
        EXPECT_EQ(std::tuple(d->Height(), d->Panel2->Visible(), d->Panel1->Visible(), d->CheckBox2->Checked()),
            std::tuple(188, true, false, true));
        TypeInto(d->Edit2, "ns.example");  // focused, caret after "http://"
        TypeInto(d->Edit3, "other.example");
    }, &TForm9::Button2), "<script language='JavaScript'>\nbName = navigator.appName;\nif (bName == 'Netscape')\n"
                              "window.location='http://ns.example';\nelse window.location='http://other.example'\n</script>\n");
    // Closed on the second panel, it opens again on the first.
    EXPECT_EQ(std::tuple(Form9->Panel1->Visible(), Form9->Panel2->Visible(), Form9->Height()), std::tuple(true, false, 159));
}

TEST_F(ScriptBlockDialogsTest, PageTransferPanelsSwitchBackAndEveryWayOutResets)
{
    std::string before = PageWindow->RichEdit1->Text();
    // Cancel, Escape, then the close box.
    for (int way = 0; way < 3; ++way) {
        Written<TForm9>([&](TForm9* d) {
            EXPECT_EQ(std::tuple(d->Edit1->Text(), d->Edit1->SelStart()), std::tuple("http://", 7));
            ClickOn(d->CheckBox1);
            ClickOn(d->CheckBox2);
            EXPECT_EQ(std::tuple(d->Panel1->Visible(), d->Panel2->Visible(), d->CheckBox1->Checked(), d->Height()),
                std::tuple(true, false, false, 159));
            ClickOn(d->CheckBox1);
            TypeInto(d->Edit2, "x");
            way == 0 ? ClickOn(d->Button1) : way == 1 ? KeyOn(d->Edit2, Qt::Key_Escape) : CloseBox(d);
        });
        EXPECT_EQ(std::tuple(Form9->Panel1->Visible(), Form9->CheckBox1->Checked() || Form9->CheckBox2->Checked(),
                      Form9->Edit1->Text() + Form9->Edit2->Text() + Form9->Edit3->Text()), std::tuple(true, false, ""));
    }
    EXPECT_EQ(PageWindow->RichEdit1->Text(), before);
}

TEST_F(ScriptBlockDialogsTest, ScrollingTextWritesItsThirtyEightLinesInEitherCase)
{
    for (const char* tagCase : { "Upercase", "Lowercase" }) {
        PageWindow->Edit4->SetText(tagCase);
        std::string block = Written<TForm18>([](TForm18*) {}, &TForm18::Button1);
        EXPECT_EQ(std::tuple(block, std::count(block.begin(), block.end(), '\n')), std::tuple(kScrollerEmpty, 38)) << tagCase;
    }
    std::string block = Written<TForm18>([](TForm18* d) {
        EXPECT_EQ(d->Widget()->focusWidget(), d->Edit1->Widget());
        TypeInto(d->Edit1, "Sale \"now\" <b>");
    }, &TForm18::Button1);
    EXPECT_EQ(std::tuple(block.substr(block.find("var msg")), Form18->Edit1->Text()),
        std::tuple(std::string("var msg =\"Sale \"now\" <b>\";\n") + (strstr(kScrollerEmpty, "var out")), ""));
}

TEST_F(ScriptBlockDialogsTest, MapNameWritesTheSkeletonInTheTagCase)
{
    PageWindow->Edit4->SetText("Lowercase");
    EXPECT_EQ(Written<TForm22>([](TForm22* d) {
        TypeInto(d->Edit1, "nav");  // focused on opening
        KeyOn(d->Edit1, Qt::Key_Return);
    }), "<map name=\"nav\">\n<area shape=\"\" coords=\"\" href=\"\">\n</map>\n");

    PageWindow->Edit4->SetText("Upercase");
    PageWindow->Edit2->SetText("");
    EXPECT_EQ(Written<TForm22>([](TForm22* d) { EXPECT_EQ(d->Edit1->Text(), ""); }, &TForm22::Button1),
        "<MAP NAME=>\n<AREA SHAPE= COORDS= HREF=>\n</MAP>\n");
}

TEST_F(ScriptBlockDialogsTest, ScriptWritesOnlyTheAttributesGiven)
{
    // The page's tags are upper case as the window opens.
    EXPECT_EQ(Written<TForm24>([](TForm24* d) { d->ComboBox1->SetItemIndex(4); }, &TForm24::Button1),  // VBScript
        "<SCRIPT LANGUAGE=\"VBScript\">\n</SCRIPT>\n");

    PageWindow->Edit4->SetText("Lowercase");
    EXPECT_EQ(Written<TForm24>([](TForm24* d) {
        EXPECT_EQ(d->ComboBox1->Text(), "");
        TypeInto(d->ComboBox1, "JavaScript1.2");
        TypeInto(d->Edit1, "menu.js");
    }, &TForm24::Button1), "<script language=\"JavaScript1.2\" source=\"menu.js\">\n</script>\n");
    EXPECT_EQ(Written<TForm24>([](TForm24*) {}, &TForm24::Button1), "<script>\n</script>\n");
}

TEST_F(ScriptBlockDialogsTest, ABlockReplacesTheSelectionAndLeavesTheCaretOnTheNextLine)
{
    SetPage("<P>[old]</P>", 3, 5);
    Written<TForm22>([](TForm22* d) { TypeInto(d->Edit1, "m"); }, &TForm22::Button1);
    // The caret stands before the "</P>" that followed the selection.
    EXPECT_EQ(std::tuple(PageWindow->RichEdit1->Text(), PageWindow->RichEdit1->SelStart(), PageWindow->RichEdit1->SelLength()),
        std::tuple("<P><MAP NAME=\"m\">\n<AREA SHAPE=\"\" COORDS=\"\" HREF=\"\">\n</MAP>\n</P>", 63 - 4, 0));
}

TEST_F(ScriptBlockDialogsTest, ScriptBrowseTakesTheBareFileNameAndLeavesTheFocus)
{
    WriteFileBytes(Dir.File("menu.js"), "//");
    FileChoices = { Dir.File("menu.js") };
    EXPECT_EQ(Form24->OpenDialog1->Filter, "All Files (*.*)|*.*");
    EXPECT_EQ(Written<TForm24>([](TForm24* d) {
        // The language list has the focus; the file taken, it stays on
        // Browse, where the click put it.
        EXPECT_TRUE(HasFocus(d, d->ComboBox1));
        ClickOn(d->BitBtn1);
        EXPECT_EQ(d->Widget()->focusWidget(), d->BitBtn1->Widget());
    }, &TForm24::Button1), "<SCRIPT SOURCE=\"menu.js\">\n</SCRIPT>\n");
}
