#include "widgets/URLLabel.h"

#include "platform/ExtCtrls.h"
#include "tests/support/MouseInput.h"
#include "tests/widgets/FakeBrowser.h"

#include <QEvent>
#include <gtest/gtest.h>

#include <tuple>

namespace {

struct URLLabelTest : ::testing::Test {
    FakeBrowser browser;
    TPanel parent { nullptr };
    TURLLabel* label = new TURLLabel(&parent);
    void SetUp() override
    {
        browser.Register("%u");
        label->SetParent(&parent);
        label->ColorMoveOver = clGreen;
    }
    void send(QEvent::Type type, int x = 2, int y = 2) { SendMouse(label->Widget(), type, x, y); }
};

}

TEST_F(URLLabelTest, LooksLikeALinkFromTheStart)
{
    EXPECT_EQ(std::tuple(label->Caption(), label->FontColor(), label->ColorNormal, label->ColorClick, label->URL.empty()),
        std::tuple("Click me!", clBlue, clBlue, clRed, false));
}

TEST_F(URLLabelTest, ColourFollowsTheMouse)
{
    // Leaving and coming back while still pressed shows the pressed colour.
    std::vector<TColor> shown;
    for (QEvent::Type event : { QEvent::Enter, QEvent::MouseButtonPress, QEvent::Leave, QEvent::Enter }) {
        send(event);
        shown.push_back(label->FontColor());
    }
    EXPECT_EQ(shown, (std::vector<TColor> { clGreen, clRed, clBlue, clRed }));
}

TEST_F(URLLabelTest, PressAndReleaseInsideOpensTheAddress)
{
    label->URL = "https://www.corvana.example/a page?x='1'";
    send(QEvent::Enter);
    send(QEvent::MouseButtonPress);
    // The far edge still counts as inside.
    send(QEvent::MouseButtonRelease, label->Width(), label->Height());
    EXPECT_EQ((std::tuple { browser.Arguments(), label->FontColor(), label->Pressed() }),
        std::tuple(label->URL + "\n", clGreen, false));
}

TEST_F(URLLabelTest, EmptyAddressOpensTheCaption)
{
    label->URL.clear();
    label->SetCaption("https://caption.example/");
    ClickAt(label->Widget(), { 2, 2 });
    EXPECT_EQ(browser.Arguments(), "https://caption.example/\n");
}

TEST_F(URLLabelTest, ReleaseOutsideOrWithoutPressOpensNothing)
{
    // Where the release is, whether a press on the label came first, and the colour after.
    const std::tuple<int, int, bool, TColor> cases[] = {
        { -1, 2, true, clBlue }, { 2, -1, true, clBlue }, { 1000, 2, true, clBlue }, { 2, 1000, true, clBlue },
        { 2, 2, false, clGreen },
    };
    for (const auto& [x, y, press, after] : cases) {
        if (press)
            send(QEvent::MouseButtonPress);
        send(QEvent::MouseButtonRelease, x, y);
        EXPECT_EQ(std::tuple(label->FontColor(), label->Pressed()), std::tuple(after, false)) << x << "," << y;
    }
    EXPECT_FALSE(browser.Started());
}
