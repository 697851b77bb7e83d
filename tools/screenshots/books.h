// SPDX-License-Identifier: MIT
// The sample company's books: Bayside Garden Supply in March 2027. Customers, items with their
// one price, invoices, receipts, checks, deposits and purchases live here once; the screens draw
// their figures (balances, aging, ledgers, the reconciliation, job revenue, the next check
// number) from what these functions compute. check() proves the books agree with themselves
// before any picture is written.
#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace shots::books {

using Cents = qint64;

// "1,234.56" and "-8.71".
QString money(Cents amount);
// "03/15/27"
QString day(const QDate& date);
// The program's date: nothing the books hold happened after it.
QDate today();

struct Customer {
    QString id;
    QString name;
};
const QList<Customer>& customers();
QString customerName(const QString& id);

// Vendors and employees: an ID and a name, like customers.
const QList<Customer>& vendors();
QString vendorName(const QString& id);
const QList<Customer>& employees();
QString employeeName(const QString& id);

struct Account {
    QString id;
    QString description;
};
// The chart of accounts, by number.
const QList<Account>& chart();
QString accountName(const QString& id);
// The type follows from the number: 1000s assets, 2000s liabilities, and so on.
QString accountType(const QString& id);

struct Item {
    QString id;
    QString description;
    Cents price;
    Cents cost; // 0 for a service
    QString salesAccount;
    bool taxable;
};
const QList<Item>& items();
const Item& item(const QString& id);

struct Line {
    int quantity;
    QString item;
    QString description; // empty: the item's own
};

struct Invoice {
    int number;
    QDate date;
    QString customer;
    QList<Line> lines; // empty for the invoices only their total is shown of
    Cents taxRateBasisPoints = 0;
    Cents total = 0; // the total of an invoice without lines
    QString job;
};
const QList<Invoice>& invoices();
const Invoice& invoice(int number);
Cents lineAmount(const Line& line);
Cents subtotal(const Invoice& invoice);
Cents tax(const Invoice& invoice);
Cents total(const Invoice& invoice);
// One invoice line as the Invoices window shows it: quantity, item, description, price, amount.
QStringList invoiceLineRow(const Line& line);

struct Receipt {
    QDate date;
    QString customer;
    QString reference;
    Cents amount;
    int invoice; // the invoice it pays
};
const QList<Receipt>& receipts();

// What a customer owed at the end of a day.
Cents customerBalance(const QString& customer, const QDate& at);
// Account 1100: what all customers owe today.
Cents receivables();
// How many invoices are still open after more than `days` days.
int openInvoicesOlderThan(int days);

// Aging as of today: Current (0 to 30 days), 31-60, 61-90, over 90, and the total.
struct AgingRow {
    QString customer;
    Cents buckets[4] = {0, 0, 0, 0};
    Cents total = 0;
};
QList<AgingRow> aging(); // customers with an open balance, by name

// Customer Ledgers for customers from..to (by ID) over the period: each customer's name, then
// Date, Type, Reference, Debit, Credit, Balance rows, the first a "Balance" line.
struct LedgerLine {
    QDate date;
    QString type;
    QString reference;
    Cents debit = 0;
    Cents credit = 0;
    Cents balance = 0;
};
struct Ledger {
    QString customer;
    QList<LedgerLine> lines;
};
QList<Ledger> customerLedgers(const QString& fromId, const QString& toId, const QDate& from,
                              const QDate& to);

// Checks written on the operating account.
struct Check {
    int number;
    QDate date;
    QString payee;
    Cents amount;
    bool cleared; // on the bank statement of 03/15/27
};
const QList<Check>& operatingChecks();

// Where a check stands with the bank: not yet cleared, cleared on an earlier statement, or on
// this one.
enum class Cleared { Outstanding, Earlier, ThisStatement };
struct BankCheck {
    Check check;
    Cleared state;
};
int nextCheckNumber();

struct Deposit {
    QString reference;
    QDate date;
    Cents amount;
    bool cleared;
};
const QList<Deposit>& deposits();

// The reconciliation of account 1000 with the bank's statement as of today.
struct Reconciliation {
    QDate lastStatementDate;
    Cents lastStatement; // the ending balance of the previous statement
    Cents statement;     // the ending balance of this statement
    Cents cleared;       // last statement + cleared deposits - cleared checks
    Cents difference;    // statement - cleared
    Cents book;          // cleared + uncleared deposits - uncleared checks
};
Reconciliation reconciliation();

struct Purchase {
    QDate date;
    QString vendor;
    QString reference;
    Cents amount;
    bool order; // a purchase order: not yet a purchase
};
const QList<Purchase>& purchases();
Cents purchasesThisYear(const QString& vendor);

// Revenue of a job: the subtotals of the invoices that name it.
Cents jobRevenue(const QString& job);

// The quantity of an item on hand after today's transactions up to and including `step`:
// 0 the start of the day, 1 after invoice 10482, 2 after the frost adjustment.
int roseOnHand(int step);
int roseOnOrder();

// A journal entry: account, debit, credit.
struct Posting {
    QString account;
    Cents debit;
    Cents credit;
};
// The entry an invoice posts: receivables, sales by account, tax, cost of goods and inventory.
QList<Posting> posting(const Invoice& invoice);

// The balances the books began with, as of 12/31/26.
QDate beginningDate();
const QList<Posting>& beginningBalances();

// Everything the books hold. The functions above compute from the sample company's.
struct Books {
    QList<Account> chart;
    QList<Item> items;
    QList<Customer> customers;
    QList<Customer> vendors;
    QList<Customer> employees;
    QList<Invoice> invoices;
    QList<Receipt> receipts;
    QList<BankCheck> checks; // in the order they were written
    QList<Deposit> deposits;
    Cents lastStatement; // the bank's statement of 02/28/27
    Cents statement;     // and of 03/15/27
    QList<Purchase> purchases;
    QList<Posting> beginning;
    QList<QList<Posting>> journalEntries;
    int roseAtStart;
    int roseFrostDamage;
    int roseOrdered;
};
const Books& sampleBooks();

// What is wrong with the books, one line each; empty when they agree. Without an argument, the
// sample company's; with one, those books, so that a changed copy can be tried.
QStringList check();
QStringList check(const Books& books);

} // namespace shots::books
