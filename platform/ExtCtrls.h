#pragma once
// TPanel, TImage and TBevel.

#include "platform/Control.h"

class QFrame;
class QLabel;

enum TPanelBevel { bvNone, bvLowered, bvRaised };

class TPanel : public TWinControl {
public:
    explicit TPanel(TComponent* owner);
    void SetCaption(const std::string&) override;
    // The outer bevel, then the inner one inside it, one line each: a
    // lowered bevel is dark at the top and left, a raised one light.
    TPanelBevel BevelOuter() const { return m_bevelOuter; }
    void SetBevelOuter(TPanelBevel);
    TPanelBevel BevelInner() const { return m_bevelInner; }
    void SetBevelInner(TPanelBevel);
    void SetColor(TColor);

protected:
    bool WidgetEvent(QEvent*) override;

private:
    TPanelBevel m_bevelOuter = bvRaised;
    TPanelBevel m_bevelInner = bvNone;
    QFrame* m_frame;
    QLabel* m_text;
};

class TImage : public TControl {
public:
    explicit TImage(TComponent* owner);

    // Picture.LoadFromFile, through ReadPictureFile (Graphics.h) and its
    // errors.
    void LoadFromFile(const std::string& path);
    bool Empty() const;
    // Picture.Assign: the other image's picture (none when it has none).
    void Assign(const TImage& other);
    bool Stretch = false;
    void SetStretch(bool);

protected:
    void BoundsChanged() override;

private:
    QLabel* m_label;
};

// A sunken line: across when wider than high, else upright.
class TBevel : public TControl {
public:
    explicit TBevel(TComponent* owner);

protected:
    void BoundsChanged() override;
};
