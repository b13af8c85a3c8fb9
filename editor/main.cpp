// corvana: the HTML site editor. Creates every window in order, then runs
// the message loop until Exit or the main window closes.

#include "dialogs/Unit3.h"
#include "dialogs/Unit5.h"
#include "dialogs/Unit9.h"
#include "dialogs/Unit17.h"
#include "dialogs/Unit18.h"
#include "dialogs/Unit22.h"
#include "dialogs/Unit24.h"
#include "generators/Unit10.h"
#include "generators/Unit13.h"
#include "generators/Unit14.h"
#include "dialogs/Unit6.h"
#include "dialogs/Unit7.h"
#include "dialogs/Unit8.h"
#include "dialogs/Unit11.h"
#include "dialogs/Unit12.h"
#include "dialogs/Unit19.h"
#include "dialogs/Unit20.h"
#include "dialogs/Unit21.h"
#include "dialogs/Unit23.h"
#include "dialogs/Unit25.h"
#include "dialogs/Unit26.h"
#include "dialogs/Unit28.h"
#include "editor/Unit27.h"
#include "editor/Unit4.h"
#include "editor/Unit1.h"
#include "generators/Unit2.h"
#include "platform/Application.h"

int main(int argc, char** argv)
{
    return RunGuiProgram(argc, argv, "corvana", [] {
        Application->Initialize();
        Application->Title = "Corvana";
        Application->HelpFile = "Help.hlp";
        Application->CreateForm(Form1);
        Application->CreateForm(Form2);
        Application->CreateForm(Form3);
        Application->CreateForm(Form4);
        Application->CreateForm(Form5, Form1->Page());
        Application->CreateForm(Form6, Form1->Page());
        Application->CreateForm(Form7, Form1->Page());
        Application->CreateForm(Form8, Form1->Page());
        Application->CreateForm(Form9, Form1->Page());
        Application->CreateForm(Form10, Form1->Page());
        Application->CreateForm(Form11, Form1->Page());
        Application->CreateForm(Form12, Form1->Page());
        Application->CreateForm(Form13, Form1->Page());
        Application->CreateForm(Form14, Form1->Page());
        Application->CreateForm(Form17, Form1->Page());
        Application->CreateForm(Form18, Form1->Page());
        Application->CreateForm(Form19, Form1->Page());
        Application->CreateForm(Form20, Form1->Page());
        Application->CreateForm(Form21, Form1->Page());
        Application->CreateForm(Form22, Form1->Page());
        Application->CreateForm(Form23, Form1->Page());
        Application->CreateForm(Form24, Form1->Page());
        Application->CreateForm(Form25, Form1->Page());
        Application->CreateForm(Form26, Form1->Page());
        Application->CreateForm(Form27);
        Application->CreateForm(Form28, Form1->Page());
        Application->Run();
    });
}
