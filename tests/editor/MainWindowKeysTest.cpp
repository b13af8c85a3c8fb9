// The main window from the keyboard: what Alt with a letter does to the
// page, and where typing goes once a modal window has closed.

#include "tests/editor/MainWindowFixture.h"
#include "tests/support/MessageLoop.h"

#include <QApplication>
#include <QTimer>

TEST_F(MainWindowTest, AltWithALetterChangesNothingInThePage)
{
    Start();
    const std::string before = Form1->RichEdit1->Text();
    for (int key : { Qt::Key_F, Qt::Key_V, Qt::Key_E, Qt::Key_1 })
        PressKey(key, Qt::AltModifier);
    EXPECT_EQ(std::tuple(Form1->RichEdit1->Text(), Form1->RichEdit1->Modified()), std::tuple(before, false));
}

using ModalFocusTest = MainWindowTest;

TEST_F(ModalFocusTest, TypingGoesToThePageOnceAModalWindowClosesWithEscape)
{
    const std::pair<const char*, std::function<void()>> cases[] = {
        { "Open's file dialog", [this] { PressKey(Qt::Key_O, Qt::ControlModifier); } },
        { "the E-Mail dialog", [] {
             auto* mail = FindComponentAs<TToolbarButton97>(Form1, "ToolbarButton97135");
             ClickTabsOf(mail);
             ClickOn(mail);
         } },
    };
    for (const auto& [what, open] : cases) {
        SCOPED_TRACE(what);
        InModal = [](TForm* form) { KeyAtFocus(form->Widget(), Qt::Key_Escape); };
        StartAll();
        // The real file dialog, left with Escape once it shows.
        TOpenDialog::Responder = nullptr;
        QTimer escape;
        QObject::connect(&escape, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget(); modal && !TControl::FromWidget(modal))
                KeyAtFocus(modal, Qt::Key_Escape);
        });
        escape.start(50);
        ASSERT_TRUE(RunUntil([] { return Form1->Active() && Form1->RichEdit1->Focused(); }, 2000));
        SetPage("ab", 1);
        open();
        escape.stop();
        RunFor(100);
        if (QWidget* focused = QApplication::focusWidget())
            KeyAtFocus(focused, Qt::Key_X);
        EXPECT_EQ(Form1->RichEdit1->Text(), "axb");
        TearDown();
    }
}
