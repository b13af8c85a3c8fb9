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

void check(TForm1* form, const char* item, bool on) { FindComponentAs<TMenuItem>(form, item)->Checked = on; }

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

void TForm1::MainToolbar1Click(TObject*)
{
    showOrHide(MainMenu);
    putUp(itaMenuButton6);
}

void TForm1::StandardToolbar1Click(TObject*)
{
    showOrHide(Standard);
    putUp(itaMenuButton6);
}

void TForm1::ButtonToolbar1Click(TObject*)
{
    showOrHide(Toolbar1);
    putUp(itaMenuButton6);
}

void TForm1::ShowHidePanel1Click(TObject* sender)
{
    itaPopupButton1Click(sender);
    itaPopupButton1->SetDown(Panel3->Visible());
    putUp(itaMenuButton6);
}

void TForm1::MainToolbar2Click(TObject*) { showOrHide(MainMenu); }

void TForm1::StandardToolbar2Click(TObject*) { showOrHide(Standard); }

void TForm1::MiscToolbar1Click(TObject*) { showOrHide(Toolbar1); }

void TForm1::MainToolbar3Click(TObject*) { showOrHide(MainMenu); }

void TForm1::StandardToolbar3Click(TObject*) { showOrHide(Standard); }

void TForm1::MiscToolbar2Click(TObject*) { showOrHide(Toolbar1); }

void TForm1::ShowHidePanel2Click(TObject* sender)
{
    itaPopupButton1Click(sender);
    itaPopupButton1->SetDown(Panel3->Visible());
}

void TForm1::PopupMenu7Popup(TObject*)
{
    check(this, "MainToolbar1", MainMenu->Visible());
    check(this, "StandardToolbar1", Standard->Visible());
    check(this, "ButtonToolbar1", Toolbar1->Visible());
    check(this, "ShowHidePanel1", Panel3->Visible());
}

void TForm1::PopupMenu8Popup(TObject*)
{
    check(this, "MainToolbar2", MainMenu->Visible());
    check(this, "StandardToolbar2", Standard->Visible());
    check(this, "MiscToolbar1", Toolbar1->Visible());
}

void TForm1::MainMenuFloat(TObject*)
{
    // The menu bar alone floats as wide as the window; other bars float as
    // wide as their buttons.
    MainMenu->SetWidth(Width() - 8);
    MainMenu->SetLeft(0);
}
