// SPDX-License-Identifier: MIT
// Form parts inside the windows of frames.h: labelled fields in rows, free-standing widgets,
// tables, and whole record windows and wizard pages.
#pragma once

#include "frames.h"

#include <QList>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QTabWidget;
class QTreeWidget;

namespace shots {

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
// A few sentences, wrapped from the top left of `r`.
QLabel* noteAt(QWidget* host, const QRect& r, const QString& text);
// A glyph alone, as a dialog's picture.
QLabel* pictureAt(QWidget* host, const QRect& r, Glyph g);
QLineEdit* fieldAt(QWidget* host, const QRect& r, const QString& text, bool rightAligned = false);
QPushButton* buttonAt(QWidget* host, const QRect& r, const QString& text, bool isDefault = false);
QCheckBox* checkAt(QWidget* host, const QPoint& p, const QString& text, bool checked);
QRadioButton* radioAt(QWidget* host, const QPoint& p, const QString& text, bool checked);
QComboBox* comboAt(QWidget* host, const QRect& r, const QString& text);
QWidget* groupAt(QWidget* host, const QRect& r, const QString& title);
// Tabs as wide as their labels need in the picture and in its copy at twice the density.
QTabWidget* tabsAt(QWidget* host, const QRect& r, const QStringList& tabs, int current);
// For a narrow window: tabs that keep less room beside their captions, so that all fit its width.
void narrowTabs(QTabWidget* tabs);
// How much wider the text runs in the copy at twice the density, where it is placed unhinted,
// than in the picture; 0 if not wider. A widget sized to its text adds this to stay whole.
int unhintedSurplus(const QFont& font, const QString& text);
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
    int pageTop = 0;         // the page's top in the picture: y there is y - pageTop on the page
};
// Where a record window's ID and Name rows stand in its body, and how wide their fields are.
// The tabs below start at the same place whatever the rows.
struct RecordHeader {
    int top = 5;            // the ID's row, from the body's top
    int pitch = kRowHeight; // from the ID's row to the Name's
    int idWidth = 150;      // the ID's field with its lookup button
    int nameWidth = 260;    // at most; less in a narrow window
    int checksLeft = 380;   // Inactive, and 100 px right of it Prospect where there is one
    bool prospect = false;
};
RecordWindow recordWindow(Screen& s, const QString& title, Glyph icon, const QRect& r,
                          const QString& idLabel, const QString& id, const QString& nameLabel,
                          const QString& name, const QStringList& tabs, int currentTab,
                          bool active = true, const RecordHeader& header = {});

// A wizard page inside a dialog: a band on the left listing the wizard's steps, a title and
// an introduction, and Back / Next / Finish / Cancel at the bottom. `content` is the area for
// the page's own fields.
struct WizardPage {
    ChildWindow* dialog = nullptr;
    QWidget* steps = nullptr;
    QWidget* content = nullptr;
    QLabel* heading = nullptr;
    QLabel* intro = nullptr;
    QList<QPushButton*> buttons; // Back, Next, Finish, Cancel
};
WizardPage wizardPage(Screen& s, const QString& title, const QRect& r, const QString& heading,
                      const QString& intro, const QStringList& steps, int currentStep);

} // namespace shots
