// SPDX-License-Identifier: MIT
#include "forms.h"

#include "look.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QTreeWidget>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace shots {

FormPane::FormPane(QWidget* host, int x, int y, int labelWidth)
    : host_(host), x_(x), y_(y), labelWidth_(labelWidth) {}

QLabel* FormPane::label(const QString& text) {
    lastLabel_ = labelAt(host_, QRect(x_, y_, labelWidth_ - 4, kFieldHeight), text);
    return lastLabel_;
}

QLineEdit* FormPane::text(const QString& l, const QString& value, int width, bool right) {
    label(l);
    QLineEdit* e = fieldAt(host_, QRect(x_ + labelWidth_, y_, width, kFieldHeight), value, right);
    y_ += kRowHeight;
    return e;
}

QLineEdit* FormPane::fieldWithButton(const QString& l, const QString& value, int width,
                                     Glyph button) {
    label(l);
    QLineEdit* e =
        fieldAt(host_, QRect(x_ + labelWidth_, y_, width - 20, kFieldHeight), value, false);
    auto* b = new QToolButton(host_);
    b->setIcon(QIcon(glyph(button, 12)));
    b->setIconSize(QSize(12, 12));
    b->setGeometry(x_ + labelWidth_ + width - 19, y_, 19, kFieldHeight);
    y_ += kRowHeight;
    return e;
}

QLineEdit* FormPane::lookup(const QString& l, const QString& value, int width) {
    return fieldWithButton(l, value, width, Glyph::Lookup);
}

QLineEdit* FormPane::date(const QString& l, const QString& value, int width) {
    return fieldWithButton(l, value, width, Glyph::Calendar);
}

QComboBox* FormPane::choice(const QString& l, const QString& value, int width) {
    label(l);
    QComboBox* c = comboAt(host_, QRect(x_ + labelWidth_, y_, width, kFieldHeight), value);
    y_ += kRowHeight;
    return c;
}

QCheckBox* FormPane::check(const QString& t, bool checked) {
    QCheckBox* c = checkAt(host_, QPoint(x_ + labelWidth_, y_ + 1), t, checked);
    y_ += kRowHeight - 2;
    return c;
}

QPlainTextEdit* FormPane::memo(const QString& l, const QString& value, int width, int lines) {
    label(l);
    auto* m = new QPlainTextEdit(value, host_);
    m->setGeometry(x_ + labelWidth_, y_, width, lines * 14 + 8);
    m->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    y_ += lines * 14 + 8 + 3;
    return m;
}

QLabel* FormPane::note(const QString& t, int width) {
    QLabel* l = labelAt(host_, QRect(x_, y_, width > 0 ? width : 300, kFieldHeight), t);
    if (width > 0) {
        l->setWordWrap(true);
        l->setFixedWidth(width);
        l->adjustSize();
        l->setFixedSize(width, l->heightForWidth(width));
    }
    y_ += std::max(kRowHeight - 4, l->height() + 3);
    return l;
}

QLabel* FormPane::heading(const QString& t) {
    QLabel* l = labelAt(host_, QRect(x_, y_, 300, kFieldHeight), t, true);
    y_ += kRowHeight - 2;
    return l;
}

QLabel* labelAt(QWidget* host, const QRect& r, const QString& text, bool bold) {
    auto* l = new QLabel(text, host);
    if (bold) {
        l->setFont(uiFont(11, true));
    }
    l->setGeometry(r);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return l;
}

QLabel* noteAt(QWidget* host, const QRect& r, const QString& text) {
    auto* l = new QLabel(text, host);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setGeometry(r);
    return l;
}

QLabel* pictureAt(QWidget* host, const QRect& r, Glyph g) {
    auto* l = new QLabel(host);
    l->setPixmap(glyph(g, r.width()));
    l->setGeometry(r);
    return l;
}

QLineEdit* fieldAt(QWidget* host, const QRect& r, const QString& text, bool rightAligned) {
    auto* e = new QLineEdit(text, host);
    e->setGeometry(r);
    e->setCursorPosition(0);
    if (rightAligned) {
        e->setAlignment(Qt::AlignRight);
    }
    return e;
}

