// SPDX-License-Identifier: MIT
#pragma once

namespace platform {

// Makes the font built into the program the default of every control: Liberation Sans Narrow
// 8 pt, in which every help text fits its callout. Returns false, after a line on stderr, when
// the font could not be matched.
bool installApplicationFont();

} // namespace platform
