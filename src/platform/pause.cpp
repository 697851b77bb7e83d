#include "pause.h"

#include <chrono>
#include <thread>

namespace platform {

void pauseFor(double seconds) {
    using Clock = std::chrono::steady_clock;
    // Rounded up, so that the pause is never shorter than asked.
    const auto deadline =
        Clock::now() + std::chrono::ceil<Clock::duration>(std::chrono::duration<double>(seconds));
    // sleep_until may wake early on a signal: sleep again until the deadline has passed.
    while (Clock::now() < deadline) {
        std::this_thread::sleep_until(deadline);
    }
}

} // namespace platform
