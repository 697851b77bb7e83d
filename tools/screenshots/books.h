// SPDX-License-Identifier: MIT
// The sample company's books: Bayside Garden Supply in March 2027. Customers, items with their
// one price, invoices, receipts, checks, deposits and purchases live here once; the screens draw
// their figures (balances, aging, ledgers, the reconciliation, job revenue, the next check
// number) from what these functions compute. check() proves the books agree with themselves
// before any picture is written.
//
// The tutorial walks through one day, 03/15/27, and an entry it shows being made is saved when
// its scene is done: the books hold the whole day's work, and every report and list of the day
// counts it, whichever scene shows them. An entry window shows its own entry, and what it is
// applied against as it stood before it (the invoices a receipt pays, open before the receipt).
// The one figure that follows the scenes' order is the next check number: the setup screens,
// shown before the day's payment, offer the number that payment then takes.
#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace shots::books {

using Cents = qint64;

// "1,234.56" and "-8.71".
QString money(Cents amount);
// A rate the books define, in hundredths of a percent: "6.20" for 620.
QString rate(Cents basisPoints);

// The figures a picture may show: every one money() and rate() have written since the last
// forgetFigures(), and the worked examples and settings a window explains itself with (a terms
// example, a print margin), declared as such with example(). Any other amount on a picture was
// typed into the screen by hand and may disagree with the books: the figures rule fails it.
QString example(const QString& shown);
bool isFigure(const QString& shown);
void forgetFigures();
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
    Cents cost = 0; // the cost of the goods sold on an invoice without lines
};
const QList<Invoice>& invoices();
const Invoice& invoice(int number);
Cents lineAmount(const Line& line);
Cents subtotal(const Invoice& invoice);
Cents tax(const Invoice& invoice);
Cents total(const Invoice& invoice);
Cents costOfGoods(const Invoice& invoice);
// One invoice line as the Invoices window shows it: quantity, item, description, price, amount.
QStringList invoiceLineRow(const Line& line);

// What a receipt or a payment pays of one invoice or bill.
struct Applied {
    int invoice;
    Cents amount;
};
struct Receipt {
    QDate date;
    QString customer;
    QString reference;
    Cents amount;
    QList<Applied> applied; // the invoices it pays, oldest first
};
const QList<Receipt>& receipts();
const Receipt& receipt(const QString& reference);
// What is still open of an invoice after the receipts before `at`, those of that day excluded:
// what a receipt of that day is applied against.
Cents openBefore(int invoice, const QDate& at);

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

// What the card company keeps of a customer's card payment, a rate.
Cents cardFee();

// Checks written on the operating account, today's payments included.
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
// The number today's first check took: the setup screens, shown before the day's payment is
// made, offer it as the next number.
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

// A purchase or purchase order. Its lines are bought at the item's cost; one without lines
// gives its total in `amount`. A bill is paid by one check, less the discount its terms gave.
struct Purchase {
    QDate date;
    QString vendor;
    QString reference;
    Cents amount;
    bool order; // a purchase order: not yet a purchase
    QList<Line> lines = {};
    Cents freight = 0;
    int paidBy = 0; // the check that paid it; 0 while it is open
    Cents discount = 0;
};
const QList<Purchase>& purchases();
const Purchase& purchase(const QString& reference);
Cents purchaseLineAmount(const Line& line);
Cents subtotal(const Purchase& purchase);
Cents total(const Purchase& purchase);
// One line as the purchase windows show it: quantity, item, description, unit cost, amount.
QStringList purchaseLineRow(const Line& line);
Cents purchasesThisYear(const QString& vendor);
// The bills a check pays.
QList<Purchase> billsPaidBy(int check);

// A job's estimates, from its record.
struct Job {
    QString id;
    Cents estimatedRevenue;
    Cents estimatedExpenses;
};
const Job& job(const QString& id);
// What a job cost so far: the wages paid on it and the cost of the items invoiced to it.
Cents jobExpenses(const QString& job);

// A quote: lines like an invoice's, posting nothing until it is converted.
const Invoice& quote();

// The sales tax authorities and their rates; a location's rate is their sum.
struct TaxAuthority {
    QString id;
    QString description;
    Cents rate;
};
const QList<TaxAuthority>& millbrookAuthorities();
Cents millbrookRate();

// Revenue of a job: the subtotals of the invoices that name it.
Cents jobRevenue(const QString& job);

// Payroll. Rates in hundredths of a percent, like tax rates; hours in hundredths.
struct Earning {
    QString type; // REGULAR, OVERTIME
    QString job;
    int hours;
};
struct PayrollCheck {
    int number;
    QDate date;
    QDate periodStart;
    QString employee;
    QList<Earning> earnings;
    Cents federalIncomeTax; // from the tax tables, which the books don't hold
    Cents stateIncomeTax;
};
// A line of a check's taxes and deductions, or of its contributions.
struct PayLine {
    QString item;
    Cents amount;
};
const QList<PayrollCheck>& payrollChecks();
Cents hourlyRate(const QString& employee);
Cents salary(const QString& employee); // a semimonthly salary; 0 for hourly employees
Cents overtimeMultiplier();            // in hundredths: 150 is 1.5 times
Cents earningRate(const PayrollCheck& check, const Earning& earning);
Cents earningAmount(const PayrollCheck& check, const Earning& earning);
Cents grossPay(const PayrollCheck& check);
// Taxes withheld and deductions, in the order the check lists them.
QList<PayLine> withholdings(const PayrollCheck& check);
// What the company pays on top of the wages: not taken from the net pay.
QList<PayLine> contributions(const PayrollCheck& check);
Cents netPay(const PayrollCheck& check);

// The payroll tax rates, and those of the deductions and contributions.
struct PayrollTax {
    QString id;
    QString paidBy;
    Cents rate; // 0: from the tax tables
};
const QList<PayrollTax>& payrollTaxes();
Cents payrollTaxRate(const QString& id);
Cents healthDeduction();      // a fixed amount on every check
Cents retirementDeduction();  // the employee's 401(k), a rate of gross
Cents retirementMatch();      // the company matches this share of the 401(k)
Cents retirementMatchLimit(); // up to this rate of gross
Cents healthContribution();   // the company's share of health insurance, a month
Cents workersCompensationRate();

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

// The entries made by hand: March depreciation, then the frost damage of the roses.
const QList<QList<Posting>>& journalEntries();

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
    QList<PayrollCheck> payroll;
};
const Books& sampleBooks();

// What is wrong with the books, one line each; empty when they agree. Without an argument, the
// sample company's; with one, those books, so that a changed copy can be tried.
QStringList check();
QStringList check(const Books& books);

} // namespace shots::books
