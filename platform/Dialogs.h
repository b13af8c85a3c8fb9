#pragma once
// Message boxes and message dialogs. Every modal question can be answered by
// a scripted responder (tests set one); without it the real dialog runs.

#include <functional>
#include <string>

// MessageBox flags and answers, as the platform numbers them.
constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_OKCANCEL = 0x1;
constexpr unsigned MB_YESNOCANCEL = 0x3;
constexpr unsigned MB_YESNO = 0x4;
constexpr unsigned MB_ICONSTOP = 0x10;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONWARNING = 0x30;
constexpr unsigned MB_ICONINFORMATION = 0x40;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn : unsigned {
    mbYes = 1,
    mbNo = 2,
    mbOK = 4,
    mbCancel = 8,
    mbAbort = 16,
    mbRetry = 32,
    mbIgnore = 64,
};
using TMsgDlgButtons = unsigned;
constexpr TMsgDlgButtons mbYesNoCancel = mbYes | mbNo | mbCancel;
constexpr TMsgDlgButtons mbOKCancel = mbOK | mbCancel;

// What a modal question showed, for responders and for the record.
struct TQuestion {
    std::string Caption;
    std::string Text;
    TMsgDlgType Type = mtInformation;
    TMsgDlgButtons Buttons = mbOK;
};

// Returns a modal result (mrYes, mrNo, mrOk, mrCancel, ...).
using TQuestionResponder = std::function<int(const TQuestion&)>;
extern TQuestionResponder QuestionResponder;

int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext = 0);
void ShowMessage(const std::string& text);
// Returns IDOK, IDYES, ... like the platform's call.
int MessageBox(const std::string& text, const std::string& caption, unsigned flags);
