#include "widgets/TB97.h"

#include "platform/TextCodec.h"
#include "widgets/Glyph.h"

#include <QEvent>
#include <QFrame>
#include <QToolButton>

TToolbarButton97::TToolbarButton97(TComponent* owner)
    : TControl(owner)
    , m_button(new QToolButton)
{
    m_button->setAutoRaise(true);
    m_button->setFocusPolicy(Qt::NoFocus);
    m_button->setIconSize(QSize(16, 16));
    SetWidget(m_button);
    SetBounds(0, 0, 23, 22);
    QObject::connect(m_button, &QToolButton::clicked, [this] {
        if (!Destroying())
            Click();
    });
}

void TToolbarButton97::SetCaption(const std::string& text)
{
    TControl::SetCaption(text);
    SetGlyphText(text);
}

void TToolbarButton97::SetGlyphText(const std::string& text) { m_button->setIcon(TextGlyph(text)); }

bool TToolbarButton97::Down() const { return m_button->isChecked(); }

void TToolbarButton97::SetDown(bool on)
{
    m_button->setCheckable(true);
    m_button->setChecked(on);
}

void TToolbarButton97::SetShowHint(bool on)
{
    m_button->setToolTip(on ? BytesToQString(Hint()) : QString());
}

void TToolbarButton97::SetAllowAllUp(bool on) { m_button->setCheckable(on); }

void TToolbarButton97::Click()
{
    if (OnMouseExit)
        OnMouseExit(this);
    TControl::Click();
}

bool TToolbarButton97::WidgetEvent(QEvent* e)
{
    if (e->type() == QEvent::Leave && OnMouseExit)
        OnMouseExit(this);
    return TControl::WidgetEvent(e);
}

TToolbarSep97::TToolbarSep97(TComponent* owner)
    : TControl(owner)
{
    auto* line = new QFrame;
    line->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    SetWidget(line);
    SetBounds(0, 0, 6, 22);
}
