#include "widgets/URLLabel.h"

#include "platform/ExtCtrls.h"
#include "tests/support/MouseInput.h"
#include "tests/widgets/FakeBrowser.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

void send(TURLLabel& label, QEvent::Type type, int x = 2, int y = 2)
{
    SendMouse(label.Widget(), type, x, y);
}

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
};

}

TEST_F(URLLabelTest, LooksLikeALinkFromTheStart)
{
    EXPECT_EQ(label->Caption(), "Click me!");
    EXPECT_EQ(label->FontColor(), clBlue);
    EXPECT_EQ(label->ColorNormal, clBlue);
    EXPECT_EQ(label->ColorClick, clRed);
    EXPECT_FALSE(label->URL.empty());
}

TEST_F(URLLabelTest, ColourFollowsTheMouse)
{
    send(*label, QEvent::Enter);
    EXPECT_EQ(label->FontColor(), clGreen);
    send(*label, QEvent::MouseButtonPress);
    EXPECT_EQ(label->FontColor(), clRed);
    // Leaving and coming back while still pressed shows the pressed colour.
    send(*label, QEvent::Leave);
    EXPECT_EQ(label->FontColor(), clBlue);
    send(*label, QEvent::Enter);
    EXPECT_EQ(label->FontColor(), clRed);
}

TEST_F(URLLabelTest, PressAndReleaseInsideOpensTheAddress)
{
    label->URL = "https://www.corvana.example/a page?x='1'";
    send(*label, QEvent::Enter);
    send(*label, QEvent::MouseButtonPress);
    // The far edge still counts as inside.
    send(*label, QEvent::MouseButtonRelease, label->Width(), label->Height());
    EXPECT_EQ(browser.Arguments(), label->URL + "\n");
    EXPECT_EQ(label->FontColor(), clGreen);
    EXPECT_FALSE(label->Pressed());
}

TEST_F(URLLabelTest, EmptyAddressOpensTheCaption)
{
    label->URL.clear();
    label->SetCaption("https://caption.example/");
    send(*label, QEvent::MouseButtonPress);
    send(*label, QEvent::MouseButtonRelease);
    EXPECT_EQ(browser.Arguments(), "https://caption.example/\n");
}

TEST_F(URLLabelTest, ReleaseOutsideOrWithoutPressOpensNothing)
{
    struct Case {
        int x, y;
        bool press;
        TColor after;
    };
    const Case cases[] = {
        { -1, 2, true, clBlue },
        { 2, -1, true, clBlue },
        { 1000, 2, true, clBlue },
        { 2, 1000, true, clBlue },
        { 2, 2, false, clGreen },  // a release without a press on the label
    };
    for (const Case& c : cases) {
        if (c.press)
            send(*label, QEvent::MouseButtonPress);
        send(*label, QEvent::MouseButtonRelease, c.x, c.y);
        EXPECT_EQ(label->FontColor(), c.after) << c.x << "," << c.y;
        EXPECT_FALSE(label->Pressed());
    }
    EXPECT_FALSE(browser.Started());
}
