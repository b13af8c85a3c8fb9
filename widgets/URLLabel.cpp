#include "widgets/URLLabel.h"

#include "widgets/GoToWeb.h"

#include <QMouseEvent>

TURLLabel::TURLLabel(TComponent* owner)
    : TLabel(owner)
{
    SetFontColor(clBlue);
    SetFontUnderline(true);
    SetCaption("Click me!");
}

bool TURLLabel::WidgetEvent(QEvent* e)
{
    switch (e->type()) {
    case QEvent::Enter:
        MouseEnter();
        break;
    case QEvent::Leave:
        MouseLeave();
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        MouseDown();
        break;
    case QEvent::MouseButtonRelease: {
        auto* me = static_cast<QMouseEvent*>(e);
        MouseUp(int(me->position().x()), int(me->position().y()));
        break;
    }
    default:
        break;
    }
    return TLabel::WidgetEvent(e);
}

void TURLLabel::MouseEnter() { SetFontColor(m_pressed ? ColorClick : ColorMoveOver); }

void TURLLabel::MouseLeave() { SetFontColor(ColorNormal); }

void TURLLabel::MouseDown()
{
    m_pressed = true;
    SetFontColor(ColorClick);
}

void TURLLabel::MouseUp(int x, int y)
{
    // The edges count as inside.
    if (x < 0 || y < 0 || x > Width() || y > Height()) {
        SetFontColor(ColorNormal);
    } else {
        if (m_pressed) {
            TGoToWeb web(nullptr);
            web.Url = URL.empty() ? Caption() : URL;
            web.OpenUrl();
        }
        SetFontColor(ColorMoveOver);
    }
    m_pressed = false;
}
