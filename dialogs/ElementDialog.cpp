#include "dialogs/ElementDialog.h"

#include "platform/Dialogs.h"
#include "platform/Messages.h"
#include "platform/StrUtils.h"

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

TElementDialog::TElementDialog(TComponent* owner, TPage& page, const char* name, const char* caption, int helpContext,
    int clientWidth, int clientHeight)
    : TDesignedForm(owner, name, caption, helpContext, clientWidth, clientHeight), m_page(page)
{
}

void TElementDialog::SetOpeningHandler(TNotifyEvent handler)
{
    m_opening = std::move(handler);
    OnShow = [this](TObject*) {
        // From the message loop, once the window is up and can take focus.
        PostCall([this, alive = AliveGuard()] {
            if (alive && Visible() && m_opening)
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

TMultiBaseEdit* TElementDialog::NewMultiBaseEdit(TWinControl* parent, const char* name, int left, int top, int width)
{
    return NewControl<TMultiBaseEdit>(this, parent, name, left, top, width, 21);
}

void TOkCancelDialog::NewOkCancel(int left, int top, TNotifyEvent ok)
{
    Button1 = NewButton(this, "Button1", "OK", left, top, std::move(ok));
    Button1->Default = true;
    Button2 = NewButton(this, "Button2", "Cancel", left, top + 32, Method(this, &TOkCancelDialog::Button2Click));
}

void TOkCancelDialog::Button2Click(TObject*) { Close(); }
