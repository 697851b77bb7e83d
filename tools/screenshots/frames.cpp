// SPDX-License-Identifier: MIT
#include "frames.h"

#include "look.h"
#include "sample.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionMenuItem>
#include <QToolButton>
#include <qdrawutil.h>

using namespace Qt::StringLiterals;

namespace shots {

namespace {

// Title bars fade from dark to light in 32 fixed steps, so that every title bar of every
// picture uses the same few colours.
void fillTitleGradient(QPainter& p, const QRect& r, const QColor& from, const QColor& to) {
    constexpr int kSteps = 64;
    for (int x = r.left(); x <= r.right(); ++x) {
        const int step = (x - r.left()) * kSteps / std::max(1, r.width());
        const double t = step / double(kSteps - 1);
        const QColor c(int(from.red() + (to.red() - from.red()) * t),
                       int(from.green() + (to.green() - from.green()) * t),
                       int(from.blue() + (to.blue() - from.blue()) * t));
        p.setPen(c);
        p.drawLine(x, r.top(), x, r.bottom());
    }
}

void drawCaptionButton(QPainter& p, const QRect& r, const QPalette& pal, QChar kind) {
    qDrawWinButton(&p, r, pal, false, &pal.brush(QPalette::Button));
    p.setPen(Qt::black);
    const QRect in = r.adjusted(3, 2, -3, -2);
    if (kind == u'_') {
        p.fillRect(QRect(in.left() + 1, in.bottom() - 2, 6, 2), Qt::black);
    } else if (kind == u'o') {
        p.drawRect(in.adjusted(0, 0, -1, -1));
        p.drawLine(in.left(), in.top() + 1, in.right() - 1, in.top() + 1);
    } else if (kind == u'x') {
        const int cx = in.center().x(), cy = in.center().y();
        for (int d = -3; d <= 3; ++d) {
            p.drawPoint(cx + d, cy + d);
            p.drawPoint(cx + d + 1, cy + d);
            p.drawPoint(cx + d, cy - d);
            p.drawPoint(cx + d + 1, cy - d);
        }
    } else if (kind == u'?') {
        p.setFont(forPainter(p, uiFont(11, true)));
        p.drawText(r.adjusted(0, 0, 0, 0), Qt::AlignCenter, u"?"_s);
    }
}

} // namespace

// ---- ToolbarRow ----------------------------------------------------------------------------

QToolButton* ToolbarRow::add(Glyph g, const QString& text, int centreX, int width, bool iconOnly) {
    auto* b = new QToolButton(this);
    b->setAutoRaise(true);
    b->setIcon(QIcon(glyph(g, 18)));
    b->setIconSize(QSize(18, 18));
    b->setText(text);
    b->setToolButtonStyle(iconOnly                 ? Qt::ToolButtonIconOnly
                          : layout_.toolTextBeside ? Qt::ToolButtonTextBesideIcon
                                                   : Qt::ToolButtonTextOnly);
    b->setFocusPolicy(Qt::NoFocus);
    // The buttons keep to the row's upper part, so that their letters sit between the menus and
    // the lower edges of callouts that reach into the row.
    const int h = text.contains(u'\n') ? 30 : 26;
    b->setGeometry(centreX - width / 2, layout_.toolMiddle - layout_.toolTop() - h / 2, width, h);
    buttons_.append(b);
    return b;
}

void ToolbarRow::separator(int x) {
    separators_.append(x);
    update();
}

void ToolbarRow::clear() {
    qDeleteAll(buttons_);
    buttons_.clear();
    separators_.clear();
}

QToolButton* ToolbarRow::find(const QString& text) const {
    for (QToolButton* b : buttons_) {
        if (b->text() == text || b->toolTip() == text) {
            return b;
        }
    }
    return nullptr;
}

void ToolbarRow::paintEvent(QPaintEvent*) {
    forgetPainted();
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    p.setPen(Qt::white);
    p.drawLine(0, 0, width() - 1, 0);
    p.setPen(colour::shadow);
    p.drawLine(0, height() - 2, width() - 1, height() - 2);
    p.setPen(Qt::white);
    p.drawLine(0, height() - 1, width() - 1, height() - 1);
    // The product's mark at the row's right end, small and a little high: callouts' right edges
    // pass at x = 604 and 630, and one's lower edge at y = 67.
    p.drawPixmap(width() - layout_.logoRight, layout_.toolMiddle - layout_.toolTop() - 12,
                 glyph(Glyph::Logo, 20));
    // Separators as tall as the buttons' letters and pictures, so that they end above a lower
    // edge of a callout at y = 67.
    const int top = layout_.toolMiddle - layout_.toolTop() - 9;
    for (int x : separators_) {
        p.setPen(colour::shadow);
        p.drawLine(x, top, x, top + 16);
        p.setPen(Qt::white);
        p.drawLine(x + 1, top, x + 1, top + 16);
    }
}

// ---- StatusBar -----------------------------------------------------------------------------

void StatusBar::paintEvent(QPaintEvent*) {
    forgetPainted();
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    const QStringList texts = {hint, sample::kCompany, sample::kPeriod, sample::kToday};
    const int widths[] = {0, layout_.statusCompany, layout_.statusPeriod, layout_.statusToday};
    int right = width() - 2;
    QList<QRect> panels(4);
    for (int i = 3; i >= 1; --i) {
        panels[i] = QRect(right - widths[i], 3, widths[i], height() - 5);
        right -= widths[i] + 2;
    }
    panels[0] = QRect(2, 3, right - 2, height() - 5);
    p.setFont(forPainter(p, font()));
    for (int i = 0; i < 4; ++i) {
        qDrawShadePanel(&p, panels[i], palette(), true, 1);
        p.setPen(Qt::black);
        paintText(p, panels[i].adjusted(4, 0, -3, 0), Qt::AlignVCenter | Qt::AlignLeft, texts[i]);
    }
}

namespace {

// The area behind the windows. It paints its colour itself, so that the windows inside it
// keep the normal palette.
class Workspace : public QWidget {
public:
    explicit Workspace(QWidget* parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), colour::workspace);
    }
};

