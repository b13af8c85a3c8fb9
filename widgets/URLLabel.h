#pragma once
// TURLLabel: a label that looks like a hyperlink. Its colour follows the
// mouse (over it, pressed on it, elsewhere), and a press and release inside
// it opens URL, or the caption when URL is empty, in the desktop's browser.
// The address goes to the web launcher as one argument, never to a shell.

#include "platform/StdCtrls.h"

#include <string>

class TURLLabel : public TLabel {
public:
    explicit TURLLabel(TComponent* owner);

    TColor ColorNormal = clBlue;
    TColor ColorMoveOver = clBlue;
    TColor ColorClick = clRed;
    std::string URL = "http://www.corvana.example/";

    bool Pressed() const { return m_pressed; }

protected:
    bool WidgetEvent(QEvent*) override;

    void MouseEnter();
    void MouseLeave();
    void MouseDown();
    void MouseUp(int x, int y);

private:
    bool m_pressed = false;
};
