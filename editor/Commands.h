#pragma once
// What a tool button or a menu item runs, as its table row names it: a
// command of the main window, a window it opens or a tag command (an item of
// a menu bar's menu pops that menu's button up first), or a character's text
// put in place of the selection.

#include "editor/TagCommands.h"
#include "platform/Types.h"

class TForm1;
class TitaMenuButton;

using FormHandler = void (TForm1::*)(TObject*);
using MenuBarButton = TitaMenuButton* TForm1::*;
using DialogShow = void (*)();

// Opens the window modally; the window writes into the page itself and its
// result says nothing more.
template<auto& dialog>
void ShowDialog()
{
    dialog->ShowModal();
}

struct EditorCommand {
    constexpr EditorCommand() = default;
    constexpr EditorCommand(FormHandler method, MenuBarButton from = nullptr) : handler(method), menu(from) {}
    constexpr EditorCommand(DialogShow opens, MenuBarButton from = nullptr) : show(opens), menu(from) {}
    constexpr EditorCommand(TagCommand command, MenuBarButton from = nullptr) : tag(command), menu(from) {}
    constexpr explicit EditorCommand(const char* character) : text(character) {}

    FormHandler handler = nullptr;
    DialogShow show = nullptr;
    TagCommand tag = tcCount;
    MenuBarButton menu = nullptr;  // the menu bar's button that pops up first
    const char* text = nullptr;
};

// The click event that runs the command once; none for a row without one.
TNotifyEvent CommandEvent(TForm1*, const EditorCommand&);
