// SPDX-License-Identifier: MIT
// orvane-screenshots: draws the screenshots of the Orvane tutorial and writes them as GIF files.
//
//   orvane-screenshots [--review DIR] [--only NAME,...] [--texts] [--frame-search] [OUTPUT_DIR]
//
// Each scene gives two files: its picture, 640 x 480 pixels, and beside it a copy drawn from the
// same widgets at twice the density, 1280 x 960 pixels, for high-density screens ("main@2x.GIF"
// beside "main.GIF"). OUTPUT_DIR defaults to the working directory. --review also writes each
// picture as PNG with the
// scene's callout area, the elements its text explains and its pointer target drawn on top, and
// tells how many colours each screen had and how many pixels the palette changed. --only draws
// the named pictures (file names or scene numbers) alone. --texts draws nothing and prints
// every text the pictures show, a line each, for the spelling check. --frame-search draws nothing
// and tries layouts of the main window's frame against every scene's callout (frame_search.cpp).
//
// The map
//
//   main.cpp           this loop: the program's script in, one GIF per scene out
//   rules.cpp          the rules every picture keeps with its scene (below)
//   frame_search.cpp   the search for the frame layout whose texts no callout's edge cuts
//   screens.h/.cpp     SceneDrawing, and the lookup of a scene's drawing in the files' tables
//   screens_*.cpp      the builders, one file per part of the tutorial, each ending with its
//                      table: scene number, kind of screen, builder, names its text uses
//   parts.h/.cpp       larger parts several screens share: title pages, transaction windows,
//                      navigation aids, report windows, help, the Main Menu, sample records
//   forms.h/.cpp       fields in rows, free-standing widgets, tables, record windows, wizards
//   frames.h/.cpp      the main window (title, menu bar, toolbar, workspace, status bar), windows
//                      and dialogs in it, menus, tips; the picture's geometry (kWorkArea...)
//   glyphs.h/.cpp      the pictograms of toolbars and windows
//   colours.h          every colour of the pictures, the pictograms' palette included
//   look.h/.cpp        fonts, the Fusion style and the classic palette
//   sample.h           the sample company's data that several screens show
//   books.h/.cpp       its books: invoices, receipts, checks, purchases; the figures the screens
//                      show are computed there, and checked before any picture is written
//   gifwriter.h/.cpp   the reduction to 256 colours and the GIF file
//
// Data flows one way. The program's script (src/script) gives each scene its picture's name,
// its text, the callout's offsets and the pointer's target; tools/ adds only which builder draws
// the scene and what kind of screen it is. For each scene: a Screen of that kind, the builder
// fills it, the picture is rendered, reduced, written, and checked against the rules.
//
// To add a screen: add the scene to the script (its row in src/script/tutorial_script.h, its
// text in src/script/help_texts.cpp); in the screens_*.cpp of its part, write a builder that
// marks with explain() what the text is about and with pointAt() where a gliding pointer lands;
// add {scene, kind, builder, names} to that file's table, names being what the text calls the
// buttons, fields, menus, windows and tabs it mentions, '|' between them. Figures come from the
// books (books.h). Then `cmake --build build --target pictures` and look at the result with
// --review.
//
// The rules (a picture that breaks one makes the run fail, after all pictures are written):
// every scene of the script has one drawing and every drawing a scene; a scene with a text marks
// what the text explains; each explained element is shown, inside the picture and clear of the
// callout as the program places it (script::calloutAt); a gliding pointer lands on its marked
// element and not under the callout; a scene without a glide marks no pointer target; every
// name the scene's table lists (the buttons, fields, menus, windows and tabs its text names) is
// the text of a widget on the picture that neither another widget nor the callout covers; the
// callout's edge runs through no text the picture shows, the main window's frame, fields'
// contents and painted report lines included; every widget's text fits the widget, every control
// lies inside what holds it, and a list shows all its rows and columns, or a scroll bar and whole
// rows; a window of one title has one size and one set of fields in every scene and keeps its
// place from one scene to the next (but in the two scenes whose text is about another form,
// which rules.cpp names); every amount it shows is a figure of the books or a declared example
// (books.h). Before all that, the sample company's books must agree (books.cpp), or no picture
// is written. The copy at twice the density shows the same widgets in the same places in finer
// letters: its texts are measured again for the callout's edge and for clipping.

