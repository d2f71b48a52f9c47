#pragma once

#include "support/Error.h"

#include <functional>

// The Error that the step raises; number 0 and no description when it raises none.
inline Error ErrorOf(const std::function<void()>& step)
{
    try {
        step();
    } catch (const Error& error) {
        return error;
    }
    return Error(0, {});
}
