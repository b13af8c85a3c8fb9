// The Form Field dialog: the element of each type in both tag cases, the
// fields each type makes usable, and what stays from one opening to the next.

#include "tests/dialogs/ElementDialogFixture.h"

using FormFieldDialogTest = DialogsTest<TForm21>;

namespace {

std::function<void(TForm21*)> field(const char* type, const char* name, const char* value)
{
    return [=](TForm21* d) {
        PickWithArrows(d->ComboBox1, type);
        Retype({ { d->Edit1, name }, { d->Edit2, value } });
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
    // The type, then whether the value, the first and the second number are usable, then the numbers' labels.
    const std::tuple<const char*, bool, bool, bool, std::string, std::string> looks[] = {
        { "Select List", false, false, false, "Rows", "Max Length" },
        { "Checkbox", true, false, false, "Rows", "Max Length" },
        { "Text", true, true, true, "Size", "Max Length" },
        { "Submit Button", true, false, false, "Size", "Max Length" },
        { "Text Area", true, true, true, "Rows", "Columns" },
        // Up the list past Text and Select List, each relabelling on the way.
        { "Hidden", true, false, false, "Rows", "Max Length" },
        { "Anything", true, true, true, "Rows", "Columns" },
    };
    for (const auto& look : looks)
        Use<TForm21>([&](TForm21* d) {
            const std::string type = std::get<0>(look);
            type == "Anything" ? Retype(d->ComboBox1, type) : PickWithArrows(d->ComboBox1, type);
            EXPECT_EQ(std::tuple(type, d->Edit2->Enabled(), d->Edit3->Enabled() && d->UpDown1->Enabled(),
                          d->Edit4->Enabled() && d->UpDown2->Enabled(), d->Label4->Caption(), d->Label5->Caption()), look);
        }, &TForm21::Button2);
    // Switching to Text clears the numbers.
    Use<TForm21>([](TForm21* d) {
        Retype(d->Edit3, "3");
        Retype(d->Edit4, "4");
        PickWithArrows(d->ComboBox1, "Text");
        EXPECT_EQ(std::tuple(d->Edit3->Text(), d->Edit4->Text()), std::tuple("", ""));
    }, &TForm21::Button2);
}

TEST_F(FormFieldDialogTest, TheTypeStaysAndTheFieldsAreCleared)
{
    EXPECT_EQ(std::tuple(Form21->Edit3->Text(), Form21->Edit3->Enabled()), std::tuple("0", false));
    ExpectResetOnEveryWayOut<TForm21>([](TForm21* d) {
        PickWithArrows(d->ComboBox1, "Text");
        Retype({ { d->Edit1, "n" }, { d->Edit2, "v" }, { d->Edit3, "1" }, { d->Edit4, "2" } });
    }, [](TForm21* d) { return Emptied({ d->Edit1, d->Edit2, d->Edit3, d->Edit4 }) && HasFocus(d, d->Edit1); });
    EXPECT_EQ(std::tuple(Form21->ComboBox1->Text(), Form21->Edit3->Enabled(), Form21->Label4->Caption()),
        std::tuple("Text", true, "Size"));
}
