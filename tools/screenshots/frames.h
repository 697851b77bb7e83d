// SPDX-License-Identifier: MIT
// The frame every screenshot of Orvane is built in: the main window (title bar, menu bar, toolbar
// row, workspace, status bar), windows and dialogs inside it, menus and tips.
#pragma once

#include "glyphs.h"

#include <QFrame>
#include <QImage>
#include <QList>
#include <QPointer>
#include <QRect>
#include <QRectF>
#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>
#include <initializer_list>

class QLabel;
class QPainter;
class QToolButton;

namespace shots {

// Geometry of the main window, in pixels of the 640 x 480 picture.
inline constexpr int kWidth = 640;
inline constexpr int kHeight = 480;

// How the main window's frame lays out its rows and the texts in them. Every picture draws the
// frame alike, so one layout must keep its texts clear of every scene's callout edges;
// `orvane-screenshots --frame-search` tries layouts against all scenes and prints the best.
struct FrameLayout {
    int titleHeight = 21;
    int menuHeight = 22;
    int toolHeight = 31;
    // Windows keep below the band where the callouts' lower edges run (y = 67 to 88), so that
    // their titles stay whole; the workspace shows between them and the toolbar.
    int windowsTop = 96;
    bool captionCentred = false;      // else after the icon
    bool captionNamesCompany = false; // "Orvane - Company", else "Orvane"
    int captionDrop = 0;              // the caption's letters this much below the bar's middle
    // Where each menu title's letters begin: File, Edit, Lists, Tasks, Reports, Options, Window,
    // Help. No even spacing keeps all eight clear of the callouts' side edges, which crowd
    // between x = 178 and 312; Reports and the last three stand apart from the first four.
    std::array<int, 8> menuLetters = {23, 59, 96, 141, 207, 314, 371, 431};
    int menuGap = 20;            // room a menu title keeps beside its letters
    bool toolTextBeside = false; // a window toolbar's labels beside icons, else alone
    int toolMiddle = 58;         // the buttons' middle, in rows of the picture
    int toolLeft = 2;            // a window toolbar's first button
    int toolMinWidth = 0;        // a labelled button's least width
    int toolPadding = 12;        // room a labelled button keeps beside its label
    int toolGroupGap = 6;        // room a separator takes between groups
    int toolConversionRoom = 26; // more room the conversion command keeps beside its label
    // The least left edge of each group after the first: New and Delete, the way through the
    // records, Print and Email, Alert to Journal, Help. The arrows start where callouts' left
    // edges (x = 178, 198, 252) pass between them.
    std::array<int, 5> toolGroups = {84, 178, 277, 352, 521};
    int logoRight = 34;      // the mark's left edge, from the toolbar's right end
    int statusCompany = 130; // the status bar's panels, right to left from the company
    int statusPeriod = 180;
    int statusToday = 62;

