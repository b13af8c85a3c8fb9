#include "editor/PendingForms.h"

#include "platform/StdCtrls.h"

#include <string>


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
    : TDesignedForm(owner, "", PendingFormCaption(number), 0, 320, 120)
{
    Name = "Form" + std::to_string(number);
    auto* close = NewButton(this, "Button1", "Close", 122, 80, [this](TObject*) {
        if (!Modal())
            Close();
    });
    close->Cancel = true;
    close->Default = true;
    close->ModalResult = mrCancel;
}
