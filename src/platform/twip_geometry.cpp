// SPDX-License-Identifier: MIT
#include "twip_geometry.h"

#include "units.h"

#include <QWidget>

#include <algorithm>

namespace platform {

void TwipGeometry::setLeft(float twips) {
    left_ = twips;
    apply();
}

void TwipGeometry::setTop(float twips) {
    top_ = twips;
    apply();
}

void TwipGeometry::setWidth(float twips) {
    width_ = twips;
    apply();
}

void TwipGeometry::setHeight(float twips) {
    height_ = twips;
    apply();
}

void TwipGeometry::place(float left, float top, float width, float height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    apply();
}

void TwipGeometry::apply() {
    // Both edges are rounded to pixels, so that neighbouring controls meet without gaps.
    const int x = twipsToPixels(left_);
    const int y = twipsToPixels(top_);
    const int right = twipsToPixels(static_cast<double>(left_) + width_);
    const int bottom = twipsToPixels(static_cast<double>(top_) + height_);
    widget_->setGeometry(x, y, std::max(0, right - x), std::max(0, bottom - y));
}

} // namespace platform
