// The designed layouts in the window font: the side panel's tabs at its
// designed width, every dialog's buttons inside the dialog, and a dialog
// that grows where it was centred.

#include "tests/editor/MainWindowFixture.h"

#include "platform/Graphics.h"
#include "platform/SysColors.h"

#include <QFontInfo>
#include <QTabBar>
#include <QToolButton>

#include <algorithm>

namespace {

// The captions a page control shows whole, and whether it offers arrows.
std::tuple<std::vector<std::string>, bool> tabsShown(TPageControl* control)
{
    std::vector<std::string> whole;
    auto* bar = control->Widget()->findChild<QTabBar*>();
    const QRect inControl(QPoint(0, 0), control->Widget()->size());
    for (int i = 0; i < bar->count(); ++i)
        if (inControl.contains(QRect(bar->mapTo(control->Widget(), bar->tabRect(i).topLeft()), bar->tabRect(i).size())))
            whole.push_back(bar->tabText(i).toStdString());
    return { whole, std::ranges::any_of(bar->findChildren<QToolButton*>(), &QWidget::isVisible) };
}

// Every visible button below `parent` whose rectangle leaves `client`.
void buttonsOutside(TWinControl* parent, QWidget* client, std::vector<std::string>& out)
{
    for (int i = 0; i < parent->ControlCount(); ++i) {
        auto* control = dynamic_cast<TWinControl*>(parent->Controls(i));
        if (!control || !control->Visible())
            continue;
        if (dynamic_cast<TButton*>(control)) {
            QWidget* w = control->Widget();
            QRect r(w->mapTo(client, QPoint(0, 0)), w->size());
            if (!client->rect().contains(r))
                out.push_back(control->Name + " at " + std::to_string(r.bottom() + 1) + " of " + std::to_string(client->height()));
        }
        buttonsOutside(control, client, out);
    }
}

using WindowLayoutTest = MainWindowTest;

struct DialogCase {
    const char* form;
    const char* tick = nullptr;  // a check box ticked first
};

class DialogButtonsTest : public MainWindowTest, public ::testing::WithParamInterface<DialogCase> {};

}

TEST_F(WindowLayoutTest, ThePanelShowsEveryTabAtItsDesignedWidth)
{
    StartAll();
    ASSERT_EQ(Form1->Panel3->Width(), 209);
    auto* bar = Form1->PageControl1->Widget()->findChild<QTabBar*>();
    ClickAt(bar, bar->tabRect(2).center());
    ASSERT_EQ(Form1->PageControl1->ActivePage(), Form1->TabSheet3);
    const std::pair<TPageControl*, std::vector<std::string>> cases[] = {
        { Form1->PageControl1, { "Web Pages", "Link to File", "Insert HTML" } },
        { Form1->PageControl2, { "Normal", "Fonts", "Applets", "Characters" } },
    };
    for (const auto& [control, tabs] : cases)
        EXPECT_EQ(tabsShown(control), std::tuple(tabs, false)) << control->Name;
    // The palettes' pages are in the button face behind their buttons.
    for (TTabSheet* page : { Form1->TabSheet4, Form1->TabSheet5, Form1->TabSheet7, Form1->TabSheet6 }) {
        QImage shot = page->Widget()->grab().toImage();
        EXPECT_EQ(FromQRgb(shot.pixel(shot.width() - 3, shot.height() - 3)), ColorToRGB(clBtnFace)) << page->Name;
    }
}

TEST_P(DialogButtonsTest, EveryButtonLiesWhollyInsideItsWindow)
{
    StartAll();
    auto* form = FindComponentAs<TForm>(Application, GetParam().form);
    std::vector<std::string> outside;
    InModal = [&](TForm* shown) {
        if (GetParam().tick)
            ClickOn(FindComponentAs<TCheckBox>(shown, GetParam().tick));
        buttonsOutside(shown, shown->ClientWidget(), outside);
        // The class library's window font: 8 points, 11 pixels high.
        EXPECT_EQ(QFontInfo(shown->Widget()->font()).pixelSize(), 11);
        shown->SetModalResult(mrCancel);
    };
    Do([form] { form->ShowModal(); });
    EXPECT_EQ(outside, std::vector<std::string> {});
}

INSTANTIATE_TEST_SUITE_P(Dialogs, DialogButtonsTest,
    ::testing::ValuesIn(std::vector<DialogCase> { { "Form2" }, { "Form3" }, { "Form4" }, { "Form5" }, { "Form6" }, { "Form7" },
        { "Form8" }, { "Form9" }, { "Form9", "CheckBox1" }, { "Form10" }, { "Form11" }, { "Form12" }, { "Form13" }, { "Form14" },
        { "Form17" }, { "Form18" }, { "Form19" }, { "Form20" }, { "Form21" }, { "Form22" }, { "Form23" }, { "Form24" },
        { "Form25" }, { "Form26" }, { "Form27" }, { "Form28" } }),
    [](const auto& info) { return std::string(info.param.form) + (info.param.tick ? "Ticked" : ""); });

TEST_F(WindowLayoutTest, PageTransferGrowsWhereItWasCentred)
{
    StartAll();
    std::vector<QPoint> places;
    InModal = [&](TForm*) {
        places.push_back(Form9->Widget()->geometry().topLeft());
        ClickOn(Form9->CheckBox1);
        ProcessPostedMessages();
        places.push_back(Form9->Widget()->geometry().topLeft());
        ClickOn(Form9->Button1);
    };
    Do([] { Form9->ShowModal(); });
    Do([] { Form9->ShowModal(); });
    ASSERT_EQ(places.size(), 4u);
    EXPECT_NE(places[0], QPoint(0, 0));
    EXPECT_EQ(places, std::vector<QPoint>(4, places[0]));
}
