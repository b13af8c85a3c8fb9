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
#include "tests/support/MessageLoop.h"
#include "tests/support/MouseInput.h"
#include "tests/support/TempDir.h"
#include "widgets/MultiBaseEdit.h"
#include "widgets/TB97.h"
#include "widgets/URLLabel.h"
#include "widgets/explbtn.h"
#include "widgets/ita_Office97.h"

#include <QAbstractScrollArea>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>

namespace {

struct Kind {
    const char* name;
    // Makes the control on the panel, filled as a user would find it.
    std::function<TControl*(TComponent* owner, TWinControl* panel)> make;
    // Clicked away from the control's items, in its empty area.
    bool onEmptyArea = false;
};

template<class T>
std::function<TControl*(TComponent*, TWinControl*)> plain()
{
    return [](TComponent* owner, TWinControl* panel) { return NewControl<T>(owner, panel, "Control1", 10, 10, 120, 60); };
}

TempDir g_folder("dblclick");

TControl* fileList(TComponent* owner, TWinControl* panel)
{
    WriteFileBytes(g_folder.File("a.htm"), "x");
    auto* list = NewControl<TFileListBox>(owner, panel, "Control1", 10, 10, 120, 60);
    list->SetDirectory(g_folder.Path());
    return list;
}

TControl* tree(TComponent* owner, TWinControl* panel)
{
    auto* t = NewControl<TTreeView>(owner, panel, "Control1", 10, 10, 120, 60);
    t->AddChild(nullptr, "Products", -1, -1);
    return t;
}

TControl* listBox(TComponent* owner, TWinControl* panel)
{
    auto* list = NewControl<TListBox>(owner, panel, "Control1", 10, 10, 120, 60);
    list->SetItems({ "one" });
    return list;
}

TControl* listView(TComponent* owner, TWinControl* panel)
{
    auto* list = NewControl<TListView>(owner, panel, "Control1", 10, 10, 120, 60);
    list->AddItem("one");
    return list;
}

template<class T>
std::function<TControl*(TComponent*, TWinControl*)> latched()
{
    // These buttons answer a double click only while they are down.
    return [](TComponent* owner, TWinControl* panel) {
        auto* b = NewControl<T>(owner, panel, "Control1", 10, 10, 40, 22);
        b->SetGroupIndex(7);
        b->SetDown(true);
        return b;
    };
}

const Kind kKinds[] = {
    { "TLabel", plain<TLabel>() },
    { "TEdit", plain<TEdit>() },
    { "TButton", plain<TButton>() },
    { "TBitBtn", plain<TBitBtn>() },
    { "TCheckBox", plain<TCheckBox>() },
    { "TRadioButton", plain<TRadioButton>() },
    { "TComboBox", plain<TComboBox>() },
    { "TListBox", listBox },
    { "TListBox empty area", listBox, true },
    { "TListView", listView },
    { "TTreeView", tree },
    { "TTreeView empty area", tree, true },
    { "TFileListBox", fileList },
    { "TFileListBox empty area", fileList, true },
    { "TDirectoryListBox", plain<TDirectoryListBox>(), true },
    { "TDriveComboBox", plain<TDriveComboBox>() },
    { "TFilterComboBox", plain<TFilterComboBox>() },
    { "TMemo", plain<TMemo>() },
    { "TRichEdit", plain<TRichEdit>() },
    { "TPanel", plain<TPanel>() },
    { "TImage", plain<TImage>() },
    { "TBevel", plain<TBevel>() },
    { "TGroupBox", plain<TGroupBox>() },
    { "TStatusBar", plain<TStatusBar>() },
    { "TListView empty area", listView, true },
    { "TTrackBar", plain<TTrackBar>() },
    { "TCustomControl", plain<TCustomControl>() },
    { "TMultiBaseEdit", plain<TMultiBaseEdit>() },
    { "TURLLabel", plain<TURLLabel>() },
    { "TOfficeButton", plain<TOfficeButton>() },
    { "TToolbarButton97", latched<TToolbarButton97>() },
    { "TitaSpeedButton", latched<TitaSpeedButton>() },
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
    QWidget* w = control->Widget();
    QPoint at = GetParam().onEmptyArea ? QPoint(w->width() / 2, w->height() - 6) : QPoint(12, 8);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(w))
        at = area->viewport()->mapTo(w, GetParam().onEmptyArea ? QPoint(area->viewport()->width() / 2, area->viewport()->height() - 4) : QPoint(12, 8));
    DoubleClick(w, at.x(), at.y());
    ProcessPostedMessages();
    EXPECT_EQ(own, 1) << "the control's own handler";
    EXPECT_EQ(panels, 0) << "the handler of the panel it sits on";
}

INSTANTIATE_TEST_SUITE_P(EveryKind, DoubleClickTest, ::testing::ValuesIn(kKinds),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& c : name)
            if (c == ' ')
                c = '_';
        return name;
    });

}  // namespace
