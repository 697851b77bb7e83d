// SPDX-License-Identifier: MIT
#include "glyphs.h"
#include "look.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

namespace shots {

namespace {

// A few fixed colours keep the pictures' palettes small.
const QColor kInk(0x20, 0x20, 0x20);
const QColor kPaper(0xff, 0xff, 0xff);
const QColor kNavy(0x1c, 0x3f, 0x94);
const QColor kBlue(0x3a, 0x7b, 0xd5);
const QColor kGreen(0x2e, 0x8b, 0x3e);
const QColor kLeaf(0x6a, 0xb8, 0x4a);
const QColor kRed(0xc8, 0x28, 0x28);
const QColor kYellow(0xf6, 0xd0, 0x3c);
const QColor kOrange(0xe0, 0x82, 0x2a);
const QColor kBrown(0x9a, 0x6a, 0x3a);
const QColor kGrey(0x90, 0x90, 0x90);
const QColor kLight(0xdc, 0xdc, 0xdc);
const QColor kSkin(0xf0, 0xc8, 0xa0);

// All pictograms are drawn on a 20 x 20 grid; the painter scales them.
void page(QPainter& p, int x, int y, int w, int h) {
    p.setPen(kInk);
    p.setBrush(kPaper);
    p.drawRect(x, y, w, h);
    p.setPen(kGrey);
    for (int ly = y + 4; ly < y + h - 1; ly += 3)
        p.drawLine(x + 2, ly, x + w - 3, ly);
}

void person(QPainter& p, int x, int y, const QColor& shirt) {
    p.setPen(kInk);
    p.setBrush(kSkin);
    p.drawEllipse(x + 3, y, 7, 7);
    p.setBrush(shirt);
    p.drawRoundedRect(x, y + 8, 13, 9, 3, 3);
}

void arrowRight(QPainter& p, int x, int y, const QColor& c) {
    p.setPen(kInk);
    p.setBrush(c);
    p.drawPolygon(
        QPolygon({QPoint(x, y + 2), QPoint(x + 5, y + 2), QPoint(x + 5, y), QPoint(x + 9, y + 4),
                  QPoint(x + 5, y + 8), QPoint(x + 5, y + 6), QPoint(x, y + 6)}));
}

void coin(QPainter& p, int x, int y) {
    p.setPen(kInk);
    p.setBrush(kYellow);
    p.drawEllipse(x, y, 8, 8);
}

void banknote(QPainter& p, int x, int y) {
    p.setPen(kInk);
    p.setBrush(QColor(0xa8, 0xd8, 0x98));
    p.drawRect(x, y, 14, 8);
    p.drawEllipse(x + 5, y + 2, 4, 4);
}

void drawGlyph(QPainter& p, Glyph g) {
    switch (g) {
    case Glyph::MainMenu: // a house
        p.setPen(kInk);
        p.setBrush(kRed);
        p.drawPolygon(QPolygon({QPoint(1, 10), QPoint(10, 2), QPoint(19, 10)}));
        p.setBrush(kPaper);
        p.drawRect(4, 10, 12, 8);
        p.setBrush(kBrown);
        p.drawRect(8, 13, 4, 5);
        break;
    case Glyph::Customers:
        person(p, 3, 1, kBlue);
        break;
    case Glyph::Employees:
        person(p, 0, 2, kGreen);
        person(p, 7, 1, kBlue);
        break;
    case Glyph::Invoices:
        page(p, 3, 1, 13, 17);
        p.setPen(kGreen);
        p.setFont(uiFont(11, true));
        p.drawText(QRect(3, 8, 13, 10), Qt::AlignCenter, QStringLiteral("$"));
        break;
    case Glyph::Quotes:
        page(p, 3, 1, 13, 17);
        p.setPen(kNavy);
        p.setFont(uiFont(11, true));
        p.drawText(QRect(3, 7, 13, 10), Qt::AlignCenter, QStringLiteral("Q"));
        break;
    case Glyph::Receipts:
        banknote(p, 1, 4);
        coin(p, 10, 10);
        break;
    case Glyph::Payments:
        p.setPen(kInk);
        p.setBrush(QColor(0xd8, 0xe8, 0xf8));
        p.drawRect(0, 5, 19, 10);
        p.setPen(kNavy);
        p.drawLine(2, 12, 9, 12);
        p.drawLine(12, 8, 17, 8);
        p.drawLine(12, 12, 17, 12);
        break;
    case Glyph::Vendors: // a delivery truck
        p.setPen(kInk);
        p.setBrush(kOrange);
        p.drawRect(0, 5, 11, 9);
        p.setBrush(kBlue);
        p.drawPolygon(QPolygon(
            {QPoint(11, 8), QPoint(16, 8), QPoint(19, 11), QPoint(19, 14), QPoint(11, 14)}));
        p.setBrush(kInk);
        p.drawEllipse(2, 13, 4, 4);
        p.drawEllipse(13, 13, 4, 4);
        break;
    case Glyph::Purchases: // a cart
        p.setPen(QPen(kInk, 1));
        p.setBrush(kLight);
        p.drawPolygon(QPolygon({QPoint(3, 5), QPoint(18, 5), QPoint(16, 12), QPoint(5, 12)}));
        p.drawLine(0, 2, 3, 2);
        p.drawLine(3, 2, 5, 12);
        p.setBrush(kInk);
        p.drawEllipse(5, 15, 3, 3);
        p.drawEllipse(14, 15, 3, 3);
        p.setBrush(kLeaf);
        p.setPen(kGreen);
        p.drawRect(7, 3, 3, 4);
        p.drawRect(11, 2, 3, 5);
        break;
    case Glyph::Items: // a box
        p.setPen(kInk);
        p.setBrush(QColor(0xd8, 0xa8, 0x68));
        p.drawRect(2, 6, 15, 12);
        p.setBrush(QColor(0xe8, 0xc0, 0x88));
        p.drawPolygon(QPolygon({QPoint(2, 6), QPoint(6, 2), QPoint(19, 2), QPoint(17, 6)}));
        p.drawLine(9, 6, 9, 11);
        break;
    case Glyph::Accounts:
    case Glyph::Ledger:
        p.setPen(kInk);
        p.setBrush(kGreen);
        p.drawRect(2, 1, 15, 18);
        p.setBrush(kPaper);
        p.drawRect(5, 4, 9, 5);
        p.setPen(kPaper);
        p.drawLine(5, 13, 14, 13);
        p.drawLine(5, 15, 14, 15);
        break;
    case Glyph::Reports: // a bar chart on a page
        page(p, 2, 1, 15, 17);
        p.setPen(kInk);
        p.setBrush(kBlue);
        p.drawRect(4, 10, 3, 6);
        p.setBrush(kGreen);
        p.drawRect(8, 6, 3, 10);
        p.setBrush(kRed);
        p.drawRect(12, 12, 3, 4);
        break;
    case Glyph::WhatsThis: // arrow with question mark
        p.setPen(kInk);
        p.setBrush(kPaper);
        p.drawPolygon(QPolygon({QPoint(1, 1), QPoint(1, 14), QPoint(4, 11), QPoint(7, 17),
                                QPoint(9, 16), QPoint(6, 10), QPoint(10, 10)}));
        p.setPen(kNavy);
        p.setFont(uiFont(14, true));
        p.drawText(QRect(9, 0, 11, 14), Qt::AlignCenter, QStringLiteral("?"));
        break;
    case Glyph::Close: // a door with an arrow
        p.setPen(kInk);
        p.setBrush(kBrown);
        p.drawRect(2, 1, 10, 18);
        p.setBrush(kYellow);
        p.drawRect(9, 10, 1, 1);
        arrowRight(p, 10, 6, kRed);
        break;
    case Glyph::Save: // a floppy disk
    case Glyph::Disk:
        p.setPen(kInk);
        p.setBrush(kNavy);
        p.drawRect(2, 2, 16, 16);
        p.setBrush(kPaper);
        p.drawRect(5, 2, 10, 6);
        p.setBrush(kLight);
        p.drawRect(5, 12, 10, 6);
        p.setBrush(kNavy);
        p.drawRect(11, 3, 2, 4);
        break;
    case Glyph::New:
        page(p, 3, 2, 12, 16);
        p.setPen(kOrange);
        p.setBrush(kYellow);
        p.drawPolygon(QPolygon({QPoint(15, 0), QPoint(17, 4), QPoint(20, 5), QPoint(17, 7),
                                QPoint(16, 10), QPoint(14, 7), QPoint(11, 5), QPoint(14, 4)}));
        break;
    case Glyph::Delete:
        p.setPen(QPen(kRed, 3));
        p.drawLine(4, 4, 15, 15);
        p.drawLine(15, 4, 4, 15);
        break;
    case Glyph::Print:
        p.setPen(kInk);
        p.setBrush(kPaper);
        p.drawRect(5, 1, 10, 7);
        p.setBrush(kLight);
        p.drawRect(1, 7, 18, 8);
        p.setBrush(kPaper);
        p.drawRect(4, 12, 12, 7);
        p.setBrush(kGreen);
        p.drawRect(15, 9, 2, 1);
        break;
    case Glyph::Email:
        p.setPen(kInk);
        p.setBrush(kPaper);
        p.drawRect(1, 4, 18, 12);
        p.drawLine(1, 4, 10, 11);
        p.drawLine(19, 4, 10, 11);
        break;
    case Glyph::Alert:
        p.setPen(kInk);
        p.setBrush(kYellow);
        p.drawPolygon(QPolygon({QPoint(10, 1), QPoint(19, 18), QPoint(1, 18)}));
        p.setPen(QPen(kInk, 2));
        p.drawLine(10, 7, 10, 12);
        p.drawPoint(10, 15);
        break;
    case Glyph::Notes:
        p.setPen(kInk);
        p.setBrush(QColor(0xfc, 0xf0, 0x8c));
        p.drawPolygon(
            QPolygon({QPoint(2, 2), QPoint(18, 2), QPoint(18, 13), QPoint(13, 18), QPoint(2, 18)}));
        p.setPen(kBrown);
        p.drawLine(5, 6, 15, 6);
        p.drawLine(5, 9, 15, 9);
        p.drawLine(5, 12, 11, 12);
        break;
    case Glyph::Journal:
    case Glyph::Book:
        p.setPen(kInk);
        p.setBrush(kNavy);
        p.drawRect(3, 1, 14, 18);
        p.setBrush(kPaper);
        p.drawRect(15, 3, 2, 15);
        p.setPen(kYellow);
        p.drawLine(6, 6, 12, 6);
        p.drawLine(6, 8, 12, 8);
        break;
    case Glyph::BookOpen:
        p.setPen(kInk);
        p.setBrush(kPaper);
        p.drawPolygon(QPolygon({QPoint(1, 4), QPoint(10, 6), QPoint(10, 18), QPoint(1, 16)}));
        p.drawPolygon(QPolygon({QPoint(10, 6), QPoint(19, 4), QPoint(19, 16), QPoint(10, 18)}));
        p.setPen(kGrey);
        p.drawLine(3, 8, 8, 9);
        p.drawLine(3, 11, 8, 12);
        p.drawLine(12, 9, 17, 8);
        p.drawLine(12, 12, 17, 11);
        break;
    case Glyph::Help:
        p.setPen(kInk);
        p.setBrush(kBlue);
        p.drawEllipse(1, 1, 17, 17);
        p.setPen(kPaper);
        p.setFont(uiFont(14, true));
        p.drawText(QRect(1, 1, 18, 18), Qt::AlignCenter, QStringLiteral("?"));
        break;
    case Glyph::Convert: // page, arrow, page
        page(p, 0, 3, 8, 11);
        page(p, 11, 5, 8, 11);
        arrowRight(p, 5, 14, kGreen);
        break;
    case Glyph::Return: // page with a backwards arrow
        page(p, 6, 1, 12, 16);
        p.setPen(kInk);
        p.setBrush(kOrange);
        p.drawPolygon(QPolygon({QPoint(0, 13), QPoint(5, 9), QPoint(5, 11), QPoint(11, 11),
                                QPoint(11, 15), QPoint(5, 15), QPoint(5, 17)}));
        break;
    case Glyph::Logo: // a leaf in a green disc
    {
        p.setPen(Qt::NoPen);
        p.setBrush(kGreen);
        p.drawEllipse(0, 0, 19, 19);
        QPainterPath leaf;
        leaf.moveTo(5, 15);
        leaf.cubicTo(4, 7, 9, 4, 16, 4);
        leaf.cubicTo(16, 11, 12, 15, 5, 15);
        p.setBrush(kPaper);
        p.drawPath(leaf);
        p.setPen(kGreen);
        p.drawLine(6, 14, 13, 7);
        break;
    }
    case Glyph::Page:
        page(p, 3, 1, 14, 18);
        break;
    case Glyph::Folder:
        p.setPen(kInk);
        p.setBrush(kYellow);
        p.drawRect(1, 4, 7, 3);
        p.drawRect(1, 6, 18, 12);
        break;
    case Glyph::Lookup: // magnifier
        p.setPen(QPen(kInk, 2));
        p.setBrush(kPaper);
        p.drawEllipse(2, 2, 10, 10);
        p.drawLine(11, 11, 17, 17);
        break;
    case Glyph::Calendar:
        p.setPen(kInk);
        p.setBrush(kPaper);
        p.drawRect(1, 3, 18, 15);
        p.setBrush(kRed);
        p.drawRect(1, 3, 18, 4);
        p.setPen(kGrey);
        for (int x = 4; x < 18; x += 4)
            for (int y = 10; y < 18; y += 3)
                p.drawPoint(x, y);
        break;
    case Glyph::Jobs: // a spade and a ticket
        p.setPen(kInk);
        p.setBrush(kBrown);
        p.drawRect(9, 1, 2, 10);
        p.setBrush(kGrey);
        p.drawPolygon(QPolygon(
            {QPoint(5, 11), QPoint(15, 11), QPoint(15, 16), QPoint(10, 19), QPoint(5, 16)}));
        break;
    case Glyph::SalesTax:
        page(p, 3, 1, 14, 18);
        p.setPen(kRed);
        p.setFont(uiFont(11, true));
        p.drawText(QRect(3, 6, 14, 12), Qt::AlignCenter, QStringLiteral("%"));
        break;
    case Glyph::Statements:
        page(p, 1, 3, 12, 15);
        page(p, 6, 1, 12, 15);
        break;
    case Glyph::Payroll:
        person(p, 0, 1, kGreen);
        banknote(p, 5, 11);
        break;
    case Glyph::Company: // a shop front
        p.setPen(kInk);
        p.setBrush(kPaper);
        p.drawRect(2, 7, 16, 11);
        p.setBrush(kGreen);
        p.drawPolygon(QPolygon({QPoint(0, 7), QPoint(3, 2), QPoint(17, 2), QPoint(20, 7)}));
        p.setBrush(kBlue);
        p.drawRect(4, 10, 5, 4);
        p.setBrush(kBrown);
        p.drawRect(11, 10, 4, 8);
        break;
    case Glyph::Bank:
        p.setPen(kInk);
        p.setBrush(kLight);
        p.drawPolygon(QPolygon({QPoint(1, 6), QPoint(10, 1), QPoint(19, 6)}));
        p.drawRect(1, 16, 18, 2);
        for (int x = 3; x < 18; x += 5)
            p.drawRect(x, 7, 2, 8);
        break;
    case Glyph::Budget: // a pie
        p.setPen(kInk);
        p.setBrush(kBlue);
        p.drawEllipse(1, 1, 17, 17);
        p.setBrush(kYellow);
        p.drawPie(1, 1, 17, 17, 0, 100 * 16);
        break;
    case Glyph::Filter: // a funnel
        p.setPen(kInk);
        p.setBrush(kBlue);
        p.drawPolygon(QPolygon({QPoint(1, 2), QPoint(19, 2), QPoint(12, 10), QPoint(12, 18),
                                QPoint(8, 16), QPoint(8, 10)}));
        break;
    case Glyph::Sort:
        p.setPen(kNavy);
        p.setFont(uiFont(10, true));
        p.drawText(QRect(0, 0, 11, 10), Qt::AlignCenter, QStringLiteral("A"));
        p.drawText(QRect(0, 10, 11, 10), Qt::AlignCenter, QStringLiteral("Z"));
        p.setPen(QPen(kInk, 2));
        p.drawLine(15, 2, 15, 17);
        p.drawLine(12, 14, 15, 17);
        p.drawLine(18, 14, 15, 17);
        break;
    case Glyph::Phone:
        p.setPen(kInk);
        p.setBrush(kRed);
        p.drawRoundedRect(1, 5, 18, 6, 3, 3);
        p.drawRect(5, 9, 10, 9);
        p.setBrush(kPaper);
        p.drawEllipse(7, 11, 6, 6);
        break;
    case Glyph::Globe:
        p.setPen(kInk);
        p.setBrush(kBlue);
        p.drawEllipse(1, 1, 17, 17);
        p.setBrush(kLeaf);
        p.drawEllipse(4, 4, 6, 5);
        p.drawEllipse(10, 10, 5, 5);
        break;
    case Glyph::School: // a mortarboard
        p.setPen(kInk);
        p.setBrush(kInk);
        p.drawPolygon(QPolygon({QPoint(0, 7), QPoint(10, 3), QPoint(20, 7), QPoint(10, 11)}));
        p.drawRect(5, 10, 10, 5);
        p.setPen(QPen(kYellow, 1));
        p.drawLine(17, 8, 17, 15);
        break;
    case Glyph::Check:
        p.setPen(QPen(kGreen, 3));
        p.drawLine(3, 10, 8, 15);
        p.drawLine(8, 15, 17, 4);
        break;
    case Glyph::Star:
        p.setPen(kOrange);
        p.setBrush(kYellow);
        p.drawPolygon(
            QPolygon({QPoint(10, 1), QPoint(12, 7), QPoint(19, 7), QPoint(13, 11), QPoint(16, 18),
                      QPoint(10, 14), QPoint(4, 18), QPoint(7, 11), QPoint(1, 7), QPoint(8, 7)}));
        break;
    }
}

} // namespace

QPixmap glyph(Glyph g, int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.scale(size / 20.0, size / 20.0);
    drawGlyph(p, g);
    return pm;
}

} // namespace shots
