#include "Ftp/Unit1.h"

#include "platform/Application.h"

#include <QWidget>

TForm1* Form1 = nullptr;

namespace {

TLabel* label(TForm1* form, TWinControl* parent, const char* name, int left, int top, const char* caption)
{
    auto* l = NewControl<TLabel>(form, parent, name);
    l->SetLeft(left);
    l->SetTop(top);
    l->SetCaption(caption);
    return l;
}

}

TForm1::TForm1(TComponent* owner)
    : TForm(owner)
{
    Name = "Form1";
    SetCaption("FTP Access");
    BorderStyle = bsDialog;
    Position = poScreenCenter;
    SetClientSize(516, 259);

    Button1 = NewControl<TButton>(this, this, "Button1", 200, 232, 75, 25);
    Button1->SetCaption("Upload");
    Button1->Default = true;
    Button1->OnClick = [this](TObject* s) { Button1Click(s); };

    Panel1 = NewControl<TPanel>(this, this, "Panel1", 8, 8, 505, 217);
    Panel1->SetBevelOuter(bvRaised);

    Label7 = label(this, Panel1, "Label7", 8, 8, "Local File");
    Label6 = label(this, Panel1, "Label6", 8, 168, "Host File Name");
    Label4 = label(this, Panel1, "Label4", 8, 88, "Password");
    Label2 = label(this, Panel1, "Label2", 8, 128, "Host Name");
    Label5 = label(this, Panel1, "Label5", 304, 8, "Hostdir");
    Label3 = label(this, Panel1, "Label3", 8, 48, "User Name");
    Label1 = label(this, Panel1, "Label1", 240, 40, "Label1");
    Label1->Hide();

    Edit6 = NewControl<TEdit>(this, Panel1, "Edit6", 8, 24, 265, 21);
    Edit5 = NewControl<TEdit>(this, Panel1, "Edit5", 8, 184, 185, 21);
    Edit3 = NewControl<TEdit>(this, Panel1, "Edit3", 8, 104, 185, 21);
    Edit3->SetPasswordChar('*');
    Edit1 = NewControl<TEdit>(this, Panel1, "Edit1", 8, 144, 185, 21);
    Edit4 = NewControl<TEdit>(this, Panel1, "Edit4", 304, 24, 185, 21);
    Edit2 = NewControl<TEdit>(this, Panel1, "Edit2", 8, 64, 185, 21);
    Memo1 = NewControl<TMemo>(this, Panel1, "Memo1", 200, 64, 289, 141);
    BitBtn1 = NewControl<TBitBtn>(this, Panel1, "BitBtn1", 275, 24, 22, 22);
    BitBtn1->OnClick = [this](TObject* s) { BitBtn1Click(s); };

    Button2 = NewControl<TButton>(this, this, "Button2", 440, 232, 75, 25);
    Button2->SetCaption("Exit");
    Button2->OnClick = [this](TObject* s) { Button2Click(s); };
    Button3 = NewControl<TButton>(this, this, "Button3", 360, 232, 75, 25);
    Button3->SetCaption("Delete");
    Button3->OnClick = [this](TObject* s) { Button3Click(s); };
    Button6 = NewControl<TButton>(this, this, "Button6", 280, 232, 75, 25);
    Button6->SetCaption("Make Dir");
    Button6->OnClick = [this](TObject* s) { Button6Click(s); };

    // The fields in the order the user fills them.
    QWidget* order[] = { Edit6->Widget(), Edit2->Widget(), Edit3->Widget(), Edit1->Widget(), Edit5->Widget(),
        Edit4->Widget(), Memo1->Widget(), BitBtn1->Widget() };
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);

    FtpClient1 = new TFtpClient(this);
    FtpClient1->Name = "FtpClient1";
    FtpClient1->Timeout = 15;
    FtpClient1->MultiThreaded = false;
    FtpClient1->SetPort("ftp");
    FtpClient1->DisplayFlag = false;
    FtpClient1->SetBinary(true);
    FtpClient1->OnProgress = [this](TObject* s, std::int64_t count, bool& abort) { FtpClient1Progress(s, count, abort); };
    FtpClient1->OnSessionConnected = [this](TObject* s, std::uint16_t e) { FtpClient1SessionConnected(s, e); };
    FtpClient1->OnSessionClosed = [this](TObject* s, std::uint16_t e) { FtpClient1SessionClosed(s, e); };
    FtpClient1->OnRequestDone = [this](TObject* s, TFtpRequest rq, std::uint16_t e) { FtpClient1RequestDone(s, rq, e); };
    FtpClient1->OnStateChange = [this](TObject* s) { FtpClient1StateChange(s); };

    OpenDialog1 = new TOpenDialog(this);
    OpenDialog1->Name = "OpenDialog1";
    OpenDialog1->DefaultExt = "*.*";
    OpenDialog1->Filter = "All Files (*.*)|*.*";
    OpenDialog1->Options = ofHideReadOnly | ofPathMustExist | ofFileMustExist;

    OnShow = [this](TObject* s) { FormShow(s); };
}

