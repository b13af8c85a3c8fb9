#include "generators/Unit14.h"

#include "dialogs/PageWriter.h"
#include "page/ScratchBlock.h"
#include "page/Page.h"
#include "generators/Unit13.h"

TForm14* Form14 = nullptr;

namespace {

constexpr int kGroupWidth = 290;
constexpr int kGroupHeight = 96;

std::string number(int n) { return std::to_string(n); }

}

TForm14::TForm14(TComponent* owner, TPage& page)
    : TElementDialog(owner, page, "Form14", "Frame Wizard", 45, 604, 4 * (kGroupHeight + 8) + 41)
{
    for (int n = 1; n <= kMaxFrames; ++n) {
        // Two frames to a row, in reading order.
        int left = 8 + (n - 1) % 2 * (kGroupWidth + 8), top = 8 + (n - 1) / 2 * (kGroupHeight + 8);
        TFrameControls& f = Frames[std::size_t(n - 1)];
        std::string caption = "Frame " + number(n);
        f.GroupBox = NewGroupBox(this, ("GroupBox" + number(n)).c_str(), caption.c_str(), left, top, kGroupWidth, kGroupHeight);
        NewLabel(f.GroupBox, ("LabelName" + number(n)).c_str(), "Name", 8, 22);
        f.Name = NewEdit(f.GroupBox, ("Edit" + number(2 * n - 1)).c_str(), 8, 38, 133);
        NewLabel(f.GroupBox, ("LabelURL" + number(n)).c_str(), "URL", 149, 22);
        f.Address = NewEdit(f.GroupBox, ("Edit" + number(2 * n)).c_str(), 149, 38, 133);
        NewLabel(f.GroupBox, ("LabelScrolling" + number(n)).c_str(), "Scrolling", 8, 70);
        f.Scrolling = NewComboBox(f.GroupBox, ("ComboBox" + number(n)).c_str(), 64, 66, 77, { "Auto", "Yes", "No" });
        f.NoResize = NewCheckBox(f.GroupBox, ("CheckBox" + number(n)).c_str(), "No Resize", 149, 68, 121);
    }
    int buttonsTop = 8 + 4 * (kGroupHeight + 8);
    Button1 = NewButton(this, "Button1", "OK", 8 + 2 * kGroupWidth + 8 - 160, buttonsTop, Method(this, &TForm14::Button1Click));
    Button1->Default = true;
    Button2 = NewButton(this, "Button2", "Cancel", 8 + 2 * kGroupWidth + 8 - 80, buttonsTop, Method(this, &TForm14::Button2Click));
    bool canClose = true;
    FormCloseQuery(this, canClose);

    OnCloseQuery = Method(this, &TForm14::FormCloseQuery);
}

void TForm14::Button1Click(TObject*)
{
    // A count other than "2" to "8" (typed past the arrows) has no frame
    // set: nothing is written, and the wizard still ends and resets.
    TScratchBlock block(Page());
    auto lines = FrameSetLines(Page().UpperCase(), Form13->RadioButton1->Checked(), Page().Quote(),
        FrameCount(Form13->Edit1->Text()), Groups());
    if (!lines.empty()) {
        block.AddLines(lines);
        block.Insert();
    }
    Close();
}

void TForm14::Button2Click(TObject*) { Close(); }

void TForm14::FormCloseQuery(TObject*, bool&)
{
    if (Form13)
        Form13->Reset();
    for (int n = 1; n <= kMaxFrames; ++n) {
        TFrameControls& f = Frames[std::size_t(n - 1)];
        f.Name->SetText("Frame " + number(n));
        f.Address->SetText("http://");
        f.Scrolling->SetText("Auto");
        f.NoResize->SetChecked(false);
    }
}

std::vector<TFrameGroup> TForm14::Groups() const
{
    std::vector<TFrameGroup> groups;
    for (const TFrameControls& f : Frames)
        groups.push_back({ f.Name->Text(), f.Address->Text(), f.Scrolling->Text(), f.NoResize->Checked() });
    return groups;
}
