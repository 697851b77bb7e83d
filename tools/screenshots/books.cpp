// SPDX-License-Identifier: MIT
#include "books.h"

#include <QLocale>
#include <QSet>

#include <algorithm>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace shots::books {

namespace {

QDate d(int month, int dayOfMonth, int year = 2027) {
    return QDate(year, month, dayOfMonth);
}

const QList<Account> kChart = {
    {u"1000"_s, u"Cash - Operating"_s},
    {u"1010"_s, u"Cash - Payroll"_s},
    {u"1020"_s, u"Card Clearing"_s},
    {u"1050"_s, u"Petty Cash"_s},
    {u"1100"_s, u"Accounts Receivable"_s},
    {u"1200"_s, u"Inventory"_s},
    {u"1500"_s, u"Equipment"_s},
    {u"1510"_s, u"Delivery Truck"_s},
    {u"1590"_s, u"Accum. Depreciation"_s},
    {u"2000"_s, u"Accounts Payable"_s},
    {u"2100"_s, u"Sales Tax Payable"_s},
    {u"2150"_s, u"Card Payable"_s},
    {u"2200"_s, u"Federal Payroll Taxes"_s},
    {u"2210"_s, u"State Payroll Taxes"_s},
    {u"2250"_s, u"Health Ins. Payable"_s},
    {u"2260"_s, u"401(k) Payable"_s},
    {u"2270"_s, u"Workers' Comp Payable"_s},
    {u"2500"_s, u"Truck Loan"_s},
    {u"3000"_s, u"Owner's Equity"_s},
    {u"4000"_s, u"Sales - Plants"_s},
    {u"4010"_s, u"Sales - Supplies"_s},
    {u"4020"_s, u"Sales - Services"_s},
    {u"4900"_s, u"Sales Discounts"_s},
    {u"4950"_s, u"Freight Income"_s},
    {u"4960"_s, u"Finance Charges"_s},
    {u"5000"_s, u"Cost of Goods Sold"_s},
    {u"5050"_s, u"Purchase Discounts"_s},
    {u"5100"_s, u"Freight In"_s},
    {u"5200"_s, u"Inventory Shrinkage"_s},
    {u"6000"_s, u"Wages"_s},
    {u"6010"_s, u"Overtime Wages"_s},
    {u"6020"_s, u"Bonuses"_s},
    {u"6030"_s, u"Tips"_s},
    {u"6050"_s, u"Payroll Tax Expense"_s},
    {u"6100"_s, u"Rent"_s},
    {u"6150"_s, u"401(k) Match"_s},
    {u"6160"_s, u"Health Insurance"_s},
    {u"6170"_s, u"Workers' Compensation"_s},
    {u"6200"_s, u"Utilities"_s},
    {u"6400"_s, u"Mileage Reimbursement"_s},
    {u"6500"_s, u"Depreciation"_s},
};

// Services are not taxed; stock items are.
const QList<Item> kItems = {
    {u"MUL-CED-2"_s, u"Cedar Mulch, 2 cu ft"_s, 649, 200, u"4010"_s, true},
    {u"POT-TC-12"_s, u"Terracotta Pot, 12 in"_s, 1495, 640, u"4010"_s, true},
    {u"ROSE-HT"_s, u"Rose Bush, Hybrid Tea"_s, 2450, 1120, u"4000"_s, true},
    {u"HOSE-50"_s, u"Garden Hose, 50 ft"_s, 3200, 1550, u"4010"_s, true},
    {u"SHEAR-PR"_s, u"Pruning Shears"_s, 1875, 980, u"4010"_s, true},
    {u"SEED-LM5"_s, u"Lawn Seed Mix, 5 lb"_s, 2199, 1025, u"4000"_s, true},
    {u"DRIP-KIT"_s, u"Drip Irrigation Kit"_s, 4900, 2750, u"4010"_s, true},
    {u"SOIL-PT1"_s, u"Potting Soil, 1 cu ft"_s, 825, 395, u"4010"_s, true},
    {u"FERT-ALL"_s, u"All-Purpose Fertilizer"_s, 1240, 550, u"4010"_s, true},
    {u"BENCH-TK"_s, u"Teak Garden Bench"_s, 28900, 16500, u"4010"_s, true},
    {u"PLANT-SVC"_s, u"Planting service, per hour"_s, 5750, 0, u"4020"_s, false},
    {u"DELIVERY"_s, u"Delivery and setup"_s, 9000, 0, u"4020"_s, false},
};

const QList<Customer> kCustomers = {
    {u"BRIGHTON"_s, u"Brighton Park District"_s},   {u"GREENWAY"_s, u"Greenway Landscaping"_s},
    {u"HILLCREST"_s, u"Hillcrest Nursery"_s},       {u"MARTINEZ-R"_s, u"Rosa Martinez"_s},
    {u"OAKHOLLOW"_s, u"Oak Hollow Estates HOA"_s},  {u"PINEWOOD"_s, u"Pinewood Golf Club"_s},
    {u"SUNSET-CG"_s, u"Sunset Community Garden"_s}, {u"WILLOWBRK"_s, u"Willowbrook Apartments"_s},
};

const QList<Customer> kVendors = {
    {u"ALDER-TAX"_s, u"Alder County Tax Collector"_s},
    {u"CA-EDD"_s, u"Employment Development Department"_s},
    {u"COASTAL"_s, u"Coastal Nursery Wholesale"_s},
    {u"GREENLEAF"_s, u"GreenLeaf Tools Inc."_s},
    {u"PACPOT"_s, u"Pacific Pottery Co."_s},
    {u"SUNRAIN"_s, u"SunRain Irrigation"_s},
    {u"VALLEYSS"_s, u"Valley Soil & Stone"_s},
};

const QList<Customer> kEmployees = {
    {u"CHEN-D"_s, u"David Chen"_s},
    {u"LOPEZ-M"_s, u"Maria Lopez"_s},
    {u"OKAFOR-J"_s, u"James Okafor"_s},
    {u"WHITFIELD-S"_s, u"Sarah Whitfield"_s},
};

// Hourly rate or semimonthly salary.
struct Pay {
    QString employee;
    Cents hourly;
    Cents salary;
};
const QList<Pay> kPay = {{u"CHEN-D"_s, 2150, 0}, {u"LOPEZ-M"_s, 0, 195000}};

QString nameIn(const QList<Customer>& list, const QString& id) {
    for (const Customer& c : list) {
        if (c.id == id) {
            return c.name;
        }
    }
    return {};
}

// Millbrook: state 6.00 %, Alder County 1.25 %, the city 0.75 %.
constexpr Cents kCaliforniaRate = 600;
constexpr Cents kAlderRate = 125;
constexpr Cents kMillbrookCityRate = 75;
constexpr Cents kMillbrook = kCaliforniaRate + kAlderRate + kMillbrookCityRate;
constexpr Cents kBayside = 750; // 7.50 %

const QList<TaxAuthority> kMillbrookAuthorities = {
    {u"CA-STATE"_s, u"State of California"_s, kCaliforniaRate},
    {u"ALDER-CO"_s, u"Alder County"_s, kAlderRate},
    {u"MILLBROOK-C"_s, u"City of Millbrook"_s, kMillbrookCityRate},
};

const QList<Job> kJobs = {{u"GW-MAPLE"_s, 1850000, 1230000}};

// Oak Hollow's quote for the clubhouse entrance: two lines, so that the Quotes window shows
// every line its subtotal adds up below the callout that covers the window's middle.
const QList<Line> kQuoteLines = {{1, u"BENCH-TK"_s, {}}, {24, u"POT-TC-12"_s, {}}};
const Invoice kQuote = {2071, d(3, 10), u"OAKHOLLOW"_s, kQuoteLines, kBayside, 0, {}};

// Invoices without lines give their subtotal in `total` and a tax rate; those with lines
// compute both.
const QList<Invoice> kInvoices = {
    {10433, d(1, 8), u"WILLOWBRK"_s, {}, 0, 18840, {}},
    {10452, d(2, 5), u"BRIGHTON"_s, {}, 0, 41500, {}},
    {10466, d(2, 19), u"HILLCREST"_s, {}, 0, 64000, {}},
    {10471,
     d(3, 2),
     u"PINEWOOD"_s,
     {{40, u"PLANT-SVC"_s, u"Spring course planting"_s}, {2, u"DELIVERY"_s, {}}},
     kBayside,
     0,
     {}},
    {10472, d(3, 3), u"GREENWAY"_s, {}, kMillbrook, 56699, {}},
    {10473, d(3, 3), u"MARTINEZ-R"_s, {}, kBayside, 8037, {}},
    {10474, d(3, 5), u"OAKHOLLOW"_s, {}, 0, 111500, {}},
    {10475, d(3, 8), u"BRIGHTON"_s, {}, 0, 124000, {}},
    {10476, d(3, 9), u"GREENWAY"_s, {}, kMillbrook, 167580, u"GW-MAPLE"_s, 74290},
    {10477, d(3, 10), u"SUNSET-CG"_s, {}, 0, 31275, {}},
    {10478, d(3, 11), u"WILLOWBRK"_s, {}, 0, 74000, {}},
    {10479, d(3, 12), u"PINEWOOD"_s, {}, 0, 345218, {}},
    {10480, d(3, 12), u"OAKHOLLOW"_s, {}, 0, 96000, {}},
    {10481,
     d(3, 13),
     u"WILLOWBRK"_s,
     {{2, u"HOSE-50"_s, {}}, {4, u"FERT-ALL"_s, {}}},
     kBayside,
     0,
     {}},
    {10482,
     d(3, 15),
     u"GREENWAY"_s,
     {{40, u"MUL-CED-2"_s, {}},
      {12, u"ROSE-HT"_s, {}},
      {6, u"DRIP-KIT"_s, {}},
      {4, u"SHEAR-PR"_s, {}}},
     kMillbrook,
     0,
     u"GW-MAPLE"_s},
    {10483,
     d(3, 15),
     u"MARTINEZ-R"_s,
     {{2, u"POT-TC-12"_s, {}}, {4, u"SOIL-PT1"_s, {}}, {1, u"FERT-ALL"_s, {}}},
     kBayside,
     0,
     {}},
};

const QList<Receipt> kReceipts = {
    {d(3, 6), u"HILLCREST"_s, u"Check 2290"_s, 64000, {{10466, 64000}}},
    {d(3, 13), u"WILLOWBRK"_s, u"Check 3307"_s, 12212, {{10481, 12212}}},
    {d(3, 15), u"MARTINEZ-R"_s, u"Card 4417"_s, 8095, {{10483, 8095}}},
    // Entered in the Receipts window: all of 10472, the rest to 10476.
    {d(3, 15), u"GREENWAY"_s, u"Check 5521"_s, 180986, {{10472, 61235}, {10476, 119751}}},
};

const QList<BankCheck> kChecks = {
    {{4410, d(1, 20), u"COASTAL"_s, 335160, true}, Cleared::Earlier},
    {{4471, d(2, 18), u"COASTAL"_s, 290129, true}, Cleared::Earlier},
    {{4479, d(3, 4), u"PACPOT"_s, 125000, true}, Cleared::ThisStatement},
    {{4480, d(3, 9), u"SUNRAIN"_s, 31845, true}, Cleared::ThisStatement},
    {{4481, d(3, 14), u"VALLEYSS"_s, 107750, false}, Cleared::Outstanding},
    // Written in the Payments window.
    {{4482, d(3, 15), u"GREENLEAF"_s, 114659, false}, Cleared::Outstanding},
};

const QList<Deposit> kDeposits = {
    {u"DEP-0305"_s, d(3, 5), 482040, true},
    {u"DEP-0306"_s, d(3, 6), 64000, true},
    {u"DEP-0313"_s, d(3, 13), 12212, false},
};

// The bank's statements of 02/28/27 and 03/15/27.
constexpr Cents kLastStatement = 2042660;
constexpr Cents kStatement = 2431855;

// Coastal and GreenLeaf give 2% for payment within 10 days; Valley Soil & Stone was paid on
// delivery.
const QList<Purchase> kPurchases = {
    {d(1, 12), u"COASTAL"_s, u"C-87641"_s, 342000, false, {}, 0, 4410, 6840},
    {d(2, 9), u"COASTAL"_s, u"C-87992"_s, 296050, false, {}, 0, 4471, 5921},
    {d(3, 14), u"COASTAL"_s, u"C-88213"_s, 418670, false},
    {d(3, 15),
     u"COASTAL"_s,
     u"PO-1207"_s,
     0,
     true,
     {{60, u"ROSE-HT"_s, {}},
      {80, u"POT-TC-12"_s, {}},
      {120, u"SOIL-PT1"_s, {}},
      {40, u"FERT-ALL"_s, {}}},
     36000},
    {d(3, 14),
     u"VALLEYSS"_s,
     u"VS-20577"_s,
     0,
     false,
     {{200, u"MUL-CED-2"_s, {}}, {150, u"SOIL-PT1"_s, {}}},
     8500,
     4481},
    {d(2, 24), u"GREENLEAF"_s, u"GL-55102"_s, 72000, false, {}, 0, 4482, 0},
    {d(3, 8), u"GREENLEAF"_s, u"GL-55230"_s, 43530, false, {}, 0, 4482, 871},
    {d(3, 14), u"GREENLEAF"_s, u"GL-55311"_s, 31800, false},
};

// Payroll: David Chen is paid by the hour, semimonthly.
constexpr Cents kOvertimeMultiplier = 150;
constexpr Cents kHealthDeduction = 8500;
constexpr Cents kRetirementDeduction = 400; // 4% of gross
constexpr Cents kRetirementMatch = 5000;    // 50% of the employee's 401(k)
constexpr Cents kRetirementMatchLimit = 300;
constexpr Cents kHealthContribution = 24000; // a month
constexpr Cents kWorkersCompensation = 185;

const QList<PayrollTax> kPayrollTaxes = {
    {u"FED-INC"_s, u"Employee"_s, 0},  {u"CA-INC"_s, u"Employee"_s, 0},
    {u"FICA-SS"_s, u"Both"_s, 620},    {u"FICA-MED"_s, u"Both"_s, 145},
    {u"FUTA"_s, u"Employer"_s, 60},    {u"CA-SUI"_s, u"Employer"_s, 340},
    {u"CA-SDI"_s, u"Employee"_s, 110},
};

const QList<PayrollCheck> kPayroll = {
    {2216,
     d(3, 15),
     d(3, 1),
     u"CHEN-D"_s,
     {{u"REGULAR"_s, u"GW-MAPLE"_s, 8000}, {u"OVERTIME"_s, u"GW-MAPLE"_s, 600}},
     20140,
     5820},
};

const QList<Posting> kBeginning = {
    {u"1000"_s, 1842075, 0}, {u"1100"_s, 980640, 0},  {u"1200"_s, 4231800, 0},
    {u"1500"_s, 3650000, 0}, {u"1510"_s, 2800000, 0}, {u"1590"_s, 0, 990000},
    {u"2000"_s, 0, 1124515}, {u"2100"_s, 0, 211820},  {u"2500"_s, 0, 1480000},
    {u"3000"_s, 0, 9698180},
};

// Entries made by hand: March depreciation and the frost damage of the roses.
const QList<QList<Posting>> kJournalEntries = {
    {{u"6500"_s, 41250, 0}, {u"6500"_s, 18500, 0}, {u"1590"_s, 0, 59750}},
    {{u"5200"_s, 3360, 0}, {u"1200"_s, 0, 3360}},
};

constexpr int kRoseAtStart = 46;
constexpr int kRoseFrostDamage = 3;

const Books kSample = {kChart,           kItems,     kCustomers, kVendors,        kEmployees,
                       kInvoices,        kReceipts,  kChecks,    kDeposits,       kLastStatement,
                       kStatement,       kPurchases, kBeginning, kJournalEntries, kRoseAtStart,
                       kRoseFrostDamage, kPayroll};

// The books every function computes from: the sample's, but for the span of a check() of
// other books.
const Books* gCurrent = &kSample;

const Books& current() {
    return *gCurrent;
}

// Half a cent and more rounds up.
Cents percentOf(Cents amount, Cents basisPoints) {
    return (amount * basisPoints + 5000) / 10000;
}

QString issue(const QString& what) {
    return u"the books: "_s + what;
}

QStringList datesProblems() {
    QStringList out;
    auto late = [&out](const QDate& date, const QString& what) {
        if (date > today()) {
            out << issue(u"%1 is dated %2, after the program's date"_s.arg(what, day(date)));
        }
    };
    for (const Invoice& i : current().invoices) {
        late(i.date, u"invoice %1"_s.arg(i.number));
    }
    for (const Receipt& r : current().receipts) {
        late(r.date, r.reference);
    }
    for (const BankCheck& c : current().checks) {
        late(c.check.date, u"check %1"_s.arg(c.check.number));
    }
    for (const Deposit& dep : current().deposits) {
        late(dep.date, dep.reference);
    }
    for (const Purchase& p : current().purchases) {
        late(p.date, p.reference);
    }
    return out;
}

QStringList balanceProblems() {
    QStringList out;
    auto balanced = [&out](const QList<Posting>& entry, const QString& what) {
        Cents debit = 0, credit = 0;
        for (const Posting& p : entry) {
            debit += p.debit;
            credit += p.credit;
        }
        if (debit != credit) {
            out << issue(u"%1: debits %2, credits %3"_s.arg(what, money(debit), money(credit)));
        }
    };
    for (const Invoice& i : current().invoices) {
        balanced(posting(i), u"invoice %1"_s.arg(i.number));
    }
    for (const QList<Posting>& entry : current().journalEntries) {
        balanced(entry, u"a journal entry"_s);
    }
    balanced(current().beginning, u"the beginning balances"_s);
    return out;
}

// The ID of the customer with this name; empty when there is none.
QString customerIdNamed(const QString& name) {
    const auto& all = current().customers;
    const auto found =
        std::find_if(all.begin(), all.end(), [&name](const Customer& c) { return c.name == name; });
    return found == all.end() ? QString() : found->id;
}

QStringList agingProblems() {
    QStringList out;
    Cents all = 0;
    for (const AgingRow& row : aging()) {
        Cents sum = 0;
        for (const Cents b : row.buckets) {
            sum += b;
        }
        const QString id = customerIdNamed(row.customer);
        if (sum != row.total || id.isEmpty() || row.total != customerBalance(id, today())) {
            out << issue(u"aging of %1 does not add up to the balance"_s.arg(row.customer));
        }
        all += row.total;
    }
    if (all != receivables()) {
        out << issue(u"aging total %1, receivables %2"_s.arg(money(all), money(receivables())));
    }
    return out;
}

// The ledgers open at each customer's balance the day before the period and run through its
// invoices and receipts in date order; where a ledger closes must be that customer's balance
// as every other screen counts it, over all invoices and receipts up to the period's end.
QStringList ledgerProblems() {
    QStringList out;
    const QDate end = d(3, 31);
    for (const Ledger& l : customerLedgers(u"A"_s, u"ZZZZ"_s, d(3, 1), end)) {
        Cents running = l.lines.first().balance;
        for (const LedgerLine& line : l.lines.mid(1)) {
            running += line.debit - line.credit;
            if (running != line.balance) {
                out << issue(u"ledger of %1 runs off at %2"_s.arg(l.customer, line.reference));
            }
        }
        const QString id = customerIdNamed(l.customer);
        if (id.isEmpty() || running != customerBalance(id, end)) {
            out << issue(u"ledger of %1 closes at %2, not at the customer's balance"_s.arg(
                l.customer, money(running)));
        }
    }
    return out;
}

QStringList bankProblems() {
    QStringList out;
    const Reconciliation r = reconciliation();
    if (r.difference != 0) {
        out << issue(u"the reconciliation is off by %1"_s.arg(money(r.difference)));
    }
    for (qsizetype i = 1; i < current().checks.size(); ++i) {
        if (current().checks[i].check.number <= current().checks[i - 1].check.number ||
            current().checks[i].check.date < current().checks[i - 1].check.date) {
            out << issue(u"check %1 is out of order"_s.arg(current().checks[i].check.number));
        }
    }
    return out;
}

// Every account an entry or an item names is in the chart.
QStringList chartProblems() {
    QStringList out;
    QStringList used;
    for (const Invoice& i : current().invoices) {
        for (const Posting& p : posting(i)) {
            used << p.account;
        }
    }
    for (const QList<Posting>& entry : current().journalEntries) {
        for (const Posting& p : entry) {
            used << p.account;
        }
    }
    for (const Item& it : current().items) {
        used << it.salesAccount;
    }
    for (const Posting& p : current().beginning) {
        used << p.account;
    }
    for (const QString& account : used) {
        if (accountName(account).isEmpty()) {
            out << issue(u"account %1 is not in the chart"_s.arg(account));
        }
    }
    out.removeDuplicates();
    return out;
}

// Every party a transaction names is on file.
QStringList partyProblems() {
    QStringList out;
    for (const Invoice& i : current().invoices) {
        if (nameIn(current().customers, i.customer).isEmpty()) {
            out << issue(u"invoice %1 names no known customer"_s.arg(i.number));
        }
    }
    for (const BankCheck& c : current().checks) {
        if (nameIn(current().vendors, c.check.payee).isEmpty()) {
            out << issue(u"check %1 pays no known vendor"_s.arg(c.check.number));
        }
    }
    for (const Purchase& p : current().purchases) {
        if (nameIn(current().vendors, p.vendor).isEmpty()) {
            out << issue(u"%1 names no known vendor"_s.arg(p.reference));
        }
    }
    return out;
}

QStringList jobAndStockProblems() {
    QStringList out;
    Cents invoicedToGreenway = 0;
    for (const Invoice& i : current().invoices) {
        invoicedToGreenway += i.customer == u"GREENWAY"_s ? total(i) : 0;
    }
    if (jobRevenue(u"GW-MAPLE"_s) > invoicedToGreenway) {
        out << issue(u"job GW-MAPLE earned more than its customer was invoiced"_s);
    }
    if (roseOnHand(2) < 0) {
        out << issue(u"more roses sold and written off than were on hand"_s);
    }
    QStringList ids;
    for (const Item& it : current().items) {
        if (ids.contains(it.id)) {
            out << issue(u"item %1 has two prices"_s.arg(it.id));
        }
        ids << it.id;
    }
    return out;
}

// A receipt applies what it brings, to its customer's invoices, and no more than they owe.
QStringList receiptProblems() {
    QStringList out;
    for (const Receipt& r : current().receipts) {
        Cents applied = 0;
        for (const Applied& a : r.applied) {
            applied += a.amount;
            const auto& all = current().invoices;
            const bool theirs = std::any_of(all.begin(), all.end(), [&](const Invoice& i) {
                return i.number == a.invoice && i.customer == r.customer;
            });
            if (!theirs || a.amount > openBefore(a.invoice, r.date)) {
                out << issue(u"%1 pays invoice %2, which its customer doesn't owe"_s.arg(
                    r.reference, QString::number(a.invoice)));
            }
        }
        if (applied != r.amount) {
            out << issue(
                u"%1 brings %2 but applies %3"_s.arg(r.reference, money(r.amount), money(applied)));
        }
    }
    return out;
}

// A check that pays bills pays their totals less the discounts, to their vendor.
QStringList paymentProblems() {
    QStringList out;
    for (const BankCheck& c : current().checks) {
        const QList<Purchase> bills = billsPaidBy(c.check.number);
        Cents due = 0;
        for (const Purchase& p : bills) {
            due += total(p) - p.discount;
            if (p.vendor != c.check.payee || p.order) {
                out << issue(u"check %1 pays %2, not a bill of its payee"_s.arg(
                    QString::number(c.check.number), p.reference));
            }
        }
        if (!bills.isEmpty() && due != c.check.amount) {
            out << issue(u"check %1 is %2, its bills less discounts %3"_s.arg(
                QString::number(c.check.number), money(c.check.amount), money(due)));
        }
    }
    return out;
}

// A payroll check pays a known employee more than nothing: what it withholds can't exceed
// the gross pay.
QStringList payrollProblems() {
    QStringList out;
    for (const PayrollCheck& c : current().payroll) {
        if (nameIn(current().employees, c.employee).isEmpty() || hourlyRate(c.employee) == 0) {
            out << issue(u"payroll check %1 pays no hourly employee on file"_s.arg(c.number));
        } else if (netPay(c) <= 0) {
            out << issue(u"payroll check %1 withholds %2 of a gross pay of %3"_s.arg(
                QString::number(c.number), money(grossPay(c) - netPay(c)), money(grossPay(c))));
        }
        if (c.date > today()) {
            out << issue(u"payroll check %1 is dated after the program's date"_s.arg(c.number));
        }
    }
    return out;
}

} // namespace

