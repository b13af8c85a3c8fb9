// The Form Field dialog: the element of each type in both tag cases, the
// fields each type makes usable, and what stays from one opening to the next.

#include "tests/dialogs/ElementDialogFixture.h"

using FormFieldDialogTest = DialogsTest<TForm21>;

namespace {

std::function<void(TForm21*)> field(const char* type, const char* name, const char* value)
{
    return [=](TForm21* d) {
        PickWithArrows(d->ComboBox1, type);
        Retype(d->Edit1, name);
        Retype(d->Edit2, value);
    };
}

}

TEST_F(FormFieldDialogTest, EachTypeWritesItsElement)
{
    ExpectElements<TForm21>(&TForm21::Button1, {
        { "first opening", [](TForm21*) {}, "<INPUT TYPE=\"CHECKBOX\" NAME=\"\" VALUE=\"\">", "<input type=\"checkbox\" name=\"\" value=\"\">" },
        { "hidden", field("Hidden", "id", "7"), "<INPUT TYPE=\"HIDDEN\" NAME=\"id\" VALUE=\"7\">", "<input type=\"hidden\" name=\"id\" value=\"7\">" },
        { "radio", field("Radio Button", "r", "a"), "<INPUT TYPE=\"RADIO\" NAME=\"r\" VALUE=\"a\">", "<input type=\"radio\" name=\"r\" value=\"a\">" },
        { "reset", field("Reset Button", "", "Clear"), "<INPUT TYPE=\"RESET\" NAME=\"\" VALUE=\"Clear\">", "<input type=\"reset\" name=\"\" value=\"Clear\">" },
        { "submit", field("Submit Button", "s", "Go"), "<INPUT TYPE=\"SUBMIT\" NAME=\"s\" VALUE=\"Go\">", "<input type=\"submit\" name=\"s\" value=\"Go\">" },
        { "select list", field("Select List", "pick", "ignored"), "<SELECT NAME=\"pick\"></SELECT>", "<select name=\"pick\"></select>" },
        { "text with a size", [](TForm21* d) { field("Text", "q", "")(d); Retype(d->Edit3, "20"); },
            "<INPUT TYPE=\"TEXT\" NAME=\"q\" VALUE=\"\" SIZE=20>", "<input type=\"text\" name=\"q\" value=\"\" size=20>" },
        { "text with both", [](TForm21* d) { field("Text", "q", "x")(d); Retype(d->Edit3, "20"); Retype(d->Edit4, "8"); },
            "<INPUT TYPE=\"TEXT\" NAME=\"q\" VALUE=\"x\" SIZE=20 MAXLENGTH=8>", "<input type=\"text\" name=\"q\" value=\"x\" size=20 maxlength=8>" },
        { "text area with rows", [](TForm21* d) { field("Text Area", "msg", "")(d); Retype(d->Edit3, "5"); },
            "<TEXTAREA NAME=\"msg\" ROWS=5></TEXTAREA>", "<textarea name=\"msg\" rows=5></textarea>" },
        { "a type of no list item", [](TForm21* d) { Retype(d->ComboBox1, "checkbox"); }, "", "" },
    });
}

TEST_F(FormFieldDialogTest, TheTypeDecidesWhatIsUsableAndHowItIsLabelled)
{
    struct Look {
        const char* type;
        bool value, first, second;
        const char* label4;
        const char* label5;
    };
    const Look looks[] = {
        { "Select List", false, false, false, "Rows", "Max Length" },
        { "Checkbox", true, false, false, "Rows", "Max Length" },
        { "Text", true, true, true, "Size", "Max Length" },
        { "Submit Button", true, false, false, "Size", "Max Length" },
        { "Text Area", true, true, true, "Rows", "Columns" },
        // Up the list past Text and Select List, each relabelling on the way.
        { "Hidden", true, false, false, "Rows", "Max Length" },
        { "Anything", true, true, true, "Rows", "Columns" },
    };
    for (const Look& look : looks)
        Use<TForm21>([&](TForm21* d) {
            if (look.type == std::string("Anything"))
                Retype(d->ComboBox1, look.type);
            else
                PickWithArrows(d->ComboBox1, look.type);
            EXPECT_EQ(d->Edit2->Enabled(), look.value) << look.type;
            EXPECT_EQ(d->Edit3->Enabled() && d->UpDown1->Enabled(), look.first) << look.type;
            EXPECT_EQ(d->Edit4->Enabled() && d->UpDown2->Enabled(), look.second) << look.type;
            EXPECT_EQ(d->Label4->Caption(), look.label4) << look.type;
            EXPECT_EQ(d->Label5->Caption(), look.label5) << look.type;
            ClickOn(d->Button2);
        });
    // Switching to Text clears the numbers.
    Use<TForm21>([](TForm21* d) {
        Retype(d->Edit3, "3");
        Retype(d->Edit4, "4");
        PickWithArrows(d->ComboBox1, "Text");
        EXPECT_EQ(d->Edit3->Text(), "");
        EXPECT_EQ(d->Edit4->Text(), "");
        ClickOn(d->Button2);
    });
}

TEST_F(FormFieldDialogTest, TheTypeStaysAndTheFieldsAreCleared)
{
    EXPECT_EQ(Form21->Edit3->Text(), "0");
    EXPECT_FALSE(Form21->Edit3->Enabled());
    ExpectResetOnEveryWayOut<TForm21>(&TForm21::Button1, &TForm21::Button2,
        [](TForm21* d) {
            PickWithArrows(d->ComboBox1, "Text");
            Retype(d->Edit1, "n");
            Retype(d->Edit2, "v");
            Retype(d->Edit3, "1");
            Retype(d->Edit4, "2");
        },
        [](TForm21* d) {
            return Emptied({ d->Edit1, d->Edit2, d->Edit3, d->Edit4 })
                && HasFocus(d, d->Edit1);
        });
    EXPECT_EQ(Form21->ComboBox1->Text(), "Text");
    EXPECT_TRUE(Form21->Edit3->Enabled());
    EXPECT_EQ(Form21->Label4->Caption(), "Size");
}
