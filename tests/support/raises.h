// The message of the exception an action raises, for tests that check the
// words a user would read.
#pragma once

#include <exception>
#include <string>

// What action raises as an E (by default any exception), or "" when it
// raises nothing.
template <typename E = std::exception, typename Action>
std::string MessageOf(Action action)
{
    try {
        action();
    } catch (const E& e) {
        return e.what();
    }
    return "";
}
