// SPDX-License-Identifier: MIT
// Screens of the Receivables section: customers, sales tax, quotes, invoices and receipts.
#include "books.h"
#include "look.h"
#include "parts.h"
#include "sample.h"
#include "screens.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace shots::screens {

namespace {

QCheckBox* checkBox(QWidget* root, const QString& text) {
    for (QCheckBox* c : root->findChildren<QCheckBox*>()) {
        if (c->text() == text) {
            return c;
        }
    }
    return nullptr;
}

// A list-and-record window used for lists of codes (payment methods, tax authorities).
ChildWindow* codeWindow(Screen& s, const QString& title, Glyph g, const QRect& r) {
    s.windowToolbar();
    return s.addWindow(title, r, g);
}

void customer(Screen& s) {
    s.windowToolbar();
    RecordWindow rw = customerRecord(s, kWorkArea);
    s.explain(rw.id, u"Customer ID"_s);
    s.explain(rw.name, u"Name"_s);
    s.explain(rw.tabs->tabBar(), u"tabs"_s);
    s.explain(checkBox(rw.window, u"Prospect"_s), u"Prospect check box"_s);
}

void job(Screen& s) {
    s.windowToolbar();
    RecordWindow rw = recordWindow(s, u"Jobs"_s, Glyph::Jobs, kWorkArea, u"Job ID"_s, u"GW-MAPLE"_s,
                                   u"Description"_s, u"Maple Street office park planting"_s,
                                   {u"General"_s, u"Estimates"_s, u"Custom Fields"_s}, 0);
    FormPane left(rw.page, 8, 8, 84);
    left.lookup(u"Customer ID"_s, u"GREENWAY"_s, 130);
    left.date(u"Start Date"_s, u"03/01/27"_s, 100);
    left.date(u"End Date"_s, u"05/31/27"_s, 100);
    left.choice(u"Status"_s, u"In Progress"_s, 120);
    left.choice(u"Job Type"_s, u"Landscaping"_s, 120);
    left.text(u"Supervisor"_s, books::employeeName(u"CHEN-D"_s), 150);
    FormPane right(rw.page, 320, 8, 120);
    const books::Job& maple = books::job(u"GW-MAPLE"_s);
    right.money(u"Estimated Revenue"_s, books::money(maple.estimatedRevenue), 90);
    right.money(u"Estimated Expenses"_s, books::money(maple.estimatedExpenses), 90);
    right.money(u"Actual Revenue"_s, books::money(books::jobRevenue(maple.id)), 90);
    right.money(u"Actual Expenses"_s, books::money(books::jobExpenses(maple.id)), 90);
    // Cost to cost: what the job has cost so far of what it is estimated to cost.
    const books::Cents spent = books::jobExpenses(maple.id);
    right.text(
        u"Percent Complete"_s,
        QString::number((spent * 100 + maple.estimatedExpenses / 2) / maple.estimatedExpenses), 50,
        true);
    s.explain(rw.id, u"Job ID"_s);
    s.explain(rw.tabs, u"job details"_s);
}

void customerPaymentMethod(Screen& s) {
    PaymentMethods pm = paymentMethodsWindow(s, true);
    s.explain(pm.fields, u"payment method"_s);
    s.explain(pm.usedBy, u"used by customers"_s);
    s.explain(pm.list, u"customer payment methods"_s);
}

// The window stands on the bare workspace: the Main Menu's task links would lie half under the
// callout.
void salesTaxAuthority(Screen& s) {
    ChildWindow* w =
        codeWindow(s, u"Sales Tax Authorities"_s, Glyph::SalesTax, workColumn(346, 290));
    QWidget* body = w->body();
    FormPane f(body, 8, 8, 92);
    f.lookup(u"Authority ID"_s, u"ALDER-CO"_s, 120);
    f.text(u"Description"_s, u"Alder County"_s, 170);
    f.lookup(u"Tax Account"_s, u"2100"_s, 90);
    f.lookup(u"Paid to Vendor"_s, u"ALDER-TAX"_s, 120);
    f.check(u"Tax freight charges"_s, false);
    labelAt(body, QRect(8, f.y() + 4, 240, 18), u"Tax rates and their effective dates"_s, true);
    gridAt(body, QRect(8, f.y() + 24, body->width() - 16, 96), {u"Effective Date"_s, u">Rate"_s},
           {0, 80},
           // The county's rate before and after today's, which the books hold.
           {{u"01/01/25"_s, books::example(u"1.00"_s) + u'%'},
            {u"07/01/26"_s, books::rate(books::millbrookAuthorities().at(1).rate) + u'%'},
            {u"01/01/28"_s, books::example(u"1.50"_s) + u'%'}},
           1);
    auto* note = new QLabel(u"Orvane uses the rate in effect on the date of each sale."_s, body);
    note->setWordWrap(true);
    note->setGeometry(8, f.y() + 126, body->width() - 16, 32);
    s.explain(w, u"Sales Tax Authorities window"_s);
}

// The authorities that tax sales in Millbrook: ID, description, tax account and rate.
QList<QStringList> authorityRows() {
    QList<QStringList> rows;
    for (const books::TaxAuthority& a : books::millbrookAuthorities()) {
        rows << QStringList{a.id, a.description, u"2100"_s, books::rate(a.rate) + u'%'};
    }
    return rows;
}

void salesTaxLocation(Screen& s) {
    ChildWindow* w = codeWindow(s, u"Sales Tax Locations"_s, Glyph::SalesTax, kWorkArea);
    QWidget* body = w->body();
    FormPane f(body, 8, 8, 84);
    QLineEdit* id = f.lookup(u"Location ID"_s, u"MILLBROOK"_s, 130);
    f.text(u"Description"_s, u"City of Millbrook"_s, 200);
    f.check(u"Tax freight charges"_s, false);
    f.skip(6);
    QLineEdit* total =
        f.text(u"Total Rate"_s, books::rate(books::millbrookRate()) + u'%', 60, true);
    noteAt(body, QRect(330, 8, 280, 60),
           u"A location adds up the rates of the authorities that tax sales made there. Give "
           "each customer the location where you deliver."_s);
    labelAt(body, QRect(8, 208, 300, 18), u"Authorities in this location"_s, true);
    QTableWidget* grid = gridAt(body, QRect(8, 228, body->width() - 16, 96),
                                {u"Authority ID"_s, u"Description"_s, u"Tax Account"_s, u">Rate"_s},
                                {100, 0, 100, 80}, authorityRows());
    s.explain(id, u"Location ID"_s);
    s.explain(total, u"Total Rate"_s);
    s.explain(grid, u"authorities"_s);
}

void quoteToInvoice(Screen& s) {
    s.windowToolbar(u"Convert to\nInvoice"_s);
    const Transaction quote = transactionWindow(s, oakHollowQuote(kWorkArea));
    s.explain(quote.lines, u"the quote's lines"_s);
    QToolButton* convert = s.toolButton(u"Convert to\nInvoice"_s);
    s.pointAt(convert, u"Convert to Invoice"_s);
    s.explain(convert, u"Convert to Invoice"_s);
}

void invoice(Screen& s) {
    s.windowToolbar(u"Create\nReturn"_s, Glyph::Return);
    TransactionSpec form = greenwayInvoice(kWorkArea);
    form.selectedLine = 2;
    Transaction t = transactionWindow(s, form);
    s.setStatus(u"Enter the items sold"_s);
    s.explain(t.party, u"Customer ID"_s);
    s.explain(t.address, u"Bill To"_s);
    for (const QString& f : {u"Invoice No."_s, u"Date"_s, u"Terms"_s}) {
        s.explain(t.fields.value(f), f);
    }
    s.explain(t.fields.value(u"Total"_s), u"Total"_s);
}

// The item's particulars, in two rows that the callout covers whole.
void stockItemRows(QWidget* body, int x, int y, const books::Item& item) {
    FormPane left(body, x, y, 70);
    left.text(u"Item ID"_s, item.id, 100);
    left.text(u"Description"_s, item.description, 240);
    FormPane right(body, x + 185, y, 64);
    right.money(u"Unit Price"_s, books::money(item.price), 60);
}

void stockStatus(Screen& s) {
    s.windowToolbar(u"Create\nReturn"_s, Glyph::Return);
    TransactionSpec form = greenwayInvoice(kWorkArea);
    form.selectedLine = 1;
    transactionWindow(s, form);
    // Over the invoice's header, clear of its lines, its title bar above the callout. The callout
    // covers the item's particulars; the picture stands left of it, the buttons right of it and
    // the quantities below it.
    ChildWindow* d = s.addDialog(u"Stock Status - ROSE-HT"_s, QRect(74, 78, 492, 174), Glyph::Items,
                                 TitleBar::Buttons::Close);
    QWidget* body = d->body();
    pictureAt(body, QRect(12, 12, 32, 32), Glyph::Items);
    constexpr int kLeft = 68; // the columns' left edge, right of the picture
    stockItemRows(body, kLeft, 15, books::item(u"ROSE-HT"_s));
    buttonAt(body, QRect(body->width() - 85, 12, 75, 23), u"OK"_s, true);
    buttonAt(body, QRect(body->width() - 85, 40, 75, 23), u"Help"_s);
    // The moment invoice 10482 takes its roses: on hand still counts them.
    const int onHand = books::roseOnHand(0);
    const int onInvoice = onHand - books::roseOnHand(1);
    constexpr int kQuantitiesTop = 71;
    FormPane left(body, kLeft, kQuantitiesTop, 96);
    QLineEdit* onHandField = left.text(u"Quantity on Hand"_s, QString::number(onHand), 36, true);
    left.text(u"On This Invoice"_s, QString::number(onInvoice), 36, true);
    left.text(u"Available"_s, QString::number(onHand - onInvoice), 36, true);
    FormPane right(body, kLeft + 177, kQuantitiesTop, 96);
    QLineEdit* onOrderField =
        right.text(u"Quantity on Order"_s, QString::number(books::roseOnOrder()), 36, true);
    right.text(u"On Open Quotes"_s, u"0"_s, 36, true);
    s.explain(onHandField, u"the quantity on hand"_s);
    s.explain(onOrderField, u"the quantity on order"_s);
}

// The Payment Received window, its columns lined up. The callout covers the fields of the
// invoice it pays, labels and all; the payment's picture stands left of it, the buttons right of
// it and the payment below it.
void paymentReceived(QWidget* body, Screen& s, const books::Invoice& inv) {
    constexpr int kLabels = 10;
    constexpr int kFields = 125;
    constexpr int kRight = 292;   // the right column's labels
    constexpr int kCovered = 124; // the invoice's fields, under the callout
    const books::Cents total = books::total(inv);
    pictureAt(body, QRect(16, 20, 32, 32), Glyph::Receipts);
    FormPane paying(body, kCovered, 17, 70);
    paying.text(u"Customer ID"_s, inv.customer, 90);
    paying.text(u"Name"_s, books::customerName(inv.customer), 90);
    FormPane invoice(body, kRight, 17, 72);
    invoice.text(u"Invoice No."_s, QString::number(inv.number), 70);
    invoice.money(u"Invoice Total"_s, books::money(total), 70);
    buttonAt(body, QRect(463, 16, 75, 23), u"OK"_s, true);
    buttonAt(body, QRect(463, 44, 75, 23), u"Cancel"_s);
    FormPane left(body, kLabels, 73, kFields - kLabels);
    QWidget* method = left.choice(u"Payment Method"_s, u"CARD"_s, 130);
    QWidget* reference = left.text(u"Reference"_s, u"Card ending 4417"_s, 130);
    QWidget* account = left.lookup(u"Deposit Account"_s, u"1020"_s, 90);
    FormPane right(body, kRight, 73, 72);
    QWidget* paid = right.money(u"Amount Paid"_s, books::money(total), 70);
    QWidget* balance = right.money(u"Balance Due"_s, books::money(0), 70);
    s.explain(method, u"Payment Method"_s);
    s.explain(reference, u"Reference"_s);
    s.explain(account, u"Deposit Account"_s);
    s.explain(paid, u"Amount Paid"_s);
    s.explain(balance, u"Balance Due"_s);
}

void invoicePayment(Screen& s) {
    s.windowToolbar(u"Create\nReturn"_s, Glyph::Return);
    TransactionSpec form = greenwayInvoice(kWorkArea);
    form.partyId = u"MARTINEZ-R"_s;
    form.address = {u"Rosa Martinez"_s, u"27 Linden Court"_s, u"Bayside, CA 94520"_s};
    form.header = {{u"Invoice No."_s, u"10483"_s},
                   {u"Date"_s, u"03/15/27"_s},
                   {u"Terms"_s, u"Due on receipt"_s},
                   {u"Sales Tax"_s, u"BAYSIDE"_s},
                   {u"Job"_s, QString()}};
    const books::Invoice& inv = books::invoice(10483);
    form.lines.clear();
    for (const books::Line& l : inv.lines) {
        form.lines << books::invoiceLineRow(l);
    }
    form.totals = {{u"Subtotal"_s, books::money(books::subtotal(inv))},
                   {u"Sales Tax"_s, books::money(books::tax(inv))},
                   {u"Total"_s, books::money(books::total(inv))}};
    form.comment = u"Paid at the counter"_s;
    transactionWindow(s, form);
    // Paid in full at the counter: F7 opens a window for the payment over the invoice's lines,
    // clear of its totals and wide enough to hide the Unit Price column whole; the status bar
    // names the key.
    s.setStatus(u"F7  Payment Received"_s);
    ChildWindow* d = s.addDialog(u"Payment Received"_s, QRect(4, 222, 564, 174), Glyph::Invoices);
    paymentReceived(d->body(), s, inv);
}

void invoiceReturn(Screen& s) {
    s.windowToolbar(u"Create\nReturn"_s, Glyph::Return);
    transactionWindow(s, greenwayInvoice(kWorkArea));
    QToolButton* create = s.toolButton(u"Create\nReturn"_s);
    s.pointAt(create, u"Create Return"_s);
    s.explain(create, u"Create Return"_s);
}

void receipt(Screen& s) {
    s.windowToolbar();
    Transaction r = transactionWindow(s, greenwayReceipt(kWorkArea));
    s.explain(r.party, u"Customer ID"_s);
    s.explain(r.fields.value(u"Amount"_s), u"Amount"_s);
    s.explain(r.lines, u"invoices to apply"_s);
    s.explain(r.fields.value(u"Applied"_s), u"Applied"_s);
}

} // namespace

