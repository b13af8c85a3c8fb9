#pragma once
// The caption bar's arithmetic, free of windows: where the title bar, the
// icon, the text and the system buttons lie for a border style, the
// gradient's bands, the buttons' hot rectangles and commands, and which
// items of the window menu are grey.

#include "platform/Form.h"
#include "platform/NonClient.h"
#include "platform/Types.h"

#include <vector>

enum TBorderIconBit : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = unsigned;

// The system metrics a title bar is laid out with. The frame and caption
// match the platform's window arithmetic (TForm::kFrame, TForm::kCaption).
struct TCaptionMetrics {
    int CxFrame = TForm::kFrame;
    int CyFrame = TForm::kFrame;
    int CxDlgFrame = 3;
    int CyDlgFrame = 3;
    int CyCaption = TForm::kCaption;
    int CySmCaption = 17;
    int CxSize = 22;
    int CySize = 22;
    int CxSmSize = 14;
};
const TCaptionMetrics& StandardCaptionMetrics();

enum TCaptionButtonKind { cbClose, cbMinimize, cbMaximize, cbHelp };
constexpr int kCaptionButtonCount = 4;

struct TCaptionButtonPlace {
    bool Visible = false;
    bool Enabled = true;
    int X = 0, Y = 0, Width = 0, Height = 0;
};

// What the layout reads of the window.
struct TCaptionWindow {
    TFormBorderStyle BorderStyle = bsSizeable;
    TBorderIcons FormIcons = biSystemMenu | biMinimize | biMaximize;  // as recorded at creation
    TWindowState State = wsNormal;
    int Width = 0;   // outer width
};

struct TCaptionLayout {
    int FrameX = 0, FrameY = 0;
    int CaptionHeight = 0;  // the title bar's height less 1
    TRect Caption, Icon, ButtonArea, Text;  // window coordinates
    TBorderIcons Icons = 0;                 // what the title bar offers
    TCaptionButtonPlace Buttons[kCaptionButtonCount];
};

// Lays the title bar out; buttons a tool window does not place keep their
// state.
void LayoutCaption(TCaptionLayout&, const TCaptionWindow&, const TCaptionMetrics& = StandardCaptionMetrics());

// Where a press still counts for the button: 2 pixels above and below, the
// close button 2 more to the right.
TRect HotRect(const TCaptionLayout&, TCaptionButtonKind);
// The visible button whose hot rectangle holds the point, tested close,
// maximise, minimise, help; -1 for none.
int CaptionButtonAt(const TCaptionLayout&, TPoint);
// The system command a button sends.
UINT CaptionButtonCommand(TCaptionButtonKind, TWindowState);

// One band of the gradient: [X0, X1) across the caption.
struct TGradientBand {
    int X0 = 0, X1 = 0;
    TColor Color = 0;
};
// NumColors bands from the begin to the end colour (RGB colours); none for
// NumColors 0 or below. Bands no wider than nothing are left out, so the
// work is bounded by the caption's width.
std::vector<TGradientBand> GradientBands(const TRect& caption, TColor begin, TColor end, int numColors);

// The window menu's states.
struct TSystemMenuState {
    bool Restore = true, Move = true, Size = true, Minimize = true, Maximize = true;
    UINT Default = SC_CLOSE;
};
TSystemMenuState SystemMenuState(TWindowState, bool mdiChild, TBorderIcons icons, bool maximizeEnabled, bool minimizeEnabled);
