// SPDX-License-Identifier: MIT
#include "rules.h"

#include "books.h"
#include "look.h"

#include "platform/picture.h"
#include "platform/units.h"
#include "script/callout.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOption>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTextLayout>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace shots {

namespace {

constexpr double kTwipsPerPixel = platform::kTwipsPerPixel;

// Every pixel that the twips touch, even in part, at the picture's density or a multiple of it.
QRect pixelsCovering(const script::TwipRect& r, int density) {
    const double twips = kTwipsPerPixel / density;
    const int left = int(std::floor(r.left / twips));
    const int top = int(std::floor(r.top / twips));
    const int right = int(std::ceil((double(r.left) + r.width) / twips));
    const int bottom = int(std::ceil((double(r.top) + r.height) / twips));
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

// ---- The one walk over what a picture says ----

// A text a reader sees on the picture, the widget that draws it, and where its letters lie, in
// pixels of the picture (in fractions of them where measured for twice the density).
struct ShownText {
    // What names a thing: button, toolbar, label, group, window, menu, tab, column, list. What a
    // control holds or a widget paints: field, text, painted.
    QString kind;
    QString text;
    const QWidget* owner;
    QRectF ink;
};

bool isName(const ShownText& t) {
    return t.kind != u"field" && t.kind != u"text" && t.kind != u"painted";
}

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

QRectF inPicture(const QWidget* w, const QRectF& local, const Screen& screen) {
    return local.translated(w->mapTo(&screen, QPoint(0, 0)));
}

// Where a text, drawn in the font with the alignment, lies inside a room: a caption's letters,
// not the width its widget or column leaves for it.
QRectF inkOf(const QFont& font, const QString& text, Qt::Alignment alignment, const QRect& room,
             int density, bool wrap = false) {
    const QSizeF size = textSize(font, QString(text).remove(u'&'), wrap ? int(Qt::TextWordWrap) : 0,
                                 room.width(), density);
    if (density == 1) {
        return QStyle::alignedRect(Qt::LeftToRight, alignment, size.toSize(), room) & room;
    }
    QPointF at = room.topLeft();
    if (alignment & Qt::AlignHCenter) {
        at.rx() += (room.width() - size.width()) / 2;
    } else if (alignment & Qt::AlignRight) {
        at.rx() += room.width() - size.width();
    }
    if (alignment & Qt::AlignVCenter) {
        at.ry() += (room.height() - size.height()) / 2;
    } else if (alignment & Qt::AlignBottom) {
        at.ry() += room.height() - size.height();
    }
    return QRectF(at, size) & QRectF(room);
}

QRectF labelInk(const QLabel* label, int density) {
    if (label->textFormat() == Qt::RichText || Qt::mightBeRichText(label->text())) {
        return label->rect();
    }
    const int m = label->margin();
    return inkOf(label->font(), label->text(), label->alignment(),
                 label->contentsRect().adjusted(m, m, -m, -m), density, label->wordWrap());
}

// A cell's or heading's text inside its rectangle, with the room the style keeps at its sides.
QRectF cellInk(const QWidget* view, const QString& text, const QVariant& alignment,
               const QRect& cell, int density) {
    const Qt::Alignment a = alignment.isValid() ? Qt::Alignment(alignment.toInt())
                                                : Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter);
    return inkOf(view->font(), text, a, cell.adjusted(3, 0, -3, 0), density);
}

// A button's caption: centred on a push button or an icon-less tool button, under or beside a
// tool button's icon; a check box or radio button reads from its indicator to the end of its
// text.
QRectF buttonInk(const QAbstractButton* b, int density) {
    const QRect r = b->rect();
    if (const auto* tool = qobject_cast<const QToolButton*>(b)) {
        if (tool->toolButtonStyle() == Qt::ToolButtonTextOnly) {
            return inkOf(b->font(), b->text(), Qt::AlignCenter, r, density, true);
        }
        const bool under = tool->toolButtonStyle() == Qt::ToolButtonTextUnderIcon;
        const QRect room = under ? r.adjusted(2, r.height() - b->fontMetrics().height() - 6, -2, -2)
                                 : r.adjusted(tool->iconSize().width() + 8, 0, -2, 0);
        const Qt::Alignment a =
            under ? Qt::AlignHCenter | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter;
        return inkOf(b->font(), b->text(), a, room, density, true);
    }
    if (qobject_cast<const QPushButton*>(b) != nullptr) {
        return inkOf(b->font(), b->text(), Qt::AlignCenter, r.adjusted(4, 2, -4, -2), density,
                     true);
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

// What the walk gathers, for one picture at one density.
struct Walk {
    const Screen& screen;
    int density;
    QList<ShownText> out;

    void add(const QString& kind, const QString& text, const QWidget* owner, const QRectF& local,
             const QWidget* coordinates = nullptr) {
        out << ShownText{kind, text, owner,
                         inPicture(coordinates != nullptr ? coordinates : owner, local, screen)};
    }

    void header(const QHeaderView* h) {
        for (int i = 0; i < h->count(); ++i) {
            const QString text = h->model()->headerData(i, h->orientation()).toString();
            const QRect r(h->sectionViewportPosition(i), 0, h->sectionSize(i), h->height());
            const QVariant a = h->model()->headerData(i, h->orientation(), Qt::TextAlignmentRole);
            add(u"column"_s, text, h, cellInk(h, text, a, r, density), h->viewport());
        }
    }

    void table(const QTableWidget* t) {
        for (int row = 0; row < t->rowCount(); ++row) {
            for (int c = 0; c < t->columnCount(); ++c) {
                if (const QTableWidgetItem* item = t->item(row, c)) {
                    const QRectF ink = cellInk(t, item->text(), item->data(Qt::TextAlignmentRole),
                                               t->visualItemRect(item), density);
                    add(u"list"_s, item->text(), t->viewport(), ink);
                }
            }
        }
    }

    // Every column of every item; an item inside a closed branch has no place.
    void tree(const QTreeWidget* t) {
        for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(t)); *it; ++it) {
            const QRect row = t->visualItemRect(*it);
            for (int c = 0; c < t->columnCount(); ++c) {
                const QRect cell(t->header()->sectionViewportPosition(c), row.top(),
                                 t->header()->sectionSize(c), row.height());
                const QRectF ink =
                    row.isEmpty() ? QRectF()
                                  : cellInk(t, (*it)->text(c),
                                            (*it)->data(c, Qt::TextAlignmentRole), cell, density);
                add(u"list"_s, (*it)->text(c), t->viewport(), ink);
            }
        }
    }

    void painted(const QWidget* w, const PaintsTexts& p) {
        const bool caption = dynamic_cast<const TitleBar*>(w) != nullptr;
        for (const PaintsTexts::Painted& t : p.paintedTexts()) {
            add(caption ? u"window"_s : u"painted"_s, t.text, w, t.ink);
        }
    }

    // A document line by line, each where its layout put it: the edge of a plate over a page of
    // text cuts the lines it crosses, not the page.
    void lines(const QWidget* viewport, const QTextDocument* document, QPoint scrolled = {}) {
        qreal top = document->documentMargin();
        for (QTextBlock b = document->begin(); b.isValid(); b = b.next()) {
            const QTextLayout* layout = b.layout();
            // A plain text edit's blocks keep no place of their own: they follow each other.
            const QPointF at = layout->position().isNull() && b != document->begin()
                                   ? QPointF(document->documentMargin(), top)
                                   : layout->position();
            for (int i = 0; i < layout->lineCount(); ++i) {
                const QTextLine line = layout->lineAt(i);
                const QString text = b.text().mid(line.textStart(), line.textLength());
                add(u"text"_s, text, viewport,
                    line.naturalTextRect().translated(at - QPointF(scrolled)));
            }
            top = at.y() + layout->boundingRect().height();
        }
    }

    void field(const QWidget* w, const QString& text, Qt::Alignment a) {
        add(u"field"_s, text, w, inkOf(w->font(), text, a, fieldTextRoom(w), density));
    }

    void widget(const QWidget* w);
};

void Walk::widget(const QWidget* w) {
    if (const auto* tool = qobject_cast<const QToolButton*>(w)) {
        const QRectF whole = inPicture(w, w->rect(), screen);
        const bool onToolbar =
            whole.top() >= screen.layout().toolTop() && whole.bottom() < screen.layout().workTop();
        if (tool->toolButtonStyle() != Qt::ToolButtonIconOnly) {
            add(onToolbar ? u"toolbar"_s : u"button"_s, tool->text(), w, buttonInk(tool, density));
        }
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
        add(u"button"_s, button->text(), w, buttonInk(button, density));
    } else if (const auto* label = qobject_cast<const QLabel*>(w)) {
        const bool rich = Qt::mightBeRichText(label->text());
        add(u"label"_s,
            rich ? QTextDocumentFragment::fromHtml(label->text()).toPlainText() : label->text(), w,
            labelInk(label, density));
    } else if (const auto* group = qobject_cast<const QGroupBox*>(w)) {
        add(u"group"_s, group->title(), w, groupTitleInk(group));
    } else if (const auto* edit = qobject_cast<const QLineEdit*>(w)) {
        // An editable combo box's own line edit shows the combo box's text, counted once.
        if (qobject_cast<const QComboBox*>(edit->parentWidget()) == nullptr) {
            field(edit, edit->text(), edit->alignment());
        }
    } else if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
        field(combo, combo->currentText(), Qt::AlignLeft | Qt::AlignVCenter);
    } else if (const auto* plain = qobject_cast<const QPlainTextEdit*>(w)) {
        lines(plain->viewport(), plain->document());
    } else if (const auto* rich = qobject_cast<const QTextEdit*>(w)) {
        lines(rich->viewport(), rich->document(),
              QPoint(rich->horizontalScrollBar()->value(), rich->verticalScrollBar()->value()));
    } else if (const auto* strip = dynamic_cast<const MenuStrip*>(w)) {
        for (const QString& t : MenuStrip::titles()) {
            add(u"menu"_s, t, w,
                inkOf(strip->font(), t, Qt::AlignCenter, strip->titleRect(t), density));
        }
    } else if (const auto* menu = dynamic_cast<const DropMenu*>(w)) {
        for (QString t : menu->titles()) {
            t = t.section(u'\t', 0, 0);
            add(u"menu"_s, t, w, menu->entryRect(t.endsWith(u" >"_s) ? t.chopped(2) : t));
        }
    } else if (const auto* painter = dynamic_cast<const PaintsTexts*>(w)) {
        painted(w, *painter);
    } else if (const auto* h = qobject_cast<const QHeaderView*>(w)) {
        header(h);
    } else if (const auto* t = qobject_cast<const QTableWidget*>(w)) {
        table(t);
    } else if (const auto* t = qobject_cast<const QTreeWidget*>(w)) {
        tree(t);
    } else if (const auto* tabs = qobject_cast<const QTabBar*>(w)) {
        // A tab's caption, centred in the tab: an edge that crosses the tab's outline beside the
        // caption cuts no word.
        for (int i = 0; i < tabs->count(); ++i) {
            add(u"tab"_s, tabs->tabText(i), tabs,
                inkOf(tabs->font(), tabs->tabText(i), Qt::AlignCenter, tabs->tabRect(i), density));
        }
    }
}