const QList<Customer>& vendors() {
    return current().vendors;
}

QString vendorName(const QString& id) {
    return nameIn(current().vendors, id);
}

const QList<Customer>& employees() {
    return current().employees;
}

QString employeeName(const QString& id) {
    return nameIn(current().employees, id);
}

const QList<Account>& chart() {
    return current().chart;
}

QString accountName(const QString& id) {
    for (const Account& a : current().chart) {
        if (a.id == id) {
            return a.description;
        }
    }
    return {};
}

QString accountType(const QString& id) {
    const int n = id.toInt();
    const QList<QPair<int, QString>> types = {
        {1100, u"Cash"_s},
        {1200, u"Accounts Receivable"_s},
        {1500, u"Inventory"_s},
        {2000, u"Fixed Assets"_s},
        {2100, u"Accounts Payable"_s},
        {2500, u"Other Current Liabilities"_s},
        {3000, u"Long Term Liabilities"_s},
        {4000, u"Equity"_s},
        {5000, u"Income"_s},
        {6000, u"Cost of Sales"_s},
        {10000, u"Expenses"_s},
    };
    for (const auto& [below, type] : types) {
        if (n < below) {
            return type;
        }
    }
    return {};
}

QDate beginningDate() {
    return d(12, 31, 2026);
}

