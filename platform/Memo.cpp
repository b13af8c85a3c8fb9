#include "platform/Memo.h"

#include "platform/Exception.h"
#include "platform/FileIO.h"
#include "platform/TextCodec.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

class TMemo::LineList final : public TStrings {
public:
    explicit LineList(TMemo* owner)
        : m_owner(owner)
    {
    }
    int Count() const override
    {
        QTextDocument* document = m_owner->m_edit->document();
        return document->isEmpty() ? 0 : document->blockCount();
    }
    std::string Strings(int index) const override
    {
        QTextBlock block = m_owner->m_edit->document()->findBlockByNumber(index);
        if (index < 0 || index >= Count() || !block.isValid())
            throw EListError(Msg::ListIndexError(index));
        return QStringToBytes(block.text());
    }
    void Clear() override { m_owner->Clear(); }
    void Add(const std::string& line) override
    {
        QTextCursor cursor(m_owner->m_edit->document());
        cursor.movePosition(QTextCursor::End);
        QString text = BytesToQString(ToEditorText(line));
        if (Count() > 0)
            text.prepend(QLatin1Char('\n'));
        cursor.insertText(text);
    }
    std::string Text() const override { return m_owner->Text(); }
    void SetText(const std::string& text) override { m_owner->SetText(text); }
    void LoadFromFile(const std::string& path) override { m_owner->LoadFromFile(path); }

private:
    TMemo* m_owner;
};

TMemo::TMemo(TComponent* owner)
    : TWinControl(owner)
    , m_edit(new QPlainTextEdit)
    , m_lines(std::make_unique<LineList>(this))
{
    m_edit->setUndoRedoEnabled(false);
    ClicksOnRelease = true;
    SetWidget(m_edit);
    SetBounds(0, 0, 185, 89);
    QObject::connect(m_edit, &QPlainTextEdit::textChanged, [this] {
        if (OnChange && !Destroying())
            OnChange(this);
    });
}

TMemo::~TMemo() = default;

std::string TMemo::Text() const
{
    // The document keeps paragraph separators; the text has "\n".
    QString raw = m_edit->document()->toRawText();
    raw.replace(QChar(0x2029), QLatin1Char('\n'));
    return QStringToBytes(raw);
}

void TMemo::SetText(const std::string& text) { m_edit->setPlainText(BytesToQString(ToEditorText(text))); }

void TMemo::Clear() { m_edit->clear(); }

void TMemo::SetReadOnly(bool on) { m_edit->setReadOnly(on); }

void TMemo::LoadFromFile(const std::string& path) { SetText(ReadWholeFile(path)); }
