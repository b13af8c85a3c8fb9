#pragma once
// TRichEdit: the multi-line text editor.
//
// Positions count characters of the shown text, where a line break is one
// character. Every change of the text, by the user or by code, sets
// Modified; OnSelectionChange fires on every move of the caret.

#include "platform/Memo.h"

class TRichEdit : public TMemo {
public:
    explicit TRichEdit(TComponent* owner);
    ~TRichEdit() override;

    // Loading a file through Lines in rich mode (PlainText false) reduces a
    // rich-text file to its text.
    bool PlainText = false;
    // Files loaded through Lines are refused, with a clear error and the
    // text unchanged, above this size or when they hold NUL bytes.
    static constexpr std::size_t kMaxFileSize = std::size_t(32) << 20;

    void SetText(const std::string&) override;
    void Clear() override;

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

    void SelectAll();
    void Undo();
    bool CanUndo() const;
    void CutToClipboard();
    void CopyToClipboard();
    void PasteFromClipboard();

    TNotifyEvent OnSelectionChange;

protected:
    void LoadFromFile(const std::string& path) override;

private:
    QPlainTextEdit* m_edit;
    int m_lastPos = -1;
    int m_lastAnchor = -1;
};