// A drawn mouse pointer.
class Cursor : public QWidget {
public:
    explicit Cursor(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        resize(12, 20);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QPolygon arrow({QPoint(0, 0), QPoint(0, 15), QPoint(4, 11), QPoint(7, 18),
                              QPoint(9, 17), QPoint(6, 10), QPoint(11, 10)});
        p.setPen(Qt::black);
        p.setBrush(Qt::white);
        p.drawPolygon(arrow);
    }
};

} // namespace

// ---- PaintsTexts ---------------------------------------------------------------------------

void PaintsTexts::paintText(QPainter& p, const QRect& r, int flags, const QString& text) {
    painted_.append({text, p.boundingRect(QRectF(r), flags, text), r});
    p.drawText(r, flags, text);
}

// ---- TitleBar ------------------------------------------------------------------------------

TitleBar::TitleBar(QWidget* parent, const QString& caption, Glyph icon, bool active,
                   Buttons buttons, int height)
    : QWidget(parent), caption_(caption), icon_(icon), active_(active), buttons_(buttons) {
    setFixedHeight(height);
}

void TitleBar::placeCaption(bool centred, int drop) {
    centred_ = centred;
    drop_ = drop;
    update();
}

QList<TitleBar::CaptionButton> TitleBar::captionButtons() const {
    QSize b(16, height() - 5);
    int right = width() - 2;
    QList<QChar> kinds;
    switch (buttons_) {
    case Buttons::MinMaxClose:
        kinds = {u'_', u'o', u'x'};
        break;
    case Buttons::MinClose:
        // The main window's, a little smaller: callouts reach into its title bar with right
        // edges at x = 594 to 603, and at x = 636 with a top edge at y = 2, and these pass beside
        // the buttons.
        kinds = {u'_', u'x'};
        b = QSize(14, 14);
        right = width() - 5;
        break;
    case Buttons::HelpClose:
        kinds = {u'?', u'x'};
        break;
    case Buttons::Close:
        kinds = {u'x'};
        break;
    case Buttons::None:
        break;
    }
    QList<CaptionButton> out;
    for (qsizetype i = kinds.size() - 1; i >= 0; --i) {
        out.prepend({kinds[i], QRect(QPoint(right - b.width(), (height() - b.height()) / 2), b)});
        right -= b.width() + (i == kinds.size() - 1 ? 2 : 0);
    }
    return out;
}

