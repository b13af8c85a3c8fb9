#pragma once
// Flat tool buttons and their separators.
//
// TToolbarButton97 shows no frame until the mouse is over it: a raised edge
// while hot, a sunken one while pressed or held down. Its picture comes from
// a glyph bitmap of up to five cells (up, disabled, pressed, held, hot); each
// state's image is built once into a glyph list shared by all buttons of the
// same image size. One button of the process is tracked at a time: it has
// the mouse until the mouse leaves it, another button takes it, the shared
// 125 ms timer finds the cursor elsewhere, or the application is
// deactivated; then it fires OnMouseExit.

#include "widgets/GroupButton.h"

#include "platform/Buttons.h"
#include "platform/Graphics.h"

#include <functional>
#include <memory>
#include <vector>

class TPopupMenu;
class TTimer;

enum TButtonDisplayMode { dmBoth, dmGlyphOnly, dmTextOnly };
// The state number is also the glyph cell and image slot of the state.
enum TToolButtonState { tsUp = 0, tsDisabled = 1, tsPressed = 2, tsHeld = 3, tsHot = 4 };

// An image list whose slots are handed out and taken back: images of one
// size, each with its mask (true = transparent).
class TGlyphList {
public:
    TGlyphList(int width, int height);
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int Count() const { return m_count; }
    int ImageCount() const { return int(m_images.size()); }

    int TakeSlot();
    int AddImage(const TBitmap& image, const std::vector<bool>& mask);
    // Pixels of `transparent` become the mask; raises EInvalidOperation
    // "Invalid image size" when the image is smaller than the list.
    int AddImageMasked(const TBitmap& image, TColor transparent);
    void FreeSlot(int index);
    // Draws the image's unmasked pixels at (x, y).
    void Draw(TCanvas&, int index, int x, int y) const;

private:
    struct Image {
        TBitmap picture;
        std::vector<bool> mask;
    };
    int m_width, m_height;
    std::vector<Image> m_images;
    std::vector<bool> m_used;
    int m_count = 0;
};

// The process's glyph lists, one per image size.
class TGlyphCache {
public:
    TGlyphList* ListForSize(int width, int height);
    void ReleaseList(TGlyphList*);
    bool Empty() const { return m_lists.empty(); }
    int ListCount() const { return int(m_lists.size()); }

private:
    std::vector<std::unique_ptr<TGlyphList>> m_lists;
};
TGlyphCache* GlyphCache();  // nullptr until a glyph needs it

struct TContentPlace {
    TPoint glyph;
    TRect text;
    TPoint arrow;
};

// A button's picture and its state images.
class TButtonGlyph {
public:
    TButtonGlyph();
    ~TButtonGlyph();

    const TBitmap& Glyph() const { return m_picture; }
    void SetGlyph(const TBitmap&);
    int NumGlyphs() const { return m_numGlyphs; }
    void SetNumGlyphs(int);
    bool OldDisabledStyle() const { return m_oldDisabledStyle; }
    void SetOldDisabledStyle(bool);
    TColor TransparentColor() const { return m_transparentColor; }

    // The state's image in the glyph list, built on first need; -1 when
    // there is no picture.
    int StateImage(TToolButtonState);
    void Invalidate();  // drops every built image
    TGlyphList* List() const { return m_list; }

    struct Content {
        TRect client;
        TPoint offset;
        std::string caption;
        bool wordWrap = false;
        TButtonLayout layout = blGlyphLeft;
        int margin = -1;
        int spacing = 4;
        bool showGlyph = true;
        bool showText = true;
        bool dropArrow = false;
    };
    TContentPlace PlaceContent(TCanvas&, const Content&) const;
    void DrawContent(TCanvas&, const Content&, TToolButtonState);

    std::function<void()> OnChange;

private:
    void changed();

    TBitmap m_picture;
    TGlyphList* m_list = nullptr;
    int m_indexes[5] = { -1, -1, -1, -1, -1 };
    TColor m_transparentColor = clOlive;
    int m_numGlyphs = 1;
    bool m_oldDisabledStyle = false;
};

class TToolbarButton97 : public TGroupButton {
public:
    explicit TToolbarButton97(TComponent* owner);
    ~TToolbarButton97() override;

