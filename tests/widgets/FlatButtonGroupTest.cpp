#include "widgets/TB97.h"
#include "widgets/explbtn.h"
#include "widgets/ita_Office97.h"

#include "platform/Form.h"
#include "tests/support/MouseInput.h"
#include "tests/widgets/Pictures.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

struct Family { const char* name; TGroupButton* (*make)(TForm*); };

template<class T>
TGroupButton* make(TForm* form)
{
    auto* b = NewControl<T>(form, form, "");
    b->SetGroupIndex(5);
    return b;
}

const Family kFamilies[] = {
    { "TToolbarButton97", make<TToolbarButton97> }, { "TitaSpeedButton", make<TitaSpeedButton> },
    { "TOfficeButton", make<TOfficeButton> },
};

void clickWithMouse(TGroupButton* b)
{
    for (QEvent::Type type : { QEvent::Enter, QEvent::MouseButtonPress, QEvent::MouseButtonRelease })
        SendMouse(b->Widget(), type, 5, 5);
}

class FlatButtonGroup : public ::testing::TestWithParam<int> {};

TEST_P(FlatButtonGroup, APressedButtonPutsUpTheOthersOfItsGroupButNotOtherFamilies)
{
    const Family& family = kFamilies[GetParam()];
    const Family& stranger = kFamilies[(GetParam() + 1) % 3];
    TForm form(nullptr);
    TGroupButton *a = family.make(&form), *b = family.make(&form), *foreign = stranger.make(&form);
    clickWithMouse(b);
    clickWithMouse(foreign);
    ASSERT_TRUE(b->Down() && foreign->Down()) << family.name;
    clickWithMouse(a);
    // The foreign one is not reached.
    EXPECT_EQ(std::tuple(a->Down(), b->Down(), foreign->Down()), std::tuple(true, false, true))
        << family.name << " and " << stranger.name;
}

INSTANTIATE_TEST_SUITE_P(Families, FlatButtonGroup, ::testing::Range(0, 3),
                         [](const auto& info) { return std::string(kFamilies[info.param].name); });

TEST(SpeedButton, ReportsItsStateWithoutBeingPaintedAndPaintingLeavesItAlone)
{
    TForm form(nullptr);
    auto* b = static_cast<TitaSpeedButton*>(make<TitaSpeedButton>(&form));
    b->SetDown(true);
    b->SetEnabled(false);
    EXPECT_EQ(b->State(), 1);
    Painted(*b);
    EXPECT_EQ(b->State(), 1);
    b->SetEnabled(true);
    EXPECT_EQ(b->State(), 3);
}

}  // namespace
