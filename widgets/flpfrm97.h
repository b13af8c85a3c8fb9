#pragma once
// TFPForm97: the small window a bar floats in. Frameless and above the
// program's other windows, it draws its own title (the bar's caption) and
// close box in the strip above the bar; a press on that strip reaches the
// bar with a negative y, so the bar's own drag moves the window and can
// drop it back onto a dock.

#include "platform/Form.h"

class QWidget;
class TCanvas;
class TitaToolBar;

class TFPForm97 : public TForm {
public:
    explicit TFPForm97(TComponent* owner);
    ~TFPForm97() override;

    // The bar it hosts (none until the bar floats in it).
    TitaToolBar* ToolBar = nullptr;
    void SetSizeable(bool on) { m_sizeable = on; }
    bool Sizeable() const { return m_sizeable; }

    // The whole window: the title strip and the bar below it.
    int Width() const override;
    int Height() const override;
    void SetBounds(int left, int top, int width, int height) override;
    QWidget* ClientWidget() const override { return m_client; }
    int ClientWidth() const override;
    int ClientHeight() const override;
    // The close box, in window coordinates.
    TRect CloseBox() const;
    void PaintTitle(TCanvas&) const;

    void FormClose(TObject*, TCloseAction&);
    void FormDeactivate(TObject*);
    void FormResize(TObject*);

protected:
    bool WidgetEvent(QEvent*) override;

private:
    QWidget* m_client;
    bool m_sizeable = false;
    int m_hook = 0;
};
