// The view options: which toolbars show, whether the side panel shows, and
// the case new markup is written in.

#include "editor/Settings.h"
#include "editor/Unit1.h"
#include "platform/FormBuilder.h"

namespace {

void showOrHide(TitaToolBar* bar)
{
    if (bar->Visible())
        bar->Hide();
    else
        bar->Show();
}

}  // namespace

void TForm1::itaPopupButton1Click(TObject*)
{
    TSettingsKey key;
    if (Panel3->Visible()) {
        m_settingsWriter.Integer(key, "Panel", 1);
        Panel3->SetVisible(false);
        RichEdit1->SetAlign(alClient);
    } else {
        m_settingsWriter.Integer(key, "Panel", 2);
        Panel3->SetVisible(true);
        RichEdit1->SetAlign(alRight);
        // Beside the panel at once, not at the next resize.
        RichEdit1->SetWidth(ClientWidth() - 209);
    }
}

void TForm1::itaPopupButton2Click(TObject*)
{
    TSettingsKey key;
    if (Edit4->Text() == "Upercase") {
        m_settingsWriter.String(key, "Upercase", "No");
        Edit4->SetText("Lowercase");
    } else {
        m_settingsWriter.String(key, "Upercase", "Yes");
        Edit4->SetText("Upercase");
    }
}

void TForm1::MainToolbar2Click(TObject*) { showOrHide(MainMenu); }

void TForm1::StandardToolbar2Click(TObject*) { showOrHide(Standard); }

void TForm1::MiscToolbar1Click(TObject*) { showOrHide(Toolbar1); }

void TForm1::ShowHidePanel2Click(TObject* sender)
{
    itaPopupButton1Click(sender);
    itaPopupButton1->SetDown(Panel3->Visible());
}

void TForm1::PopupMenu7Popup(TObject*) { checkViewItems("MainToolbar1", "StandardToolbar1", "ButtonToolbar1", "ShowHidePanel1"); }

void TForm1::PopupMenu8Popup(TObject*) { checkViewItems("MainToolbar2", "StandardToolbar2", "MiscToolbar1", nullptr); }

void TForm1::checkViewItems(const char* mainBar, const char* standardBar, const char* miscBar, const char* panel)
{
    for (auto [item, on] : { std::pair { mainBar, MainMenu->Visible() }, { standardBar, Standard->Visible() },
             { miscBar, Toolbar1->Visible() }, { panel, Panel3->Visible() } })
        if (item)
            FindComponentAs<TMenuItem>(item)->Checked = on;
}

void TForm1::MainMenuFloat(TObject*)
{
    // The menu bar alone floats as wide as the window; other bars float as
    // wide as their buttons.
    MainMenu->SetWidth(Width() - 8);
    MainMenu->SetLeft(0);
}
