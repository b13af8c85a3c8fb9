#include "editor/Unit27.h"

#include "editor/Settings.h"
#include "editor/Unit1.h"
#include "platform/Application.h"
#include "platform/Exception.h"
#include "platform/IniFiles.h"
#include "platform/StrUtils.h"

#include <QPlainTextEdit>

#include <optional>

TForm27* Form27 = nullptr;

namespace {

// A decimal number, or nothing.
std::optional<long long> number(const std::string& text)
{
    try {
        return StrToInt(text);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

}

TForm27::TForm27(TComponent* owner)
    : TDesignedForm(owner, "Form27", "Tip of the Day", 0, 400, 230)
{
    Panel1 = NewControl<TPanel>(this, this, "Panel1", 8, 8, 65, 177);
    Panel1->SetBevelOuter(bvNone);
    Panel1->SetColor(0x7F7F7F);
    Image1 = NewControl<TImage>(this, Panel1, "Image1", 16, 16, 33, 33);
    Image2 = NewControl<TImage>(this, this, "Image2", 73, 8, 319, 33);
    Image2->SetStretch(true);
    Panel2 = NewControl<TPanel>(this, this, "Panel2", 73, 8, 319, 177);
    Panel2->SetBevelOuter(bvNone);
    Panel2->SetColor(clWhite);
    Panel2->SetCaption("");
    auto* heading = NewControl<TLabel>(this, Panel2, "Label1", 12, 10, 200, 24);
    heading->SetFontBold(true);
    heading->SetFontHeight(17);
    heading->SetCaption("Did you know...");
    RichEdit1 = NewControl<TRichEdit>(this, Panel2, "RichEdit1", 12, 44, 295, 121);
    RichEdit1->PlainText = true;
    RichEdit1->SetReadOnly(true);
    RichEdit1->SetEnabled(false);
    // Disabled, the tip must still read as plain black text on white.
    QPlainTextEdit* text = RichEdit1->Editor();
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text->setFrameShape(QFrame::NoFrame);
    QPalette palette = text->palette();
    palette.setColor(QPalette::Disabled, QPalette::Text, Qt::black);
    palette.setColor(QPalette::Disabled, QPalette::Base, Qt::white);
    text->setPalette(palette);

    CheckBox1 = NewCheckBox(this, "CheckBox1", "Show tip at startup", 8, 197, 160);
    CheckBox1->SetChecked(true);
    Button1 = NewButton(this, "Button1", "Next Tip", 236, 193, Method(this, &TForm27::Button1Click));
    Button1->Default = true;
    Button2 = NewButton(this, "Button2", "Close", 317, 193, Method(this, &TForm27::Button2Click));
    Edit1 = NewControl<TEdit>(this, this, "Edit1");
    Edit1->SetVisible(false);

    OnShow = Method(this, &TForm27::FormShow);
}

void TForm27::FormShow(TObject*)
{
    {
        TSettingsKey key;
        CheckBox1->SetChecked(Form1->SettingsReader().String(key, "Tip") != "No");
    }
    // A tips file that cannot be read is reported, and the window still
    // shows.
    try {
        Button1Click(this);
    } catch (...) {
        Application->HandleException(this);
    }
}

void TForm27::Button1Click(TObject*)
{
    std::string fileName = Form1->Edit3->Text() + "/Tips.dat";
    TIniFile ini(fileName);
    std::string items = ini.ReadString(kSection, kItems, Edit1->Text());
    std::optional<long long> last = number(items);
    if (!last || *last < 0)
        throw EConvertError("The tips file " + fileName + " has no usable \"Items\" value ('" + items + "').");
    Edit1->SetText(items);

    TSettingsKey key;
    // A stored number that is not one of the file's tips starts again at
    // the first.
    long long n = 0;
    if (key->ValueExists("TNumber"))
        n = number(Form1->SettingsReader().String(key, "TNumber")).value_or(0);
    if (n < 0 || n > *last)
        n = 0;
    RichEdit1->SetText(ini.ReadString(kSection, IntToStr(n), IntToStr(n)));
    n = n >= *last ? 0 : n + 1;
    Form1->SettingsWriter().String(key, "TNumber", IntToStr(n));
}

void TForm27::Button2Click(TObject*)
{
    {
        TSettingsKey key;
        Form1->SettingsWriter().String(key, "Tip", CheckBox1->Checked() ? "Yes" : "No");
    }
    Close();
}
