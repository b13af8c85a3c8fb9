// The designed layouts in the window font: the side panel's tabs at its
// designed width, every dialog's buttons inside the dialog, and a dialog
// that grows where it was centred.

#include "tests/editor/AllWindowsFixture.h"

#include "platform/Graphics.h"
#include "platform/Messages.h"
#include "platform/SysColors.h"

#include <QFontInfo>
#include <QTabBar>
#include <QToolButton>

namespace {

// The captions a page control shows whole, and whether it offers arrows.
struct TabsShown {
    std::vector<std::string> whole;
    bool arrows = false;
};

TabsShown tabsShown(TPageControl* control)
{
    TabsShown shown;
    auto* bar = control->Widget()->findChild<QTabBar*>();
    const QRect inControl(QPoint(0, 0), control->Widget()->size());
    for (int i = 0; i < bar->count(); ++i)
        if (inControl.contains(QRect(bar->mapTo(control->Widget(), bar->tabRect(i).topLeft()), bar->tabRect(i).size())))
            shown.whole.push_back(bar->tabText(i).toStdString());
    for (auto* arrow : bar->findChildren<QToolButton*>())
        shown.arrows = shown.arrows || arrow->isVisible();
    return shown;
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

class WindowLayoutTest : public AllWindowsTest {};

struct DialogCase {
    const char* form;
    const char* tick;  // a check box ticked first, or nullptr
};

class DialogButtonsTest : public AllWindowsTest, public ::testing::WithParamInterface<DialogCase> {};

}

TEST_F(WindowLayoutTest, ThePanelShowsEveryTabAtItsDesignedWidth)
{
    StartAll();
    ASSERT_EQ(Form1->Panel3->Width(), 209);
    auto* bar = Form1->PageControl1->Widget()->findChild<QTabBar*>();
    ClickAt(bar, bar->tabRect(2).center());
    ASSERT_EQ(Form1->PageControl1->ActivePage(), Form1->TabSheet3);
    struct Case {
        TPageControl* control;
        std::vector<std::string> tabs;
    } cases[] = {
        { Form1->PageControl1, { "Web Pages", "Link to File", "Insert HTML" } },
        { Form1->PageControl2, { "Normal", "Fonts", "Applets", "Characters" } },
    };
    for (const Case& c : cases) {
        TabsShown shown = tabsShown(c.control);
        EXPECT_EQ(shown.whole, c.tabs);
        EXPECT_FALSE(shown.arrows) << c.control->Name;
    }
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
    ::testing::Values(DialogCase { "Form2", nullptr }, DialogCase { "Form3", nullptr }, DialogCase { "Form4", nullptr },
        DialogCase { "Form5", nullptr }, DialogCase { "Form6", nullptr }, DialogCase { "Form7", nullptr },
        DialogCase { "Form8", nullptr }, DialogCase { "Form9", nullptr }, DialogCase { "Form9", "CheckBox1" },
        DialogCase { "Form10", nullptr }, DialogCase { "Form11", nullptr }, DialogCase { "Form12", nullptr },
        DialogCase { "Form13", nullptr }, DialogCase { "Form14", nullptr }, DialogCase { "Form17", nullptr },
        DialogCase { "Form18", nullptr }, DialogCase { "Form19", nullptr }, DialogCase { "Form20", nullptr },
        DialogCase { "Form21", nullptr }, DialogCase { "Form22", nullptr }, DialogCase { "Form23", nullptr },
        DialogCase { "Form24", nullptr }, DialogCase { "Form25", nullptr }, DialogCase { "Form26", nullptr },
        DialogCase { "Form27", nullptr }, DialogCase { "Form28", nullptr }),
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
