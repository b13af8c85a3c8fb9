#pragma once
// TForm1, "FTP Access": the upload tool's one window. The user types the
// server, the account, the remote folder and name, picks the local file,
// and uploads it, makes a remote folder or deletes a remote file; each
// finished request is logged in the memo.

#include "Ftp/Ftpcli.h"
#include "platform/BitBtn.h"
#include "platform/ExtCtrls.h"
#include "platform/FileDialog.h"
#include "platform/FormBuilder.h"
#include "platform/Memo.h"
#include "platform/StdCtrls.h"

class TForm1 : public TDesignedForm {
public:
    explicit TForm1(TComponent* owner);

    TButton* Button1;  // Upload
    TPanel* Panel1;
    TLabel* Label7;
    TLabel* Label6;
    TLabel* Label4;
    TLabel* Label2;
    TLabel* Label5;
    TLabel* Label3;
    // Hidden: the client's state number and the progress count.
    TLabel* Label1;
    TEdit* Edit6;  // local file
    TEdit* Edit5;  // host file name
    TEdit* Edit3;  // password
    TEdit* Edit1;  // host name
    TEdit* Edit4;  // remote folder
    TEdit* Edit2;  // user name
    TMemo* Memo1;  // log
    TBitBtn* BitBtn1;  // browse
    TButton* Button2;  // Exit
    TButton* Button3;  // Delete
    TButton* Button6;  // Make Dir
    TFtpClient* FtpClient1;
    TOpenDialog* OpenDialog1;

    void FormShow(TObject* sender);
    void BitBtn1Click(TObject* sender);
    void Button1Click(TObject* sender);
    void Button6Click(TObject* sender);
    void Button3Click(TObject* sender);
    void Button2Click(TObject* sender);
    void FtpClient1RequestDone(TObject* sender, TFtpRequest rqType, std::uint16_t error);
    void FtpClient1SessionConnected(TObject* sender, std::uint16_t error);
    void FtpClient1SessionClosed(TObject* sender, std::uint16_t error);
    void FtpClient1StateChange(TObject* sender);
    void FtpClient1Progress(TObject* sender, std::int64_t count, bool& abort);

private:
    void CopyAccountFields();
};

extern TForm1* Form1;