// Every text the picture shows, with its kind and where its letters lie: names (buttons,
// labels, group and window titles, tabs, column headings, menus), what fields, lists and
// reports hold, and what widgets paint themselves. A toolbar button that shows only its icon
// says nothing. Measured as the picture draws its texts, or with density 2 as its copy for
// high-density screens does.
QList<ShownText> shownTexts(const Screen& screen, int density = 1) {
    Walk walk{screen, density, {}};
    for (const QWidget* w : screen.findChildren<QWidget*>()) {
        if (w->isVisibleTo(&screen)) {
            walk.widget(w);
        }
    }
    return walk.out;
}

// Whether what the picture shows at `at` is the widget or one of its children, not something
// drawn later over it.
bool showsAt(const Screen& screen, const QWidget* w, const QPoint& at) {
    const QWidget* hit = screen.childAt(at);
    return hit != nullptr && (hit == w || w->isAncestorOf(hit));
}

// Whether nothing drawn later lies over the middle and both quarters of the text's place, or,
// asked for `ends` too, over its first and last letters ("Journal" half under a menu reads
// "ournal").
bool uncovered(const ShownText& t, const Screen& screen, bool ends = false) {
    const QRect r = t.ink.toAlignedRect();
    const int y = r.center().y();
    QList<int> xs = {r.left() + r.width() / 4, r.center().x(), r.right() - r.width() / 4};
    if (ends) {
        xs << r.left() + 1 << r.right() - 1;
    }
    return std::all_of(xs.begin(), xs.end(),
                       [&](int x) { return showsAt(screen, t.owner, QPoint(x, y)); });
}

