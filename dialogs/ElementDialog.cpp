#include "dialogs/ElementDialog.h"

#include "platform/Dialogs.h"
#include "platform/Messages.h"
#include "platform/StrUtils.h"

#include <QPointer>
#include <QWidget>

const TBrowseFilter kImageFiles = {
    "Image Files (*.gif; *.jpg)|*.gif; *.jpg|All Files (*.*)|*.*",
    "*.gif; *.jpg",
    ofHideReadOnly | ofPathMustExist | ofFileMustExist,
};

const TBrowseFilter kWebFiles = {
    "Web Files (*.htm; *.html; *.jpg; *.gif)|*.htm; *.html; *.jpg; *.gif|Web Documents (*.htm; *.html)|*.htm; *.html|"
    "Graphics Files (*.jpg; *.gif)|*.jpg; *.gif",
    "*.htm; *.html; *.gif; *.jpg",
    ofHideReadOnly,
};

const TBrowseFilter kSoundFiles = {
    "Sound Files (*.mid; *.wav)|*.mid; *.wav|All Files (*.*)|*.*",
    "*.mid; *.wav",
    ofHideReadOnly | ofPathMustExist | ofFileMustExist,
};

const TBrowseFilter kAnyFiles = {
    "All Files (*.*)|*.*",
    "*.*",
    ofHideReadOnly | ofPathMustExist | ofFileMustExist,
};

TElementDialog::TElementDialog(TComponent* owner, const char* name, const char* caption, int helpContext, int clientWidth, int clientHeight)
    : TForm(owner)
{
    Name = name;
    SetCaption(caption);
    HelpContext = helpContext;
    BorderStyle = bsDialog;
    Position = poScreenCenter;
    SetClientSize(clientWidth, clientHeight);
}

void TElementDialog::SetOpeningHandler(TNotifyEvent handler)
{
    m_opening = std::move(handler);
    OnShow = [this](TObject*) {
        // From the message loop, once the window is up and can take focus.
        QPointer<QWidget> alive(Widget());
        PostCall([this, alive] {
            if (alive && !Destroying() && Visible() && m_opening)
                m_opening(this);
        });
    };
}

void TElementDialog::RefuseInsert(const std::string& message) { MessageDlg(message, mtError, mbOK, 0); }

bool TElementDialog::BrowseBareName(TOpenDialog* dialog, TEdit* edit)
{
    if (!dialog->Execute())
        return false;
    // The name part of the chosen path itself, so that every file the user
    // can choose works, hidden ones too.
    edit->SetText(ExtractFileName(dialog->FileName));
    return true;
}

TOpenDialog* TElementDialog::NewOpenDialog(const char* name, const TBrowseFilter& filter)
{
    auto* dialog = new TOpenDialog(this);
    dialog->Name = name;
    dialog->Filter = filter.filter;
    dialog->DefaultExt = filter.defaultExt;
    dialog->Options = filter.options;
    return dialog;
}

TGroupBox* TElementDialog::NewGroupBox(TWinControl* parent, const char* name, const char* caption, int left, int top, int width, int height)
{
    auto* box = NewControl<TGroupBox>(this, parent, name);
    box->SetCaption(caption);
    box->SetBounds(left, top, width, height);
    return box;
}

TLabel* TElementDialog::NewLabel(TWinControl* parent, const char* name, const char* caption, int left, int top)
{
    auto* label = NewControl<TLabel>(this, parent, name);
    label->SetLeft(left);
    label->SetTop(top);
    label->SetCaption(caption);
    return label;
}

TEdit* TElementDialog::NewEdit(TWinControl* parent, const char* name, int left, int top, int width, const std::string& text)
{
    auto* edit = NewControl<TEdit>(this, parent, name, left, top, width, 21);
    edit->SetText(text);
    return edit;
}

TUpDown* TElementDialog::NewUpDown(const char* name, TEdit* associate, int min, int max)
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

TMultiBaseEdit* TElementDialog::NewMultiBaseEdit(TWinControl* parent, const char* name, int left, int top, int width)
{
    return NewControl<TMultiBaseEdit>(this, parent, name, left, top, width, 21);
}

TCheckBox* TElementDialog::NewCheckBox(TWinControl* parent, const char* name, const char* caption, int left, int top, bool checked)
{
    auto* box = NewControl<TCheckBox>(this, parent, name, left, top, 97, 17);
    box->SetCaption(caption);
    box->SetChecked(checked);
    return box;
}

TComboBox* TElementDialog::NewComboBox(TWinControl* parent, const char* name, int left, int top, int width, const std::vector<std::string>& items)
{
    auto* box = NewControl<TComboBox>(this, parent, name, left, top, width, 21);
    box->SetItems(items);
    box->SetText("");
    return box;
}

TBitBtn* TElementDialog::NewBrowseButton(TWinControl* parent, const char* name, int left, int top)
{
    auto* button = NewControl<TBitBtn>(this, parent, name, left, top, 25, 23);
    return button;
}

TButton* TElementDialog::NewButton(TWinControl* parent, const char* name, const char* caption, int left, int top)
{
    auto* button = NewControl<TButton>(this, parent, name);
    button->SetCaption(caption);
    button->SetBounds(left, top, 75, 25);
    return button;
}
