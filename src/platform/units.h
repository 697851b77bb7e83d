// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstdint>

// Twips, HIMETRIC and 16-bit integers: the units the tutorial is written in.
namespace platform {

using Int16 = std::int16_t;

inline constexpr int kTwipsPerPixel = 15; // 1440 twips to the inch at 96 pixels to the inch
inline constexpr int kPixelsPerInch = 96;
inline constexpr double kTwipsPerInch = 1440.0;
inline constexpr double kHimetricPerInch = 2540.0; // hundredths of a millimetre

// A length in HIMETRIC converted to twips, in single precision (the window's ScaleX and ScaleY).
float himetricToTwips(float himetric);

// A picture's pixel length as whole HIMETRIC units at 96 pixels to the inch (640 gives 16933).
int pixelsToHimetric(int pixels);

// The pixel that a twip position falls on, clamped far outside any screen so that huge or
// non-finite twips stay harmless.
int twipsToPixels(double twips);

// Decimal text with a leading blank for 0 and above, a minus sign below ("Page" + " 1").
QString numberToText(int value);

// A float to a 16-bit integer: nearest, ties to even (2.5 -> 2, 3.5 -> 4); Overflow outside
// -32768..32767.
Int16 toInt16(float value);

// A counter moved by one, guarded against 16-bit overflow: on overflow the counter keeps its
// value and Overflow is raised.
void increment(Int16& counter);
void decrement(Int16& counter);

} // namespace platform
