#include "widgets/GoToWeb.h"

#include "tests/widgets/FakeBrowser.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <tuple>

namespace {

// The fake browser registered with these arguments, and the component.
struct GoToWeb : ::testing::Test {
    FakeBrowser browser;
    TGoToWeb web { nullptr };
    std::string OpenedWith(const std::string& execArgs, bool mail = false)
    {
        browser.Register(execArgs);
        EXPECT_TRUE(mail ? web.SendMail() : web.OpenUrl());
        return browser.Arguments();
    }
};

}

TEST_F(GoToWeb, OpenUrlHandsTheAddressOverAsOneArgument)
{
    EXPECT_EQ(web.BrowserState, gwMaximized);
    web.Url = "/home/me/My Site/page \"one\"; $(touch " + browser.xdg.File("pwned") + ") 'x'.htm";
    EXPECT_EQ((std::tuple { OpenedWith("%u"), FileExistsNow(browser.xdg.File("pwned")) }), std::tuple(web.Url + "\n", false));
}

TEST_F(GoToWeb, SendMailPrefixesMailto)
{
    web.EMail = "Jane Doe <jane@example.org>";
    EXPECT_EQ(OpenedWith("%u", true), "mailto:Jane Doe <jane@example.org>\n");
}

TEST_F(GoToWeb, RegisteredSwitchesKeepTheirCaseAndComeFirst)
{
    web.Url = "file:///Tmp/Page.HTM";
    EXPECT_EQ(OpenedWith("--New-Window \"--Profile=Two Words\" %U"), "--New-Window\n--Profile=Two Words\nfile:///Tmp/Page.HTM\n");
}

TEST_F(GoToWeb, LongCommandsAreNotCut)
{
    std::string longSwitch = "--x=" + std::string(2000, 'y');
    web.Url = std::string(1500, 'u');
    EXPECT_EQ(OpenedWith(longSwitch + " %u"), longSwitch + "\n" + web.Url + "\n");
}

TEST_F(GoToWeb, NoBrowserOrOneThatCannotStartGivesFalse)
{
    XdgSandbox& xdg = browser.xdg;  // with no browser registered
    ::setenv("PATH", xdg.File("empty").c_str(), 1);  // no xdg-open either
    EXPECT_EQ((std::tuple { web.OpenUrl(), web.SendMail() }), std::tuple(false, false));
    xdg.AddApplication("gone.desktop", xdg.File("no-such-browser") + " %u");
    xdg.SetDefault(xdg.Config(), "text/html", "gone.desktop");
    EXPECT_FALSE(web.OpenUrl());
}

TEST_F(GoToWeb, TheBrowserIsFoundWhereverTheDesktopRegistersIt)
{
    // Where the desktop keeps the browser; the arguments fake.desktop registers, if it is there;
    // how the browser is registered; the arguments it is started with, %s for the address.
    const std::tuple<const char*, const char*, std::function<void(FakeBrowser&)>, const char*> cases[] = {
        { "default in the data folders' list", "%u", [](FakeBrowser& b) {
              WriteFileBytes(b.xdg.SystemData() + "/applications/mimeapps.list",
                  "[Default Applications]\ntext/html=fake.desktop\n");
          }, "%s\n" },
        { "added association only", "--added %u", [](FakeBrowser& b) {
              WriteFileBytes(b.xdg.Config() + "/mimeapps.list", "[Added Associations]\ntext/html=gone.desktop;fake.desktop;\n");
          }, "--added\n%s\n" },
        { "mimeinfo.cache only, a removed association skipped", "--cache %u", [](FakeBrowser& b) {
              b.xdg.AddApplication("removed.desktop", "\"" + b.program + "\" --removed %u");
              WriteFileBytes(b.xdg.Config() + "/mimeapps.list",
                  "[Added Associations]\ntext/html=removed.desktop;\n[Removed Associations]\ntext/html=removed.desktop;\n");
              WriteFileBytes(b.xdg.SystemData() + "/applications/mimeinfo.cache",
                  "[MIME Cache]\ntext/html=removed.desktop;fake.desktop;\n");
          }, "--cache\n%s\n" },
        { "the http scheme handler", "--scheme %u",
            [](FakeBrowser& b) { b.xdg.SetDefault(b.xdg.Config(), "x-scheme-handler/http", "fake.desktop"); }, "--scheme\n%s\n" },
        { "$BROWSER with %s", nullptr,
            [](FakeBrowser& b) { ::setenv("BROWSER", ("\"" + b.program + "\" --env=%s:other").c_str(), 1); }, "--env=%s\n" },
        { "$BROWSER without %s", nullptr,
            [](FakeBrowser& b) { ::setenv("BROWSER", ("\"" + b.program + "\" -x").c_str(), 1); }, "-x\n%s\n" },
        { "xdg-open on the path", nullptr, [](FakeBrowser& b) {
              std::filesystem::create_directories(b.xdg.File("bin"));
              std::filesystem::copy_file(b.program, b.xdg.File("bin/xdg-open"));
              ::setenv("PATH", (b.xdg.File("bin") + ":/usr/bin:/bin").c_str(), 1);
          }, "%s\n" },
    };
    web.Url = "/tmp/My Site/page; $(x) 'a'.htm";
    for (const auto& [where, exec, registerIt, arguments] : cases) {
        SCOPED_TRACE(where);
        FakeBrowser fresh;
        if (exec)
            fresh.xdg.AddApplication("fake.desktop", "\"" + fresh.program + "\" " + exec);
        registerIt(fresh);
        EXPECT_TRUE(web.OpenUrl());
        std::string expected = arguments;
        EXPECT_EQ(fresh.Arguments(), expected.replace(expected.find("%s"), 2, web.Url));
    }
}
