#pragma once
// What a tool button or a menu item runs, as its table row names it: a
// command of the main window, a tag command (the menu bar's "Tags" menu pops
// its button up first), or a character's text put in place of the selection.

#include "editor/TagCommands.h"
#include "platform/Types.h"

class TForm1;

using FormHandler = void (TForm1::*)(TObject*);

struct EditorCommand {
    constexpr EditorCommand() = default;
    constexpr EditorCommand(FormHandler method) : handler(method) {}
    constexpr EditorCommand(TagCommand command, bool fromTagsMenu = false) : tag(command), popsTags(fromTagsMenu) {}
    constexpr explicit EditorCommand(const char* character) : text(character) {}

    FormHandler handler = nullptr;
    TagCommand tag = tcCount;
    bool popsTags = false;
    const char* text = nullptr;
};

// An item of the "Tags" menu, or a hidden shortcut that stands for one.
constexpr EditorCommand FromTagsMenu(TagCommand command) { return { command, true }; }

// The click event that runs the command once; none for a row without one.
TNotifyEvent CommandEvent(TForm1*, const EditorCommand&);