// Whether a shown text reads as the name: a window's caption also names each of its parts
// ("Report - Customer Ledgers" names the window and its report).
bool reads(const ShownText& t, const QString& name) {
    if (asName(t.text) == name) {
        return true;
    }
    const QStringList parts = t.text.split(u" - "_s);
    return t.kind == u"window" && std::any_of(parts.begin(), parts.end(),
                                              [&](const QString& p) { return asName(p) == name; });
}

// A name counts as seen where nothing covers it and the callout, as the program places it,
// leaves it clear: the reader is not asked to drag the callout aside to find it.
QStringList namesProblems(const script::Scene& scene, const SceneDrawing& drawing,
                          const QList<ShownText>& shown, const Screen& screen) {
    QStringList out;
    if (drawing.names == nullptr || *drawing.names == 0) {
        return out;
    }
    const QRect callout = calloutArea(scene);
    // "button:Filter" asks for a button; a bare name for any kind of widget.
    for (const QString& entry : QString::fromUtf16(drawing.names).split(u'|')) {
        const QString kind = entry.contains(u':') ? entry.section(u':', 0, 0) : QString();
        const QString name = (entry.contains(u':') ? entry.section(u':', 1) : entry).toCaseFolded();
        bool found = false, uncoveredByWidgets = false, visible = false;
        for (const ShownText& t : shown) {
            if (isName(t) && (kind.isEmpty() || kind == t.kind) && reads(t, name)) {
                found = true;
                const bool seen = uncovered(t, screen, true);
                uncoveredByWidgets = uncoveredByWidgets || seen;
                visible = visible || (seen && !t.ink.toAlignedRect().intersects(callout));
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

// The plate's edge that runs through a text's place, a pixel to spare on either side.
QString edgeThrough(const QRect& text, const QRect& plate) {
    const auto across = [](int edge, int from, int to) {
        return from <= edge + 1 && to >= edge - 1;
    };
    const bool rows = text.bottom() >= plate.top() - 1 && text.top() <= plate.bottom() + 1;
    const bool columns = text.right() >= plate.left() - 1 && text.left() <= plate.right() + 1;
    if (rows && across(plate.left(), text.left(), text.right())) {
        return u"left"_s;
    }
    if (rows && across(plate.right(), text.left(), text.right())) {
        return u"right"_s;
    }
    if (columns && across(plate.top(), text.top(), text.bottom())) {
        return u"top"_s;
    }
    return u"bottom"_s;
}

// Whether a place is neither wholly under the plate nor wholly clear of it, a pixel to spare.
bool acrossTheEdge(const QRect& r, const QRect& plate) {
    return r.intersects(plate.adjusted(-1, -1, 1, 1)) && !plate.adjusted(1, 1, -1, -1).contains(r);
}

// A text the plate's edge runs through leaves half-letters on the screen ("Inactive" reads
// "ctive"). Each shown text lies wholly under the plate or wholly clear of it, a pixel to spare,
// in the pixels of the picture or of its copy at twice the density.
QStringList calloutEdgeProblems(const script::Scene& scene, const QList<ShownText>& shown,
                                const Screen& screen, int density) {
    QStringList out;
    const QRect plate = calloutArea(scene, density);
    if (plate.isEmpty()) {
        return out;
    }
    QList<QRect> reported;
    for (const ShownText& t : shown) {
        const QRect r = QRectF(t.ink.topLeft() * density, t.ink.size() * density).toAlignedRect();
        if (acrossTheEdge(r, plate) && !r.isEmpty() && !asName(t.text).isEmpty() &&
            !reported.contains(r) && uncovered(t, screen)) {
            reported << r;
            out << u"the callout's %1 edge cuts the %2 \"%3\" at %4"_s.arg(
                edgeThrough(r, plate), t.kind, t.text.simplified().left(60), where(r));
        }
    }
    return out;
}

// ---- Shapes the callout's edge may cut ----

// A shape the learner reads as one thing: a framed button, a field's box, a picture, a title
// bar's icon or button. Cut by the plate's edge, it leaves a sliver or a half on the screen (a
// field's border under a callout's foot, "Last" that reads as "Next").
struct Shape {
    QString what;
    QRect place; // in the picture
    const QWidget* owner;
};

// The pixels a picture paints: its glyph, not the transparent square around it.
QRect paintedPart(const QImage& image) {
    QRect out;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0) {
                out |= QRect(x, y, 1, 1);
            }
        }
    }
    return out;
}

QRect iconOnlyPlace(const QToolButton* b) {
    QRect icon(QPoint(0, 0), b->iconSize());
    icon.moveCenter(b->rect().center());
    const QImage image = b->icon().pixmap(b->iconSize()).toImage();
    return paintedPart(image).translated(icon.topLeft());
}

QString shapeName(const QWidget* w) {
    if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
        const QString name = b->text().isEmpty() ? b->toolTip() : b->text();
        return u"button \"%1\""_s.arg(name.simplified());
    }
    if (qobject_cast<const QLabel*>(w) != nullptr) {
        return u"picture"_s;
    }
    return u"field box"_s;
}

