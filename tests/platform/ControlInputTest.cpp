// The user's mouse and keys on the class library's controls: a click
// reaches OnClick for every kind of control, through the real widget and
// never by calling the handler; a combo box keeps typed text as typed; a
// drag's data names the control it comes from.

#include "platform/ComCtrls.h"
#include "platform/ComboBox.h"
#include "platform/DragDrop.h"
#include "platform/Exception.h"
#include "platform/ExtCtrls.h"
#include "platform/Form.h"
#include "platform/GroupBox.h"
#include "platform/Memo.h"
#include "platform/StdCtrls.h"
#include "tests/support/MouseInput.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

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
        { "list view, between items", [](TForm* f) { return NewControl<TListView>(f, f, "ListView1", 8, 8, 249, 145); },
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

// The combo box: typed text and picked items, and its list kept apart from the edit.
TEST(ComboBox, ItemsDoNotFillTheEditAndTypedTextIsNoItem)
{
    TComboBox box(nullptr);
    using State = std::tuple<std::string, int, int>;
    auto after = [&](auto step) {
        step();
        return State { box.Text(), box.ItemIndex(), box.ItemCount() };
    };
    // Typed "left" is no item: items compare exactly.
    EXPECT_EQ((std::vector { after([&] { box.SetItems({ "TOP", "LEFT" }); }), after([&] { box.SetText("left"); }),
                  after([&] { box.AddItem("RIGHT"); }), after([&] { box.SetText("LEFT"); }), after([&] { box.SetItemIndex(2); }),
                  after([&] { box.SetItemIndex(-1); }) }),
        (std::vector<State> { { "", -1, 2 }, { "left", -1, 2 }, { "left", -1, 3 }, { "LEFT", 1, 3 }, { "RIGHT", 2, 3 },
            { "", -1, 3 } }));
}

TEST(ComboBox, ChangesAreReportedAndBadIndexesRaise)
{
    TComboBox box(nullptr);
    int changes = 0;
    box.OnChange = [&](TObject*) { ++changes; };
    box.SetItems({ "a", "b" });
    box.SetText("typed \xE9 bytes");
    EXPECT_EQ((std::tuple { box.Text(), changes >= 1 }), std::tuple("typed \xE9 bytes", true)) << changes;
    EXPECT_THROW(box.Items(2), EListError);
    EXPECT_THROW(box.Items(-1), EListError);
    box.ClearItems();
    EXPECT_EQ((std::tuple { box.ItemCount(), box.Text() }), std::tuple(0, "typed \xE9 bytes"));
}

TEST(ComboBox, TypedTextIsWrittenAsTypedNeverCompletedFromTheItems)
{
    for (const char* text : { "left", "L", "lef", "TOP2" }) {
        SCOPED_TRACE(text);
        TForm form(nullptr);
        auto* box = NewControl<TComboBox>(&form, &form, "ComboBox1", 8, 8, 145, 24);
        box->SetItems({ "TOP", "LEFT", "left-aligned" });
        form.Show();
        QLineEdit* edit = static_cast<QComboBox*>(box->Widget())->lineEdit();
        QTest::keyClicks(edit, text);
        EXPECT_EQ(box->Text(), text);
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_EQ((std::tuple { box->Text(), box->ItemIndex() }), std::tuple(text, -1));
        form.Hide();
    }
}

// A drag's data names its control while that control can be dragged; data
// from elsewhere names none. (Drops on a target are driven in the editor's
// side-panel tests.)
TEST(DragDrop, DataFromElsewhereOrAControlNoLongerDraggableNamesNoSource)
{
    TPanel source(nullptr);
    std::unique_ptr<QMimeData> before(DragData(&source));
    EXPECT_EQ(DragSource(before.get()), nullptr);
    SetDragMode(&source, dmAutomatic);
    std::unique_ptr<QMimeData> data(DragData(&source));
    QMimeData text;
    text.setText("hello");
    EXPECT_EQ((std::vector<TControl*> { DragSource(data.get()), DragSource(&text), DragSource(nullptr) }),
        (std::vector<TControl*> { &source, nullptr, nullptr }));
    SetDragMode(&source, dmManual);
    EXPECT_EQ(DragSource(data.get()), nullptr);
}

// The offscreen platform ends every drag at once, so the drop is the event
// the target receives from the desktop.
TEST(DragDrop, ATargetHearsDragsOfTheProgramsControlsOnly)
{
    TPanel window(nullptr);
    auto* source = NewControl<TPanel>(&window, &window, "Source", 10, 10, 100, 40);
    auto* target = NewControl<TMemo>(&window, &window, "Target", 10, 100, 200, 100);
    SetDragMode(source, dmAutomatic);
    std::vector<std::string> heard;
    SetDropHandlers(
        target,
        [&](TObject* sender, TObject* from, int, int, bool& accept) {
            heard.push_back(from == source && sender == target ? "over" : "over?");
            accept = true;
        },
        [&](TObject* sender, TObject* from, int, int) { heard.push_back(from == source && sender == target ? "drop" : "drop?"); });
    QWidget* to = target->Editor()->viewport();
    auto send = [&](QMimeData* data) {
        const bool taken = DragEnterAt(to, data, QPoint(5, 5));
        DropAt(to, data, QPoint(5, 5));
        return taken;
    };
    std::unique_ptr<QMimeData> ours(DragData(source));
    QMimeData text;
    text.setText("from another program");
    // The editor's own drop does not run.
    EXPECT_EQ((std::tuple { send(ours.get()), send(&text), heard, target->Text() }),
        std::tuple(true, false, std::vector<std::string> { "over", "drop" }, ""));
}
