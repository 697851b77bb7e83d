// SPDX-License-Identifier: MIT
#pragma once

#include "../platform/units.h"

#include <QString>

#include <array>

namespace script {

using platform::Int16;

// One page of the tutorial. Offsets are twips from the screenshot's top-left corner.
struct Scene {
    QString HelpText;    // the callout's text; empty: no callout
    Int16 HelpTop = 0;   // callout's top edge below the picture's top (negative: above)
    Int16 HelpLeft = 0;  // callout's left edge right of the picture's left (negative: left)
    Int16 MouseY = 0;    // pointer target below the picture's top; above 1: the scene glides
    Int16 MouseX = 0;    // pointer target right of the picture's left
    QString SectionName; // set only on the scene that begins a section
    QString PictureFile; // screenshot's file name in the program's directory, case as stored
};

// The scene table: exactly 501 records, indexes 0 to 500, all at their defaults until the script
// fills 1 to NumberOfScenes. Every access checks its index.
class SceneTable {
public:
    static constexpr int kSize = 501;

    // The record at index i; Subscript out of range unless 0 <= i <= 500.
    Scene& operator()(Int16 i);
    const Scene& operator()(Int16 i) const;

private:
    static void checkIndex(Int16 i);

    std::array<Scene, kSize> records_{};
};

} // namespace script
