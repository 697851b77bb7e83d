#pragma once

namespace platform {

// Waits at least `seconds` on a monotonic clock without handling any event and without keeping
// the processor busy.
void pauseFor(double seconds);

} // namespace platform
