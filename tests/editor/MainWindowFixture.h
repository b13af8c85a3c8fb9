#pragma once
// A main window and its New Template dialog, made fresh for each test, with
// every modal question answered from a script and every shown error kept;
// StartAll makes every dialog window of the program as start-up does, for
// tests of the commands that open them.

#include "dialogs/Unit3.h"
#include "dialogs/Unit5.h"
#include "dialogs/Unit9.h"
#include "dialogs/Unit17.h"
#include "dialogs/Unit18.h"
#include "dialogs/Unit22.h"
#include "dialogs/Unit24.h"
#include "generators/Unit10.h"
#include "generators/Unit13.h"
#include "generators/Unit14.h"
#include "dialogs/Unit6.h"
#include "dialogs/Unit7.h"
#include "dialogs/Unit8.h"
#include "dialogs/Unit11.h"
#include "dialogs/Unit12.h"
#include "dialogs/Unit19.h"
#include "dialogs/Unit20.h"
#include "dialogs/Unit21.h"
#include "dialogs/Unit23.h"
#include "dialogs/Unit25.h"
#include "dialogs/Unit26.h"
#include "dialogs/Unit28.h"
#include "editor/Unit27.h"
#include "editor/Unit4.h"
#include "editor/Unit1.h"
#include "generators/Unit2.h"
#include "platform/AppHooks.h"
#include "platform/Application.h"
#include "platform/Registry.h"
#include "tests/support/MouseInput.h"
#include "tests/support/ScriptedDesktop.h"

#include <QListWidget>
#include <QPlainTextEdit>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <tuple>

// The page's text, selection start and selection length, compared in one go.
using PageState = std::tuple<std::string, int, int>;
// The document as the window shows it: its path, whether it has changes,
// and whether Save is offered.
using DocumentState = std::tuple<std::string, bool, bool>;

class MainWindowTest : public ScriptedDesktopTest {
protected:
    // The program's settings key, made where `create` asks for it.
    static std::unique_ptr<TRegistry> Settings(bool create)
    {
        auto reg = std::make_unique<TRegistry>();
        reg->RootKey = HKEY_LOCAL_MACHINE;
        EXPECT_TRUE(reg->OpenKey("Software\\Corvana", create) || !create);
        return reg;
    }
    // Settings written before the window is made.
    static void SetSetting(const std::string& name, const std::string& value) { Settings(true)->WriteString(name, value); }
    static void SetSetting(const std::string& name, int value) { Settings(true)->WriteInteger(name, value); }
    static std::string StoredString(const std::string& name) { return Settings(false)->ReadString(name); }
    static int StoredInteger(const std::string& name) { return Settings(false)->ReadInteger(name); }
    static void ClearSetting(const std::string& name) { Settings(false)->DeleteValue(name); }

    // Makes the windows and shows the main one, as start-up does. The start-up
    // tip is off unless a test asks for it.
    void Start(bool tip = false)
    {
        if (!tip)
            SetSetting("Tip", "No");
        StartDesktop();
        MakeWindows();
    }
    // Makes the windows over the desktop there is and shows the main one.
    void MakeWindows()
    {
        Application->CreateForm(Form1);
        Application->CreateForm(Form2);
        Application->CreateForm(Form27);
        Form1->Show();
        ProcessPostedMessages();
    }
    // The windows that write into the page, made over the main window's.
    static auto overPage()
    {
        return std::tie(Form5, Form6, Form7, Form8, Form9, Form10, Form11, Form12, Form13, Form14, Form17, Form18, Form19, Form20,
            Form21, Form22, Form23, Form24, Form25, Form26, Form28);
    }
    void StartAll()
    {
        Start();
        Application->CreateForm(Form3);
        Application->CreateForm(Form4);
        std::apply([](auto*&... forms) { (Application->CreateForm(forms, Form1->Page()), ...); }, overPage());
        if (!InModal)
            InModal = [this](TForm* form) {
                Shown.push_back(form->Name);
                form->SetModalResult(mrCancel);
            };
        ProcessPostedMessages();
    }
    // The windows shown modally, by name, while no test sets InModal (each
    // is closed again at once).
    std::vector<std::string> Shown;

