// SPDX-License-Identifier: MIT
#pragma once
#include <string_view>
namespace script {
// The callout text of a scene of the tutorial (1 to 80); empty for a scene that shows no callout.
std::string_view helpText(int scene);
} // namespace script
