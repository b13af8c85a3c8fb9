#pragma once
// TElementDialog: what every element dialog window shares. It is made once
// at start over the page it writes into and shown modally by the main
// window's launchers; it builds its element from its controls on OK, refuses missing input with an error box,
// takes files by their bare names through its browse button, and resets its
// controls whenever it closes, so that each opening starts afresh.

#include "page/Page.h"
#include "platform/BitBtn.h"
#include "platform/ComboBox.h"
#include "platform/FileDialog.h"
#include "platform/FormBuilder.h"
#include "platform/GroupBox.h"
#include "platform/StdCtrls.h"
#include "platform/UpDown.h"
#include "widgets/MultiBaseEdit.h"

#include <string>
#include <vector>

// The file types a browse button offers.
struct TBrowseFilter {
    const char* filter;
    const char* defaultExt;
    unsigned options;
};

extern const TBrowseFilter kImageFiles;   // Image
extern const TBrowseFilter kWebFiles;     // Create Link
extern const TBrowseFilter kSoundFiles;   // Music/Sound Effects
extern const TBrowseFilter kAnyFiles;     // Script, Embeded Item

class TElementDialog : public TDesignedForm {
public:
    TElementDialog(TComponent* owner, TPage& page, const char* name, const char* caption, int helpContext, int clientWidth,
        int clientHeight);

    // Where the dialog writes its element, and whose tag case and quote it
    // follows.
    TPage& Page() const { return m_page; }

protected:
    // The handler that puts the first field into its opening state: it runs
    // once each time the dialog is opened, as soon as the dialog is on the
    // screen, whether or not the desktop reports the window's activation;
    // closing a file dialog over it or returning from another program does
    // not run it again.
    void SetOpeningHandler(TNotifyEvent handler);

    // The error box of a refused insertion: the message with the error
    // icon and the single button OK. The dialog stays open as it is.
    static void RefuseInsert(const std::string& message);

    // The browse step: the chosen file's bare name (name and extension, no
    // folder) goes into the edit. False when the user cancelled; nothing
    // changes then.
    static bool BrowseBareName(TOpenDialog* dialog, TEdit* edit);

    // Controls made from design values, owned by the dialog; the others
    // (labels, edits, buttons, ...) come with every designed window.
    TOpenDialog* NewOpenDialog(const char* name, const TBrowseFilter&);
    TMultiBaseEdit* NewMultiBaseEdit(TWinControl* parent, const char* name, int left, int top, int width);

private:
    TPage& m_page;
    TNotifyEvent m_opening;
};

// An element dialog with the usual pair of buttons at its right: OK
// (Button1), which takes Enter, and Cancel (Button2) 32 pixels below it,
// which closes the dialog.
class TOkCancelDialog : public TElementDialog {
public:
    using TElementDialog::TElementDialog;

    TButton* Button1 = nullptr;  // OK
    TButton* Button2 = nullptr;  // Cancel

    void Button2Click(TObject* sender);

protected:
    // Made after the fields, so that Tab reaches the buttons last.
    void NewOkCancel(int left, int top, TNotifyEvent ok);
};