QPushButton* buttonAt(QWidget* host, const QRect& r, const QString& text, bool isDefault) {
    auto* b = new QPushButton(text, host);
    b->setGeometry(r);
    b->setDefault(isDefault);
    b->setAutoDefault(false);
    return b;
}

QCheckBox* checkAt(QWidget* host, const QPoint& p, const QString& text, bool checked) {
    auto* c = new QCheckBox(text, host);
    c->setChecked(checked);
    c->adjustSize();
    c->resize(c->width() + unhintedSurplus(c->font(), text), c->height());
    c->move(p);
    return c;
}

QRadioButton* radioAt(QWidget* host, const QPoint& p, const QString& text, bool checked) {
    auto* c = new QRadioButton(text, host);
    c->setChecked(checked);
    c->setAutoExclusive(false);
    c->adjustSize();
    c->resize(c->width() + unhintedSurplus(c->font(), text), c->height());
    c->move(p);
    return c;
}

QComboBox* comboAt(QWidget* host, const QRect& r, const QString& text) {
    auto* c = new QComboBox(host);
    c->addItem(text);
    c->setGeometry(r);
    return c;
}

QWidget* groupAt(QWidget* host, const QRect& r, const QString& title) {
    auto* g = new QGroupBox(title, host);
    g->setGeometry(r);
    return g;
}

int unhintedSurplus(const QFont& font, const QString& text) {
    constexpr int kWide = 500000; // no wrapping
    const qreal finer = textSize(font, text, 0, kWide, 2).width();
    const qreal hinted = textSize(font, text, 0, kWide, 1).width();
    return std::max(int(std::ceil(finer)) - int(hinted), 0);
}

namespace {
// A tab sized for its hinted label alone would, in the copy at twice the density, push the last
// tab past the bar's end and lose its right border.
class EvenTabBar : public QTabBar {
public:
    using QTabBar::QTabBar;

protected:
    QSize tabSizeHint(int index) const override {
        QSize size = QTabBar::tabSizeHint(index);
        size.rwidth() += unhintedSurplus(font(), tabText(index));
        return size;
    }
};

class EvenTabs : public QTabWidget {
public:
    explicit EvenTabs(QWidget* parent) : QTabWidget(parent) { setTabBar(new EvenTabBar(this)); }
};
} // namespace

namespace {
// The style's tabs with less room beside each caption.
class NarrowTabStyle : public QProxyStyle {
public:
    NarrowTabStyle() : QProxyStyle(QStyleFactory::create(u"Fusion"_s)) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        const int base = QProxyStyle::pixelMetric(metric, option, widget);
        return metric == PM_TabBarTabHSpace ? base - 8 : base;
    }
};
} // namespace

void narrowTabs(QTabWidget* tabs) {
    static auto* const style = [] {
        auto* s = new NarrowTabStyle;
        s->setParent(qApp);
        return s;
    }();
    tabs->tabBar()->setStyle(style);
}

QTabWidget* tabsAt(QWidget* host, const QRect& r, const QStringList& tabs, int current) {
    auto* t = new EvenTabs(host);
    t->setGeometry(r);
    t->setUsesScrollButtons(false);
    for (const QString& name : tabs) {
        t->addTab(new QWidget, name);
    }
    t->setCurrentIndex(current);
    return t;
}

namespace {
void prepareView(QAbstractItemView* v, const QRect& r) {
    v->setGeometry(r);
    v->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A list longer than its box shows that there is more.
    v->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    v->setSelectionBehavior(QAbstractItemView::SelectRows);
    v->setFocusPolicy(Qt::NoFocus);
    v->setEditTriggers(QAbstractItemView::NoEditTriggers);
}

// A list with more rows than its box holds shows a scroll bar, and its box ends on a whole row:
// half a row reads as a line that lost its lower half.
void endOnWholeRows(QAbstractItemView* v, int rows, int rowHeight, int headerHeight) {
    const int frame = 2 * v->frameWidth();
    const int room = v->height() - frame - headerHeight;
    if (rowHeight > 0 && rows * rowHeight > room) {
        v->resize(v->width(), frame + headerHeight + room / rowHeight * rowHeight);
    }
}
} // namespace

