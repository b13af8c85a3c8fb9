// The JAVA Applet, Parameter and Embeded Item dialogs: their elements in both
// tag cases, browsing, and their resets.

#include "tests/dialogs/ElementDialogFixture.h"

using EmbeddedObjectsTest = DialogsTest<TForm25, TForm26, TForm28>;

TEST_F(EmbeddedObjectsTest, AppletWritesCodeSizeAndMessage)
{
    ExpectElements<TForm25>(&TForm25::Button1, {
        { "confirmed at once", [](TForm25*) {}, "<APPLET></APPLET>", "<applet></applet>" },
        { "everything", [](TForm25* d) {
              Retype({ { d->Edit1, "Clock.class" }, { d->Edit2, "200" }, { d->Edit3, "100" }, { d->Edit4, "No JAVA here" } });
          }, "<APPLET CODE=\"Clock.class\" WIDTH=200 HEIGHT=100>No JAVA here</APPLET>",
            "<applet code=\"Clock.class\" width=200 height=100>No JAVA here</applet>" },
    });
    ExpectResetOnEveryWayOut<TForm25>(
        [](TForm25* d) { Retype({ { d->Edit1, "a" }, { d->Edit2, "1" }, { d->Edit3, "2" }, { d->Edit4, "m" } }); },
        [](TForm25* d) { return Emptied({ d->Edit1, d->Edit2, d->Edit3, d->Edit4 }) && HasFocus(d, d->Edit1); });
}

TEST_F(EmbeddedObjectsTest, ParameterLeavesOutEmptyAttributes)
{
    ExpectElements<TForm26>(&TForm26::Button1, {
        { "confirmed at once", [](TForm26*) {}, "<PARAM></PARAM>", "<param></param>" },
        { "name only", [](TForm26* d) { Retype(d->Edit1, "speed"); },
            "<PARAM NAME=\"speed\"></PARAM>", "<param name=\"speed\"></param>" },
        { "name and value", [](TForm26* d) { Retype(d->Edit1, "speed"); Retype(d->Edit2, "fast"); },
            "<PARAM NAME=\"speed\" VALUE=\"fast\"></PARAM>", "<param name=\"speed\" value=\"fast\"></param>" },
    });
    ExpectResetOnEveryWayOut<TForm26>([](TForm26* d) { Retype({ { d->Edit1, "n" }, { d->Edit2, "v" } }); },
        [](TForm26* d) { return Emptied({ d->Edit1, d->Edit2 }) && HasFocus(d, d->Edit1); });
}

TEST_F(EmbeddedObjectsTest, EmbeddedItemHasNoEndTagAndPutsWidthFirst)
{
    ExpectElements<TForm28>(&TForm28::Button1, {
        { "confirmed at once", [](TForm28*) {}, "<EMBEDED SRC=\"\">", "<embeded src=\"\">" },
        { "width only", [](TForm28* d) { Retype(d->Edit3, "120"); }, "<EMBEDED SRC=\"\" WIDTH=120>", "<embeded src=\"\" width=120>" },
        { "height filled first", [](TForm28* d) {
              Retype({ { d->Edit2, "40" }, { d->Edit3, "60" }, { d->Edit1, "movie.avi" } });
          }, "<EMBEDED SRC=\"movie.avi\" WIDTH=60 HEIGHT=40>", "<embeded src=\"movie.avi\" width=60 height=40>" },
    });
    WriteFileBytes(Dir.File("tune.mid"), "MThd");
    FileChoices = { Dir.File("tune.mid") };
    Use<TForm28>([](TForm28* d) {
        ClickOn(d->BitBtn1);
        EXPECT_EQ(std::tuple(d->Edit1->Text(), HasFocus(d, d->Edit2)), std::tuple("tune.mid", true));
    }, &TForm28::Button2);
    ExpectResetOnEveryWayOut<TForm28>([](TForm28* d) { Retype({ { d->Edit1, "x" }, { d->Edit2, "1" }, { d->Edit3, "2" } }); },
        [](TForm28* d) { return Emptied({ d->Edit1, d->Edit2, d->Edit3 }) && HasFocus(d, d->Edit1); });
}

TEST_F(EmbeddedObjectsTest, AppletTabsFromTheSourceToTheMessageBeforeTheSize)
{
    Use<TForm25>([](TForm25* d) {
        for (TWinControl* next : std::initializer_list<TWinControl*> { d->Edit1, d->Edit4, d->Edit2, d->Edit3 }) {
            EXPECT_TRUE(HasFocus(d, next)) << next->Name;
            KeyAtFocus(d->Widget(), Qt::Key_Tab);
        }
    }, &TForm25::Button2);
}
