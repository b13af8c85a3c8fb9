#include "platform/FormBuilder.h"
#include "platform/StdCtrls.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

class Window : public TDesignedForm {
public:
    Window()
        : TDesignedForm(nullptr, "Window", "A window", 7, 200, 100)
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
    struct Case {
        const char* name;
        bool asButton;
        const char* message;
    } cases[] = {
        { "Edit9", false, "Component \"Edit9\" not found" },
        { "Edit1", true, "Component \"Edit1\" is not a" },
    };
    for (const Case& c : cases) {
        try {
            if (c.asButton)
                w.FindComponentAs<TButton>(c.name);
            else
                w.FindComponentAs<TEdit>(c.name);
            ADD_FAILURE() << c.name << " was found";
        } catch (const EComponentError& e) {
            EXPECT_EQ(e.Message.rfind(c.message, 0), 0u) << e.Message;
        }
    }
    w.FindComponentAs<TButton>("Button1")->Click();
    EXPECT_EQ(w.Clicks, 1) << "the button runs the window's method";
    EXPECT_EQ(w.HelpContext, 7);
    QWidget* edit2 = w.FindComponentAs<TEdit>("Edit2")->Widget();
    EXPECT_EQ(edit2->nextInFocusChain(), w.FindComponentAs<TButton>("Button1")->Widget()) << "Tab goes as designed";
    EXPECT_EQ(w.ClientWidth(), 200);
}

TEST(FormBuilder, AToolWindowShowsAsOne)
{
    for (TFormBorderStyle border : { bsToolWindow, bsSizeToolWin, bsDialog }) {
        TDesignedForm form(nullptr, "Floating", "Bar", 0, 213, 61, border);
        form.Show();
        EXPECT_EQ(form.Widget()->windowType() == Qt::Tool, border != bsDialog) << border;
    }
}
