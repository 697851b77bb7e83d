// SPDX-License-Identifier: MIT
// Small pictograms for Orvane's toolbars, windows and pages.
#pragma once

#include <QPixmap>

namespace shots {

enum class Glyph {
    // Main toolbar and modules
    MainMenu,
    Customers,
    Invoices,
    Receipts,
    Vendors,
    Purchases,
    Payments,
    Items,
    Employees,
    Accounts,
    Reports,
    WhatsThis,
    // Window toolbar
    Close,
    Save,
    New,
    Delete,
    Print,
    Email,
    Alert,
    Notes,
    Journal,
    Help,
    Convert,
    Return,
    First, // a window toolbar's way through the records
    Previous,
    Next,
    Last,
    // Everything else
    Logo,
    Page,
    Folder,
    Book,
    BookOpen,
    Lookup,
    Calendar,
    Jobs,
    SalesTax,
    Quotes,
    Statements,
    Payroll,
    Ledger,
    Company,
    Bank,
    Budget,
    Filter,
    Sort,
    Phone,
    Globe,
    School,
    Disk,
    Check,
    Star,
};

// The pictogram drawn into a square pixmap of `size` pixels, transparent around it.
QPixmap glyph(Glyph g, int size = 20);

} // namespace shots
