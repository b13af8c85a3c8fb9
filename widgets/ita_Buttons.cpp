#include "widgets/ita_Office97.h"

#include "platform/Menus.h"
#include "platform/TextCodec.h"
#include "widgets/Glyph.h"

#include <QEvent>
#include <QToolButton>

TitaSpeedButton::TitaSpeedButton(TComponent* owner)
    : TControl(owner)
    , m_button(new QToolButton)
{
    m_button->setAutoRaise(true);
    m_button->setFocusPolicy(Qt::NoFocus);
    m_button->setCheckable(true);
    SetWidget(m_button);
    SetBounds(0, 0, 23, 22);
    // The button keeps its own Down state; Qt's checking follows it.
    QObject::connect(m_button, &QToolButton::clicked, [this] {
        m_button->setChecked(m_down);
        if (!Destroying())
            Click();
    });
}

void TitaSpeedButton::SetCaption(const std::string& text)
{
    TControl::SetCaption(text);
    m_button->setText(BytesToQString(text));
    m_button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    SetWidth(m_button->sizeHint().width() + 6);
}

void TitaSpeedButton::SetGlyphText(const std::string& text) { m_button->setIcon(TextGlyph(text)); }

void TitaSpeedButton::SetDown(bool on)
{
    m_down = on;
    m_button->setChecked(on);
}

bool TitaSpeedButton::WidgetEvent(QEvent* e)
{
    if (e->type() == QEvent::Leave && OnMouseLeave)
        OnMouseLeave(this);
    return TControl::WidgetEvent(e);
}

TitaPopupButton::TitaPopupButton(TComponent* owner)
    : TitaSpeedButton(owner)
{
}

void TitaPopupButton::Click()
{
    SetDown(!Down());
    TControl::Click();
}

TitaMenuButton::TitaMenuButton(TComponent* owner)
    : TitaSpeedButton(owner)
{
}

void TitaMenuButton::Click()
{
    TControl::Click();
    if (!DropdownMenu)
        return;
    SetDown(true);
    QPoint below = Button()->mapToGlobal(QPoint(0, Button()->height()));
    DropdownMenu->PopupComponent = this;
    DropdownMenu->Popup(below.x(), below.y());
    // A menu closed without a choice puts its button up as well.
    SetDown(false);
}
