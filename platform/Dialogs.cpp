#include "platform/Dialogs.h"

#include "platform/Application.h"
#include "platform/Form.h"
#include "platform/TextCodec.h"
#include "platform/Types.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

TQuestionResponder QuestionResponder;

namespace {

const char* typeCaption(TMsgDlgType type)
{
    switch (type) {
    case mtWarning:
        return "Warning";
    case mtError:
        return "Error";
    case mtInformation:
        return "Information";
    case mtConfirmation:
        return "Confirm";
    case mtCustom:
        break;
    }
    return "";
}

int runBox(const TQuestion& q)
{
    if (QuestionResponder)
        return QuestionResponder(q);
    TModalHandBack handBack;
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(BytesToQString(q.Caption));
    box.setText(BytesToQString(q.Text));
    switch (q.Type) {
    case mtWarning:
        box.setIcon(QMessageBox::Warning);
        break;
    case mtError:
        box.setIcon(QMessageBox::Critical);
        break;
    case mtInformation:
        box.setIcon(QMessageBox::Information);
        break;
    case mtConfirmation:
        box.setIcon(QMessageBox::Question);
        break;
    case mtCustom:
        break;
    }
    struct Choice {
        TMsgDlgBtn bit;
        const char* text;
        int result;
    };
    static const Choice choices[] = {
        { mbYes, "&Yes", mrYes }, { mbNo, "&No", mrNo }, { mbOK, "OK", mrOk },
        { mbCancel, "Cancel", mrCancel }, { mbAbort, "&Abort", mrAbort }, { mbRetry, "&Retry", mrRetry },
        { mbIgnore, "&Ignore", mrIgnore },
    };
    std::vector<std::pair<QAbstractButton*, int>> made;
    for (const auto& c : choices) {
        if (!(q.Buttons & c.bit))
            continue;
        auto* b = box.addButton(QString::fromUtf8(c.text), QMessageBox::AcceptRole);
        made.emplace_back(b, c.result);
        if (made.size() == 1)
            box.setDefaultButton(static_cast<QPushButton*>(b));
        if (c.bit == mbCancel || (c.bit == mbNo && !(q.Buttons & mbCancel)) || (c.bit == mbOK && !(q.Buttons & mbCancel)))
            box.setEscapeButton(b);
    }
    box.exec();
    for (auto& [button, result] : made)
        if (box.clickedButton() == button)
            return result;
    return (q.Buttons & mbCancel) ? mrCancel : (q.Buttons & mbNo) ? mrNo : mrOk;
}

}

int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int)
{
    std::string caption = typeCaption(type);
    if (caption.empty() && Application)
        caption = Application->Title;
    return runBox(TQuestion { caption, text, type, buttons });
}

void ShowMessage(const std::string& text)
{
    runBox(TQuestion { Application ? Application->Title : std::string(), text, mtCustom, mbOK });
}

int MessageBox(const std::string& text, const std::string& caption, unsigned flags)
{
    TQuestion q { caption, text, mtCustom, mbOK };
    switch (flags & 0xF0) {
    case MB_ICONSTOP:
        q.Type = mtError;
        break;
    case MB_ICONQUESTION:
        q.Type = mtConfirmation;
        break;
    case MB_ICONWARNING:
        q.Type = mtWarning;
        break;
    case MB_ICONINFORMATION:
        q.Type = mtInformation;
        break;
    }
    switch (flags & 0xF) {
    case MB_OKCANCEL:
        q.Buttons = mbOK | mbCancel;
        break;
    case MB_YESNOCANCEL:
        q.Buttons = mbYesNoCancel;
        break;
    case MB_YESNO:
        q.Buttons = mbYes | mbNo;
        break;
    default:
        q.Buttons = mbOK;
    }
    switch (runBox(q)) {
    case mrYes:
        return IDYES;
    case mrNo:
        return IDNO;
    case mrCancel:
        return IDCANCEL;
    default:
        return IDOK;
    }
}
