#include "platform/BitBtn.h"

#include <QApplication>
#include <QPushButton>
#include <QStyle>

TBitBtn::TBitBtn(TComponent* owner)
    : TButton(owner)
{
    auto* button = static_cast<QPushButton*>(Widget());
    button->setIcon(QApplication::style()->standardIcon(QStyle::SP_DirOpenIcon));
    SetBounds(0, 0, 25, 25);
}
