#pragma once
// The message of the exception a step raises, so that one check covers both
// that it raised and what it said.

#include "platform/Exception.h"

#include <string>

template <class E = Exception, class F>
std::string ThrownMessage(F&& step)
{
    try {
        step();
    } catch (const E& e) {
        return e.Message;
    }
    return "(nothing raised)";
}
