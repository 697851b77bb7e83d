// SPDX-License-Identifier: MIT
#include "rules.h"

#include "books.h"
#include "look.h"

#include "platform/units.h"
#include "script/callout.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOption>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace shots {

namespace {

constexpr double kTwipsPerPixel = platform::kTwipsPerPixel;

// Every pixel that the twips touch, even in part.
QRect pixelsCovering(const script::TwipRect& r) {
    const int left = int(std::floor(r.left / kTwipsPerPixel));
    const int top = int(std::floor(r.top / kTwipsPerPixel));
    const int right = int(std::ceil((double(r.left) + r.width) / kTwipsPerPixel));
    const int bottom = int(std::ceil((double(r.top) + r.height) / kTwipsPerPixel));
    return QRect(left, top, right - left, bottom - top);
}

QString where(const QRect& r) {
    return u"(%1,%2 %3x%4)"_s.arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QStringList explainedProblems(const script::Scene& scene, const Screen& screen) {
    QStringList out;
    if (!scene.HelpText.isEmpty() && screen.explained().isEmpty()) {
        out << u"nothing marked as explained"_s;
    }
    const QRect callout = calloutArea(scene);
    const QRect picture(0, 0, kWidth, kHeight);
    for (const Screen::Mark& m : screen.explained()) {
        if (!m.widget || !m.widget->isVisibleTo(m.widget->window())) {
            out << u"\"%1\" is not shown"_s.arg(m.what);
            continue;
        }
        const QRect r = m.inPicture();
        if (r.intersects(callout)) {
            out << u"\"%1\" at %2 lies under the callout"_s.arg(m.what, where(r));
        }
        if (!picture.contains(r)) {
            out << u"\"%1\" reaches outside the picture"_s.arg(m.what);
        }
    }
    return out;
}

QStringList pointerProblems(const script::Scene& scene, const Screen& screen) {
    QStringList out;
    const std::optional<QPoint> tip = pointerTip(scene);
    if (!tip) {
        if (!screen.pointerTargets().isEmpty()) {
            out << u"a pointer target, but the scene has no pointer"_s;
        }
        return out;
    }
    if (screen.pointerTargets().isEmpty()) {
        out << u"the pointer has no target"_s;
    }
    for (const Screen::Mark& m : screen.pointerTargets()) {
        if (!m.inPicture().contains(*tip)) {
            out << u"the pointer at (%1,%2) misses \"%3\""_s.arg(tip->x()).arg(tip->y()).arg(
                m.what);
        }
        if (calloutArea(scene).contains(*tip)) {
            out << u"the pointer lands under the callout"_s;
        }
    }
    return out;
}

// A text a reader sees on the picture, and the widget that draws it.
struct ShownText {
    QString kind; // button, toolbar, label, group, window, menu, tab, column, list, logo, status
    QString text;
    const QWidget* owner;
    QRect inPicture;
};

// The text as a name: no mnemonic marks, one line, without the trailing colon, "..." or submenu
// arrow, and the arrows of "< Back" and "Next >".
QString asName(QString text) {
    text.replace(u"&&"_s, u"\u0001"_s).remove(u'&').replace(u'\u0001', u'&');
    text = text.section(u'\t', 0, 0).simplified();
    for (const QString& tail : {u":"_s, u"..."_s, u" >"_s}) {
        if (text.endsWith(tail)) {
            text.chop(tail.size());
        }
    }
    if (text.startsWith(u"< "_s)) {
        text.remove(0, 2);
    }
    return text.toCaseFolded();
}

QRect inPicture(const QWidget* w, const QRect& local, const Screen& screen) {
    return QRect(w->mapTo(&screen, local.topLeft()), local.size());
}

// Where a text, drawn in the font with the alignment, lies inside a room: a caption's letters,
// not the width its widget or column leaves for it.
QRect inkOf(const QFont& font, const QString& text, Qt::Alignment alignment, const QRect& room,
            bool wrap = false) {
    const QFontMetrics fm(font);
    const QRect needed =
        fm.boundingRect(QRect(0, 0, std::max(room.width(), 1), 10000),
                        wrap ? int(Qt::TextWordWrap) : 0, QString(text).remove(u'&'));
    return QStyle::alignedRect(Qt::LeftToRight, alignment, needed.size(), room) & room;
}

QRect labelInk(const QLabel* label) {
    if (label->textFormat() == Qt::RichText || Qt::mightBeRichText(label->text())) {
        return label->rect();
    }
    const int m = label->margin();
    return inkOf(label->font(), label->text(), label->alignment(),
                 label->contentsRect().adjusted(m, m, -m, -m), label->wordWrap());
}

// A cell's or heading's text inside its rectangle, with the room the style keeps at its sides.
QRect cellInk(const QWidget* view, const QString& text, const QVariant& alignment,
              const QRect& cell) {
    const Qt::Alignment a = alignment.isValid() ? Qt::Alignment(alignment.toInt())
                                                : Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter);
    return inkOf(view->font(), text, a, cell.adjusted(3, 0, -3, 0));
}

// A button's caption: centred on a push button, under or beside a tool button's icon; a check
// box or radio button reads from its indicator to the end of its text.
QRect buttonInk(const QAbstractButton* b) {
    const QRect r = b->rect();
    if (const auto* tool = qobject_cast<const QToolButton*>(b)) {
        const int iconRight = tool->iconSize().width() + 8;
        const QRect room = tool->toolButtonStyle() == Qt::ToolButtonTextUnderIcon
                               ? r.adjusted(2, r.height() - b->fontMetrics().height() - 6, -2, -2)
                               : r.adjusted(iconRight, 0, -2, 0);
        const Qt::Alignment a = tool->toolButtonStyle() == Qt::ToolButtonTextUnderIcon
                                    ? Qt::AlignHCenter | Qt::AlignVCenter
                                    : Qt::AlignLeft | Qt::AlignVCenter;
        return inkOf(b->font(), b->text(), a, room, true);
    }
    if (qobject_cast<const QPushButton*>(b) != nullptr) {
        return inkOf(b->font(), b->text(), Qt::AlignCenter, r.adjusted(4, 2, -4, -2), true);
    }
    return QRect(r.topLeft(), QSize(std::min(b->sizeHint().width(), r.width()), r.height()));
}

QRect groupTitleInk(const QGroupBox* group) {
    QStyleOptionGroupBox o;
    o.initFrom(group);
    o.text = group->title();
    o.subControls = QStyle::SC_GroupBoxLabel;
    o.lineWidth = 1;
    return group->style()->subControlRect(QStyle::CC_GroupBox, &o, QStyle::SC_GroupBoxLabel, group);
}

void addViewTexts(const QWidget* w, const Screen& screen, QList<ShownText>& out) {
    if (const auto* header = qobject_cast<const QHeaderView*>(w)) {
        for (int i = 0; i < header->count(); ++i) {
            const QString text = header->model()->headerData(i, header->orientation()).toString();
            const QRect r(header->sectionViewportPosition(i), 0, header->sectionSize(i),
                          header->height());
            const QVariant a =
                header->model()->headerData(i, header->orientation(), Qt::TextAlignmentRole);
            out << ShownText{u"column"_s, text, header,
                             inPicture(header->viewport(), cellInk(header, text, a, r), screen)};
        }
    } else if (const auto* table = qobject_cast<const QTableWidget*>(w)) {
        for (int row = 0; row < table->rowCount(); ++row) {
            for (int c = 0; c < table->columnCount(); ++c) {
                if (const QTableWidgetItem* item = table->item(row, c)) {
                    const QRect ink =
                        cellInk(table, item->text(), item->data(Qt::TextAlignmentRole),
                                table->visualItemRect(item));
                    out << ShownText{u"list"_s, item->text(), table->viewport(),
                                     inPicture(table->viewport(), ink, screen)};
                }
            }
        }
    } else if (const auto* tree = qobject_cast<const QTreeWidget*>(w)) {
        for (int row = 0; row < tree->topLevelItemCount(); ++row) {
            QTreeWidgetItem* item = tree->topLevelItem(row);
            const QRect cell = tree->visualRect(tree->model()->index(row, 0));
            const QRect ink =
                cellInk(tree, item->text(0), item->data(0, Qt::TextAlignmentRole), cell);
            out << ShownText{u"list"_s, item->text(0), tree->viewport(),
                             inPicture(tree->viewport(), ink, screen)};
        }
    } else if (const auto* tabs = qobject_cast<const QTabBar*>(w)) {
        for (int i = 0; i < tabs->count(); ++i) {
            out << ShownText{u"tab"_s, tabs->tabText(i), tabs,
                             inPicture(tabs, tabs->tabRect(i), screen)};
        }
    }
}

// Every text the picture shows as a name: buttons, labels, group and window titles, tabs,
// column headings, menu titles and entries. A toolbar button that shows only its icon names
// nothing.
QList<ShownText> shownTexts(const Screen& screen) {
    QList<ShownText> out;
    for (const QWidget* w : screen.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&screen)) {
            continue;
        }
        const QRect whole = inPicture(w, w->rect(), screen);
        if (const auto* tool = qobject_cast<const QToolButton*>(w)) {
            const bool onToolbar = whole.top() >= screen.layout().toolTop() &&
                                   whole.bottom() < screen.layout().workTop();
            if (tool->toolButtonStyle() != Qt::ToolButtonIconOnly) {
                out << ShownText{onToolbar ? u"toolbar"_s : u"button"_s, tool->text(), w,
                                 inPicture(w, buttonInk(tool), screen)};
            }
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            out << ShownText{u"button"_s, button->text(), w,
                             inPicture(w, buttonInk(button), screen)};
        } else if (const auto* label = qobject_cast<const QLabel*>(w)) {
            out << ShownText{u"label"_s, label->text(), w, inPicture(w, labelInk(label), screen)};
        } else if (const auto* group = qobject_cast<const QGroupBox*>(w)) {
            out << ShownText{u"group"_s, group->title(), w,
                             inPicture(w, groupTitleInk(group), screen)};
        } else if (const auto* title = dynamic_cast<const TitleBar*>(w)) {
            // "Report - Customer Ledgers" names the window and its report.
            const QRect caption = inPicture(w, title->captionRect(), screen);
            for (const QString& part : title->caption().split(u" - "_s)) {
                out << ShownText{u"window"_s, part, w, caption};
            }
            out << ShownText{u"window"_s, title->caption(), w, caption};
        } else if (const auto* strip = dynamic_cast<const MenuStrip*>(w)) {
            for (const QString& t : MenuStrip::titles()) {
                out << ShownText{u"menu"_s, t, w, inPicture(w, strip->lettersRect(t), screen)};
            }
        } else if (const auto* row = dynamic_cast<const ToolbarRow*>(w)) {
            out << ShownText{u"logo"_s, ToolbarRow::logoText(), w,
                             inPicture(w, row->logoTextRect(), screen)};
        } else if (const auto* status = dynamic_cast<const StatusBar*>(w)) {
            for (const StatusBar::Panel& panel : status->panels()) {
                out << ShownText{u"status"_s, panel.text, w, inPicture(w, panel.letters, screen)};
            }
        } else if (const auto* menu = dynamic_cast<const DropMenu*>(w)) {
            for (QString t : menu->titles()) {
                t = t.section(u'\t', 0, 0);
                const QString bare = t.endsWith(u" >"_s) ? t.chopped(2) : t;
                out << ShownText{u"menu"_s, t, w, inPicture(w, menu->entryRect(bare), screen)};
            }
        } else {
            addViewTexts(w, screen, out);
        }
    }
    return out;
}