QRect TitleBar::iconPlace() const {
    return QRect(3, 2, height() - 4, height() - 4);
}

void TitleBar::paintEvent(QPaintEvent*) {
    forgetPainted();
    QPainter p(this);
    fillTitleGradient(p, rect(), active_ ? colour::navy : colour::inactive,
                      active_ ? colour::sky : colour::inactiveEnd);
    const QRect icon = iconPlace();
    p.drawPixmap(icon.topLeft(), glyph(icon_, icon.width()));
    const QList<CaptionButton> buttons = captionButtons();
    for (const CaptionButton& b : buttons) {
        drawCaptionButton(p, b.place, palette(), b.kind);
    }
    p.setPen(active_ ? Qt::white : colour::face);
    p.setFont(forPainter(p, uiFont(11, true)));
    // Centred between the icon and the buttons, or after the icon.
    const int right = buttons.isEmpty() ? width() - 2 : buttons.first().place.left();
    const Qt::Alignment across = centred_ ? Qt::AlignHCenter : Qt::AlignLeft;
    paintText(p, QRect(icon.right() + 5, drop_, right - icon.right() - 8, height()),
              across | Qt::AlignVCenter, caption_);
}

// ---- MenuStrip -----------------------------------------------------------------------------

namespace {
const QStringList& menuTitles() {
    static const QStringList titles = {u"File"_s,    u"Edit"_s,    u"Lists"_s,  u"Tasks"_s,
                                       u"Reports"_s, u"Options"_s, u"Window"_s, u"Help"_s};
    return titles;
}
} // namespace

MenuStrip::MenuStrip(QWidget* parent, const FrameLayout& layout)
    : QWidget(parent), layout_(layout) {}

const QStringList& MenuStrip::titles() {
    return menuTitles();
}

QRect MenuStrip::titleRect(const QString& title) const {
    const qsizetype i = menuTitles().indexOf(title);
    if (i < 0) {
        return {};
    }
    const int pad = layout_.menuGap / 2;
    return QRect(layout_.menuLetters[size_t(i)] - pad, 1,
                 QFontMetrics(font()).horizontalAdvance(title) + 2 * pad, height() - 2);
}

void MenuStrip::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    // The bar's own line under the titles, whole, as the style draws it under each title.
    QStyleOptionMenuItem bar;
    bar.initFrom(this);
    bar.menuItemType = QStyleOptionMenuItem::EmptyArea;
    bar.rect = QRect(0, 1, width(), height() - 2);
    style()->drawControl(QStyle::CE_MenuBarEmptyArea, &bar, &p, this);
    for (const QString& t : menuTitles()) {
        QStyleOptionMenuItem opt;
        opt.initFrom(this);
        opt.menuItemType = QStyleOptionMenuItem::Normal;
        opt.text = t;
        opt.rect = titleRect(t);
        opt.menuRect = rect();
        opt.state = QStyle::State_Enabled;
        if (t == open_) {
            opt.state |= QStyle::State_Selected | QStyle::State_Sunken;
        }
        style()->drawControl(QStyle::CE_MenuBarItem, &opt, &p, this);
    }
}

// ---- DropMenu ------------------------------------------------------------------------------

QStringList DropMenu::titles() const {
    QStringList out;
    for (const MenuEntry& e : entries_) {
        out << e.title;
    }
    return out;
}

DropMenu::DropMenu(QWidget* parent, const QList<MenuEntry>& entries, int minWidth)
    : QWidget(parent), entries_(entries) {
    const QFontMetrics fm(font());
    int textW = 0, keyW = 0;
    for (const MenuEntry& e : entries_) {
        const QStringList parts = e.title.split(u'\t');
        textW = std::max(textW, fm.horizontalAdvance(parts[0]));
        if (parts.size() > 1) {
            keyW = std::max(keyW, fm.horizontalAdvance(parts[1]));
        }
    }
    const int w = std::max(minWidth, textW + keyW + (keyW ? 24 : 0) + 48);
    int y = 3;
    for (const MenuEntry& e : entries_) {
        const int h = e.title == u"-" ? 7 : 20;
        rects_.append(QRect(3, y, w - 6, h));
        y += h;
    }
    resize(w, y + 3);
}

