// SPDX-License-Identifier: MIT
// Screens of the Navigation section: finding one's way around Orvane.
#include "books.h"
#include "look.h"
#include "parts.h"
#include "sample.h"
#include "screens.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace shots::screens {

namespace {

// The whole workspace, for windows that fill it.
QList<MenuEntry> entries(const QStringList& titles, const QString& highlighted = {}) {
    QList<MenuEntry> out;
    for (const QString& t : titles) {
        out.append({t, t.section(u'\t', 0, 0) == highlighted ||
                           (t.endsWith(u" >"_s) && t.chopped(2) == highlighted)});
    }
    return out;
}

const QStringList kShortcutMenu = {u"Cut"_s, u"Copy"_s,    u"Paste"_s,
                                   u"-"_s,   u"Go To >"_s, u"Related Reports >"_s,
                                   u"-"_s,   u"Notes"_s,   u"Alert Message"_s};

const QStringList kFileMenu = {u"New Company"_s,
                               u"Open Company"_s,
                               u"-"_s,
                               u"Open\tCtrl+O"_s,
                               u"Duplicate Transaction"_s,
                               u"-"_s,
                               u"Import"_s,
                               u"Export"_s,
                               u"-"_s,
                               u"Back Up"_s,
                               u"Restore"_s,
                               u"-"_s,
                               u"Print\tCtrl+P"_s,
                               u"Print Preview"_s,
                               u"-"_s,
                               u"Exit"_s};

const QStringList kEditMenu = {
    u"Undo\tCtrl+Z"_s,  u"-"_s, u"Cut\tCtrl+X"_s,         u"Copy\tCtrl+C"_s,
    u"Paste\tCtrl+V"_s, u"-"_s, u"Find Record\tCtrl+F"_s, u"Change ID"_s,
    u"Alert Message"_s};

Transaction invoiceWindow(Screen& s, const QRect& r = kWorkArea) {
    s.windowToolbar(u"Create\nReturn"_s, Glyph::Return);
    return transactionWindow(s, greenwayInvoice(r));
}

void mainMenu(Screen& s) {
    s.mainToolbar();
    MainMenu menu = mainMenuWindow(s, kWorkArea, true);
    s.explain(menu.all, u"the modules and their tasks"_s);
}

void navAidMaintenance(Screen& s) {
    s.mainToolbar();
    NavigationAid aid = receivablesAid(s, kWorkArea);
    // The way to the aid, as the text tells it: Window, Navigation Aids.
    DropMenu* window = s.openMenu(
        u"Window"_s,
        {{u"Cascade"_s}, {u"Tile"_s}, {u"Close All"_s}, {u"-"_s}, {u"Navigation Aids >"_s, true}});
    const QRect aids = window->entryRect(u"Navigation Aids"_s);
    s.popup(QPoint(window->x() + window->width() - 4, window->y() + aids.top() - 3),
            {{u"Receivables"_s, true},
             {u"Payables"_s},
             {u"Inventory"_s},
             {u"Payroll"_s},
             {u"General Ledger"_s},
             {u"Reports"_s},
             {u"Company"_s}});
    s.setStatus(u"Open the navigation aid of a module"_s);
    s.explain(aid.maintenance, u"maintenance tasks"_s);
}

void navAidTasks(Screen& s) {
    s.mainToolbar();
    NavigationAid aid = receivablesAid(s, kWorkArea);
    static_cast<QToolButton*>(aid.buttons.value(u"Invoices"_s))->setDown(true);
    s.setStatus(u"Enter invoices for customers"_s);
    s.explain(aid.tasks, u"transaction tasks"_s);
    s.explain(aid.printing, u"printing tasks"_s);
}

void navAidReports(Screen& s) {
    s.mainToolbar();
    NavigationAid aid = receivablesAid(s, kWorkArea);
    // No pointer: the tutorial draws its own, and only where a scene has one.
    s.setStatus(u"Click a report to open it"_s);
    s.explain(aid.reports, u"report list"_s);
}

void rightMouse(Screen& s) {
    s.windowToolbar();
    customerRecord(s, kWorkArea);
    DropMenu* menu = s.popup(QPoint(60, 262), entries(kShortcutMenu, u"Go To"_s));
    const QRect goTo = menu->entryRect(u"Go To"_s);
    DropMenu* sub = s.popup(QPoint(menu->x() + menu->width() - 4, menu->y() + goTo.top() - 3),
                            entries({u"Invoices"_s, u"Quotes"_s, u"Receipts"_s, u"Sales Returns"_s,
                                     u"Jobs"_s, u"Payment History"_s},
                                    u"Invoices"_s));
    s.explain(menu, u"shortcut menu"_s);
    s.explain(sub, u"Go To entries"_s);
}

void copyRecord(Screen& s) {
    s.windowToolbar();
    RecordWindow rw = customerRecord(s, kWorkArea);
    rw.id->setText(u"GREENWAY-2"_s);
    rw.id->setFocus();
    rw.id->selectAll();
    // No tool tip: its pale yellow would read as a second callout, which already says this.
    s.setStatus(u"New record, copied from GREENWAY"_s);
    s.explain(rw.id, u"Customer ID"_s);
    s.explain(s.toolButton(u"Save"_s), u"Save"_s);
}

void changeId(Screen& s) {
    s.windowToolbar();
    customerRecord(s, kWorkArea);
    DropMenu* m = s.openMenu(u"Edit"_s, entries(kEditMenu, u"Change ID"_s));
    s.setStatus(u"Give this record a new ID"_s);
    s.explain(m, m->entryRect(u"Change ID"_s), u"Change ID"_s);
}

void alertMessage(Screen& s) {
    s.windowToolbar();
    customerRecord(s, kWorkArea, 0, false);
    // Below the customer's upper rows, over the lower ones' labels and left of their fields.
    ChildWindow* d = s.addDialog(u"Alert Message"_s, QRect(16, 246, 430, 210), Glyph::Alert);
    QWidget* body = d->body();
    labelAt(body, QRect(10, 8, 300, 18), u"Customer ID:  GREENWAY  Greenway Landscaping"_s);
    labelAt(body, QRect(10, 30, 100, 18), u"Message"_s);
    auto* msg = new QPlainTextEdit(u"Credit limit reached. Ask Tom Alvarez for a payment "
                                   "before you ship new orders."_s,
                                   body);
    msg->setGeometry(10, 48, body->width() - 20, 48);
    checkAt(body, QPoint(10, 104), u"Show the message when the record is displayed"_s, true);
    checkAt(body, QPoint(10, 124), u"Show the message when the record is used in a transaction"_s,
            true);
    dialogButtons(body, {u"OK"_s, u"Cancel"_s, u"Help"_s});
    s.explain(d, u"Alert Message window"_s);
}

void alertView(Screen& s) {
    s.windowToolbar();
    s.toolButton(u"Alert"_s)->setDown(true);
    customerRecord(s, kWorkArea, 0, false);
    // Below the ID's row, over the fields of the rows under it and the labels of the telephones.
    ChildWindow* d = s.addDialog(u"Alert - GREENWAY"_s, QRect(84, 142, 362, 140), Glyph::Alert,
                                 TitleBar::Buttons::Close);
    QWidget* body = d->body();
    pictureAt(body, QRect(14, 14, 32, 32), Glyph::Alert);
    noteAt(body, QRect(60, 12, body->width() - 72, 50),
           u"Credit limit reached. Ask Tom Alvarez for a payment before you ship new orders."_s);
    dialogButtons(body, {u"OK"_s});
    s.explain(s.toolButton(u"Alert"_s), u"Alert button"_s);
    s.explain(d, u"alert message"_s);
}

// The Open Transaction window of File, Open.
struct OpenWindow {
    ChildWindow* dialog;
    QWidget* list;
    QWidget* filter;
};

OpenWindow openTransaction(Screen& s, bool filtered) {
    s.mainToolbar();
    mainMenuBehind(s);
    OpenWindow o;
    o.dialog = s.addDialog(u"Open Transaction"_s, QRect(20, 100, 600, 352), Glyph::Folder);
    QWidget* body = o.dialog->body();
    // The callouts of File, Open lie over the middle of the dialog's top: the filter's over the
    // hint, the list's over the band under it. So the hint lies whole under the one, the type
    // stands left of the other and below the first, and Filter begins below both.
    pictureAt(body, QRect(8, 6, 32, 32), Glyph::Folder);
    noteAt(body, QRect(86, 6, 310, 32),
           u"Choose a transaction type, then a transaction, and click Open. Filter narrows the "
           "list; Sort By sets its order."_s);
    labelAt(body, QRect(8, 58, 150, 18), u"Transaction Type"_s);
    comboAt(body, QRect(8, 76, 150, kFieldHeight), u"Invoices"_s);

    // All invoices, by number; filtered: Greenway's of the period, the largest first.
    QList<books::Invoice> shown;
    for (const books::Invoice& i : books::invoices()) {
        if (!filtered || (i.date >= QDate(2027, 3, 1) && i.customer == u"GREENWAY"_s)) {
            shown << i;
        }
    }
    if (filtered) {
        std::sort(shown.begin(), shown.end(), [](const books::Invoice& a, const books::Invoice& b) {
            return books::total(a) > books::total(b);
        });
    }
    QList<QStringList> rows;
    for (const books::Invoice& i : shown) {
        rows << QStringList{QString::number(i.number), books::day(i.date), i.customer,
                            books::customerName(i.customer), books::money(books::total(i))};
    }
    // Eight whole rows under the heading; the rest scroll.
    o.list = gridAt(body, QRect(8, 104, 412, 166),
                    {u"Number"_s, u"Date"_s, u"Customer ID"_s, u"Name"_s, u">Amount"_s},
                    {52, 56, 82, 0, 64}, rows, 1);

    o.filter = new QWidget(body);
    o.filter->setGeometry(428, 4, 164, 270);
    labelAt(o.filter, QRect(0, 4, 140, 18), u"Sort By"_s);
    comboAt(o.filter, QRect(0, 22, 144, kFieldHeight),
            filtered ? u"Amount, largest first"_s : u"Number"_s);
    // Level with the list.
    QWidget* g = groupAt(o.filter, QRect(0, 94, 162, 144), u"Filter"_s);
    FormPane f(g, 8, 18, 52);
    f.date(u"From"_s, filtered ? u"03/01/27"_s : QString(), 100);
    f.date(u"To"_s, filtered ? u"03/31/27"_s : QString(), 100);
    f.lookup(u"Customer"_s, filtered ? u"GREENWAY"_s : QString(), 100);
    f.choice(u"Status"_s, u"All"_s, 100);
    buttonAt(g, QRect(76, 114, 78, 23), u"Filter"_s);
    buttonAt(o.filter, QRect(0, 246, 90, 23), u"Clear Filter"_s);
    dialogButtons(body, {u"Open"_s, u"Cancel"_s, u"Help"_s});
    return o;
}

void fileOpen(Screen& s) {
    OpenWindow o = openTransaction(s, false);
    s.explain(o.list, u"list of transactions"_s);
}

void fileOpenFilter(Screen& s) {
    OpenWindow o = openTransaction(s, true);
    s.explain(o.filter, u"Filter and Sort By"_s);
}

void transactionComment(Screen& s) {
    Transaction t = invoiceWindow(s);
    s.setStatus(u"A short note about this invoice"_s);
    s.explain(t.comment, u"Comment field"_s);
}

void transactionCopy(Screen& s) {
    // A quote, copied for another customer: the kind of transaction one most often enters anew.
    s.windowToolbar(u"Convert to\nInvoice"_s);
    transactionWindow(s, oakHollowQuote(kWorkArea));
    DropMenu* m = s.openMenu(u"File"_s, entries(kFileMenu, u"Duplicate Transaction"_s));
    s.setStatus(u"Copy this transaction into a new one"_s);
    s.explain(m, m->entryRect(u"Duplicate Transaction"_s), u"Duplicate Transaction"_s);
}

void relatedReports(Screen& s) {
    s.windowToolbar();
    customerRecord(s, kWorkArea);
    // Opened just below the customer's Type, which it would otherwise cut across.
    DropMenu* menu = s.popup(QPoint(40, 246), entries(kShortcutMenu, u"Related Reports"_s));
    const QRect rel = menu->entryRect(u"Related Reports"_s);
    DropMenu* sub =
        s.popup(QPoint(menu->x() + menu->width() - 4, menu->y() + rel.top() - 3),
                entries({u"Customer Ledgers"_s, u"Aged Receivables"_s, u"Invoice Register"_s,
                         u"Customer Sales History"_s, u"Job Profitability"_s},
                        u"Customer Ledgers"_s));
    s.explain(menu, rel, u"Related Reports"_s);
    s.explain(sub, u"related reports"_s);
}

void accountingEntries(Screen& s) {
    s.windowToolbar(u"Create\nReturn"_s, Glyph::Return);
    TransactionSpec form = greenwayInvoice(kWorkArea);
    form.journal = true;
    form.showJournal = true;
    form.detailTab = u"Invoice"_s;
    // Just clear of the callout, with room below for all six entries of the invoice.
    form.journalTop = 192;
    Transaction t = transactionWindow(s, form);
    DropMenu* m = s.openMenu(u"Options"_s, {{u"Company Information"_s},
                                            {u"Preferences"_s},
                                            {u"Accounting Periods"_s},
                                            {u"Beginning Balances"_s},
                                            {u"-"_s},
                                            {u"Show Accounting Entries"_s, true, true}});
    s.explain(m, m->entryRect(u"Show Accounting Entries"_s), u"Show Accounting Entries"_s);
    s.explain(t.tabs->tabBar(), t.tabs->tabBar()->tabRect(1), u"Journal tab"_s);
    s.explain(t.journal, u"accounting entries"_s);
    s.explain(s.toolButton(u"Journal"_s), u"Journal button"_s);
}

void fastAdd(Screen& s) {
    s.windowToolbar(u"Create\nReturn"_s, Glyph::Return);
    TransactionSpec form = greenwayInvoice(kWorkArea);
    form.partyId = u"BAYVIEW"_s;
    // A customer not yet saved: the Bill To box is there, empty.
    form.address = QStringList(form.address.size(), QString());
    form.lines.clear();
    form.totals = {{u"Subtotal"_s, books::money(0)},
                   {u"Sales Tax"_s, books::money(0)},
                   {u"Total"_s, books::money(0)}};
    form.comment.clear();
    Transaction t = transactionWindow(s, form);
    const QPoint below = t.party->mapTo(&s, QPoint(0, t.party->height()));
    QList<QStringList> rows = {{u"<New>"_s, QString()}};
    for (const books::Customer& c : books::customers()) {
        rows.append({c.id, c.name});
    }
    // Each label of the invoice stays whole, in sight or covered. The list starts a pixel into
    // the ID's field, over the top of Terms beside it, and ends a little above the lines, whose
    // headings its edge would cut. The Fast Add window lies over the list's right edge, so that
    // Sales Tax, which runs past that edge, lies under the two of them; at twice the density the
    // frame's outer half-pixel is not painted, and would show a sliver of it there.
    constexpr int kFastAddLeft = 350;
    const int linesTop = t.lines->mapTo(&s, QPoint(0, 0)).y();
    const QRect listPlace(QPoint(below.x(), below.y() - 2), QPoint(kFastAddLeft, linesTop - 7));
    QTreeWidget* list = listAt(&s, listPlace, {u"Customer ID"_s, u"Name"_s}, {84, 0}, rows, 0);
    list->raise();

    // The address in the rows of every other address window: City, then State, Zip. At the
    // workspace's top, so that the Save row ends above the callout.
    ChildWindow* d =
        s.addDialog(u"Fast Add - Customer"_s, QRect(kFastAddLeft, kWorkArea.top(), 282, 184),
                    Glyph::Customers, TitleBar::Buttons::Close);
    FormPane f(d->body(), 8, 8, 76);
    f.text(u"Customer ID"_s, u"BAYVIEW"_s, 110);
    f.text(u"Name"_s, u"Bayview Terrace Apartments"_s, 180);
    f.text(u"Address"_s, u"410 Terrace Way"_s, 180);
    f.text(u"City"_s, u"Bayside"_s, 180);
    f.text(u"State, Zip"_s, u"CA   94520"_s, 90);
    dialogButtons(d->body(), {u"Save"_s, u"Cancel"_s});
    s.explain(list, QRect(0, 0, list->width(), 40), u"<New> entry"_s);
    s.explain(d, u"Fast Add window"_s);
}

void importWizard(Screen& s) {
    s.mainToolbar();
    WizardPage wp = wizardPage(
        s, u"Import Wizard"_s, QRect(4, 96, 628, 358), u"Choose the data to import"_s,
        u"Choose the kind of data in the file, then click Next."_s,
        {u"1. Data"_s, u"2. File"_s, u"3. Fields"_s, u"4. Options"_s, u"5. Finish"_s}, 0);
    // The callout lies over the page's empty right side, from just under the intro's place
    // down: the heading and the intro, one line across the page, stand a little higher, above
    // it, and the page's own fields follow a little higher too.
    wp.heading->move(wp.heading->x(), 3);
    wp.intro->setGeometry(wp.intro->x(), 25, wp.intro->width(), 18);
    wp.content->move(wp.content->x(), 56);
    QWidget* c = wp.content;
    QWidget* kinds = groupAt(c, QRect(0, 4, 130, 124), u"Data"_s);
    const QStringList names = {u"Customers"_s, u"Vendors"_s,           u"Items"_s,
                               u"Employees"_s, u"Chart of Accounts"_s, u"General Journal"_s};
    for (int i = 0; i < names.size(); ++i) {
        radioAt(kinds, QPoint(10, 18 + i * 17), names[i], i == 0);
    }
    // The step of the data alone: the file has a step of its own.
    noteAt(c, QRect(0, 138, 400, 32),
           u"Each record in the file becomes a customer, with its ID, name, addresses, contacts "
           "and terms. The next step asks for the file."_s);
    s.explain(wp.steps, u"wizard steps"_s);
    s.explain(kinds, u"data to import"_s);
    s.explain(wp.buttons[1], u"Next"_s);
}

void exportWizard(Screen& s) {
    s.mainToolbar();
    WizardPage wp = wizardPage(
        s, u"Export Wizard"_s, QRect(4, 98, 628, 356), u"Choose the fields to export"_s,
        u"The Export Wizard writes Orvane's records to a text file that other programs can "
        "read. Pick the fields and their order, then name the file."_s,
        {u"1. Data"_s, u"2. Fields"_s, u"3. Order"_s, u"4. File"_s, u"5. Finish"_s}, 1);
    // The step of the fields alone: the data and the file have steps of their own. The callout
    // lies over the left of the page's middle, where the selected field's description lies
    // whole under it; the chosen fields run down the page right of it, the available ones and
    // their buttons start below it. Each list's heading names it.
    QWidget* c = wp.content;
    constexpr int kRightOfCallout = 326;
    constexpr int kBelowCallout = 106;
    QWidget* about = groupAt(c, QRect(0, 8, 316, 92), u"About the field"_s);
    noteAt(about, QRect(10, 22, 296, 60),
           u"Name: the customer's name, as invoices, statements and mailing labels show it.\n\n"
           "Select a field in either list to read what it holds."_s);
    QWidget* available = new QWidget(c);
    available->setGeometry(0, kBelowCallout, 300, c->height() - kBelowCallout);
    listAt(available, QRect(0, 0, 196, available->height()), {u"Available fields"_s}, {0},
           {{u"Contact"_s},
            {u"Telephone 2"_s},
            {u"Fax"_s},
            {u"Customer Type"_s},
            {u"Sales Rep"_s},
            {u"Terms"_s},
            {u"Credit Limit"_s}});
    buttonAt(available, QRect(214, 24, 80, 23), u"Add >"_s);
    buttonAt(available, QRect(214, 54, 80, 23), u"< Remove"_s);
    QTreeWidget* chosen =
        listAt(c, QRect(kRightOfCallout, 0, c->width() - kRightOfCallout, c->height()),
               {u"Fields to export"_s}, {0},
               {{u"Customer ID"_s},
                {u"Name"_s},
                {u"Address"_s},
                {u"City"_s},
                {u"State"_s},
                {u"Zip"_s},
                {u"Telephone 1"_s},
                {u"E-mail"_s}},
               1);
    s.explain(wp.steps, u"wizard steps"_s);
    s.explain(available, u"available fields, Add and Remove"_s);
    s.explain(chosen, u"fields to export"_s);
    s.explain(wp.buttons[1], u"Next"_s);
}

void backUp(Screen& s) {
    s.mainToolbar();
    mainMenuBehind(s);
    ChildWindow* d = s.addDialog(u"Back Up Company"_s, QRect(110, 128, 420, 236), Glyph::Disk);
    QWidget* body = d->body();
    auto* icon = new QLabel(body);
    icon->setPixmap(glyph(Glyph::Disk, 32));
    icon->setGeometry(12, 12, 32, 32);
    auto* text = new QLabel(u"Orvane copies the data files of Bayside Garden Supply into one "
                            "backup file. Keep backups on another disk or computer."_s,
                            body);
    text->setWordWrap(true);
    text->setGeometry(56, 10, body->width() - 66, 34);
    FormPane f(body, 12, 56, 92);
    f.lookup(u"Backup file"_s, u"C:\\ORVANE\\BACKUP\\BAYSIDE 03-15-27.obk"_s, 300);
    f.check(u"Include notes and attachments"_s, true);
    f.check(u"Remind me to back up when I close the company"_s, true);
    f.skip(4);
    f.note(u"Last backup:  03/08/27,  BAYSIDE 03-08-27.obk"_s, 320);
    dialogButtons(body, {u"Back Up"_s, u"Cancel"_s, u"Help"_s});
    s.explain(d, u"Back Up Company window"_s);
}

void restore(Screen& s) {
    // No Main Menu behind: a company being replaced from a backup is not open, and the callout
    // over the top of the workspace would cut the Main Menu's caption and heading in two.
    s.mainToolbar();
    ChildWindow* d = s.addDialog(u"Restore Company"_s, QRect(60, 166, 520, 276), Glyph::Disk);
    QWidget* body = d->body();
    FormPane f(body, 12, 10, 96);
    // The newest backup is the one made in the scene before.
    f.lookup(u"Backup file"_s, u"C:\\ORVANE\\BACKUP\\BAYSIDE 03-15-27.obk"_s, 300);
    labelAt(body, QRect(12, 36, 300, 18), u"Backups found in this folder"_s);
    gridAt(body, QRect(12, 56, body->width() - 24, 96),
           {u"File"_s, u"Company"_s, u"Date"_s, u">Size"_s}, {180, 0, 70, 70},
           {{u"BAYSIDE 03-15-27.obk"_s, u"Bayside Garden Supply"_s, u"03/15/27"_s, u"4,851 KB"_s},
            {u"BAYSIDE 03-08-27.obk"_s, u"Bayside Garden Supply"_s, u"03/08/27"_s, u"4,812 KB"_s},
            {u"BAYSIDE 03-01-27.obk"_s, u"Bayside Garden Supply"_s, u"03/01/27"_s, u"4,760 KB"_s},
            {u"BAYSIDE 02-22-27.obk"_s, u"Bayside Garden Supply"_s, u"02/22/27"_s, u"4,702 KB"_s}},
           0);
    FormPane g(body, 12, 160, 96);
    g.choice(u"Restore to"_s, u"Bayside Garden Supply (replace)"_s, 220);
    noteAt(body, QRect(12, 188, 300, 32),
           u"Restoring replaces the company's current data with the data in the backup file."_s);
    dialogButtons(body, {u"Restore"_s, u"Cancel"_s, u"Help"_s});
    s.explain(d, u"Restore Company window"_s);
}

void contextHelp(Screen& s) {
    s.mainToolbar(true);
    NavigationAid aid = receivablesAid(s, kWorkArea);
    s.setStatus(u"Click an item to see its help"_s);
    // The ? button's tool tip, below the pointer that rests on it (its tip at y = 67, 21 pixels
    // tall).
    QLabel* whatsThis = s.tip(QPoint(kHelpButtonX - 4, 88), u"What's This?"_s);
    whatsThis->resize(whatsThis->width() + unhintedSurplus(whatsThis->font(), whatsThis->text()),
                      whatsThis->height());
    // The Invoices help, below Invoices and 20 pixels under the callout beside it, so that the
    // two pale boxes stand well apart. It covers the printing row whole, 6 pixels to spare each
    // side, in five lines that end above the row's hint.
    const QRect printing(aid.printing->mapTo(&s, aid.printing->childrenRect().topLeft()),
                         aid.printing->childrenRect().size());
    s.tip(QPoint(printing.left() - 6, 258),
          u"<b>Invoices</b><br>Opens the Invoices window, where you bill a customer for the "
          "items and services you sold, and print or e-mail the invoice."_s,
          printing.width() + 12);
    s.pointAt(s.toolButton(u"?"_s), u"? button"_s);
    s.explain(s.toolButton(u"?"_s), u"? button"_s);
    s.explain(aid.buttons.value(u"Invoices"_s), u"Invoices task"_s);
}

// A list of Orvane Help's navigator, without a heading.
QTreeWidget* helpList(QWidget* host, const QRect& r) {
    auto* tree = new QTreeWidget(host);
    tree->setHeaderHidden(true);
    tree->setIndentation(12);
    tree->setFocusPolicy(Qt::NoFocus);
    tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tree->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    tree->setGeometry(r);
    return tree;
}

// Shortens a list that holds its items to the whole rows its box has room for.
void toWholeRows(QTreeWidget* tree) {
    const int row = tree->sizeHintForRow(0);
    const int frame = 2 * tree->frameWidth();
    const int rows = (tree->height() - frame) / row;
    tree->resize(tree->width(), frame + rows * row);
}

void helpContents(Screen& s) {
    // No Main Menu behind: Help stands beside the work, and the callout fills the rest.
    s.mainToolbar();
    HelpWindow hw = helpWindow(
        s, 0,
        u"<p class=\"title\">Using Orvane Help</p><p>Double-click a book to open it, and a "
        "topic to read it here. <a href=\"#related\">Underlined words</a> lead to related "
        "topics.</p>"_s);
    QTreeWidget* tree = helpList(hw.page, QRect(QPoint(2, 2), hw.pageRoom));
    const QIcon closed(glyph(Glyph::Book, 14));
    const QIcon open(glyph(Glyph::BookOpen, 14));
    const QIcon page(glyph(Glyph::Page, 14));
    auto book = [&](const QString& name, const QStringList& topics, bool expand) {
        auto* item = new QTreeWidgetItem(tree, {name});
        item->setIcon(0, expand ? open : closed);
        for (const QString& t : topics) {
            (new QTreeWidgetItem(item, {t}))->setIcon(0, page);
        }
        item->setExpanded(expand);
        return item;
    };
    QTreeWidgetItem* start =
        book(u"Getting Started"_s,
             {u"Using Orvane Help"_s, u"The Main Menu"_s, u"Navigation Aids"_s}, true);
    start->child(0)->setSelected(true);
    book(u"Receivables"_s, {}, false);
    book(u"Payables"_s, {}, false);
    book(u"Inventory"_s, {}, false);
    book(u"Payroll"_s, {}, false);
    book(u"General Ledger"_s, {}, false);
    book(u"Reports"_s, {}, false);
    book(u"Company"_s, {}, false);
    toWholeRows(tree);
    s.explain(hw.tabs, u"Contents tab"_s);
    s.explain(hw.topic, u"topic"_s);
}

void helpIndex(Screen& s) {
    s.mainToolbar();
    HelpWindow hw = helpWindow(
        s, 1,
        u"<p class=\"title\">Alert messages</p><p>An alert reminds you of something about a "
        "customer, vendor or employee. In the record, choose <b>Edit, Alert Message</b>.</p>"_s);
    const int w = hw.pageRoom.width();
    auto* find = new QWidget(hw.page);
    find->setGeometry(2, 2, w, hw.pageRoom.height());
    labelAt(find, QRect(0, 0, w, 18), u"Type a keyword:"_s);
    fieldAt(find, QRect(0, 18, w, kFieldHeight), u"alert"_s);
    QTreeWidget* keywords = helpList(find, QRect(0, 42, w, find->height() - 27 - 42));
    keywords->setRootIsDecorated(false);
    for (const QString& k :
         {u"aged receivables"_s, u"alert messages"_s, u"alignment of forms"_s, u"audit trail"_s,
          u"backing up"_s, u"bank reconciliation"_s, u"budgets"_s}) {
        new QTreeWidgetItem(keywords, {k});
    }
    keywords->topLevelItem(1)->setSelected(true);
    toWholeRows(keywords);
    QPushButton* display = buttonAt(find, QRect(w - 76, find->height() - 23, 76, 23), u"Display"_s);
    s.explain(hw.tabs->tabBar(), u"Index tab"_s);
    s.explain(keywords, u"keyword list"_s);
    s.explain(display, u"Display"_s);
    s.explain(hw.topic, u"its topic"_s);
}

void customerSupport(Screen& s) {
    // The whole workspace: the callout lies over the middle of the left half, with the welcome
    // above it and the product's particulars below; the ways of support fill the right half.
    s.mainToolbar();
    ChildWindow* w = s.addWindow(u"Orvane Support Center"_s, kWorkArea, Glyph::Help);
    QWidget* body = w->body();
    labelAt(body, QRect(10, 6, 280, 20), u"Customer Support"_s, true)->setFont(uiFont(14, true));
    auto* welcome = new QLabel(u"We are here to help you make the most of Orvane. Choose the way "
                               "to reach us that suits your question."_s,
                               body);
    welcome->setWordWrap(true);
    welcome->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    welcome->setGeometry(10, 32, 296, 34);
    QWidget* yours = groupAt(body, QRect(6, 226, 306, 100), u"Your Orvane"_s);
    const QList<QPair<QString, QString>> particulars = {
        {u"Version"_s, u"Orvane Accounting 2027"_s},
        {u"Serial number"_s, u"2704-1388-5620"_s},
        {u"Support plan"_s, u"Standard, renews 01/31/28"_s},
    };
    for (int i = 0; i < particulars.size(); ++i) {
        labelAt(yours, QRect(10, 20 + i * 23, 90, 18), particulars[i].first);
        labelAt(yours, QRect(104, 20 + i * 23, 192, 18), particulars[i].second);
    }
    labelAt(body, QRect(332, 10, 280, 18), u"Ways to reach us"_s, true);
    auto* options = new QWidget(body);
    options->setGeometry(326, 32, body->width() - 332, body->height() - 38);
    struct Option {
        Glyph g;
        QString title;
        QString text;
    };
    const QList<Option> list = {
        // The hours held together, so that no time breaks across two lines.
        {Glyph::Phone, u"Telephone Support"_s,
         u"(555) 014-3300, Monday to Friday, 7\u00a0a.m.\u00a0to\u00a06\u00a0p.m. Pacific time."_s},
        {Glyph::Email, u"E-mail Support"_s,
         u"support@orvane.example. We answer within one business day."_s},
        {Glyph::Globe, u"Online Knowledge Base"_s,
         u"Answers to common questions, 24 hours a day, 7 days a week."_s},
        {Glyph::School, u"Training Classes"_s,
         u"Classroom and online classes for every module of Orvane."_s},
    };
    int y = 0;
    for (const Option& o : list) {
        auto* b = new QToolButton(options);
        b->setIcon(QIcon(glyph(o.g, 32)));
        b->setIconSize(QSize(32, 32));
        b->setGeometry(4, y + 4, 44, 44);
        labelAt(options, QRect(58, y + 2, 220, 18), o.title, true);
        auto* t = new QLabel(o.text, options);
        t->setWordWrap(true);
        t->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        t->setGeometry(58, y + 20, options->width() - 62, 46);
        y += 74;
    }
    s.explain(options, u"support options"_s);
}

} // namespace

