// The alive guard: taken before a handler runs, it tells the raiser whether
// the handler freed it.

#include "platform/Component.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct TRaiser : TComponent {
    using TComponent::TComponent;
    std::function<void()> OnFire;
    // The raiser's own pattern: guard, call out, look before going on.
    bool Fire()
    {
        auto alive = AliveGuard();
        OnFire();
        return bool(alive);
    }
};

}

TEST(AliveGuard, ReportsGoneWhenTheHandlerFreesItsOwnRaiser)
{
    auto* owner = new TComponent(nullptr);
    auto* raiser = new TRaiser(owner);
    auto* sibling = new TRaiser(owner);
    auto siblingAlive = sibling->AliveGuard();
    raiser->OnFire = [raiser] { delete raiser; };
    sibling->OnFire = [] {};
    EXPECT_EQ((std::tuple { raiser->Fire(), bool(siblingAlive), sibling->Fire() }), std::tuple(false, true, true));
    // Freed with its owner, the guard goes too; an empty guard never was alive.
    delete owner;
    EXPECT_EQ((std::tuple { bool(siblingAlive), bool(TAliveGuard()) }), std::tuple(false, false));
}
