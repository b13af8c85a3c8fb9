// The Horizontal Rule dialog: its element in both tag cases, and its reset.

#include "tests/dialogs/ElementDialogFixture.h"

using RuleDialogTest = DialogsTest<TForm6>;

TEST_F(RuleDialogTest, WritesTheRuleWithQuotedSizeAndWidth)
{
    ExpectElements<TForm6>(&TForm6::Button1, {
        { "confirmed at once", [](TForm6*) {}, "<HR>", "<hr>" },
        { "width and no shading", [](TForm6* d) { Retype(d->Edit1, "50"); Tick(d->CheckBox1); },
            "<HR WIDTH=\"50\" NOSHADE>", "<hr width=\"50\" noshade>" },
        { "all, typed align", [](TForm6* d) { Retype({ { d->Edit1, "0" }, { d->Edit2, "3" }, { d->ComboBox1, "CENTER" } }); },
            "<HR ALIGN=\"CENTER\" SIZE=\"3\" WIDTH=\"0\">", "<hr align=\"CENTER\" size=\"3\" width=\"0\">" },
        { "odd text as typed", [](TForm6* d) { Retype(d->ComboBox1, "a'<b>\""); d->Edit2->SetText(std::string(10000, 'x')); },
            "<HR ALIGN=\"a'<b>\"\" SIZE=\"" + std::string(10000, 'x') + "\">",
            "<hr align=\"a'<b>\"\" size=\"" + std::string(10000, 'x') + "\">" },
    });
}

TEST_F(RuleDialogTest, TheArrowsStepWithinNoughtToAHundred)
{
    Use<TForm6>([](TForm6* d) {
        d->UpDown1->Step(btNext);
        Retype(d->Edit2, "100");
        d->UpDown2->Step(btNext);
        EXPECT_EQ(std::tuple(d->Edit1->Text(), d->Edit2->Text()), std::tuple("1", "100"));
    }, &TForm6::Button1);
    EXPECT_NE(PageWindow->RichEdit1->Text().find("<HR SIZE=\"100\" WIDTH=\"1\">"), std::string::npos);
}

TEST_F(RuleDialogTest, EveryWayOutLeavesItReset)
{
    ExpectResetOnEveryWayOut<TForm6>([](TForm6* d) {
        Retype({ { d->Edit1, "5" }, { d->Edit2, "6" }, { d->ComboBox1, "LEFT" } });
        Tick(d->CheckBox1);
    }, [](TForm6* d) {
        return Emptied({ d->Edit1, d->Edit2, d->ComboBox1 }) && !d->CheckBox1->Checked() && HasFocus(d, d->Edit1);
    });
    EXPECT_EQ(std::tuple(Form6->Caption(), Form6->HelpContext), std::tuple("Horizontal Rule", 44));
}
