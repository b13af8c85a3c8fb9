#include "tests/dialogs/PageFixture.h"

namespace {

class SelectInsertStyleTest : public With<PageTest, TForm3> {
protected:
    // Opens the dialog, lets `answer` act in it, and returns the word left.
    std::string Ask(const std::function<void()>& answer)
    {
        Written<TForm3>([&](TForm3*) { answer(); });
        return Form3->Label2->Caption();
    }
    void Pick(int index) { PickWithArrows(Form3->ComboBox1, Form3->ComboBox1->Items(index)); }
};

}

TEST_F(SelectInsertStyleTest, EachChoiceLeavesItsWord)
{
    EXPECT_EQ(std::tuple(Form3->Caption(), Form3->ComboBox1->Text()), std::tuple("Select Insert Style", "Hyper Link"));
    EXPECT_EQ(Ask([&] { ClickOn(Form3->Button1); }), "Link") << "OK without touching the list";
    const char* words[] = { "Link", "Image", "Sound", "Text" };
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Ask([&] { Pick(i); ClickOn(Form3->Button1); }), words[i]);
        EXPECT_EQ(Ask([&] { ClickOn(Form3->Button2); }), "No") << "Cancel, whatever is chosen";
    }
    // The last choice shows again; typed text that names no item is a link.
    EXPECT_EQ(Form3->ComboBox1->Text(), "Pre-formated Text");
    EXPECT_EQ(Ask([&] {
        Retype(Form3->ComboBox1, "Picture");
        ClickOn(Form3->Button1);
    }), "Link");
}

TEST_F(SelectInsertStyleTest, TheCloseBoxAndEscapeLeaveNoWord)
{
    Form3->Label2->SetCaption("Orvelin");
    EXPECT_EQ(Ask([] { Form3->Close(); }), "Orvelin");
    EXPECT_EQ(Ask([] {
        KeyOn(Form3->ComboBox1, Qt::Key_Escape);
        Form3->Close();
    }), "Orvelin");
}