// The scenes this file draws.
const auto kDrawings = std::to_array<SceneDrawing>({
    {28, Screen::Kind::Product, customer,
     u"Lists|Customers|Customer ID|General|Sales Defaults|Payment History|Custom Fields|Prospect"},
    {29, Screen::Kind::Product, job, u"Lists|Jobs"},
    {30, Screen::Kind::Product, customerPaymentMethod, u"Lists|Payment Methods"},
    {31, Screen::Kind::Product, salesTaxAuthority, u"Lists|Sales Tax Authorities"},
    {32, Screen::Kind::Product, salesTaxLocation, u"Lists|Sales Tax Locations"},
    {33, Screen::Kind::Product, quoteToInvoice, u"Tasks|Quotes|Convert to Invoice|Print|Email"},
    {34, Screen::Kind::Product, invoice, u"Tasks|Invoices"},
    {35, Screen::Kind::Product, stockStatus, u"Quantity on Hand|Quantity on Order"},
    {36, Screen::Kind::Product, invoicePayment, u""},
    {37, Screen::Kind::Product, invoiceReturn, u"Create Return"},
    {38, Screen::Kind::Product, receipt, u"Tasks|Receipts"},
});

std::span<const SceneDrawing> receivablesDrawings() {
    return kDrawings;
}

} // namespace shots::screens
