#include "platform/Menus.h"

#include "platform/AppHooks.h"

#include "platform/TextCodec.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QPoint>

#include <algorithm>

std::function<TMenuItem*(TPopupMenu*)> TPopupMenu::Responder;

TMenuItem::TMenuItem(TComponent* owner)
    : TComponent(owner)
{
}

TMenuItem::~TMenuItem()
{
    if (m_parent)
        m_parent->Remove(this);
    for (auto* item : m_items)
        item->m_parent = nullptr;
}

void TMenuItem::Add(TMenuItem* item)
{
    if (item->m_parent)
        item->m_parent->Remove(item);
    item->m_parent = this;
    m_items.push_back(item);
}

void TMenuItem::Remove(TMenuItem* item)
{
    auto it = std::find(m_items.begin(), m_items.end(), item);
    if (it != m_items.end())
        m_items.erase(it);
    item->m_parent = nullptr;
}

void TMenuItem::Click()
{
    if (Enabled && OnClick)
        OnClick(this);
}

TMenuItem* TMenuItem::FindShortCut(TShortCut shortcut)
{
    if (!shortcut)
        return nullptr;
    // A disabled command leaves its key to the focused control.
    if (ShortCut == shortcut && Enabled)
        return this;
    for (auto* item : m_items)
        if (auto* found = item->FindShortCut(shortcut))
            return found;
    return nullptr;
}

TMenu::TMenu(TComponent* owner)
    : TComponent(owner)
    , m_items(new TMenuItem(this))
{
}

bool TMenu::IsShortCut(TShortCut shortcut)
{
    TMenuItem* item = m_items->FindShortCut(shortcut);
    if (!item)
        return false;
    item->Click();
    return true;
}

TPopupMenu::TPopupMenu(TComponent* owner)
    : TMenu(owner)
{
}

TPopupMenu::~TPopupMenu() { delete m_menu; }

namespace {

void fill(QMenu* menu, TMenuItem* parent, TMenuItem*& chosen)
{
    for (int i = 0; i < parent->Count(); ++i) {
        TMenuItem* item = parent->Items(i);
        if (!item->Visible)
            continue;
        if (item->IsLine()) {
            menu->addSeparator();
            continue;
        }
        QString text = BytesToQString(item->Caption);
        if (item->ShortCut)
            text += QLatin1Char('\t') + QString::fromStdString(ShortCutToText(item->ShortCut));
        if (item->Count() > 0) {
            QMenu* sub = menu->addMenu(text);
            sub->setEnabled(item->Enabled);
            fill(sub, item, chosen);
            continue;
        }
        QAction* action = menu->addAction(text);
        action->setEnabled(item->Enabled);
        action->setCheckable(item->Checked || item->RadioItem);
        action->setChecked(item->Checked);
        if (item->Default) {
            QFont bold = menu->font();
            bold.setBold(true);
            action->setFont(bold);
            menu->setDefaultAction(action);
        }
        QObject::connect(action, &QAction::triggered, [item, &chosen] { chosen = item; });
    }
}

// The real runner: a Qt pop-up menu, run to its end.
class QtMenuRunner final : public TMenuRunner {
public:
    TMenuItem* Run(TPopupMenu* popup, TPoint screen) override
    {
        TMenuItem* chosen = nullptr;
        QMenu menu;
        fill(&menu, popup->Items(), chosen);
        const int width = menu.sizeHint().width();
        const int x = popup->Alignment == paRight ? screen.X - width : popup->Alignment == paCenter ? screen.X - width / 2 : screen.X;
        menu.exec(QPoint(x, screen.Y));
        return chosen;
    }
};

TMenuRunner* g_menuRunner = nullptr;

}

void SetMenuRunner(TMenuRunner* runner) { g_menuRunner = runner; }

TMenuRunner* MenuRunner()
{
    static QtMenuRunner real;
    return g_menuRunner ? g_menuRunner : &real;
}

TMenuItem* TPopupMenu::Track(int x, int y)
{
    if (OnPopup)
        OnPopup(this);
    return Responder ? Responder(this) : MenuRunner()->Run(this, { x, y });
}

void TPopupMenu::Popup(int x, int y)
{
    if (TMenuItem* chosen = Track(x, y))
        chosen->Click();
}

TMenuItem* NewItem(TComponent* owner, TMenuItem* parent, const std::string& name, const std::string& caption,
    TShortCut shortcut, TNotifyEvent onClick)
{
    auto* item = new TMenuItem(owner);
    item->Name = name;
    item->Caption = caption;
    item->ShortCut = shortcut;
    item->OnClick = std::move(onClick);
    if (parent)
        parent->Add(item);
    return item;
}
