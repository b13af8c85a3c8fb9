#include "generators/Unit2.h"

#include "platform/Dialogs.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>

TForm2* Form2 = nullptr;

namespace {

// Picture 0 of the main window's 32 by 32 image list: a page.
QIcon pageIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygon({ QPoint(6, 2), QPoint(20, 2), QPoint(26, 8), QPoint(26, 29), QPoint(6, 29) }));
    p.drawLine(20, 2, 20, 8);
    p.drawLine(20, 8, 26, 8);
    p.setPen(QColor(0, 0, 160));
    for (int y = 12; y < 27; y += 3)
        p.drawLine(9, y, 23, y);
    return QIcon(pixmap);
}

const char* const kTemplates[] = { "Blank Document", "Default Template", "Alphabetical" };

}

TForm2::TForm2(TComponent* owner)
    : TDesignedForm(owner, "Form2", "New Template", 0, 346, 215)
{
    Label1 = NewLabel(this, "Label1", "Page title:", 8, 160);
    Label1->SetBounds(8, 160, 60, 16);

    Edit1 = NewEdit(this, "Edit1", 8, 180, 241, "Place your title here");
    Edit1->SetHeight(24);
    Edit1->SetEnabled(false);

    Button1 = NewButton(this, "Button1", "OK", 264, 8, Method(this, &TForm2::Button1Click));
    Button1->Default = true;
    Button2 = NewButton(this, "Button2", "Cancel", 264, 40, Method(this, &TForm2::Button2Click));

    ListView1 = NewControl<TListView>(this, this, "ListView1", 8, 8, 249, 145);
    for (const char* caption : kTemplates)
        ListView1->AddItem(caption, 0);
    ListView1->SetIcon(0, pageIcon());
    ListView1->OnClick = Method(this, &TForm2::ListView1Click);
    ListView1->OnDblClick = Method(this, &TForm2::ListView1DblClick);

    RichEdit1 = NewControl<TRichEdit>(this, this, "RichEdit1");
    RichEdit1->SetVisible(false);
    RichEdit1->PlainText = false;

    Label2 = NewLabel(this, "Label2", "Orvelin", 0, 0);
    Label2->SetVisible(false);

    OnActivate = Method(this, &TForm2::FormActivate);
}

int TForm2::SelectedPosition() const
{
    TListItem* selected = ListView1->Selected();
    for (int i = 0; i < ListView1->Count(); ++i)
        if (ListView1->Items(i) == selected)
            return i;
    return -1;
}

void TForm2::FormActivate(TObject*) { ListView1->SetFocus(); }

void TForm2::ListView1Click(TObject*)
{
    switch (SelectedPosition()) {
    case 0:
    case 2:
        Edit1->SetEnabled(false);
        break;
    case 1:
        Edit1->SetEnabled(true);
        break;
    default:
        break;
    }
}

void TForm2::Button1Click(TObject*)
{
    if (SelectedPosition() < 0) {
        MessageDlg("You have to select a template", mtError, mbOK);
        return;
    }
    Close();
}

void TForm2::ListView1DblClick(TObject*)
{
    if (SelectedPosition() >= 0)
        Close();
}

void TForm2::Button2Click(TObject*)
{
    Label2->SetCaption("Orvelins");
    Close();
}
