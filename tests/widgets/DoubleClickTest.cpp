// A double click of the mouse on every kind of control runs the control's
// OnDblClick once, and nothing of the panel it sits on.

#include "platform/BitBtn.h"
#include "platform/ComCtrls.h"
#include "platform/ComboBox.h"
#include "platform/ExtCtrls.h"
#include "platform/FileCtrl.h"
#include "platform/Form.h"
#include "platform/GroupBox.h"
#include "platform/ListBox.h"
#include "platform/RadioButton.h"
#include "platform/RichEdit.h"
#include "platform/TrackBar.h"
#include "platform/TreeView.h"
#include "platform/Messages.h"
#include "tests/support/MouseInput.h"
#include "tests/support/TempDir.h"
#include "widgets/MultiBaseEdit.h"
#include "widgets/TB97.h"
#include "widgets/URLLabel.h"
#include "widgets/explbtn.h"
#include "widgets/ita_Office97.h"

#include <QAbstractScrollArea>
#include <QString>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <tuple>

namespace {

using TMake = std::function<TControl*(TComponent* owner, TWinControl* panel)>;

struct Kind {
    const char* name;
    TMake make;
    // Clicked away from the control's items, in its empty area.
    bool onEmptyArea = false;
};

// A control of that kind on the panel, filled as a user would find it.
template<class T>
TMake with(std::function<void(T*)> fill = {})
{
    return [fill](TComponent* owner, TWinControl* panel) {
        auto* c = NewControl<T>(owner, panel, "Control1", 10, 10, 120, 60);
        if (fill)
            fill(c);
        return c;
    };
}

TempDir g_folder("dblclick");

const TMake fileList = with<TFileListBox>([](TFileListBox* list) {
    WriteFileBytes(g_folder.File("a.htm"), "x");
    list->SetDirectory(g_folder.Path());
});
const TMake tree = with<TTreeView>([](TTreeView* t) { t->AddChild(nullptr, "Products", -1, -1); });
const TMake listBox = with<TListBox>([](TListBox* list) { list->SetItems({ "one" }); });
const TMake listView = with<TListView>([](TListView* list) { list->AddItem("one"); });

// These buttons answer a double click only while they are down.
const auto latch = [](auto* b) {
    b->SetGroupIndex(7);
    b->SetDown(true);
};

const Kind kKinds[] = {
    { "TLabel", with<TLabel>() }, { "TEdit", with<TEdit>() }, { "TButton", with<TButton>() }, { "TBitBtn", with<TBitBtn>() },
    { "TCheckBox", with<TCheckBox>() }, { "TRadioButton", with<TRadioButton>() }, { "TComboBox", with<TComboBox>() },
    { "TListBox", listBox }, { "TListBox empty area", listBox, true }, { "TListView", listView }, { "TTreeView", tree },
    { "TTreeView empty area", tree, true }, { "TFileListBox", fileList }, { "TFileListBox empty area", fileList, true },
    { "TDirectoryListBox", with<TDirectoryListBox>(), true }, { "TDriveComboBox", with<TDriveComboBox>() },
    { "TFilterComboBox", with<TFilterComboBox>() }, { "TMemo", with<TMemo>() }, { "TRichEdit", with<TRichEdit>() },
    { "TPanel", with<TPanel>() }, { "TImage", with<TImage>() }, { "TBevel", with<TBevel>() },
    { "TGroupBox", with<TGroupBox>() }, { "TStatusBar", with<TStatusBar>() }, { "TListView empty area", listView, true },
    { "TTrackBar", with<TTrackBar>() }, { "TCustomControl", with<TCustomControl>() },
    { "TMultiBaseEdit", with<TMultiBaseEdit>() }, { "TURLLabel", with<TURLLabel>() },
    { "TOfficeButton", with<TOfficeButton>() }, { "TToolbarButton97", with<TToolbarButton97>(latch) },
    { "TitaSpeedButton", with<TitaSpeedButton>(latch) },
};

void PrintTo(const Kind& k, std::ostream* os) { *os << k.name; }

class DoubleClickTest : public ::testing::TestWithParam<Kind> {};

TEST_P(DoubleClickTest, RunsTheControlsHandlerOnceAndNotThePanels)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* panel = NewControl<TPanel>(&form, &form, "Panel1", 0, 0, 250, 150);
    TControl* control = GetParam().make(&form, panel);
    int own = 0, panels = 0;
    control->OnDblClick = [&](TObject*) { ++own; };
    panel->OnDblClick = [&](TObject*) { ++panels; };
    form.Show();
    ProcessPostedMessages();
    // In a scrolling view, the point is one of its item area.
    QWidget* w = control->Widget();
    auto* area = qobject_cast<QAbstractScrollArea*>(w);
    QWidget* inner = area ? area->viewport() : w;
    QPoint empty(inner->width() / 2, inner->height() - (area ? 4 : 6));
    QPoint at = inner->mapTo(w, GetParam().onEmptyArea ? empty : QPoint(12, 8));
    DoubleClick(w, at.x(), at.y());
    ProcessPostedMessages();
    EXPECT_EQ(std::tuple(own, panels), std::tuple(1, 0)) << "the control's own handler, and that of the panel it sits on";
}

INSTANTIATE_TEST_SUITE_P(EveryKind, DoubleClickTest, ::testing::ValuesIn(kKinds),
    [](const auto& info) { return QString(info.param.name).replace(' ', '_').toStdString(); });

}  // namespace
