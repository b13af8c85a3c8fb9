// The New command and its New Template dialog.

#include "tests/editor/MainWindowFixture.h"

#include "generators/PageSkeleton.h"
#include "platform/FileIO.h"

TEST_F(MainWindowTest, DefaultTemplateWritesTheSkeletonWithTheTypedTitle)
{
    Start();
    OpenPage("open.htm", "open");
    Form1->ToolbarButton977->SetEnabled(true);

    NewPage(1, "My <b>&</b> page");
    EXPECT_EQ(std::tuple(Form1->RichEdit1->Text(), Document()),
        std::tuple(PageSkeleton(true, "My <b>&</b> page"), DocumentState { "Untitled", false, false }));
    EXPECT_EQ(std::tuple(Form2->Edit1->Text(), Form2->Edit1->Enabled(), Form2->Label2->Caption()),
        std::tuple("Place your title here", true, "Orvelin"));

    NewPage(1, "");
    EXPECT_NE(Form1->RichEdit1->Text().find("<TITLE></TITLE>"), std::string::npos);
}

TEST_F(MainWindowTest, DefaultTemplateFollowsTheTagCase)
{
    SetSetting("Upercase", "No");
    Start();
    NewPage(1);
    EXPECT_EQ(Form1->RichEdit1->Text(), PageSkeleton(false, "Place your title here"));
}

TEST_F(MainWindowTest, BlankDocumentStartsAnUntitledUnchangedPage)
{
    Start();
    OpenPage("keep.htm", "keep");
    NewPage(0);
    EXPECT_EQ(std::tuple(Form1->RichEdit1->Text(), Form1->Edit1->Text(), Form1->RichEdit1->Modified(), Form2->Edit1->Enabled()),
        std::tuple("", "Untitled", false, false));

    // A later Save asks for a name instead of overwriting the old file.
    PressKey(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(std::tuple(ReadFileBytes(Dir.File("keep.htm")), FileDialogTitles.size()), std::tuple("keep", 2u));
}

TEST_F(MainWindowTest, AlphabeticalReadsTheTemplateOfTheTagCase)
{
    Start();
    NewPage(2);
    std::string upper = ReadFileBytes(Form1->Edit3->Text() + "/Alphabet.lat");
    ASSERT_FALSE(upper.empty());
    EXPECT_EQ(std::tuple(Form1->RichEdit1->Text(), Form2->RichEdit1->Text(), Form1->Edit1->Text()),
        std::tuple(ToEditorText(upper), "", "Untitled"));

    SetSetting("Upercase", "No");
    Start();
    NewPage(2);
    EXPECT_EQ(Form1->RichEdit1->Text(), ToEditorText(ReadFileBytes(Form1->Edit3->Text() + "/Alphabet2.lat")));
}

TEST_F(MainWindowTest, AMissingTemplateIsShownAndThePageStays)
{
    Start();
    Form1->Edit3->SetText(Dir.Path());
    std::string before = Form1->RichEdit1->Text();
    NewPage(2);
    EXPECT_EQ(std::tuple(Errors, Form1->RichEdit1->Text(), Form2->Label2->Caption()),
        std::tuple(std::vector { "Cannot open file " + Dir.File("Alphabet.lat") }, before, "Orvelin"));
}

TEST_F(MainWindowTest, CancelChangesNothing)
{
    Start();
    std::string before = Form1->RichEdit1->Text();
    NewPage(-1);
    EXPECT_EQ(std::tuple(Form1->RichEdit1->Text(), Form2->Label2->Caption()), std::tuple(before, "Orvelin"));
}

TEST_F(MainWindowTest, OkWithoutASelectionSaysSoAndTheDialogStays)
{
    Start();
    bool stillOpen = false;
    InModal = [&](TForm* form) {
        auto* dialog = static_cast<TForm2*>(form);
        dialog->ListView1->SetSelected(nullptr);
        ClickOn(dialog->Button1);
        stillOpen = dialog->ModalResult() == mrNone;
        // A double-click on empty space closes nothing either.
        auto* list = static_cast<QListWidget*>(dialog->ListView1->Widget());
        ClickInView(list, list->viewport()->rect().bottomRight() - QPoint(2, 2), true);
        stillOpen = stillOpen && dialog->ModalResult() == mrNone;
        // A double-click on an item closes it and carries out that choice.
        ClickInView(list, list->visualItemRect(list->item(0)).center(), true);
    };
    PressKey(Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(std::tuple(stillOpen, Questions.size()), std::tuple(true, 1u));
    EXPECT_EQ(std::tuple(Questions[0].Text, Questions[0].Type, Form1->RichEdit1->Text()),
        std::tuple("You have to select a template", mtError, ""));
}

TEST_F(MainWindowTest, ChoicesAreTakenByPositionNotCaption)
{
    Start();
    Form2->ListView1->Items(1)->SetCaption("Alphabetical");
    NewPage(1, "T");
    EXPECT_EQ(Form1->RichEdit1->Text(), PageSkeleton(true, "T"));
}
