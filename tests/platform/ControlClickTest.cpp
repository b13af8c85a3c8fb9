// A mouse click reaches OnClick for every kind of control, as the class
// library delivers it: clicked through the real widget, never by calling
// the handler.

#include "platform/ComCtrls.h"
#include "platform/ComboBox.h"
#include "platform/ExtCtrls.h"
#include "platform/Form.h"
#include "platform/GroupBox.h"
#include "platform/Memo.h"
#include "platform/StdCtrls.h"
#include "tests/support/MouseInput.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

// The widget the mouse meets: a scroll area's viewport, else the widget.
static QWidget* mouseTarget(TControl* c)
{
    auto* area = qobject_cast<QAbstractScrollArea*>(c->Widget());
    return area ? area->viewport() : c->Widget();
}

static void clickInside(TControl* c) { QTest::mouseClick(mouseTarget(c), Qt::LeftButton, {}, QPoint(5, 5)); }

static QListWidget* listOf(TControl* c) { return static_cast<QListWidget*>(c->Widget()); }

TEST(ControlClick, AMouseClickReachesOnClickForEveryControlKind)
{
    struct Case {
        const char* kind;
        std::function<TControl*(TForm*)> make;
        std::function<void(TControl*)> click = clickInside;
    };
    const Case cases[] = {
        { "label", [](TForm* f) { return NewControl<TLabel>(f, f, "Label1", 8, 8, 80, 20); } },
        { "panel", [](TForm* f) { return NewControl<TPanel>(f, f, "Panel1", 8, 8, 80, 40); } },
        { "image", [](TForm* f) { return NewControl<TImage>(f, f, "Image1", 8, 8, 40, 40); } },
        { "edit", [](TForm* f) { return NewControl<TEdit>(f, f, "Edit1", 8, 8, 80, 24); } },
        { "memo", [](TForm* f) { return NewControl<TMemo>(f, f, "Memo1", 8, 8, 120, 80); } },
        { "group box", [](TForm* f) { return NewControl<TGroupBox>(f, f, "GroupBox1", 8, 8, 120, 80); } },
        { "status bar", [](TForm* f) { return NewControl<TStatusBar>(f, f, "StatusBar1"); } },
        { "button", [](TForm* f) { return NewControl<TButton>(f, f, "Button1", 8, 8, 75, 25); } },
        { "check box", [](TForm* f) { return NewControl<TCheckBox>(f, f, "CheckBox1", 8, 8, 97, 17); } },
        { "list view, on an item",
            [](TForm* f) {
                auto* list = NewControl<TListView>(f, f, "ListView1", 8, 8, 249, 145);
                list->AddItem("one");
                list->AddItem("two");
                return list;
            },
            [](TControl* c) { ClickInView(listOf(c), listOf(c)->visualItemRect(listOf(c)->item(1)).center()); } },
        { "list view, between items",
            [](TForm* f) { return NewControl<TListView>(f, f, "ListView1", 8, 8, 249, 145); },
            [](TControl* c) { QTest::mouseClick(mouseTarget(c), Qt::LeftButton, {}, QPoint(240, 140)); } },
        { "combo box, an item picked from its list",
            [](TForm* f) {
                auto* box = NewControl<TComboBox>(f, f, "ComboBox1", 8, 8, 145, 24);
                box->SetItems({ "TOP", "LEFT" });
                return box;
            },
            [](TControl* c) {
                auto* box = static_cast<QComboBox*>(c->Widget());
                box->showPopup();
                ClickInView(box->view(), box->view()->visualRect(box->model()->index(1, 0)).center());
            } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        TForm form(nullptr);
        form.SetBounds(0, 0, 400, 300);
        TControl* control = c.make(&form);
        form.Show();
        std::vector<TObject*> clicked;
        control->OnClick = [&](TObject* sender) { clicked.push_back(sender); };
        c.click(control);
        EXPECT_EQ(clicked, std::vector<TObject*> { control });
        // The right button is no click.
        QTest::mouseClick(mouseTarget(control), Qt::RightButton, {}, QPoint(5, 5));
        EXPECT_EQ(clicked, std::vector<TObject*> { control });
        form.Hide();
    }
}