#include "books.h"
#include "frame_search.h"
#include "gifwriter.h"
#include "look.h"
#include "rules.h"
#include "screens.h"

#include "platform/picture.h"
#include "script/tutorial_script.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QSet>
#include <QTextStream>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

using namespace shots;

namespace {

QTextStream& err() {
    static QTextStream s(stderr);
    return s;
}

QImage reviewImage(const QImage& picture, const script::Scene& scene, const Screen& screen) {
    QImage out = picture.copy();
    QPainter p(&out);
    const QRect callout = calloutArea(scene);
    if (!callout.isEmpty()) {
        p.fillRect(callout, colour::review::callout);
        p.setPen(colour::review::calloutEdge);
        p.drawRect(callout.adjusted(0, 0, -1, -1));
    }
    p.setPen(QPen(colour::review::explained, 2));
    for (const Screen::Mark& m : screen.explained()) {
        p.drawRect(m.inPicture().adjusted(0, 0, -1, -1));
    }
    if (const auto tip = pointerTip(scene)) {
        p.setPen(QPen(colour::review::pointer, 2));
        p.drawLine(*tip - QPoint(8, 0), *tip + QPoint(8, 0));
        p.drawLine(*tip - QPoint(0, 8), *tip + QPoint(0, 8));
    }
    return out;
}

int colourCount(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(image.pixel(x, y));
        }
    }
    return int(colours.size());
}

// How many pixels the palette changed, and by how much at most in one channel.
QString paletteDamage(const QImage& a, const QImage& b) {
    int changed = 0;
    int worst = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int d = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                    std::abs(qBlue(p) - qBlue(q))});
            changed += d > 0;
            worst = std::max(worst, d);
        }
    }
    return u"%1 pixels changed by the palette, by at most %2 in a channel"_s.arg(changed).arg(
        worst);
}

struct Options {
    QString outDir = u"."_s;
    QString reviewDir;
    bool texts = false;       // print what the pictures say instead of drawing them
    bool frameSearch = false; // try frame layouts against the scenes' callouts instead
    QStringList only;         // picture names or scene numbers; empty: all
};

std::optional<Options> parseArguments() {
    Options options;
    const QStringList args = QCoreApplication::arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == u"--review" && i + 1 < args.size()) {
            options.reviewDir = args[++i];
        } else if (args[i] == u"--texts") {
            options.texts = true;
        } else if (args[i] == u"--frame-search") {
            options.frameSearch = true;
        } else if (args[i] == u"--only" && i + 1 < args.size()) {
            options.only = args[++i].split(u',');
        } else if (args[i].startsWith(u'-')) {
            return std::nullopt;
        } else {
            options.outDir = args[i];
        }
    }
    return options;
}

// Every scene of the script has one drawing, and every drawing belongs to a scene of it.
QStringList coverageProblems(int numberOfScenes) {
    QStringList out;
    QList<int> drawn;
    for (const SceneDrawing& d : allDrawings()) {
        if (d.scene < 1 || d.scene > numberOfScenes) {
            out << u"a drawing for scene %1, which the script lacks"_s.arg(d.scene);
        } else if (drawn.contains(d.scene)) {
            out << u"scene %1 is drawn twice"_s.arg(d.scene);
        }
        drawn << d.scene;
    }
    for (int scene = 1; scene <= numberOfScenes; ++scene) {
        if (!drawn.contains(scene)) {
            out << u"scene %1 has no drawing"_s.arg(scene);
        }
    }
    return out;
}

// Reduces the image, writes it as file and, with --review, its PNG. False when it could not be
// written.
bool writePicture(const QImage& image, const QString& file, const script::Scene& scene,
                  const Screen& screen, const Options& options) {
    const IndexedImage indexed = reduceColours(image);
    if (const QString e = writeGif(indexed, QDir(options.outDir).filePath(file)); !e.isEmpty()) {
        err() << "orvane-screenshots: " << e << "\n";
        return false;
    }
    if (!options.reviewDir.isEmpty()) {
        QImage reduced = expand(indexed);
        reduced.setDevicePixelRatio(image.devicePixelRatio());
        err() << file << ": " << colourCount(image) << " colours, " << paletteDamage(image, reduced)
              << "\n";
        const QString png = QDir(options.reviewDir).filePath(file.section(u'.', 0, 0) + u".png"_s);
        reviewImage(reduced, scene, screen).save(png);
    }
    return true;
}

