// SPDX-License-Identifier: MIT
#pragma once

#include "runtime_error.h"

#include <utility>

class QWidget;

namespace platform {

// Reports an error that no procedure handled: a modal message box that names the error and the
// handler it ended, the same text on stderr, then the program ends with a non-zero status.
[[noreturn]] void reportUnhandledError(QWidget* window, const char* handler,
                                       const RuntimeError& error);

// Runs an event handler. A run-time error that escapes it is reported and ends the program, so
// no exception ever travels through the toolkit's event loop.
template <class Body> void runHandler(QWidget* window, const char* handler, Body&& body) {
    try {
        std::forward<Body>(body)();
    } catch (const RuntimeError& error) {
        reportUnhandledError(window, handler, error);
    }
}

} // namespace platform
