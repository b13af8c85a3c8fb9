#include "platform/GroupBox.h"

#include "platform/TextCodec.h"

#include <QGroupBox>

TGroupBox::TGroupBox(TComponent* owner)
    : TWinControl(owner)
    , m_box(new QGroupBox)
{
    ClicksOnRelease = true;
    SetWidget(m_box);
    SetBounds(0, 0, 185, 105);
}

void TGroupBox::SetCaption(const std::string& text)
{
    TControl::SetCaption(text);
    m_box->setTitle(BytesToQString(text));
}
