// Windows and controls: ownership and the guard that sees a handler free
// its raiser, the Align rules, modal showing and closing, shortcut routing,
// dialog keys and windows built from their design.

#include "platform/Application.h"
#include "platform/Exception.h"
#include "platform/Form.h"
#include "platform/FormBuilder.h"
#include "platform/Menus.h"
#include "platform/Messages.h"
#include "platform/RichEdit.h"
#include "platform/StdCtrls.h"
#include "tests/support/MessageLoop.h"
#include "tests/support/MouseInput.h"
#include "tests/support/ThrownMessage.h"

#include <QApplication>
#include <QTimer>
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <unistd.h>
#include <utility>

namespace {

// Shows the window and waits until the desktop has made it the active one.
bool ShownActive(TForm& form)
{
    form.Show();
    return RunUntil([&] { return form.Active(); }, 2000);
}

struct Probe : TComponent {
    Probe(TComponent* owner, int& freed) : TComponent(owner), m_freed(freed) {}
    ~Probe() override { ++m_freed; }
    int& m_freed;
};

// The raiser's own pattern: guard, call out, look before going on.
struct TRaiser : TComponent {
    using TComponent::TComponent;
    std::function<void()> OnFire = [] {};
    bool Fire()
    {
        auto alive = AliveGuard();
        OnFire();
        return bool(alive);
    }
};

// A window built from its design: two edits and a button, Tab going backwards.
struct Window : TDesignedForm {
    Window() : TDesignedForm(nullptr, "Window", "A window", 7, 200, 100)
    {
        NewEdit(this, "Edit1", 8, 8, 100, "text");
        NewButton(this, "Button1", "OK", 8, 40, Method(this, &Window::Button1Click));
        NewEdit(this, "Edit2", 120, 8, 60);
        SetTabOrder({ FindComponentAs<TEdit>("Edit2"), FindComponentAs<TButton>("Button1"), FindComponentAs<TEdit>("Edit1") });
    }
    void Button1Click(TObject*) { ++Clicks; }
    int Clicks = 0;
};

}

TEST(Component, OwnerFreesWhatItOwnsWhateverParentItHas)
{
    int freed = 0;
    auto* owner = new TForm(nullptr);
    auto* other = new TForm(nullptr);
    auto* edit = new TEdit(owner);
    edit->SetParent(other);  // owned by one window, shown in the other
    new Probe(owner, freed);
    new Probe(new Probe(owner, freed), freed);
    delete owner;
    EXPECT_EQ((std::tuple { freed, other->ControlCount() }), std::tuple(3, 0)) << "a freed control leaves its parent";
    delete other;
}

TEST(AliveGuard, ReportsGoneWhenTheHandlerFreesItsOwnRaiser)
{
    auto* owner = new TComponent(nullptr);
    auto* raiser = new TRaiser(owner);
    auto* sibling = new TRaiser(owner);
    auto siblingAlive = sibling->AliveGuard();
    raiser->OnFire = [raiser] { delete raiser; };
    EXPECT_EQ((std::tuple { raiser->Fire(), bool(siblingAlive), sibling->Fire() }), std::tuple(false, true, true));
    // Freed with its owner, the guard goes too; an empty guard never was alive.
    delete owner;
    EXPECT_EQ((std::tuple { bool(siblingAlive), bool(TAliveGuard()) }), std::tuple(false, false));
}

TEST(Align, TopBottomLeftRightThenClient)
{
    TForm form(nullptr);
    form.SetClientSize(400, 300);
    auto make = [&](TAlign align, int w, int h) {
        auto* c = NewControl<TEdit>(&form, &form, "", 0, 0, w, h);
        c->SetAlign(align);
        return c;
    };
    // Braces make them in this order.
    auto [client, top, bottom, left, right] = std::tuple { make(alClient, 10, 10), make(alTop, 10, 30), make(alBottom, 10, 20),
        make(alLeft, 100, 10), make(alRight, 50, 10) };
    using Box = std::array<int, 4>;  // left, top, width, height
    using Boxes = std::vector<Box>;
    auto box = [](TControl* c) { return Box { c->Left(), c->Top(), c->Width(), c->Height() }; };
    EXPECT_EQ((Boxes { box(top), box(bottom), box(left), box(right), box(client) }),
        (Boxes { { 0, 0, 400, 30 }, { 0, 280, 400, 20 }, { 0, 30, 100, 250 }, { 350, 30, 50, 250 }, { 100, 30, 250, 250 } }));

    // Hiding a control gives its room to the others.
    left->SetVisible(false);
    EXPECT_EQ(box(client), (Box { 0, 30, 350, 250 }));
    // A wider right-aligned control narrows the client one.
    right->SetWidth(150);
    EXPECT_EQ((Boxes { box(right), box(client) }), (Boxes { { 250, 30, 150, 250 }, { 0, 30, 250, 250 } }));
}