QRect DropMenu::entryRect(const QString& title) const {
    for (qsizetype i = 0; i < entries_.size(); ++i) {
        QString t = entries_[i].title.section(u'\t', 0, 0);
        if (t.endsWith(u" >"_s)) {
            t.chop(2);
        }
        if (t == title) {
            return rects_[i];
        }
    }
    return {};
}

void DropMenu::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    qDrawWinPanel(&p, rect(), palette(), false);
    const QFontMetrics fm(font());
    int keyW = 0;
    for (const MenuEntry& e : entries_) {
        if (e.title.contains(u'\t')) {
            keyW = std::max(keyW, fm.horizontalAdvance(e.title.section(u'\t', 1)));
        }
    }
    for (qsizetype i = 0; i < entries_.size(); ++i) {
        const MenuEntry& e = entries_[i];
        QStyleOptionMenuItem opt;
        opt.initFrom(this);
        opt.rect = rects_[i];
        opt.menuRect = rect();
        opt.maxIconWidth = 20;
        opt.reservedShortcutWidth = keyW ? keyW + 12 : 0;
        opt.state = QStyle::State_Enabled;
        if (e.disabled) {
            opt.state = QStyle::State_None;
        }
        if (e.title == u"-") {
            opt.menuItemType = QStyleOptionMenuItem::Separator;
        } else {
            QString text = e.title;
            opt.menuItemType = QStyleOptionMenuItem::Normal;
            if (text.endsWith(u" >"_s)) {
                opt.menuItemType = QStyleOptionMenuItem::SubMenu;
                text.chop(2);
            }
            opt.text = text;
            opt.checkType =
                e.checked ? QStyleOptionMenuItem::NonExclusive : QStyleOptionMenuItem::NotCheckable;
            opt.checked = e.checked;
            if (e.highlighted) {
                opt.state |= QStyle::State_Selected;
            }
        }
        if (opt.state & QStyle::State_Selected) {
            // The classic flat highlight; the style's own would add a gradient.
            p.fillRect(opt.rect, palette().highlight());
            opt.palette.setColor(QPalette::Window, palette().highlight().color());
        }
        style()->drawControl(QStyle::CE_MenuItem, &opt, &p, this);
    }
}

// ---- ChildWindow ---------------------------------------------------------------------------

ChildWindow::ChildWindow(QWidget* parent, const QRect& r, const QString& title, Glyph icon,
                         bool active, TitleBar::Buttons buttons)
    : QFrame(parent) {
    setGeometry(r);
    setAutoFillBackground(true);
    auto* bar = new TitleBar(this, title, icon, active, buttons, 18);
    bar->setGeometry(4, 4, r.width() - 8, 18);
    body_ = new QWidget(this);
    body_->setGeometry(4, 23, r.width() - 8, r.height() - 27);
}

void ChildWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    qDrawWinPanel(&p, rect(), palette(), false);
}

// ---- Screen --------------------------------------------------------------------------------

Screen::Screen(Kind kind, const FrameLayout& layout) : layout_(layout) {
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);
    if (kind == Kind::Page) {
        return;
    }
    const QString caption =
        layout_.captionNamesCompany ? u"Orvane - "_s + sample::kCompany : u"Orvane"_s;
    auto* title = new TitleBar(this, caption, Glyph::Logo, true, TitleBar::Buttons::MinClose,
                               layout_.titleHeight);
    title->setGeometry(0, 0, kWidth, layout_.titleHeight);
    title->placeCaption(layout_.captionCentred, layout_.captionDrop);
    menu_ = new MenuStrip(this, layout_);
    menu_->setGeometry(0, layout_.menuTop(), kWidth, layout_.menuHeight);
    tools_ = new ToolbarRow(this, layout_);
    tools_->setGeometry(0, layout_.toolTop(), kWidth, layout_.toolHeight);
    workspace_ = new Workspace(this);
    workspace_->setGeometry(0, layout_.workTop(), kWidth, kWorkBottom - layout_.workTop());
    status_ = new StatusBar(this, layout_);
    status_->setGeometry(0, kWorkBottom, kWidth, kStatusHeight);
    mainToolbar();
}