// Where the widget draws a shape of its own, in its coordinates; empty for none. Flat buttons of
// words are read as their letters, by the rule for texts.
QRect shapeOf(const QWidget* w) {
    if (const auto* tool = qobject_cast<const QToolButton*>(w)) {
        return tool->toolButtonStyle() == Qt::ToolButtonIconOnly ? iconOnlyPlace(tool)
               : tool->autoRaise()                               ? QRect()
                                                                 : tool->rect();
    }
    if (qobject_cast<const QPushButton*>(w) != nullptr ||
        qobject_cast<const QLineEdit*>(w) != nullptr ||
        qobject_cast<const QComboBox*>(w) != nullptr ||
        qobject_cast<const QAbstractSpinBox*>(w) != nullptr) {
        return w->rect();
    }
    if (const auto* label = qobject_cast<const QLabel*>(w); label && !label->pixmap().isNull()) {
        const QSize size = label->pixmap().deviceIndependentSize().toSize();
        const QRect place =
            QStyle::alignedRect(Qt::LeftToRight, label->alignment(), size, label->contentsRect());
        return paintedPart(label->pixmap().toImage().scaled(size)).translated(place.topLeft());
    }
    return {};
}

// A field's box is its combo box's or spin box's, whose line edit it holds.
bool insideAField(const QWidget* w) {
    const QWidget* parent = w->parentWidget();
    return qobject_cast<const QComboBox*>(parent) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(parent) != nullptr;
}

