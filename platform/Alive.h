#pragma once
// Whether an object still stands. An event handler may free the very object
// that raised it (a socket closed and freed in OnSessionClosed, a window
// closed from its own button); the raiser takes a guard before the call and
// asks it afterwards, before it touches a member again.

#include <memory>

class TAliveGuard {
public:
    TAliveGuard() = default; // an empty guard reports "gone"
    bool Alive() const { return !m_flag.expired(); }
    explicit operator bool() const { return Alive(); }

private:
    friend class TAliveFlag;
    explicit TAliveGuard(std::weak_ptr<const char> flag) : m_flag(std::move(flag)) {}
    std::weak_ptr<const char> m_flag;
};

// Held by the object itself; its guards go "gone" when it is destroyed, or
// earlier, when its destructor chain begins (Kill).
class TAliveFlag {
public:
    TAliveFlag() = default;
    TAliveFlag(const TAliveFlag&) = delete;
    TAliveFlag& operator=(const TAliveFlag&) = delete;

    TAliveGuard Guard() const { return TAliveGuard(m_flag); }
    void Kill() { m_flag.reset(); }

private:
    std::shared_ptr<const char> m_flag = std::make_shared<const char>('\0');
};
