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
    : TForm(owner)
{
    Name = "Form2";
    SetCaption("New Template");
    BorderStyle = bsDialog;
    Position = poScreenCenter;
    SetClientSize(346, 215);

    Label1 = NewControl<TLabel>(this, this, "Label1");
    Label1->SetCaption("Page title:");
    Label1->SetBounds(8, 160, 60, 16);

    Edit1 = NewControl<TEdit>(this, this, "Edit1", 8, 180, 241, 24);
    Edit1->SetText("Place your title here");
    Edit1->SetEnabled(false);

    Button1 = NewControl<TButton>(this, this, "Button1");
    Button1->SetCaption("OK");
    Button1->SetBounds(264, 8, 75, 25);
    Button1->Default = true;
    Button1->OnClick = [this](TObject* s) { Button1Click(s); };

    Button2 = NewControl<TButton>(this, this, "Button2");
    Button2->SetCaption("Cancel");
    Button2->SetBounds(264, 40, 75, 25);
    Button2->OnClick = [this](TObject* s) { Button2Click(s); };

    ListView1 = NewControl<TListView>(this, this, "ListView1", 8, 8, 249, 145);
    for (const char* caption : kTemplates)
        ListView1->AddItem(caption, 0);
    ListView1->SetIcon(0, pageIcon());
    ListView1->OnClick = [this](TObject* s) { ListView1Click(s); };
    ListView1->OnDblClick = [this](TObject* s) { ListView1DblClick(s); };

    RichEdit1 = NewControl<TRichEdit>(this, this, "RichEdit1");
    RichEdit1->SetVisible(false);
    RichEdit1->PlainText = false;

    Label2 = NewControl<TLabel>(this, this, "Label2");
    Label2->SetVisible(false);
    Label2->SetCaption("Orvelin");

    OnActivate = [this](TObject* s) { FormActivate(s); };
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
