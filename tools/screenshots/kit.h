// SPDX-License-Identifier: MIT
// The parts every screenshot of Orvane is built from: the main window frame (title bar, menu
// bar, toolbar row, workspace, status bar), windows inside it, menus, tips and form fields.
#pragma once

#include "glyphs.h"

#include <QFrame>
#include <QImage>
#include <QList>
#include <QPointer>
#include <QRect>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <initializer_list>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QTabWidget;
class QToolButton;
class QTreeWidget;

namespace shots {

// Geometry of the main window, in pixels of the 640 x 480 picture.
inline constexpr int kWidth = 640;
inline constexpr int kHeight = 480;
inline constexpr int kTitleHeight = 21;
inline constexpr int kMenuTop = 21;
inline constexpr int kMenuHeight = 20;
inline constexpr int kToolTop = 41;
inline constexpr int kToolHeight = 53; // rows 41 to 93: the buttons' centres lie at y = 67
inline constexpr int kToolCentreY = 67;
inline constexpr int kWorkTop = kToolTop + kToolHeight;
inline constexpr int kStatusHeight = 21;
inline constexpr int kWorkBottom = kHeight - kStatusHeight;
inline constexpr int kHelpButtonX = 250; // the main toolbar's "?" button
inline constexpr int kConversionX = 103; // a transaction window's conversion command
inline constexpr int kRowHeight = 23;    // pitch of the rows of a form
inline constexpr int kFieldHeight = 20;

// A window's title bar; also the main window's own.
class TitleBar : public QWidget {
public:
    enum class Buttons { MinMaxClose, HelpClose, Close, None };
    TitleBar(QWidget* parent, const QString& caption, Glyph icon, bool active, Buttons buttons,
             int height);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString caption_;
    Glyph icon_;
    bool active_;
    Buttons buttons_;
};

// The main window's menu bar, drawn by the style; one title may be shown open.
class MenuStrip : public QWidget {
public:
    explicit MenuStrip(QWidget* parent);
    void setOpen(const QString& title) {
        open_ = title;
        update();
    }
    // Left edge and width of a title, in the strip's coordinates.
    QRect titleRect(const QString& title) const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString open_;
};

// An entry of a drop-down or shortcut menu. A title of "-" is a separator; "Go To >" has a
// submenu arrow; a tab in the title separates the shortcut key.
struct MenuEntry {
    QString title;
    bool highlighted = false;
    bool checked = false;
    bool disabled = false;
};

// A drop-down or shortcut menu, drawn by the style.
class DropMenu : public QWidget {
public:
    DropMenu(QWidget* parent, const QList<MenuEntry>& entries, int minWidth = 0);
    QRect entryRect(const QString& title) const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QList<MenuEntry> entries_;
    QList<QRect> rects_;
};

// A window inside the workspace, or a dialog above the frame.
class ChildWindow : public QFrame {
public:
    // r is in the parent's coordinates; the window does not change size afterwards.
    ChildWindow(QWidget* parent, const QRect& r, const QString& title, Glyph icon, bool active,
                TitleBar::Buttons buttons);
    QWidget* body() const { return body_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QWidget* body_;
};

// One picture: 640 x 480 pixels of Orvane's main window, or a page of the tutorial itself.
class Screen : public QWidget {
public:
    enum class Kind { Product, Page };
    explicit Screen(Kind kind = Kind::Product);

    // The toolbar row shows either the main toolbar or the active window's toolbar.
    void mainToolbar(bool whatsThisPressed = false);
    // The standard window toolbar; a conversion text ("Convert to\nInvoice") puts that
    // command at x = 103.
    void windowToolbar(const QString& conversion = {}, Glyph conversionGlyph = Glyph::Convert);
    // A toolbar of the given buttons (report and list windows).
    void customToolbar(const QList<QPair<Glyph, QString>>& buttons);
    QToolButton* toolButton(const QString& text) const;

    MenuStrip* menu() const { return menu_; }
    QWidget* workspace() const { return workspace_; }
    void setStatus(const QString& hint);

    // A window inside the workspace; r is in picture coordinates.
    ChildWindow* addWindow(const QString& title, const QRect& r, Glyph icon = Glyph::Page,
                           bool active = true,
                           TitleBar::Buttons buttons = TitleBar::Buttons::MinMaxClose);
    // A dialog above everything, r in picture coordinates.
    ChildWindow* addDialog(const QString& title, const QRect& r, Glyph icon = Glyph::Logo,
                           TitleBar::Buttons buttons = TitleBar::Buttons::HelpClose);
    // The menu of a menu bar title, opened below it.
    DropMenu* openMenu(const QString& title, const QList<MenuEntry>& entries);
    // A shortcut menu or submenu at a point of the picture.
    DropMenu* popup(const QPoint& topLeft, const QList<MenuEntry>& entries, int minWidth = 0);
    // A pale-yellow tip (tool tip or What's This? help) at a point of the picture.
    QLabel* tip(const QPoint& topLeft, const QString& text, int width = 0);
    // A mouse cursor drawn at a point of the picture (its tip there).
    void cursorAt(const QPoint& tip);