    constexpr int menuTop() const { return titleHeight; }
    constexpr int toolTop() const { return titleHeight + menuHeight; }
    constexpr int workTop() const { return toolTop() + toolHeight; }
};

// The frame every picture is drawn in: the layout the search found with the fewest cuts.
inline constexpr FrameLayout kFrame{};

inline constexpr int kTitleHeight = kFrame.titleHeight;
inline constexpr int kMenuTop = kFrame.menuTop();
inline constexpr int kMenuHeight = kFrame.menuHeight;
inline constexpr int kToolTop = kFrame.toolTop();
inline constexpr int kToolHeight = kFrame.toolHeight;
inline constexpr int kWorkTop = kFrame.workTop();
inline constexpr int kStatusHeight = 21;
inline constexpr int kWorkBottom = kHeight - kStatusHeight;
// Where a window fills the workspace: 2 pixels in from its sides and foot, below the band where
// callouts' edges run.
inline constexpr QRect kWorkArea(2, kFrame.windowsTop, kWidth - 4,
                                 kWorkBottom - kFrame.windowsTop - 2);
// A window as tall as the work area, `width` wide from `left`.
constexpr QRect workColumn(int left, int width) {
    return QRect(left, kWorkArea.top(), width, kWorkArea.height());
}
inline constexpr int kHelpButtonX = 250; // the main toolbar's "?" button
inline constexpr int kRowHeight = 23;    // pitch of the rows of a form
inline constexpr int kFieldHeight = 20;

// A widget that paints texts itself rather than through child widgets: a caption, the status
// bar's panels, a report's lines. It draws each with paintText(), which keeps where the letters
// went, so that the rules read these texts as they read a label's. A paint at twice the density
// measures them anew.
class PaintsTexts {
public:
    struct Painted {
        QString text;
        QRectF ink; // in the widget's coordinates
        QRect room; // where it was to be painted, which clips it
    };
    const QList<Painted>& paintedTexts() const { return painted_; }

protected:
    PaintsTexts() = default;
    ~PaintsTexts() = default;
    PaintsTexts(const PaintsTexts&) = delete;
    PaintsTexts& operator=(const PaintsTexts&) = delete;
    // Called as a paint begins.
    void forgetPainted() { painted_.clear(); }
    void paintText(QPainter& p, const QRect& r, int flags, const QString& text);

private:
    QList<Painted> painted_;
};

// A window's title bar; also the main window's own.
class TitleBar : public QWidget, public PaintsTexts {
public:
    enum class Buttons { MinMaxClose, MinClose, HelpClose, Close, None };
    TitleBar(QWidget* parent, const QString& caption, Glyph icon, bool active, Buttons buttons,
             int height);
    const QString& caption() const { return caption_; }
    // The buttons at the bar's right end ('_', 'o', 'x' or '?') and the icon at its left, in the
    // bar's coordinates.
    struct CaptionButton {
        QChar kind;
        QRect place;
    };
    QList<CaptionButton> captionButtons() const;
    QRect iconPlace() const;
    // The main window's caption sits centred, or `drop` pixels below the bar's middle.
    void placeCaption(bool centred, int drop);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString caption_;
    Glyph icon_;
    bool active_;
    Buttons buttons_;
    bool centred_ = false;
    int drop_ = 0;
};

// The main window's menu bar, drawn by the style; one title may be shown open.
class MenuStrip : public QWidget {
public:
    MenuStrip(QWidget* parent, const FrameLayout& layout);
    void setOpen(const QString& title) {
        open_ = title;
        update();
    }
    // Left edge and width of a title, in the strip's coordinates.
    QRect titleRect(const QString& title) const;
    static const QStringList& titles();

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const FrameLayout& layout_;
    QString open_;
};

// The row under the menu bar: the main toolbar or the active window's, and the product's logo.
class ToolbarRow : public QWidget, public PaintsTexts {
public:
    ToolbarRow(QWidget* parent, const FrameLayout& layout) : QWidget(parent), layout_(layout) {}
    QToolButton* add(Glyph g, const QString& text, int centreX, int width, bool iconOnly);
    void separator(int x);
    void clear();
    QToolButton* find(const QString& text) const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const FrameLayout& layout_;
    QList<QToolButton*> buttons_;
    QList<int> separators_;
};

// The status bar: the hint on the left, the company, the period and today's date on the right.
class StatusBar : public QWidget, public PaintsTexts {
public:
    StatusBar(QWidget* parent, const FrameLayout& layout) : QWidget(parent), layout_(layout) {}
    QString hint = QStringLiteral("Ready");

protected:
    void paintEvent(QPaintEvent*) override;

private:
    const FrameLayout& layout_;
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
    QStringList titles() const;

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
    explicit Screen(Kind kind = Kind::Product, const FrameLayout& layout = kFrame);
    const FrameLayout& layout() const { return layout_; }
    // Shows in this screen's frame what another shows in its own: the toolbar and the hint.
    void copyFrame(const Screen& other);

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

    ToolbarRow* toolbarRow() const { return tools_; }
    StatusBar* statusBar() const { return status_; }

private:
    // Lays out labelled buttons from x on; "|" parts the groups. Returns where the last ends.
    int addLabelled(const QList<QPair<Glyph, QString>>& buttons, int x,
                    const QList<int>& groupLefts = {});
    int labelledWidth(const QString& text) const;

    FrameLayout layout_;
    std::function<void(Screen&)> toolbar_; // how the toolbar row was filled
    ToolbarRow* tools_ = nullptr;
    MenuStrip* menu_ = nullptr;
    QWidget* workspace_ = nullptr;
    StatusBar* status_ = nullptr;
    QList<Mark> explained_;
    QList<Mark> targets_;
    QList<std::function<void()>> late_;
};

} // namespace shots
