#include "dialogs/PageWriter.h"

#include "page/Page.h"
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

std::string valueText(const TPage& page, TAttrValue value, const std::string& text)
{
    switch (value) {
    case TAttrValue::Bare:
        return text;
    case TAttrValue::Quoted:
        return page.Quoted(text);
    case TAttrValue::None:
        return {};
    case TAttrValue::Quote:
        return page.Quote();
    }
    return {};
}

}

std::string AttributePiece(const TPage& page, const TAttribute& attribute, const std::string& text, bool upper)
{
    if (attribute.when == TAttrWhen::NotEmpty && text.empty())
        return {};
    std::string name = upper ? attribute.upper : attribute.lower;
    return name + valueText(page, attribute.value, text);
}

void WritePieces(TPage& page, const TComponent& dialog, std::span<const TPiece> pieces)
{
    bool upper = page.UpperCase();
    std::vector<std::string> runs(1);
    for (const TPiece& piece : pieces) {
        if (written(dialog, piece)) {
            bool valued = piece.value == TAttrValue::Bare || piece.value == TAttrValue::Quoted;
            std::string text = valued ? controlText(dialog, piece.source ? piece.source : piece.control) : std::string();
            runs.back() += (upper ? piece.upper : piece.lower) + valueText(page, piece.value, text);
        }
        if (!piece.runsOn)
            runs.emplace_back();
    }
    for (const std::string& run : runs)
        page.InsertPiece(run);
}
