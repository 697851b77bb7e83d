// SPDX-License-Identifier: MIT
#include "units.h"

#include "runtime_error.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace platform {

float himetricToTwips(float himetric) {
    return static_cast<float>(static_cast<double>(himetric) * kTwipsPerInch / kHimetricPerInch);
}

int pixelsToHimetric(int pixels) {
    return static_cast<int>(std::lround(pixels * kHimetricPerInch / kPixelsPerInch));
}

int twipsToPixels(double twips) {
    constexpr double kFarOut = 1.0e7;
    if (std::isnan(twips)) {
        return 0;
    }
    return static_cast<int>(std::lround(std::clamp(twips, -kFarOut, kFarOut) / kTwipsPerPixel));
}

QString numberToText(int value) {
    const QString digits = QString::number(value);
    return value >= 0 ? QLatin1Char(' ') + digits : digits;
}

Int16 toInt16(float value) {
    // nearbyint rounds in the current rounding mode, which is to nearest with ties to even.
    const double rounded = std::nearbyint(static_cast<double>(value));
    if (!(rounded >= std::numeric_limits<Int16>::min() &&
          rounded <= std::numeric_limits<Int16>::max())) {
        throw RuntimeError(ErrorKind::Overflow,
                           QStringLiteral("%1 does not fit a 16-bit integer").arg(value));
    }
    return static_cast<Int16>(rounded);
}

void increment(Int16& counter) {
    if (counter == std::numeric_limits<Int16>::max()) {
        throw RuntimeError(ErrorKind::Overflow, QStringLiteral("%1 + 1").arg(counter));
    }
    ++counter;
}

void decrement(Int16& counter) {
    if (counter == std::numeric_limits<Int16>::min()) {
        throw RuntimeError(ErrorKind::Overflow, QStringLiteral("%1 - 1").arg(counter));
    }
    --counter;
}

} // namespace platform
