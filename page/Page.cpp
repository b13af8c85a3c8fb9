#include "page/Page.h"

#include "platform/RichEdit.h"
#include "platform/StdCtrls.h"

TPage::TPage(TRichEdit& editor, TRichEdit& scratch, TEdit& quote, TEdit& tagCase)
    : m_editor(editor), m_scratch(scratch), m_quote(quote), m_tagCase(tagCase)
{
}

bool TPage::UpperCase() const { return m_tagCase.Text() == "Upercase"; }

std::string TPage::Quote() const { return m_quote.Text(); }

std::string TPage::Quoted(const std::string& value) const
{
    std::string quote = Quote();
    return quote + value + quote;
}

void TPage::Replace(const std::string& text) { m_editor.SetSelText(text); }

void TPage::InsertPiece(const std::string& piece)
{
    if (!piece.empty())
        m_editor.SetSelText(piece);
}

void TPage::Wrap(const std::string& open, int afterOpen, const std::string& close, int intoClose)
{
    int start = m_editor.SelStart();
    int length = m_editor.SelLength();
    m_editor.SetSelLength(0);
    m_editor.SetSelText(open);
    m_editor.SetSelStart(start + length + afterOpen);
    if (close.empty())
        return;
    m_editor.SetSelText(close);
    MoveCaretBack(intoClose);
}

void TPage::MoveCaretBack(int characters) { m_editor.SetSelStart(m_editor.SelStart() - characters); }

void TPage::Focus() { m_editor.SetFocus(); }

void TPage::FocusIfPossible()
{
    if (m_editor.CanFocus())
        m_editor.SetFocus();
}

void TPage::SetScratchText(const std::string& text) { m_scratch.SetText(text); }

void TPage::AddScratchLine(const std::string& line) { m_scratch.Lines().Add(line); }

void TPage::AddScratchPiece(const std::string& piece) { m_scratch.SetSelText(piece); }

void TPage::InsertScratch()
{
    std::string text = m_scratch.Text();
    if (!text.empty() && text.back() != '\n')
        text += '\n';
    m_editor.SetSelText(text);
    m_scratch.Clear();
}

void TPage::ClearScratch() { m_scratch.Clear(); }