// Whether nothing drawn later lies over the middle and both quarters of the text's place.
bool uncovered(const ShownText& t, const Screen& screen) {
    const QRect r = t.inPicture;
    const int y = r.center().y();
    for (const int x : {r.left() + r.width() / 4, r.center().x(), r.right() - r.width() / 4}) {
        const QWidget* hit = screen.childAt(QPoint(x, y));
        if (hit == nullptr || (hit != t.owner && !t.owner->isAncestorOf(hit))) {
            return false;
        }
    }
    return true;
}

// A name counts as seen where nothing covers it and the callout, as the program places it,
// leaves it clear: the reader is not asked to drag the callout aside to find it.
QStringList namesProblems(const script::Scene& scene, const SceneDrawing& drawing,
                          const Screen& screen) {
    QStringList out;
    if (drawing.names == nullptr || *drawing.names == 0) {
        return out;
    }
    const QRect callout = calloutArea(scene);
    const QList<ShownText> shown = shownTexts(screen);
    // "button:Filter" asks for a button; a bare name for any kind of widget.
    for (const QString& entry : QString::fromUtf16(drawing.names).split(u'|')) {
        const QString kind = entry.contains(u':') ? entry.section(u':', 0, 0) : QString();
        const QString name = entry.contains(u':') ? entry.section(u':', 1) : entry;
        bool found = false, uncoveredByWidgets = false, visible = false;
        for (const ShownText& t : shown) {
            if ((kind.isEmpty() || kind == t.kind) && asName(t.text) == name.toCaseFolded()) {
                found = true;
                const bool seen = uncovered(t, screen);
                uncoveredByWidgets = uncoveredByWidgets || seen;
                visible = visible || (seen && !t.inPicture.intersects(callout));
            }
        }
        if (!found) {
            out << u"the text names \"%1\", which the picture lacks"_s.arg(entry);
        } else if (!uncoveredByWidgets) {
            out << u"the text names \"%1\", which lies hidden"_s.arg(entry);
        } else if (!visible) {
            out << u"the text names \"%1\", which lies under the callout"_s.arg(entry);
        }
    }
    return out;
}

} // namespace