// The scenes this file draws.
const auto kDrawings = std::to_array<SceneDrawing>({
    {3, Screen::Kind::Product, mainMenu,
     u"Main Menu|Receivables|Payables|Inventory|Payroll|General Ledger|Reports|Company"},
    {4, Screen::Kind::Product, navAidMaintenance,
     u"Window|Navigation Aids|Receivables Navigation Aid|Customers|Jobs|Sales Tax"},
    {5, Screen::Kind::Product, navAidTasks, u""},
    {6, Screen::Kind::Product, navAidReports, u""},
    {7, Screen::Kind::Product, rightMouse, u"Go To|Invoices|Receipts|Quotes"},
    {8, Screen::Kind::Product, copyRecord, u"Save"},
    {9, Screen::Kind::Product, changeId, u"Edit|Change ID"},
    {10, Screen::Kind::Product, alertMessage, u"Edit|Alert Message"},
    {11, Screen::Kind::Product, alertView, u"Alert"},
    {12, Screen::Kind::Product, fileOpen, u"File|Open"},
    {13, Screen::Kind::Product, fileOpenFilter, u"button:Filter|Sort By"},
    {14, Screen::Kind::Product, transactionComment, u"Comment"},
    {15, Screen::Kind::Product, transactionCopy, u"File|Duplicate Transaction"},
    {16, Screen::Kind::Product, relatedReports, u"Related Reports"},
    {17, Screen::Kind::Product, accountingEntries,
     u"Options|Show Accounting Entries|toolbar:Journal|tab:Journal"},
    {18, Screen::Kind::Product, fastAdd, u"Fast Add|<New>|Save"},
    {19, Screen::Kind::Product, importWizard, u"File|Import Wizard|Next|Back|Finish"},
    {20, Screen::Kind::Product, exportWizard,
     u"File|Export Wizard|Next|Back|Finish|Cancel|Available fields|Add|Remove"},
    {21, Screen::Kind::Product, backUp, u"File|Back Up|Back Up Company"},
    {22, Screen::Kind::Product, restore, u"File|Restore|Restore Company"},
    {23, Screen::Kind::Product, contextHelp, u"Help|What's This?"},
    {24, Screen::Kind::Product, helpContents, u"Help|Contents|Orvane Help|Index|Search"},
    {25, Screen::Kind::Product, helpIndex, u"Index|Orvane Help"},
    {26, Screen::Kind::Product, customerSupport, u"Help|Customer Support|Orvane Support Center"},
});

std::span<const SceneDrawing> navigationDrawings() {
    return kDrawings;
}

} // namespace shots::screens