QList<Shape> shapesShown(const Screen& screen) {
    QList<Shape> out;
    for (const QWidget* w : screen.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&screen) || insideAField(w)) {
            continue;
        }
        if (const auto* bar = dynamic_cast<const TitleBar*>(w)) {
            const QString of = u" of \"%1\""_s.arg(bar->caption());
            out << Shape{u"title bar's icon"_s + of,
                         inPicture(w, bar->iconPlace(), screen).toRect(), w};
            for (const TitleBar::CaptionButton& b : bar->captionButtons()) {
                out << Shape{u"title bar's '%1' button"_s.arg(b.kind) + of,
                             inPicture(w, b.place, screen).toRect(), w};
            }
        } else if (const QRect shape = shapeOf(w); !shape.isEmpty()) {
            out << Shape{shapeName(w), inPicture(w, shape, screen).toRect(), w};
        }
    }
    return out;
}

// Each shape lies wholly under the plate or wholly clear of it, a pixel to spare, where nothing
// drawn later covers its middle. A widget whose letters the edge cuts is reported once, for them.
QStringList calloutEdgeShapeProblems(const script::Scene& scene, const QList<ShownText>& shown,
                                     const Screen& screen) {
    QStringList out;
    const QRect plate = calloutArea(scene);
    if (plate.isEmpty()) {
        return out;
    }
    QList<const QWidget*> lettersCut;
    for (const ShownText& t : shown) {
        if (acrossTheEdge(t.ink.toAlignedRect(), plate)) {
            lettersCut << t.owner << t.owner->parentWidget();
        }
    }
    for (const Shape& s : shapesShown(screen)) {
        if (acrossTheEdge(s.place, plate) && showsAt(screen, s.owner, s.place.center()) &&
            !lettersCut.contains(s.owner)) {
            out << u"the callout's %1 edge cuts the %2 at %3"_s.arg(edgeThrough(s.place, plate),
                                                                    s.what, where(s.place));
        }
    }
    return out;
}

