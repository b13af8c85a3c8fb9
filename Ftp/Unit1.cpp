#include "Ftp/Unit1.h"

#include "platform/Application.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(TComponent* owner)
    : TDesignedForm(owner, "Form1", "FTP Access", 0, 516, 259)
{
    Button1 = NewButton(this, "Button1", "Upload", 200, 232, Method(this, &TForm1::Button1Click));
    Button1->Default = true;

    Panel1 = NewControl<TPanel>(this, this, "Panel1", 8, 8, 505, 217);
    Panel1->SetBevelInner(bvRaised);
    Panel1->SetBevelOuter(bvLowered);

    Label7 = NewLabel(Panel1, "Label7", "Local File", 8, 8);
    Label6 = NewLabel(Panel1, "Label6", "Host File Name", 8, 168);
    Label4 = NewLabel(Panel1, "Label4", "Password", 8, 88);
    Label2 = NewLabel(Panel1, "Label2", "Host Name", 8, 128);
    Label5 = NewLabel(Panel1, "Label5", "Hostdir", 304, 8);
    Label3 = NewLabel(Panel1, "Label3", "User Name", 8, 48);
    Label1 = NewLabel(Panel1, "Label1", "Label1", 240, 40);
    Label1->Hide();

    Edit6 = NewEdit(Panel1, "Edit6", 8, 24, 265);
    Edit5 = NewEdit(Panel1, "Edit5", 8, 184, 185);
    Edit3 = NewEdit(Panel1, "Edit3", 8, 104, 185);
    Edit3->SetPasswordChar('*');
    Edit1 = NewEdit(Panel1, "Edit1", 8, 144, 185);
    Edit4 = NewEdit(Panel1, "Edit4", 304, 24, 185);
    Edit2 = NewEdit(Panel1, "Edit2", 8, 64, 185);
    Memo1 = NewMemo(Panel1, "Memo1", 200, 64, 289, 141);
    BitBtn1 = NewControl<TBitBtn>(this, Panel1, "BitBtn1", 275, 24, 22, 22);
    BitBtn1->OnClick = Method(this, &TForm1::BitBtn1Click);

    Button2 = NewButton(this, "Button2", "Exit", 440, 232, Method(this, &TForm1::Button2Click));
    Button3 = NewButton(this, "Button3", "Delete", 360, 232, Method(this, &TForm1::Button3Click));
    Button6 = NewButton(this, "Button6", "Make Dir", 280, 232, Method(this, &TForm1::Button6Click));

    // The fields in the order the user fills them.
    SetTabOrder({ Edit6, Edit2, Edit3, Edit1, Edit5, Edit4, Memo1, BitBtn1 });

    FtpClient1 = NewComponent<TFtpClient>("FtpClient1");
    FtpClient1->Timeout = 15;
    FtpClient1->MultiThreaded = false;
    FtpClient1->SetPort("ftp");
    FtpClient1->DisplayFlag = false;
    FtpClient1->SetBinary(true);
    FtpClient1->OnProgress = Method(this, &TForm1::FtpClient1Progress);
    FtpClient1->OnSessionConnected = Method(this, &TForm1::FtpClient1SessionConnected);
    FtpClient1->OnSessionClosed = Method(this, &TForm1::FtpClient1SessionClosed);
    FtpClient1->OnRequestDone = Method(this, &TForm1::FtpClient1RequestDone);
    FtpClient1->OnStateChange = Method(this, &TForm1::FtpClient1StateChange);

    OpenDialog1 = NewComponent<TOpenDialog>("OpenDialog1");
    OpenDialog1->DefaultExt = "*.*";
    OpenDialog1->Filter = "All Files (*.*)|*.*";
    OpenDialog1->Options = ofHideReadOnly | ofPathMustExist | ofFileMustExist;

    OnShow = Method(this, &TForm1::FormShow);
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
