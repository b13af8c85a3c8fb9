#pragma once
// TRichEdit: the multi-line text editor.
//
// Positions count characters of the shown text, where a line break is one
// character. Every change of the text, by the user or by code, sets
// Modified; OnSelectionChange fires on every move of the caret.

#include "platform/Control.h"
#include "platform/Strings.h"

#include <memory>

class QPlainTextEdit;

class TRichEdit : public TWinControl {
public:
    explicit TRichEdit(TComponent* owner);
    ~TRichEdit() override;

    // The lines; loading a file through them in rich mode (PlainText false)
    // reduces a rich-text file to its text.
    TStrings& Lines() { return *m_lines; }
    bool PlainText = false;
    // Files loaded through Lines are refused, with a clear error and the
    // text unchanged, above this size or when they hold NUL bytes.
    static constexpr std::size_t kMaxFileSize = std::size_t(32) << 20;

    std::string Text() const;
    void SetText(const std::string&);
    void Clear();

    int SelStart() const;
    void SetSelStart(int);
    int SelLength() const;
    void SetSelLength(int);
    std::string SelText() const;
    // Replaces the selection; the caret ends after the new text.
    void SetSelText(const std::string&);
    // The text colour of the selection (SelAttributes.Color).
    void SetSelColor(TColor);
    TColor SelColor() const;

    bool Modified() const;
    void SetModified(bool);
    void SetReadOnly(bool);

    void SelectAll();
    void Undo();
    bool CanUndo() const;
    void CutToClipboard();
    void CopyToClipboard();
    void PasteFromClipboard();

    bool WantReturns() const override { return true; }

    TNotifyEvent OnChange;
    TNotifyEvent OnSelectionChange;

    QPlainTextEdit* Editor() const { return m_edit; }

private:
    class LineList;
    QPlainTextEdit* m_edit;
    std::unique_ptr<TStrings> m_lines;
    int m_lastPos = -1;
    int m_lastAnchor = -1;
};