QTableWidget* gridAt(QWidget* host, const QRect& r, const QStringList& headers,
                     const QList<int>& widths, const QList<QStringList>& rows, int selectedRow) {
    auto* t = new QTableWidget(int(rows.size()), int(headers.size()), host);
    prepareView(t, r);
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(18);
    t->horizontalHeader()->setFixedHeight(20);
    t->horizontalHeader()->setHighlightSections(false);
    QList<bool> right;
    for (int c = 0; c < headers.size(); ++c) {
        QString h = headers[c];
        right.append(h.startsWith(u'>'));
        if (right.last()) {
            h.remove(0, 1);
        }
        auto* item = new QTableWidgetItem(h);
        item->setTextAlignment(right.last() ? Qt::AlignRight | Qt::AlignVCenter
                                            : Qt::AlignLeft | Qt::AlignVCenter);
        t->setHorizontalHeaderItem(c, item);
        const int w = c < widths.size() ? widths[c] : 0;
        if (w > 0) {
            t->setColumnWidth(c, w);
        } else {
            t->horizontalHeader()->setSectionResizeMode(c, QHeaderView::Stretch);
        }
    }
    for (int row = 0; row < rows.size(); ++row) {
        for (int c = 0; c < rows[row].size() && c < headers.size(); ++c) {
            auto* item = new QTableWidgetItem(rows[row][c]);
            item->setTextAlignment(right[c] ? Qt::AlignRight | Qt::AlignVCenter
                                            : Qt::AlignLeft | Qt::AlignVCenter);
            t->setItem(row, c, item);
        }
    }
    if (selectedRow >= 0) {
        t->selectRow(selectedRow);
    }
    endOnWholeRows(t, t->rowCount(), t->verticalHeader()->defaultSectionSize(),
                   t->horizontalHeader()->height());
    return t;
}

