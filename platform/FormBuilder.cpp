#include "platform/FormBuilder.h"

#include "platform/BitBtn.h"
#include "platform/ComboBox.h"
#include "platform/GroupBox.h"
#include "platform/Memo.h"
#include "platform/StdCtrls.h"
#include "platform/StrUtils.h"
#include "platform/Timer.h"
#include "platform/UpDown.h"

#include <QWidget>

TDesignedForm::TDesignedForm(TComponent* owner, const char* name, const char* caption, int helpContext, int clientWidth,
    int clientHeight, TFormBorderStyle border, TPosition position)
    : TForm(owner)
{
    Name = name;
    SetCaption(caption);
    HelpContext = helpContext;
    BorderStyle = border;
    Position = position;
    SetClientSize(clientWidth, clientHeight);
}

void TDesignedForm::SetFont(const TFont& font)
{
    m_font = font;
    Widget()->setFont(ToQFont(font));
}

TGroupBox* TDesignedForm::NewGroupBox(TWinControl* parent, const char* name, const char* caption, int left, int top, int width, int height)
{
    auto* box = NewControl<TGroupBox>(this, parent, name);
    box->SetCaption(caption);
    box->SetBounds(left, top, width, height);
    return box;
}

TLabel* TDesignedForm::NewLabel(TWinControl* parent, const char* name, const char* caption, int left, int top)
{
    auto* label = NewControl<TLabel>(this, parent, name);
    label->SetLeft(left);
    label->SetTop(top);
    label->SetCaption(caption);
    return label;
}

TEdit* TDesignedForm::NewEdit(TWinControl* parent, const char* name, int left, int top, int width, const std::string& text)
{
    auto* edit = NewControl<TEdit>(this, parent, name, left, top, width, 21);
    edit->SetText(text);
    return edit;
}

TUpDown* TDesignedForm::NewUpDown(const char* name, TEdit* associate, int min, int max)
{
    auto* upDown = new TUpDown(this);
    upDown->Name = name;
    upDown->Min = min;
    upDown->Max = max;
    // The position before the association, so the edit keeps its design text.
    upDown->SetPosition(int(StrToIntDef(associate->Text(), min)));
    upDown->SetAssociate(associate);
    return upDown;
}

TComboBox* TDesignedForm::NewComboBox(TWinControl* parent, const char* name, int left, int top, int width, const std::vector<std::string>& items)
{
    auto* box = NewControl<TComboBox>(this, parent, name, left, top, width, 21);
    box->SetItems(items);
    box->SetText("");
    return box;
}

TBitBtn* TDesignedForm::NewBrowseButton(TWinControl* parent, const char* name, int left, int top)
{
    return NewControl<TBitBtn>(this, parent, name, left, top, 25, 23);
}

TButton* TDesignedForm::NewButton(TWinControl* parent, const char* name, const char* caption, int left, int top, TNotifyEvent onClick)
{
    auto* button = NewControl<TButton>(this, parent, name);
    button->SetCaption(caption);
    button->SetBounds(left, top, 75, 25);
    button->OnClick = std::move(onClick);
    return button;
}

TCheckBox* TDesignedForm::NewCheckBox(TWinControl* parent, const char* name, const char* caption, int left, int top, int width)
{
    auto* box = NewControl<TCheckBox>(this, parent, name, left, top, width, 17);
    box->SetCaption(caption);
    return box;
}

TMemo* TDesignedForm::NewMemo(TWinControl* parent, const char* name, int left, int top, int width, int height)
{
    return NewControl<TMemo>(this, parent, name, left, top, width, height);
}

TTimer* TDesignedForm::NewTimer(const char* name, unsigned interval, TNotifyEvent onTimer, bool enabled)
{
    auto* timer = new TTimer(this);
    timer->Name = name;
    timer->SetEnabled(enabled);
    timer->SetInterval(interval);
    timer->OnTimer = std::move(onTimer);
    return timer;
}

void TDesignedForm::SetTabOrder(std::initializer_list<TWinControl*> controls)
{
    const TWinControl* previous = nullptr;
    for (const TWinControl* c : controls) {
        if (previous)
            QWidget::setTabOrder(previous->Widget(), c->Widget());
        previous = c;
    }
}
