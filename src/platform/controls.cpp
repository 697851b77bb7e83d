// SPDX-License-Identifier: MIT
#include "controls.h"

#include "units.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>

namespace platform {

PushButton::PushButton(const QString& caption, QWidget* container)
    : QPushButton(caption, container), TwipGeometry(this) {
    setAutoDefault(false);
    setDefault(false);
}

bool PushButton::event(QEvent* event) {
    if (event->type() != QEvent::Shortcut || !isEnabled() ||
        static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
        return QPushButton::event(event);
    }
    if (focusPolicy() != Qt::NoFocus) {
        setFocus(Qt::ShortcutFocusReason);
    }
    click();
    return true;
}

Frame::Frame(QWidget* container) : QFrame(container), TwipGeometry(this) {
    setFrameShape(QFrame::NoFrame);
    setAutoFillBackground(true); // the bar covers whatever reaches into it
}

Label::Label(const QString& caption, QWidget* container)
    : QLabel(caption, container), TwipGeometry(this) {
    setTextFormat(Qt::PlainText);
    setMouseTracking(true); // moves without a button are reported too
}

namespace {
int buttonsOf(Qt::MouseButtons buttons) {
    int result = 0;
    if (buttons & Qt::LeftButton) {
        result |= LeftButton;
    }
    if (buttons & Qt::RightButton) {
        result |= RightButton;
    }
    if (buttons & Qt::MiddleButton) {
        result |= MiddleButton;
    }
    return result;
}

int shiftOf(Qt::KeyboardModifiers modifiers) {
    int result = 0;
    if (modifiers & Qt::ShiftModifier) {
        result |= ShiftMask;
    }
    if (modifiers & Qt::ControlModifier) {
        result |= CtrlMask;
    }
    if (modifiers & Qt::AltModifier) {
        result |= AltMask;
    }
    return result;
}

float twipsX(const QMouseEvent* event) {
    return static_cast<float>(event->position().x() * kTwipsPerPixel);
}

float twipsY(const QMouseEvent* event) {
    return static_cast<float>(event->position().y() * kTwipsPerPixel);
}
} // namespace

void Label::mousePressEvent(QMouseEvent* event) {
    Q_EMIT MouseDown(buttonsOf(event->button()), shiftOf(event->modifiers()), twipsX(event),
                     twipsY(event));
    event->accept();
}

void Label::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT MouseMove(buttonsOf(event->buttons()), shiftOf(event->modifiers()), twipsX(event),
                     twipsY(event));
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    Q_EMIT MouseUp(buttonsOf(event->button()), shiftOf(event->modifiers()), twipsX(event),
                   twipsY(event));
    event->accept();
}

Image::Image(QWidget* container) : QWidget(container), TwipGeometry(this) {}

void Image::setPicture(const Picture& picture) {
    picture_ = picture;
    // In the screen's logical pixels: a picture at twice the density takes the same room.
    const QSize size = picture.pixmap.deviceIndependentSize().toSize();
    setWidth(static_cast<float>(size.width() * kTwipsPerPixel));
    setHeight(static_cast<float>(size.height() * kTwipsPerPixel));
    update();
}

void Image::paintEvent(QPaintEvent*) {
    if (picture_.pixmap.isNull()) {
        return;
    }
    QPainter painter(this);
    // A picture denser than the screen (the copy at twice the density on a screen at 1.25 or
    // 1.5) is brought down smoothly; nearest pixels would leave letters uneven. One that is drawn
    // one to one, or enlarged, is drawn as it is.
    painter.setRenderHint(QPainter::SmoothPixmapTransform,
                          picture_.pixmap.devicePixelRatio() > devicePixelRatio());
    painter.drawPixmap(0, 0, picture_.pixmap);
}

ComboBox::ComboBox(QWidget* container) : QComboBox(container), TwipGeometry(this) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    // An editable combo box matches the typed text against its entries and chooses one when
    // editing finishes (Enter, Tab, focus out). Typing must never choose a section.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    disconnect(lineEdit(), &QLineEdit::returnPressed, this, nullptr);
    connect(this, &QComboBox::activated, this, &ComboBox::Click);
}

void ComboBox::setListIndex(int index) {
    setCurrentIndex(index);
    setEditText(itemText(index));
    Q_EMIT Click();
}

void ComboBox::setText(const QString& text) {
    // Keep the selected entry in step with the text shown, so that the arrow keys move on from
    // the section on screen. Neither step raises Click.
    const int entry = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (entry >= 0) {
        setCurrentIndex(entry);
    }
    setEditText(text);
}

void ComboBox::wheelEvent(QWheelEvent* event) {
    event->ignore();
}

} // namespace platform
