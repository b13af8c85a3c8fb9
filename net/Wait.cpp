#include "net/Wait.h"

#include "platform/AppHooks.h"
#include "platform/Application.h"
#include "platform/TextCodec.h"
#include "platform/Timer.h"
#include "platform/MessagePump.h"

#include <QApplication>
#include <QEvent>

#include <cctype>

namespace {

// Keeps the user's keys and left and right clicks from reaching any window
// while a countdown runs modally, with a beep for each.
class RefuseInput final : public QObject {
public:
    RefuseInput()
        : m_clicks(InstallMouseFilter([](UINT msg, TPoint, TControl*) {
            TMouseAction action = MouseActionOf(msg);
            bool refused = (action == TMouseAction::Down || action == TMouseAction::DoubleClick) && MouseButtonOf(msg) != mbMiddle;
            if (refused)
                QApplication::beep();
            return refused;
        }))
    {
        qApp->installEventFilter(this);
    }
    ~RefuseInput() override
    {
        qApp->removeEventFilter(this);
        RemoveMouseFilter(m_clicks);
    }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() != QEvent::KeyPress)
            return false;
        QApplication::beep();
        return true;
    }

private:
    int m_clicks;
};

}

TCustomWait::TCustomWait(TComponent* owner)
    : TCustomControl(owner)
{
    ControlStyle |= csOpaque;
    SetBounds(Left(), Top(), 192, 32);
    TControl::SetCaption("60");
    m_timer = new TTimer(this);
    m_timer->SetEnabled(false);
    m_timer->OnTimer = [this](TObject*) { Tick(); };
}

TCustomWait::~TCustomWait()
{
    BeginDestroy();
    m_timer->SetEnabled(false);
}

void TCustomWait::SetCaption(const std::string& text)
{
    TControl::SetCaption(text);
    Invalidate();
}

unsigned short TCustomWait::Interval() const { return static_cast<unsigned short>(m_timer->Interval()); }
void TCustomWait::SetInterval(unsigned short ms) { m_timer->SetInterval(ms); }
bool TCustomWait::Running() const { return m_timer->Enabled(); }

int TCustomWait::CaptionNumber() const
{
    const std::string& text = Caption();
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    long long n = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        n = std::min(n * 10 + (text[i] - '0'), 1000000000LL);
    return int(n);
}

void TCustomWait::Start()
{
    m_startValue = CaptionNumber();
    if (m_startValue == 0) {
        m_startValue = 15;
        SetCaption("15");
    }
    m_timer->SetEnabled(true);
    if (OnWaitStart)
        OnWaitStart(this);
}

void TCustomWait::Stop()
{
    ModalResult = mrOk;
    m_timer->SetEnabled(false);
    SetCaption(std::to_string(m_startValue));
    if (OnWaitStop)
        OnWaitStop(this);
}

void TCustomWait::RunModal()
{
    RefuseInput refuse;
    auto alive = AliveGuard();
    ModalResult = mrNone;
    Start();
    while (alive && Running()) {
        if (OnWaiting)
            OnWaiting(this);
        Application->ProcessMessages();
        if (alive && Running())
            WaitForMessages(1000);
    }
}

void TCustomWait::RestoreCaption() { SetCaption(std::to_string(m_startValue)); }

void TCustomWait::Tick()
{
    int n = CaptionNumber();
    auto alive = AliveGuard();
    if (OnWait)
        OnWait(this, n - 1);
    if (!alive)
        return;
    if (n >= 2) {
        SetCaption(std::to_string(n - 1));
    } else {
        m_timer->SetEnabled(false);
        ModalResult = mrCancel;
        SetCaption(std::to_string(m_startValue));
        if (OnTimeout)
            OnTimeout(this);
        if (!alive)
            return;
    }
    Repaint();
}

void TCustomWait::Paint()
{
    TCanvas& c = *Canvas();
    const int width = Width(), height = Height();
    c.Pen.Color = clBlack;
    c.Brush.Color = clWhite;
    c.Rectangle(0, 0, width, height);
    int start = m_startValue > 0 ? m_startValue : 1;
    int bar = int(static_cast<long long>(CaptionNumber()) * (width - 7) / start);
    c.Brush.Color = clHighlight;
    c.FillRect({ 3, 3, 4 + bar, height - 3 });
    c.Brush.Style = bsClear;
    c.Font.Name = "Courrier";
    c.Font.Size = 8;
    c.Font.Color = clBlack;
    c.TextOut(4, height / 2 - 8, Caption());
}
