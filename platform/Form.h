#pragma once
// TForm: a top-level window. Shown normally or modally (a nested message
// loop), closed through OnCloseQuery, with the class library's event order:
// OnCreate once built, OnShow each time it appears, OnActivate when another
// window of the program hands over activation, OnResize on every change of
// size, OnDestroy as it goes.

#include "platform/Control.h"
#include "platform/Keys.h"

#include <QPointer>
#include <QRect>
#include <QWidget>

#include <functional>

class QEventLoop;
class TMainMenu;
class TMenuItem;

enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TPosition { poDesigned, poScreenCenter };
// Tool windows (floating toolbars) have a small caption and no task-bar entry.
enum TFormBorderStyle { bsSizeable, bsDialog, bsSingle, bsNone, bsToolWindow, bsSizeToolWin };

// Held while a modal window runs: when it has closed, the window that was
// active before it (or else the main window) is active again and gets the
// keyboard back, also where no window manager hands activation over.
class TModalHandBack {
public:
    TModalHandBack();
    ~TModalHandBack();
    TModalHandBack(const TModalHandBack&) = delete;
    TModalHandBack& operator=(const TModalHandBack&) = delete;

private:
    QPointer<QWidget> m_before;
};

class TForm : public TWinControl {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    void SetCaption(const std::string&) override;

    TWindowState WindowState() const { return m_windowState; }
    void SetWindowState(TWindowState);
    TPosition Position = poDesigned;
    TFormBorderStyle BorderStyle = bsSizeable;
    int HelpContext = 0;

    // The platform counts a 4-pixel frame on each side (and the caption in
    // the height) in a window's size; handlers rely on that arithmetic.
    static constexpr int kFrame = 4;
    static constexpr int kCaption = 23;
    // A dialog's frame is thinner and its caption lower.
    static constexpr int kDialogFrame = 3;
    static constexpr int kDialogCaption = 19;
    // Where the window is now: centred, or moved by the user, it stays
    // there when code changes its size.
    int Left() const override;
    int Top() const override;
    int Width() const override;
    int Height() const override;

    // A window that draws its own frame and title bar: the platform's frame
    // goes, the controls move into an inner client area inset by kFrame and
    // kCaption (so the window arithmetic above still holds), and the handler
    // sees the window's own events first: painting, the mouse outside the
    // client area, activation and state changes; true eats the event. An
    // empty handler gives the platform's frame back.
    using TNonClientHandler = std::function<bool(QEvent*)>;
    void SetOwnFrame(TNonClientHandler);
    bool OwnFrame() const { return m_client != nullptr; }
    QWidget* ClientWidget() const override;
    // The client area in window coordinates.
    TRect ClientRectInWindow() const;
    void SetBounds(int left, int top, int width, int height) override;
    void SetClientSize(int width, int height);

    void SetVisible(bool) override;
    int ShowModal();
    void Close();
    bool Modal() const { return m_inModal; }
    TModalResult ModalResult() const { return m_modalResult; }
    // A non-zero result ends a modal showing (after OnCloseQuery agrees).
    void SetModalResult(TModalResult);
    bool Active() const;

    TMainMenu* Menu = nullptr;
    TWinControl* ActiveControl() const;
    void SetActiveControl(TWinControl*);

    // Runs the creation handler; called by the application object once the
    // window is built. An exception there is shown and start-up goes on.
    void AfterConstruction();
    // Fires OnDestroy, once, while the window is whole.
    void BeforeDestruction() override;
    bool CloseQuery();

    // Shortcut routing: the popup menus of the focused control and its
    // parents first, then the window's main menu.
    TMenuItem* FindShortCut(TControl* focused, TShortCut) const;
    bool IsShortCut(TControl* focused, TShortCut);
    // Enter and Escape reach a Default or Cancel button, and nothing else.
    bool DialogKey(std::uint16_t key);

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TCloseQueryEvent OnCloseQuery;
    TCloseEvent OnClose;
    TNotifyEvent OnDestroy;

    // Tests stand in for the user of a modal window: called from the nested
    // loop once the window shows.
    static std::function<void(TForm*)> ModalResponder;

protected:
    bool WidgetEvent(QEvent*) override;

private:
    void activated();
    void applyWindowState();

    TWindowState m_windowState = wsNormal;
    TModalResult m_modalResult = mrNone;
    bool m_inModal = false;
    bool m_shownOnce = false;
    bool m_destroyFired = false;
    // Qt resizes a window inside show(), before it is on the screen; the
    // window hears of that size once it is there.
    bool m_inShow = false;
    bool m_resizedInShow = false;
    QEventLoop* m_loop = nullptr;
    TWinControl* m_activeControl = nullptr;
    QWidget* m_client = nullptr;
    TNonClientHandler m_nonClient;
    QRect m_normalGeometry;  // before the window was maximised
};