const QList<Posting>& beginningBalances() {
    return current().beginning;
}

namespace {

QSet<QString>& figuresWritten() {
    static QSet<QString> written;
    return written;
}

} // namespace

QString money(Cents amount) {
    const QString units = QLocale(QLocale::English).toString(std::abs(amount) / 100);
    return example((amount < 0 ? u"-"_s : QString()) + units + u'.' +
                   u"%1"_s.arg(std::abs(amount) % 100, 2, 10, QChar(u'0')));
}

QString rate(Cents basisPoints) {
    return money(basisPoints);
}

QString example(const QString& shown) {
    figuresWritten().insert(shown);
    return shown;
}

bool isFigure(const QString& shown) {
    return figuresWritten().contains(shown);
}

void forgetFigures() {
    figuresWritten().clear();
}

QString day(const QDate& date) {
    return date.toString(u"MM/dd/yy"_s);
}

QDate today() {
    return d(3, 15);
}

const QList<Customer>& customers() {
    return current().customers;
}

QString customerName(const QString& id) {
    for (const Customer& c : current().customers) {
        if (c.id == id) {
            return c.name;
        }
    }
    return id;
}

const QList<Item>& items() {
    return current().items;
}

const Item& item(const QString& id) {
    return *std::find_if(current().items.begin(), current().items.end(),
                         [&id](const Item& i) { return i.id == id; });
}