QStringList calloutEdgeProblems(const script::Scene& scene, const Screen& screen) {
    QStringList out;
    const QRect plate = calloutArea(scene);
    if (plate.isEmpty()) {
        return out;
    }
    QList<QRect> reported; // a window's caption is shown whole and in its parts
    for (const ShownText& t : shownTexts(screen)) {
        const QRect r = t.inPicture;
        const bool clear = !r.intersects(plate.adjusted(-1, -1, 1, 1));
        const bool under = plate.adjusted(1, 1, -1, -1).contains(r);
        const QString name = asName(t.text);
        if (!clear && !under && !name.isEmpty() && !reported.contains(r) && uncovered(t, screen)) {
            reported << r;
            out << u"the callout's edge cuts the %1 \"%2\" at %3"_s.arg(t.kind, t.text.simplified(),
                                                                        where(r));
        }
    }
    return out;
}

namespace {

// ---- Clipping ----

// Whether a text, drawn in the widget's font, fits a width and height.
bool fits(const QWidget* w, const QString& text, int width, int height, bool wrap = false) {
    const QFontMetrics fm(w->font());
    const QRect needed = fm.boundingRect(QRect(0, 0, std::max(width, 1), 10000),
                                         wrap ? int(Qt::TextWordWrap) : 0, text);
    return needed.width() <= width && needed.height() <= height;
}

// Room for text inside an edit field or a combo box, as the style lays them out.
QRect fieldTextRoom(const QWidget* w) {
    if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
        QStyleOptionComboBox o;
        o.initFrom(combo);
        o.editable = combo->isEditable();
        return combo->style()->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxEditField,
                                              combo);
    }
    QStyleOptionFrame o;
    o.initFrom(w);
    o.lineWidth = w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &o, w);
    return w->style()->subElementRect(QStyle::SE_LineEditContents, &o, w).adjusted(2, 0, -2, 0);
}

