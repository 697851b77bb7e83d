#include "frm_main.h"

#include "../platform/error_report.h"

#include <QResizeEvent>

void frmMain::Form_Resize() {
    FrameHoldsControls->setWidth(Width());
    FrameHoldsControls->setTop(Height() - FrameHoldsControls->Height());
    btnExit->setLeft(FrameHoldsControls->Width() - btnExit->Width() - 120);
    SetCurrentScene();
}

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
    raiseResizeIfChanged();
}

// Resize is raised at the first show and after every change of size or state, once for each
// change, however many of the toolkit's events report it.
void frmMain::raiseResizeIfChanged() {
    if (!isVisible()) {
        return;
    }
    if (resizeSeen_ && size() == lastResizeSize_ && windowState() == lastResizeState_) {
        return;
    }
    resizeSeen_ = true;
    lastResizeSize_ = size();
    lastResizeState_ = windowState();
    platform::runHandler(this, "Form_Resize", [this] { Form_Resize(); });
}
