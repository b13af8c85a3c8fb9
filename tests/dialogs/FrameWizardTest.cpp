// The frame wizard, both steps worked through their controls: the frame
// sets it writes, a count it has no frame set for, and the reset of both
// steps whenever step 2 closes.

#include "tests/dialogs/PageFixture.h"

namespace {

class FrameWizardTest : public With<PageTest, TForm13, TForm14> {
protected:
    // Opens the wizard over the page; `step1` and `step2` work the steps
    // (step 2 is reached only when step 1 presses OK), and with `confirm`
    // OK is pressed on each step left open. Returns what was written at the
    // caret.
    std::string Run(const std::function<void(TForm13*)>& step1, const std::function<void(TForm14*)>& step2, bool confirm = false)
    {
        int caret = PageWindow->RichEdit1->SelStart();
        InModal = [=](TForm* form) {
            form == Form13 ? step1(Form13) : step2(Form14);
            if (confirm && form->Visible() && form->ModalResult() == mrNone)
                ClickOn(form == Form13 ? Form13->Button1 : Form14->Button1);
        };
        Do([] { OpenDialog<TForm13>(); });
        EXPECT_EQ(std::tuple(Form13->Visible(), Form14->Visible(), PageWindow->RichEdit3->Text()), std::tuple(false, false, ""));
        return PageFrom(caret);
    }

    static bool IsReset()
    {
        bool reset = Form13->RadioButton1->Checked() && !Form13->RadioButton2->Checked() && Form13->Edit1->Text() == "2";
        for (int n = 1; n <= 8; ++n) {
            const auto& f = Form14->Frames[std::size_t(n - 1)];
            reset = reset && f.Name->Text() == "Frame " + std::to_string(n) && f.Address->Text() == "http://"
                && f.Scrolling->Text() == "Auto" && !f.NoResize->Checked();
        }
        return reset;
    }
};

}

TEST_F(FrameWizardTest, TwoAndThreeRowsWithTheOpeningValues)
{
    EXPECT_TRUE(IsReset());
    EXPECT_EQ(Run([](TForm13*) {}, [](TForm14*) {}, true),
        "<FRAMESET ROWS=\"27%,*\">\n<FRAME NAME=\"Frame 1\" SRC=\"http://\" SCROLLING=\"Auto\">\n"
        "<FRAME NAME=\"Frame 2\" SRC=\"http://\" SCROLLING=\"Auto\">\n</FRAMESET>\n");
    EXPECT_EQ(Run([](TForm13* d) { d->UpDown1->Step(btNext); }, [](TForm14*) {}, true),
        "<FRAMESET ROWS=\"27%,*,31%\">\n<FRAME NAME=\"Frame 1\" SRC=\"http://\" SCROLLING=\"Auto\">\n"
        "<FRAME NAME=\"Frame 2\" SRC=\"http://\" SCROLLING=\"Auto\">\n"
        "<FRAME NAME=\"Frame 3\" SRC=\"http://\" SCROLLING=\"Auto\">\n</FRAMESET>\n");
}

TEST_F(FrameWizardTest, EightColumnsInLowerCaseWithNoResizeOnOneFrameOnly)
{
    PageWindow->Edit4->SetText("Lowercase");
    PageWindow->Edit2->SetText("'");
    std::string expected = "<frameset cols='14%,7%,6%,*,11%,10%,16%,15%'>\n";
    for (int n = 1; n <= 8; ++n)
        expected += n == 5 ? "<frame name='menu' src='menu.htm' scrolling='No' noresize>\n"
                           : "<frame name='Frame " + std::to_string(n) + "' src='http://' scrolling='Auto'>\n";
    EXPECT_EQ(Run(
        [](TForm13* d) {
            ClickOn(d->RadioButton2);
            EraseAndType(d->Edit1, "8");
            KeyOn(d->Edit1, Qt::Key_Return);
        },
        [](TForm14* d) {
            auto& f = d->Frames[4];
            EraseAndType(f.Name, "menu");
            EraseAndType(f.Address, "menu.htm");
            EraseAndType(f.Scrolling, "No");
            ClickOn(f.NoResize);
        }, true),
        expected + "</frameset>\n");
    EXPECT_TRUE(IsReset());
}

TEST_F(FrameWizardTest, ACountWithoutAFrameSetWritesNothingAndStillResets)
{
    std::string page = PageWindow->RichEdit1->Text();
    for (const char* count : { "9", "1", "", "3 " }) {
        std::string block = Run(
            [count](TForm13* d) {
                ClickOn(d->RadioButton2);
                EraseAndType(d->Edit1, count);
            },
            [](TForm14* d) { EraseAndType(d->Frames[0].Name, "kept?"); }, true);
        EXPECT_EQ(std::tuple(block, IsReset()), std::tuple("", true)) << count;
    }
    EXPECT_EQ(std::tuple(PageWindow->RichEdit1->Text(), Errors.size()), std::tuple(page, 0u));
}

TEST_F(FrameWizardTest, StepTwoResetsBothStepsHoweverItClosesAndStepOneKeepsItsChoices)
{
    std::string page = PageWindow->RichEdit1->Text();
    auto choose = [](TForm13* d) {
        ClickOn(d->RadioButton2);
        d->UpDown1->Step(btNext);
    };
    // Cancel and Escape at step 1 keep the choices.
    Run([&](TForm13* d) { choose(d); ClickOn(d->Button2); }, nullptr);
    Run([](TForm13* d) { KeyOn(d->Edit1, Qt::Key_Escape); }, nullptr);
    EXPECT_EQ(std::tuple(Form13->RadioButton2->Checked(), Form13->Edit1->Text()), std::tuple(true, "3"));

    // Cancel, then the close box.
    for (bool closeBox : { false, true }) {
        Run(choose,
            [&](TForm14* d) {
                EraseAndType(d->Frames[7].Address, "x.htm");
                ClickOn(d->Frames[0].NoResize);
                // Escape is not bound at step 2.
                KeyOn(d->Frames[0].Name, Qt::Key_Escape);
                EXPECT_TRUE(d->Visible());
                closeBox ? CloseBox(d) : ClickOn(d->Button2);
            }, true);
        EXPECT_TRUE(IsReset());
    }
    EXPECT_EQ(PageWindow->RichEdit1->Text(), page);
}

TEST_F(FrameWizardTest, TheArrowsKeepTheCountWithinTwoToEight)
{
    for (auto [arrow, count] : { std::pair(btNext, "8"), std::pair(btPrev, "2") }) {
        for (int i = 0; i < 10; ++i)
            Form13->UpDown1->Step(arrow);
        EXPECT_EQ(Form13->Edit1->Text(), count);
    }
    EXPECT_EQ(std::tuple(Form13->Caption(), Form14->Caption(), Form14->HelpContext),
        std::tuple("Frame Wizard", "Frame Wizard", 45));
}