// A label's plain text that its contents rect cannot hold; empty when it fits. Rich text
// (help topics, tips) lays itself out and is left alone.
QString labelTextProblem(const QLabel* label) {
    if (label->text().isEmpty() || label->textFormat() == Qt::RichText ||
        Qt::mightBeRichText(label->text())) {
        return {};
    }
    const int m = label->margin();
    const QRect room = label->contentsRect().adjusted(m, m, -m, -m);
    return fits(label, label->text(), room.width(), room.height(), label->wordWrap())
               ? QString()
               : label->text();
}

// A button's text that does not fit beside or under its icon, or beside its indicator.
QString buttonTextProblem(const QAbstractButton* button) {
    if (const auto* tool = qobject_cast<const QToolButton*>(button)) {
        if (tool->toolButtonStyle() == Qt::ToolButtonIconOnly) {
            return {};
        }
        const int room = tool->toolButtonStyle() == Qt::ToolButtonTextUnderIcon
                             ? tool->width() - 4
                             : tool->width() - tool->iconSize().width() - 12;
        return fits(tool, tool->text(), room, tool->height()) ? QString() : tool->text();
    }
    if (qobject_cast<const QPushButton*>(button) != nullptr) {
        return fits(button, button->text(), button->width() - 8, button->height()) ? QString()
                                                                                   : button->text();
    }
    // Check boxes and radio buttons: the indicator, then the text.
    return button->sizeHint().width() <= button->width() ? QString() : button->text();
}

