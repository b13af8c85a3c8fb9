// update: fetches the update description, shows it, and on request
// downloads the installer and starts it.

#include "Update/Unit1.h"
#include "Update/Unit2.h"
#include "platform/Application.h"

int main(int argc, char** argv)
{
    return RunGuiProgram(argc, argv, "update", [] {
        Application->Initialize();
        Application->CreateForm(Form1);
        Application->CreateForm(Form2);
        Application->Run();
    });
}
