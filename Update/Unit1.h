#pragma once
// TForm1, "Update Corvana": the updater's window. Start fetches the update
// description and shows it in the information window; Update then fetches
// the installer and starts it. Every download goes to a temporary name and
// takes its real name only once the request has succeeded.

#include "Update/HttpProt.h"
#include "platform/FormBuilder.h"
#include "platform/StdCtrls.h"

#include <string>

class TAniIcon;
class TTrackBar;
class TMemo;
class TTimer;
class TOfficeButton;
class TAppRunner;
class TStream;

class TForm1 : public TDesignedForm {
public:
    // Where the update lives.
    static constexpr const char* DescriptionUrl = "http://update.corvana.example/Corvana/update/update.txt";
    static constexpr const char* InstallerUrl = "http://update.corvana.example/Corvana/update/update.exe";
    static constexpr const char* InstallerName = "update.exe";
    // Appended to the document's name while it downloads.
    static constexpr const char* PartialSuffix = ".part";

    explicit TForm1(TComponent* owner);
    ~TForm1() override;

    TAniIcon* AniIcon1;
    TLabel* Label1;  // "Searching for updates. Please wait..."
    TLabel* Label3;  // "Click the Start button to search for updates"
    TLabel* Label5;  // "Receiving information..."
    TLabel* Label6;  // "Receiving failed..."
    TLabel* Label7;  // "Receiving file..."
    TLabel* Label8;  // "Done..."
    // Never shown: the busy bar's direction, "Orvelins" up, "Orvelin" down.
    TLabel* Label2;
    TTrackBar* TrackBar1;
    TButton* Button1;
    TButton* Button2;
    TButton* Button3;
    TEdit* Edit1;  // the description's URL
    TEdit* Edit5;  // the installer's URL
    TEdit* Edit2;  // proxy
    TEdit* Edit3;  // proxy port
    TEdit* Edit4;  // date for If-Modified-Since; empty = none
    TMemo* Memo1;  // diagnostic log, never shown
    TTimer* Timer1;
    TOfficeButton* OfficeButton1;
    TOfficeButton* OfficeButton2;
    TOfficeButton* OfficeButton4;
    THttpCli* HttpCli1;
    TAppRunner* AppRunner1;

    void Button1Click(TObject* sender);
    void Button2Click(TObject* sender);
    void Button3Click(TObject* sender);
    void Timer1Timer(TObject* sender);
    // The window's states: failed, received, done.
    void OfficeButton1Click(TObject* sender);
    void OfficeButton2Click(TObject* sender);
    void OfficeButton4Click(TObject* sender);
    void HttpCli1Command(TObject* sender, std::string& line);
    void HttpCli1DocBegin(TObject* sender);
    void HttpCli1DocEnd(TObject* sender);
    void HttpCli1RequestDone(TObject* sender, THttpRequest rqType, std::uint16_t error);

private:
    void BuildControls();
    void ShowOnly(TLabel*);
    void HideStatusLabels();
    void StartBusy();
    void StopBusy();
    void Log(const std::string& line);
    // Copies the request settings into the client for `url`.
    void PrepareRequest(const std::string& url);
    // Get; false (with the window in the failed state and the reason
    // logged) when it raised. A document that came whole is given its name.
    bool Fetch();
    // The start of a search or download from its button: the button turns
    // Stop, `status` shows, and the answer is fetched and logged; false
    // when it failed.
    bool RunRequest(TButton* button, TLabel* status, const std::string& url);
    // Stop on either button: the window goes back to its idle state.
    void StopRequest();
    void LogResponse();
    void DiscardPartial();

    // The download in progress and the name it is to get.
    std::string m_partialName;
    std::string m_documentName;
};

extern TForm1* Form1;