// The text a widget shows, when it does not fit the room the widget gives it; empty when it does.
QString textProblem(const QWidget* w) {
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        return labelTextProblem(label);
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
        return buttonTextProblem(button);
    }
    QString text;
    if (const auto* edit = qobject_cast<const QLineEdit*>(w)) {
        text = edit->text();
    } else if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
        text = combo->currentText();
    } else if (const auto* group = qobject_cast<const QGroupBox*>(w)) {
        return fits(w, group->title(), group->width() - 16, 20) ? QString() : group->title();
    }
    if (text.isEmpty()) {
        return {};
    }
    const QRect room = fieldTextRoom(w);
    return fits(w, text, room.width(), room.height()) ? QString() : text;
}

// Whether a widget lies wholly inside each of the widgets it is drawn in.
bool insideItsWindows(const QWidget* w, const Screen& screen) {
    for (const QWidget* a = w->parentWidget(); a != nullptr && a != &screen;
         a = a->parentWidget()) {
        if (!a->rect().contains(QRect(w->mapTo(a, QPoint(0, 0)), w->size()))) {
            return false;
        }
    }
    return true;
}

// A list shows whole rows and all its columns, or has a scroll bar for the rest.
QString listProblem(const QAbstractItemView* v) {
    const QAbstractItemModel* m = v->model();
    if (m == nullptr || m->rowCount() == 0) {
        return {};
    }
    const QRect last = v->visualRect(m->index(m->rowCount() - 1, 0));
    const bool scrolls = v->verticalScrollBar()->isVisible();
    if (!scrolls &&
        (last.bottom() >= v->viewport()->height() || v->verticalScrollBar()->value() > 0)) {
        return u"rows cut off without a scroll bar"_s;
    }
    if (const auto* table = qobject_cast<const QTableWidget*>(v)) {
        // A cell's text must fit its column, or the style elides it.
        for (int row = 0; row < table->rowCount(); ++row) {
            for (int c = 0; c < table->columnCount(); ++c) {
                const QTableWidgetItem* item = table->item(row, c);
                if (item != nullptr && !fits(table, item->text(), table->columnWidth(c) - 8, 100)) {
                    return u"\"%1\" does not fit its column"_s.arg(item->text());
                }
            }
        }
    }
    const auto* header = v->findChild<QHeaderView*>();
    if (header != nullptr && header->orientation() == Qt::Horizontal && !header->isHidden() &&
        header->length() > v->viewport()->width() + 1 && !v->horizontalScrollBar()->isVisible()) {
        return u"columns cut off without a scroll bar"_s;
    }
    return {};
}