// ---- Clipping ----

// Whether a text, drawn in the widget's font, fits a width and height, as the picture draws it or
// as its copy at twice the density does.
bool fits(const QWidget* w, const QString& text, int width, int height, int density,
          bool wrap = false) {
    const QSizeF needed =
        textSize(w->font(), text, wrap ? int(Qt::TextWordWrap) : 0, width, density);
    return needed.width() <= width && needed.height() <= height;
}

// A label's plain text that its contents rect cannot hold; empty when it fits. Rich text
// (help topics, tips) lays itself out and is left alone.
QString labelTextProblem(const QLabel* label, int density) {
    if (label->text().isEmpty() || label->textFormat() == Qt::RichText ||
        Qt::mightBeRichText(label->text())) {
        return {};
    }
    const int m = label->margin();
    const QRect room = label->contentsRect().adjusted(m, m, -m, -m);
    return fits(label, label->text(), room.width(), room.height(), density, label->wordWrap())
               ? QString()
               : label->text();
}

// A button's text that does not fit beside or under its icon, or beside its indicator.
QString buttonTextProblem(const QAbstractButton* button, int density) {
    if (const auto* tool = qobject_cast<const QToolButton*>(button)) {
        if (tool->toolButtonStyle() == Qt::ToolButtonIconOnly) {
            return {};
        }
        const Qt::ToolButtonStyle style = tool->toolButtonStyle();
        const int room = style == Qt::ToolButtonTextUnderIcon || style == Qt::ToolButtonTextOnly
                             ? tool->width() - 4
                             : tool->width() - tool->iconSize().width() - 12;
        return fits(tool, tool->text(), room, tool->height(), density) ? QString() : tool->text();
    }
    if (qobject_cast<const QPushButton*>(button) != nullptr) {
        return fits(button, button->text(), button->width() - 8, button->height(), density)
                   ? QString()
                   : button->text();
    }
    // Check boxes and radio buttons: the indicator, then the text in the room the style leaves
    // it beside the indicator.
    if (density == 1) {
        return button->sizeHint().width() <= button->width() ? QString() : button->text();
    }
    QStyleOptionButton o;
    o.initFrom(button);
    o.text = button->text();
    const bool radio = qobject_cast<const QRadioButton*>(button) != nullptr;
    const QRect room = button->style()->subElementRect(
        radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &o, button);
    return fits(button, button->text(), room.width(), button->height(), density) ? QString()
                                                                                 : button->text();
}