TEST(Form, ShowModalRunsUntilAResultAndAsksOnCloseQuery)
{
    TForm form(nullptr);
    auto* ok = NewControl<TButton>(&form, &form, "ok");
    ok->ModalResult = mrOk;
    int asked = 0;
    form.OnCloseQuery = [&](TObject*, bool& canClose) { canClose = ++asked > 1; };
    TForm::ModalResponder = [&](TForm* f) {
        EXPECT_EQ(f, &form);
        ok->Click();  // refused the first time
        PostCall([ok] { ok->Click(); });
    };
    EXPECT_EQ((std::tuple { form.ShowModal(), asked, form.Visible() }), std::tuple(mrOk, 2, false));
    // Close on a modal window cancels it.
    TForm::ModalResponder = [](TForm* f) { f->Close(); };
    EXPECT_EQ(form.ShowModal(), mrCancel);
    TForm::ModalResponder = nullptr;
}

TEST(Form, AModalWindowNeitherStartsNorWaitsOnceTheProgramIsEnding)
{
    // What runs before the window with no loop running, what runs in it, whether it shows.
    auto none = [] {};
    const std::tuple<const char*, std::function<void()>, std::function<void()>, bool> cases[] = {
        { "terminated before", [] { Application->Terminate(); }, none, false },
        { "terminated from inside", none, [] { Application->Terminate(); }, true },
        { "quit asked of Qt from inside", none, [] { QCoreApplication::exit(0); }, true },
        // What an earlier program run left in the same process: every event
        // loop returns at once.
        { "quit left over from before", [] { QCoreApplication::exit(0); }, none, false },
    };
    for (const auto& [name, before, inModal, shows] : cases) {
        SCOPED_TRACE(name);
        TApplication* saved = std::exchange(Application, new TApplication);
        TForm form(nullptr);
        bool shown = false;
        TForm::ModalResponder = [&](TForm*) {
            shown = true;
            inModal();
        };
        before();
        alarm(20);  // a spinning loop fails the run instead of hanging it
        EXPECT_EQ((std::tuple { form.ShowModal(), shown, form.Visible() }), std::tuple(mrCancel, shows, false));
        alarm(0);
        TForm::ModalResponder = nullptr;
        delete std::exchange(Application, saved);
        // The application loop clears Qt's quit request when it ends.
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
    }
}

TEST(Form, EnterAndEscapeReachOnlyDefaultAndCancelButtons)
{
    TForm form(nullptr);
    auto* edit = NewControl<TEdit>(&form, &form, "edit");
    auto* memo = NewControl<TRichEdit>(&form, &form, "memo");
    auto* plain = NewControl<TButton>(&form, &form, "plain");
    int plainClicks = 0, okClicks = 0, cancelClicks = 0;
    plain->OnClick = [&](TObject*) { ++plainClicks; };
    KeyOn(edit, Qt::Key_Return);
    KeyOn(edit, Qt::Key_Escape);
    EXPECT_EQ(plainClicks, 0);

    auto* ok = NewControl<TButton>(&form, &form, "ok");
    ok->Default = true;
    ok->OnClick = [&](TObject*) { ++okClicks; };
    auto* cancel = NewControl<TButton>(&form, &form, "cancel");
    cancel->Cancel = true;
    cancel->OnClick = [&](TObject*) { ++cancelClicks; };
    KeyOn(edit, Qt::Key_Return);
    KeyOn(edit, Qt::Key_Escape);
    EXPECT_EQ((std::tuple { okClicks, cancelClicks }), std::tuple(1, 1));
    // A multi-line editor keeps Enter for its own line breaks.
    KeyOn(memo, Qt::Key_Return);
    EXPECT_EQ((std::tuple { okClicks, plainClicks }), std::tuple(1, 0));
}

