// SPDX-License-Identifier: MIT
#include "glyphs.h"
#include "look.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

using namespace Qt::StringLiterals;

namespace shots {

namespace {

using namespace colour::pictogram;

// All pictograms are drawn on a 20 x 20 grid; the painter scales them.
void page(QPainter& p, int x, int y, int w, int h) {
    p.setPen(ink);
    p.setBrush(paper);
    p.drawRect(x, y, w, h);
    p.setPen(grey);
    for (int ly = y + 4; ly < y + h - 1; ly += 3) {
        p.drawLine(x + 2, ly, x + w - 3, ly);
    }
}

void person(QPainter& p, int x, int y, const QColor& shirt) {
    p.setPen(ink);
    p.setBrush(skin);
    p.drawEllipse(x + 3, y, 7, 7);
    p.setBrush(shirt);
    p.drawRoundedRect(x, y + 8, 13, 9, 3, 3);
}

void arrowRight(QPainter& p, int x, int y, const QColor& c) {
    p.setPen(ink);
    p.setBrush(c);
    p.drawPolygon(
        QPolygon({QPoint(x, y + 2), QPoint(x + 5, y + 2), QPoint(x + 5, y), QPoint(x + 9, y + 4),
                  QPoint(x + 5, y + 8), QPoint(x + 5, y + 6), QPoint(x, y + 6)}));
}

void coin(QPainter& p, int x, int y) {
    p.setPen(ink);
    p.setBrush(yellow);
    p.drawEllipse(x, y, 8, 8);
}

void banknote(QPainter& p, int x, int y) {
    p.setPen(ink);
    p.setBrush(banknoteGreen);
    p.drawRect(x, y, 14, 8);
    p.drawEllipse(x + 5, y + 2, 4, 4);
}

void drawGlyph(QPainter& p, Glyph g) {
    switch (g) {
    case Glyph::MainMenu: // a house
        p.setPen(ink);
        p.setBrush(red);
        p.drawPolygon(QPolygon({QPoint(1, 10), QPoint(10, 2), QPoint(19, 10)}));
        p.setBrush(paper);
        p.drawRect(4, 10, 12, 8);
        p.setBrush(brown);
        p.drawRect(8, 13, 4, 5);
        break;
    case Glyph::Customers:
        person(p, 3, 1, blue);
        break;
    case Glyph::Employees:
        person(p, 0, 2, green);
        person(p, 7, 1, blue);
        break;
    case Glyph::Invoices:
        page(p, 3, 1, 13, 17);
        p.setPen(green);
        p.setFont(uiFont(11, true));
        p.drawText(QRect(3, 8, 13, 10), Qt::AlignCenter, u"$"_s);
        break;
    case Glyph::Quotes:
        page(p, 3, 1, 13, 17);
        p.setPen(navy);
        p.setFont(uiFont(11, true));
        p.drawText(QRect(3, 7, 13, 10), Qt::AlignCenter, u"Q"_s);
        break;
    case Glyph::Receipts:
        banknote(p, 1, 4);
        coin(p, 10, 10);
        break;
    case Glyph::Payments:
        p.setPen(ink);
        p.setBrush(cheque);
        p.drawRect(0, 5, 19, 10);
        p.setPen(navy);
        p.drawLine(2, 12, 9, 12);
        p.drawLine(12, 8, 17, 8);
        p.drawLine(12, 12, 17, 12);
        break;
    case Glyph::Vendors: // a delivery truck
        p.setPen(ink);
        p.setBrush(orange);
        p.drawRect(0, 5, 11, 9);
        p.setBrush(blue);
        p.drawPolygon(QPolygon(
            {QPoint(11, 8), QPoint(16, 8), QPoint(19, 11), QPoint(19, 14), QPoint(11, 14)}));
        p.setBrush(ink);
        p.drawEllipse(2, 13, 4, 4);
        p.drawEllipse(13, 13, 4, 4);
        break;
    case Glyph::Purchases: // a cart
        p.setPen(QPen(ink, 1));
        p.setBrush(light);
        p.drawPolygon(QPolygon({QPoint(3, 5), QPoint(18, 5), QPoint(16, 12), QPoint(5, 12)}));
        p.drawLine(0, 2, 3, 2);
        p.drawLine(3, 2, 5, 12);
        p.setBrush(ink);
        p.drawEllipse(5, 15, 3, 3);
        p.drawEllipse(14, 15, 3, 3);
        p.setBrush(leafGreen);
        p.setPen(green);
        p.drawRect(7, 3, 3, 4);
        p.drawRect(11, 2, 3, 5);
        break;
    case Glyph::Items: // a box
        p.setPen(ink);
        p.setBrush(cardboard);
        p.drawRect(2, 6, 15, 12);
        p.setBrush(cardboardLight);
        p.drawPolygon(QPolygon({QPoint(2, 6), QPoint(6, 2), QPoint(19, 2), QPoint(17, 6)}));
        p.drawLine(9, 6, 9, 11);
        break;
    case Glyph::Accounts:
    case Glyph::Ledger:
        p.setPen(ink);
        p.setBrush(green);
        p.drawRect(2, 1, 15, 18);
        p.setBrush(paper);
        p.drawRect(5, 4, 9, 5);
        p.setPen(paper);
        p.drawLine(5, 13, 14, 13);
        p.drawLine(5, 15, 14, 15);
        break;
    case Glyph::Reports: // a bar chart on a page
        page(p, 2, 1, 15, 17);
        p.setPen(ink);
        p.setBrush(blue);
        p.drawRect(4, 10, 3, 6);
        p.setBrush(green);
        p.drawRect(8, 6, 3, 10);
        p.setBrush(red);
        p.drawRect(12, 12, 3, 4);
        break;
    case Glyph::WhatsThis: // arrow with question mark
        p.setPen(ink);
        p.setBrush(paper);
        p.drawPolygon(QPolygon({QPoint(1, 1), QPoint(1, 14), QPoint(4, 11), QPoint(7, 17),
                                QPoint(9, 16), QPoint(6, 10), QPoint(10, 10)}));
        p.setPen(navy);
        p.setFont(uiFont(14, true));
        p.drawText(QRect(9, 0, 11, 14), Qt::AlignCenter, u"?"_s);
        break;
    case Glyph::Close: // a door with an arrow
        p.setPen(ink);
        p.setBrush(brown);
        p.drawRect(2, 1, 10, 18);
        p.setBrush(yellow);
        p.drawRect(9, 10, 1, 1);
        arrowRight(p, 10, 6, red);
        break;
    case Glyph::Save: // a floppy disk
    case Glyph::Disk:
        p.setPen(ink);
        p.setBrush(navy);
        p.drawRect(2, 2, 16, 16);
        p.setBrush(paper);
        p.drawRect(5, 2, 10, 6);
        p.setBrush(light);
        p.drawRect(5, 12, 10, 6);
        p.setBrush(navy);
        p.drawRect(11, 3, 2, 4);
        break;
    case Glyph::New:
        page(p, 3, 2, 12, 16);
        p.setPen(orange);
        p.setBrush(yellow);
        p.drawPolygon(QPolygon({QPoint(15, 0), QPoint(17, 4), QPoint(20, 5), QPoint(17, 7),
                                QPoint(16, 10), QPoint(14, 7), QPoint(11, 5), QPoint(14, 4)}));
        break;
    case Glyph::Delete:
        p.setPen(QPen(red, 3));
        p.drawLine(4, 4, 15, 15);
        p.drawLine(15, 4, 4, 15);
        break;
    case Glyph::Print:
        p.setPen(ink);
        p.setBrush(paper);
        p.drawRect(5, 1, 10, 7);
        p.setBrush(light);
        p.drawRect(1, 7, 18, 8);
        p.setBrush(paper);
        p.drawRect(4, 12, 12, 7);
        p.setBrush(green);
        p.drawRect(15, 9, 2, 1);
        break;
    case Glyph::Email:
        p.setPen(ink);
        p.setBrush(paper);
        p.drawRect(1, 4, 18, 12);
        p.drawLine(1, 4, 10, 11);
        p.drawLine(19, 4, 10, 11);
        break;
    case Glyph::Alert:
        p.setPen(ink);
        p.setBrush(yellow);
        p.drawPolygon(QPolygon({QPoint(10, 1), QPoint(19, 18), QPoint(1, 18)}));
        p.setPen(QPen(ink, 2));
        p.drawLine(10, 7, 10, 12);
        p.drawPoint(10, 15);
        break;
    case Glyph::Notes:
        p.setPen(ink);
        p.setBrush(notePaper);
        p.drawPolygon(
            QPolygon({QPoint(2, 2), QPoint(18, 2), QPoint(18, 13), QPoint(13, 18), QPoint(2, 18)}));
        p.setPen(brown);
        p.drawLine(5, 6, 15, 6);
        p.drawLine(5, 9, 15, 9);
        p.drawLine(5, 12, 11, 12);
        break;
    case Glyph::Journal:
    case Glyph::Book:
        p.setPen(ink);
        p.setBrush(navy);
        p.drawRect(3, 1, 14, 18);
        p.setBrush(paper);
        p.drawRect(15, 3, 2, 15);
        p.setPen(yellow);
        p.drawLine(6, 6, 12, 6);
        p.drawLine(6, 8, 12, 8);
        break;
    case Glyph::BookOpen:
        p.setPen(ink);
        p.setBrush(paper);
        p.drawPolygon(QPolygon({QPoint(1, 4), QPoint(10, 6), QPoint(10, 18), QPoint(1, 16)}));
        p.drawPolygon(QPolygon({QPoint(10, 6), QPoint(19, 4), QPoint(19, 16), QPoint(10, 18)}));
        p.setPen(grey);
        p.drawLine(3, 8, 8, 9);
        p.drawLine(3, 11, 8, 12);
        p.drawLine(12, 9, 17, 8);
        p.drawLine(12, 12, 17, 11);
        break;
    case Glyph::Help:
        p.setPen(ink);
        p.setBrush(blue);
        p.drawEllipse(1, 1, 17, 17);
        p.setPen(paper);
        p.setFont(uiFont(14, true));
        p.drawText(QRect(1, 1, 18, 18), Qt::AlignCenter, u"?"_s);
        break;
    case Glyph::Convert: // page, arrow, page
        page(p, 0, 3, 8, 11);
        page(p, 11, 5, 8, 11);
        arrowRight(p, 5, 14, green);
        break;
    case Glyph::Return: // page with a backwards arrow
        page(p, 6, 1, 12, 16);
        p.setPen(ink);
        p.setBrush(orange);
        p.drawPolygon(QPolygon({QPoint(0, 13), QPoint(5, 9), QPoint(5, 11), QPoint(11, 11),
                                QPoint(11, 15), QPoint(5, 15), QPoint(5, 17)}));
        break;
    case Glyph::First: // to a bar, pointing left
    case Glyph::Previous:
    case Glyph::Next:
    case Glyph::Last: {
        const bool left = g == Glyph::First || g == Glyph::Previous;
        p.setPen(Qt::NoPen);
        p.setBrush(navy);
        p.drawPolygon(left ? QPolygon({QPoint(14, 4), QPoint(14, 16), QPoint(7, 10)})
                           : QPolygon({QPoint(6, 4), QPoint(6, 16), QPoint(13, 10)}));
        if (g == Glyph::First || g == Glyph::Last) {
            p.drawRect(left ? 4 : 14, 4, 2, 13);
        }
        break;
    }
    case Glyph::Logo: // a leaf in a green disc
    {
        p.setPen(Qt::NoPen);
        p.setBrush(green);
        p.drawEllipse(0, 0, 19, 19);
        QPainterPath leaf;
        leaf.moveTo(5, 15);
        leaf.cubicTo(4, 7, 9, 4, 16, 4);
        leaf.cubicTo(16, 11, 12, 15, 5, 15);
        p.setBrush(paper);
        p.drawPath(leaf);
        p.setPen(green);
        p.drawLine(6, 14, 13, 7);
        break;
    }
    case Glyph::Page:
        page(p, 3, 1, 14, 18);
        break;
    case Glyph::Folder:
        p.setPen(ink);
        p.setBrush(yellow);
        p.drawRect(1, 4, 7, 3);
        p.drawRect(1, 6, 18, 12);
        break;
    case Glyph::Lookup: // magnifier
        p.setPen(QPen(ink, 2));
        p.setBrush(paper);
        p.drawEllipse(2, 2, 10, 10);
        p.drawLine(11, 11, 17, 17);
        break;
    case Glyph::Calendar:
        p.setPen(ink);
        p.setBrush(paper);
        p.drawRect(1, 3, 18, 15);
        p.setBrush(red);
        p.drawRect(1, 3, 18, 4);
        p.setPen(grey);
        for (int x = 4; x < 18; x += 4) {
            for (int y = 10; y < 18; y += 3) {
                p.drawPoint(x, y);
            }
        }
        break;
    case Glyph::Jobs: // a spade and a ticket
        p.setPen(ink);
        p.setBrush(brown);
        p.drawRect(9, 1, 2, 10);
        p.setBrush(grey);
        p.drawPolygon(QPolygon(
            {QPoint(5, 11), QPoint(15, 11), QPoint(15, 16), QPoint(10, 19), QPoint(5, 16)}));
        break;
    case Glyph::SalesTax:
        page(p, 3, 1, 14, 18);
        p.setPen(red);
        p.setFont(uiFont(11, true));
        p.drawText(QRect(3, 6, 14, 12), Qt::AlignCenter, u"%"_s);
        break;
    case Glyph::Statements:
        page(p, 1, 3, 12, 15);
        page(p, 6, 1, 12, 15);
        break;
    case Glyph::Payroll:
        person(p, 0, 1, green);
        banknote(p, 5, 11);
        break;
    case Glyph::Company: // a shop front
        p.setPen(ink);
        p.setBrush(paper);
        p.drawRect(2, 7, 16, 11);
        p.setBrush(green);
        p.drawPolygon(QPolygon({QPoint(0, 7), QPoint(3, 2), QPoint(17, 2), QPoint(20, 7)}));
        p.setBrush(blue);
        p.drawRect(4, 10, 5, 4);
        p.setBrush(brown);
        p.drawRect(11, 10, 4, 8);
        break;
    case Glyph::Bank:
        p.setPen(ink);
        p.setBrush(light);
        p.drawPolygon(QPolygon({QPoint(1, 6), QPoint(10, 1), QPoint(19, 6)}));
        p.drawRect(1, 16, 18, 2);
        for (int x = 3; x < 18; x += 5) {
            p.drawRect(x, 7, 2, 8);
        }
        break;
    case Glyph::Budget: // a pie
        p.setPen(ink);
        p.setBrush(blue);
        p.drawEllipse(1, 1, 17, 17);
        p.setBrush(yellow);
        p.drawPie(1, 1, 17, 17, 0, 100 * 16);
        break;
    case Glyph::Filter: // a funnel
        p.setPen(ink);
        p.setBrush(blue);
        p.drawPolygon(QPolygon({QPoint(1, 2), QPoint(19, 2), QPoint(12, 10), QPoint(12, 18),
                                QPoint(8, 16), QPoint(8, 10)}));
        break;
    case Glyph::Sort:
        p.setPen(navy);
        p.setFont(uiFont(10, true));
        p.drawText(QRect(0, 0, 11, 10), Qt::AlignCenter, u"A"_s);
        p.drawText(QRect(0, 10, 11, 10), Qt::AlignCenter, u"Z"_s);
        p.setPen(QPen(ink, 2));
        p.drawLine(15, 2, 15, 17);
        p.drawLine(12, 14, 15, 17);
        p.drawLine(18, 14, 15, 17);
        break;
    case Glyph::Phone:
        p.setPen(ink);
        p.setBrush(red);
        p.drawRoundedRect(1, 5, 18, 6, 3, 3);
        p.drawRect(5, 9, 10, 9);
        p.setBrush(paper);
        p.drawEllipse(7, 11, 6, 6);
        break;
    case Glyph::Globe:
        p.setPen(ink);
        p.setBrush(blue);
        p.drawEllipse(1, 1, 17, 17);
        p.setBrush(leafGreen);
        p.drawEllipse(4, 4, 6, 5);
        p.drawEllipse(10, 10, 5, 5);
        break;
    case Glyph::School: // a mortarboard
        p.setPen(ink);
        p.setBrush(ink);
        p.drawPolygon(QPolygon({QPoint(0, 7), QPoint(10, 3), QPoint(20, 7), QPoint(10, 11)}));
        p.drawRect(5, 10, 10, 5);
        p.setPen(QPen(yellow, 1));
        p.drawLine(17, 8, 17, 15);
        break;
    case Glyph::Check:
        p.setPen(QPen(green, 3));
        p.drawLine(3, 10, 8, 15);
        p.drawLine(8, 15, 17, 4);
        break;
    case Glyph::Star:
        p.setPen(orange);
        p.setBrush(yellow);
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
