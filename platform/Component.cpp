#include "platform/Component.h"

#include "platform/StrUtils.h"

#include <algorithm>

TComponent::TComponent(TComponent* owner)
{
    if (owner)
        owner->InsertComponent(this);
}

TComponent::~TComponent()
{
    BeginDestroy();
    DestroyComponents();
    if (m_owner)
        m_owner->RemoveComponent(this);
}

void TComponent::DestroyComponents()
{
    // Last created goes first, so nothing outlives what it was built on.
    while (!m_components.empty()) {
        TComponent* child = m_components.back();
        m_components.pop_back();
        child->m_owner = nullptr;
        child->BeforeDestruction();
        child->BeginDestroy();
        delete child;
    }
}

TComponent* TComponent::FindComponent(const std::string& name) const
{
    for (auto* c : m_components)
        if (SameText(c->Name, name))
            return c;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* c)
{
    c->m_owner = this;
    m_components.push_back(c);
}

void TComponent::RemoveComponent(TComponent* c)
{
    auto it = std::find(m_components.begin(), m_components.end(), c);
    if (it != m_components.end())
        m_components.erase(it);
    c->m_owner = nullptr;
}
