// SPDX-License-Identifier: MIT
#pragma once

#include "scene_table.h"

#include <array>

namespace script {

// One scene of the built-in script, as written down: the scene's number, the section it begins
// (or none), its screenshot, the callout's offsets and the pointer's target. The help text comes
// from helpText(scene).
struct ScriptRow {
    int scene;
    const char* section;
    const char* picture;
    Int16 helpTop;
    Int16 helpLeft;
    Int16 mouseY;
    Int16 mouseX;
};

inline constexpr int kScriptScenes = 80;
extern const std::array<ScriptRow, kScriptScenes> kTutorialScript;

// Writes the script into the table, using numberOfScenes as the write position: it ends at the
// index of the last scene (80). Each field is written through the table's index check and each
// step of the count through the overflow guard.
void loadScript(SceneTable& scenes, Int16& numberOfScenes);

} // namespace script