const QList<Invoice>& invoices() {
    return current().invoices;
}

const Invoice& invoice(int number) {
    return *std::find_if(current().invoices.begin(), current().invoices.end(),
                         [number](const Invoice& i) { return i.number == number; });
}

Cents lineAmount(const Line& line) {
    return line.quantity * item(line.item).price;
}

Cents subtotal(const Invoice& invoice) {
    if (invoice.lines.isEmpty()) {
        return invoice.total;
    }
    Cents sum = 0;
    for (const Line& l : invoice.lines) {
        sum += lineAmount(l);
    }
    return sum;
}

Cents tax(const Invoice& invoice) {
    if (invoice.lines.isEmpty()) {
        return percentOf(invoice.total, invoice.taxRateBasisPoints);
    }
    Cents taxable = 0;
    for (const Line& l : invoice.lines) {
        taxable += item(l.item).taxable ? lineAmount(l) : 0;
    }
    return percentOf(taxable, invoice.taxRateBasisPoints);
}

Cents total(const Invoice& invoice) {
    return subtotal(invoice) + tax(invoice);
}

QStringList invoiceLineRow(const Line& line) {
    const Item& it = item(line.item);
    return {QString::number(line.quantity), it.id,
            line.description.isEmpty() ? it.description : line.description, money(it.price),
            money(lineAmount(line))};
}

