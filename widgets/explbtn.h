#pragma once
// TOfficeButton: a flat push button that draws itself: an image beside or
// above a caption, a bevel while the mouse is over it, an optional drop-down
// menu with a small triangle mark, radio-like groups, and a grey shaded copy
// of its image while the mouse is elsewhere.
//
// The windows of this system keep their office buttons hidden and call
// their click handlers directly; the drawing and mouse rules make the
// button whole wherever it is shown.

#include "widgets/GroupButton.h"

#include "platform/Graphics.h"

#include <memory>
#include <string>

class TPopupMenu;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TBevelStyle { bsLowered, bsRaised };
enum TExplorerButtonLayout { blBitmapTop, blBitmapBottom, blBitmapLeft, blBitmapRight };
enum TExplorerButtonOption : unsigned { boMonoDisplay = 1, boIconOnly = 2, boPopupMark = 4, boShowBevel = 8 };
using TExplorerButtonOptions = unsigned;
enum TExplorerButtonShadingType { stLight, stMedium, stDark };

class TOfficeButton : public TGroupButton {
public:
    explicit TOfficeButton(TComponent* owner);
    ~TOfficeButton() override;

    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment);
    // Copied to the other buttons of the group.
    void SetAllowAllUp(bool);
    TBevelStyle BevelStyle() const { return m_bevelStyle; }
    void SetBevelStyle(TBevelStyle);

    const TBitmap& Bitmap() const { return m_bitmap; }
    // Also makes the shaded image again (unless NoFocusBitmap is set).
    void SetBitmap(const TBitmap&);
    const TBitmap& NoFocusBitmap() const { return m_noFocusBitmap; }
    void SetNoFocusBitmap(const TBitmap&);
    const TBitmap& DisabledBitmap() const { return m_disabledBitmap; }
    void SetDisabledBitmap(const TBitmap&);
    // The grey copy of Bitmap shown while the mouse is elsewhere.
    const TBitmap& ShadedBitmap() const { return m_shadedBitmap; }

    // "&" marks the accelerator; with boIconOnly the caption is the hint.
    void SetCaption(const std::string&) override;

    // Buttons with the same non-zero index under one parent form a group.
    void SetGroupIndex(int);
    // Stays pressed; ignored while GroupIndex is 0. Setting it releases the
    // other buttons of the group.
    void SetDown(bool);

    // Dropped under the button on mouse down. Not owned.
    TPopupMenu* DropDownMenu() const { return m_dropDownMenu; }
    void SetDropDownMenu(TPopupMenu*);

    void SetEnabled(bool) override;

    TExplorerButtonLayout Layout() const { return m_layout; }
    void SetLayout(TExplorerButtonLayout);
    TExplorerButtonOptions Options() const { return m_options; }
    void SetOptions(TExplorerButtonOptions);
    TExplorerButtonShadingType ShadingType() const { return m_shadingType; }
    void SetShadingType(TExplorerButtonShadingType);
    bool ShowDownPattern() const { return m_showDownPattern; }
    void SetShowDownPattern(bool);
    TColor UnselectedFontColor() const { return m_unselectedFontColor; }
    void SetUnselectedFontColor(TColor);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool);

    // The caption's font while hot; call Repaint after changing it.
    TFont Font;
    bool ShowHint = false;
    int HelpContext = 0;

    // The mouse entered / left the button.
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

    // A dialog character: when it is the caption's accelerator (and the button
    // is enabled and visible), the button is clicked; true when handled.
    bool DialogChar(char key);

    // Draws the button as it looks now onto a canvas of its size.
    void PaintTo(TCanvas&);

    bool Hot() const { return m_hot; }
    bool Pressed() const { return m_pressed; }

protected:
    bool WidgetEvent(QEvent*) override;
    void Paint() override;

    void MouseEnter() override;
    void MouseLeave() override;
    void MouseDown(TMouseButton, TShiftState, int x, int y) override;
    void MouseUp(TMouseButton, TShiftState, int x, int y) override;
    void MouseMove(TShiftState, int x, int y) override;

private:
    // Painting in three steps: what the button shows now, where each part
    // goes, then the drawing.
    struct Look;
    struct Placement;
    Look lookNow() const;
    Placement place(TCanvas&, const Look&) const;
    void draw(TCanvas&, const Look&, const Placement&) const;

    // The button's own press and release, by mouse or accelerator.
    void buttonDown(TMouseButton);
    void buttonUp(TMouseButton, int x, int y);

    void LookChanged() override { Repaint(); }
    void GroupReleased() override { Repaint(); }
    void makeShaded();
    void updateHint();
    bool cursorInside() const;

    TAlignment m_alignment = taCenter;
    TBevelStyle m_bevelStyle = bsRaised;
    TBitmap m_bitmap;
    TBitmap m_noFocusBitmap;
    TBitmap m_disabledBitmap;
    TBitmap m_shadedBitmap;
    TPopupMenu* m_dropDownMenu = nullptr;
    TExplorerButtonLayout m_layout = blBitmapTop;
    TExplorerButtonOptions m_options = boMonoDisplay | boPopupMark | boShowBevel;
    TExplorerButtonShadingType m_shadingType = stMedium;
    bool m_showDownPattern = true;
    TColor m_unselectedFontColor = clWindowText;
    bool m_wordWrap = false;
    bool m_hot = false;
    bool m_pressed = false;
    bool m_hintFromCaption = false;
};

// The shaded image: the top-left colour stays (it marks transparency); every
// other pixel becomes white, button highlight, button shadow or black by the
// sum of its red, green and blue against the shading's three thresholds.
TBitmap MakeShadedBitmap(const TBitmap& source, TExplorerButtonShadingType);
