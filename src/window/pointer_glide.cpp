#include "frm_main.h"

#include "../platform/pause.h"

namespace {
constexpr int kGlideSteps = 60;
constexpr double kStepPause = 0.04; // seconds after each step
} // namespace

void frmMain::setGlidePause(PauseFunction pause) {
    glidePause_ = std::move(pause);
}

void frmMain::MoveMouse() {
    MousePict->show();
    const float startX = Width();
    const float startY = Height();
    const float targetX = Image1->Left() + static_cast<float>(Scenes(CurrentScene).MouseX);
    const float targetY = Image1->Top() + static_cast<float>(Scenes(CurrentScene).MouseY);
    MousePict->setLeft(startX);
    MousePict->setTop(startY);
    for (int i = 1; i <= kGlideSteps; ++i) {
        // Each operation rounds to single precision, in this order; the top moves first.
        const float step = static_cast<float>(i);
        MousePict->setTop(startY - (startY - targetY) / kGlideSteps * step);
        MousePict->setLeft(startX - (startX - targetX) / kGlideSteps * step);
        Refresh();
        (glidePause_ ? glidePause_ : platform::pauseFor)(kStepPause);
    }
}