// The text a widget shows, when it does not fit the room the widget gives it; empty when it does.
QString textProblem(const QWidget* w, int density) {
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        return labelTextProblem(label, density);
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
        return buttonTextProblem(button, density);
    }
    QString text;
    if (const auto* edit = qobject_cast<const QLineEdit*>(w)) {
        text = edit->text();
    } else if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
        text = combo->currentText();
    } else if (const auto* group = qobject_cast<const QGroupBox*>(w)) {
        return fits(w, group->title(), group->width() - 16, 20, density) ? QString()
                                                                         : group->title();
    }
    if (text.isEmpty()) {
        return {};
    }
    const QRect room = fieldTextRoom(w);
    return fits(w, text, room.width(), room.height(), density) ? QString() : text;
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
QStringList listProblems(const QAbstractItemView* v, int density) {
    QStringList out;
    const QAbstractItemModel* m = v->model();
    if (m == nullptr || m->rowCount() == 0) {
        return out;
    }
    const QRect last = v->visualRect(m->index(m->rowCount() - 1, 0));
    const bool scrolls = v->verticalScrollBar()->isVisible();
    if (!scrolls &&
        (last.bottom() >= v->viewport()->height() || v->verticalScrollBar()->value() > 0)) {
        out << u"rows cut off without a scroll bar"_s;
    }
    // With or without a scroll bar, the list ends on a whole row: half a row reads as a row
    // missing a line.
    const int bottom = v->viewport()->height() - 1;
    if (const QModelIndex cut = v->indexAt(QPoint(1, bottom));
        scrolls && cut.isValid() && v->visualRect(cut).bottom() > bottom) {
        out << u"ends in half a row"_s;
    }
    if (const auto* tree = qobject_cast<const QTreeWidget*>(v)) {
        // An item's text must fit its column, or the style elides it.
        for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(tree)); *it; ++it) {
            for (int c = 0; c < tree->columnCount(); ++c) {
                const int indent = c == 0 && (*it)->parent() != nullptr ? tree->indentation() : 0;
                if (!fits(tree, (*it)->text(c), tree->columnWidth(c) - 8 - indent, 100, density)) {
                    out << u"\"%1\" does not fit its column"_s.arg((*it)->text(c));
                }
            }
        }
    }
    if (const auto* table = qobject_cast<const QTableWidget*>(v)) {
        // A cell's text must fit its column, or the style elides it.
        for (int row = 0; row < table->rowCount(); ++row) {
            for (int c = 0; c < table->columnCount(); ++c) {
                const QTableWidgetItem* item = table->item(row, c);
                if (item != nullptr &&
                    !fits(table, item->text(), table->columnWidth(c) - 8, 100, density)) {
                    out << u"\"%1\" does not fit its column"_s.arg(item->text());
                }
            }
        }
    }
    const QHeaderView* header = nullptr;
    if (const auto* table = qobject_cast<const QTableView*>(v)) {
        header = table->horizontalHeader();
    } else if (const auto* tree = qobject_cast<const QTreeView*>(v)) {
        header = tree->header();
    }
    if (header != nullptr && header->orientation() == Qt::Horizontal && !header->isHidden() &&
        header->length() > v->viewport()->width() + 1 && !v->horizontalScrollBar()->isVisible()) {
        out << u"columns cut off without a scroll bar"_s;
    }
    return out;
}

QStringList clippingProblems(const Screen& screen, int density) {
    QStringList out;
    for (const QWidget* w : screen.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&screen) || qobject_cast<const QScrollBar*>(w) != nullptr ||
            qobject_cast<const QAbstractItemView*>(w->parentWidget()) != nullptr ||
            (w->parentWidget() != nullptr && qobject_cast<const QAbstractItemView*>(
                                                 w->parentWidget()->parentWidget()) != nullptr)) {
            continue;
        }
        const QString at = where(QRect(w->mapTo(&screen, QPoint(0, 0)), w->size()));
        if (const QString text = textProblem(w, density); !text.isEmpty()) {
            out << u"\"%1\" does not fit its widget %2"_s.arg(text.simplified(), at);
        }
        const bool control =
            qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
            qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
            qobject_cast<const QGroupBox*>(w) || qobject_cast<const QLabel*>(w);
        if (const auto* painter = dynamic_cast<const PaintsTexts*>(w)) {
            for (const PaintsTexts::Painted& t : painter->paintedTexts()) {
                if (!t.text.isEmpty() &&
                    !QRectF(t.room).adjusted(-0.5, -0.5, 0.5, 0.5).contains(t.ink)) {
                    out << u"\"%1\" does not fit where it is painted %2"_s.arg(
                        t.text.simplified(),
                        where(t.room.translated(w->mapTo(&screen, QPoint(0, 0)))));
                }
            }
        }
        if (control && !insideItsWindows(w, screen)) {
            out << u"a %1 at %2 is cut by what holds it"_s.arg(
                QString::fromLatin1(w->metaObject()->className()), at);
        }
        if (const auto* tabs = qobject_cast<const QTabBar*>(w);
            tabs != nullptr && tabs->count() > 0 &&
            tabs->tabRect(tabs->count() - 1).right() >= tabs->width()) {
            out << u"the tab \"%1\" at %2 is cut by its bar"_s.arg(tabs->tabText(tabs->count() - 1),
                                                                   at);
        }
        if (const auto* view = qobject_cast<const QAbstractItemView*>(w)) {
            for (const QString& p : listProblems(view, density)) {
                out << u"a list at %1: %2"_s.arg(at, p);
            }
        }
    }
    return out;
}

// ---- Figures: every amount on the picture comes from the books ----

