// The updater's flow: Start and Update, their Stop, the busy feedback and
// the downloads.

#include "Update/Unit1.h"

#include "Update/Unit2.h"
#include "Update/anifile.h"
#include "platform/Application.h"
#include "platform/DateTime.h"
#include "platform/Exception.h"
#include "platform/Memo.h"
#include "platform/Stream.h"
#include "platform/Timer.h"
#include "platform/TrackBar.h"
#include "widgets/AppRun.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

namespace {

// Lets whoever may read the file run it too.
void makeExecutable(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return;
    mode_t mode = st.st_mode & 07777;
    ::chmod(path.c_str(), mode | ((mode & 0444) >> 2));
}

}

void TForm1::StopRequest()
{
    StopBusy();
    Button1->SetCaption("Start");
    HideStatusLabels();
    TrackBar1->SetPosition(0);
    HttpCli1->Abort();
}

bool TForm1::RunRequest(TButton* button, TLabel* status, const std::string& url)
{
    StartBusy();
    button->SetCaption("Stop");
    ShowOnly(status);
    PrepareRequest(url);
    if (!Fetch())
        return false;
    OfficeButton2Click(nullptr);
    LogResponse();
    return true;
}

void TForm1::Button1Click(TObject*)
{
    if (Button1->Caption() != "Start") {
        StopRequest();
        return;
    }
    if (!RunRequest(Button1, Label1, Edit1->Text()))
        return;
    Form2->RichEdit1->Lines().LoadFromFile(HttpCli1->DocumentName);
    Form2->ShowModal();
    Button3->Show();
    OfficeButton4Click(nullptr);
}

void TForm1::Button3Click(TObject*)
{
    if (Button3->Caption() != "Update") {
        StopRequest();
        Button3->SetCaption("Update");
        return;
    }
    if (!RunRequest(Button3, Label7, Edit5->Text()))
        return;
    // A page in place of the installer (the server's error or login page)
    // is kept under its own name and never started.
    if (HttpCli1->DocumentName != InstallerName) {
        Log("Not an installer: " + HttpCli1->ContentType + " => " + HttpCli1->DocumentName);
        OfficeButton1Click(nullptr);
        return;
    }
    // Only an installer this request wrote, whole, is started: an answer
    // without a body (304, or an empty 200) leaves an older file of that
    // name in the folder, which is not the one asked for.
    struct stat written {};
    if (m_documentName != InstallerName || ::stat(m_documentName.c_str(), &written) != 0 || written.st_size == 0) {
        Log("No installer in the answer: " + std::to_string(HttpCli1->StatusCode) + " " + HttpCli1->ReasonPhrase);
        OfficeButton1Click(nullptr);
        return;
    }
    { TFileStream check(HttpCli1->DocumentName, fmOpenRead); }
    makeExecutable(HttpCli1->DocumentName);
    AppRunner1->Execute();
    Button3->SetCaption("Update");
    OfficeButton4Click(nullptr);
}

void TForm1::Button2Click(TObject*) { Application->Terminate(); }

void TForm1::Timer1Timer(TObject*)
{
    if (TrackBar1->Position() == 50)
        Label2->SetCaption("Orvelin");
    if (TrackBar1->Position() == 0)
        Label2->SetCaption("Orvelins");
    if (Label2->Caption() == "Orvelin")
        TrackBar1->SetPosition(TrackBar1->Position() - 1);
    if (Label2->Caption() == "Orvelins")
        TrackBar1->SetPosition(TrackBar1->Position() + 1);
}

void TForm1::OfficeButton1Click(TObject*)
{
    StopBusy();
    Button1->SetCaption("Start");
    ShowOnly(Label6);
    TrackBar1->SetPosition(0);
    HttpCli1->Abort();
}

void TForm1::OfficeButton2Click(TObject*)
{
    StopBusy();
    Button1->SetCaption("Start");
    for (TLabel* label : { Label1, Label3, Label6, Label7 })
        label->Hide();
    Label5->Show();
    TrackBar1->SetPosition(0);
}

void TForm1::OfficeButton4Click(TObject*) { ShowOnly(Label8); }

void TForm1::HttpCli1Command(TObject*, std::string& line) { Log("cmd> " + line); }

void TForm1::HttpCli1DocBegin(TObject*)
{
    Log(HttpCli1->ContentType + " => " + HttpCli1->DocumentName);
    Log("Document = " + HttpCli1->DocumentName);
    // The document takes its name only once it has come whole.
    m_documentName = HttpCli1->DocumentName;
    m_partialName = m_documentName + PartialSuffix;
    HttpCli1->ReceiveStream = new TFileStream(m_partialName, fmCreate);
}

void TForm1::HttpCli1DocEnd(TObject*)
{
    if (HttpCli1->ReceiveStream) {
        delete HttpCli1->ReceiveStream;
        HttpCli1->ReceiveStream = nullptr;
    }
}

void TForm1::HttpCli1RequestDone(TObject*, THttpRequest, std::uint16_t error) { Log("RequestDone Error = " + std::to_string(error)); }

void TForm1::PrepareRequest(const std::string& url)
{
    HttpCli1->URL = url;
    HttpCli1->Proxy = Edit2->Text();
    HttpCli1->ProxyPort = Edit3->Text();
    HttpCli1->ReceiveStream = nullptr;
    HttpCli1->ModifiedSince = Edit4->Text().empty() ? 0 : StrToDateTime(Edit4->Text());
}

bool TForm1::Fetch()
{
    DiscardPartial();
    // Names the document this request writes, once it begins to.
    m_documentName.clear();
    try {
        HttpCli1->Get();
    } catch (const std::exception&) {
        DiscardPartial();
        OfficeButton1Click(nullptr);
        Log("GET Failed !");
        Log("StatusCode   = " + std::to_string(HttpCli1->StatusCode));
        Log("ReasonPhrase = " + HttpCli1->ReasonPhrase);
        return false;
    }
    if (!m_partialName.empty()) {
        std::string partial = m_partialName;
        m_partialName.clear();
        if (std::rename(partial.c_str(), m_documentName.c_str()) != 0) {
            ::unlink(partial.c_str());
            OfficeButton1Click(nullptr);
            throw EFCreateError(Msg::FCreateError(m_documentName));
        }
    }
    return true;
}

void TForm1::DiscardPartial()
{
    if (m_partialName.empty())
        return;
    ::unlink(m_partialName.c_str());
    m_partialName.clear();
}

void TForm1::LogResponse()
{
    Log("StatusCode = " + std::to_string(HttpCli1->StatusCode));
    TStrings& header = HttpCli1->RcvdHeader();
    for (int i = 0; i < header.Count(); ++i)
        Log("hdr>" + header.Strings(i));
}

void TForm1::Log(const std::string& line) { Memo1->Lines().Add(line); }

void TForm1::StartBusy()
{
    AniIcon1->SetAnimated(true);
    Timer1->SetEnabled(true);
}

void TForm1::StopBusy()
{
    AniIcon1->SetAnimated(false);
    Timer1->SetEnabled(false);
}

void TForm1::HideStatusLabels()
{
    for (TLabel* label : { Label1, Label3, Label5, Label6, Label7, Label8 })
        label->Hide();
}

void TForm1::ShowOnly(TLabel* shown)
{
    HideStatusLabels();
    shown->Show();
}
