#pragma once
// TMarsCaption: takes over the title bar of the form that owns it. The form
// draws its own frame (TForm::SetOwnFrame); the caption bar paints the
// title bar (a gradient, the icon, an application name and the caption),
// draws its own close, maximise, minimise and help buttons, and gives the
// title bar its mouse: the window menu on the icon and on a right click,
// closing by a double click on the icon, maximising and restoring by a
// double click on the caption, and dragging a minimised window. Moving and
// sizing the window are handed to the desktop where it takes them; where it
// refuses, the caption bar follows the mouse itself.

#include "platform/Component.h"
#include "platform/Graphics.h"
#include "widgets/marsCapDrag.h"
#include "widgets/marsCapLayout.h"
#include "widgets/marsCapMouse.h"

#include <QRect>

#include <memory>

class QEvent;
class QMouseEvent;
class TForm;
class TMarsCaption;
class TPopupMenu;

// A system button of the title bar: drawn by the caption bar, it takes the
// client mouse messages the caption bar forwards (points relative to it)
// and sends its system command to the form.
class TMarsCaptionSystemButton {
public:
    TMarsCaptionSystemButton(TMarsCaption&, TCaptionButtonKind);

    TCaptionButtonKind Kind() const { return m_kind; }
    bool Pushed() const { return m_track.Pushed; }
    bool Tracking() const { return m_track.Tracking; }
    // WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP.
    void MouseMessage(UINT msg, TPoint client);
    void PerformCommand();

private:
    TMarsCaption& m_caption;
    TCaptionButtonKind m_kind;
    TCaptionButtonTrack m_track;
};

class TMarsCaption : public TComponent {
public:
    // The owner must be a form.
    explicit TMarsCaption(TComponent* owner);
    ~TMarsCaption() override;

    TColor ActiveBeginColor() const { return m_colors[0]; }
    TColor ActiveEndColor() const { return m_colors[1]; }
    TColor InactiveBeginColor() const { return m_colors[2]; }
    TColor InactiveEndColor() const { return m_colors[3]; }
    TColor ActiveFontColor() const { return m_colors[4]; }
    TColor InactiveFontColor() const { return m_colors[5]; }
    void SetActiveBeginColor(TColor c) { setColor(0, c); }
    void SetActiveEndColor(TColor c) { setColor(1, c); }
    void SetInactiveBeginColor(TColor c) { setColor(2, c); }
    void SetInactiveEndColor(TColor c) { setColor(3, c); }
    void SetActiveFontColor(TColor c) { setColor(4, c); }
    void SetInactiveFontColor(TColor c) { setColor(5, c); }
    const std::string& ApplicationName() const { return m_applicationName; }
    void SetApplicationName(const std::string&);
    const TFont& ApplicationNameFont() const { return m_applicationNameFont; }
    const TFont& CaptionFont() const { return m_captionFont; }
    void SetApplicationNameFont(const TFont&);
    void SetCaptionFont(const TFont&);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool);
    int NumColors() const { return m_numColors; }
    void SetNumColors(int);

    TForm* Form() const { return m_form; }
    // The window's state as the desktop has it.
    TWindowState WindowState() const;
    // The form's window is the active one.
    bool IsActive() const;
    // Lays the title bar out for the window as it is now.
    const TCaptionLayout& Layout();
    // The title bar, active or inactive, into a canvas in window
    // coordinates (at least caption right x caption bottom).
    void PaintCaption(TCanvas&, bool active);
    // Where a window point lies: HTCLIENT, HTCAPTION or a frame edge.
    int HitTest(TPoint window);
    // A title-bar mouse message (WM_NCLBUTTONDOWN ...) at a window point.
    void NonClientMouse(UINT msg, int hitTest, TPoint window);
    // The window menu's commands, and those of the system buttons.
    void SystemCommand(UINT command);
    // The window menu, prepared for the window's state.
    TPopupMenu* SystemMenu();

    TMarsCaptionSystemButton& Button(TCaptionButtonKind kind) { return *m_buttons[kind]; }
    TCaptionMouse& Mouse() { return m_mouse; }

private:
    void setColor(int index, TColor);
    void refreshFrame();
    bool nonClientEvent(QEvent*);
    void paintNonClient();
    // Runs the window menu; true when a double click came while it was
    // open. A press in `icon` (screen) that closes it gives the caption
    // its release.
    bool openSystemMenu(TPoint screen, const QRect& icon = {});
    void openMinimizedMenu();
    TCaptionState captionState();
    // The window following the mouse: a move or size of its own, a press
    // waiting to become a move, a minimised window's drag.
    void beginDrag(TCaptionDragKind, Qt::Edges, bool byMenu, TPoint screen);
    void beginSize(Qt::Edges, bool byMenu, TPoint screen);
    bool followDrag(QMouseEvent*);
    void endDrag();

    TForm* m_form = nullptr;
    TBorderIcons m_formIcons = biSystemMenu | biMinimize | biMaximize;
    TColor m_colors[6] = { clNavy, clBlue, clGray, clSilver, clWhite, clSilver };
    std::string m_applicationName;
    TFont m_applicationNameFont;
    TFont m_captionFont;
    bool m_autoSize = false;
    int m_numColors = 64;
    // Owned for the caption bar's whole life, freed once with it.
    std::unique_ptr<TMarsCaptionSystemButton> m_buttons[kCaptionButtonCount];
    TCaptionLayout m_layout;
    TCaptionMouse m_mouse;
    TPopupMenu* m_systemMenu = nullptr;
    int m_trackingButton = -1;
    TCaptionDrag m_drag;
    class TMenuClickWatch;
    std::unique_ptr<TMenuClickWatch> m_menuClicks;
};

// The platform's caption-button face: a raised (or pushed) button with the
// close, minimise, maximise, restore or help glyph, grey when inactive.
enum class TCaptionGlyph { Close, Minimize, Maximize, Restore, Help };
void DrawCaptionButton(TCanvas&, const TRect&, TCaptionGlyph, bool pushed, bool inactive);
