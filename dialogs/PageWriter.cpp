#include "dialogs/PageWriter.h"

#include "editor/Unit1.h"
#include "platform/ComboBox.h"
#include "platform/FormBuilder.h"
#include "platform/StdCtrls.h"

#include <vector>

namespace {

// The text of the dialog's edit or list of that name ("" for none).
std::string controlText(const TComponent& dialog, const char* name)
{
    if (!name)
        return {};
    auto* control = FindComponentAs<TWinControl>(&dialog, name);
    if (auto* edit = dynamic_cast<TEdit*>(control))
        return edit->Text();
    if (auto* box = dynamic_cast<TComboBox*>(control))
        return box->Text();
    throw EComponentError("Component \"" + std::string(name) + "\" holds no text");
}

bool ticked(const TComponent& dialog, const char* name) { return FindComponentAs<TCheckBox>(&dialog, name)->Checked(); }

bool written(const TComponent& dialog, const TPiece& piece)
{
    switch (piece.when) {
    case TPieceWhen::Always:
        return true;
    case TPieceWhen::NotEmpty:
        return !controlText(dialog, piece.control).empty();
    case TPieceWhen::NotZero:
        return controlText(dialog, piece.control) != "0";
    case TPieceWhen::Ticked:
        return ticked(dialog, piece.control);
    case TPieceWhen::Unticked:
        return !ticked(dialog, piece.control);
    }
    return false;
}

std::string valueText(TAttrValue value, const std::string& text)
{
    switch (value) {
    case TAttrValue::Bare:
        return text;
    case TAttrValue::Quoted:
        return QuotedValue(text);
    case TAttrValue::None:
        return {};
    case TAttrValue::Quote:
        return Form1->Edit2->Text();
    }
    return {};
}

}

bool UpperCaseChosen() { return Form1->Edit4->Text() == "Upercase"; }

std::string QuotedValue(const std::string& value)
{
    std::string quote = Form1->Edit2->Text();
    return quote + value + quote;
}

std::string AttributePiece(const TAttribute& attribute, const std::string& text, bool upper)
{
    if (attribute.when == TAttrWhen::NotEmpty && text.empty())
        return {};
    std::string name = upper ? attribute.upper : attribute.lower;
    return name + valueText(attribute.value, text);
}

void InsertPiece(const std::string& piece)
{
    // An attribute left out writes nothing at all.
    if (!piece.empty())
        Form1->RichEdit1->SetSelText(piece);
}

void WritePieces(const TComponent& dialog, std::span<const TPiece> pieces)
{
    bool upper = UpperCaseChosen();
    std::vector<std::string> runs(1);
    for (const TPiece& piece : pieces) {
        if (written(dialog, piece)) {
            bool valued = piece.value == TAttrValue::Bare || piece.value == TAttrValue::Quoted;
            std::string text = valued ? controlText(dialog, piece.source ? piece.source : piece.control) : std::string();
            runs.back() += (upper ? piece.upper : piece.lower) + valueText(piece.value, text);
        }
        if (!piece.runsOn)
            runs.emplace_back();
    }
    for (const std::string& run : runs)
        InsertPiece(run);
}

void MoveCaretBack(int characters) { Form1->RichEdit1->SetSelStart(Form1->RichEdit1->SelStart() - characters); }

void FocusPage() { Form1->RichEdit1->SetFocus(); }

void InsertScratch()
{
    std::string text = Form1->RichEdit3->Text();
    if (!text.empty() && text.back() != '\n')
        text += '\n';
    Form1->RichEdit1->SetSelText(text);
    Form1->RichEdit3->Clear();
}
