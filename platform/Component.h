#pragma once
// TComponent: the owner tree. Owner is not parent: a component is freed with
// its owner, whatever window it happens to sit in.

#include "platform/Alive.h"
#include "platform/Types.h"

#include <string>
#include <vector>

class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return m_owner; }
    int ComponentCount() const { return int(m_components.size()); }
    TComponent* Components(int index) const { return m_components.at(std::size_t(index)); }
    // Case-insensitive, like every name look-up of the class library.
    TComponent* FindComponent(const std::string& name) const;
    bool Destroying() const { return m_destroying; }
    // Reports "gone" once this component's destruction has begun; take it
    // before calling out to a handler that may free the component.
    TAliveGuard AliveGuard() const { return m_alive.Guard(); }

    std::string Name;
    int Tag = 0;

    // Runs while the whole object still stands, just before its owner frees
    // it (a destructor would come too late to call a subclass).
    virtual void BeforeDestruction() {}

protected:
    // Called first thing in a subclass destructor chain that must stop
    // firing events while its owned parts go away.
    void BeginDestroy()
    {
        m_destroying = true;
        m_alive.Kill();
    }
    // Frees the owned components now, last created first.
    void DestroyComponents();

private:
    void InsertComponent(TComponent*);
    void RemoveComponent(TComponent*);

    TComponent* m_owner = nullptr;
    std::vector<TComponent*> m_components;
    bool m_destroying = false;
    TAliveFlag m_alive;
};
