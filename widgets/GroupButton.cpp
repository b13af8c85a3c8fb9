#include "widgets/GroupButton.h"

#include <memory>

namespace {

int g_buttons = 0;
std::unique_ptr<TBitmap> g_pattern;
TColor g_face = 0, g_highlight = 0;

}  // namespace

const TBitmap& CheckerPattern()
{
    const TColor face = ColorToRGB(clBtnFace), highlight = ColorToRGB(clBtnHighlight);
    if (!g_pattern || face != g_face || highlight != g_highlight) {
        // Drawn again in place: a brush may still point at it.
        if (!g_pattern)
            g_pattern = std::make_unique<TBitmap>(8, 8);
        g_face = face;
        g_highlight = highlight;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                g_pattern->Canvas().SetPixel(x, y, (x % 2) == (y % 2) ? clBtnHighlight : clBtnFace);
    }
    return *g_pattern;
}

TGroupButton::TGroupButton(TComponent* owner, TButtonFamily family)
    : TGraphicControl(owner)
    , m_family(family)
{
    ++g_buttons;
}

TGroupButton::~TGroupButton()
{
    if (--g_buttons == 0)
        g_pattern.reset();
}

bool TGroupButton::Latch(bool on)
{
    on = on && m_groupIndex != 0;
    if (on == m_down || (m_down && !m_allowAllUp))
        return false;
    m_down = on;
    return true;
}

template<class F>
void TGroupButton::forEachInGroup(F f)
{
    if (m_groupIndex == 0 || !Parent())
        return;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        auto* b = dynamic_cast<TGroupButton*>(Parent()->Controls(i));
        // A button on its way out is neither told nor painted.
        if (b && b != this && !b->Destroying() && b->m_family == m_family && b->m_groupIndex == m_groupIndex)
            f(b);
    }
}

void TGroupButton::ReleaseOthers()
{
    forEachInGroup([](TGroupButton* b) {
        if (b->m_down) {
            b->m_down = false;
            b->GroupReleased();
        }
    });
}

void TGroupButton::ShareAllowAllUp()
{
    forEachInGroup([v = m_allowAllUp](TGroupButton* b) { b->m_allowAllUp = v; });
}

void TGroupButton::TellGroup()
{
    if (m_down)
        ReleaseOthers();
    ShareAllowAllUp();
}
