#pragma once
// TForm14, step 2 of the frame wizard: name, address, scrolling and resizing
// of each of eight frames, of which the count chosen in step 1 are used.
// Its OK writes the frame set at the page's caret; however it closes, both
// steps return to their opening state.

#include "dialogs/ElementDialog.h"
#include "generators/FrameSet.h"

#include <array>

class TForm14 : public TElementDialog {
public:
    TForm14(TComponent* owner, TPage& page);

    // The controls of one frame: group n holds "Edit<2n-1>" (name),
    // "Edit<2n>" (address), "ComboBox<n>" and "CheckBox<n>".
    struct TFrameControls {
        TGroupBox* GroupBox;
        TEdit* Name;
        TEdit* Address;
        TComboBox* Scrolling;
        TCheckBox* NoResize;
    };
    std::array<TFrameControls, kMaxFrames> Frames;
    TButton* Button1;  // OK
    TButton* Button2;  // Cancel

    void Button1Click(TObject* sender);
    void Button2Click(TObject* sender);
    void FormCloseQuery(TObject* sender, bool& canClose);

private:
    std::vector<TFrameGroup> Groups() const;
};

extern TForm14* Form14;