QStringList clippingProblems(const Screen& screen) {
    QStringList out;
    for (const QWidget* w : screen.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&screen) || qobject_cast<const QScrollBar*>(w) != nullptr ||
            qobject_cast<const QAbstractItemView*>(w->parentWidget()) != nullptr ||
            (w->parentWidget() != nullptr && qobject_cast<const QAbstractItemView*>(
                                                 w->parentWidget()->parentWidget()) != nullptr)) {
            continue;
        }
        const QString at = where(QRect(w->mapTo(&screen, QPoint(0, 0)), w->size()));
        if (const QString text = textProblem(w); !text.isEmpty()) {
            out << u"\"%1\" does not fit its widget %2"_s.arg(text.simplified(), at);
        }
        const bool control =
            qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
            qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
            qobject_cast<const QGroupBox*>(w) || qobject_cast<const QLabel*>(w);
        if (control && !insideItsWindows(w, screen)) {
            out << u"a %1 at %2 is cut by what holds it"_s.arg(
                QString::fromLatin1(w->metaObject()->className()), at);
        }
        if (const auto* view = qobject_cast<const QAbstractItemView*>(w)) {
            if (const QString p = listProblem(view); !p.isEmpty()) {
                out << u"a list at %1: %2"_s.arg(at, p);
            }
        }
    }
    return out;
}

// ---- Figures: every amount on the picture comes from the books ----

// The texts a table, a tree, or a header holds, every column of every row.
void addCellTexts(const QWidget* w, QStringList& out) {
    if (const auto* header = qobject_cast<const QHeaderView*>(w)) {
        for (int i = 0; i < header->count(); ++i) {
            out << header->model()->headerData(i, header->orientation()).toString();
        }
    } else if (const auto* table = qobject_cast<const QTableWidget*>(w)) {
        for (int row = 0; row < table->rowCount(); ++row) {
            for (int c = 0; c < table->columnCount(); ++c) {
                if (const QTableWidgetItem* item = table->item(row, c)) {
                    out << item->text();
                }
            }
        }
    } else if (const auto* tree = qobject_cast<const QTreeWidget*>(w)) {
        for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(tree)); *it; ++it) {
            for (int c = 0; c < tree->columnCount(); ++c) {
                out << (*it)->text(c);
            }
        }
    } else if (const auto* tabs = qobject_cast<const QTabBar*>(w)) {
        for (int i = 0; i < tabs->count(); ++i) {
            out << tabs->tabText(i);
        }
    }
}

// The text one widget shows of its own, fields' contents included; rich text as plain text.
void addOwnTexts(const QWidget* w, QStringList& out) {
    if (const auto* tool = qobject_cast<const QToolButton*>(w)) {
        if (tool->toolButtonStyle() != Qt::ToolButtonIconOnly) {
            out << tool->text();
        }
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
        out << button->text();
    } else if (const auto* label = qobject_cast<const QLabel*>(w)) {
        out << (Qt::mightBeRichText(label->text())
                    ? QTextDocumentFragment::fromHtml(label->text()).toPlainText()
                    : label->text());
    } else if (const auto* edit = qobject_cast<const QLineEdit*>(w)) {
        out << edit->text();
    } else if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
        out << combo->currentText();
    } else if (const auto* plain = qobject_cast<const QPlainTextEdit*>(w)) {
        out << plain->toPlainText();
    } else if (const auto* rich = qobject_cast<const QTextEdit*>(w)) {
        out << rich->toPlainText();
    } else if (const auto* group = qobject_cast<const QGroupBox*>(w)) {
        out << group->title();
    } else if (const auto* title = dynamic_cast<const TitleBar*>(w)) {
        out << title->caption();
    } else if (dynamic_cast<const MenuStrip*>(w) != nullptr) {
        out << MenuStrip::titles();
    } else if (const auto* menu = dynamic_cast<const DropMenu*>(w)) {
        out << menu->titles();
    } else {
        addCellTexts(w, out);
    }
}

