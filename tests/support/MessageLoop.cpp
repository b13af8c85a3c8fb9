#include "tests/support/MessageLoop.h"

#include "platform/Application.h"
#include "platform/MessagePump.h"
#include "platform/Messages.h"

bool RunUntil(const std::function<bool()>& done, int timeoutMs)
{
    std::uint64_t deadline = GetTickCount64() + std::uint64_t(timeoutMs);
    while (!done()) {
        if (GetTickCount64() >= deadline)
            return false;
        Application->ProcessMessages();
        if (!done())
            WaitForMessages(20);
    }
    return true;
}

void RunFor(int ms) { RunUntil([] { return false; }, ms); }
