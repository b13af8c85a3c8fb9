// ftp: the FTP upload tool. One window; the command line is ignored.

#include "Ftp/Unit1.h"
#include "platform/Application.h"

int main(int argc, char** argv)
{
    return RunGuiProgram(argc, argv, "ftp", [] {
        Application->Initialize();
        Application->Title = "FTP Access";
        Application->CreateForm(Form1);
        Application->Run();
    });
}