    void TearDown() override
    {
        ScriptedDesktopTest::TearDown();
        auto windows = std::tuple_cat(std::tie(Form1, Form2, Form3, Form4, Form27), overPage());
        std::apply([](auto*&... forms) { ((forms = nullptr), ...); }, windows);
        // The bars' stored places belong to one test.
        TRegistry().DeleteKey("Software\\Brelwick");
    }

    // Types a key into the editor as the keyboard would.
    void PressKey(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QString text;
        if (qtKey >= Qt::Key_Space && qtKey <= Qt::Key_AsciiTilde && !(modifiers & Qt::ControlModifier))
            text = QChar(qtKey).toLower();
        KeyOn(Form1->RichEdit1->Editor(), qtKey, modifiers, text);
    }
    // Ctrl+O in the editor, the file picked in the Open dialog (or the
    // dialog cancelled).
    void OpenFile(const std::optional<std::string>& path)
    {
        FileChoices = { path };
        PressKey(Qt::Key_O, Qt::ControlModifier);
    }
    // A page of the test's folder written with these bytes, then opened.
    std::string OpenPage(const std::string& name, const std::string& bytes)
    {
        std::string page = Dir.File(name);
        std::filesystem::create_directories(std::filesystem::path(page).parent_path());
        WriteFileBytes(page, bytes);
        OpenFile(page);
        return page;
    }
    // Runs the New command and answers the template dialog.
    void NewPage(int position, const char* title = nullptr)
    {
        InModal = [position, title](TForm* form) {
            auto* dialog = static_cast<TForm2*>(form);
            // As the user does it: a click on the item, the title typed in, OK (or Cancel).
            auto* list = static_cast<QListWidget*>(dialog->ListView1->Widget());
            if (position >= 0)
                ClickInView(list, list->visualItemRect(list->item(position)).center());
            if (title)
                EraseAndType(dialog->Edit1, title);
            ClickOn(position < 0 ? dialog->Button2 : dialog->Button1);
        };
        Do([this] { PressKey(Qt::Key_N, Qt::ControlModifier); });
        InModal = nullptr;
    }

    // The editor's text and selection, set or read at once.
    static void SetPage(const std::string& text, int selStart, int selLength = 0)
    {
        Form1->RichEdit1->SetText(text);
        Select(selStart, selLength);
    }
    static void Select(int start, int length)
    {
        Form1->RichEdit1->SetSelStart(start);
        Form1->RichEdit1->SetSelLength(length);
    }
    static PageState EditorState()
    {
        return { Form1->RichEdit1->Text(), Form1->RichEdit1->SelStart(), Form1->RichEdit1->SelLength() };
    }
    static DocumentState Document()
    {
        return { Form1->Edit1->Text(), Form1->RichEdit1->Modified(), Form1->ToolbarButton977->Enabled() };
    }
    // The main window's menu item of that name chosen as the user does: its
    // menu dropped by a click on the menu bar's button (or a right click on
    // `at`, the editor by default), then the item clicked, and each submenu
    // on the way. A menu's own name drops it and dismisses it.
    static void ChooseMenu(const std::string& name, TControl* at = nullptr)
    {
        TComponent* found = Form1->FindComponent(name);
        std::vector<std::string> captions;
        for (auto* item = dynamic_cast<TMenuItem*>(found); item; item = item->Parent())
            if (item->Parent())
                captions.insert(captions.begin(), item->Caption);
            else
                found = item->Owner();
        for (TitaMenuButton* bar : { Form1->itaMenuButton1, Form1->itaMenuButton2, Form1->itaMenuButton3,
                 Form1->itaMenuButton4, Form1->itaMenuButton5, Form1->itaMenuButton6 })
            if (bar->Menu == found)
                return ChooseFromMenu([bar] { ClickOn(bar); }, captions);
        ASSERT_EQ(found, at ? at->PopupMenu() : Form1->PopupMenu6) << name;
        QWidget* under = at ? at->Widget() : Form1->RichEdit1->Editor()->viewport();
        ChooseFromMenu([under] { RightClick(under, under->width() - 5, 10); }, captions);
    }
};
