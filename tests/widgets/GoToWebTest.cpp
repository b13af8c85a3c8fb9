#include "widgets/GoToWeb.h"

#include "tests/widgets/FakeBrowser.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

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
    ::setenv("PATH", xdg.File("empty").c_str(), 1);  // no xdg-open either
    TGoToWeb web(nullptr);
    EXPECT_FALSE(web.OpenUrl());
    EXPECT_FALSE(web.SendMail());
    xdg.AddApplication("gone.desktop", xdg.File("no-such-browser") + " %u");
    xdg.SetDefault(xdg.Config(), "text/html", "gone.desktop");
    EXPECT_FALSE(web.OpenUrl());
}

TEST(GoToWeb, TheBrowserIsFoundWhereverTheDesktopRegistersIt)
{
    struct Case {
        const char* where;
        std::function<void(FakeBrowser&)> registerIt;
        const char* arguments;  // before the address
    };
    const auto list = [](const std::string& file, const std::string& text) { WriteFileBytes(file, text); };
    const Case cases[] = {
        { "default in the data folders' list",
            [&](FakeBrowser& b) {
                b.xdg.AddApplication("fake.desktop", "\"" + b.program + "\" %u");
                list(b.xdg.SystemData() + "/applications/mimeapps.list", "[Default Applications]\ntext/html=fake.desktop\n");
            },
            "" },
        { "added association only",
            [&](FakeBrowser& b) {
                b.xdg.AddApplication("fake.desktop", "\"" + b.program + "\" --added %u");
                list(b.xdg.Config() + "/mimeapps.list", "[Added Associations]\ntext/html=gone.desktop;fake.desktop;\n");
            },
            "--added\n" },
        { "mimeinfo.cache only, a removed association skipped",
            [&](FakeBrowser& b) {
                b.xdg.AddApplication("fake.desktop", "\"" + b.program + "\" --cache %u");
                b.xdg.AddApplication("removed.desktop", "\"" + b.program + "\" --removed %u");
                list(b.xdg.Config() + "/mimeapps.list", "[Added Associations]\ntext/html=removed.desktop;\n[Removed Associations]\ntext/html=removed.desktop;\n");
                list(b.xdg.SystemData() + "/applications/mimeinfo.cache", "[MIME Cache]\ntext/html=removed.desktop;fake.desktop;\n");
            },
            "--cache\n" },
        { "the http scheme handler",
            [&](FakeBrowser& b) {
                b.xdg.AddApplication("fake.desktop", "\"" + b.program + "\" --scheme %u");
                b.xdg.SetDefault(b.xdg.Config(), "x-scheme-handler/http", "fake.desktop");
            },
            "--scheme\n" },
        { "$BROWSER with %s", [](FakeBrowser& b) { ::setenv("BROWSER", ("\"" + b.program + "\" --env=%s:other").c_str(), 1); }, "" },
        { "$BROWSER without %s", [](FakeBrowser& b) { ::setenv("BROWSER", ("\"" + b.program + "\" -x").c_str(), 1); }, "-x\n" },
        { "xdg-open on the path",
            [](FakeBrowser& b) {
                std::filesystem::create_directories(b.xdg.File("bin"));
                std::filesystem::copy_file(b.program, b.xdg.File("bin/xdg-open"));
                ::setenv("PATH", (b.xdg.File("bin") + ":/usr/bin:/bin").c_str(), 1);
            },
            "" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        FakeBrowser browser;
        c.registerIt(browser);
        TGoToWeb web(nullptr);
        web.Url = "/tmp/My Site/page; $(x) 'a'.htm";
        EXPECT_TRUE(web.OpenUrl());
        std::string expected = std::string(c.arguments) + web.Url + "\n";
        if (std::string(c.where) == "$BROWSER with %s")
            expected = "--env=" + web.Url + "\n";
        EXPECT_EQ(browser.Arguments(), expected);
    }
}
