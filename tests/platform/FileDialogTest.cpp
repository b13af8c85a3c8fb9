// The file dialogs' rules for a chosen name: the default extension, the
// existence checks and the question before replacing a file; and the
// filters and masks that choose the files a dialog lists.

#include "platform/Dialogs.h"
#include "platform/FileDialog.h"
#include "platform/FileMask.h"
#include "tests/support/TempDir.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QTimer>
#include <gtest/gtest.h>

// The dialog run with the user's choice (none: cancelled).
static bool answer(TOpenDialog& dialog, std::optional<std::string> choice)
{
    TOpenDialog::Responder = [&](TOpenDialog&) { return choice; };
    const bool result = dialog.Execute();
    TOpenDialog::Responder = nullptr;
    return result;
}

TEST(FileDialog, TheDefaultExtensionOfAPatternIsItsFirstExtension)
{
    TSaveDialog dialog(nullptr);
    for (const auto& [pattern, ext] : { std::pair("*.htm; *.html", "htm"), std::pair("*.*", ""), std::pair("txt", "txt") }) {
        dialog.DefaultExt = pattern;
        EXPECT_EQ(dialog.DefaultExtension(), ext) << pattern;
    }
}

TEST(FileDialog, SaveAppendsTheExtensionAndAsksBeforeReplacing)
{
    TempDir dir("dialog");
    TSaveDialog dialog(nullptr);
    dialog.DefaultExt = "*.htm; *.html";
    dialog.Options = ofOverwritePrompt | ofPathMustExist;
    // A name with an extension keeps it; the folder must exist.
    EXPECT_EQ((std::tuple { answer(dialog, dir.File("page")), std::string(dialog.FileName), answer(dialog, dir.File("page.html")),
                  std::string(dialog.FileName), answer(dialog, dir.File("missing/page")), answer(dialog, std::nullopt) }),
        std::tuple(true, dir.File("page.htm"), true, dir.File("page.html"), false, false));

    WriteFileBytes(dir.File("page.htm"), "x");
    std::vector<std::string> asked;
    QuestionResponder = [&](const TQuestion& q) {
        asked.push_back(q.Text);
        return asked.size() == 1 ? mrNo : mrYes;
    };
    EXPECT_EQ((std::tuple { answer(dialog, dir.File("page")), answer(dialog, dir.File("page")) }), std::tuple(false, true));
    QuestionResponder = nullptr;
    EXPECT_EQ(asked, std::vector<std::string>(2, dir.File("page.htm") + " already exists.\nDo you want to replace it?"));
}

TEST(FileDialog, OpenRefusesAFileThatDoesNotExist)
{
    TempDir dir("dialog");
    WriteFileBytes(dir.File("there.htm"), "x");
    TOpenDialog dialog(nullptr);
    dialog.DefaultExt = "*.htm; *.html";
    dialog.Options = ofFileMustExist | ofPathMustExist;
    // No extension is added when opening.
    EXPECT_EQ((std::tuple { answer(dialog, dir.File("there")), answer(dialog, dir.File("there.htm")) }), std::tuple(false, true));
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
    EXPECT_EQ((std::tuple { dialog.Execute(), shown, selected }),
        std::tuple(false, std::vector<std::string> { "HTML Files (*.htm; *.html)", "All Files (*.*)", "Text Files (*.txt)" },
            "All Files (*.*)"));
}

// What the mask makes of each name: a 'y' for a match, an 'n' for none.
static std::string matches(std::initializer_list<std::string> names, const std::string& mask)
{
    std::string out;
    for (const auto& name : names)
        out += MatchesMask(name, mask) ? 'y' : 'n';
    return out;
}

TEST(FileMask, FilterStringsSplitIntoPairs)
{
    using Items = std::vector<std::pair<std::string, std::string>>;
    auto parsed = [](const char* filter) {
        Items out;
        for (const auto& item : ParseFilter(filter))
            out.emplace_back(item.Description, item.Mask);
        return out;
    };
    EXPECT_EQ((std::vector { parsed("HTML Files (*.htm; *.html)|*.htm; *.html|All Files (*.*)|*.*"), parsed(""),
                  parsed("Text only"), parsed("Text (*.txt)|*.txt|") }),
        (std::vector<Items> { { { "HTML Files (*.htm; *.html)", "*.htm; *.html" }, { "All Files (*.*)", "*.*" } }, {},
            { { "Text only", "" } }, { { "Text (*.txt)", "*.txt" } } }));
}

TEST(FileMask, MaskListsMatchCaseInsensitively)
{
    EXPECT_EQ(matches({ "index.htm", "INDEX.HTML", "/some/folder/Page.Htm", "index.htmx", "index.txt", "htm" }, "*.htm; *.html"),
        "yyynnn");
    EXPECT_EQ(matches({ "a.txt" }, "*.htm;*.txt") + matches({ "a.txt" }, "  *.txt  ;") + matches({ "a.txt" }, ""), "yyn");
}

TEST(FileMask, StarDotStarTakesEveryFile)
{
    EXPECT_EQ(matches({ "README", ".hidden", "a.b.c" }, "*.*") + matches({ "README" }, "*"), "yyyy");
}

TEST(FileMask, QuestionMarksAndStarsInsideMasks)
{
    EXPECT_EQ(matches({ "page1.htm", "page12.htm" }, "page?.htm") + matches({ "a-b-c.txt", "a-b-d.txt" }, "a*b*c.txt"), "ynyn");
    // Many stars against a long name must not take exponential time.
    EXPECT_EQ(matches({ std::string(5000, 'a') }, "*a*a*a*a*a*a*a*a*a*a*b"), "n");
}
