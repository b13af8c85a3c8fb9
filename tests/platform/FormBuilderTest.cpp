#include "platform/FormBuilder.h"
#include "platform/StdCtrls.h"

#include <gtest/gtest.h>

namespace {

class Window : public TDesignedForm {
public:
    Window()
        : TDesignedForm(nullptr, "Window", "A window", 7, 200, 100)
    {
        NewEdit(this, "Edit1", 8, 8, 100, "text");
        NewButton(this, "Button1", "OK", 8, 40, Method(this, &Window::Button1Click));
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
    EXPECT_EQ(w.ClientWidth(), 200);
}
