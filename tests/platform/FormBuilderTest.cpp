#include "platform/FormBuilder.h"
#include "platform/StdCtrls.h"
#include "tests/support/ThrownMessage.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

class Window : public TDesignedForm {
public:
    Window() : TDesignedForm(nullptr, "Window", "A window", 7, 200, 100)
    {
        NewEdit(this, "Edit1", 8, 8, 100, "text");
        NewButton(this, "Button1", "OK", 8, 40, Method(this, &Window::Button1Click));
        NewEdit(this, "Edit2", 120, 8, 60);
        SetTabOrder({ FindComponentAs<TEdit>("Edit2"), FindComponentAs<TButton>("Button1"), FindComponentAs<TEdit>("Edit1") });
    }
    void Button1Click(TObject*) { ++Clicks; }
    int Clicks = 0;
};

}

TEST(FormBuilder, TheCheckedLookUpNamesWhatIsMissingOrOfAnotherClass)
{
    Window w;
    EXPECT_EQ(w.FindComponentAs<TEdit>("edit1")->Text(), "text") << "names are found regardless of case";
    const std::string missing = ThrownMessage<EComponentError>([&] { w.FindComponentAs<TEdit>("Edit9"); });
    const std::string otherClass = ThrownMessage<EComponentError>([&] { w.FindComponentAs<TButton>("Edit1"); });
    EXPECT_EQ((std::tuple { missing.rfind("Component \"Edit9\" not found", 0),
                  otherClass.rfind("Component \"Edit1\" is not a", 0) }),
        std::tuple(0u, 0u)) << missing << "; " << otherClass;
    w.FindComponentAs<TButton>("Button1")->Click();
    // The button runs the window's method, and Tab goes as designed.
    QWidget* edit2 = w.FindComponentAs<TEdit>("Edit2")->Widget();
    EXPECT_EQ((std::tuple { w.Clicks, w.HelpContext, edit2->nextInFocusChain(), w.ClientWidth() }),
        std::tuple(1, 7, w.FindComponentAs<TButton>("Button1")->Widget(), 200));
}

TEST(FormBuilder, AToolWindowShowsAsOne)
{
    for (TFormBorderStyle border : { bsToolWindow, bsSizeToolWin, bsDialog }) {
        TDesignedForm form(nullptr, "Floating", "Bar", 0, 213, 61, border);
        form.Show();
        EXPECT_EQ(form.Widget()->windowType() == Qt::Tool, border != bsDialog) << border;
    }
}
