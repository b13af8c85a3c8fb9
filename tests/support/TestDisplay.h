#pragma once
// An X server of the test's own: Xvfb, which picks a free display number
// itself (-displayfd), so that tests running at once never share one;
// openbox manages it when asked. Both end with the object.

#include <sys/types.h>

#include <string>

class TestDisplay {
public:
    explicit TestDisplay(bool windowManager = false);
    ~TestDisplay();
    TestDisplay(const TestDisplay&) = delete;
    TestDisplay& operator=(const TestDisplay&) = delete;

    bool Running() const { return !m_name.empty(); }
    // ":N"
    const std::string& Name() const { return m_name; }
    // Why it could not be started.
    const std::string& Problem() const { return m_problem; }

private:
    bool waitForWindowManager();

    pid_t m_server = -1;
    pid_t m_manager = -1;
    std::string m_name;
    std::string m_problem;
};
