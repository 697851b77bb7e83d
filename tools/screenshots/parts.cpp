// SPDX-License-Identifier: MIT
#include "parts.h"

#include "books.h"
#include "look.h"
#include "sample.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace shots {

// ---- Title pages ---------------------------------------------------------------------------

const QStringList& sectionNames() {
    static const QStringList names = {u"Tutorial Tips"_s,  u"Navigation"_s,    u"Receivables"_s,
                                      u"Payables"_s,       u"Inventory"_s,     u"Payroll"_s,
                                      u"General Ledger"_s, u"Reports/Forms"_s, u"Company"_s};
    return names;
}

namespace {

class TitlePageWidget : public QWidget {
public:
    TitlePageWidget(QWidget* parent, int section, QString heading, QString intro,
                    QStringList points, QString footer)
        : QWidget(parent), section_(section), heading_(std::move(heading)),
          intro_(std::move(intro)), points_(std::move(points)), footer_(std::move(footer)) {
        setGeometry(0, 0, kWidth, kHeight);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        constexpr int band = 176;
        p.fillRect(rect(), colour::pagePaper);
        p.fillRect(0, 0, band, height(), colour::brand);

        // The product's name and the tutorial's, at the top of the band.
        p.drawPixmap(16, 18, glyph(Glyph::Logo, 32));
        p.setPen(Qt::white);
        p.setFont(forPainter(p, uiFont(20, true)));
        p.drawText(QRect(56, 16, band - 60, 24), Qt::AlignLeft | Qt::AlignVCenter, u"Orvane"_s);
        p.setPen(colour::brandLight);
        p.setFont(forPainter(p, uiFont(11)));
        p.drawText(QRect(56, 38, band - 60, 16), Qt::AlignLeft | Qt::AlignVCenter,
                   u"Guided Tutorial"_s);

        // The section list.
        p.setFont(forPainter(p, uiFont(11, true)));
        p.setPen(colour::brandLight);
        p.drawText(QRect(16, 86, band - 20, 16), Qt::AlignLeft | Qt::AlignVCenter, u"SECTIONS"_s);
        int y = 108;
        for (int i = 0; i < sectionNames().size(); ++i) {
            const QRect row(10, y, band - 20, 24);
            if (i == section_) {
                p.fillRect(row, Qt::white);
                p.setPen(colour::brand);
                p.setFont(forPainter(p, uiFont(12, true)));
            } else {
                p.setPen(i < section_ ? colour::brandDone : Qt::white);
                p.setFont(forPainter(p, uiFont(12)));
            }
            p.drawText(row.adjusted(10, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                       QString::number(i + 1) + u".  "_s + sectionNames()[i]);
            y += 28;
        }

        // The page itself.
        const int left = band + 36;
        const int textWidth = width() - left - 36;
        if (section_ >= 0) {
            p.setPen(colour::shadow);
            p.setFont(forPainter(p, uiFont(12, true)));
            p.drawText(QRect(left, 40, textWidth, 18), Qt::AlignLeft | Qt::AlignVCenter,
                       u"SECTION %1 OF %2"_s.arg(section_ + 1).arg(sectionNames().size()));
        }
        p.setPen(colour::brand);
        QFont big = serifFont(34, true);
        big.setStyleStrategy(QFont::PreferAntialias);
        p.setFont(forPainter(p, big));
        p.drawText(QRect(left, 60, textWidth, 46), Qt::AlignLeft | Qt::AlignVCenter, heading_);
        p.fillRect(left, 112, 60, 3, colour::accent);

        p.setPen(colour::pageText);
        p.setFont(forPainter(p, uiFont(13)));
        QRect introRect(left, 128, textWidth, 200);
        QRect used = p.boundingRect(introRect, Qt::TextWordWrap | Qt::AlignLeft, intro_);
        p.drawText(introRect, Qt::TextWordWrap | Qt::AlignLeft, intro_);
        y = used.bottom() + 18;
        for (const QString& point : points_) {
            p.setBrush(colour::brand);
            p.setPen(Qt::NoPen);
            p.drawRect(left + 2, y + 6, 6, 6);
            p.setPen(colour::pageText);
            p.setFont(forPainter(p, uiFont(12)));
            const QRect r(left + 18, y, textWidth - 18, 80);
            const QRect b = p.boundingRect(r, Qt::TextWordWrap | Qt::AlignLeft, point);
            p.drawText(r, Qt::TextWordWrap | Qt::AlignLeft, point);
            y = b.bottom() + 9;
        }
        if (!footer_.isEmpty()) {
            p.setPen(colour::brand);
            p.setFont(forPainter(p, uiFont(12, true)));
            p.drawText(QRect(left, height() - 52, textWidth, 20), Qt::AlignLeft | Qt::AlignVCenter,
                       footer_);
        }
    }

private:
    int section_;
    QString heading_;
    QString intro_;
    QStringList points_;
    QString footer_;
};

} // namespace

QWidget* titlePage(Screen& s, int section, const QString& heading, const QString& intro,
                   const QStringList& points, const QString& footer) {
    return new TitlePageWidget(&s, section, heading, intro, points, footer);
}

// ---- Transaction windows -------------------------------------------------------------------

namespace {

// The Comment's label at the left of the detail area and its box where it stands.
void commentRow(QWidget* host, Transaction& t, const TransactionSpec& form, int x0,
                const QRect& box) {
    labelAt(host, QRect(x0, box.y(), 56, kFieldHeight), u"Comment"_s);
    t.comment = fieldAt(host, box, form.comment);
}

// The amounts side by side under the lines, the last under the Amount column, and the Comment
// across the foot below them.
void totalsRow(QWidget* host, Transaction& t, const TransactionSpec& form, int x0, int w, int top) {
    constexpr int kAmount = 80;
    int right = w - 8;
    for (auto it = form.totals.crbegin(); it != form.totals.crend(); ++it) {
        const auto& [label, value] = *it;
        QLineEdit* field =
            fieldAt(host, QRect(right - kAmount, top, kAmount, kFieldHeight), value, true);
        QLabel* caption = labelAt(host, QRect(0, top, 0, kFieldHeight), label);
        const int width = caption->fontMetrics().horizontalAdvance(label) +
                          unhintedSurplus(caption->font(), label) + 6;
        caption->setGeometry(right - kAmount - 4 - width, top, width, kFieldHeight);
        t.fields.insert(label, field);
        t.labels.insert(label, caption);
        right = caption->x() - 14;
    }
    if (form.hasComment) {
        const int y = form.totals.isEmpty() ? top : top + kRowHeight;
        commentRow(host, t, form, x0, QRect(x0 + 58, y, w - 8 - x0 - 58, kFieldHeight));
    }
}

} // namespace

Transaction transactionWindow(Screen& s, const TransactionSpec& form) {
    Transaction t;
    t.window = s.addWindow(form.title, form.rect, form.icon);
    QWidget* body = t.window->body();
    QWidget* host = body;
    int w = body->width();
    int h = body->height();
    int x0 = 8;
    int y0 = 8;
    if (form.journal) {
        t.tabs = tabsAt(body, QRect(4, 4, w - 8, h - 8),
                        {form.detailTab.isEmpty() ? form.title : form.detailTab, u"Journal"_s},
                        form.showJournal ? 1 : 0);
        host = t.tabs->widget(0);
        // A tab page is the tab widget less its tab bar (21) and frame (2 + 2).
        w = w - 8 - 4;
        h = h - 8 - 21 - 4;
        x0 = 6;
        y0 = 6;
        if (form.showJournal) {
            QWidget* jp = t.tabs->widget(1);
            // The transaction's key figures above its entries, in two short columns that leave
            // the middle of the page free for the callout.
            FormPane summary(jp, 8, 8, 74);
            summary.text(form.partyLabel, form.partyId, 110)->setReadOnly(true);
            FormPane second(jp, w - 200, 8, 74);
            const auto header = form.header.mid(0, 2);
            for (qsizetype i = 0; i < header.size(); ++i) {
                (i == 0 ? summary : second)
                    .text(header[i].first, header[i].second, 110)
                    ->setReadOnly(true);
            }
            if (!form.totals.isEmpty()) {
                second.money(form.totals.last().first, form.totals.last().second, 110)
                    ->setReadOnly(true);
            }
            // A list of compact rows, so that every entry shows and the debits can be seen to
            // equal the credits; as tall as its rows, or a scroll bar if the page is short.
            t.journal = listAt(jp, QRect(8, form.journalTop, w - 16, h - form.journalTop - 8),
                               {u"Account"_s, u"Description"_s, u">Debit"_s, u">Credit"_s},
                               {70, 0, 80, 80}, form.journalLines);
            // The description takes the width the figures leave, as in the lines' grid.
            t.journal->header()->setStretchLastSection(false);
            t.journal->header()->setSectionResizeMode(1, QHeaderView::Stretch);
            const int whole = 2 * t.journal->frameWidth() +
                              t.journal->header()->sizeHint().height() +
                              int(form.journalLines.size()) * t.journal->sizeHintForRow(0);
            t.journal->resize(t.journal->width(), std::min(whole, t.journal->height()));
        }
    }
    t.content = host;

    int leftBottom = y0;
    if (!form.partyLabel.isEmpty()) {
        FormPane party(host, x0, y0, 84);
        t.party = party.lookup(form.partyLabel, form.partyId, 130);
        t.labels.insert(form.partyLabel, party.lastLabel());
        for (const auto& [label, value] : form.leftFields) {
            QLineEdit* e = label.contains(u"Date")
                               ? party.date(label, value, 130)
                               : party.text(label, value, 130, label.contains(u"Amount"));
            t.fields.insert(label, e);
            t.labels.insert(label, party.lastLabel());
        }
        leftBottom = party.y();
        if (!form.address.isEmpty()) {
            auto* box = new QPlainTextEdit(form.address.join(u'\n'), host);
            const int lines = int(form.address.size());
            box->setGeometry(x0 + 84, leftBottom, form.addressWidth, lines * 14 + 8);
            box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            labelAt(host, QRect(x0, leftBottom, 70, 18), form.addressLabel);
            t.address = box;
            leftBottom += lines * 14 + 8 + 4;
        }
    }
    // The header's columns stand from the right edge leftwards, a little apart.
    constexpr int kColumnGap = 10;
    const int columnWidth = form.headerLabelWidth + form.headerFieldWidth;
    const int headerTop = form.headerTop > 0 ? form.headerTop : y0;
    int headerBottom = headerTop;
    for (qsizetype i = 0; i < form.header.size(); ++i) {
        const auto& [label, value] = form.header[i];
        const QPoint cell = i < form.headerCells.size() ? form.headerCells[i] : QPoint(0, int(i));
        FormPane pane(host, w - 8 - columnWidth - cell.x() * (columnWidth + kColumnGap),
                      headerTop + cell.y() * kRowHeight, form.headerLabelWidth);
        QLineEdit* e = label.contains(u"Date") ? pane.date(label, value, form.headerFieldWidth)
                                               : pane.text(label, value, form.headerFieldWidth);
        t.fields.insert(label, e);
        t.labels.insert(label, pane.lastLabel());
        headerBottom = std::max(headerBottom, pane.y());
    }
    // A row of fields ends 3 pixels above the next row's place; the lines keep a little more.
    const int top = form.linesTop > 0 ? std::max({leftBottom, headerBottom, form.linesTop})
                                      : std::max(leftBottom, headerBottom) + 4;
    // Labels wide enough for "Balance Due".
    constexpr int kTotalsLabel = 70;
    constexpr int kTotalsWidth = kTotalsLabel + 80;
    const bool commentAtFoot = form.hasComment && form.commentField.isNull();
    const int footRows = form.totalsInRow ? int(!form.totals.isEmpty()) + int(form.hasComment)
                         : form.totalsBeside
                             ? int(commentAtFoot)
                             : std::max(int(form.totals.size()), int(commentAtFoot));
    const int gridBottom = h - 8 - footRows * kRowHeight;
    const int linesBottom = form.linesBottom > 0 ? form.linesBottom : gridBottom;
    const int linesRight = form.totalsBeside ? w - 8 - kTotalsWidth - 10 : w - 8;
    t.lines = gridAt(host, QRect(x0, top, linesRight - x0, linesBottom - top), form.lineHeaders,
                     form.lineWidths, form.lines, form.selectedLine);
    if (!form.linesNote.isEmpty()) {
        constexpr int kBesideWidth = 220;
        const int left = form.linesNoteBeside ? w - 8 - kBesideWidth : x0;
        noteAt(host, QRect(left, linesBottom + 6, w - 8 - left, gridBottom - linesBottom - 8),
               form.linesNote);
    }
    if (form.totalsInRow) {
        totalsRow(host, t, form, x0, w, gridBottom + 4);
        return t;
    }
    FormPane totals(host, w - 8 - kTotalsWidth, form.totalsBeside ? top : gridBottom + 4,
                    kTotalsLabel);
    for (const auto& [label, value] : form.totals) {
        t.fields.insert(label, totals.money(label, value, 80));
        t.labels.insert(label, totals.lastLabel());
    }
    if (!form.commentField.isNull()) {
        commentRow(host, t, form, x0, form.commentField);
    } else if (form.hasComment) {
        const int commentRight =
            form.totals.isEmpty() || form.totalsBeside ? w - 8 : w - 8 - kTotalsWidth - 10;
        commentRow(host, t, form, x0,
                   QRect(x0 + 58, gridBottom + 4, commentRight - x0 - 58, kFieldHeight));
    }
    return t;
}

// ---- Navigation aids -----------------------------------------------------------------------

namespace {

QToolButton* bigButton(QWidget* host, const QPoint& at, Glyph g, const QString& text,
                       int width = 80) {
    auto* b = new QToolButton(host);
    b->setIcon(QIcon(glyph(g, 32)));
    b->setIconSize(QSize(32, 32));
    b->setText(text);
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setGeometry(at.x(), at.y(), width, 58);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

// An arrow from one point to another, for the flow of a navigation aid.
class FlowArrow : public QWidget {
public:
    FlowArrow(QWidget* parent, const QRect& r, bool down) : QWidget(parent), down_(down) {
        setGeometry(r);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(QPen(colour::brand, 2));
        p.setBrush(colour::brand);
        if (down_) {
            const int cx = width() / 2;
            p.drawLine(cx, 0, cx, height() - 6);
            p.drawPolygon(QPolygon({QPoint(cx - 4, height() - 7), QPoint(cx + 4, height() - 7),
                                    QPoint(cx, height() - 1)}));
        } else {
            const int cy = height() / 2;
            p.drawLine(0, cy, width() - 6, cy);
            p.drawPolygon(QPolygon({QPoint(width() - 7, cy - 4), QPoint(width() - 7, cy + 4),
                                    QPoint(width() - 1, cy)}));
        }
    }

private:
    bool down_;
};

} // namespace

NavigationAid navigationAid(Screen& s, const QString& module, const QRect& r,
                            const QList<QPair<Glyph, QString>>& maintenance,
                            const QList<QPair<Glyph, QString>>& tasks,
                            const QList<QPair<Glyph, QString>>& printing,
                            const QStringList& reports) {
    NavigationAid aid;
    aid.window = s.addWindow(module + u" Navigation Aid"_s, r, Glyph::MainMenu);
    QWidget* body = aid.window->body();
    body->setAutoFillBackground(true);
    QPalette pal = body->palette();
    pal.setColor(QPalette::Window, colour::aidBackground);
    body->setPalette(pal);
    const int w = body->width();
    const int h = body->height();
    const int split = 312;         // left edge of the right side
    const int reportsTop = h - 78; // top of the report list

    auto* left = groupAt(body, QRect(4, 2, split - 10, reportsTop - 6), u"Maintenance"_s);
    aid.maintenance = new QWidget(left);
    aid.maintenance->setGeometry(8, 18, split - 26, reportsTop - 26);
    // The rows start low and the hints stand off from the buttons: so placed, the callouts over
    // this side (scenes 5 and 23) run clear of every row or lie over a hint whole.
    constexpr int kRowsTop = 47;
    constexpr int kRowPitch = 61;
    constexpr int kHintLeft = 108;
    constexpr int kHintTop = 8;
    // What the side is for, one line above the rows: under the callout of scene 5 whole, above
    // the one of 23.
    auto* lead =
        new QLabel(u"The records you keep from one transaction to the next."_s, aid.maintenance);
    lead->setGeometry(14, 16, aid.maintenance->width() - 16, 15);
    int y = kRowsTop;
    static const QMap<QString, QString> hints = {
        {u"Customers"_s, u"Add and change customers and prospects, "
                         "their addresses, terms and defaults."_s},
        {u"Jobs"_s, u"Set up jobs to track the income and costs of "
                    "each project for a customer."_s},
        {u"Sales Tax"_s, u"Set up sales tax authorities and the locations built from them."_s},
    };
    for (const auto& [g, text] : maintenance) {
        aid.buttons.insert(text, bigButton(aid.maintenance, QPoint(0, y), g, text));
        auto* hint = new QLabel(hints.value(text), aid.maintenance);
        hint->setWordWrap(true);
        hint->setGeometry(kHintLeft, y + kHintTop, aid.maintenance->width() - kHintLeft - 2, 46);
        hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        y += kRowPitch;
    }

    // The rows of this side stand where the callouts over it (scenes 4, 6 and 23) cover each
    // whole or leave it clear: the tasks low enough to lie under the one over the middle, the
    // printing tasks and their hint each under one over the lower right.
    auto* right = groupAt(body, QRect(split, 2, w - split - 4, reportsTop - 6), u"Tasks"_s);
    aid.tasks = new QWidget(right);
    aid.tasks->setGeometry(40, 56, right->width() - 46, 62);
    int x = 0;
    for (qsizetype i = 0; i < tasks.size(); ++i) {
        aid.buttons.insert(tasks[i].second,
                           bigButton(aid.tasks, QPoint(x, 2), tasks[i].first, tasks[i].second, 74));
        x += 74;
        if (i + 1 < tasks.size()) {
            new FlowArrow(aid.tasks, QRect(x + 2, 20, 16, 16), false);
            x += 20;
        }
    }
    aid.printing = new QWidget(right);
    aid.printing->setGeometry(40, 143, right->width() - 46, 62);
    // The printing row ends where the tasks end, which puts Print Invoices under Invoices, the
    // task whose forms it prints; the arrow runs down between the two buttons' middles.
    constexpr int kPrintWidth = 92;
    constexpr int kPrintGap = 4;
    const int tasksEnd = x;
    x = tasksEnd - int(printing.size()) * (kPrintWidth + kPrintGap) + kPrintGap;
    for (const auto& [g, text] : printing) {
        aid.buttons.insert(text, bigButton(aid.printing, QPoint(x, 2), g, text, kPrintWidth));
        x += kPrintWidth + kPrintGap;
    }
    if (tasks.size() > 1 && !printing.isEmpty()) {
        const int from = aid.buttons.value(tasks[1].second)->geometry().center().x();
        const int to = aid.buttons.value(printing[0].second)->geometry().center().x();
        new FlowArrow(right, QRect(40 + (from + to) / 2 - 8, 118, 16, 19), true);
    }
    auto* printHint = new QLabel(u"Print or e-mail the forms for the "
                                 "transactions you have entered."_s,
                                 right);
    printHint->setWordWrap(true);
    printHint->setGeometry(40, 214, right->width() - 52, 32);
    printHint->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* bottom = groupAt(body, QRect(4, reportsTop, w - 8, h - reportsTop - 4), u"Reports"_s);
    aid.reports = new QWidget(bottom);
    aid.reports->setGeometry(10, 16, bottom->width() - 20, bottom->height() - 20);
    const int columns = 3;
    const int colWidth = aid.reports->width() / columns;
    for (int i = 0; i < reports.size(); ++i) {
        auto* link = new QLabel(reports[i], aid.reports);
        QPalette lp = link->palette();
        lp.setColor(QPalette::WindowText, colour::link);
        link->setPalette(lp);
        QFont f = uiFont(11);
        f.setUnderline(true);
        link->setFont(f);
        link->setGeometry((i % columns) * colWidth + 22, (i / columns) * 18, colWidth - 24, 16);
        auto* icon = new QLabel(aid.reports);
        icon->setPixmap(glyph(Glyph::Reports, 14));
        icon->setGeometry((i % columns) * colWidth + 2, (i / columns) * 18 + 1, 14, 14);
    }
    return aid;
}

NavigationAid receivablesAid(Screen& s, const QRect& r) {
    return navigationAid(
        s, u"Receivables"_s, r,
        {{Glyph::Customers, u"Customers"_s},
         {Glyph::Jobs, u"Jobs"_s},
         {Glyph::SalesTax, u"Sales Tax"_s}},
        {{Glyph::Quotes, u"Quotes"_s},
         {Glyph::Invoices, u"Invoices"_s},
         {Glyph::Receipts, u"Receipts"_s}},
        {{Glyph::Print, u"Print Invoices"_s}, {Glyph::Statements, u"Print Statements"_s}},
        {u"Customer List"_s, u"Aged Receivables"_s, u"Customer Ledgers"_s, u"Invoice Register"_s,
         u"Sales Journal"_s, u"Cash Receipts Journal"_s, u"Quote Register"_s,
         u"Job Profitability"_s, u"Sales Tax Summary"_s});
}

// ---- Report windows ------------------------------------------------------------------------

namespace {
constexpr int kPaperFirstRow = 8 + 62 + 15 + 3; // top of the first row under the headings
constexpr int kPaperRowHeight = 14;
constexpr int kPaperScrollBar = 16;
} // namespace

// A page longer than the preview gets a scroll bar along its right edge, in the sheet's margin.
ReportPaper::ReportPaper(QWidget* parent, const QRect& r, ReportPage page)
    : QWidget(parent), page_(std::move(page)) {
    setGeometry(r);
    // A page scrolled down shows its bar too, however little of it is printed.
    if (pageHeight() > height() || page_.scrolled > 0) {
        auto* bar = new QScrollBar(Qt::Vertical, this);
        bar->setGeometry(width() - kPaperScrollBar, 0, kPaperScrollBar, height());
        bar->setRange(0, std::max(pageHeight() - height(), page_.scrolled));
        bar->setPageStep(height());
        bar->setValue(page_.scrolled);
    }
}

int ReportPaper::pageHeight() const {
    return rowRect(int(page_.rows.size())).top() + page_.scrolled + 14;
}

QRect ReportPaper::rowRect(int row) const {
    int y = kPaperFirstRow - page_.scrolled;
    for (int i = 0; i < row && i < page_.rows.size(); ++i) {
        y += kPaperRowHeight + (page_.rows[i].value(0).startsWith(u'*') ? 1 : 0);
    }
    if (row < page_.rows.size() && page_.rows[row].value(0).startsWith(u'*')) {
        y += 1;
    }
    return QRect(20, y, width() - 48, kPaperRowHeight);
}

void ReportPaper::paintEvent(QPaintEvent*) {
    forgetPainted();
    QPainter p(this);
    p.fillRect(rect(), colour::shadow);
    const QRect sheet = rect().adjusted(10, 8 - page_.scrolled, -kPaperScrollBar - 2, 0);
    p.fillRect(sheet.translated(3, 3), colour::dark);
    p.fillRect(sheet, Qt::white);
    p.setPen(Qt::black);
    p.setFont(forPainter(p, uiFont(11, true)));
    paintText(p, QRect(sheet.left(), sheet.top() + 8, sheet.width(), 14), Qt::AlignCenter,
              sample::kCompany);
    p.setFont(forPainter(p, uiFont(13, true)));
    paintText(p, QRect(sheet.left(), sheet.top() + 22, sheet.width(), 18), Qt::AlignCenter,
              page_.title);
    p.setFont(forPainter(p, uiFont(10)));
    paintText(p, QRect(sheet.left(), sheet.top() + 40, sheet.width(), 14), Qt::AlignCenter,
              page_.subtitle);
    int y = sheet.top() + 62;
    const int x0 = sheet.left() + 12;
    auto drawRow = [&](const QStringList& cells, bool bold) {
        int x = x0;
        for (int c = 0; c < cells.size() && c < page_.headers.size(); ++c) {
            const int w = c < page_.widths.size() ? page_.widths[c] : 60;
            const bool right = page_.headers[c].startsWith(u'>');
            paintLine(p, QRect(x, y, w - 4, 14),
                      Qt::AlignVCenter | (right ? Qt::AlignRight : Qt::AlignLeft), cells[c], bold);
            x += w;
        }
    };
    QStringList heads;
    for (const QString& h : page_.headers) {
        heads << (h.startsWith(u'>') ? h.mid(1) : h);
    }
    drawRow(heads, true);
    y += 15;
    p.drawLine(x0, y, sheet.right() - 12, y);
    y += 3;
    for (int i = 0; i < page_.rows.size(); ++i) {
        QStringList cells = page_.rows[i];
        bool bold = false;
        if (!cells.isEmpty() && cells[0].startsWith(u'*')) {
            cells[0].remove(0, 1);
            bold = true;
            p.drawLine(x0, y, sheet.right() - 12, y);
            y += 1;
        }
        if (!cells.isEmpty() && cells[0].startsWith(u'=')) {
            // A group heading runs across the columns.
            paintLine(p, QRect(x0, y, sheet.width() - 24, 14), Qt::AlignVCenter | Qt::AlignLeft,
                      cells[0].mid(1), true);
            y += 14;
            continue;
        }
        if (i == page_.highlightRow) {
            p.fillRect(QRect(x0 - 2, y, sheet.width() - 20, 14), colour::navy);
            p.setPen(Qt::white);
        }
        drawRow(cells, bold);
        p.setPen(Qt::black);
        y += 14;
    }
}

// At ten pixels the bold face's hints thin its stems to one pixel, and bold would print as
// regular; at eleven they keep two. So the picture's bold lines are a pixel larger; its copy at
// twice the density has room for the bold face's stems at the report's own size.
void ReportPaper::paintLine(QPainter& p, const QRect& r, int flags, const QString& text,
                            bool bold) {
    p.setFont(forPainter(p, uiFont(bold && !atFineDensity(p) ? 11 : 10, bold)));
    paintText(p, r, flags, text);
}

ReportPaper* reportPaper(QWidget* host, const QRect& r, const ReportPage& page) {
    return new ReportPaper(host, r, page);
}

ReportWindow reportWindow(Screen& s, const QString& report, const QRect& r, int currentTab,
                          bool active) {
    s.customToolbar({{Glyph::Close, u"Close"_s},
                     {Glyph::Save, u"Save"_s},
                     {Glyph::Page, u"|"_s},
                     {Glyph::Print, u"Print"_s},
                     {Glyph::Email, u"Email"_s},
                     {Glyph::Folder, u"Export"_s},
                     {Glyph::Page, u"|"_s},
                     {Glyph::Help, u"Help"_s}});
    ReportWindow rw;
    rw.window = s.addWindow(u"Report - "_s + report, r, Glyph::Reports, active);
    QWidget* body = rw.window->body();
    rw.tabs = tabsAt(body, QRect(4, 4, body->width() - 8, body->height() - 8),
                     {u"Filters"_s, u"Options"_s, u"Preview"_s}, currentTab);
    rw.page = rw.tabs->widget(currentTab);
    return rw;
}

ReportSelector reportSelector(Screen& s, const QRect& r) {
    s.customToolbar({{Glyph::Close, u"Close"_s},
                     {Glyph::Page, u"|"_s},
                     {Glyph::Reports, u"Preview"_s},
                     {Glyph::Print, u"Print"_s},
                     {Glyph::Filter, u"Filters"_s},
                     {Glyph::Page, u"|"_s},
                     {Glyph::Help, u"Help"_s}});
    ReportSelector rs;
    rs.window = s.addWindow(u"Report Selector"_s, r, Glyph::Reports);
    QWidget* body = rs.window->body();
    // Wide enough for "Financial Statements".
    const int split = 146;
    rs.modules = new QWidget(body);
    rs.modules->setGeometry(6, 6, split - 6, body->height() - 12);
    labelAt(rs.modules, QRect(0, 0, split - 6, 18), u"Modules"_s, true);
    const QList<QPair<Glyph, QString>> modules = {
        {Glyph::Customers, u"Receivables"_s}, {Glyph::Vendors, u"Payables"_s},
        {Glyph::Items, u"Inventory"_s},       {Glyph::Payroll, u"Payroll"_s},
        {Glyph::Ledger, u"General Ledger"_s}, {Glyph::Reports, u"Financial Statements"_s},
        {Glyph::Company, u"Company"_s},
    };
    auto* list = new QTreeWidget(rs.modules);
    list->setGeometry(0, 20, split - 6, body->height() - 32);
    list->setHeaderHidden(true);
    list->setRootIsDecorated(false);
    list->setIconSize(QSize(20, 20));
    list->setFocusPolicy(Qt::NoFocus);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int itemHeight = std::min(26, (list->height() - 4) / int(modules.size()));
    for (const auto& [g, name] : modules) {
        auto* item = new QTreeWidgetItem(list, {name});
        item->setIcon(0, QIcon(glyph(g, itemHeight > 22 ? 20 : 16)));
        item->setSizeHint(0, QSize(10, itemHeight));
        item->setSelected(name == u"Receivables"_s);
    }
    rs.reports = new QWidget(body);
    rs.reports->setGeometry(split + 6, 6, body->width() - split - 12, body->height() - 12);
    labelAt(rs.reports, QRect(0, 0, rs.reports->width(), 18), u"Receivables reports"_s, true);
    listAt(rs.reports, QRect(0, 20, rs.reports->width(), rs.reports->height() - 20), {u"Report"_s},
           {0},
           {{u"Aged Receivables"_s},
            {u"Cash Receipts Journal"_s},
            {u"Customer Ledgers"_s},
            {u"Customer List"_s},
            {u"Customer Sales History"_s},
            {u"Invoice Register"_s},
            {u"Job Profitability"_s},
            {u"Quote Register"_s},
            {u"Sales Journal"_s},
            {u"Sales Tax Summary"_s},
            {u"Statements"_s}},
           2);
    return rs;
}

// ---- Payment methods ---------------------------------------------------------------------------

PaymentMethods paymentMethodsWindow(Screen& s, bool customers) {
    s.windowToolbar();
    PaymentMethods pm;
    pm.window = s.addWindow(u"Payment Methods"_s, kWorkArea, Glyph::Payments);
    QWidget* body = pm.window->body();
    // The fields keep to the left: the top right stays free for the scenes' callouts.
    pm.fields = new QWidget(body);
    pm.fields->setGeometry(8, 6, 292, 116);
    FormPane f(pm.fields, 0, 0, 110);
    f.lookup(u"Payment Method ID"_s, customers ? u"CARD"_s : u"CO-CARD"_s, 120);
    f.text(u"Description"_s, customers ? u"Credit card"_s : u"Company credit card"_s, 170);
    f.choice(u"Type"_s, u"Credit Card"_s, 120);
    f.lookup(u"Account"_s, customers ? u"1020"_s : u"2150"_s, 90);
    f.text(u"Card Fee Percent"_s, customers ? books::rate(books::cardFee()) : QString(), 50, true);
    pm.usedBy = groupAt(body, QRect(8, 124, body->width() - 16, 42), u"Used by"_s);
    radioAt(pm.usedBy, QPoint(10, 18), u"Customers, to pay us"_s, customers);
    radioAt(pm.usedBy, QPoint(220, 18), u"Bayside Garden Supply, to pay others"_s, !customers);
    labelAt(body, QRect(8, 172, 300, 18),
            customers ? u"Customer payment methods"_s : u"Company payment methods"_s, true);
    const QString next = QString::number(books::nextCheckNumber());
    const QList<QStringList> rows =
        customers
            ? QList<QStringList>{{u"CASH"_s, u"Cash"_s, u"Cash"_s, u"1000 Cash - Operating"_s, {}},
                                 {u"CHECK"_s,
                                  u"Check"_s,
                                  u"Check"_s,
                                  u"1000 Cash - Operating"_s,
                                  {}},
                                 {u"CARD"_s,
                                  u"Credit card"_s,
                                  u"Credit Card"_s,
                                  u"1020 Card Clearing"_s,
                                  {}},
                                 {u"ACH"_s,
                                  u"Bank Transfer"_s,
                                  u"Electronic"_s,
                                  u"1000 Cash - Operating"_s,
                                  {}}}
            : QList<QStringList>{
                  {u"CHECK-OP"_s, u"Operating account checks"_s, u"Check"_s,
                   u"1000 Cash - Operating"_s, next},
                  {u"CO-CARD"_s,
                   u"Company credit card"_s,
                   u"Credit Card"_s,
                   u"2150 Card Payable"_s,
                   {}},
                  {u"ACH-OP"_s,
                   u"Electronic transfer"_s,
                   u"Electronic"_s,
                   u"1000 Cash - Operating"_s,
                   {}},
                  {u"PETTY"_s, u"Petty cash"_s, u"Cash"_s, u"1050 Petty Cash"_s, {}}};
    pm.list = gridAt(body, QRect(8, 192, body->width() - 16, body->height() - 192 - 40),
                     {u"ID"_s, u"Description"_s, u"Type"_s, u"Account"_s, u">Next Number"_s},
                     {80, 0, 90, 160, 90}, rows, customers ? 2 : 1);
    auto* hint = new QLabel(customers ? u"Orvane suggests each customer's payment method in the "
                                        "Receipts and Invoices windows; you can change it there."_s
                                      : u"Choose one of these methods in the Payments and "
                                        "Purchases windows; Orvane pays from the account "
                                        "listed here."_s,
                            body);
    hint->setWordWrap(true);
    hint->setGeometry(8, body->height() - 36, body->width() - 16, 32);
    return pm;
}

// ---- Help ------------------------------------------------------------------------------------

namespace {
// The workspace's right-hand column: the callouts of the help scenes lie to its left.
constexpr QRect kHelpWindow = workColumn(456, 182);
} // namespace

HelpWindow helpWindow(Screen& s, int currentTab, const QString& topicHtml) {
    HelpWindow hw;
    hw.window =
        s.addDialog(u"Orvane Help"_s, kHelpWindow, Glyph::Help, TitleBar::Buttons::MinMaxClose);
    QWidget* body = hw.window->body();
    const int w = body->width();
    const int h = body->height();
    // A compact toolbar of its own: text buttons as wide as their words.
    hw.toolbar = new QWidget(body);
    hw.toolbar->setGeometry(2, 2, w - 4, 22);
    int x = 0;
    for (const QString& t : {u"Hide"_s, u"Back"_s, u"Forward"_s, u"Print"_s}) {
        auto* b = new QToolButton(hw.toolbar);
        b->setText(t);
        b->setAutoRaise(true);
        const int bw = b->sizeHint().width() + unhintedSurplus(b->font(), t);
        b->setGeometry(x, 0, bw, 22);
        x += bw;
    }
    auto* line = new QFrame(body);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    line->setGeometry(0, 26, w, 2);
    // The navigator above, the topic below.
    constexpr int kNavigatorHeight = 186;
    hw.tabs = tabsAt(body, QRect(2, 30, w - 4, kNavigatorHeight),
                     {u"Contents"_s, u"Index"_s, u"Search"_s}, currentTab);
    narrowTabs(hw.tabs);
    hw.page = hw.tabs->widget(currentTab);
    hw.pageRoom = QSize(hw.tabs->width() - 8, kNavigatorHeight - 30);
    hw.topic = new QTextBrowser(body);
    hw.topic->setGeometry(2, 30 + kNavigatorHeight + 4, w - 4, h - kNavigatorHeight - 36);
    hw.topic->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    hw.topic->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    hw.topic->document()->setDefaultFont(uiFont(12));
    hw.topic->document()->setDefaultStyleSheet(u"p.title { color: #2e6b3a; font-size: 14px; "
                                               u"font-weight: bold; } p { margin-bottom: 4px; } "
                                               "a { color: #1c3f94; }"_s);
    hw.topic->setHtml(topicHtml);
    return hw;
}

// ---- Sample records ------------------------------------------------------------------------

namespace {

// The General tab of the Customers window, in two blocks of two columns with room between: the
// contact and the telephones above, the address, fax, e-mail and the rest below. The callouts
// over this window (scenes 7 to 11, 16) stand where the script puts them, so the rows are
// placed in the picture's pixels, whatever the frame above the window:
// - the upper rows at y = 197 and 221: 10's callout covers the first telephone and ends above
//   the second, 16's covers the second and begins below the first, 7's covers both;
// - the Contact ends left of 10's callout, the telephones' fields inside 7's, 10's and 16's;
// - the lower rows from y = 349, below 8's, 9's and 11's callouts, which lie between the blocks.
void customerGeneral(const RecordWindow& rw) {
    constexpr int kPitch = 24;
    constexpr int kLabels = 66;
    const int upperTop = 197 - rw.pageTop;
    const int lowerTop = 349 - rw.pageTop;
    FormPane left(rw.page, 8, upperTop, kLabels);
    left.text(u"Contact"_s, u"Tom Alvarez"_s, 140);
    left.skip(kPitch - kRowHeight);
    left.choice(u"Type"_s, u"Landscaper"_s, 120);
    FormPane right(rw.page, 371, upperTop, kLabels);
    right.text(u"Telephone 1"_s, u"(555) 014-0188"_s, 100);
    right.skip(kPitch - kRowHeight);
    right.text(u"Telephone 2"_s, u"(555) 014-0189"_s, 100);
    FormPane lower(rw.page, 8, lowerTop, kLabels);
    lower.text(u"Address"_s, sample::greenwayAddress().at(2), 170);
    lower.skip(kPitch - kRowHeight);
    lower.text(u"City"_s, u"Millbrook"_s, 140);
    lower.skip(kPitch - kRowHeight);
    lower.text(u"State, Zip"_s, u"CA   94522"_s, 90);
    FormPane lowerRight(rw.page, 371, lowerTop, kLabels);
    lowerRight.text(u"Fax"_s, u"(555) 014-0190"_s, 100);
    lowerRight.skip(kPitch - kRowHeight);
    lowerRight.text(u"E-mail"_s, u"tom@greenwayland.example"_s, 150);
    lowerRight.skip(kPitch - kRowHeight);
    lowerRight.date(u"Since"_s, u"04/12/24"_s, 90);
}

} // namespace

RecordWindow customerRecord(Screen& s, const QRect& r, int tab, bool active) {
    // The Name ends where the callout of scene 10 begins and above that of 79; the ID's field
    // as wide, so that the two end level. Prospect stands beside Inactive, where the Notes
    // window of 79 covers it whole and Inactive not at all.
    RecordHeader header;
    header.top = 3;
    header.pitch = 22;
    header.idWidth = 139;
    header.nameWidth = 139;
    header.checksLeft = 300;
    header.prospect = true;
    RecordWindow rw =
        recordWindow(s, u"Customers"_s, Glyph::Customers, r, u"Customer ID"_s, u"GREENWAY"_s,
                     u"Name"_s, u"Greenway Landscaping"_s,
                     {u"General"_s, u"Sales Defaults"_s, u"Payment History"_s, u"Custom Fields"_s},
                     tab, active, header);
    if (tab == 0) {
        customerGeneral(rw);
    }
    return rw;
}

TransactionSpec greenwayInvoice(const QRect& r) {
    TransactionSpec t;
    t.title = u"Invoices"_s;
    t.icon = Glyph::Invoices;
    t.rect = r;
    t.partyLabel = u"Customer ID"_s;
    t.partyId = u"GREENWAY"_s;
    t.address = sample::greenwayAddress();
    t.header = {{u"Invoice No."_s, u"10482"_s},
                {u"Date"_s, u"03/15/27"_s},
                {u"Terms"_s, u"2% 10, Net 30"_s},
                {u"Sales Tax"_s, u"MILLBROOK"_s},
                {u"Job"_s, books::invoice(10482).job}};
    t.lineHeaders = {u">Quantity"_s, u"Item ID"_s, u"Description"_s, u">Unit Price"_s,
                     u">Amount"_s};
    // The callouts over the window's top (35, 37) leave a band free between them. The header's
    // rows stand one under 35's callout, one in the band and one under 37's: the inner column
    // fills all three, each callout covering one of its rows whole; the outer column, whose
    // fields 37's edge would cut, keeps to the first two. Fields this narrow end inside 35's
    // callout, and the outer labels stand clear of the window it lies on.
    t.headerCells = {{0, 0}, {0, 1}, {1, 0}, {1, 1}, {1, 2}};
    t.headerTop = 21;
    t.headerLabelWidth = 60;
    t.headerFieldWidth = 94;
    // Narrow enough to end short of 37's callout.
    t.addressWidth = 150;
    // The Item ID's heading stands left of 18's callout.
    t.lineWidths = {70, 80, 0, 60, 60};
    // The lines below 34's callout and 36's, just tall enough for the invoice's four lines; the
    // amounts in a row under them and the Comment at the foot.
    t.linesTop = 186;
    t.totalsInRow = true;
    const books::Invoice& inv = books::invoice(10482);
    for (const books::Line& l : inv.lines) {
        t.lines << books::invoiceLineRow(l);
    }
    t.totals = {{u"Subtotal"_s, books::money(books::subtotal(inv))},
                {u"Sales Tax"_s, books::money(books::tax(inv))},
                {u"Total"_s, books::money(books::total(inv))}};
    t.comment = u"Deliver to the Maple Street site"_s;
    for (const books::Posting& p : books::posting(inv)) {
        t.journalLines << QStringList{p.account, books::accountName(p.account),
                                      p.debit ? books::money(p.debit) : QString(),
                                      p.credit ? books::money(p.credit) : QString()};
    }
    return t;
}

// The customer's invoices that were open when the receipt came, with what it pays of each.
namespace {
QList<QStringList> receiptLines(const books::Receipt& r) {
    QList<QStringList> lines;
    for (const books::Invoice& i : books::invoices()) {
        const books::Cents open = books::openBefore(i.number, r.date);
        if (i.customer != r.customer || open == 0) {
            continue;
        }
        books::Cents paid = 0;
        for (const books::Applied& a : r.applied) {
            paid += a.invoice == i.number ? a.amount : 0;
        }
        lines << QStringList{paid != 0 ? u"Yes"_s : u"No"_s,
                             QString::number(i.number),
                             books::day(i.date),
                             books::day(i.date.addDays(30)),
                             books::money(open),
                             books::money(0),
                             books::money(paid)};
    }
    return lines;
}
} // namespace

TransactionSpec greenwayReceipt(const QRect& r) {
    TransactionSpec t;
    t.title = u"Receipts"_s;
    t.icon = Glyph::Receipts;
    t.rect = r;
    t.partyLabel = u"Customer ID"_s;
    t.partyId = u"GREENWAY"_s;
    const books::Receipt& paid = books::receipt(u"Check 5521"_s);
    t.leftFields = {{u"Name"_s, books::customerName(paid.customer)},
                    {u"Amount"_s, books::money(paid.amount)}};
    t.header = {{u"Receipt Date"_s, books::day(paid.date)},
                {u"Reference"_s, paid.reference},
                {u"Payment Method"_s, u"CHECK"_s}};
    t.headerLabelWidth = 92;
    t.lineHeaders = {u"Apply"_s,    u"Invoice"_s,   u"Date"_s,        u"Due Date"_s,
                     u">Balance"_s, u">Discount"_s, u">Amount Paid"_s};
    t.lineWidths = {44, 64, 70, 70, 0, 80, 90};
    t.lines = receiptLines(paid);
    t.selectedLine = 1;
    // The list right under the fields and as tall as its rows, the remark beside the callouts:
    // the callouts over the window's middle (38, 71) then lie below the last row.
    t.linesTop = 77;
    t.linesBottom = 153;
    t.linesNote =
        u"Set Apply to Yes for the invoices this payment pays. Orvane fills in the amounts, "
        "oldest invoice first."_s;
    t.linesNoteBeside = true;
    books::Cents applied = 0;
    for (const books::Applied& a : paid.applied) {
        applied += a.amount;
    }
    t.totals = {{u"Applied"_s, books::money(applied)},
                {u"Unapplied"_s, books::money(paid.amount - applied)}};
    t.comment = u"Paid invoices 10472 and part of 10476"_s;
    return t;
}

TransactionSpec oakHollowQuote(const QRect& r) {
    TransactionSpec t;
    t.title = u"Quotes"_s;
    t.icon = Glyph::Quotes;
    t.rect = r;
    t.partyLabel = u"Customer ID"_s;
    t.partyId = u"OAKHOLLOW"_s;
    // Three lines, so that the address ends above the callout of the scene that shows it.
    t.address = {u"Oak Hollow Estates HOA"_s, u"5 Hollow Creek Road"_s, u"Bayside, CA 94520"_s};
    t.header = {{u"Quote No."_s, u"Q-"_s + QString::number(books::quote().number)},
                {u"Date"_s, books::day(books::quote().date)},
                {u"Good Until"_s, u"04/09/27"_s},
                {u"Terms"_s, u"Net 30"_s},
                {u"Sales Tax"_s, u"BAYSIDE"_s}};
    t.lineHeaders = {u">Quantity"_s, u"Item ID"_s, u"Description"_s, u">Unit Price"_s,
                     u">Amount"_s};
    t.lineWidths = {58, 80, 0, 70, 76};
    const books::Invoice& q = books::quote();
    for (const books::Line& l : q.lines) {
        t.lines << books::invoiceLineRow(l);
    }
    t.totals = {{u"Subtotal"_s, books::money(books::subtotal(q))},
                {u"Sales Tax"_s, books::money(books::tax(q))},
                {u"Total"_s, books::money(books::total(q))}};
    t.comment = u"Spring planting for the clubhouse entrance"_s;
    // The callouts over the window's middle (33 over the left, 15 lower and further right) leave
    // the foot clear: the lines stand there, the amounts beside them, and the Comment just above,
    // its box wholly under 15's callout and clear of 33's.
    t.linesTop = 262;
    t.totalsBeside = true;
    t.commentField = QRect(92, 231, 307, kFieldHeight);
    return t;
}

// ---- Main Menu --------------------------------------------------------------------------------

namespace {

// A white card of the Main Menu: the module's button and its everyday tasks.
QWidget* moduleCard(QWidget* host, const QRect& r, Glyph g, const QString& module,
                    const QStringList& tasks) {
    auto* card = new QFrame(host);
    card->setGeometry(r);
    card->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    card->setAutoFillBackground(true);
    QPalette pal = card->palette();
    pal.setColor(QPalette::Window, Qt::white);
    card->setPalette(pal);
    auto* b = new QToolButton(card);
    b->setIcon(QIcon(glyph(g, 32)));
    b->setIconSize(QSize(32, 32));
    b->setText(module);
    b->setFont(uiFont(12, true));
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setGeometry(6, 6, r.width() - 12, 42);
    // The module's list of records first, a little apart from the tasks done with them.
    constexpr int kIndent = 32;
    int y = 50;
    for (const QString& t : tasks) {
        auto* icon = new QLabel(card);
        icon->setPixmap(glyph(Glyph::Star, 10));
        icon->setGeometry(kIndent - 16, y + 3, 10, 10);
        auto* link = new QLabel(t, card);
        QPalette lp = link->palette();
        lp.setColor(QPalette::WindowText, colour::link);
        link->setPalette(lp);
        QFont f = uiFont(11);
        f.setUnderline(true);
        link->setFont(f);
        link->setGeometry(kIndent, y, r.width() - kIndent - 6, 16);
        y += t == tasks.first() ? 23 : 18;
    }
    return card;
}

} // namespace

MainMenu mainMenuWindow(Screen& s, const QRect& r, bool active) {
    MainMenu menu;
    menu.window = s.addWindow(u"Main Menu"_s, r, Glyph::MainMenu, active);
    QWidget* body = menu.window->body();
    labelAt(body, QRect(10, 2, 300, 22), sample::kCompany, true)->setFont(uiFont(15, true));
    auto* cards = new QWidget(body);
    cards->setGeometry(4, 26, body->width() - 8, body->height() - 30);
    // The callouts over the Main Menu decide where its columns and rows part. Reports' callout
    // lies over the middle of the first row's tasks: the second column starts where its stars
    // lie under the callout with their links, and the fourth where its stars lie clear of it.
    // The Report Selector's callout lies over the first two columns down to the second row's
    // buttons, which start a little below it.
    constexpr int kGap = 6;
    constexpr int kRowGap = 10;
    constexpr std::array kColumnLeft = {0, 182, 344, 506};
    constexpr int kSecondRow = 163;
    const auto columnX = [&](int c) { return kColumnLeft.at(c); };
    const auto columnWidth = [&](int c) {
        return (c < 3 ? kColumnLeft.at(c + 1) : cards->width() + kGap) - kColumnLeft.at(c) - kGap;
    };
    const auto rowY = [](int row) { return row * kSecondRow; };
    const auto rowHeight = [&](int row) {
        return row == 0 ? kSecondRow - kRowGap : cards->height() - kSecondRow;
    };
    struct Module {
        Glyph g;
        QString name;
        QStringList tasks;
    };
    // Payables before Receivables: the second column takes the shorter task names.
    const QList<Module> modules = {
        {Glyph::Vendors,
         u"Payables"_s,
         {u"Vendors"_s, u"Purchase Orders"_s, u"Purchases"_s, u"Payments"_s}},
        {Glyph::Customers,
         u"Receivables"_s,
         {u"Customers"_s, u"Quotes"_s, u"Invoices"_s, u"Receipts"_s}},
        {Glyph::Items, u"Inventory"_s, {u"Items"_s, u"Inventory Adjustments"_s, u"Item List"_s}},
        {Glyph::Payroll, u"Payroll"_s, {u"Employees"_s, u"Payroll Checks"_s, u"Payroll Taxes"_s}},
        {Glyph::Ledger,
         u"General Ledger"_s,
         {u"Chart of Accounts"_s, u"General Journal"_s, u"Account Reconciliation"_s, u"Budgets"_s}},
        {Glyph::Reports,
         u"Reports"_s,
         {u"Report Selector"_s, u"Financial Statements"_s, u"Form Alignment"_s}},
        {Glyph::Company,
         u"Company"_s,
         {u"Company Information"_s, u"Preferences"_s, u"Users"_s, u"Back Up"_s}},
    };
    for (int i = 0; i < modules.size(); ++i) {
        const QRect r(columnX(i % 4), rowY(i / 4), columnWidth(i % 4), rowHeight(i / 4));
        menu.cards.insert(modules[i].name,
                          moduleCard(cards, r, modules[i].g, modules[i].name, modules[i].tasks));
    }
    // The eighth place holds today's reminders.
    auto* today = new QFrame(cards);
    const int cw = columnWidth(3);
    const int ch = rowHeight(1);
    today->setGeometry(columnX(3), rowY(1), cw, ch);
    today->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    labelAt(today, QRect(8, 6, cw - 16, 18), u"Reminders"_s, true);
    const int late = books::openInvoicesOlderThan(30);
    int orders = 0;
    for (const books::Purchase& p : books::purchases()) {
        orders += p.order ? 1 : 0;
    }
    auto* text = new QLabel(u"%1 invoices are over 30 days old.\n\n%2 purchase order is to be "
                            "received.\n\nPayroll for period 3 is due 03/31/27."_s.arg(late)
                                .arg(orders),
                            today);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    text->setGeometry(8, 28, cw - 16, ch - 34);
    menu.all = cards;
    return menu;
}

MainMenu mainMenuBehind(Screen& s) {
    return mainMenuWindow(s, kWorkArea, false);
}

} // namespace shots
