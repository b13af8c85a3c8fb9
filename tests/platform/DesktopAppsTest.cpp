#include "platform/DesktopApps.h"
#include "tests/platform/XdgSandbox.h"

#include <gtest/gtest.h>

using Words = std::vector<std::string>;

// Each test reads its own desktop folders.
struct DesktopApps : ::testing::Test {
    XdgSandbox xdg;
};

TEST_F(DesktopApps, NoListMeansNoApplication)
{
    EXPECT_EQ(DefaultApplicationCommand("text/html"), Words {});
    xdg.SetDefault(xdg.Config(), "text/html", "missing.desktop;");
    EXPECT_EQ(DefaultApplicationCommand("text/html"), Words {});
}

TEST_F(DesktopApps, UserListAndDesktopFileGiveTheCommand)
{
    xdg.AddApplication("web.desktop", "\"/opt/Web Browser/run\" --New-Window %U");
    xdg.SetDefault(xdg.Config(), "text/html", "web.desktop;");
    EXPECT_EQ((std::tuple { DefaultApplicationCommand("text/html"), DefaultApplicationCommand("text/plain") }),
        std::tuple(Words { "/opt/Web Browser/run", "--New-Window" }, Words {}));
}

TEST_F(DesktopApps, ListsAreSearchedInOrderAndUninstalledEntriesSkipped)
{
    xdg.AddApplication("first.desktop", "first %u");
    xdg.AddApplication("second.desktop", "second %u");
    xdg.AddApplication("hidden.desktop", "hidden %u", "Hidden=true\n");
    // The data folders' list counts only when the configuration lists say nothing.
    xdg.SetDefault(xdg.Data() + "/applications", "text/html", "first.desktop");
    EXPECT_EQ(DefaultApplicationCommand("text/html"), Words { "first" });
    xdg.SetDefault(xdg.SystemConfig(), "text/html", "gone.desktop;hidden.desktop;second.desktop;first.desktop");
    EXPECT_EQ(DefaultApplicationCommand("text/html"), Words { "second" });
    xdg.SetDefault(xdg.Config(), "text/html", "first.desktop");
    EXPECT_EQ(DefaultApplicationCommand("text/html"), Words { "first" });
}

TEST_F(DesktopApps, SystemDataFolderHoldsApplicationsToo)
{
    WriteFileBytes(xdg.SystemData() + "/applications/sys.desktop", "[Other]\nExec=wrong\n[Desktop Entry]\n Exec = sysbrowser %f \n");
    xdg.SetDefault(xdg.SystemData() + "/applications", "text/html", "sys.desktop;");
    EXPECT_EQ(DefaultApplicationCommand("text/html"), Words { "sysbrowser" });
    // An id is a file name, never a path.
    xdg.SetDefault(xdg.Config(), "text/html", "../applications/sys.desktop");
    EXPECT_EQ(FindDesktopFile("../applications/sys.desktop"), "");
}

TEST_F(DesktopApps, LongValuesAreReadWhole)
{
    std::string longArg = "--profile=" + std::string(3000, 'p');
    xdg.AddApplication("web.desktop", "browser " + longArg + " %u");
    xdg.SetDefault(xdg.Config(), "text/html", std::string(2000, 'x') + ".desktop;web.desktop");
    EXPECT_EQ(DefaultApplicationCommand("text/html"), (Words { "browser", longArg }));
}

TEST_F(DesktopApps, ExecLineQuoting)
{
    EXPECT_EQ((std::vector { SplitExecLine("  a  b\tc "), SplitExecLine("\"/x y/z\" \"say \\\"hi\\\"\" \"a\\\\b\""),
                  SplitExecLine("pre\"mid dle\"post") }),
        (std::vector<Words> { { "a", "b", "c" }, { "/x y/z", "say \"hi\"", "a\\b" }, { "premid dlepost" } }));
}

TEST_F(DesktopApps, FieldCodesGoWithTheirCharacter)
{
    // Only the line's very last "%" stays; a word that was empty to begin with stays.
    EXPECT_EQ((std::vector { RemoveFieldCodes({ "prog", "%u", "%U", "%f", "%F" }),
                  RemoveFieldCodes({ "prog", "--file=%f", "a%%b" }), RemoveFieldCodes({ "prog", "50%", "x", "100%" }),
                  RemoveFieldCodes({ "prog", "" }) }),
        (std::vector<Words> { { "prog" }, { "prog", "--file=", "ab" }, { "prog", "50", "x", "100%" }, { "prog", "" } }));
}

TEST_F(DesktopApps, StringEscapesOfValues)
{
    xdg.AddApplication("esc.desktop", "prog\\sarg \\\\x");
    const std::string file = xdg.Data() + "/applications/esc.desktop";
    EXPECT_EQ((std::tuple { ReadDesktopValue(file, "Desktop Entry", "Exec"), ReadDesktopValue(file, "Desktop Entry", "Nothing"),
                  ReadDesktopValue(xdg.File("no-such-file"), "Desktop Entry", "Exec") }), std::tuple("prog arg \\x", "", ""));
}