// An amount as the screens write it: "1,234.56", "-8.71", "6.20" of "6.20%".
const QRegularExpression& amountPattern() {
    static const QRegularExpression amount(
        u"(?<![\\d.,])-?\\d{1,3}(?:,\\d{3})*\\.\\d{2}(?![\\d])"_s);
    return amount;
}

// Amounts only: a bare whole number may be a quantity, but as well an invoice, a check, an
// account or a date, which the books don't count; those are left to the reader.
QStringList figuresProblems(const QList<ShownText>& shown) {
    QStringList out;
    for (const ShownText& t : shown) {
        const QString& text = t.text;
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
    for (const ShownText& t : shownTexts(screen)) {
        if (!t.text.isEmpty()) {
            out << t.text;
        }
    }
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
                out << WindowForm{bar->caption(), QRect(w->mapTo(&screen, QPoint(0, 0)), w->size()),
                                  fieldsOf(w)};
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

QRect calloutArea(const script::Scene& scene, int density) {
    if (scene.HelpText.isEmpty()) {
        return {};
    }
    // The picture's top-left corner is the origin of the scene's offsets.
    const script::Callout callout =
        script::calloutAt(scene.HelpText.size(), static_cast<float>(scene.HelpLeft),
                          static_cast<float>(scene.HelpTop));
    return pixelsCovering(callout.plate, density);
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
    const QList<ShownText> shown = shownTexts(screen);
    return explainedProblems(scene, screen) + pointerProblems(scene, screen) +
           namesProblems(scene, drawing, shown, screen) +
           calloutEdgeProblems(scene, shown, screen, 1) +
           calloutEdgeShapeProblems(scene, shown, screen) + clippingProblems(screen, 1) +
           figuresProblems(shown);
}

QStringList calloutEdgeProblems(const script::Scene& scene, const Screen& screen) {
    return calloutEdgeProblems(scene, shownTexts(screen), screen, 1);
}

QStringList doubleDensityProblems(const script::Scene& scene, const Screen& screen) {
    const QList<ShownText> shown = shownTexts(screen, platform::kDoubleDensity);
    QStringList out = calloutEdgeProblems(scene, shown, screen, platform::kDoubleDensity) +
                      clippingProblems(screen, platform::kDoubleDensity);
    for (QString& p : out) {
        p.prepend(u"at twice the density, "_s);
    }
    return out;
}

namespace {

// Where the widgets lie. A tab bar is left out: it takes the width its tabs need, in the
// letters of either density, inside the tab widget that stays in place.
QList<QRect> placesOf(const QList<QWidget*>& widgets) {
    QList<QRect> places;
    for (const QWidget* w : widgets) {
        places << (qobject_cast<const QTabBar*>(w) != nullptr ? QRect() : w->geometry());
    }
    return places;
}

} // namespace

// The screen drawn again, once laid out by picture(), at twice the density: the same widgets in
// the same places, with text, lines and the style's shapes drawn for the finer pixels. The
// widgets' fonts are hinted to whole pixels of the picture; drawn twice as fine, letters would
// keep those rounded advances and stand apart ("w eek"). For this drawing alone their text is
// placed unhinted. A widget that moved meanwhile is a problem: the copy must show the picture's
// places.
QImage doubleDensityPicture(const script::Scene& scene, Screen& screen, QStringList& problems) {
    const QList<QWidget*> widgets = screen.findChildren<QWidget*>();
    const QList<QRect> places = placesOf(widgets);
    QList<QFont> fonts;
    for (QWidget* w : widgets) {
        fonts << w->font();
        QFont unhinted = w->font();
        unhinted.setHintingPreference(QFont::PreferNoHinting);
        w->setFont(unhinted);
    }
    // The tab bars measure their tabs anew in the finer letters.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QImage image(QSize(kWidth, kHeight) * platform::kDoubleDensity, QImage::Format_RGB32);
    image.setDevicePixelRatio(platform::kDoubleDensity);
    image.fill(Qt::white);
    screen.render(&image);
    if (placesOf(widgets) != places) {
        problems << u"widgets moved while the copy at twice the density was drawn"_s;
    }
    problems << doubleDensityProblems(scene, screen);
    for (qsizetype i = 0; i < widgets.size(); ++i) {
        widgets[i]->setFont(fonts[i]);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    return image;
}

} // namespace shots
