// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace platform {

// A control's place and size in twips. The values are kept exactly as written, as
// single-precision floats, and read back unchanged; the widget's pixel geometry is derived from
// them (15 twips to the pixel). Negative and off-window values are accepted.
class TwipGeometry {
public:
    explicit TwipGeometry(QWidget* widget) : widget_(widget) {}

    float Left() const { return left_; }
    float Top() const { return top_; }
    float Width() const { return width_; }
    float Height() const { return height_; }

    void setLeft(float twips);
    void setTop(float twips);
    void setWidth(float twips);
    void setHeight(float twips);
    void place(float left, float top, float width, float height);

private:
    void apply();

    QWidget* widget_;
    float left_ = 0;
    float top_ = 0;
    float width_ = 0;
    float height_ = 0;
};

} // namespace platform
