#pragma once
// Rich text reduced to its plain text, as the rich edit's loader does for a
// file that is not in plain-text mode.
//
// The reader is bounded: it never looks past the input, keeps its group
// nesting in a fixed-size record (deeper groups are counted, not stored) and
// has no recursion, so a hostile file costs time linear in its size.

#include <string>
#include <string_view>

// Whether the bytes are rich text: they begin with "{\rtf".
bool IsRichText(std::string_view bytes);

// The plain text of a rich-text document. Paragraph and line marks become
// "\n" (the document's final paragraph mark adds none), tabs "\t", \'hh the
// byte hh, \uN the code point in UTF-8 (its fallback characters skipped),
// \~ a non-breaking space in UTF-8; destinations (font and colour tables,
// style sheet, information, pictures, headers, footers, "{\*\...}") give
// nothing.
std::string RichTextToPlain(std::string_view rtf);
