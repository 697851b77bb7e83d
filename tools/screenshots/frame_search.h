// SPDX-License-Identifier: MIT
// The search for the main window's frame layout: the frame is drawn alike in every picture and
// every scene's callout is known, so layouts can be tried against all scenes at once.
#pragma once

#include "script/scene_table.h"

namespace shots {

// Tries frame layouts against the callouts of the scenes 1 to numberOfScenes and prints the best
// ones, with the texts the best still leaves cut. Returns the exit code.
int frameSearch(const script::SceneTable& scenes, int numberOfScenes);

} // namespace shots
