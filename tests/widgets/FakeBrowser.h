#pragma once
// A browser registered as the desktop's default for HTML pages that records
// the arguments it was started with, one to a line.

#include "tests/platform/ChildProcessHelpers.h"
#include "tests/platform/XdgSandbox.h"
#include "tests/support/MessageLoop.h"

struct FakeBrowser {
    XdgSandbox xdg;
    std::string program = xdg.File("fake browser");
    std::string record = xdg.File("args");

    FakeBrowser()
    {
        WriteScript(program, "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" + record + ".tmp'; mv '" + record + ".tmp' '" + record + "'");
    }
    void Register(const std::string& execArgs = "%u")
    {
        xdg.AddApplication("fake.desktop", "\"" + program + "\" " + execArgs);
        xdg.SetDefault(xdg.Config(), "text/html", "fake.desktop;");
    }
    std::string Arguments()
    {
        if (!RunUntil([this] { return FileExistsNow(record); }))
            return "(browser not started)";
        return ReadFileBytes(record);
    }
    // Whether the browser was started within a short while.
    bool Started(int waitMs = 300)
    {
        RunUntil([this] { return FileExistsNow(record); }, waitMs);
        return FileExistsNow(record);
    }
};
