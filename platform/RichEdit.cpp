#include "platform/RichEdit.h"

#include "platform/Exception.h"
#include "platform/FileIO.h"
#include "platform/RichText.h"
#include "platform/TextCodec.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

TRichEdit::TRichEdit(TComponent* owner)
    : TMemo(owner)
    , m_edit(Editor())
{
    m_edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_edit->setTabChangesFocus(true);
    m_edit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_edit->setUndoRedoEnabled(true);
    QObject::connect(m_edit, &QPlainTextEdit::textChanged, [this] {
        if (!Destroying())
            m_edit->document()->setModified(true);
    });
    auto moved = [this] {
        if (Destroying())
            return;
        QTextCursor c = m_edit->textCursor();
        if (c.position() == m_lastPos && c.anchor() == m_lastAnchor)
            return;
        m_lastPos = c.position();
        m_lastAnchor = c.anchor();
        if (OnSelectionChange)
            OnSelectionChange(this);
    };
    QObject::connect(m_edit, &QPlainTextEdit::cursorPositionChanged, moved);
    QObject::connect(m_edit, &QPlainTextEdit::selectionChanged, moved);
}

TRichEdit::~TRichEdit() { BeginDestroy(); }

void TRichEdit::SetText(const std::string& text)
{
    TMemo::SetText(text);
    m_edit->document()->setModified(true);
}

void TRichEdit::Clear()
{
    TMemo::Clear();
    m_edit->document()->setModified(true);
}

void TRichEdit::LoadFromFile(const std::string& path)
{
    std::string bytes = ReadRegularFile(path, kMaxFileSize, "it is larger than the editor takes (" + std::to_string(kMaxFileSize >> 20) + " MB)");
    if (bytes.find('\0') != std::string::npos)
        throw EReadError("Cannot open file " + path + ": it holds binary data, not text");
    if (!PlainText && IsRichText(bytes))
        bytes = RichTextToPlain(bytes);
    SetText(bytes);
}

int TRichEdit::SelStart() const { return m_edit->textCursor().selectionStart(); }

void TRichEdit::SetSelStart(int pos)
{
    QTextCursor c = m_edit->textCursor();
    c.setPosition(std::clamp(pos, 0, m_edit->document()->characterCount() - 1));
    m_edit->setTextCursor(c);
}

int TRichEdit::SelLength() const
{
    QTextCursor c = m_edit->textCursor();
    return c.selectionEnd() - c.selectionStart();
}

void TRichEdit::SetSelLength(int length)
{
    QTextCursor c = m_edit->textCursor();
    int start = c.selectionStart();
    int last = m_edit->document()->characterCount() - 1;
    c.setPosition(start);
    c.setPosition(std::clamp(start + std::max(0, length), 0, last), QTextCursor::KeepAnchor);
    m_edit->setTextCursor(c);
}

std::string TRichEdit::SelText() const
{
    QString s = m_edit->textCursor().selectedText();
    s.replace(QChar(0x2029), QLatin1Char('\n'));
    return QStringToBytes(s);
}

void TRichEdit::SetSelText(const std::string& text)
{
    QTextCursor c = m_edit->textCursor();
    // The new text takes the plain look, not the colour of what it replaces.
    c.insertText(BytesToQString(ToEditorText(text)), QTextCharFormat());
    m_edit->setTextCursor(c);
}

void TRichEdit::SetSelColor(TColor color)
{
    QTextCharFormat f;
    f.setForeground(QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF)));
    QTextCursor c = m_edit->textCursor();
    c.mergeCharFormat(f);
}

TColor TRichEdit::SelColor() const
{
    // The colour of the first selected character (or the one before the caret).
    QTextCursor sel = m_edit->textCursor();
    QTextCursor c(m_edit->document());
    c.setPosition(sel.hasSelection() ? sel.selectionStart() + 1 : sel.position());
    QColor q = c.charFormat().foreground().color();
    if (c.charFormat().foreground().style() == Qt::NoBrush)
        return clWindowText;
    return RGB(q.red(), q.green(), q.blue());
}

bool TRichEdit::Modified() const { return m_edit->document()->isModified(); }

void TRichEdit::SetModified(bool on) { m_edit->document()->setModified(on); }


void TRichEdit::SelectAll() { m_edit->selectAll(); }

void TRichEdit::Undo() { m_edit->undo(); }

bool TRichEdit::CanUndo() const { return m_edit->document()->isUndoAvailable(); }

void TRichEdit::CutToClipboard() { m_edit->cut(); }

void TRichEdit::CopyToClipboard() { m_edit->copy(); }

void TRichEdit::PasteFromClipboard() { m_edit->paste(); }
