// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>

namespace platform {

using PauseClock = std::chrono::steady_clock;

// Waits until at least `seconds` have passed since `from` (by default: now) on a monotonic clock,
// without handling any event and without keeping the processor busy. A pause may start before
// work that belongs to it: that work then counts towards the pause instead of lengthening it.
void pauseFor(double seconds, PauseClock::time_point from = PauseClock::now());

} // namespace platform
