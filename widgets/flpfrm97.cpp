#include "widgets/flpfrm97.h"

#include "platform/AppHooks.h"
#include "platform/ControlMessages.h"
#include "platform/FormBuilder.h"
#include "platform/Graphics.h"
#include "platform/NonClient.h"
#include "widgets/ita_Office97.h"

#include <QMouseEvent>
#include <QWidget>

#include <algorithm>

namespace {

using ToolBarState::kCaptionOffset;

constexpr TColor clActiveCaption = clSystemColor | COLOR_ACTIVECAPTION;

TShiftState buttonsOf(const QMouseEvent* me)
{
    return (me->buttons() & Qt::LeftButton) ? TShiftState(ssLeft) : 0;
}

}  // namespace

TFPForm97::TFPForm97(TComponent* owner)
    : TForm(owner)
    , m_client(new QWidget(Widget()))
{
    Name = "FPForm97";
    Widget()->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    Widget()->setAttribute(Qt::WA_OpaquePaintEvent);
    Widget()->setMouseTracking(true);
    SetBounds(320, 195, 213, 61 + kCaptionOffset);
    OnClose = Method(this, &TFPForm97::FormClose);
    OnDeactivate = Method(this, &TFPForm97::FormDeactivate);
    OnResize = Method(this, &TFPForm97::FormResize);
    // Without a window manager nothing keeps the window above the others:
    // it goes back on top whenever the main window is activated (shown at
    // start after the bars that float came back).
    m_hook = HookMainWindow([this](TMessage& m) {
        if (m.Msg == WM_ACTIVATE && m.WParam == WA_ACTIVE && Visible())
            Widget()->raise();
        return false;
    });
}

TFPForm97::~TFPForm97() { UnhookMainWindow(m_hook); }

int TFPForm97::Width() const { return Widget()->width(); }

int TFPForm97::Height() const { return Widget()->height(); }

void TFPForm97::SetBounds(int left, int top, int width, int height)
{
    width = std::max(1, width);
    height = std::max(kCaptionOffset + 1, height);
    Widget()->setGeometry(left, top, width, height);
    m_client->setGeometry(0, kCaptionOffset, width, height - kCaptionOffset);
    TControl::SetBounds(left, top, width, height);
}

int TFPForm97::ClientWidth() const { return m_client->width(); }

int TFPForm97::ClientHeight() const { return m_client->height(); }

TRect TFPForm97::CloseBox() const
{
    int right = Width() - 3;
    return { right - 14, 3, right, 3 + 14 };
}

void TFPForm97::PaintTitle(TCanvas& canvas) const
{
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = clActiveCaption;
    canvas.FillRect({ 0, 0, Width(), kCaptionOffset });
    TRect text { 4, 0, CloseBox().Left - 2, kCaptionOffset };
    canvas.Brush.Style = bsClear;
    canvas.Font.Color = clWhite;
    canvas.Font.Style = fsBold;
    canvas.DrawText(Caption(), text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    TRect box = CloseBox();
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = clBtnFace;
    canvas.FillRect(box);
    TRect frame = box;
    Frame3D(canvas, frame, clBtnHighlight, clBtnShadow, 1);
    canvas.Pen.Color = clBlack;
    for (int d : { 0, 1 }) {
        canvas.MoveTo(box.Left + 3 + d, box.Top + 3);
        canvas.LineTo(box.Right - 4 + d, box.Bottom - 3);
        canvas.MoveTo(box.Right - 5 + d, box.Top + 3);
        canvas.LineTo(box.Left + 2 + d, box.Bottom - 3);
    }
}

void TFPForm97::FormClose(TObject*, TCloseAction&)
{
    if (ToolBar)
        ToolBar->Hide();
}

void TFPForm97::FormDeactivate(TObject*)
{
    if (ToolBar)
        ToolBar->SaveState();
}

void TFPForm97::FormResize(TObject*)
{
    if (ToolBar)
        ToolBar->SetBounds(ToolBar->Left(), ToolBar->Top(), ClientWidth(), ClientHeight());
}

bool TFPForm97::WidgetEvent(QEvent* e)
{
    switch (e->type()) {
    case QEvent::Paint: {
        PaintNonClient(Widget(), { 0, kCaptionOffset, Width(), Height() }, [this](TCanvas& canvas) { PaintTitle(canvas); });
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease: {
        // The title strip is the bar's to drag, in the bar's coordinates.
        auto* me = static_cast<QMouseEvent*>(e);
        int x = int(me->position().x()), y = int(me->position().y()) - kCaptionOffset;
        TRect box = CloseBox();
        bool onClose = x >= box.Left && x < box.Right && y + kCaptionOffset >= box.Top && y + kCaptionOffset < box.Bottom;
        if (e->type() == QEvent::MouseButtonPress && me->button() == Qt::LeftButton && onClose) {
            Close();
            return true;
        }
        if (!ToolBar)
            return true;
        if (e->type() == QEvent::MouseButtonPress)
            ToolBar->MouseDown(me->button() == Qt::LeftButton ? mbLeft : mbRight, buttonsOf(me), x, y);
        else if (e->type() == QEvent::MouseMove)
            ToolBar->MouseMove(buttonsOf(me), x, y);
        else
            ToolBar->MouseUp(me->button() == Qt::LeftButton ? mbLeft : mbRight, buttonsOf(me), x, y);
        return true;
    }
    default:
        return TForm::WidgetEvent(e);
    }
}
