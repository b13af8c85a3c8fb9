#pragma once
// A browser registered as the desktop's default for HTML pages that records
// each start: the arguments it was started with, one to a line, in a record
// of their own, so that a second start shows.

#include "tests/platform/ChildProcessHelpers.h"
#include "tests/platform/XdgSandbox.h"
#include "tests/support/MessageLoop.h"

#include <filesystem>

struct FakeBrowser {
    XdgSandbox xdg;
    std::string program = xdg.File("fake browser");
    std::string starts = xdg.File("starts");

    FakeBrowser()
    {
        std::filesystem::create_directory(starts);
        // Each start writes its arguments, one a line, to a file of its own.
        WriteScript(program, "f=$(mktemp '" + starts + "/start.XXXXXX') && "
                "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$f\" && mv \"$f\" \"$f.done\"");
    }
    void Register(const std::string& execArgs = "%u")
    {
        xdg.AddApplication("fake.desktop", "\"" + program + "\" " + execArgs);
        xdg.SetDefault(xdg.Config(), "text/html", "fake.desktop;");
    }
    // The starts recorded so far.
    std::vector<std::string> Records() const
    {
        std::vector<std::string> done;
        for (const auto& entry : std::filesystem::directory_iterator(starts))
            if (entry.path().extension() == ".done")
                done.push_back(ReadFileBytes(entry.path().string()));
        return done;
    }
    // How often the browser was started: waits for a first start, then a
    // while for any start that came with it.
    int Starts(int waitMs = 300)
    {
        if (RunUntil([this] { return !Records().empty(); }, waitMs))
            RunFor(150);
        return int(Records().size());
    }
    // The arguments of the one start.
    std::string Arguments()
    {
        int n = Starts(10000);
        if (n != 1)
            return n == 0 ? "(browser not started)" : "(browser started " + std::to_string(n) + " times)";
        return Records().front();
    }
    // Whether the browser was started within a short while.
    bool Started(int waitMs = 300) { return Starts(waitMs) > 0; }
};
