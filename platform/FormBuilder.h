#pragma once
// TDesignedForm: the one way a window is built from its design values.
// The constructor is the window's preamble (name, caption, help context,
// client size, border, placement); each control is one line through a New...
// helper, owned by the window; events are bound to the window's methods with
// Method. Components are found by name with FindComponentAs, which says which
// component is missing.

#include "platform/Exception.h"
#include "platform/Form.h"
#include "platform/Graphics.h"

#include <initializer_list>
#include <string>
#include <typeinfo>
#include <utility>
#include <vector>

class TBitBtn;
class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TGroupBox;
class TLabel;
class TMemo;
class TTimer;
class TUpDown;

// The component of that name below `owner`, as a T; EComponentError names it
// when it is missing or of another class.
template<class T>
T* FindComponentAs(const TComponent* owner, const std::string& name)
{
    TComponent* found = owner->FindComponent(name);
    if (!found)
        throw EComponentError("Component \"" + name + "\" not found");
    auto* typed = dynamic_cast<T*>(found);
    if (!typed)
        throw EComponentError("Component \"" + name + "\" is not a " + typeid(T).name());
    return typed;
}

// An event handler that calls a method of the window: Method(this, &TForm1::Button1Click).
template<class C, class... Args>
auto Method(C* self, void (C::*method)(Args...))
{
    return [self, method](Args... args) { (self->*method)(std::forward<Args>(args)...); };
}

class TDesignedForm : public TForm {
public:
    TDesignedForm(TComponent* owner, const char* name, const char* caption, int helpContext, int clientWidth, int clientHeight,
        TFormBorderStyle border = bsDialog, TPosition position = poScreenCenter);

    template<class T>
    T* FindComponentAs(const std::string& name) const
    {
        return ::FindComponentAs<T>(this, name);
    }

    // The window's font, inherited by its controls; a face the system lacks
    // is replaced by the closest one of its kind.
    const TFont& Font() const { return m_font; }
    void SetFont(const TFont&);

protected:
    // Controls made from design values, owned by the window.
    TGroupBox* NewGroupBox(TWinControl* parent, const char* name, const char* caption, int left, int top, int width, int height);
    TLabel* NewLabel(TWinControl* parent, const char* name, const char* caption, int left, int top);
    TEdit* NewEdit(TWinControl* parent, const char* name, int left, int top, int width, const std::string& text = {});
    TUpDown* NewUpDown(const char* name, TEdit* associate, int min, int max);
    TComboBox* NewComboBox(TWinControl* parent, const char* name, int left, int top, int width, const std::vector<std::string>& items);
    TBitBtn* NewBrowseButton(TWinControl* parent, const char* name, int left, int top);
    TButton* NewButton(TWinControl* parent, const char* name, const char* caption, int left, int top, TNotifyEvent onClick = {});
    TCheckBox* NewCheckBox(TWinControl* parent, const char* name, const char* caption, int left, int top, int width = 97);
    TMemo* NewMemo(TWinControl* parent, const char* name, int left, int top, int width, int height);
    // Starts disabled unless `enabled`.
    TTimer* NewTimer(const char* name, unsigned interval, TNotifyEvent onTimer, bool enabled = true);
    // The order Tab moves through these controls, first to last.
    void SetTabOrder(std::initializer_list<TWinControl*> controls);
    // Any other component without a place on the screen.
    template<class T>
    T* NewComponent(const char* name)
    {
        auto* component = new T(this);
        component->Name = name;
        return component;
    }

private:
    TFont m_font;
};
