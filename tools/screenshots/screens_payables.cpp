// SPDX-License-Identifier: MIT
// Screens of the Payables section: vendors, payment methods, purchase orders, purchases and
// payments.
#include "books.h"
#include "look.h"
#include "parts.h"
#include "sample.h"
#include "screens.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace shots::screens {

namespace {

// The Vendors window showing Coastal Nursery Wholesale.
RecordWindow vendorRecord(Screen& s, const QRect& r, int tab) {
    s.windowToolbar();
    RecordWindow rw =
        recordWindow(s, u"Vendors"_s, Glyph::Vendors, r, u"Vendor ID"_s, u"COASTAL"_s, u"Name"_s,
                     books::vendorName(u"COASTAL"_s),
                     {u"General"_s, u"Purchases && Payments"_s, u"Custom Fields"_s}, tab);
    // The same in every scene of the window: the Name ends under the ID's lookup button, and the
    // tabs' frame begins at y = 198 in the picture, so that the callout beside the Name in the
    // Custom Fields scene (y 152 to 195) covers neither the field nor the frame's top edge.
    rw.name->resize(rw.id->width() + 20, rw.name->height());
    const int tabsTop = rw.tabs->parentWidget()->mapFrom(&s, QPoint(0, 198)).y();
    rw.tabs->setGeometry(rw.tabs->x(), tabsTop, rw.tabs->width(),
                         rw.tabs->geometry().bottom() + 1 - tabsTop);
    rw.pageTop = rw.tabs->mapTo(&s, QPoint(0, 0)).y() + 2;
    if (tab == 0) {
        FormPane left(rw.page, 8, 8, 70);
        left.text(u"Contact"_s, u"Linda Park"_s, 160);
        left.memo(u"Address"_s, u"2200 Seaview Parkway\nBuilding C"_s, 160, 2);
        left.text(u"City"_s, u"Port Alder"_s, 160);
        left.text(u"State, Zip"_s, u"CA   94110"_s, 90);
        left.choice(u"Type"_s, u"Nursery"_s, 120);
        FormPane right(rw.page, 310, 8, 74);
        right.text(u"Telephone 1"_s, u"(555) 014-2200"_s, 150);
        right.text(u"Fax"_s, u"(555) 014-2201"_s, 150);
        right.text(u"E-mail"_s, u"orders@coastalnursery.example"_s, 190);
        right.text(u"Account No."_s, u"BGS-0417"_s, 150);
        right.check(u"Send 1099 form"_s, false);
    }
    return rw;
}

void vendor(Screen& s) {
    RecordWindow rw = vendorRecord(s, kWorkArea, 0);
    s.explain(rw.id, u"Vendor ID"_s);
    s.explain(rw.name, u"Name"_s);
    s.explain(rw.tabs, u"vendor details"_s);
}

// A vendor's purchases, each followed by the check that paid it, and its open orders: date,
// type, reference, amount, and for a purchase what is paid and what is left.
QList<QStringList> vendorHistory(const QString& vendor) {
    QList<QStringList> rows;
    for (const books::Purchase& p : books::purchases()) {
        if (p.vendor != vendor) {
            continue;
        }
        const books::Cents total = books::total(p);
        if (p.order) {
            rows << QStringList{books::day(p.date),  u"PO"_s, p.reference,
                                books::money(total), {},      {}};
            continue;
        }
        const books::Cents paid = p.paidBy == 0 ? 0 : total;
        rows << QStringList{books::day(p.date),  u"Purchase"_s,      p.reference,
                            books::money(total), books::money(paid), books::money(total - paid)};
        for (const books::Check& c : books::operatingChecks()) {
            if (c.number == p.paidBy) {
                rows << QStringList{
                    books::day(c.date),     u"Payment"_s, u"Check "_s + QString::number(c.number),
                    books::money(c.amount), {},           {}};
            }
        }
    }
    return rows;
}

void vendorPurchases(Screen& s) {
    RecordWindow rw = vendorRecord(s, kWorkArea, 1);
    auto* terms = new QWidget(rw.page);
    terms->setGeometry(442, 4, 170, 50);
    FormPane f(terms, 0, 0, 92);
    f.text(u"Payment Terms"_s, u"2% 10, Net 30"_s, 78);
    f.lookup(u"Expense Account"_s, u"5000"_s, 78);
    auto* more = new QWidget(rw.page);
    more->setGeometry(8, 4, 110, 50);
    labelAt(more, QRect(0, 0, 110, 18), u"Purchases this year"_s);
    fieldAt(more, QRect(0, 20, 100, kFieldHeight),
            books::money(books::purchasesThisYear(u"COASTAL"_s)), true)
        ->setReadOnly(true);
    // The history begins below the callout of this scene, which ends at y = 254 in the picture.
    const int historyTop = 258 - rw.pageTop;
    const int pageHeight = rw.tabs->height() - rw.tabs->tabBar()->sizeHint().height() - 4;
    labelAt(rw.page, QRect(8, historyTop, 200, 18), u"Purchase and payment history"_s, true);
    QTableWidget* history =
        gridAt(rw.page, QRect(8, historyTop + 20, 596, pageHeight - historyTop - 24),
               {u"Date"_s, u"Type"_s, u"Reference"_s, u">Amount"_s, u">Paid"_s, u">Balance"_s},
               {70, 80, 0, 90, 90, 90}, vendorHistory(u"COASTAL"_s), 4);
    s.explain(rw.tabs->tabBar(), u"Purchases & Payments tab"_s);
    s.explain(terms, u"terms and account"_s);
    s.explain(history, u"purchase history"_s);
}

void vendorCustom(Screen& s) {
    RecordWindow rw = vendorRecord(s, kWorkArea, 2);
    auto* fields = new QWidget(rw.page);
    fields->setGeometry(8, 8, 420, 130);
    FormPane f(fields, 0, 0, 110);
    f.text(u"Sales Rep"_s, u"Marco Bianchi"_s, 180);
    f.text(u"Web Site"_s, u"www.coastalnursery.example"_s, 220);
    f.text(u"Delivery Days"_s, u"Tuesday, Friday"_s, 180);
    f.text(u"Minimum Order"_s, u"$"_s + books::example(u"500.00"_s), 100);
    f.text(u"Certification"_s, u"Certified organic grower"_s, 220);
    auto* hint = new QLabel(u"Name these fields in Options, Preferences, Payables."_s, rw.page);
    hint->setGeometry(8, fields->geometry().bottom() + 9, 400, 18);
    s.explain(rw.tabs->tabBar(), u"Custom Fields tab"_s);
    s.explain(fields, u"custom fields"_s);
}

void companyPaymentMethod(Screen& s) {
    PaymentMethods pm = paymentMethodsWindow(s, false);
    s.explain(pm.window->body(), u"payment methods"_s);
}

void purchaseOrder(Screen& s) {
    s.windowToolbar(u"Convert to\nPurchase"_s);
    TransactionSpec t;
    t.title = u"Purchase Orders"_s;
    t.icon = Glyph::Purchases;
    t.rect = kWorkArea;
    t.partyLabel = u"Vendor ID"_s;
    t.partyId = u"COASTAL"_s;
    t.addressLabel = u"Vendor"_s;
    t.address = sample::coastalAddress();
    t.header = {{u"PO No."_s, u"PO-1207"_s},        {u"Date"_s, books::day(books::today())},
                {u"Required"_s, u"03/29/27"_s},     {u"Terms"_s, u"2% 10, Net 30"_s},
                {u"Ship Via"_s, u"Vendor Truck"_s}, {u"Status"_s, u"Open"_s}};
    t.lineHeaders = {u">Quantity"_s, u"Item ID"_s, u"Description"_s, u">Unit Cost"_s, u">Amount"_s};
    t.lineWidths = {68, 80, 0, 70, 76};
    const books::Purchase& po = books::purchase(u"PO-1207"_s);
    for (const books::Line& l : po.lines) {
        t.lines << books::purchaseLineRow(l);
    }
    // The foot is a single row, laid out below.
    t.hasComment = false;
    const Transaction tr = transactionWindow(s, t);
    QWidget* body = tr.content;
    // The lines begin below the callout of this scene, which ends at y = 326 in the picture, and
    // show every line of the order whole, with no scroll bar.
    const int linesTop = body->mapFrom(&s, QPoint(0, 330)).y();
    const int rows = int(po.lines.size());
    tr.lines->setGeometry(tr.lines->x(), linesTop, tr.lines->width(), 20 + rows * 18 + 2);
    // Under the lines, in one row: the comment, then the totals side by side.
    const int footTop = tr.lines->geometry().bottom() + 4;
    const QList<QPair<QString, books::Cents>> totals = {{u"Subtotal"_s, books::subtotal(po)},
                                                        {u"Freight"_s, po.freight},
                                                        {u"Total"_s, books::total(po)}};
    const QList<int> labelWidths = {52, 44, 34};
    constexpr int kAmount = 76;
    int x = body->width() - 8;
    for (qsizetype i = totals.size() - 1; i >= 0; --i) {
        x -= kAmount + labelWidths[i];
        FormPane(body, x, footTop, labelWidths[i])
            .money(totals[i].first, books::money(totals[i].second), kAmount);
        x -= 12;
    }
    labelAt(body, QRect(8, footTop, 56, kFieldHeight), u"Comment"_s);
    fieldAt(body, QRect(66, footTop, x - 66, kFieldHeight), u"Deliver to the back gate"_s);
    s.explain(tr.lines, u"order lines"_s);
    QToolButton* convert = s.toolButton(u"Convert to\nPurchase"_s);
    s.pointAt(convert, u"Convert to Purchase"_s);
    s.explain(convert, u"Convert to Purchase"_s);
    s.explain(s.toolButton(u"Print"_s), u"Print"_s);
    s.explain(s.toolButton(u"Email"_s), u"Email"_s);
}

// The check that paid Valley Soil & Stone's invoice at the time of purchase.
const books::Check& purchaseCheck() {
    for (const books::Check& c : books::operatingChecks()) {
        if (c.payee == u"VALLEYSS"_s) {
            return c;
        }
    }
    return books::operatingChecks().last();
}

void purchase(Screen& s) {
    s.windowToolbar();
    TransactionSpec t;
    t.title = u"Purchases"_s;
    t.icon = Glyph::Purchases;
    t.rect = kWorkArea;
    t.partyLabel = u"Vendor ID"_s;
    t.partyId = u"VALLEYSS"_s;
    t.leftFields = {{u"Vendor Invoice"_s, u"VS-20577"_s}};
    t.addressLabel = u"Vendor"_s;
    t.address = {books::vendorName(u"VALLEYSS"_s), u"15 Quarry Road"_s, u"Millbrook, CA 94522"_s};
    // Narrow enough to end left of the callout.
    t.addressWidth = 140;
    t.header = {{u"Date"_s, books::day(books::purchase(u"VS-20577"_s).date)},
                {u"Due Date"_s, u"04/13/27"_s}};
    t.lineHeaders = {u">Quantity"_s, u"Item ID"_s,    u"Description"_s, u"Account"_s,
                     u"Job"_s,       u">Unit Cost"_s, u">Amount"_s};
    // Item ID wide enough for "MUL-CED-2" drawn at twice the density.
    t.lineWidths = {52, 72, 0, 60, 72, 70, 76};
    // Stock for the shelves: no job.
    const books::Purchase& bill = books::purchase(u"VS-20577"_s);
    for (const books::Line& l : bill.lines) {
        QStringList row = books::purchaseLineRow(l);
        row.insert(3, u"1200"_s);
        row.insert(4, QString());
        t.lines << row;
    }
    t.totals = {{u"Subtotal"_s, books::money(books::subtotal(bill))},
                {u"Freight"_s, books::money(bill.freight)},
                {u"Total"_s, books::money(books::total(bill))}};
    t.comment = u"Spring soil order"_s;
    Transaction tr = transactionWindow(s, t);
    // The lines begin below the callout of this scene, which ends at y = 293 in the picture, in
    // three whole rows down to the totals, so that every column of both lines is in sight.
    const int linesTop = tr.content->mapFrom(&s, QPoint(0, 300)).y();
    tr.lines->setGeometry(tr.lines->x(), linesTop, tr.lines->width(), 20 + 3 * 18 + 2);
    const QPoint foot = tr.comment->pos();
    auto* paid = new QWidget(tr.content);
    paid->setGeometry(foot.x() - 58, foot.y() + kRowHeight, 330, 46);
    checkAt(paid, QPoint(0, 2), u"Paid at time of purchase"_s, true);
    FormPane f(paid, 0, 22, 94);
    f.choice(u"Payment Method"_s, u"Check  (CHECK-OP)"_s, 130);
    fieldAt(paid, QRect(232, 22, 92, kFieldHeight),
            u"Check "_s + QString::number(purchaseCheck().number));
    s.explain(tr.party, u"Vendor ID"_s);
    s.explain(tr.fields.value(u"Vendor Invoice"_s), u"Vendor Invoice"_s);
    s.explain(tr.fields.value(u"Due Date"_s), u"Due Date"_s);
    s.explain(paid, u"Paid at time of purchase"_s);
    s.explain(tr.lines, u"purchase lines"_s);
}

// The check the Payments window writes today: GreenLeaf's, the day's only payment.
const books::Check& greenLeafPayment() {
    for (const books::Check& c : books::operatingChecks()) {
        if (c.payee == u"GREENLEAF"_s) {
            return c;
        }
    }
    return books::operatingChecks().last();
}

void payment(Screen& s) {
    s.windowToolbar();
    ChildWindow* w = s.addWindow(u"Payments"_s, kWorkArea, Glyph::Payments);
    QWidget* body = w->body();
    auto* kind = groupAt(body, QRect(8, 4, 200, 104), u"Payment Type"_s);
    radioAt(kind, QPoint(10, 18), u"Payment of purchases"_s, true);
    radioAt(kind, QPoint(10, 38), u"Single payment"_s, false);
    radioAt(kind, QPoint(10, 58), u"Prepayment"_s, false);
    radioAt(kind, QPoint(10, 78), u"Refund to a customer"_s, false);
    FormPane left(body, 218, 8, 94);
    left.lookup(u"Vendor ID"_s, u"GREENLEAF"_s, 120);
    left.text(u"Pay To"_s, books::vendorName(u"GREENLEAF"_s), 150);
    left.choice(u"Payment Method"_s, u"Check  (CHECK-OP)"_s, 150);
    FormPane right(body, 480, 8, 60);
    const books::Check& check = greenLeafPayment();
    right.text(u"Check No."_s, QString::number(check.number), 80);
    right.date(u"Date"_s, books::day(check.date), 80);
    right.money(u"Amount"_s, books::money(check.amount), 80);
    labelAt(body, QRect(8, 114, 300, 18), u"Purchases to pay"_s, true);
    books::Cents discounts = 0;
    QList<QStringList> rows;
    for (const books::Purchase& p : books::purchases()) {
        if (p.vendor != check.payee || (p.paidBy != 0 && p.paidBy != check.number)) {
            continue;
        }
        const bool pays = p.paidBy == check.number;
        const books::Cents total = books::total(p);
        rows << QStringList{pays ? u"Yes"_s : u"No"_s,
                            p.reference,
                            books::day(p.date),
                            books::day(p.date.addDays(30)),
                            books::money(total),
                            books::money(pays ? p.discount : 0),
                            books::money(pays ? total - p.discount : 0)};
        discounts += pays ? p.discount : 0;
    }
    gridAt(body, QRect(8, 134, body->width() - 16, 140),
           {u"Pay"_s, u"Purchase"_s, u"Date"_s, u"Due Date"_s, u">Balance"_s, u">Discount"_s,
            u">Amount Paid"_s},
           {40, 90, 70, 70, 0, 80, 90}, rows, 1);
    FormPane foot(body, 8, 282, 60);
    foot.text(u"Memo"_s, u"Invoices GL-55102 and GL-55230"_s, 300);
    FormPane totals(body, body->width() - 8 - 80 - 84, 282, 84);
    totals.money(u"Discounts"_s, books::money(discounts));
    totals.money(u"Total Paid"_s, books::money(check.amount));
    s.explain(body, QRect(0, 0, body->width(), body->height()), u"payment"_s);
}

} // namespace

// The scenes this file draws.
const auto kDrawings = std::to_array<SceneDrawing>({
    {40, Screen::Kind::Product, vendor, u"Lists|Vendors|Vendor ID"},
    {41, Screen::Kind::Product, vendorPurchases, u"Purchases & Payments"},
    {42, Screen::Kind::Product, vendorCustom, u"Custom Fields"},
    {43, Screen::Kind::Product, companyPaymentMethod, u"Lists|Payment Methods"},
    {44, Screen::Kind::Product, purchaseOrder,
     u"Tasks|Purchase Orders|Print|Email|Convert to Purchase"},
    {45, Screen::Kind::Product, purchase, u"Tasks|Purchases|Payment Method"},
    {46, Screen::Kind::Product, payment,
     u"Tasks|Payments|Single payment|Prepayment|Refund to a customer|Amount|Print"},
});

std::span<const SceneDrawing> payablesDrawings() {
    return kDrawings;
}

} // namespace shots::screens
