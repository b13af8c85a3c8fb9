// The Create Link, E-Mail and Music/Sound Effects dialogs: their elements in
// both tag cases, where they leave the caret, their own rules and resets.

#include "tests/dialogs/ElementDialogFixture.h"

using LinkMailSoundTest = DialogsTest<TForm7, TForm8, TForm11>;

TEST_F(LinkMailSoundTest, CreateLinkWaitsInsideTheLinkWithoutADescription)
{
    ExpectElements<TForm7>(&TForm7::Button2, {
        { "confirmed at once", [](TForm7*) {}, "<A HREF=\"http://\"></A>", "<a href=\"http://\"></a>", 4 },
        { "typing goes on after http://", [](TForm7* d) { TypeInto(d->Edit1, "x.org"); },
            "<A HREF=\"http://x.org\"></A>", "<a href=\"http://x.org\"></a>", 4 },
        { "description and target", [](TForm7* d) {
              Retype({ { d->Edit1, "a.htm" }, { d->Edit2, "Home <b>" }, { d->ComboBox1, "_top" } });
          }, "<A HREF=\"a.htm\" TARGET=\"_top\">Home <b></A>", "<a href=\"a.htm\" target=\"_top\">Home <b></a>" },
    });
    EXPECT_EQ(std::tuple(Form7->Caption(), Form7->HelpContext), std::tuple("Create Link", 38));
}

TEST_F(LinkMailSoundTest, CreateLinkBrowsesToABareNameAndResetsToHttp)
{
    WriteFileBytes(Dir.File("page.html"), "<html>");
    FileChoices = { Dir.File("page.html") };
    Use<TForm7>([](TForm7* d) {
        ClickOn(d->BitBtn1);
        EXPECT_EQ(std::tuple(d->Edit1->Text(), d->Widget()->focusWidget()), std::tuple("page.html", d->Edit2->Widget()));
    }, &TForm7::Button1);
    ExpectResetOnEveryWayOut<TForm7>(
        [](TForm7* d) { Retype({ { d->Edit1, "b.htm" }, { d->Edit2, "B" }, { d->ComboBox1, "_self" } }); },
        [](TForm7* d) {
            return d->Edit1->Text() == "http://" && d->Edit1->SelStart() == 7 && Emptied({ d->Edit2, d->ComboBox1 })
                && HasFocus(d, d->Edit1);
        },
        &TForm7::Button2, &TForm7::Button1);
}

TEST_F(LinkMailSoundTest, EMailWritesAMailtoLink)
{
    ExpectElements<TForm8>(&TForm8::Button1, {
        { "confirmed at once", [](TForm8*) {}, "<A HREF=\"mailto:\"></A>", "<a href=\"mailto:\"></a>", 4 },
        { "address only", [](TForm8* d) { Retype(d->Edit1, "me@x.org"); },
            "<A HREF=\"mailto:me@x.org\"></A>", "<a href=\"mailto:me@x.org\"></a>", 4 },
        { "address and description", [](TForm8* d) { Retype(d->Edit1, "me@x.org"); Retype(d->Edit2, "Write me"); },
            "<A HREF=\"mailto:me@x.org\">Write me</A>", "<a href=\"mailto:me@x.org\">Write me</a>" },
    });
    ExpectResetOnEveryWayOut<TForm8>([](TForm8* d) { Retype({ { d->Edit1, "a@b" }, { d->Edit2, "c" } }); },
        [](TForm8* d) { return Emptied({ d->Edit1, d->Edit2 }) && HasFocus(d, d->Edit1); });
}

TEST_F(LinkMailSoundTest, SoundLoopsForeverUntilANumberIsGiven)
{
    ExpectElements<TForm11>(&TForm11::Button1, {
        { "confirmed at once", [](TForm11*) {}, "<BGSOUND SRC=\"\" LOOP=INFINITE>", "<bgsound src=\"\" loop=infinite>" },
        { "typed loop", [](TForm11* d) { Retype(d->Edit1, "a.mid"); Retype(d->MultiBaseEdit1, "3"); },
            "<BGSOUND SRC=\"a.mid\" LOOP=3>", "<bgsound src=\"a.mid\" loop=3>" },
        { "loop then Infinite again", [](TForm11* d) { Retype(d->MultiBaseEdit1, "3"); Tick(d->CheckBox1); },
            "<BGSOUND SRC=\"\" LOOP=INFINITE>", "<bgsound src=\"\" loop=infinite>" },
        { "stepped loop", [](TForm11* d) { d->UpDown1->Step(btNext); d->UpDown1->Step(btNext); },
            "<BGSOUND SRC=\"\" LOOP=2>", "<bgsound src=\"\" loop=2>" },
        { "emptied loop", [](TForm11* d) { Retype(d->MultiBaseEdit1, "x"); KeyOn(d->MultiBaseEdit1, Qt::Key_Backspace); },
            "<BGSOUND SRC=\"\" LOOP=>", "<bgsound src=\"\" loop=>" },
    });
    ExpectResetOnEveryWayOut<TForm11>([](TForm11* d) { Retype({ { d->Edit1, "b.wav" }, { d->MultiBaseEdit1, "7" } }); },
        [](TForm11* d) {
            return Emptied({ d->Edit1 }) && d->MultiBaseEdit1->Text() == "0" && d->CheckBox1->Checked() && HasFocus(d, d->Edit1);
        });
    EXPECT_EQ(Form11->OpenDialog1->Filter, kSoundFiles.filter);
}
