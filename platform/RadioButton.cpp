#include "platform/RadioButton.h"

#include "platform/TextCodec.h"

#include <QRadioButton>

TRadioButton::TRadioButton(TComponent* owner)
    : TWinControl(owner)
    , m_button(new QRadioButton)
{
    SetWidget(m_button);
    SetBounds(0, 0, 113, 17);
    QObject::connect(m_button, &QRadioButton::clicked, [this] {
        if (!Destroying())
            Click();
    });
}

void TRadioButton::SetCaption(const std::string& text)
{
    TControl::SetCaption(text);
    m_button->setText(BytesToQString(text));
}

bool TRadioButton::Checked() const { return m_button->isChecked(); }

void TRadioButton::SetChecked(bool on) { m_button->setChecked(on); }
