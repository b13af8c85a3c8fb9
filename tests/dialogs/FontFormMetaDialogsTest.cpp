// The Font, Form Action and Meta dialogs: their elements in both tag cases,
// the caret inside the font element, the face list, and their resets.

#include "tests/dialogs/ElementDialogFixture.h"

#include "platform/ScreenFonts.h"

#include <QFontDatabase>

#include <set>

using FontFormMetaTest = DialogsTest<TForm19, TForm20, TForm23>;

TEST_F(FontFormMetaTest, FontLeavesTheCaretBetweenItsTags)
{
    // Only the first opening (in upper case) shows the design size.
    ExpectElements<TForm19>(&TForm19::Button1, {
        { "first opening, then a later one", [](TForm19*) {}, "<FONT SIZE=\"0\"></FONT>", "<font></font>", 7 },
        { "later opening, nothing changed", [](TForm19*) {}, "<FONT></FONT>", "<font></font>", 7 },
        { "colour only", [](TForm19* d) { Retype(d->ComboBox2, "Red"); },
            "<FONT COLOR=\"Red\"></FONT>", "<font color=\"Red\"></font>", 7 },
        { "face typed by hand, size", [](TForm19* d) { Retype({ { d->ComboBox1, "No Such Face 9" }, { d->Edit1, "1" } }); },
            "<FONT SIZE=\"1\" FACE=\"No Such Face 9\"></FONT>", "<font size=\"1\" face=\"No Such Face 9\"></font>", 7 },
    });
}

TEST_F(FontFormMetaTest, FontFacesAreTheSystemsOnEveryOpening)
{
    // The system's own faces, then those of two other sources.
    const std::vector<std::vector<std::string>> sources = { ScreenFonts(), { "Alpha", "Beta" }, { "Gamma" } };
    // The system's faces come back whatever becomes of the test.
    struct SystemFaces { ~SystemFaces() { SetScreenFontsSource(nullptr); } } systemFaces;
    for (std::size_t i = 0; i < sources.size(); ++i) {
        if (i)
            SetScreenFontsSource([faces = sources[i]] { return faces; });
        Use<TForm19>([&](TForm19* d) { EXPECT_EQ(ListItems(d->ComboBox1), sources[i]); }, &TForm19::Button2);
    }

    ExpectResetOnEveryWayOut<TForm19>(
        [](TForm19* d) { Retype({ { d->ComboBox1, "Gamma" }, { d->ComboBox2, "Navy" }, { d->Edit1, "4" } }); },
        [](TForm19* d) { return Emptied({ d->ComboBox1, d->ComboBox2, d->Edit1 }) && HasFocus(d, d->ComboBox1); });
}

TEST_F(FontFormMetaTest, FontListsEachFamilyOnceByTheNameAPageAsksFor)
{
    // A family that two foundries make is the one the pick is made from.
    const QStringList families = QFontDatabase::families();
    auto byTwo = std::ranges::find_if(families, [](const QString& family) { return family.contains(QLatin1String(" [")); });
    const QString shared = byTwo == families.end() ? QString() : byTwo->left(byTwo->indexOf(QLatin1String(" [")));
    std::vector<std::string> items;
    TInserted picked = Use<TForm19>([&](TForm19* d) {
        items = ListItems(d->ComboBox1);
        if (!shared.isEmpty())
            PickWithArrows(d->ComboBox1, shared.toStdString());
    }, &TForm19::Button1);
    EXPECT_EQ(std::set(items.begin(), items.end()).size(), items.size());
    for (const std::string& item : items)
        EXPECT_EQ(item.find('['), std::string::npos) << item;
    if (!shared.isEmpty())
        EXPECT_NE(picked.text.find(" FACE=\"" + shared.toStdString() + "\">"), std::string::npos) << picked.text;
}

TEST_F(FontFormMetaTest, FormActionPostsToTheQuotedAction)
{
    ExpectElements<TForm20>(&TForm20::Button1, {
        { "empty action", [](TForm20*) {}, "<FORM METHOD=POST ACTION=\"\"></FORM>", "<form method=post action=\"\"></form>" },
        { "action", [](TForm20* d) { Retype(d->Edit1, "/cgi-bin/mail.pl"); },
            "<FORM METHOD=POST ACTION=\"/cgi-bin/mail.pl\"></FORM>", "<form method=post action=\"/cgi-bin/mail.pl\"></form>" },
        { "odd text as it stands", [](TForm20* d) { d->Edit1->SetText("caf\xc3\xa9 \"<&>\"\nx"); },
            "<FORM METHOD=POST ACTION=\"caf\xc3\xa9 \"<&>\"\nx\"></FORM>", "<form method=post action=\"caf\xc3\xa9 \"<&>\"\nx\"></form>" },
    });
    ExpectResetOnEveryWayOut<TForm20>([](TForm20* d) { Retype(d->Edit1, "x"); },
        [](TForm20* d) { return d->Edit1->Text().empty() && HasFocus(d, d->Edit1); });
}

TEST_F(FontFormMetaTest, MetaWritesAllFourAttributesInTheirOrder)
{
    ExpectElements<TForm23>(&TForm23::Button1, {
        { "name and content", [](TForm23* d) { Retype(d->Edit1, "html, editor"); Retype(d->ComboBox2, "Keywords"); },
            "<META HTTP-EQUIV=\"\" CONTENT=\"html, editor\" NAME=\"Keywords\" URL=\"\">",
            "<meta http-equiv=\"\" content=\"html, editor\" name=\"Keywords\" url=\"\">" },
        { "all four", [](TForm23* d) {
              Retype({ { d->Edit2, "next.htm" }, { d->ComboBox1, "Refresh" }, { d->Edit1, "5" }, { d->ComboBox2, "x" } });
          }, "<META HTTP-EQUIV=\"Refresh\" CONTENT=\"5\" NAME=\"x\" URL=\"next.htm\">",
            "<meta http-equiv=\"Refresh\" content=\"5\" name=\"x\" url=\"next.htm\">" },
    });
    ExpectResetOnEveryWayOut<TForm23>([](TForm23* d) {
        Retype({ { d->ComboBox1, "Expires" }, { d->Edit1, "c" }, { d->ComboBox2, "Reply-to" }, { d->Edit2, "u" } });
    }, [](TForm23* d) { return Emptied({ d->ComboBox1, d->Edit1, d->ComboBox2, d->Edit2 }) && HasFocus(d, d->ComboBox1); });
    EXPECT_EQ(Form23->Hint(), "Insert Meta");
}
