#pragma once
// TScratchBlock: a block of lines collected in the page's scratch editor and
// inserted at the page's caret as one text ending with a line break. The
// scratch editor is shared by every dialog that writes blocks, so a block
// empties it however it is left (inserted, abandoned on an early return, or
// cut short by an exception) and each handler finds it empty.

#include <string>
#include <vector>

class TPage;

class TScratchBlock {
public:
    explicit TScratchBlock(TPage& page) : m_page(page) {}
    ~TScratchBlock();
    TScratchBlock(const TScratchBlock&) = delete;
    TScratchBlock& operator=(const TScratchBlock&) = delete;

    // Replaces the whole scratch text; line feeds in it make several lines.
    void SetText(const std::string& text);
    // One more line at the end.
    void AddLine(const std::string& line);
    void AddLines(const std::vector<std::string>& lines);
    // Written at the scratch editor's caret, so onto the line being built.
    void AddPiece(const std::string& piece);

    // Reads the scratch text once, puts it in place of the page's selection
    // with the caret after it, and empties the scratch editor. Only the
    // first call inserts.
    void Insert();

private:
    TPage& m_page;
    bool m_inserted = false;
};
