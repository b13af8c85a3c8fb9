#pragma once
// The "Characters" palette: 84 buttons, each inserting one character
// reference at the editor's caret.

#include <string>

struct EntityRow {
    int number;           // the button is "ToolbarButton97" + number
    const char* hint;     // the character's name, shown as the tool tip
    const char* text;     // what a click inserts
    const char* caption;  // a one-character face in place of a picture, or ""
    bool showHint;        // three buttons show no tool tip
};

// In layout order: 23 symbols, 32 small letters, 29 capitals.
extern const EntityRow kEntityRows[84];
const EntityRow* FindEntity(int number);

// Where the palette's buttons stand on the tab, in layout order.
struct EntityPlace {
    int left, top;
};
EntityPlace EntityPlaceAt(int index);
// The bevel lines between the three groups.
extern const int kEntityBevelTops[3];
