#include "widgets/GoToWeb.h"

#include "tests/widgets/FakeBrowser.h"

#include <gtest/gtest.h>

TEST(GoToWeb, OpenUrlHandsTheAddressOverAsOneArgument)
{
    FakeBrowser browser;
    browser.Register("%u");
    TGoToWeb web(nullptr);
    EXPECT_EQ(web.BrowserState, gwMaximized);
    web.Url = "/home/me/My Site/page \"one\"; $(touch " + browser.xdg.File("pwned") + ") 'x'.htm";
    EXPECT_TRUE(web.OpenUrl());
    EXPECT_EQ(browser.Arguments(), web.Url + "\n");
    EXPECT_FALSE(FileExistsNow(browser.xdg.File("pwned")));
}

TEST(GoToWeb, SendMailPrefixesMailto)
{
    FakeBrowser browser;
    browser.Register("%u");
    TGoToWeb web(nullptr);
    web.EMail = "Jane Doe <jane@example.org>";
    EXPECT_TRUE(web.SendMail());
    EXPECT_EQ(browser.Arguments(), "mailto:Jane Doe <jane@example.org>\n");
}

TEST(GoToWeb, RegisteredSwitchesKeepTheirCaseAndComeFirst)
{
    FakeBrowser browser;
    browser.Register("--New-Window \"--Profile=Two Words\" %U");
    TGoToWeb web(nullptr);
    web.Url = "file:///Tmp/Page.HTM";
    EXPECT_TRUE(web.OpenUrl());
    EXPECT_EQ(browser.Arguments(), "--New-Window\n--Profile=Two Words\nfile:///Tmp/Page.HTM\n");
}

TEST(GoToWeb, LongCommandsAreNotCut)
{
    FakeBrowser browser;
    std::string longSwitch = "--x=" + std::string(2000, 'y');
    browser.Register(longSwitch + " %u");
    TGoToWeb web(nullptr);
    web.Url = std::string(1500, 'u');
    EXPECT_TRUE(web.OpenUrl());
    EXPECT_EQ(browser.Arguments(), longSwitch + "\n" + web.Url + "\n");
}

TEST(GoToWeb, NoBrowserOrOneThatCannotStartGivesFalse)
{
    XdgSandbox xdg;
    TGoToWeb web(nullptr);
    EXPECT_FALSE(web.OpenUrl());
    EXPECT_FALSE(web.SendMail());
    xdg.AddApplication("gone.desktop", xdg.File("no-such-browser") + " %u");
    xdg.SetDefault(xdg.Config(), "text/html", "gone.desktop");
    EXPECT_FALSE(web.OpenUrl());
}
