#include "editor/Commands.h"

#include "editor/Unit1.h"

TNotifyEvent CommandEvent(TForm1* form, const EditorCommand& command)
{
    // A character goes in without moving the focus.
    if (command.text)
        return [form, text = command.text](TObject*) { form->Page().Replace(text); };
    if (!command.handler && !command.show && command.tag == tcCount)
        return {};
    return [form, command](TObject* sender) {
        if (command.menu)
            (form->*command.menu)->SetDown(false);
        if (command.handler)
            (form->*command.handler)(sender);
        else if (command.show)
            command.show();
        else
            RunTagCommand(form->Page(), command.tag);
    };
}
