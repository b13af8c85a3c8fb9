#include "platform/StdCtrls.h"

#include "platform/Form.h"
#include "platform/TextCodec.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

TLabel::TLabel(TComponent* owner)
    : TControl(owner)
    , m_label(new QLabel)
{
    ClicksOnRelease = true;
    SetWidget(m_label);
}

void TLabel::SetCaption(const std::string& text)
{
    TControl::SetCaption(text);
    // "&" marks an accelerator in a caption; "&&" is a plain ampersand.
    QString shown = BytesToQString(text);
    shown.replace(QLatin1String("&&"), QChar(0xE000)).remove(QLatin1Char('&')).replace(QChar(0xE000), QLatin1Char('&'));
    m_label->setText(shown);
    fitText();
}

void TLabel::fitText()
{
    if (m_autoSize) {
        QSize hint = m_label->sizeHint();
        SetBounds(Left(), Top(), hint.width(), hint.height());
    }
}

void TLabel::SetAutoSize(bool on) { m_autoSize = on; }

void TLabel::SetFontColor(TColor color)
{
    m_fontColor = color;
    QPalette palette = m_label->palette();
    if (color == clWindowText)
        palette = QPalette();
    else
        palette.setColor(QPalette::WindowText, QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF)));
    m_label->setPalette(palette);
}

void TLabel::SetFontUnderline(bool on)
{
    QFont font = m_label->font();
    font.setUnderline(on);
    m_label->setFont(font);
    fitText();
}

void TLabel::SetFontBold(bool on)
{
    QFont font = m_label->font();
    font.setBold(on);
    m_label->setFont(font);
    fitText();
}

void TLabel::SetFontHeight(int pixels)
{
    QFont font = m_label->font();
    font.setPixelSize(pixels);
    m_label->setFont(font);
    fitText();
}

void TLabel::SetWordWrap(bool on) { m_label->setWordWrap(on); }

namespace {

class EditWidget final : public QLineEdit {
public:
    explicit EditWidget(const bool& autoSelect)
        : m_autoSelect(autoSelect)
    {
    }

protected:
    void focusInEvent(QFocusEvent* e) override
    {
        const bool byKeyboard = e->reason() == Qt::TabFocusReason || e->reason() == Qt::BacktabFocusReason || e->reason() == Qt::ShortcutFocusReason;
        if (m_autoSelect || !byKeyboard) {
            QLineEdit::focusInEvent(e);
            return;
        }
        QFocusEvent plain(QEvent::FocusIn, Qt::OtherFocusReason);
        QLineEdit::focusInEvent(&plain);
    }

private:
    const bool& m_autoSelect;
};

}

TEdit::TEdit(TComponent* owner)
    : TWinControl(owner)
    , m_edit(new EditWidget(AutoSelect))
{
    ClicksOnRelease = true;
    SetWidget(m_edit);
    SetBounds(0, 0, 121, 21);
    QObject::connect(m_edit, &QLineEdit::textChanged, [this] {
        // A change of case comes back here once, as the text in its case.
        if (applyCharCase())
            return;
        if (OnChange && !Destroying())
            OnChange(this);
    });
}

void TEdit::SetCharCase(TEditCharCase charCase)
{
    m_charCase = charCase;
    applyCharCase();
}

bool TEdit::applyCharCase()
{
    if (m_charCase == ecNormal)
        return false;
    QString text = m_edit->text();
    QString cased = m_charCase == ecLowerCase ? text.toLower() : text.toUpper();
    if (cased == text)
        return false;
    int caret = m_edit->cursorPosition();
    m_edit->setText(cased);
    m_edit->setCursorPosition(std::min(caret, int(cased.size())));
    return true;
}

std::string TEdit::Text() const { return QStringToBytes(m_edit->text()); }

void TEdit::SetText(const std::string& text) { m_edit->setText(BytesToQString(text)); }

void TEdit::SetReadOnly(bool on) { m_edit->setReadOnly(on); }

void TEdit::SetPasswordChar(char c) { m_edit->setEchoMode(c ? QLineEdit::Password : QLineEdit::Normal); }

void TEdit::SetMaxLength(int n) { m_edit->setMaxLength(n > 0 ? n : 32767); }

void TEdit::SelectAll() { m_edit->selectAll(); }

int TEdit::SelStart() const { return m_edit->hasSelectedText() ? m_edit->selectionStart() : m_edit->cursorPosition(); }

void TEdit::SetSelStart(int position) { m_edit->setCursorPosition(position); }

TButton::TButton(TComponent* owner)
    : TWinControl(owner)
    , m_button(new QPushButton)
{
    m_button->setAutoDefault(false);
    SetWidget(m_button);
    SetBounds(0, 0, 75, 25);
    QObject::connect(m_button, &QPushButton::clicked, [this] {
        if (!Destroying())
            Click();
    });
}

void TButton::SetCaption(const std::string& text)
{
    TControl::SetCaption(text);
    m_button->setText(BytesToQString(text));
}

void TButton::Click()
{
    if (ModalResult != mrNone)
        if (TForm* form = ParentForm())
            form->SetModalResult(ModalResult);
    TControl::Click();
}

bool TButton::WidgetEvent(QEvent* e)
{
    if (TWinControl::WidgetEvent(e))
        return true;
    if (e->type() != QEvent::KeyPress || VirtualKeyOf(static_cast<QKeyEvent*>(e)) != VK_RETURN)
        return false;
    Click();
    return true;
}

bool TButton::HandlesDialogKey(std::uint16_t key) const
{
    return (key == VK_RETURN && Default) || (key == VK_ESCAPE && Cancel);
}

TCheckBox::TCheckBox(TComponent* owner)
    : TWinControl(owner)
    , m_box(new QCheckBox)
{
    SetWidget(m_box);
    QObject::connect(m_box, &QCheckBox::clicked, [this] {
        if (!Destroying())
            Click();
    });
}

void TCheckBox::SetCaption(const std::string& text)
{
    TControl::SetCaption(text);
    m_box->setText(BytesToQString(text));
}

bool TCheckBox::Checked() const { return m_box->isChecked(); }

void TCheckBox::SetChecked(bool on) { m_box->setChecked(on); }
