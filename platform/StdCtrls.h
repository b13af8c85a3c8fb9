#pragma once
// The standard controls: TLabel, TEdit, TButton, TCheckBox.

#include "platform/Control.h"
#include "platform/Keys.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QCheckBox;

class TLabel : public TControl {
public:
    explicit TLabel(TComponent* owner);
    void SetCaption(const std::string&) override;
    bool Transparent = false;
    void SetAutoSize(bool);
    // Font.Color, Font.Style underline and bold, Font.Height in pixels.
    TColor FontColor() const { return m_fontColor; }
    void SetFontColor(TColor);
    void SetFontUnderline(bool);
    void SetFontBold(bool);
    void SetFontHeight(int pixels);
    void SetWordWrap(bool);

private:
    void fitText();

    QLabel* m_label;
    bool m_autoSize = true;
    TColor m_fontColor = clWindowText;
};

// The character case an edit keeps its text in.
enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

class TEdit : public TWinControl {
public:
    explicit TEdit(TComponent* owner);

    std::string Text() const;
    void SetText(const std::string&);
    void SetReadOnly(bool);
    void SetPasswordChar(char);
    void SetMaxLength(int);
    void SelectAll();
    // Outside ecNormal the edit shows and returns its text in that case,
    // what is typed or set afterwards too.
    TEditCharCase CharCase() const { return m_charCase; }
    void SetCharCase(TEditCharCase);
    // The caret, in characters from the start; no selection after setting.
    int SelStart() const;
    void SetSelStart(int);
    // Reached with the keyboard, the edit selects all its text; without
    // AutoSelect the text stays unselected and the caret where it stood.
    bool AutoSelect = true;

    TNotifyEvent OnChange;

private:
    // Puts the text into the edit's case; true when it had to change.
    bool applyCharCase();

    QLineEdit* m_edit;
    TEditCharCase m_charCase = ecNormal;
};

class TButton : public TWinControl {
public:
    explicit TButton(TComponent* owner);
    void SetCaption(const std::string&) override;
    // A click also sets the modal result of the window it sits in.
    void Click() override;
    bool HandlesDialogKey(std::uint16_t key) const override;
    // Enter presses the focused button itself; the window's default button
    // takes it only from controls that are no buttons.
    bool WantReturns() const override { return true; }

    bool Default = false;
    bool Cancel = false;
    TModalResult ModalResult = mrNone;

protected:
    bool WidgetEvent(QEvent*) override;

private:
    QPushButton* m_button;
};

class TCheckBox : public TWinControl {
public:
    explicit TCheckBox(TComponent* owner);
    void SetCaption(const std::string&) override;
    bool Checked() const;
    void SetChecked(bool);

private:
    QCheckBox* m_box;
};
