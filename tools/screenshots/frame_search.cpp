// SPDX-License-Identifier: MIT
#include "frame_search.h"

#include "frames.h"
#include "rules.h"
#include "screens.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QRegularExpression>
#include <QTextStream>
#include <QToolButton>

#include <algorithm>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace shots {

namespace {

// A scene as the frame meets it: its callout, what it shows in the frame (kept in the scene's
// own screen) and the places of what it draws over the frame (dialogs, menus, tips).
struct FrameScene {
    int number;
    const script::Scene* scene;
    std::unique_ptr<Screen> drawn;
    QList<QRect> covers;
};

bool isFramePart(const QWidget* w) {
    return dynamic_cast<const TitleBar*>(w) || dynamic_cast<const MenuStrip*>(w) ||
           dynamic_cast<const ToolbarRow*>(w) || dynamic_cast<const StatusBar*>(w);
}

// The scenes whose callout reaches into the frame's rows, or could with another layout.
std::vector<FrameScene> scenesMeetingTheFrame(const script::SceneTable& scenes, int count) {
    std::vector<FrameScene> out;
    for (int number = 1; number <= count; ++number) {
        const script::Scene& scene = scenes(number);
        const QRect plate = calloutArea(scene);
        const SceneDrawing* drawing = drawingFor(number);
        if (plate.isEmpty() || drawing == nullptr || drawing->kind != Screen::Kind::Product ||
            (plate.top() > kWorkArea.top() + 18 && plate.bottom() < kWorkBottom - 4)) {
            continue;
        }
        auto screen = std::make_unique<Screen>(drawing->kind);
        drawing->build(*screen);
        screen->picture();
        FrameScene f{number, &scene, std::move(screen), {}};
        for (QObject* child : f.drawn->children()) {
            auto* w = qobject_cast<QWidget*>(child);
            if (w != nullptr && w->isVisible() && !isFramePart(w) && w != f.drawn->workspace()) {
                f.covers << w->geometry();
            }
        }
        out.push_back(std::move(f));
    }
    return out;
}

// Whether the logo leaves room for every button of the row, with 8 pixels to spare.
bool logoClearOfButtons(const Screen& screen) {
    const ToolbarRow* row = screen.toolbarRow();
    const int logoLeft = row->width() - screen.layout().logoRight;
    const auto buttons = row->findChildren<QToolButton*>();
    return std::all_of(buttons.begin(), buttons.end(),
                       [&](const QToolButton* b) { return b->geometry().right() + 8 < logoLeft; });
}

// The frame's cuts in the scenes under a layout: "scene N: ..." lines.
QStringList frameCuts(const FrameLayout& layout, const std::vector<FrameScene>& scenes) {
    QStringList out;
    for (const FrameScene& f : scenes) {
        Screen frame(Screen::Kind::Product, layout);
        frame.copyFrame(*f.drawn);
        for (const QRect& r : f.covers) {
            (new QWidget(&frame))->setGeometry(r);
        }
        frame.setAttribute(Qt::WA_DontShowOnScreen);
        frame.show();
        QImage painted(kWidth, kHeight, QImage::Format_RGB32); // paints measure their texts
        frame.render(&painted);
        const QString number = QString::number(f.number);
        QStringList cuts = calloutEdgeProblems(*f.scene, frame);
        doubleDensityPicture(*f.scene, frame, cuts); // the copy's finer letters fall elsewhere
        for (const QString& cut : cuts) {
            if (cut.contains(u"the callout's"_s)) {
                out << u"scene "_s + number + u": "_s + cut;
            }
        }
        if (!logoClearOfButtons(frame)) {
            out << u"scene "_s + number + u": the logo meets the toolbar's buttons"_s;
        }
    }
    return out;
}

// Which part of the frame a cut falls in, by where its text lies: "title", "menu", "toolbar",
// "logo" (what the toolbar row paints itself), "status"; "logo" too for a logo that meets the
// buttons.
QString partOf(const QString& cut, const FrameLayout& layout) {
    static const QRegularExpression at(u"the (\\w+) \".*\" at \\((\\d+),(\\d+) "_s);
    const QRegularExpressionMatch m = at.match(cut);
    if (!m.hasMatch()) {
        return u"logo"_s;
    }
    const int density = cut.contains(u"at twice the density"_s) ? 2 : 1;
    const int y = m.captured(3).toInt() / density;
    if (y < layout.menuTop()) {
        return u"title"_s;
    }
    if (y < layout.toolTop()) {
        return u"menu"_s;
    }
    if (y < layout.workTop()) {
        return m.captured(1) == u"painted" ? u"logo"_s : u"toolbar"_s;
    }
    return y >= kWorkBottom ? u"status"_s : u"workspace"_s;
}

int cutsIn(const QStringList& cuts, const QStringList& parts, const FrameLayout& layout) {
    return int(std::count_if(cuts.begin(), cuts.end(),
                             [&](const QString& c) { return parts.contains(partOf(c, layout)); }));
}

using Change = std::function<void(FrameLayout&)>;

// One row's variables at a time: each candidate changes the layout, and counts the cuts of its
// parts of the frame. Returns the best layout found and prints the best few.
FrameLayout searchRow(const QString& what, const FrameLayout& from, const QList<Change>& candidates,
                      const QStringList& parts, const std::vector<FrameScene>& scenes,
                      const std::function<QString(const FrameLayout&)>& describe,
                      QTextStream& out) {
    struct Tried {
        int cuts;
        int index;
        FrameLayout layout;
    };
    QList<Tried> tried;
    for (qsizetype i = 0; i < candidates.size(); ++i) {
        FrameLayout layout = from;
        candidates[i](layout);
        const QStringList cuts = frameCuts(layout, scenes);
        tried << Tried{cutsIn(cuts, parts, layout), int(i), layout};
    }
    // The fewest cuts; among equals the first tried, which the candidates list in order of looks.
    std::stable_sort(tried.begin(), tried.end(),
                     [](const Tried& a, const Tried& b) { return a.cuts < b.cuts; });
    out << what << ": " << candidates.size() << " layouts tried; the best:\n";
    for (qsizetype i = 0; i < std::min<qsizetype>(5, tried.size()); ++i) {
        out << "  " << tried[i].cuts << " cuts: " << describe(tried[i].layout) << "\n";
    }
    out.flush();
    return tried.first().layout;
}

// Whether no scene's callout edge cuts any of `texts` (a cut names them `kind "text"`) with the
// layout, nor with the part moved a pixel either way: a pixel to spare for the finer letters of
// the copy at twice the density.
bool clearWithRoom(const FrameLayout& l, const std::function<void(FrameLayout&, int)>& place, int x,
                   const QStringList& texts, const std::vector<FrameScene>& scenes) {
    for (int dx = -1; dx <= 1; ++dx) {
        FrameLayout moved = l;
        place(moved, x + dx);
        for (const QString& cut : frameCuts(moved, scenes)) {
            if (std::any_of(texts.begin(), texts.end(),
                            [&](const QString& t) { return cut.contains(t); })) {
                return false;
            }
        }
    }
    return true;
}

// Places a part of the frame at `from`, or moved right a pixel at a time to the first place clear
// of every edge; where none is within `reach`, at `from`.
FrameLayout pushedClear(FrameLayout l, const std::function<void(FrameLayout&, int)>& place,
                        int from, int reach, const QStringList& texts,
                        const std::vector<FrameScene>& scenes) {
    for (int x = from; x <= from + reach; ++x) {
        if (clearWithRoom(l, place, x, texts, scenes)) {
            place(l, x);
            return l;
        }
    }
    place(l, from);
    return l;
}

// The menu titles laid from x = left on, `gap` pixels apart, each pushed right past the edges
// that would cut it.
FrameLayout pushedMenus(FrameLayout l, int left, int gap, const std::vector<FrameScene>& scenes) {
    const QFontMetrics fm(QApplication::font());
    const QStringList& titles = MenuStrip::titles();
    l.menuGap = gap;
    l.menuLetters.fill(kWidth * 2); // later titles out of the way
    int x = left;
    for (qsizetype i = 0; i < titles.size(); ++i) {
        const auto place = [i](FrameLayout& m, int at) { m.menuLetters[size_t(i)] = at; };
        l = pushedClear(l, place, x, 200, {u"menu \""_s + titles[i] + u"\""_s}, scenes);
        x = l.menuLetters[size_t(i)] + fm.horizontalAdvance(titles[i]) + gap;
    }
    return l;
}

// A window toolbar's groups after the first each pushed right past the edges that would cut
// their labels.
FrameLayout pushedToolGroups(FrameLayout l, const std::vector<FrameScene>& scenes) {
    const QList<QStringList> groups = {{u"New"_s, u"Delete"_s},
                                       {},
                                       {u"Print"_s, u"Email"_s},
                                       {u"Alert"_s, u"Notes"_s, u"Journal"_s},
                                       {u"Help"_s}};
    // The arrows have no letters to cut; they keep their place.
    for (qsizetype g = 0; g < groups.size(); ++g) {
        if (!groups[g].isEmpty()) {
            l.toolGroups[size_t(g)] = 0;
        }
    }
    for (qsizetype g = 0; g < groups.size(); ++g) {
        if (groups[g].isEmpty()) {
            continue;
        }
        Screen natural(Screen::Kind::Product, l);
        natural.windowToolbar();
        const int from = natural.toolButton(groups[g].first())->x();
        QStringList texts;
        for (const QString& t : groups[g]) {
            texts << u"toolbar \""_s + t + u"\""_s;
        }
        const auto place = [g](FrameLayout& m, int at) { m.toolGroups[size_t(g)] = at; };
        l = pushedClear(l, place, from, 200, texts, scenes);
    }
    return l;
}

// Menu titles' letters from x = left on, `gap` pixels apart.
std::array<int, 8> evenlySpaced(int left, int gap) {
    const QFontMetrics fm(QApplication::font());
    std::array<int, 8> out{};
    int x = left;
    for (size_t i = 0; i < out.size(); ++i) {
        out[i] = x;
        x += fm.horizontalAdvance(MenuStrip::titles()[qsizetype(i)]) + gap;
    }
    return out;
}

QString describeRows(const FrameLayout& l) {
    return u"title %1, menu %2, toolbar %3 pixels high"_s.arg(l.titleHeight)
        .arg(l.menuHeight)
        .arg(l.toolHeight);
}

QString describeCaption(const FrameLayout& l) {
    return u"caption %1%2, %3 below the middle"_s.arg(
        l.captionNamesCompany ? u"\"Orvane - company\""_s : u"\"Orvane\""_s,
        l.captionCentred ? u" centred"_s : u" after the icon"_s, QString::number(l.captionDrop));
}

QString describeMenu(const FrameLayout& l) {
    QStringList at;
    for (int x : l.menuLetters) {
        at << QString::number(x);
    }
    return u"menu titles' letters at x = %1"_s.arg(at.join(u", "_s));
}

QString describeToolbar(const FrameLayout& l) {
    QStringList groups;
    for (int x : l.toolGroups) {
        groups << QString::number(x);
    }
    return u"labels %1, buttons from x = %2, %3 beside the label, %4 between groups, the groups "
           u"after the first from x = %5"_s
               .arg(l.toolTextBeside ? u"beside the icons"_s : u"alone"_s)
               .arg(l.toolLeft)
               .arg(l.toolPadding)
               .arg(l.toolGroupGap)
               .arg(groups.join(u", "_s));
}

QString describeLogo(const FrameLayout& l) {
    return u"the mark %1 pixels from the right"_s.arg(l.logoRight);
}

QString describeStatus(const FrameLayout& l) {
    return u"status panels %1, %2, %3 wide"_s.arg(l.statusCompany)
        .arg(l.statusPeriod)
        .arg(l.statusToday);
}

} // namespace