TEST(Form, ShortcutsGoToTheFocusedControlsPopupMenuFirstAndRunOnce)
{
    TForm form(nullptr);
    auto* editor = NewControl<TRichEdit>(&form, &form, "editor");
    auto* popup = new TPopupMenu(&form);
    form.Menu = new TMainMenu(&form);
    editor->SetPopupMenu(popup);
    int fromPopup = 0, fromMain = 0, keyDowns = 0;
    NewItem(&form, popup->Items(), "Save2", "Save", TextToShortCut("Ctrl+S"), [&](TObject*) { ++fromPopup; });
    NewItem(&form, form.Menu->Items(), "Save3", "Save", TextToShortCut("Ctrl+S"), [&](TObject*) { ++fromMain; });
    NewItem(&form, form.Menu->Items(), "New3", "New", TextToShortCut("Ctrl+N"), [&](TObject*) { ++fromMain; });
    auto* off = NewItem(&form, popup->Items(), "Cut2", "Cut", TextToShortCut("Ctrl+X"), [&](TObject*) { ++fromPopup; });
    off->Enabled = false;
    editor->OnKeyDown = [&](TObject*, std::uint16_t&, TShiftState) { ++keyDowns; };

    KeyOn(editor, Qt::Key_S, Qt::ControlModifier);
    // A key a menu took is no key for the control.
    EXPECT_EQ((std::tuple { fromPopup, fromMain, keyDowns }), std::tuple(1, 0, 0));
    KeyOn(editor, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(fromMain, 1);
    // A disabled item leaves its key to the control.
    KeyOn(editor, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ((std::tuple { fromPopup, keyDowns }), std::tuple(1, 1));
}

TEST(Form, AnExceptionInTheCreationHandlerIsShownAndStartUpGoesOn)
{
    std::vector<std::string> shown;
    Application->OnException = [&](TObject*, const std::exception& e) { shown.push_back(e.what()); };
    struct Broken : TForm {
        explicit Broken(TComponent* owner) : TForm(owner)
        {
            OnCreate = [](TObject*) { throw EFOpenError(Msg::FOpenError("/nowhere/Corvana.bmp")); };
        }
    };
    Broken* first = nullptr;
    TForm* second = nullptr;
    Application->CreateForm(first);
    Application->CreateForm(second);
    EXPECT_EQ((std::tuple { shown, Application->MainForm() }),
        std::tuple(std::vector<std::string> { "Cannot open file /nowhere/Corvana.bmp" }, (TForm*)first));
    delete second;
    delete first;
    EXPECT_EQ(Application->MainForm(), nullptr);
    Application->OnException = nullptr;
}

TEST(Form, OnActivateFiresWhenAnotherWindowOfTheProgramHandsOver)
{
    TForm first(nullptr), second(nullptr);
    int firstActivated = 0, secondActivated = 0;
    first.OnActivate = [&](TObject*) { ++firstActivated; };
    second.OnActivate = [&](TObject*) { ++secondActivated; };
    ASSERT_TRUE(ShownActive(first)) << "this platform does not activate windows";
    EXPECT_EQ(firstActivated, 1);
    ASSERT_TRUE(ShownActive(second));
    EXPECT_EQ(secondActivated, 1);
    second.Hide();
    first.Widget()->activateWindow();
    ASSERT_TRUE(RunUntil([&] { return first.Active(); }, 2000));
    EXPECT_EQ(firstActivated, 2) << "activation handed over by the second window";
}

TEST(Form, OnActivateFiresWhenTheWindowActiveLastWasFreed)
{
    int activated = 0;
    TForm next(nullptr);
    next.OnActivate = [&](TObject*) { ++activated; };
    {
        TForm gone(nullptr);
        ASSERT_TRUE(ShownActive(gone)) << "this platform does not activate windows";
    }
    ASSERT_TRUE(ShownActive(next));
    EXPECT_EQ(activated, 1) << "the freed window handed activation over";
}

TEST(FormBuilder, TheCheckedLookUpNamesWhatIsMissingOrOfAnotherClass)
{
    Window w;
    EXPECT_EQ(w.FindComponentAs<TEdit>("edit1")->Text(), "text") << "names are found regardless of case";
    const std::string missing = ThrownMessage<EComponentError>([&] { w.FindComponentAs<TEdit>("Edit9"); });
    const std::string otherClass = ThrownMessage<EComponentError>([&] { w.FindComponentAs<TButton>("Edit1"); });
    EXPECT_EQ((std::tuple { missing.rfind("Component \"Edit9\" not found", 0),
                  otherClass.rfind("Component \"Edit1\" is not a", 0) }),
        std::tuple(0u, 0u)) << missing << "; " << otherClass;
    w.FindComponentAs<TButton>("Button1")->Click();
    // The button runs the window's method, and Tab goes as designed.
    QWidget* edit2 = w.FindComponentAs<TEdit>("Edit2")->Widget();
    EXPECT_EQ((std::tuple { w.Clicks, w.HelpContext, edit2->nextInFocusChain(), w.ClientWidth() }),
        std::tuple(1, 7, w.FindComponentAs<TButton>("Button1")->Widget(), 200));
}

TEST(FormBuilder, AToolWindowShowsAsOne)
{
    for (TFormBorderStyle border : { bsToolWindow, bsSizeToolWin, bsDialog }) {
        TDesignedForm form(nullptr, "Floating", "Bar", 0, 213, 61, border);
        form.Show();
        EXPECT_EQ(form.Widget()->windowType() == Qt::Tool, border != bsDialog) << border;
    }
}
