#include "dialogs/PageWriter.h"

#include "editor/Unit1.h"

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
    return name + (attribute.value == TAttrValue::Quoted ? QuotedValue(text) : text);
}

void InsertPiece(const std::string& piece)
{
    // An attribute left out writes nothing at all.
    if (!piece.empty())
        Form1->RichEdit1->SetSelText(piece);
}

void InsertScratch()
{
    std::string text = Form1->RichEdit3->Text();
    if (!text.empty() && text.back() != '\n')
        text += '\n';
    Form1->RichEdit1->SetSelText(text);
    Form1->RichEdit3->Clear();
}
