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

// The numbers of the 84 click handlers, one per button.
#define CORVANA_ENTITY_BUTTONS(X) \
    X(29) X(30) X(31) X(32) X(33) X(34) X(35) X(36) X(37) X(38) X(39) X(40) X(41) X(42) X(43) X(44) X(45) \
    X(46) X(47) X(48) X(49) X(50) X(51) X(52) X(53) X(54) X(55) X(56) X(57) X(58) X(59) X(60) X(61) X(62) \
    X(63) X(64) X(65) X(66) X(67) X(68) X(69) X(70) X(71) X(72) X(73) X(74) X(75) X(76) X(77) X(78) X(79) \
    X(80) X(81) X(82) X(83) X(84) X(85) X(86) X(87) X(88) X(89) X(90) X(91) X(92) X(93) X(94) X(95) X(96) \
    X(97) X(98) X(99) X(100) X(101) X(102) X(103) X(104) X(105) X(106) X(107) X(108) X(109) X(110) X(111) X(112)
