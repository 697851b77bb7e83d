#include "pause.h"

#include <chrono>
#include <thread>

namespace platform {

void pauseFor(double seconds) {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                             std::chrono::duration<double>(seconds));
    // sleep_until may wake early on a signal: sleep again until the deadline has passed.
    while (Clock::now() < deadline) {
        std::this_thread::sleep_until(deadline);
    }
}

} // namespace platform
