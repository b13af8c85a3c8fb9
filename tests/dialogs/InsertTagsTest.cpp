// The Insert Tags dialog: picking a tag by mouse or keyboard, the tag case
// of the edit, several insertions in one visit, and its reset on closing.

#include "tests/dialogs/PageFixture.h"

#include <QListWidget>

namespace {

class InsertTagsTest : public With<PageTest, TForm17> {
protected:
    void Visit(const std::function<void(TForm17*)>& use) { Written<TForm17>(use, &TForm17::Button2); }

    static void ClickRow(TForm17* d, const char* row, bool twice = false)
    {
        auto* list = static_cast<QListWidget*>(d->ListBox1->Widget());
        auto found = list->findItems(row, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << row;
        list->scrollToItem(found[0]);
        ClickAt(list->viewport(), list->visualItemRect(found[0]).center(), twice);
    }
};

}

TEST_F(InsertTagsTest, AClickCopiesTheTagAndOkInsertsItWithoutClosing)
{
    PageWindow->RichEdit1->SetText("");
    Visit([&](TForm17* d) {
        // Taking the focus picks nothing.
        EXPECT_EQ(std::tuple(d->ListBox1->ItemCount(), d->Widget()->focusWidget(), d->Edit1->Text()),
            std::tuple(100, d->ListBox1->Widget(), ""));
        ClickRow(d, "<A HREF=\"\"></A>");
        EXPECT_EQ(d->Edit1->Text(), "<A HREF=\"\"></A>");
        ClickOn(d->Button1);
        ClickOn(d->Button1);
        EXPECT_TRUE(d->Visible());
        // The keyboard picks as the mouse does.
        KeyOn(d->ListBox1, Qt::Key_Down);
        EXPECT_EQ(d->Edit1->Text(), "<A NAME=\"\"></A>");
        // The edit's text is what goes in, changed or not.
        KeyOn(d->Edit1, Qt::Key_End);
        TypeInto(d->Edit1, "!");
        ClickOn(d->Button1);
    });
    EXPECT_EQ(std::tuple(PageWindow->RichEdit1->Text(), Form17->Edit1->Text()),
        std::tuple("<A HREF=\"\"></A><A HREF=\"\"></A><A NAME=\"\"></A>!", ""));
}

TEST_F(InsertTagsTest, LowerCasePagesGetLowerCaseTagsAlsoWhenTyped)
{
    PageWindow->Edit4->SetText("Lowercase");
    PageWindow->Edit2->SetText("'");  // the anchors keep their own double quotes
    PageWindow->RichEdit1->SetText("");
    Visit([](TForm17* d) {
        ClickRow(d, "<BLOCKQUOTE></BLOCKQUOTE>");
        EXPECT_EQ(d->Edit1->Text(), "<blockquote></blockquote>");
        ClickOn(d->Button1);
        ClickRow(d, "<A NAME=\"\"></A>");
        KeyOn(d->Edit1, Qt::Key_End);
        TypeInto(d->Edit1, "X");
        ClickOn(d->Button1);
    });
    EXPECT_EQ(PageWindow->RichEdit1->Text(), "<blockquote></blockquote><a name=\"\"></a>x");

    // The case is taken at each pick.
    PageWindow->Edit4->SetText("Upercase");
    PageWindow->RichEdit1->SetText("");
    Visit([](TForm17* d) {
        ClickRow(d, "<BLOCKQUOTE></BLOCKQUOTE>");
        ClickOn(d->Button1);
    });
    EXPECT_EQ(PageWindow->RichEdit1->Text(), "<BLOCKQUOTE></BLOCKQUOTE>");
}

TEST_F(InsertTagsTest, ADoubleClickInsertsAtOnceAndAnEmptyEditStillReplacesTheSelection)
{
    SetPage("a[sel]b", 1, 5);
    Visit([&](TForm17* d) {
        ClickOn(d->Button1);  // nothing picked yet
        EXPECT_EQ(PageWindow->RichEdit1->Text(), "ab");
        ClickRow(d, "<BR>", true);
        EXPECT_TRUE(d->Visible());
    });
    EXPECT_EQ(std::tuple(PageWindow->RichEdit1->Text(), PageWindow->RichEdit1->SelStart()), std::tuple("a<BR>b", 5));
}