const QList<Receipt>& receipts() {
    return current().receipts;
}

Cents customerBalance(const QString& customer, const QDate& at) {
    Cents balance = 0;
    for (const Invoice& i : current().invoices) {
        balance += i.customer == customer && i.date <= at ? total(i) : 0;
    }
    for (const Receipt& r : current().receipts) {
        balance -= r.customer == customer && r.date <= at ? r.amount : 0;
    }
    return balance;
}

Cents receivables() {
    Cents sum = 0;
    for (const Customer& c : current().customers) {
        sum += customerBalance(c.id, today());
    }
    return sum;
}

Cents openBefore(int invoice, const QDate& at) {
    Cents open = total(books::invoice(invoice));
    for (const Receipt& r : current().receipts) {
        for (const Applied& a : r.applied) {
            open -= a.invoice == invoice && r.date < at ? a.amount : 0;
        }
    }
    return open;
}

const Receipt& receipt(const QString& reference) {
    const auto& all = current().receipts;
    return *std::find_if(all.begin(), all.end(),
                         [&reference](const Receipt& r) { return r.reference == reference; });
}

int openInvoicesOlderThan(int days) {
    int count = 0;
    for (const Invoice& i : current().invoices) {
        count += openBefore(i.number, today().addDays(1)) != 0 && i.date.daysTo(today()) > days;
    }
    return count;
}

