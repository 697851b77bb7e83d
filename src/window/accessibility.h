// SPDX-License-Identifier: MIT
#pragma once

// What a screen reader learns from the window beyond what its controls publish themselves.
//
// - Roles: the window is a window and the bar a group of controls. (Taken as they come, the
//   window is a plain client area and the bar's frame reads as a window of its own, inside
//   which the focused control seems to lie in a window that is never active: readers then keep
//   quiet about the focus.)
// - The page notice: after a presentation, a notification that carries the page number as its
//   name and the page's content as its description: the callout's text, or for a page without
//   one what its screenshot says. Screen readers speak a notification when it appears, without
//   moving the focus. It waits until presentations have come to rest, so quick presses of Next
//   give one notice, for the page they end on; and it waits for the window to be active.
//
// The notice is no widget: nothing of it is on the screen.

#include <QObject>
#include <QString>
#include <QTimer>

class QAccessibleInterface;
class frmMain;

namespace accessibility {

// Makes the toolkit use this file's interfaces for the window, the bar and the notice. The first
// call counts; later ones do nothing.
void installInterfaces();

class PageNotice : public QObject {
    Q_OBJECT
public:
    // How long the notice waits after the last presentation.
    static constexpr int kRestMs = 400;

    explicit PageNotice(frmMain& window);

    // A scene has been presented. A notice follows if the page differs from the one last told,
    // or if the user asked for a page (a button or the section list), even the same one.
    void scenePresented();
    void pageRequested();

    QString name() const { return name_; }
    QString description() const { return description_; }
    bool isShown() const { return shown_; }

Q_SIGNALS:
    // The notice has appeared anew, with the page now on the screen.
    void told();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void tell();
    void setShown(bool shown);

    frmMain& window_;
    QTimer rest_;
    QString name_;
    QString description_;
    bool shown_ = false;
    bool requested_ = false;
    bool waitingForWindow_ = false;
    int sceneTold_ = 0;
};

} // namespace accessibility
