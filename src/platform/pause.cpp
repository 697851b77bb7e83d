// SPDX-License-Identifier: MIT
#include "pause.h"

#include <chrono>
#include <thread>

namespace platform {

void pauseFor(double seconds, PauseClock::time_point from) {
    using Clock = PauseClock;
    // Rounded up, so that the pause is never shorter than asked.
    const auto deadline =
        from + std::chrono::ceil<Clock::duration>(std::chrono::duration<double>(seconds));
    // sleep_until may wake early on a signal: sleep again until the deadline has passed.
    while (Clock::now() < deadline) {
        std::this_thread::sleep_until(deadline);
    }
}

} // namespace platform
