// SPDX-License-Identifier: MIT
#pragma once

#include "picture.h"
#include "twip_geometry.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

// The window's controls: Qt widgets that are placed in twips and raise the events the tutorial
// handles, with the arguments it expects.
namespace platform {

// A push button whose access key clicks it at once. (Qt shows the button pressed for a moment
// first and drops further presses of the key meanwhile: quick presses would be lost.)
class PushButton : public QPushButton, public TwipGeometry {
    Q_OBJECT
public:
    PushButton(const QString& caption, QWidget* container);

protected:
    bool event(QEvent* event) override;
};

class Frame : public QFrame, public TwipGeometry {
    Q_OBJECT
public:
    explicit Frame(QWidget* container);
};

// Mouse buttons and shift keys as the label's mouse events report them.
enum MouseButton : int { LeftButton = 1, RightButton = 2, MiddleButton = 4 };
enum ShiftKey : int { ShiftMask = 1, CtrlMask = 2, AltMask = 4 };

// A label with plain text wrapped at word boundaries. Its mouse events carry the pointer's
// position in twips from the label's corner; after a press, moves and the release keep coming
// to the label until the button is let go, also outside it.
class Label : public QLabel, public TwipGeometry {
    Q_OBJECT
public:
    explicit Label(const QString& caption, QWidget* container);

    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }

Q_SIGNALS:
    void MouseDown(int button, int shift, float x, float y);
    void MouseMove(int button, int shift, float x, float y);
    void MouseUp(int button, int shift, float x, float y);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// An image control: draws its picture at its natural size from its top-left corner, never
// scaled, whatever the control's extent. Transparent parts of the picture show what lies behind.
class Image : public QWidget, public TwipGeometry {
    Q_OBJECT
public:
    explicit Image(QWidget* container);

    // Sets the picture and sizes the control to it.
    void setPicture(const Picture& picture);
    const Picture& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Picture picture_;
};

// A drop-down list with an editable text field. Click is raised when code sets ListIndex (also
// to the entry already selected) and when the user chooses an entry with the mouse (also the one
// already selected) or with the arrow keys; never for typing, Enter, the wheel or the focus
// leaving the field. Typed text never becomes an entry, and nothing is completed.
class ComboBox : public QComboBox, public TwipGeometry {
    Q_OBJECT
public:
    explicit ComboBox(QWidget* container);

    void AddItem(const QString& item) { addItem(item); }
    int ListCount() const { return count(); }
    QString List(int index) const { return itemText(index); }
    int ListIndex() const { return currentIndex(); }
    // Selects the entry, puts its text into the text field and raises Click before returning.
    void setListIndex(int index);
    QString Text() const { return currentText(); }
    // Changes only the text shown; raises nothing.
    void setText(const QString& text);

Q_SIGNALS:
    void Click();

protected:
    void wheelEvent(QWheelEvent* event) override;
};

} // namespace platform
