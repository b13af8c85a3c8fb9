#pragma once
// TMemo: a plain multi-line text control, reached whole or line by line
// through Lines. It is also the base of the rich editor.

#include "platform/Control.h"
#include "platform/Strings.h"

#include <memory>

class QPlainTextEdit;

class TMemo : public TWinControl {
public:
    explicit TMemo(TComponent* owner);
    ~TMemo() override;

    TStrings& Lines() { return *m_lines; }
    // The text, with "\n" between lines.
    std::string Text() const;
    // Any line breaks (CR LF, CR, LF) are taken.
    virtual void SetText(const std::string&);
    virtual void Clear();
    void SetReadOnly(bool);
    // Long lines wrap at word boundaries to the control's width (on by
    // default, as the class library has it); off, they run on behind a
    // horizontal scroll bar.
    bool WordWrap() const;
    void SetWordWrap(bool);

    bool WantReturns() const override { return true; }

    TNotifyEvent OnChange;

    QPlainTextEdit* Editor() const { return m_edit; }

protected:
    // Lines.LoadFromFile: the whole file as text.
    virtual void LoadFromFile(const std::string& path);

private:
    class LineList;
    QPlainTextEdit* m_edit;
    std::unique_ptr<TStrings> m_lines;
};
