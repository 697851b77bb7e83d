// SPDX-License-Identifier: MIT
#include "help_texts.h"

#include <array>
#include <cstddef>

namespace script {
namespace {

// Indexed by scene number. The section openings and the closing page show no callout.
constexpr auto kHelpTexts = std::to_array<std::string_view>({
    // 0: unused: scenes count from 1
    "",
    // 1: tutorial tips page, no callout
    "",
    // 2: Navigation opening page, no callout
    "",
    // 3: the Main Menu, its modules and their everyday tasks
    "The Main Menu is where you begin in Orvane.  Its buttons open the accounting modules: "
    "Receivables, Payables, Inventory, Payroll, General Ledger, Reports and Company.  Under "
    "each module you find the everyday tasks that go with it, so the work you do most often is "
    "only one click away.",
    // 4: navigation aids and their maintenance tasks
    "Each module of Orvane also has a navigation aid, a panel that lays out its work as a flow "
    "chart of tasks.  Choose Window, Navigation Aids to open the aid for a module.  The left "
    "side of a navigation aid holds its maintenance tasks, where you set up the records that "
    "you keep from one transaction to the next: in the Receivables Navigation Aid these are "
    "Customers, Jobs and Sales Tax.",
    // 5: transaction and printing tasks of a navigation aid
    "To the right are the tasks for transactions and for printing.",
    // 6: the report list of a navigation aid
    "Along the bottom of each navigation aid is a list of the module's reports.",
    // 7: the right mouse button in record windows
    "Click the right mouse button anywhere in a record window to open its shortcut menu.  Its "
    "Go To entries take you directly to the windows related to that record: from a customer, "
    "for example, to that customer's invoices, receipts and quotes.",
    // 8: copying a record by typing a new ID
    "To copy a record, open it, type a new ID over the old ID and click Save.  Orvane saves a "
    "copy with the ID you typed.",
    // 9: Edit, Change ID
    "To change the ID of a record, open it and choose Edit, Change ID.  Orvane changes the ID "
    "in all its transactions too.",
    // 10: setting up an alert message
    "An alert message is a note that Orvane shows whenever you use a customer, vendor or "
    "employee in a transaction.  Open the record, choose Edit, Alert Message and type it.",
    // 11: the Alert button
    "Click Alert on the toolbar to read the alert message.",
    // 12: File, Open
    "Choose File, Open and pick a transaction type to list the ones you have entered so far.",
    // 13: filtering and sorting the transaction list
    "Click Filter to limit the list to a range of dates, to a customer, or both, and use Sort "
    "By to put it in order of date, number or amount.",
    // 14: the Comment field of transactions
    "Every transaction window has a Comment field of its own, for a short note about that "
    "transaction.",
    // 15: File, Duplicate Transaction
    "To enter a transaction much like one you have entered before, open the earlier one and "
    "choose File, Duplicate Transaction.  Change whatever differs, then save the copy.",
    // 16: Related Reports on the right mouse button
    "For a quick look at the history of a customer, vendor or item, click the right mouse "
    "button in its window and choose Related Reports.  Pick a report from the list, and Orvane "
    "runs it for that record alone.",
    // 17: Show Accounting Entries and the Journal tab
    "Every transaction you enter makes entries in your accounts.  To see them, choose Options, "
    "Show Accounting Entries: a check mark appears by the command, and each transaction window "
    "gets a Journal tab with the debits and credits behind that transaction.  Choose the "
    "command again to hide the tab.  You can also click Journal on the toolbar.",
    // 18: Fast Add
    "Fast Add saves you from leaving a transaction when a customer, vendor or item is "
    "missing.  Choose <New> at the top of the lookup list, and a small window opens where you "
    "enter the essentials of the new record.  Click Save, and you are back in the transaction "
    "with the new record filled in.  You can add its other details later on.",
    // 19: the Import Wizard
    "To bring data from another program into Orvane, choose File, Import.  The Import Wizard "
    "asks what kind of records you are importing, the file that contains them and how its "
    "fields match those of Orvane.  Click Next to move from step to step and Back to change an "
    "earlier answer, then click Finish to import the records.",
    // 20: the Export Wizard
    "To take data out of Orvane, choose File, Export.  The Export Wizard asks what kind of "
    "records you want to export, which of their fields to include and the name of the file to "
    "write.  Click Next to move through the steps and Back to change an earlier one.  Click "
    "Finish to write the file, or Cancel to stop.",
    // 21: backing up the company
    "Back up your company's data often.  Choose File, Back Up and name the backup in the Back "
    "Up Company window.  Orvane saves it all in a file ending in .obk.",
    // 22: restoring a backup
    "If your data is ever lost or damaged, choose File, Restore.  In the Restore Company "
    "window, select the backup file, and Orvane puts your company files back.",
    // 23: context help: the ? button and F1
    "For help on a task or a field, click the ? button on the toolbar, or choose Help, What's "
    "This?, then click on it.  Press F1 for help on the window you are working in.",
    // 24: Orvane Help contents
    "Choose Help, Contents to open Orvane Help at its Contents tab.  The topics are grouped "
    "into books by module and by task.  Double-click a book to open it and see the books and "
    "topics inside, and double-click a topic to read it.  Underlined words in a topic lead to "
    "related topics: click one to jump there, and click the Contents tab to return to the "
    "list.  The Index tab lists the help by keyword, and the Search tab finds every topic that "
    "contains the words you type.  Keep Orvane Help open beside your work and follow a task "
    "one step at a time.",
    // 25: the help index
    "The Index tab of Orvane Help lists the topics by keyword.  Type the first few letters of "
    "a word to jump to it, then double-click an entry to open its topic.",
    // 26: the Orvane Support Center
    "When you need more help than Orvane Help gives, choose Help, Customer Support to open the "
    "Orvane Support Center.  It lists the ways to reach us: telephone support with one of our "
    "support staff during business hours, e-mail support for questions that can wait a day, "
    "and the online knowledge base, where you can search for answers to common questions at "
    "any hour.  The Support Center also lists training classes, where you and your staff can "
    "learn Orvane in a classroom with a trainer.",
    // 27: Receivables opening page, no callout
    "",
    // 28: the Customers window and prospects
    "Choose Lists, Customers to open the Customers window.  A customer has a Customer ID, a "
    "name and four tabs: General for addresses and contacts, Sales Defaults for the terms and "
    "accounts of its invoices, Payment History and Custom Fields.  Select the Prospect check "
    "box for someone who is not yet a customer.",
    // 29: jobs
    "Jobs let you track the income and costs of a single project for a customer, such as a "
    "landscaping contract.  Choose Lists, Jobs to set one up with its customer, start and end "
    "dates and estimates.  Whenever you enter the job on invoices, purchases and payroll "
    "checks, Orvane totals what the job has earned and cost.",
    // 30: customer payment methods
    "Customer payment methods are the ways your customers pay you, such as cash, check or "
    "credit card.  Choose Lists, Payment Methods to add them, then pick one when you record a "
    "receipt, and Orvane posts it to the method's account.",
    // 31: sales tax authorities and their effective dates
    "Sales tax authorities are the state, county and city offices that collect sales tax.  "
    "Choose Lists, Sales Tax Authorities to set up each one with its rate and its tax "
    "account.  If a rate changes, enter the new rate and the date it takes effect: Orvane uses "
    "the previous rate for sales dated before that day.",
    // 32: sales tax locations
    "A sales tax location combines the authorities that tax a sale made in one place, such as "
    "the state, county and city.  Choose Lists, Sales Tax Locations, add the authorities, and "
    "Orvane adds up their rates.  Give each customer a location, and its invoices charge the "
    "right tax.",
    // 33: quotes and Convert to Invoice
    "A quote tells a customer what goods or services will cost, without posting anything to "
    "your accounts.  Choose Tasks, Quotes to enter one, then print it or e-mail it to the "
    "customer.  When the customer agrees, open the quote and click Convert to Invoice on the "
    "toolbar.  Orvane copies each line onto a new invoice, so that you don't type anything "
    "twice.",
    // 34: invoices
    "An invoice records a sale made to a customer: the items or services sold, their prices, "
    "the sales tax and the terms of payment.  Choose Tasks, Invoices to enter one.  Orvane "
    "updates the customer's balance and your accounts when you save.",
    // 35: the stock status of an item sold
    "When you sell an item on an invoice, Orvane shows its stock status: the quantity now on "
    "hand and the quantity on order.",
    // 36: payment at the time of sale
    "If a customer pays when you make the sale, press F7 on the invoice to enter the payment.  "
    "No separate receipt is needed then.",
    // 37: Create Return
    "If goods you sold come back, open their invoice and click Create Return on the toolbar to "
    "make it a sales return.",
    // 38: receipts
    "Choose Tasks, Receipts to record a payment from a customer.  Pick the customer, and "
    "Orvane lists its open invoices so that you can apply the payment to them.",
    // 39: Payables opening page, no callout
    "",
    // 40: the Vendors window
    "Choose Lists, Vendors to open the Vendors window, where you keep the Vendor ID, name and "
    "address of a vendor.",
    // 41: the Purchases & Payments tab
    "The Purchases & Payments tab has the vendor's terms, its usual expense account and a "
    "history of its purchases and payments.",
    // 42: the Custom Fields tab
    "On the Custom Fields tab, you can keep any other details about a vendor, under field "
    "names that you choose.",
    // 43: company payment methods
    "Company payment methods are the ways your company pays its own bills: check, card, cash "
    "or transfer.  Choose Lists, Payment Methods and give each method the account that it is "
    "paid from.  When you enter a payment or a paid purchase, choose the payment method, and "
    "Orvane credits the right account and prints a check if one is needed.",
    // 44: purchase orders and Convert to Purchase
    "A purchase order tells a vendor what you want to buy.  Choose Tasks, Purchase Orders to "
    "enter one, then click Print to print it or Email to send it.  When the goods arrive, open "
    "the order and click Convert to Purchase on the toolbar.  Orvane copies the lines into a "
    "purchase and marks the order filled, so you always know which orders are still open.",
    // 45: purchases, paid or unpaid
    "Choose Tasks, Purchases to enter a vendor's bill for goods or services.  If you pay the "
    "bill later, Orvane adds it to what you owe the vendor until you enter the payment for that "
    "bill.  If you pay it when you buy, choose a payment method on the purchase itself, and "
    "Orvane then records the purchase and its payment together.",
    // 46: payments, prepayments and refunds
    "Choose Tasks, Payments to pay your vendors.  Besides paying purchases that are due, you "
    "can make a single payment for a bill you have not entered, a prepayment before the bill "
    "arrives, or a refund to a customer.  Mark what to pay and Orvane prints the check.",
    // 47: Inventory opening page, no callout
    "",
    // 48: item records
    "Choose Lists, Items to set up the goods and services you buy and sell.  Each item record "
    "has its Item ID, a description, its sale price and cost, and the accounts of its sales, "
    "costs and inventory.  Orvane keeps the quantity on hand up to date.",
    // 49: inventory adjustments
    "Use an inventory adjustment when the quantity you count on the shelf differs from the "
    "quantity in Orvane, for example after breakage, theft or a stock count.  Choose Tasks, "
    "Inventory Adjustments, select the item, then enter the change in quantity and the "
    "reason.  Orvane updates the quantity on hand and posts the cost of the change to the "
    "item's inventory account and to an adjustment account.",
    // 50: Payroll opening page, no callout
    "",
    // 51: employee records
    "Choose Lists, Employees to keep a record for each employee: name, address, Social "
    "Security number, hire date, pay rate and pay frequency, and filing status and allowances "
    "for tax.  Orvane uses this record each time you write a payroll check.",
    // 52: earning types
    "Earning types are the kinds of pay that you give your employees, such as hourly pay, "
    "overtime, salary, bonuses or tips.  Choose Lists, Earning Types to set them up.  For each "
    "earning type you choose the account it is charged to and which payroll taxes apply to it, "
    "so that Orvane withholds the right amounts.",
    // 53: deductions
    "Deductions are amounts other than taxes that you take from an employee's wages, such as "
    "health insurance or a retirement plan.  Choose Lists, Deductions to set them up with "
    "an account and an amount.",
    // 54: employer contributions
    "Contributions are amounts that you as the employer pay on behalf of your employees, such "
    "as a matching retirement contribution.  Choose Lists, Contributions to set them up with "
    "two accounts and a formula.",
    // 55: payroll taxes
    "Choose Lists, Payroll Taxes to set up the federal, state and local taxes on wages, with "
    "their rates and wage limits.  Orvane computes the taxes on every payroll check and tracks "
    "what you owe each tax agency.",
    // 56: payroll checks
    "Choose Tasks, Payroll Checks to pay an employee.  Select the employee, then enter the "
    "hours or the amount for each earning type, and Orvane computes the taxes, deductions and "
    "contributions from the employee's record and fills in the net pay.  Check the figures, "
    "correct any that are wrong, then click Print.  Orvane records the check in your accounts "
    "and in the payroll history.",
    // 57: General Ledger opening page, no callout
    "",
    // 58: the chart of accounts
    "The chart of accounts is the list of every account in your general ledger: assets, "
    "liabilities, equity, income and expenses.  Choose Lists, Chart of Accounts to add an "
    "account or change one.  Each has an ID and a type.",
    // 59: departments
    "Departments let you split the figures of your business into separate parts, such as a "
    "garden center and a landscaping crew.  Choose Lists, Departments to set them up.  Enter a "
    "department on transactions, and Orvane can print financial statements for each department.",
    // 60: budgets
    "Choose Tasks, Budgets to enter the amounts you expect for each account and period, for "
    "the whole company or for a department.  Orvane compares them with your actual figures.",
    // 61: accounting periods
    "Orvane divides your fiscal year into accounting periods, usually one for each month.  "
    "Double-click the period on the status bar to set the start and end dates of each.  Orvane "
    "posts each transaction to the period of its date, and the status bar shows the period you "
    "work in.",
    // 62: the general journal
    "Choose Tasks, General Journal to make entries that no other window covers, such as "
    "depreciation, accruals or the correction of a mistake.  Enter the accounts to debit and "
    "credit with their amounts.  Orvane won't save the entry until the debits equal the "
    "credits.",
    // 63: account reconciliation
    "Choose Tasks, Account Reconciliation to match your records of a bank account to your bank "
    "statement.  Enter the ending balance of the statement, then mark the checks and deposits "
    "that have cleared, and Orvane shows the difference until the two agree.",
    // 64: Reports/Forms opening page, no callout
    "",
    // 65: Reports on the Main Menu
    "Click Reports on the Main Menu to see the reports of Orvane, grouped by module: "
    "Receivables, Payables, Inventory, Payroll and so on.",
    // 66: the Report Selector
    "Choose Reports, Report Selector to see every report of Orvane in one window.  The modules "
    "are listed on the left; click one, and its reports appear on the right.  Double-click a "
    "report to open it.  Or select it and click Preview, Print or Filters on the toolbar.  The "
    "Main Menu's Reports button opens this window too.",
    // 67: the Filters tab
    "On the Filters tab you limit a report to the records you need, such as a range of dates "
    "or customers or a customer type.  Leave a filter blank to include all.",
    // 68: the Options tab
    "The Options tab controls how a report looks and prints: the printer and paper, the "
    "margins, the fonts of its titles, headings and lines, and which columns it shows.  Save "
    "these choices as the defaults for that report, and Orvane uses them each time you open it.",
    // 69: the Preview tab
    "The Preview tab shows the report on screen exactly as it will print, so that you can "
    "check it before you print it.",
    // 70: drilling down
    "When a report shows summary figures, double-click a summary line to drill down to the "
    "detail report behind it.  Orvane opens the detail report with the same filters, so that "
    "you see exactly the entries that make up that figure.",
    // 71: drilling back
    "From a detail report you can drill back to the source.  Double-click a transaction line, "
    "and Orvane opens that invoice, receipt or check in its transaction window, where you can "
    "review or correct it.  Close the window to return to the report.",
    // 72: form alignment
    "If your printed forms, such as checks and invoices, don't line up with the boxes on the "
    "paper, choose Reports, Form Alignment.  Move the top and left margins in small steps and "
    "print a test form until every field sits where it should.",
    // 73: Company opening page, no callout
    "",
    // 74: preferences
    "Choose Options, Preferences to decide how Orvane works for your company, such as the "
    "default accounts and terms, the next invoice number or whether to warn you about "
    "duplicate numbers.",
    // 75: beginning balances
    "If you start using Orvane after your business has been running, choose Options, Beginning "
    "Balances to enter the balance of each account on the day you start.  Orvane opens your "
    "books with those figures.",
    // 76: company information
    "Choose Options, Company Information to enter your company's name, address, telephone and "
    "fax numbers, and its tax identification numbers.  Orvane prints them on your invoices, "
    "checks and reports and puts the name on the main window's status bar.",
    // 77: payment terms
    "Payment terms tell your customers when an invoice is due and what discount they get for "
    "paying early.  Choose Lists, Payment Terms to set them up.  With 2% 10, Net 30, for "
    "example, a customer who pays a $500.00 invoice within 10 days of its date may take a "
    "discount of $10.00; otherwise the full amount is due within 30 days.",
    // 78: users and passwords
    "If several people use Orvane, choose Lists, Users to give each one a user ID and a "
    "password.  For each user you also choose what access that person has to each module, so "
    "that only the right people can see payroll or change your accounts.  Orvane asks for the "
    "password whenever it starts.",
    // 79: notes on records
    "Click Notes on the toolbar of a record window to keep notes with that customer, vendor, "
    "employee or item, such as the details of a phone call.  Each note is stamped with the "
    "date.  Notes stay with the record and are there whenever you open it, but they never "
    "print on forms.",
    // 80: closing page, no callout
    "",
});

} // namespace

std::string_view helpText(int scene) {
    if (scene < 0 || static_cast<std::size_t>(scene) >= kHelpTexts.size()) {
        return {};
    }
    return kHelpTexts[static_cast<std::size_t>(scene)];
}

} // namespace script
