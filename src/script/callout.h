// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

namespace script {

// A rectangle in twips, kept as the controls keep theirs: in single-precision floats.
struct TwipRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

// The callout: the label that holds a scene's help text, and the pale-yellow plate behind it.
struct Callout {
    TwipRect text;
    TwipRect plate;
};

inline constexpr float kCalloutTextWidth = 4605;
inline constexpr float kCalloutPlateWidth = 4875;

// The callout of a text of textLength characters whose label's top-left corner lies at
// (textLeft, textTop). The label allows about 50 characters to a line of 200 twips, with 100
// twips to spare; the plate reaches 120 twips further up and left, and 145 twips lower.
// The window places its callout with it, as it follows a drag and as tools predict what the
// window will show.
Callout calloutAt(qsizetype textLength, float textLeft, float textTop);

} // namespace script
