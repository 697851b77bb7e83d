// SPDX-License-Identifier: MIT
// Larger parts that several screens share: the tutorial's title pages, transaction windows,
// navigation aids, report windows and the help window.
#pragma once

#include "forms.h"

#include <QMap>
#include <QStringList>

class QTextBrowser;

namespace shots {

using namespace Qt::StringLiterals;

// ---- Title pages ---------------------------------------------------------------------------

// The tutorial's nine sections, in order.
const QStringList& sectionNames();

// A title page: the section list on the left with `section` marked (-1: none), a heading,
// a short introduction and a list of points.
QWidget* titlePage(Screen& s, int section, const QString& heading, const QString& intro,
                   const QStringList& points, const QString& footer);

// ---- Transaction windows -------------------------------------------------------------------

struct TransactionSpec {
    QString title;
    Glyph icon = Glyph::Invoices;
    QRect rect;         // in the picture
    QString partyLabel; // "Customer ID"; empty: no party
    QString partyId;
    QList<QPair<QString, QString>> leftFields; // labelled fields under the party
    QString addressLabel = u"Bill To"_s;
    QStringList address;                   // empty: no address box
    QList<QPair<QString, QString>> header; // labelled fields down the right side
    // Where each header field stands, in the order of `header`: x counts the columns from the
    // right, y the rows. Empty: one column down the right side.
    QList<QPoint> headerCells;
    int headerTop = 0;       // the header's first row in the detail area; 0: level with the party
    QStringList lineHeaders; // '>' marks a right-aligned column
    QList<int> lineWidths;
    QList<QStringList> lines;
    int selectedLine = -1;
    int linesTop = 0;    // top of the lines in the detail area, not above the fields; 0: under them
    int linesBottom = 0; // bottom edge of the lines in the detail area; 0: down to the foot
    QString linesNote;   // a remark under the lines when they stop early
    bool linesNoteBeside = false;          // the remark at the right, else across the window
    QList<QPair<QString, QString>> totals; // labelled amounts under the lines, right side
    bool totalsInRow = false;              // the amounts side by side, the Comment below them
    bool totalsBeside = false; // the amounts down the right of the lines, from their top
    QString comment;           // the Comment field's text
    bool hasComment = true;
    QRect commentField;   // where the Comment's box stands in the detail area; null: at the foot
    QString detailTab;    // with journal: the first tab's name
    bool journal = false; // a Journal tab beside the detail
    bool showJournal = false;        // the Journal tab is the current one
    QList<QStringList> journalLines; // Account, Description, Debit, Credit
    int journalTop = 28;             // top of the journal's list in its page
    int addressWidth = 190;
    int headerLabelWidth = 74;
    int headerFieldWidth = 110;
};

struct Transaction {
    ChildWindow* window = nullptr;
    QWidget* content = nullptr; // the detail area (a tab's page when there is a Journal tab)
    QLineEdit* party = nullptr;
    QWidget* address = nullptr;
    QTableWidget* lines = nullptr;
    QTreeWidget* journal = nullptr;
    QLineEdit* comment = nullptr;
    QTabWidget* tabs = nullptr;
    QMap<QString, QLineEdit*> fields; // header fields and totals by label
    QMap<QString, QLabel*> labels;
};

Transaction transactionWindow(Screen& s, const TransactionSpec& form);

// ---- Navigation aids -----------------------------------------------------------------------

struct NavigationAid {
    ChildWindow* window = nullptr;
    QWidget* maintenance = nullptr; // the left side
    QWidget* tasks = nullptr;       // the right side: transactions
    QWidget* printing = nullptr;    // the right side: printing tasks
    QWidget* reports = nullptr;     // the report list along the bottom
    QMap<QString, QWidget*> buttons;
};

NavigationAid navigationAid(Screen& s, const QString& module, const QRect& r,
                            const QList<QPair<Glyph, QString>>& maintenance,
                            const QList<QPair<Glyph, QString>>& tasks,
                            const QList<QPair<Glyph, QString>>& printing,
                            const QStringList& reports);
NavigationAid receivablesAid(Screen& s, const QRect& r);

// ---- Report windows ------------------------------------------------------------------------

// A printed report page as the Preview tab shows it.
struct ReportPage {
    QString title;
    QString subtitle;
    QStringList headers;     // '>' marks a right-aligned column
    QList<int> widths;       // in pixels of the page
    QList<QStringList> rows; // a row starting with "*" is bold (totals); "=" a group heading
    int highlightRow = -1;
    int scrolled = 0; // pixels the preview is scrolled down
};

class ReportPaper : public QWidget, public PaintsTexts {
public:
    ReportPaper(QWidget* parent, const QRect& r, ReportPage page);
    // A row of the report, in the widget's coordinates (scrolled).
    QRect rowRect(int row) const;
    // How far down the page reaches, unscrolled.
    int pageHeight() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    // A line in the report's font, 10 pixels, bold or not (bold 11 in the picture itself).
    void paintLine(QPainter& p, const QRect& r, int flags, const QString& text, bool bold);