void Screen::copyFrame(const Screen& other) {
    if (other.toolbar_) {
        other.toolbar_(*this);
    }
    if (status_ != nullptr && other.status_ != nullptr) {
        status_->hint = other.status_->hint;
    }
}

void Screen::setStatus(const QString& hint) {
    status_->hint = hint;
}

void Screen::mainToolbar(bool whatsThisPressed) {
    toolbar_ = [=](Screen& s) { s.mainToolbar(whatsThisPressed); };
    tools_->clear();
    // Compact buttons with pictures only, 20 pixels apart, in groups of the modules; the "?" sits
    // at x = 250. The payables' group ends where 61's callout, reaching over the toolbar, has its
    // left edge (x = 138).
    const QList<QPair<Glyph, QString>> main = {
        {Glyph::MainMenu, u"Main Menu"_s}, {Glyph::Customers, u"Customers"_s},
        {Glyph::Invoices, u"Invoices"_s},  {Glyph::Receipts, u"Receipts"_s},
        {Glyph::Vendors, u"Vendors"_s},    {Glyph::Payments, u"Payments"_s},
        {Glyph::Items, u"Items"_s},        {Glyph::Employees, u"Employees"_s},
        {Glyph::Accounts, u"Accounts"_s},  {Glyph::Reports, u"Reports"_s},
    };
    int x = 18;
    for (qsizetype i = 0; i < main.size(); ++i) {
        QToolButton* b = tools_->add(main[i].first, main[i].second, x, 20, true);
        b->setToolTip(main[i].second);
        x += 20;
        if (i == 0 || i == 3 || i == 5) {
            tools_->separator(x - 9);
            x += 4;
        }
    }
    tools_->separator(kHelpButtonX - 14);
    QToolButton* help = tools_->add(Glyph::WhatsThis, u"?"_s, kHelpButtonX, 22, true);
    help->setToolTip(u"What's This?"_s);
    help->setCheckable(true);
    help->setChecked(whatsThisPressed);
}

int Screen::labelledWidth(const QString& text) const {
    const QFontMetrics fm(tools_->font());
    int w = 0;
    for (const QString& line : text.split(u'\n')) {
        w = std::max(w, fm.horizontalAdvance(line));
    }
    const int icon = layout_.toolTextBeside ? 18 + 8 : 0;
    return std::max(layout_.toolMinWidth, icon + w + layout_.toolPadding);
}

namespace {
// The arrows through the records stand this far apart: three callouts' left edges (x = 178, 198
// and 252) pass between them.
constexpr int kArrowPitch = 19;

bool picturedOnly(Glyph g) {
    return g == Glyph::First || g == Glyph::Previous || g == Glyph::Next || g == Glyph::Last;
}
} // namespace

int Screen::addLabelled(const QList<QPair<Glyph, QString>>& buttons, int x,
                        const QList<int>& groupLefts) {
    qsizetype group = 0;
    for (const auto& [g, t] : buttons) {
        if (t == u"|") {
            x = std::max(x + layout_.toolGroupGap, groupLefts.value(group++));
            tools_->separator(x - layout_.toolGroupGap / 2 - 1);
            continue;
        }
        if (picturedOnly(g)) {
            tools_->add(g, t, x + kArrowPitch / 2, kArrowPitch, true)->setToolTip(t);
            x += kArrowPitch;
            continue;
        }
        const int w = labelledWidth(t);
        tools_->add(g, t, x + w / 2, w, false);
        x += w;
    }
    return x;
}