// An amount as the screens write it: "1,234.56", "-8.71", "6.20" of "6.20%".
const QRegularExpression& amountPattern() {
    static const QRegularExpression amount(
        u"(?<![\\d.,])-?\\d{1,3}(?:,\\d{3})*\\.\\d{2}(?![\\d])"_s);
    return amount;
}

// Amounts only: a bare whole number may be a quantity, but as well an invoice, a check, an
// account or a date, which the books don't count; those are left to the reader.
QStringList figuresProblems(const Screen& screen) {
    QStringList out;
    for (const QString& text : textsShown(screen)) {
        for (auto m = amountPattern().globalMatch(text); m.hasNext();) {
            const QString amount = m.next().captured();
            if (!books::isFigure(amount)) {
                out << u"the amount %1 in \"%2\" is not a figure of the books"_s.arg(
                    amount, text.simplified().left(60));
            }
        }
    }
    out.removeDuplicates();
    return out;
}

// ---- One window, one layout ----

bool onHiddenOrTabPage(const QWidget* w, const QWidget* window) {
    for (const QWidget* a = w->parentWidget(); a != nullptr && a != window; a = a->parentWidget()) {
        if (qobject_cast<const QTabWidget*>(a) != nullptr) {
            return true;
        }
    }
    return !w->isVisibleTo(window);
}

// A field's caption: a few words, no figures (a label that shows an amount or a date is a
// value, and may change from scene to scene).
bool isCaption(const QString& text) {
    return !text.isEmpty() && text.size() <= 40 && !Qt::mightBeRichText(text) &&
           std::none_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

// The names of a window's fields: captions, check boxes, column headings, and its tabs' titles.
QStringList fieldsOf(const QWidget* window) {
    QStringList fields;
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (const auto* tabs = qobject_cast<const QTabWidget*>(w)) {
            for (int i = 0; i < tabs->count(); ++i) {
                fields << u"tab "_s + asName(tabs->tabText(i));
            }
        }
        if (onHiddenOrTabPage(w, window)) {
            continue;
        }
        if (const auto* label = qobject_cast<const QLabel*>(w);
            label != nullptr && isCaption(label->text())) {
            fields << asName(label->text());
        } else if (const auto* box = qobject_cast<const QAbstractButton*>(w);
                   box != nullptr && box->isCheckable()) {
            fields << asName(box->text());
        } else if (const auto* header = qobject_cast<const QHeaderView*>(w);
                   header != nullptr && header->orientation() == Qt::Horizontal) {
            for (int i = 0; i < header->count(); ++i) {
                fields << u"column "_s +
                              asName(header->model()->headerData(i, Qt::Horizontal).toString());
            }
        }
    }
    fields.sort();
    return fields;
}

// "+added, -missing": how a window's fields differ from the first scene's.
QString fieldChanges(const QStringList& first, const QStringList& now) {
    QStringList changes;
    for (const QString& f : now) {
        if (!first.contains(f)) {
            changes << u"+"_s + f;
        }
    }
    for (const QString& f : first) {
        if (!now.contains(f)) {
            changes << u"-"_s + f;
        }
    }
    return changes.join(u", "_s);
}

QString sizeOf(const QRect& r) {
    return u"%1x%2"_s.arg(r.width()).arg(r.height());
}

// The windows that a scene draws in a form of its own because its text is about that form: 17
// shows the invoice's accounting entries on a Journal tab beside the lines, 43 the company's own
// payment methods where 30 shows the customers'. Every other window keeps one form.
bool ownForm(const SceneWindows& s, const QString& title) {
    static const QList<std::pair<int, QString>> kOwnForms = {{17, u"Invoices"_s},
                                                             {43, u"Payment Methods"_s}};
    return kOwnForms.contains(std::pair{s.scene, title});
}

