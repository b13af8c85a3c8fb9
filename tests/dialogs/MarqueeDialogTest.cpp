// The Marquee dialog: its element in both tag cases, its loop rule, the
// numbers left out at "0", and its reset.

#include "tests/dialogs/ElementDialogFixture.h"

using MarqueeDialogTest = DialogsTest<TForm12>;

TEST_F(MarqueeDialogTest, WritesTheAttributesInTheirFixedOrder)
{
    ExpectElements<TForm12>(&TForm12::Button1, {
        { "confirmed at once", [](TForm12*) {}, "<MARQUEE LOOP=INFINITE></MARQUEE>", "<marquee loop=infinite></marquee>" },
        { "loop stepped to 5", [](TForm12* d) {
              for (int i = 0; i < 5; ++i)
                  ClickUpArrow(d->UpDown3);
              EXPECT_FALSE(d->CheckBox1->Checked());
          }, "<MARQUEE LOOP=5></MARQUEE>", "<marquee loop=5></marquee>" },
        { "loop, then Infinite again", [](TForm12* d) { ClickUpArrow(d->UpDown3); Tick(d->CheckBox1); },
            "<MARQUEE LOOP=INFINITE></MARQUEE>", "<marquee loop=infinite></marquee>" },
        { "width, behaviour, direction, colour", [](TForm12* d) {
              Retype({ { d->MultiBaseEdit5, "300" }, { d->ComboBox1, "Alternate" }, { d->ComboBox2, "Right" },
                  { d->ComboBox3, "Yellow" } });
          }, "<MARQUEE WIDTH=300 BGCOLOR=\"Yellow\" BEHAVIOR=Alternate DIRECTION=\"Right\" LOOP=INFINITE></MARQUEE>",
            "<marquee width=300 bgcolor=\"Yellow\" behavior=Alternate direction=\"Right\" loop=infinite></marquee>" },
        { "emptied height", [](TForm12* d) { d->MultiBaseEdit4->SelectAll(); KeyOn(d->MultiBaseEdit4, Qt::Key_Backspace); },
            "<MARQUEE HEIGHT= LOOP=INFINITE></MARQUEE>", "<marquee height= loop=infinite></marquee>" },
        { "everything", [](TForm12* d) {
              Retype({ { d->Edit1, "Hello <b>world</b>" }, { d->ComboBox1, "Scroll" }, { d->ComboBox2, "Left" },
                  { d->MultiBaseEdit1, "3" }, { d->MultiBaseEdit2, "2" }, { d->MultiBaseEdit3, "4" }, { d->ComboBox3, "Aqua" },
                  { d->ComboBox4, "Middle" }, { d->MultiBaseEdit4, "50" }, { d->MultiBaseEdit5, "60" } });
          }, "<MARQUEE ALIGN=\"Middle\" HEIGHT=50 WIDTH=60 BGCOLOR=\"Aqua\" BEHAVIOR=Scroll DIRECTION=\"Left\" HSPACE=2 VSPACE=3 LOOP=4>"
             "Hello <b>world</b></MARQUEE>",
            "<marquee align=\"Middle\" height=50 width=60 bgcolor=\"Aqua\" behavior=Scroll direction=\"Left\" hspace=2 vspace=3 loop=4>"
            "Hello <b>world</b></marquee>" },
    });
}

TEST_F(MarqueeDialogTest, EveryWayOutLeavesNoughtsInfiniteAndEmptyLists)
{
    ExpectResetOnEveryWayOut<TForm12>([](TForm12* d) {
        Retype({ { d->Edit1, "t" }, { d->ComboBox1, "x" }, { d->ComboBox2, "x" }, { d->ComboBox3, "x" }, { d->ComboBox4, "x" },
            { d->MultiBaseEdit1, "9" }, { d->MultiBaseEdit2, "9" }, { d->MultiBaseEdit3, "9" }, { d->MultiBaseEdit4, "9" },
            { d->MultiBaseEdit5, "9" } });
    }, [](TForm12* d) {
        return Emptied({ d->Edit1, d->ComboBox1, d->ComboBox2, d->ComboBox3, d->ComboBox4 }) && d->CheckBox1->Checked()
            && HasFocus(d, d->Edit1) && std::vector<std::string>(5, "0") == std::vector { d->MultiBaseEdit1->Text(),
                d->MultiBaseEdit2->Text(), d->MultiBaseEdit3->Text(), d->MultiBaseEdit4->Text(), d->MultiBaseEdit5->Text() };
    });
    EXPECT_EQ(std::tuple(Form12->Caption(), Form12->HelpContext), std::tuple("Marquee", 42));
}
