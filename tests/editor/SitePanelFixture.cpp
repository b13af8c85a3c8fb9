#include "tests/editor/SitePanelFixture.h"

#include "platform/DragDrop.h"

#include <QComboBox>
#include <QMimeData>
#include <QPlainTextEdit>

bool SitePanelTest::Drop(TControl* source)
{
    QWidget* target = Form1->RichEdit1->Editor()->viewport();
    std::unique_ptr<QMimeData> data(source ? DragData(source) : new QMimeData);
    if (!source)
        data->setText("from elsewhere");
    if (!DragEnterAt(target, data.get(), { 20, 20 }))
        return false;
    Do([&] { DropAt(target, data.get(), { 20, 20 }); });
    return true;
}

void SitePanelTest::Answer(int choice)
{
    InModal = [this, choice](TForm* form) {
        ++StyleAsked;
        if (choice == -2) {
            form->Close();
            return;
        }
        auto* dialog = static_cast<TForm3*>(form);
        if (choice == -1) {
            ClickOn(dialog->Button2);
            return;
        }
        static_cast<QComboBox*>(dialog->ComboBox1->Widget())->setCurrentIndex(choice);
        ClickOn(dialog->Button1);
    };
}
