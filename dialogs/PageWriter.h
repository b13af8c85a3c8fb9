#pragma once
// How an element dialog's markup reaches the page it was handed. The page's
// tag case picks one of the dialog's two literal sets, its quote wraps
// string values, and every piece replaces the page's selection in turn, so
// that the pieces form one run with the caret after the last.

#include <span>
#include <string>

class TComponent;
class TPage;

// Whether an attribute is written when its control is empty, and how its
// value is written: bare (numbers, keywords) or between quote characters;
// or, after a piece's literal, nothing or the quote character alone.
enum class TAttrWhen { Always, NotEmpty };
enum class TAttrValue { Bare, Quoted, None, Quote };

// One attribute of an element: its name piece in both cases (" WIDTH=",
// " width="), beginning with a blank.
struct TAttribute {
    const char* upper;
    const char* lower;
    TAttrWhen when;
    TAttrValue value;
};

// The attribute's piece for a control's text, or "" when the attribute is
// optional and the text is empty. Only the empty text counts as no value:
// "0" and a blank are values.
std::string AttributePiece(const TPage&, const TAttribute&, const std::string& text, bool upper);

// One piece of an element as a dialog's table lists it: the literal in
// both cases, when it is written, and the value after the literal. The
// condition tests the named control of the dialog (an edit's or a list's
// text, or a check box's tick; NotZero leaves the piece out only for the
// text "0"); the value is that control's text, or the text of `source`
// when one is named. A piece that runs on is written in one replacement
// with the next.
enum class TPieceWhen { Always, NotEmpty, NotZero, Ticked, Unticked };

struct TPiece {
    const char* upper;
    const char* lower;
    TPieceWhen when = TPieceWhen::Always;
    const char* control = nullptr;
    TAttrValue value = TAttrValue::None;
    const char* source = nullptr;
    bool runsOn = false;
};

// Writes the pieces in order at the page's caret, in the page's tag case
// and quote (read afresh for every value). Every value is read before the first piece is written,
// so a piece that cannot be made leaves the page as it was.
void WritePieces(TPage&, const TComponent& dialog, std::span<const TPiece> pieces);