    ReportPage page_;
};

ReportPaper* reportPaper(QWidget* host, const QRect& r, const ReportPage& page);

struct ReportWindow {
    ChildWindow* window = nullptr;
    QTabWidget* tabs = nullptr;
    QWidget* page = nullptr; // the current tab's page
};

// A report window with the tabs Filters, Options and Preview, and the report toolbar.
ReportWindow reportWindow(Screen& s, const QString& report, const QRect& r, int currentTab,
                          bool active = true);

// The Report Selector: modules on the left (one selected), their reports on the right.
struct ReportSelector {
    ChildWindow* window = nullptr;
    QWidget* modules = nullptr;
    QWidget* reports = nullptr;
};
ReportSelector reportSelector(Screen& s, const QRect& r);

// ---- Payment methods ---------------------------------------------------------------------------

// The Payment Methods window, showing either the ways customers pay the company or the ways the
// company pays others.
struct PaymentMethods {
    ChildWindow* window = nullptr;
    QWidget* fields = nullptr;
    QWidget* usedBy = nullptr;
    QWidget* list = nullptr;
};
PaymentMethods paymentMethodsWindow(Screen& s, bool customers);

// ---- Help ------------------------------------------------------------------------------------

// Orvane Help, a narrow window that stands beside the work at the right of the workspace: its
// toolbar, the navigator (Contents, Index, Search) and under it the topic pane. It keeps this
// one place and size in every scene that shows it.
struct HelpWindow {
    ChildWindow* window = nullptr;
    QWidget* toolbar = nullptr;
    QTabWidget* tabs = nullptr;
    QWidget* page = nullptr; // the current tab's page
    QSize pageRoom;          // what the page holds, inside the tab's frame
    QTextBrowser* topic = nullptr;
};

HelpWindow helpWindow(Screen& s, int currentTab, const QString& topicHtml);

// ---- Main Menu ------------------------------------------------------------------------------

// The Main Menu: a card per module with its button and everyday tasks.
struct MainMenu {
    ChildWindow* window = nullptr;
    QWidget* all = nullptr;        // all the cards
    QMap<QString, QWidget*> cards; // by module name
};
MainMenu mainMenuWindow(Screen& s, const QRect& r, bool active = true);
// The Main Menu maximised and inactive, behind the window or dialog a scene is about.
MainMenu mainMenuBehind(Screen& s);

// ---- Sample records ------------------------------------------------------------------------

// The Customers window showing Greenway Landscaping; tab 0 is General.
RecordWindow customerRecord(Screen& s, const QRect& r, int tab = 0, bool active = true);

// An invoice to Greenway Landscaping, ready to be adjusted before transactionWindow().
TransactionSpec greenwayInvoice(const QRect& r);

// Greenway's check 5521, applied to its oldest invoices.
TransactionSpec greenwayReceipt(const QRect& r);

// A quote to Oak Hollow Estates.
TransactionSpec oakHollowQuote(const QRect& r);

} // namespace shots