// Draws the scene's picture and its copy at twice the density, writes both, and reports what
// breaks the rules. False when a picture could not be written.
bool drawScene(const script::Scene& scene, const SceneDrawing& drawing, const Options& options,
               int& failures, QList<SceneWindows>& windows) {
    const QString& file = scene.PictureFile;
    // Only what this scene's builder asked the books for counts as their figure on its picture.
    books::forgetFigures();
    auto screen = std::make_unique<Screen>(drawing.kind);
    drawing.build(*screen);
    const QImage image = screen->picture();
    QStringList found = problems(scene, drawing, *screen);
    windows << SceneWindows{drawing.scene, windowForms(*screen)};
    const QImage dense = doubleDensityPicture(scene, *screen, found);
    if (!writePicture(image, file, scene, *screen, options) ||
        !writePicture(dense, platform::doubleDensityName(file), scene, *screen, options)) {
        return false;
    }
    found.removeDuplicates();
    for (const QString& p : found) {
        err() << "scene " << drawing.scene << ", " << file << ": " << p << "\n";
    }
    failures += int(found.size());
    screen.reset();
    QCoreApplication::processEvents();
    return true;
}

// Prints every text the scenes' pictures show, one line each, for the spelling check.
void printTexts(platform::Int16 numberOfScenes) {
    QTextStream out(stdout);
    for (platform::Int16 number = 1; number <= numberOfScenes; ++number) {
        if (const SceneDrawing* drawing = drawingFor(number)) {
            Screen screen(drawing->kind);
            drawing->build(screen);
            for (const QString& text : textsShown(screen)) {
                for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts)) {
                    out << line << "\n";
                }
            }
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    // Always offscreen: the pictures must not depend on the desktop the tool runs on.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "1");
    QApplication app(argc, argv);

    const std::optional<Options> options = parseArguments();
    if (!options) {
        err() << "usage: orvane-screenshots [--review DIR] [--only NAME,...] [--texts] "
                 "[--frame-search] [OUTPUT_DIR]\n";
        return 2;
    }
    if (const QString problem = setUpLook(app); !problem.isEmpty()) {
        err() << "orvane-screenshots: " << problem << "\n";
        return 1;
    }
    if (!QDir().mkpath(options->outDir) ||
        (!options->reviewDir.isEmpty() && !QDir().mkpath(options->reviewDir))) {
        err() << "orvane-screenshots: cannot create the output directory\n";
        return 1;
    }

    // The program's own script: its pictures, texts, callouts and pointers.
    auto scenes = std::make_unique<script::SceneTable>();
    platform::Int16 numberOfScenes = 0;
    script::loadScript(*scenes, numberOfScenes);

    // Figures that disagree with each other would teach the wrong thing: no pictures then.
    if (const QStringList wrong = books::check(); !wrong.isEmpty()) {
        for (const QString& p : wrong) {
            err() << "orvane-screenshots: " << p << "\n";
        }
        err() << "orvane-screenshots: the books do not agree; no pictures written\n";
        return 1;
    }

    if (options->texts) {
        printTexts(numberOfScenes);
        return 0;
    }
    if (options->frameSearch) {
        return frameSearch(*scenes, numberOfScenes);
    }

    int failures = 0;
    for (const QString& p : coverageProblems(numberOfScenes)) {
        err() << "orvane-screenshots: " << p << "\n";
        ++failures;
    }
    int written = 0;
    QList<SceneWindows> windows;
    for (platform::Int16 number = 1; number <= numberOfScenes; ++number) {
        const script::Scene& scene = (*scenes)(number);
        const SceneDrawing* drawing = drawingFor(number);
        if (drawing == nullptr ||
            (!options->only.isEmpty() && !options->only.contains(scene.PictureFile) &&
             !options->only.contains(QString::number(number)))) {
            continue;
        }
        if (!drawScene(scene, *drawing, *options, failures, windows)) {
            return 1;
        }
        ++written;
    }
    for (const QString& p : layoutProblems(windows)) {
        err() << "orvane-screenshots: " << p << "\n";
        ++failures;
    }
    err() << "orvane-screenshots: wrote " << written
          << " pictures, each with its copy at twice the density, to " << options->outDir << "\n";
    if (failures > 0) {
        err() << "orvane-screenshots: " << failures << " problem(s)\n";
        return 1;
    }
    return 0;
}
