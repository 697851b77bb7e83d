// SPDX-License-Identifier: MIT
// orvane-screenshots: draws the 80 screenshots of the Orvane tutorial and writes them as GIF
// files.
//
//   orvane-screenshots [--review DIR] [--only NAME,...] [OUTPUT_DIR]
//
// OUTPUT_DIR defaults to the working directory. --review also writes each picture as PNG with
// the scene's callout area, the elements its text explains and its pointer target drawn on
// top, and tells how many colours each screen had and how many pixels the palette changed. --only
// draws the named pictures (file names or scene numbers) alone.
//
// Every element that a scene's text explains must stay clear of that scene's callout, and a
// pointer must land on its element; a picture that breaks either rule makes the run fail.

#include "gifwriter.h"
#include "kit.h"
#include "look.h"
#include "scenes.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QSet>
#include <QTextStream>

#include <algorithm>
#include <cstdlib>
#include <memory>

using namespace shots;

namespace {

QTextStream& err() {
    static QTextStream s(stderr);
    return s;
}

QImage reviewImage(const QImage& picture, const SceneSpec& scene, const Screen& screen) {
    QImage out = picture.copy();
    QPainter p(&out);
    const QRect callout = calloutArea(scene);
    if (!callout.isEmpty()) {
        p.fillRect(callout, QColor(255, 255, 160, 150));
        p.setPen(QColor(200, 120, 0));
        p.drawRect(callout.adjusted(0, 0, -1, -1));
    }
    p.setPen(QPen(QColor(0, 170, 0), 2));
    for (const Screen::Mark& m : screen.explained())
        p.drawRect(m.inPicture().adjusted(0, 0, -1, -1));
    if (const auto tip = pointerTip(scene)) {
        p.setPen(QPen(Qt::red, 2));
        p.drawLine(*tip - QPoint(8, 0), *tip + QPoint(8, 0));
        p.drawLine(*tip - QPoint(0, 8), *tip + QPoint(0, 8));
    }
    return out;
}

int colourCount(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
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
    return QStringLiteral("%1 pixels changed by the palette, by at most %2 in a channel")
        .arg(changed)
        .arg(worst);
}

// The scene's rules: explained elements visible and clear of the callout; the pointer on its
// element.
QStringList problems(const SceneSpec& scene, const Screen& screen) {
    QStringList out;
    const QRect callout = calloutArea(scene);
    const QRect picture(0, 0, kWidth, kHeight);
    if (scene.textLength > 0 && screen.explained().isEmpty())
        out << QStringLiteral("nothing marked as explained");
    for (const Screen::Mark& m : screen.explained()) {
        if (!m.widget || !m.widget->isVisibleTo(m.widget->window())) {
            out << QStringLiteral("\"%1\" is not shown").arg(m.what);
            continue;
        }
        const QRect r = m.inPicture();
        if (r.intersects(callout))
            out << QStringLiteral("\"%1\" at (%2,%3 %4x%5) lies under the callout")
                       .arg(m.what)
                       .arg(r.x())
                       .arg(r.y())
                       .arg(r.width())
                       .arg(r.height());
        if (!picture.contains(r))
            out << QStringLiteral("\"%1\" reaches outside the picture").arg(m.what);
    }
    const auto tip = pointerTip(scene);
    if (tip && screen.pointerTargets().isEmpty())
        out << QStringLiteral("the pointer has no target");
    if (!tip && !screen.pointerTargets().isEmpty())
        out << QStringLiteral("a pointer target, but the scene has no pointer");
    for (const Screen::Mark& m : screen.pointerTargets()) {
        if (tip && !m.inPicture().contains(*tip))
            out << QStringLiteral("the pointer at (%1,%2) misses \"%3\"")
                       .arg(tip->x())
                       .arg(tip->y())
                       .arg(m.what);
        if (tip && callout.contains(*tip))
            out << QStringLiteral("the pointer lands under the callout");
    }
    return out;
}

} // namespace

int main(int argc, char** argv) {
    // Always offscreen: the pictures must not depend on the desktop the tool runs on.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "1");
    QApplication app(argc, argv);

    QString outDir = QStringLiteral(".");
    QString reviewDir;
    QStringList only;
    const QStringList args = QCoreApplication::arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == u"--review" && i + 1 < args.size()) {
            reviewDir = args[++i];
        } else if (args[i] == u"--only" && i + 1 < args.size()) {
            only = args[++i].split(u',');
        } else if (args[i].startsWith(u'-')) {
            err() << "usage: orvane-screenshots [--review DIR] [--only NAME,...] [OUTPUT_DIR]\n";
            return 2;
        } else {
            outDir = args[i];
        }
    }

    if (const QString problem = setUpLook(app); !problem.isEmpty()) {
        err() << "orvane-screenshots: " << problem << "\n";
        return 1;
    }
    if (!QDir().mkpath(outDir) || (!reviewDir.isEmpty() && !QDir().mkpath(reviewDir))) {
        err() << "orvane-screenshots: cannot create the output directory\n";
        return 1;
    }

    int failures = 0;
    int written = 0;
    for (const SceneSpec& scene : allScenes()) {
        const QString file = QString::fromLatin1(scene.file);
        if (!only.isEmpty() && !only.contains(file) &&
            !only.contains(QString::number(scene.number)))
            continue;
        // Scenes without a text are the tutorial's own pages, not screens of the product.
        auto screen = std::make_unique<Screen>(scene.textLength == 0 ? Screen::Kind::Page
                                                                     : Screen::Kind::Product);
        scene.build(*screen);
        const QImage image = screen->picture();
        const IndexedImage indexed = reduceColours(image);
        if (const QString e = writeGif(indexed, QDir(outDir).filePath(file)); !e.isEmpty()) {
            err() << "orvane-screenshots: " << e << "\n";
            return 1;
        }
        ++written;
        for (const QString& p : problems(scene, *screen)) {
            err() << file << ": " << p << "\n";
            ++failures;
        }
        if (!reviewDir.isEmpty()) {
            const QImage reduced = expand(indexed);
            err() << file << ": " << colourCount(image) << " colours, "
                  << paletteDamage(image, reduced) << "\n";
            const QString png =
                QDir(reviewDir).filePath(file.section(u'.', 0, 0) + QStringLiteral(".png"));
            reviewImage(reduced, scene, *screen).save(png);
        }
        screen.reset();
        QCoreApplication::processEvents();
    }
    err() << "orvane-screenshots: wrote " << written << " pictures to " << outDir << "\n";
    if (failures > 0) {
        err() << "orvane-screenshots: " << failures << " problem(s)\n";
        return 1;
    }
    return 0;
}
