#pragma once
// The updater's two windows, made fresh for each test, working in a
// temporary folder of their own; the information window is closed by a
// stand-in user who keeps the text it showed.

#include "tests/Update/HttpTestSupport.h"

#include "Update/Unit1.h"
#include "Update/Unit2.h"
#include "platform/Application.h"
#include "platform/Memo.h"
#include "platform/Strings.h"
#include "tests/support/MouseInput.h"
#include "tests/support/TempDir.h"

#include <QAbstractScrollArea>

#include <sys/stat.h>

#include <filesystem>

// An installer that leaves a marker in the folder it runs in.
inline const std::string kInstaller = "#!/bin/sh\necho installed > installer-ran\n";
inline const std::string kDescription = "Corvana 2.1 is out.\r\nClick Update to install it.\r\n";

class UpdaterFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(::chdir(m_dir.Path().c_str()), 0);
        Form1 = new TForm1(Application);
        Form2 = new TForm2(Application);
        // Shown, so that its buttons take real clicks.
        Form1->Show();
        TForm::ModalResponder = [this](TForm* form) {
            if (form != Form2)
                return;
            ++InformationShown;
            ShownText = Form2->RichEdit1->Text();
            // A press on the text closes it, as the user does.
            SendMouse(static_cast<QAbstractScrollArea*>(Form2->RichEdit1->Widget())->viewport(), QEvent::MouseButtonPress, 5, 5);
        };
    }

    void TearDown() override
    {
        TForm::ModalResponder = nullptr;
        delete std::exchange(Form2, nullptr);
        delete std::exchange(Form1, nullptr);
        ASSERT_EQ(::chdir(m_oldDir.c_str()), 0);
    }

    std::string File(const std::string& name) const { return m_dir.File(name); }
    bool Exists(const std::string& name) const { return ::access(File(name).c_str(), F_OK) == 0; }
    bool Executable(const std::string& name) const
    {
        namespace fs = std::filesystem;
        return (fs::status(File(name)).permissions() & fs::perms::owner_exec) != fs::perms::none;
    }
    // Which of the files an update may leave are in the folder.
    std::vector<std::string> Entries() const
    {
        std::vector<std::string> out;
        for (const char* name :
            { "update.txt", "update.exe", "update.htm", "update.txt.part", "update.exe.part", "update.htm.part" })
            if (Exists(name))
                out.push_back(name);
        return out;
    }

    // The one status label that shows, or "" when none does.
    static std::string Status()
    {
        std::string shown;
        for (TLabel* label : { Form1->Label1, Form1->Label3, Form1->Label5, Form1->Label6, Form1->Label7, Form1->Label8 })
            if (label->Visible())
                shown += (shown.empty() ? "" : " | ") + label->Caption();
        return shown;
    }

    static std::vector<std::string> Log() { return SplitLines(Form1->Memo1->Lines().Text()); }

    // After a search: the description was shown once and Update offered.
    void ExpectDescriptionShown() const
    {
        EXPECT_EQ(std::tuple(InformationShown, ShownText), std::tuple(1, "Corvana 2.1 is out.\nClick Update to install it.\n"));
        EXPECT_EQ(std::tuple(Status(), Form1->Button1->Caption(), Form1->Button3->Visible()),
            std::tuple("Done...", "Start", true));
    }
    // After an update: the installer came whole and was started.
    void ExpectInstallerStarted() const
    {
        EXPECT_EQ(ReadFileBytes(File("update.exe")), kInstaller);
        EXPECT_TRUE(Executable("update.exe"));
        EXPECT_TRUE(RunUntil([&] { return Exists("installer-ran"); }));
        EXPECT_EQ(Entries(), (std::vector<std::string> { "update.txt", "update.exe" }));
    }
    // After a failed update, and a while: nothing ran and only the old
    // installer is in the folder.
    void ExpectNothingStarted() const
    {
        RunFor(200);
        EXPECT_FALSE(Exists("installer-ran"));
        EXPECT_EQ(Entries(), std::vector<std::string> { "update.exe" });
    }

    int InformationShown = 0;
    std::string ShownText;

private:
    std::string m_oldDir = std::filesystem::current_path();
    TempDir m_dir { "updater" };
};