void Screen::windowToolbar(const QString& conversion, Glyph conversionGlyph) {
    toolbar_ = [=](Screen& s) { s.windowToolbar(conversion, conversionGlyph); };
    tools_->clear();
    int x = addLabelled({{Glyph::Close, u"Close"_s}, {Glyph::Save, u"Save"_s}}, layout_.toolLeft);
    if (!conversion.isEmpty()) {
        // The command follows Save, where the pointer that shows it lands (x = 103).
        x += layout_.toolGroupGap;
        tools_->separator(x - layout_.toolGroupGap / 2 - 1);
        // Wider than its label, so that the Options menu, open over the toolbar, leaves Journal
        // in sight.
        const int w = labelledWidth(conversion) + layout_.toolConversionRoom;
        tools_->add(conversionGlyph, conversion, x + w / 2, w, false);
        x += w;
    }
    addLabelled({{Glyph::Page, u"|"_s},
                 {Glyph::New, u"New"_s},
                 {Glyph::Delete, u"Delete"_s},
                 {Glyph::Page, u"|"_s},
                 {Glyph::First, u"First"_s},
                 {Glyph::Previous, u"Previous"_s},
                 {Glyph::Next, u"Next"_s},
                 {Glyph::Last, u"Last"_s},
                 {Glyph::Page, u"|"_s},
                 {Glyph::Print, u"Print"_s},
                 {Glyph::Email, u"Email"_s},
                 {Glyph::Page, u"|"_s},
                 {Glyph::Alert, u"Alert"_s},
                 {Glyph::Notes, u"Notes"_s},
                 {Glyph::Journal, u"Journal"_s},
                 {Glyph::Page, u"|"_s},
                 {Glyph::Help, u"Help"_s}},
                x, {layout_.toolGroups.begin(), layout_.toolGroups.end()});
}

void Screen::customToolbar(const QList<QPair<Glyph, QString>>& buttons) {
    toolbar_ = [=](Screen& s) { s.customToolbar(buttons); };
    tools_->clear();
    addLabelled(buttons, layout_.toolLeft);
}

QToolButton* Screen::toolButton(const QString& text) const {
    return tools_->find(text);
}

ChildWindow* Screen::addWindow(const QString& title, const QRect& r, Glyph icon, bool active,
                               TitleBar::Buttons buttons) {
    return new ChildWindow(workspace_, r.translated(0, -layout_.workTop()), title, icon, active,
                           buttons);
}

ChildWindow* Screen::addDialog(const QString& title, const QRect& r, Glyph icon,
                               TitleBar::Buttons buttons) {
    auto* w = new ChildWindow(this, r, title, icon, true, buttons);
    w->raise();
    return w;
}

DropMenu* Screen::openMenu(const QString& title, const QList<MenuEntry>& entries) {
    menu_->setOpen(title);
    const QRect t = menu_->titleRect(title);
    return popup(QPoint(t.left(), layout_.toolTop() - 1), entries);
}

DropMenu* Screen::popup(const QPoint& topLeft, const QList<MenuEntry>& entries, int minWidth) {
    auto* m = new DropMenu(this, entries, minWidth);
    m->move(topLeft);
    m->raise();
    return m;
}

QLabel* Screen::tip(const QPoint& topLeft, const QString& text, int width) {
    auto* l = new QLabel(text, this);
    l->setAutoFillBackground(true);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, colour::tip);
    l->setPalette(p);
    l->setFrameStyle(QFrame::Box | QFrame::Plain);
    l->setMargin(3);
    if (width > 0) {
        l->setWordWrap(true);
        l->setFixedWidth(width);
    }
    l->adjustSize();
    l->move(topLeft);
    l->raise();
    l->show(); // also when added after the screen is shown
    return l;
}

void Screen::cursorAt(const QPoint& tip) {
    auto* c = new Cursor(this);
    c->move(tip);
    c->raise();
    c->show();
}

void Screen::explain(QWidget* w, const QString& what) {
    explained_.append({w, {}, what});
}

void Screen::explain(QWidget* w, const QRect& local, const QString& what) {
    explained_.append({w, local, what});
}

void Screen::pointAt(QWidget* w, const QString& what) {
    targets_.append({w, {}, what});
}

QRect Screen::Mark::inPicture() const {
    if (!widget) {
        return {};
    }
    const QRect r = local.isNull() ? widget->rect() : local;
    return QRect(widget->mapTo(widget->window(), r.topLeft()), r.size());
}

QImage Screen::picture() {
    show();
    QCoreApplication::processEvents();
    for (const auto& work : late_) {
        work();
    }
    QCoreApplication::processEvents();
    // No text cursor: the first field would otherwise show one.
    if (QWidget* f = focusWidget()) {
        f->clearFocus();
    }
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    render(&image);
    return image;
}

} // namespace shots
