#include "page/ScratchBlock.h"

#include "page/Page.h"

// Also while an exception leaves the handler: clearing does not throw.
TScratchBlock::~TScratchBlock() { m_page.ClearScratch(); }

void TScratchBlock::SetText(const std::string& text) { m_page.SetScratchText(text); }

void TScratchBlock::AddLine(const std::string& line) { m_page.AddScratchLine(line); }

void TScratchBlock::AddLines(const std::vector<std::string>& lines)
{
    for (const auto& line : lines)
        AddLine(line);
}

void TScratchBlock::AddPiece(const std::string& piece) { m_page.AddScratchPiece(piece); }

void TScratchBlock::Insert()
{
    if (m_inserted)
        return;
    m_inserted = true;
    m_page.InsertScratch();
}
