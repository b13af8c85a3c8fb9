#pragma once
// Running the message loop in a test until something has happened.

#include <functional>

// Pumps messages until `done` holds (true) or `timeoutMs` have passed (false).
bool RunUntil(const std::function<bool()>& done, int timeoutMs = 10000);
// Pumps messages for a while, whatever happens.
void RunFor(int ms);
