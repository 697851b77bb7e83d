// SPDX-License-Identifier: MIT
#include "frm_main.h"

#include "../platform/pause.h"

#include <cfloat>

// The glide's positions are single-precision results of each operation in turn; an evaluation
// in wider precision would put the pointer on other twips.
static_assert(FLT_EVAL_METHOD == 0, "float arithmetic must round every operation to float");

namespace {
constexpr int kGlideSteps = 60;
constexpr double kStepPause = 0.04; // seconds after each step
} // namespace

// An empty function puts the real pause back.
void frmMain::setGlidePause(PauseFunction pause) {
    glidePause_ = std::move(pause);
}

// The pointer's tip travels in a straight line from the window's outer bottom-right corner to
// the scene's spot on the screenshot, in 60 equal steps with a pause after each. Nothing else
// happens meanwhile: the pause handles no event, so input waits in the queue and is handled in
// its order once the presentation is over.
//
// Each step is repainted before its pause, so that it is on the screen while the pause lasts;
// the first step's repaint is the whole window's and also brings up the screenshot, shown just
// before the glide. Later steps repaint only where the pointer was and where it is now, which
// keeps the glide's processor time small. A window that is on the screen at all is exposed when a
// glide starts: Resize waits for the window's expose (resizing.cpp), and every other presentation
// follows the user's input to the window.
void frmMain::MoveMouse() {
    MousePict->show();
    const float startX = Width();
    const float startY = Height();
    const float targetX = Image1->Left() + static_cast<float>(Scenes(CurrentScene).MouseX);
    const float targetY = Image1->Top() + static_cast<float>(Scenes(CurrentScene).MouseY);
    MousePict->setLeft(startX);
    MousePict->setTop(startY);
    for (int i = 1; i <= kGlideSteps; ++i) {
        // The difference, the division, the product and the final difference each round to
        // single precision, in this order; the top moves before the left.
        const float step = static_cast<float>(i);
        const QRect was = MousePict->geometry();
        MousePict->setTop(startY - (startY - targetY) / kGlideSteps * step);
        MousePict->setLeft(startX - (startX - targetX) / kGlideSteps * step);
        // The pause starts now, with the clock read after the moves; the repaint happens within
        // it, so that 60 steps take 2.4 seconds and not 2.4 plus 60 repaints.
        const platform::PauseClock::time_point pauseStart = platform::PauseClock::now();
        if (i == 1) {
            Refresh();
        } else {
            const QWidget* container = MousePict->parentWidget();
            repaint(QRegion(QRect(container->mapTo(this, was.topLeft()), was.size())) +
                    QRect(container->mapTo(this, MousePict->pos()), MousePict->size()));
        }
        if (glidePause_) {
            glidePause_(kStepPause);
        } else {
            platform::pauseFor(kStepPause, pauseStart);
        }
    }
}