    // Work that needs the final layout (positions inside tab pages): done by picture().
    void afterLayout(std::function<void()> work) { late_.append(std::move(work)); }

    // The element a scene's text is about: it must stay clear of the scene's callout.
    void explain(QWidget* w, const QString& what);
    void explain(QWidget* w, const QRect& local, const QString& what);
    // The element the scene's pointer lands on.
    void pointAt(QWidget* w, const QString& what);

    struct Mark {
        QPointer<QWidget> widget;
        QRect local; // empty: the whole widget
        QString what;
        QRect inPicture() const;
    };
    const QList<Mark>& explained() const { return explained_; }
    const QList<Mark>& pointerTargets() const { return targets_; }

    QImage picture();

private:
    class ToolbarRow* tools_ = nullptr;
    MenuStrip* menu_ = nullptr;
    QWidget* workspace_ = nullptr;
    class StatusBar* status_ = nullptr;
    QList<Mark> explained_;
    QList<Mark> targets_;
    QList<std::function<void()>> late_;
};

// ---- Form parts ----------------------------------------------------------------------------

// Places labelled fields in rows, one under the other, from a starting point.
class FormPane {
public:
    FormPane(QWidget* host, int x, int y, int labelWidth);
    QLineEdit* text(const QString& label, const QString& value, int width,
                    bool rightAligned = false);
    QLineEdit* money(const QString& label, const QString& value, int width = 80) {
        return text(label, value, width, true);
    }
    QLineEdit* lookup(const QString& label, const QString& value, int width);
    QLineEdit* date(const QString& label, const QString& value, int width = 80);
    QComboBox* choice(const QString& label, const QString& value, int width);
    QCheckBox* check(const QString& text, bool checked);
    QPlainTextEdit* memo(const QString& label, const QString& value, int width, int lines);
    QLabel* note(const QString& text, int width = 0);
    QLabel* heading(const QString& text);
    void skip(int pixels) { y_ += pixels; }
    int y() const { return y_; }
    int x() const { return x_; }
    QLabel* lastLabel() const { return lastLabel_; }

private:
    // A text field with a small button at its right end (lookup list, calendar).
    QLineEdit* fieldWithButton(const QString& label, const QString& value, int width, Glyph button);
    QLabel* label(const QString& text);
    QWidget* host_;
    int x_;
    int y_;
    int labelWidth_;
    QLabel* lastLabel_ = nullptr;
};

// Free-standing widgets at a rectangle of a host.
QLabel* labelAt(QWidget* host, const QRect& r, const QString& text, bool bold = false);
QLineEdit* fieldAt(QWidget* host, const QRect& r, const QString& text, bool rightAligned = false);
QPushButton* buttonAt(QWidget* host, const QRect& r, const QString& text, bool isDefault = false);
QCheckBox* checkAt(QWidget* host, const QPoint& p, const QString& text, bool checked);
QRadioButton* radioAt(QWidget* host, const QPoint& p, const QString& text, bool checked);
QComboBox* comboAt(QWidget* host, const QRect& r, const QString& text);
QWidget* groupAt(QWidget* host, const QRect& r, const QString& title);
QTabWidget* tabsAt(QWidget* host, const QRect& r, const QStringList& tabs, int current);
// A table with a header row. Columns whose header starts with '>' are right-aligned; widths
// of 0 stretch.
QTableWidget* gridAt(QWidget* host, const QRect& r, const QStringList& headers,
                     const QList<int>& widths, const QList<QStringList>& rows,
                     int selectedRow = -1);
QTreeWidget* listAt(QWidget* host, const QRect& r, const QStringList& headers,
                    const QList<int>& widths, const QList<QStringList>& rows, int selectedRow = -1);
// The OK / Cancel / Help row of a dialog, right-aligned at the bottom of its body.
QList<QPushButton*> dialogButtons(QWidget* body, const QStringList& texts, int defaultIndex = 0);

// A standard record window: ID and Name fields above a set of tabs.
struct RecordWindow {
    ChildWindow* window = nullptr;
    QLineEdit* id = nullptr;
    QLineEdit* name = nullptr;
    QCheckBox* inactive = nullptr;
    QTabWidget* tabs = nullptr;
    QWidget* page = nullptr; // the current tab's page
};
RecordWindow recordWindow(Screen& s, const QString& title, Glyph icon, const QRect& r,
                          const QString& idLabel, const QString& id, const QString& nameLabel,
                          const QString& name, const QStringList& tabs, int currentTab,
                          bool active = true);

// A wizard page inside a dialog: a band on the left listing the wizard's steps, a title and
// an introduction, and Back / Next / Finish / Cancel at the bottom. `content` is the area for
// the page's own fields.
struct WizardPage {
    ChildWindow* dialog = nullptr;
    QWidget* steps = nullptr;
    QWidget* content = nullptr;
    QList<QPushButton*> buttons; // Back, Next, Finish, Cancel
};
WizardPage wizardPage(Screen& s, const QString& title, const QRect& r, const QString& heading,
                      const QString& intro, const QStringList& steps, int currentStep);

} // namespace shots