QList<AgingRow> aging() {
    QList<AgingRow> rows;
    for (const Customer& c : current().customers) {
        AgingRow row;
        row.customer = c.name;
        for (const Invoice& i : current().invoices) {
            if (i.customer != c.id) {
                continue;
            }
            const Cents open = openBefore(i.number, today().addDays(1));
            const qint64 days = i.date.daysTo(today());
            const int bucket = days <= 30 ? 0 : days <= 60 ? 1 : days <= 90 ? 2 : 3;
            row.buckets[bucket] += open;
            row.total += open;
        }
        if (row.total != 0) {
            rows << row;
        }
    }
    std::sort(rows.begin(), rows.end(),
              [](const AgingRow& a, const AgingRow& b) { return a.customer < b.customer; });
    return rows;
}

QList<Ledger> customerLedgers(const QString& fromId, const QString& toId, const QDate& from,
                              const QDate& to) {
    QList<Ledger> out;
    for (const Customer& c : current().customers) {
        if (c.id < fromId || c.id > toId) {
            continue;
        }
        QList<LedgerLine> moves;
        for (const Invoice& i : current().invoices) {
            if (i.customer == c.id && i.date >= from && i.date <= to) {
                moves << LedgerLine{i.date, u"Invoice"_s, QString::number(i.number), total(i), 0,
                                    0};
            }
        }
        for (const Receipt& r : current().receipts) {
            if (r.customer == c.id && r.date >= from && r.date <= to) {
                moves << LedgerLine{r.date, u"Receipt"_s, r.reference, 0, r.amount, 0};
            }
        }
        const Cents opening = customerBalance(c.id, from.addDays(-1));
        if (moves.isEmpty() && opening == 0) {
            continue;
        }
        // A day's invoices come before its receipts.
        std::stable_sort(moves.begin(), moves.end(),
                         [](const LedgerLine& a, const LedgerLine& b) { return a.date < b.date; });
        Ledger l{c.name, {LedgerLine{from, u"Balance"_s, {}, 0, 0, opening}}};
        Cents balance = opening;
        for (LedgerLine m : moves) {
            balance += m.debit - m.credit;
            m.balance = balance;
            l.lines << m;
        }
        out << l;
    }
    return out;
}