// The window of a title in a scene; null when the scene does not show it.
const WindowForm* windowOf(const SceneWindows& s, const QString& title) {
    for (const WindowForm& w : s.windows) {
        if (w.title == title) {
            return &w;
        }
    }
    return nullptr;
}

} // namespace

QStringList textsShown(const Screen& screen) {
    QStringList out;
    for (const QWidget* w : screen.findChildren<QWidget*>()) {
        if (w->isVisibleTo(&screen)) {
            addOwnTexts(w, out);
        }
    }
    out.removeAll(QString());
    return out;
}

QList<WindowForm> windowForms(const Screen& screen) {
    QList<WindowForm> out;
    for (const QWidget* w : screen.findChildren<QWidget*>()) {
        if (dynamic_cast<const ChildWindow*>(w) == nullptr || !w->isVisibleTo(&screen)) {
            continue;
        }
        for (const QObject* child : w->children()) {
            if (const auto* bar = dynamic_cast<const TitleBar*>(child)) {
                out << WindowForm{bar->caption(), inPicture(w, w->rect(), screen), fieldsOf(w)};
            }
        }
    }
    return out;
}

QStringList layoutProblems(const QList<SceneWindows>& scenes) {
    QStringList out;
    QHash<QString, std::pair<int, WindowForm>> first; // by title: the form all others keep
    const SceneWindows* previous = nullptr;
    for (const SceneWindows& s : scenes) {
        for (const WindowForm& w : s.windows) {
            if (ownForm(s, w.title)) {
                continue;
            }
            const auto known = first.constFind(w.title);
            if (known == first.constEnd()) {
                first.insert(w.title, {s.scene, w});
                continue;
            }
            const auto& [scene, form] = *known;
            if (w.place.size() != form.place.size()) {
                out << u"scene %1: \"%2\" is %3, in scene %4 %5"_s.arg(s.scene).arg(
                    w.title, sizeOf(w.place), QString::number(scene), sizeOf(form.place));
            }
            if (w.fields != form.fields) {
                out << u"scene %1: \"%2\" has other fields than in scene %3 (%4)"_s.arg(s.scene)
                           .arg(w.title, QString::number(scene),
                                fieldChanges(form.fields, w.fields));
            }
            const WindowForm* before = previous != nullptr && previous->scene == s.scene - 1 &&
                                               !ownForm(*previous, w.title)
                                           ? windowOf(*previous, w.title)
                                           : nullptr;
            if (before != nullptr && before->place.topLeft() != w.place.topLeft()) {
                out << u"scene %1: \"%2\" moved from %3 in the scene before"_s.arg(s.scene).arg(
                    w.title, where(before->place));
            }
        }
        previous = &s;
    }
    return out;
}

QRect calloutArea(const script::Scene& scene) {
    if (scene.HelpText.isEmpty()) {
        return {};
    }
    // The picture's top-left corner is the origin of the scene's offsets.
    const script::Callout callout =
        script::calloutAt(scene.HelpText.size(), static_cast<float>(scene.HelpLeft),
                          static_cast<float>(scene.HelpTop));
    return pixelsCovering(callout.plate);
}

std::optional<QPoint> pointerTip(const script::Scene& scene) {
    if (scene.MouseY <= 1) {
        return std::nullopt;
    }
    return QPoint(int(std::lround(scene.MouseX / kTwipsPerPixel)),
                  int(std::lround(scene.MouseY / kTwipsPerPixel)));
}

QStringList problems(const script::Scene& scene, const SceneDrawing& drawing,
                     const Screen& screen) {
    return explainedProblems(scene, screen) + pointerProblems(scene, screen) +
           namesProblems(scene, drawing, screen) + calloutEdgeProblems(scene, screen) +
           clippingProblems(screen) + figuresProblems(screen);
}

} // namespace shots
