#include "dialogs/ScratchBlock.h"

#include "dialogs/PageWriter.h"
#include "editor/Unit1.h"

TScratchBlock::~TScratchBlock()
{
    // Also while an exception leaves the handler: Clear does not throw.
    if (Form1 && Form1->RichEdit3)
        Form1->RichEdit3->Clear();
}

void TScratchBlock::SetText(const std::string& text) { Form1->RichEdit3->SetText(text); }

void TScratchBlock::AddLine(const std::string& line) { Form1->RichEdit3->Lines().Add(line); }

void TScratchBlock::AddLines(const std::vector<std::string>& lines)
{
    for (const auto& line : lines)
        AddLine(line);
}

void TScratchBlock::AddPiece(const std::string& piece) { Form1->RichEdit3->SetSelText(piece); }

void TScratchBlock::Insert()
{
    if (m_inserted)
        return;
    m_inserted = true;
    InsertScratch();
}
