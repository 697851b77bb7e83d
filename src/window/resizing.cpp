// SPDX-License-Identifier: MIT
#include "frm_main.h"

#include "../platform/error_report.h"

#include <QCoreApplication>
#include <QResizeEvent>
#include <QWindow>

// The bar spans the window's outer width with its top at the outer height less its own height,
// and Exit keeps 120 twips from the bar's right end. The window has no title bar, so its outer
// size is its inner size and a thin border. Nothing is rounded or clamped: a window narrower or
// lower than the bar gives Exit or the bar a negative place.
void frmMain::Form_Resize() {
    FrameHoldsControls->setWidth(Width());
    FrameHoldsControls->setTop(Height() - FrameHoldsControls->Height());
    btnExit->setLeft(FrameHoldsControls->Width() - btnExit->Width() - 120);
    SetCurrentScene();
}

// Resize is raised at the first show and after every change of size or state, once for each
// change, however many of the toolkit's events report it:
//
// - A minimised window is never on the screen: its Resize is raised at once.
// - Any other window raises it only once it is on the screen (mapped), so that the glide of the
//   presentation is seen step by step. A window is shown, and restored from the minimised
//   state, before the platform exposes it; in the meantime the changes are only noted, and the
//   expose raises Resize for all of them (see eventFilter).
// - A hidden window raises nothing; its first show does.

void frmMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    clientArea_->resize(width() - 2, height() - 2);
    raiseResizeIfChanged();
}

void frmMain::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        raiseResizeIfChanged();
    }
}

void frmMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The native window exists by now; it may have been made anew since the last show.
    if (QWindow* handle = windowHandle()) {
        handle->installEventFilter(this);
    }
    raiseResizeIfChanged();
}

// The window's expose: the window takes it first, which puts it on the screen, and then Resize
// is raised if it is due. When it is due, the expose paints nothing itself, so that the first
// picture on the screen is the presentation's, with the bar already laid out.
bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    QWindow* handle = windowHandle();
    if (event->type() != QEvent::Expose || watched != handle || forwardingExpose_) {
        return QWidget::eventFilter(watched, event);
    }
    const bool holdPainting = resizeDue() && handle->isExposed();
    forwardingExpose_ = true;
    if (holdPainting) {
        setUpdatesEnabled(false);
    }
    QCoreApplication::sendEvent(watched, event);
    if (holdPainting) {
        setUpdatesEnabled(true);
    }
    forwardingExpose_ = false;
    raiseResizeIfChanged();
    return true;
}

namespace {
// Whether the window is active is no part of its state here.
Qt::WindowStates sizeState(Qt::WindowStates states) {
    return states & ~Qt::WindowActive;
}
} // namespace

bool frmMain::resizeDue() const {
    return isVisible() && (!resizeSeen_ || size() != lastResizeSize_ ||
                           sizeState(windowState()) != lastResizeState_);
}

void frmMain::raiseResizeIfChanged() {
    if (!resizeDue()) {
        return;
    }
    if (!isMinimized() && !testAttribute(Qt::WA_Mapped)) {
        return; // raised by the expose
    }
    resizeSeen_ = true;
    lastResizeSize_ = size();
    lastResizeState_ = sizeState(windowState());
    platform::runHandler(this, "Form_Resize", [this] { Form_Resize(); });
}
