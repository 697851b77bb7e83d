// SPDX-License-Identifier: MIT
// The tutorial's 80 scenes as far as the pictures are concerned: each picture's file name,
// where the tutorial puts its help callout and pointer, and the function that draws it.
#pragma once

#include <QPoint>
#include <QRect>

#include <optional>
#include <span>

namespace shots {

class Screen;

struct SceneSpec {
    int number;
    const char* file;
    int helpTop; // callout offsets from the picture's top-left corner, in twips
    int helpLeft;
    int mouseY; // pointer target in twips; no pointer unless mouseY > 1
    int mouseX;
    int textLength; // characters of the help text; 0 means no callout
    void (*build)(Screen&);
};

std::span<const SceneSpec> allScenes();

// The area the callout and its plate cover, in pixels of the picture (15 twips a pixel);
// empty for a scene without text.
QRect calloutArea(const SceneSpec& scene);

// Where the tip of the pointer comes to rest, in pixels of the picture.
std::optional<QPoint> pointerTip(const SceneSpec& scene);

} // namespace shots