int frameSearch(const script::SceneTable& table, int numberOfScenes) {
    QTextStream out(stdout);
    const std::vector<FrameScene> scenes = scenesMeetingTheFrame(table, numberOfScenes);
    out << scenes.size() << " scenes' callouts reach the frame's rows:";
    for (const FrameScene& f : scenes) {
        const QRect plate = calloutArea(*f.scene);
        out << " " << f.number << " (" << plate.left() << ".." << plate.right() << ", "
            << plate.top() << ".." << plate.bottom() << ")";
    }
    out << "\n";
    const QStringList before = frameCuts(kFrame, scenes);
    out << "the frame drawn today: " << before.size() << " cuts\n";

    // The rows' heights; the workspace keeps its top.
    QList<Change> rows;
    for (int title = 19; title <= 25; title += 2) {
        for (int menu = 18; menu <= 22; menu += 2) {
            rows << [=](FrameLayout& l) {
                l.titleHeight = title;
                l.menuHeight = menu;
                l.toolHeight = kWorkTop - title - menu;
            };
        }
    }
    QList<Change> captions;
    for (const bool company : {true, false}) {
        for (const bool centred : {false, true}) {
            for (int drop = 0; drop <= 3; ++drop) {
                captions << [=](FrameLayout& l) {
                    l.captionNamesCompany = company;
                    l.captionCentred = centred;
                    l.captionDrop = drop;
                };
            }
        }
    }
    // Evenly spaced titles all meet some edge; pushed past the edges, the titles keep their spacing
    // but for two wider gaps.
    QList<Change> menus;
    for (int gap = 26; gap >= 14; gap -= 6) {
        for (int left = 2; left <= 26; left += 6) {
            menus << [=](FrameLayout& l) { l.menuLetters = evenlySpaced(left, gap); };
        }
    }
    QList<Change> pushedMenuFamily;
    for (const int gap : {20, 14}) {
        pushedMenuFamily << [=, &scenes](FrameLayout& l) { l = pushedMenus(l, 23, gap, scenes); };
    }
    // Labels beside their icons make the row too long to step round the edges; labels alone
    // leave room to. Each is tried with its groups pushed clear.
    QList<Change> toolbars;
    for (const bool beside : {false, true}) {
        for (int padding = 10; padding <= 12; padding += 2) {
            toolbars << [=, &scenes](FrameLayout& l) {
                l.toolTextBeside = beside;
                l.toolPadding = padding;
                l = pushedToolGroups(l, scenes);
            };
        }
    }
    QList<Change> logos;
    for (int right = 34; right <= 400; right += 6) {
        logos << [=](FrameLayout& l) { l.logoRight = right; };
    }
    QList<Change> statuses;
    for (int company = 130; company <= 200; company += 35) {
        for (int period = 180; period <= 240; period += 30) {
            for (int today = 62; today <= 92; today += 15) {
                statuses << [=](FrameLayout& l) {
                    l.statusCompany = company;
                    l.statusPeriod = period;
                    l.statusToday = today;
                };
            }
        }
    }

    FrameLayout best = kFrame;
    // The rows' heights place the caption's and the menus' letters: each is tried with the
    // caption and the menus laid out at their best for it.
    QList<Change> rowsAtTheirBest;
    for (const Change& heights : rows) {
        FrameLayout l = best;
        heights(l);
        QTextStream quiet(stderr);
        l = searchRow(u"caption"_s, l, captions, {u"title"_s}, scenes, describeCaption, quiet);
        l = searchRow(u"menus"_s, l, menus, {u"menu"_s}, scenes, describeMenu, quiet);
        rowsAtTheirBest << [=](FrameLayout& chosen) { chosen = l; };
    }
    best = searchRow(
        u"rows, caption and menus"_s, best, rowsAtTheirBest, {u"title"_s, u"menu"_s}, scenes,
        [](const FrameLayout& l) {
            return describeRows(l) + u"; "_s + describeCaption(l) + u"; "_s + describeMenu(l);
        },
        out);
    // Pushing titles is slow, so it is tried once, with the rows chosen.
    best = searchRow(u"menus pushed past the edges"_s, best,
                     QList<Change>{[](FrameLayout&) {}} + pushedMenuFamily, {u"menu"_s}, scenes,
                     describeMenu, out);
    best = searchRow(u"window toolbars"_s, best, toolbars, {u"toolbar"_s, u"logo"_s}, scenes,
                     describeToolbar, out);
    best = searchRow(u"logo"_s, best, logos, {u"logo"_s}, scenes, describeLogo, out);
    best = searchRow(u"status bar"_s, best, statuses, {u"status"_s}, scenes, describeStatus, out);

    const QStringList after = frameCuts(best, scenes);
    out << "\nthe best layout: " << describeRows(best) << "; " << describeCaption(best) << "; "
        << describeMenu(best) << "; " << describeToolbar(best) << "; " << describeLogo(best) << "; "
        << describeStatus(best) << "\n";
    out << "its cuts: " << after.size() << " (today " << before.size() << ")\n";
    for (const QString& cut : after) {
        out << "  " << cut << "\n";
    }
    return 0;
}

} // namespace shots