const QList<Check>& operatingChecks() {
    static const QList<Check> checks = [] {
        QList<Check> out;
        for (const BankCheck& c : kSample.checks) {
            out << c.check;
        }
        return out;
    }();
    return checks;
}

int nextCheckNumber() {
    int last = 0;
    for (const BankCheck& c : current().checks) {
        last = c.check.date < today() ? c.check.number : last;
    }
    return last + 1;
}

const QList<Deposit>& deposits() {
    return current().deposits;
}

Reconciliation reconciliation() {
    Reconciliation r{
        d(2, 28), current().lastStatement, current().statement, current().lastStatement, 0, 0};
    Cents outstanding = 0;
    for (const BankCheck& c : current().checks) {
        r.cleared -= c.state == Cleared::ThisStatement ? c.check.amount : 0;
        outstanding -= c.state == Cleared::Outstanding ? c.check.amount : 0;
    }
    for (const Deposit& dep : current().deposits) {
        (dep.cleared ? r.cleared : outstanding) += dep.amount;
    }
    r.difference = r.statement - r.cleared;
    r.book = r.cleared + outstanding;
    return r;
}

const QList<Purchase>& purchases() {
    return current().purchases;
}

const Purchase& purchase(const QString& reference) {
    const auto& all = current().purchases;
    return *std::find_if(all.begin(), all.end(),
                         [&reference](const Purchase& p) { return p.reference == reference; });
}

Cents purchaseLineAmount(const Line& line) {
    return line.quantity * item(line.item).cost;
}

Cents subtotal(const Purchase& purchase) {
    if (purchase.lines.isEmpty()) {
        return purchase.amount;
    }
    Cents sum = 0;
    for (const Line& l : purchase.lines) {
        sum += purchaseLineAmount(l);
    }
    return sum;
}

Cents total(const Purchase& purchase) {
    return subtotal(purchase) + purchase.freight;
}

QStringList purchaseLineRow(const Line& line) {
    const Item& it = item(line.item);
    return {QString::number(line.quantity), it.id,
            line.description.isEmpty() ? it.description : line.description, money(it.cost),
            money(purchaseLineAmount(line))};
}

Cents purchasesThisYear(const QString& vendor) {
    Cents sum = 0;
    for (const Purchase& p : current().purchases) {
        sum += p.vendor == vendor && !p.order && p.date.year() == today().year() ? total(p) : 0;
    }
    return sum;
}

QList<Purchase> billsPaidBy(int check) {
    QList<Purchase> out;
    for (const Purchase& p : current().purchases) {
        if (p.paidBy == check) {
            out << p;
        }
    }
    return out;
}

const QList<PayrollCheck>& payrollChecks() {
    return current().payroll;
}

Cents hourlyRate(const QString& employee) {
    for (const Pay& p : kPay) {
        if (p.employee == employee) {
            return p.hourly;
        }
    }
    return 0;
}

Cents salary(const QString& employee) {
    for (const Pay& p : kPay) {
        if (p.employee == employee) {
            return p.salary;
        }
    }
    return 0;
}

Cents overtimeMultiplier() {
    return kOvertimeMultiplier;
}

Cents earningRate(const PayrollCheck& check, const Earning& earning) {
    const Cents hourly = hourlyRate(check.employee);
    return earning.type == u"OVERTIME"_s ? (hourly * kOvertimeMultiplier + 50) / 100 : hourly;
}

Cents earningAmount(const PayrollCheck& check, const Earning& earning) {
    return (earning.hours * earningRate(check, earning) + 50) / 100;
}

Cents grossPay(const PayrollCheck& check) {
    Cents sum = 0;
    for (const Earning& e : check.earnings) {
        sum += earningAmount(check, e);
    }
    return sum;
}

QList<PayLine> withholdings(const PayrollCheck& check) {
    const Cents gross = grossPay(check);
    return {{u"Federal income tax"_s, check.federalIncomeTax},
            {u"Social Security"_s, percentOf(gross, payrollTaxRate(u"FICA-SS"_s))},
            {u"Medicare"_s, percentOf(gross, payrollTaxRate(u"FICA-MED"_s))},
            {u"State income tax"_s, check.stateIncomeTax},
            {u"CA-SDI"_s, percentOf(gross, payrollTaxRate(u"CA-SDI"_s))},
            {u"401K"_s, percentOf(gross, kRetirementDeduction)},
            {u"HEALTH"_s, kHealthDeduction}};
}

