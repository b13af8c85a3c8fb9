#pragma once
// The updater's two windows, made fresh for each test, working in a
// temporary folder of their own; the information window is closed by a
// stand-in user who keeps the text it showed.

#include "tests/Update/HttpTestSupport.h"

#include "Update/Unit1.h"
#include "Update/Unit2.h"
#include "platform/Memo.h"
#include "platform/Strings.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <memory>

class UpdaterFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        char buf[4096];
        m_oldDir = ::getcwd(buf, sizeof buf) ? buf : "/";
        m_dir = std::make_unique<TempDir>("updater");
        ASSERT_EQ(::chdir(m_dir->Path().c_str()), 0);
        Form1 = new TForm1(Application);
        Form2 = new TForm2(Application);
        TForm::ModalResponder = [this](TForm* form) {
            if (form != Form2)
                return;
            ++InformationShown;
            ShownText = Form2->RichEdit1->Text();
            Form2->RichEdit1MouseDown(Form2->RichEdit1, mbLeft, 0, 5, 5);
        };
    }

    void TearDown() override
    {
        TForm::ModalResponder = nullptr;
        delete Form2;
        delete Form1;
        Form1 = nullptr;
        Form2 = nullptr;
        ASSERT_EQ(::chdir(m_oldDir.c_str()), 0);
    }

    std::string File(const std::string& name) const { return m_dir->File(name); }
    bool Exists(const std::string& name) const { return ::access(File(name).c_str(), F_OK) == 0; }
    bool Executable(const std::string& name) const
    {
        struct stat st {};
        return ::stat(File(name).c_str(), &st) == 0 && (st.st_mode & S_IXUSR);
    }
    std::vector<std::string> Entries() const
    {
        std::vector<std::string> out;
        for (const char* name : { "update.txt", "update.exe", "update.htm", "update.txt.part", "update.exe.part", "update.htm.part" })
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

    static std::vector<std::string> Log()
    {
        std::vector<std::string> out;
        TStrings& lines = Form1->Memo1->Lines();
        for (int i = 0; i < lines.Count(); ++i)
            out.push_back(lines.Strings(i));
        return out;
    }

    int InformationShown = 0;
    std::string ShownText;

private:
    std::string m_oldDir;
    std::unique_ptr<TempDir> m_dir;
};

// The update server's answer to a GET of `path`, by file name.
inline std::string UpdateResponse(const std::string& path, const std::string& description, const std::string& installer)
{
    if (path.find("update.txt") != std::string::npos)
        return "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(description.size()) + "\r\n\r\n"
            + description;
    if (path.find("update.exe") != std::string::npos)
        return "HTTP/1.0 200 OK\r\nContent-Type: application/octet-stream\r\nContent-Length: " + std::to_string(installer.size())
            + "\r\n\r\n" + installer;
    return "HTTP/1.0 404 Not Found\r\nContent-Type: text/html\r\n\r\n<html>missing</html>";
}

// The target of a request as the server received it.
inline std::string RequestPath(const std::string& request)
{
    std::size_t start = request.find(' ') + 1;
    return request.substr(start, request.find(' ', start) - start);
}

// An installer that leaves a marker in the folder it runs in.
inline const std::string kInstaller = "#!/bin/sh\necho installed > installer-ran\n";
inline const std::string kDescription = "Corvana 2.1 is out.\r\nClick Update to install it.\r\n";
