#include "editor/PendingForms.h"

#include "platform/StdCtrls.h"

#include <string>

TForm6* Form6 = nullptr;
TForm7* Form7 = nullptr;
TForm8* Form8 = nullptr;
TForm11* Form11 = nullptr;
TForm12* Form12 = nullptr;
TForm19* Form19 = nullptr;
TForm20* Form20 = nullptr;
TForm21* Form21 = nullptr;
TForm23* Form23 = nullptr;
TForm25* Form25 = nullptr;
TForm26* Form26 = nullptr;
TForm28* Form28 = nullptr;

namespace {

struct PendingCaption {
    int number;
    const char* caption;
};

const PendingCaption kCaptions[] = {
    { 3, "Select Insert Style" }, { 4, "About Corvana" }, { 6, "Horizontal Rule" },
    { 7, "Create Link" }, { 8, "E-Mail" }, { 9, "Page Transfer" }, { 10, "Page Generator" },
    { 11, "Music/Sound Effects" }, { 12, "Marquee" }, { 13, "Frame Wizard" }, { 14, "Frame Wizard" },
    { 17, "Insert Tags" }, { 18, "Scrolling Text" }, { 19, "Font" }, { 20, "Form Action" },
    { 21, "Form Field" }, { 22, "Map Name" }, { 23, "Meta" }, { 24, "Script" }, { 25, "JAVA Applet" },
    { 26, "Parameter" }, { 27, "Tip of the Day" }, { 28, "Embeded Item" },
};

}

const char* PendingFormCaption(int number)
{
    for (const auto& c : kCaptions)
        if (c.number == number)
            return c.caption;
    return "";
}

TPendingForm::TPendingForm(TComponent* owner, int number)
    : TForm(owner)
{
    Name = "Form" + std::to_string(number);
    SetCaption(PendingFormCaption(number));
    BorderStyle = bsDialog;
    Position = poScreenCenter;
    SetClientSize(320, 120);
    auto* close = NewControl<TButton>(this, this, "Button1");
    close->SetCaption("Close");
    close->SetBounds(122, 80, 75, 25);
    close->Cancel = true;
    close->Default = true;
    close->ModalResult = mrCancel;
    close->OnClick = [this](TObject*) {
        if (!Modal())
            Close();
    };
}