QTreeWidget* listAt(QWidget* host, const QRect& r, const QStringList& headers,
                    const QList<int>& widths, const QList<QStringList>& rows, int selectedRow) {
    auto* t = new QTreeWidget(host);
    prepareView(t, r);
    t->setRootIsDecorated(false);
    t->setColumnCount(int(headers.size()));
    QList<bool> right;
    QStringList shown;
    for (const QString& h : headers) {
        right.append(h.startsWith(u'>'));
        shown.append(right.last() ? h.mid(1) : h);
    }
    t->setHeaderLabels(shown);
    t->header()->setStretchLastSection(true);
    for (int c = 0; c < headers.size(); ++c) {
        if (c < widths.size() && widths[c] > 0) {
            t->setColumnWidth(c, widths[c]);
        }
        if (right[c]) {
            t->headerItem()->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    for (int row = 0; row < rows.size(); ++row) {
        auto* item = new QTreeWidgetItem(t, rows[row]);
        for (int c = 0; c < headers.size(); ++c) {
            if (right[c]) {
                item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
            }
        }
        if (row == selectedRow) {
            item->setSelected(true);
        }
    }
    endOnWholeRows(t, t->topLevelItemCount(), t->sizeHintForRow(0),
                   t->header()->sizeHint().height());
    return t;
}

QList<QPushButton*> dialogButtons(QWidget* body, const QStringList& texts, int defaultIndex) {
    QList<QPushButton*> out;
    const int w = 75, h = 23, gap = 6;
    int x = body->width() - 8 - int(texts.size()) * (w + gap) + gap;
    const int y = body->height() - 8 - h;
    for (int i = 0; i < texts.size(); ++i) {
        out.append(buttonAt(body, QRect(x, y, w, h), texts[i], i == defaultIndex));
        x += w + gap;
    }
    return out;
}

RecordWindow recordWindow(Screen& s, const QString& title, Glyph icon, const QRect& r,
                          const QString& idLabel, const QString& id, const QString& nameLabel,
                          const QString& name, const QStringList& tabs, int currentTab, bool active,
                          const RecordHeader& header) {
    RecordWindow rw;
    rw.window = s.addWindow(title, r, icon, active);
    QWidget* body = rw.window->body();
    FormPane top(body, 8, header.top, 78);
    rw.id = top.lookup(idLabel, id, header.idWidth);
    top.skip(header.pitch - kRowHeight);
    rw.name = top.text(nameLabel, name, std::min(header.nameWidth, body->width() - 100));
    // Beside the ID, not at the window's far edge, where a callout's right edge tends to run.
    const int checksLeft = std::min(header.checksLeft, body->width() - 80);
    rw.inactive = checkAt(body, QPoint(checksLeft, rw.id->y() + 1), u"Inactive"_s, false);
    if (header.prospect) {
        checkAt(body, QPoint(checksLeft + 100, rw.id->y() + 1), u"Prospect"_s, false);
    }
    // Where they stand below the ID and Name by default, whatever rows a window keeps above.
    constexpr int kTabsTop = RecordHeader{}.top + 2 * kRowHeight + 4;
    rw.tabs = tabsAt(body, QRect(6, kTabsTop, body->width() - 12, body->height() - kTabsTop - 6),
                     tabs, currentTab);
    // Along the bottom: the row of tabs under the ID and Name stood where many callouts' edges
    // run, and a caption cut in half reads as another word.
    rw.tabs->setTabPosition(QTabWidget::South);
    rw.page = rw.tabs->widget(currentTab);
    // The page sits 2 px inside the tabs' frame (it is laid out only when shown).
    rw.pageTop = rw.tabs->mapTo(&s, QPoint(0, 0)).y() + 2;
    return rw;
}

namespace {

// The wizard's band: its steps, the current one marked, and the product's mark below.
class StepBand : public QWidget, public PaintsTexts {
public:
    StepBand(QWidget* parent, const QRect& r, QStringList steps, int current)
        : QWidget(parent), steps_(std::move(steps)), current_(current) {
        setGeometry(r);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        forgetPainted();
        QPainter p(this);
        p.fillRect(rect(), colour::brand);
        p.setPen(colour::brandLight);
        p.setFont(forPainter(p, uiFont(11, true)));
        paintText(p, QRect(8, 8, width() - 12, 16), Qt::AlignLeft | Qt::AlignVCenter, u"Steps"_s);
        int y = 30;
        for (int i = 0; i < steps_.size(); ++i) {
            const QRect row(4, y, width() - 8, 19);
            if (i == current_) {
                p.fillRect(row, Qt::white);
                p.setPen(colour::brand);
                p.setFont(forPainter(p, uiFont(11, true)));
            } else {
                p.setPen(i < current_ ? colour::brandDone : Qt::white);
                p.setFont(forPainter(p, uiFont(11)));
            }
            paintText(p, row.adjusted(5, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, steps_[i]);
            y += 21;
        }
        p.drawPixmap((width() - 40) / 2, height() - 70, glyph(Glyph::Logo, 40));
        p.setPen(colour::brandLight);
        p.setFont(forPainter(p, uiFont(12, true)));
        paintText(p, QRect(0, height() - 26, width(), 18), Qt::AlignCenter, u"Orvane"_s);
    }

private:
    QStringList steps_;
    int current_;
};

} // namespace

WizardPage wizardPage(Screen& s, const QString& title, const QRect& r, const QString& heading,
                      const QString& intro, const QStringList& steps, int currentStep) {
    WizardPage wp;
    wp.dialog = s.addDialog(title, r, Glyph::Logo, TitleBar::Buttons::Close);
    QWidget* body = wp.dialog->body();
    wp.steps = new StepBand(body, QRect(8, 8, 96, body->height() - 56), steps, currentStep);
    wp.heading = labelAt(body, QRect(116, 8, body->width() - 124, 22), heading, true);
    wp.heading->setFont(uiFont(14, true));
    wp.intro = new QLabel(intro, body);
    wp.intro->setWordWrap(true);
    wp.intro->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    wp.intro->setGeometry(116, 34, body->width() - 124, 42);
    wp.content = new QWidget(body);
    wp.content->setGeometry(116, 80, body->width() - 124, body->height() - 128);
    auto* line = new QFrame(body);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    line->setGeometry(8, body->height() - 42, body->width() - 16, 2);
    wp.buttons = dialogButtons(body, {u"< Back"_s, u"Next >"_s, u"Finish"_s, u"Cancel"_s}, 1);
    wp.buttons[0]->setEnabled(currentStep > 0);
    wp.buttons[2]->setEnabled(currentStep + 1 == steps.size());
    return wp;
}

} // namespace shots
