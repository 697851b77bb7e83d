// SPDX-License-Identifier: MIT
#include "callout.h"

namespace script {

Callout calloutAt(qsizetype textLength, float textLeft, float textTop) {
    const double lines = static_cast<double>(textLength) / 50.0;
    Callout callout;
    callout.text = {textLeft, textTop, kCalloutTextWidth, static_cast<float>(lines * 200 + 100)};
    callout.plate = {textLeft - 120, textTop - 120, kCalloutPlateWidth,
                     static_cast<float>(lines * 200 + 245)};
    return callout;
}

} // namespace script
