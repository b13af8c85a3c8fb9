#pragma once
// TMemo: a plain multi-line text control, reached line by line through Lines.

#include "platform/Control.h"
#include "platform/Strings.h"

#include <memory>

class QPlainTextEdit;

class TMemo : public TWinControl {
public:
    explicit TMemo(TComponent* owner);
    ~TMemo() override;

    TStrings& Lines() { return *m_lines; }
    std::string Text() const;
    void SetText(const std::string&);
    void Clear();
    void SetReadOnly(bool);

    bool WantReturns() const override { return true; }

    TNotifyEvent OnChange;

private:
    class LineList;
    QPlainTextEdit* m_edit;
    std::unique_ptr<TStrings> m_lines;
};