void TForm1::FormShow(TObject*) { Edit6->SetFocus(); }

void TForm1::BitBtn1Click(TObject*)
{
    if (!OpenDialog1->Execute())
        return;
    Edit6->SetText(OpenDialog1->FileName);
    Edit3->SetFocus();
}

void TForm1::CopyAccountFields()
{
    FtpClient1->HostName = Edit1->Text();
    FtpClient1->UserName = Edit2->Text();
    FtpClient1->PassWord = Edit3->Text();
}

// Each button runs its request once: a refusal to start reaches the
// application object, and the wait keeps the client's time-out in force.
void TForm1::Button1Click(TObject*)
{
    CopyAccountFields();
    FtpClient1->HostDirName = Edit4->Text();
    FtpClient1->HostFileName = Edit5->Text();
    FtpClient1->LocalFileName = Edit6->Text();
    FtpClient1->Transmit();
    FtpClient1->WaitUntilReady();
}

void TForm1::Button6Click(TObject*)
{
    CopyAccountFields();
    FtpClient1->HostFileName = Edit5->Text();
    FtpClient1->MkDir();
    FtpClient1->WaitUntilReady();
}

void TForm1::Button3Click(TObject*)
{
    CopyAccountFields();
    FtpClient1->HostFileName = Edit5->Text();
    FtpClient1->Delete();
    FtpClient1->WaitUntilReady();
}

void TForm1::Button2Click(TObject*) { Application->Terminate(); }

void TForm1::FtpClient1RequestDone(TObject*, TFtpRequest rqType, std::uint16_t error)
{
    TStrings& log = Memo1->Lines();
    log.Add("Request " + std::to_string(int(rqType)) + " Done.");
    log.Add("StatusCode = " + std::to_string(FtpClient1->StatusCode()));
    log.Add("LastResponse was : \"" + FtpClient1->LastResponse() + "\"");
    if (error != 0)
        log.Add("Error = " + std::to_string(error) + " (" + FtpClient1->ErrorMessage() + ")");
    else
        log.Add("No error");
    if (error != 0)
        return;
    if (rqType == ftpRqCwd || rqType == ftpRqMkd || rqType == ftpRqPwd)
        log.Add("Directory is \"" + FtpClient1->DirResult() + "\"");
    else if (rqType == ftpRqSize)
        log.Add("File size is " + std::to_string(FtpClient1->SizeResult()) + " bytes");
}

void TForm1::FtpClient1SessionConnected(TObject*, std::uint16_t error)
{
    Memo1->Lines().Add("Session Connected, error = " + std::to_string(error));
}

void TForm1::FtpClient1SessionClosed(TObject*, std::uint16_t error)
{
    Memo1->Lines().Add("Session Closed, error = " + std::to_string(error));
}

void TForm1::FtpClient1StateChange(TObject*) { Label1->SetCaption(std::to_string(int(FtpClient1->State()))); }

void TForm1::FtpClient1Progress(TObject*, std::int64_t count, bool&)
{
    Label1->SetCaption(std::to_string(count));
    Label1->Repaint();
}