// Twice a month: half the monthly health contribution on each check.
QList<PayLine> contributions(const PayrollCheck& check) {
    const Cents gross = grossPay(check);
    const Cents match =
        std::min(percentOf(percentOf(gross, kRetirementDeduction), kRetirementMatch),
                 percentOf(gross, kRetirementMatchLimit));
    return {{u"401K-MATCH"_s, match},
            {u"HEALTH-CO"_s, kHealthContribution / 2},
            {u"WC"_s, percentOf(gross, kWorkersCompensation)}};
}

Cents netPay(const PayrollCheck& check) {
    Cents net = grossPay(check);
    for (const PayLine& l : withholdings(check)) {
        net -= l.amount;
    }
    return net;
}

const QList<PayrollTax>& payrollTaxes() {
    return kPayrollTaxes;
}

Cents payrollTaxRate(const QString& id) {
    for (const PayrollTax& t : kPayrollTaxes) {
        if (t.id == id) {
            return t.rate;
        }
    }
    return 0;
}

Cents healthDeduction() {
    return kHealthDeduction;
}
Cents retirementDeduction() {
    return kRetirementDeduction;
}
Cents retirementMatch() {
    return kRetirementMatch;
}
Cents retirementMatchLimit() {
    return kRetirementMatchLimit;
}
Cents healthContribution() {
    return kHealthContribution;
}
Cents workersCompensationRate() {
    return kWorkersCompensation;
}

const Job& job(const QString& id) {
    return *std::find_if(kJobs.begin(), kJobs.end(), [&id](const Job& j) { return j.id == id; });
}

// What the goods an invoice sold had cost: from its lines, or as stored for one without lines.
Cents costOfGoods(const Invoice& invoice) {
    Cents sum = invoice.cost;
    for (const Line& l : invoice.lines) {
        sum += purchaseLineAmount(l);
    }
    return sum;
}

Cents jobExpenses(const QString& job) {
    Cents sum = 0;
    for (const PayrollCheck& c : current().payroll) {
        for (const Earning& e : c.earnings) {
            sum += e.job == job ? earningAmount(c, e) : 0;
        }
    }
    for (const Invoice& i : current().invoices) {
        sum += i.job == job ? costOfGoods(i) : 0;
    }
    return sum;
}

const Invoice& quote() {
    return kQuote;
}

const QList<TaxAuthority>& millbrookAuthorities() {
    return kMillbrookAuthorities;
}

Cents millbrookRate() {
    return kMillbrook;
}

Cents cardFee() {
    return 250;
}

const QList<QList<Posting>>& journalEntries() {
    return current().journalEntries;
}

Cents jobRevenue(const QString& job) {
    Cents sum = 0;
    for (const Invoice& i : current().invoices) {
        sum += i.job == job ? subtotal(i) : 0;
    }
    return sum;
}

int roseOnHand(int step) {
    int sold = 0;
    for (const Line& l : invoice(10482).lines) {
        sold += l.item == u"ROSE-HT"_s ? l.quantity : 0;
    }
    return current().roseAtStart - (step >= 1 ? sold : 0) -
           (step >= 2 ? current().roseFrostDamage : 0);
}

int roseOnOrder() {
    int ordered = 0;
    for (const Purchase& p : current().purchases) {
        for (const Line& l : p.lines) {
            ordered += p.order && l.item == u"ROSE-HT"_s ? l.quantity : 0;
        }
    }
    return ordered;
}

QList<Posting> posting(const Invoice& invoice) {
    QList<Posting> out{{u"1100"_s, total(invoice), 0}};
    const Cents cost = costOfGoods(invoice);
    if (invoice.lines.isEmpty()) {
        out << Posting{u"4010"_s, 0, subtotal(invoice)} << Posting{u"2100"_s, 0, tax(invoice)};
        if (cost != 0) {
            out << Posting{u"5000"_s, cost, 0} << Posting{u"1200"_s, 0, cost};
        }
        return out;
    }
    QList<Posting> sales;
    for (const Line& l : invoice.lines) {
        const Item& it = item(l.item);
        auto at = std::find_if(sales.begin(), sales.end(),
                               [&it](const Posting& p) { return p.account == it.salesAccount; });
        if (at == sales.end()) {
            sales << Posting{it.salesAccount, 0, 0};
            at = sales.end() - 1;
        }
        at->credit += lineAmount(l);
    }
    std::sort(sales.begin(), sales.end(),
              [](const Posting& a, const Posting& b) { return a.account < b.account; });
    out << sales << Posting{u"2100"_s, 0, tax(invoice)};
    if (cost != 0) {
        out << Posting{u"5000"_s, cost, 0} << Posting{u"1200"_s, 0, cost};
    }
    return out;
}

const Books& sampleBooks() {
    return kSample;
}

QStringList check(const Books& books) {
    const Books* before = gCurrent;
    gCurrent = &books;
    const QStringList out = datesProblems() + balanceProblems() + agingProblems() +
                            ledgerProblems() + bankProblems() + jobAndStockProblems() +
                            chartProblems() + partyProblems() + receiptProblems() +
                            paymentProblems() + payrollProblems();
    gCurrent = before;
    return out;
}

QStringList check() {
    return check(kSample);
}

} // namespace shots::books
