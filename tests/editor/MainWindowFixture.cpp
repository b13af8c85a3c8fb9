#include "tests/editor/MainWindowFixture.h"

#include <QListWidget>
#include <QPlainTextEdit>

#include <filesystem>

std::unique_ptr<TRegistry> MainWindowTest::Settings(bool create)
{
    auto reg = std::make_unique<TRegistry>();
    reg->RootKey = HKEY_LOCAL_MACHINE;
    EXPECT_TRUE(reg->OpenKey("Software\\Corvana", create) || !create);
    return reg;
}

void MainWindowTest::Start(bool tip)
{
    if (!tip)
        SetSetting("Tip", "No");
    StartDesktop();
    MakeWindows();
}

void MainWindowTest::MakeWindows()
{
    Application->CreateForm(Form1);
    Application->CreateForm(Form2);
    Application->CreateForm(Form27);
    Form1->Show();
    ProcessPostedMessages();
}

void MainWindowTest::TearDown()
{
    ScriptedDesktopTest::TearDown();
    std::tie(Form1, Form2, Form27) = std::tuple(nullptr, nullptr, nullptr);
    // The bars' stored places belong to one test.
    TRegistry().DeleteKey("Software\\Brelwick");
}

void MainWindowTest::PressKey(int qtKey, Qt::KeyboardModifiers modifiers)
{
    QString text;
    if (qtKey >= Qt::Key_Space && qtKey <= Qt::Key_AsciiTilde && !(modifiers & Qt::ControlModifier))
        text = QChar(qtKey).toLower();
    KeyOn(Form1->RichEdit1->Editor(), qtKey, modifiers, text);
}

void MainWindowTest::OpenFile(const std::optional<std::string>& path)
{
    FileChoices = { path };
    Form1->Open1Click(Form1);
}

std::string MainWindowTest::OpenPage(const std::string& name, const std::string& bytes)
{
    std::string page = Dir.File(name);
    std::filesystem::create_directories(std::filesystem::path(page).parent_path());
    WriteFileBytes(page, bytes);
    OpenFile(page);
    return page;
}

void MainWindowTest::NewPage(int position, const char* title)
{
    InModal = [position, title](TForm* form) {
        auto* dialog = static_cast<TForm2*>(form);
        if (position < 0) {
            ClickOn(dialog->Button2);
            return;
        }
        // As the user does it: a click on the item, the title typed in.
        auto* list = static_cast<QListWidget*>(dialog->ListView1->Widget());
        ClickInView(list, list->visualItemRect(list->item(position)).center());
        if (title) {
            KeyOn(dialog->Edit1, Qt::Key_A, Qt::ControlModifier);
            KeyOn(dialog->Edit1, Qt::Key_Backspace);
            TypeInto(dialog->Edit1, title);
        }
        ClickOn(dialog->Button1);
    };
    Do([] { Form1->New1Click(Form1); });
    InModal = nullptr;
}

void MainWindowTest::SetPage(const std::string& text, int selStart, int selLength)
{
    Form1->RichEdit1->SetText(text);
    Select(selStart, selLength);
}

void MainWindowTest::Select(int start, int length)
{
    Form1->RichEdit1->SetSelStart(start);
    Form1->RichEdit1->SetSelLength(length);
}

PageState MainWindowTest::EditorState()
{
    return { Form1->RichEdit1->Text(), Form1->RichEdit1->SelStart(), Form1->RichEdit1->SelLength() };
}

DocumentState MainWindowTest::Document()
{
    return { Form1->Edit1->Text(), Form1->RichEdit1->Modified(), Form1->ToolbarButton977->Enabled() };
}