    // --- Properties --------------------------------------------------------
    void SetAllowAllUp(bool);
    void SetGroupIndex(int);
    TButtonDisplayMode DisplayMode() const { return m_displayMode; }
    void SetDisplayMode(TButtonDisplayMode);
    void SetDown(bool);
    bool DropdownArrow() const { return m_dropdownArrow; }
    void SetDropdownArrow(bool);
    bool DropdownCombo() const { return m_dropdownCombo; }
    void SetDropdownCombo(bool);
    // Forgotten once the menu is freed.
    TPopupMenu* DropdownMenu() const { return m_dropdownMenuAlive ? m_dropdownMenu : nullptr; }
    void SetDropdownMenu(TPopupMenu*);
    bool Flat() const { return m_flat; }
    void SetFlat(bool);
    const TBitmap& Glyph() const { return m_glyph.Glyph(); }
    void SetGlyph(const TBitmap&);
    TButtonLayout Layout() const { return m_layout; }
    void SetLayout(TButtonLayout);
    int Margin() const { return m_margin; }
    void SetMargin(int);
    int NumGlyphs() const { return m_glyph.NumGlyphs(); }
    void SetNumGlyphs(int);
    bool OldDisabledStyle() const { return m_glyph.OldDisabledStyle(); }
    void SetOldDisabledStyle(bool);
    bool Opaque() const { return m_opaque; }
    void SetOpaque(bool);
    int Spacing() const { return m_spacing; }
    void SetSpacing(int);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool);
    TColor Color = clBtnFace;
    TFont Font;  // ParentFont: the class library's default font
    bool ShowHint() const { return m_showHint; }
    // Off: the hint is not shown as a tool tip.
    void SetShowHint(bool);

    void SetCaption(const std::string&) override;
    void SetEnabled(bool) override;
    void Click() override;

    // --- Events ------------------------------------------------------------
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseExit;

    // --- State, for the ones who draw or test it ---------------------------
    TToolButtonState State() const { return m_state; }
    bool MouseIn() const { return m_mouseIn; }
    TButtonGlyph& GlyphObject() { return m_glyph; }
    // The button the shared timer watches, and the timer.
    static TToolbarButton97* TrackedButton();
    static TTimer* HoverTimer();
    // Whether the application counts as active for taking the mouse; tests
    // and platforms without window activation replace it.
    static void SetApplicationActiveSource(std::function<bool()>);
    // Draws the button in its state onto a canvas, as Paint does.
    void PaintTo(TCanvas&);

protected:
    void Paint() override;
    void MouseDown(TMouseButton, TShiftState, int X, int Y) override;
    void MouseMove(TShiftState, int X, int Y) override;
    void MouseUp(TMouseButton, TShiftState, int X, int Y) override;
    void WndProc(TMessage&) override;
    // OnDblClick fires only for a button that is down.
    void DblClick() override;

private:
    friend struct TB97Unit;
    void enterHover();
    void leaveHover();
    void syncHover();
    void repaintButton(bool erase);
    void GroupReleased() override;
    void hoverTimerTick();
    bool inside(int x, int y) const;
    void dropMenu();

    TButtonGlyph m_glyph;
    bool m_inClick = false;
    bool m_mouseIn = false;
    bool m_pressing = false;
    bool m_menuPressed = false;
    TToolButtonState m_state = tsUp;
    TToolButtonState shownState() const;

    TButtonDisplayMode m_displayMode = dmBoth;
    bool m_dropdownArrow = true;
    bool m_dropdownCombo = false;
    TPopupMenu* m_dropdownMenu = nullptr;
    TAliveGuard m_dropdownMenuAlive;
    bool m_flat = true;
    TButtonLayout m_layout = blGlyphLeft;
    int m_margin = -1;
    bool m_opaque = true;
    int m_spacing = 4;
    bool m_wordWrap = false;
    bool m_showHint = true;
};

// DrawEdge of the platform: BDR_* / EDGE_* styles and BF_* flags.
enum : unsigned {
    BDR_RAISEDOUTER = 1, BDR_SUNKENOUTER = 2, BDR_RAISEDINNER = 4, BDR_SUNKENINNER = 8,
    EDGE_RAISED = 5, EDGE_SUNKEN = 10,
    BF_LEFT = 1, BF_TOP = 2, BF_RIGHT = 4, BF_BOTTOM = 8, BF_RECT = 15, BF_MIDDLE = 0x800, BF_SOFT = 0x1000,
};
void DrawEdge(TCanvas&, TRect, unsigned edge, unsigned flags);

// The gap between groups of controls on a toolbar: an etched pair of lines
// across the line of controls, or only space when Blank. A TToolbar97 gives
// it SizeHorz along a row and SizeVert down a column, and breaks a floating
// toolbar's lines after it. A press on it is the toolbar's: it drags the bar.
class TToolbarSep97 : public TGraphicControl {
public:
    explicit TToolbarSep97(TComponent* owner);

    bool Blank() const { return m_blank; }
    void SetBlank(bool);
    // 1 and up; smaller sizes are ignored.
    int SizeHorz() const { return m_sizeHorz; }
    void SetSizeHorz(int);
    int SizeVert() const { return m_sizeVert; }
    void SetSizeVert(int);
    // Only a TToolbar97 takes a separator.
    void SetParent(TWinControl*) override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton, TShiftState, int X, int Y) override;
    void MouseMove(TShiftState, int X, int Y) override;
    void MouseUp(TMouseButton, TShiftState, int X, int Y) override;

private:
    void layoutToolbar();
    // Hands a mouse message on to the toolbar, in its coordinates.
    bool forward(UINT msg, TShiftState, int x, int y);

    bool m_blank = false;
    int m_sizeHorz = 6;
    int m_sizeVert = 6;
    bool m_forwarding = false;  // a press went to the toolbar
};
