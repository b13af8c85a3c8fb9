#pragma once
// What the flat buttons (tool, speed and office buttons) share: Down,
// GroupIndex and AllowAllUp, the walk over a group, and the checker pattern
// a held button is filled with.
//
// Buttons of one family under one parent with the same non-zero GroupIndex
// form a group: a button that goes down puts the others of its group up,
// and AllowAllUp set on one is copied to the others.

#include "platform/CustomControl.h"
#include "platform/Graphics.h"

// Only buttons of the same family form groups with each other.
enum class TButtonFamily { Tool, Speed, Office };

class TGroupButton : public TGraphicControl {
public:
    bool Down() const { return m_down; }
    int GroupIndex() const { return m_groupIndex; }
    bool AllowAllUp() const { return m_allowAllUp; }

protected:
    TGroupButton(TComponent* owner, TButtonFamily);
    ~TGroupButton() override;

    // Sets Down by the latch rule: a button without a group never stays
    // down, a down one stays down unless AllowAllUp. True when it changed.
    bool Latch(bool on);
    // The other buttons of the group that are down go up.
    void ReleaseOthers();
    // The others take this button's AllowAllUp.
    void ShareAllowAllUp();
    // Both: the group follows this button.
    void TellGroup();
    // Another button of the group has put this one up (Down is false now).
    virtual void GroupReleased() = 0;
    // A property that only changes the look: set, then LookChanged.
    template<class T, class V>
    void SetLook(T& field, V value)
    {
        field = value;
        LookChanged();
    }
    // Asks for painting; a button that shows its look at once repaints.
    virtual void LookChanged() { Invalidate(); }

    bool m_down = false;
    int m_groupIndex = 0;
    bool m_allowAllUp = false;

private:
    template<class F> void forEachInGroup(F);
    TButtonFamily m_family;
};

// The 8 x 8 pattern of a held button: clBtnHighlight where x and y are both
// even or both odd, clBtnFace elsewhere; made on first need, it follows the
// system colours and lives while any flat button does.
const TBitmap& CheckerPattern();
