// SPDX-License-Identifier: MIT
#include "accessibility.h"

#include "frm_main.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QEvent>

namespace accessibility {

namespace {

// The notice as a screen reader sees it: a notification without place or children, shown from
// the first notice on.
class NoticeInterface : public QAccessibleObject {
public:
    explicit NoticeInterface(PageNotice* notice) : QAccessibleObject(notice) {}

    QWindow* window() const override { return parent()->window(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(notice()->parent());
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Notification; }

    QString text(QAccessible::Text kind) const override {
        switch (kind) {
        case QAccessible::Name:
            return notice()->name();
        case QAccessible::Description:
            return notice()->description();
        default:
            return {};
        }
    }

    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = !notice()->isShown();
        return state;
    }

private:
    PageNotice* notice() const { return static_cast<PageNotice*>(object()); }
};

// The tutorial window: a window, whose children are its widgets and, last, the page notice.
class WindowInterface : public QAccessibleWidget {
public:
    explicit WindowInterface(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return widgetChildren() + (notice() ? 1 : 0); }

    QAccessibleInterface* child(int index) const override {
        if (index == widgetChildren() && notice()) {
            return QAccessible::queryAccessibleInterface(notice());
        }
        return QAccessibleWidget::child(index);
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child != nullptr && child->object() == notice() && notice()) {
            return widgetChildren();
        }
        return QAccessibleWidget::indexOfChild(child);
    }

private:
    int widgetChildren() const { return QAccessibleWidget::childCount(); }
    PageNotice* notice() const {
        return widget()->findChild<PageNotice*>(QString(), Qt::FindDirectChildrenOnly);
    }
};

QAccessibleInterface* interfaceFor(const QString& className, QObject* object) {
    if (className == QLatin1String(frmMain::staticMetaObject.className())) {
        return new WindowInterface(static_cast<QWidget*>(object));
    }
    if (className == QLatin1String(platform::Frame::staticMetaObject.className())) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Grouping);
    }
    if (className == QLatin1String(PageNotice::staticMetaObject.className())) {
        return new NoticeInterface(static_cast<PageNotice*>(object));
    }
    return nullptr;
}

} // namespace

void installInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(interfaceFor);
        return true;
    }();
    Q_UNUSED(installed);
}

PageNotice::PageNotice(frmMain& window) : QObject(&window), window_(window) {
    rest_.setSingleShot(true);
    rest_.setInterval(kRestMs);
    connect(&rest_, &QTimer::timeout, this, &PageNotice::tell);
    connect(window.btnNext, &QPushButton::clicked, this, &PageNotice::pageRequested);
    connect(window.btnPrevious, &QPushButton::clicked, this, &PageNotice::pageRequested);
    connect(window.cmbCurrentSection, &platform::ComboBox::Click, this, &PageNotice::pageRequested);
    window.installEventFilter(this);
}

void PageNotice::scenePresented() {
    rest_.start();
}

void PageNotice::pageRequested() {
    requested_ = true;
    rest_.start();
}

bool PageNotice::eventFilter(QObject* watched, QEvent* event) {
    // A notice that came due while the window was inactive follows its activation.
    if (watched == &window_ && event->type() == QEvent::WindowActivate && waitingForWindow_) {
        waitingForWindow_ = false;
        rest_.start();
    }
    return QObject::eventFilter(watched, event);
}

void PageNotice::tell() {
    if (!window_.isActiveWindow()) {
        waitingForWindow_ = true;
        return;
    }
    const int scene = window_.CurrentScene;
    // A scene outside the table was never presented: its handler has reported the error.
    if (scene < 0 || scene >= script::SceneTable::kSize || (scene == sceneTold_ && !requested_)) {
        requested_ = false;
        return;
    }
    requested_ = false;
    sceneTold_ = scene;
    name_ = window_.labelPageNumber->Caption().simplified();
    const QString helpText = window_.Scenes(window_.CurrentScene).HelpText;
    description_ = helpText.isEmpty() ? window_.Image1->accessibleDescription() : helpText;
    // Readers speak a notification as it appears: the notice disappears and appears anew.
    setShown(false);
    setShown(true);
    Q_EMIT told();
}

void PageNotice::setShown(bool shown) {
    if (shown_ == shown) {
        return;
    }
    shown_ = shown;
    QAccessibleEvent event(this, shown ? QAccessible::ObjectShow : QAccessible::ObjectHide);
    QAccessible::updateAccessibility(&event);
}

} // namespace accessibility
