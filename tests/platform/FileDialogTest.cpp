// The file dialogs' rules for a chosen name: the default extension, the
// existence checks and the question before replacing a file.

#include "platform/Dialogs.h"
#include "platform/FileDialog.h"
#include "tests/support/TempDir.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct Answer {
    std::optional<std::string> choice;
    bool operator()(TOpenDialog& dialog) const
    {
        TOpenDialog::Responder = [this](TOpenDialog&) { return choice; };
        bool result = dialog.Execute();
        TOpenDialog::Responder = nullptr;
        return result;
    }
};

}

TEST(FileDialog, TheDefaultExtensionOfAPatternIsItsFirstExtension)
{
    TSaveDialog dialog(nullptr);
    dialog.DefaultExt = "*.htm; *.html";
    EXPECT_EQ(dialog.DefaultExtension(), "htm");
    dialog.DefaultExt = "*.*";
    EXPECT_EQ(dialog.DefaultExtension(), "");
    dialog.DefaultExt = "txt";
    EXPECT_EQ(dialog.DefaultExtension(), "txt");
}

TEST(FileDialog, SaveAppendsTheExtensionAndAsksBeforeReplacing)
{
    TempDir dir("dialog");
    TSaveDialog dialog(nullptr);
    dialog.DefaultExt = "*.htm; *.html";
    dialog.Options = ofOverwritePrompt | ofPathMustExist;
    EXPECT_TRUE(Answer { dir.File("page") }(dialog));
    EXPECT_EQ(dialog.FileName, dir.File("page.htm"));
    EXPECT_TRUE(Answer { dir.File("page.html") }(dialog)) << "a name with an extension keeps it";
    EXPECT_EQ(dialog.FileName, dir.File("page.html"));
    EXPECT_FALSE(Answer { dir.File("missing/page") }(dialog)) << "the folder must exist";
    EXPECT_FALSE(Answer { std::nullopt }(dialog));

    WriteFileBytes(dir.File("page.htm"), "x");
    std::vector<std::string> asked;
    QuestionResponder = [&](const TQuestion& q) {
        asked.push_back(q.Text);
        return asked.size() == 1 ? mrNo : mrYes;
    };
    EXPECT_FALSE(Answer { dir.File("page") }(dialog));
    EXPECT_TRUE(Answer { dir.File("page") }(dialog));
    QuestionResponder = nullptr;
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0], dir.File("page.htm") + " already exists.\nDo you want to replace it?");
}

TEST(FileDialog, OpenRefusesAFileThatDoesNotExist)
{
    TempDir dir("dialog");
    WriteFileBytes(dir.File("there.htm"), "x");
    TOpenDialog dialog(nullptr);
    dialog.DefaultExt = "*.htm; *.html";
    dialog.Options = ofFileMustExist | ofPathMustExist;
    EXPECT_FALSE(Answer { dir.File("there") }(dialog)) << "no extension is added when opening";
    EXPECT_TRUE(Answer { dir.File("there.htm") }(dialog));
}

TEST(FileDialog, TheFileTypeListShowsTheFilterTextsExactly)
{
    TOpenDialog dialog(nullptr);
    dialog.Filter = "HTML Files (*.htm; *.html)|*.htm; *.html|All Files (*.*)|*.*|Text Files (*.txt)|*.txt";
    dialog.FilterIndex = 2;
    std::vector<std::string> shown;
    std::string selected;
    QTimer::singleShot(0, [&] {
        auto* qt = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(qt, nullptr);
        auto* types = qt->findChild<QComboBox*>("fileTypeCombo");
        ASSERT_NE(types, nullptr);
        for (int i = 0; i < types->count(); ++i)
            shown.push_back(types->itemText(i).toStdString());
        selected = types->currentText().toStdString();
        qt->reject();
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(shown, std::vector<std::string>({ "HTML Files (*.htm; *.html)", "All Files (*.*)", "Text Files (*.txt)" }));
    EXPECT_EQ(selected, "All Files (*.*)");
}
