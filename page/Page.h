#pragma once
// TPage: the one way markup reaches the page being edited. The main window
// makes it over its page editor, its scratch editor and its two hidden
// fields (the quote and the tag case) and hands it to every dialog and
// generator; the tag commands, the character palette and the side panel
// write through it too. It owns none of the four controls.

#include <string>

class TEdit;
class TRichEdit;

class TPage {
public:
    TPage(TRichEdit& editor, TRichEdit& scratch, TEdit& quote, TEdit& tagCase);
    TPage(const TPage&) = delete;
    TPage& operator=(const TPage&) = delete;

    // --- The settings every writer reads afresh -----------------------------
    // The tag case is exactly "Upercase".
    bool UpperCase() const;
    // The quote text, whatever it holds (also nothing).
    std::string Quote() const;
    // The value between two quote texts.
    std::string Quoted(const std::string& value) const;

    // --- Writing at the caret -------------------------------------------------
    // Replaces the selection with the text; the caret ends after it. An
    // empty text deletes the selection.
    void Replace(const std::string& text);
    // As Replace, but an empty piece (an attribute left out) changes nothing.
    void InsertPiece(const std::string& piece);
    // Writes `open` before the selection, which stays, and puts the caret
    // `afterOpen` characters past the selection's former start plus its
    // length; then, unless `close` is empty, writes `close` there and moves
    // the caret back `intoClose` characters.
    void Wrap(const std::string& open, int afterOpen, const std::string& close, int intoClose);
    void MoveCaretBack(int characters);

    // --- The focus ------------------------------------------------------------
    void Focus();
    // Only where the page editor can take it (shown and enabled).
    void FocusIfPossible();

    // --- The scratch editor for blocks -----------------------------------------
    void SetScratchText(const std::string& text);
    void AddScratchLine(const std::string& line);
    // At the scratch editor's caret, so onto the line being built.
    void AddScratchPiece(const std::string& piece);
    // The scratch text, ending with a line break, in place of the selection;
    // the scratch editor is emptied.
    void InsertScratch();
    void ClearScratch();

private:
    TRichEdit& m_editor;
    TRichEdit& m_scratch;
    TEdit& m_quote;
    TEdit& m_tagCase;
};
