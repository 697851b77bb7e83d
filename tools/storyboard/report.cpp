// SPDX-License-Identifier: MIT
#include "report.h"

#include <QFileInfo>
#include <QStringList>

namespace storyboard {

namespace {

QString point(QPoint p) {
    return QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y());
}

QString escaped(const QString& text) {
    return text.toHtmlEscaped();
}

QString row(const SceneShot& shot) {
    const QString file = sceneFileName(shot);
    QString pointer = QStringLiteral("none");
    if (shot.glides) {
        pointer = QStringLiteral("glides to %1 on the screenshot").arg(point(shot.targetOnPicture));
    }
    QString problems;
    for (const QString& problem : shot.problems) {
        problems += QStringLiteral("<li>%1</li>").arg(escaped(problem));
    }
    return QStringLiteral("<tr id=\"scene-%1\"%2>\n"
                          "<td><a href=\"annotated/%3\"><img src=\"%3\" width=\"320\" "
                          "alt=\"scene %1\"></a></td>\n"
                          "<td><b>%1</b> %4<br>%5%6<br><code>%7</code><br>pointer: %8"
                          "<ul class=\"problems\">%9</ul></td>\n"
                          "<td>%10</td>\n</tr>\n")
        .arg(QString::number(shot.number),
             shot.problems.isEmpty() ? QString() : QStringLiteral(" class=\"problem\""), file,
             escaped(shot.pageLabel), escaped(shot.section),
             shot.opensSection ? QStringLiteral(" (opens the section)") : QString(),
             escaped(shot.picture), pointer, problems,
             shot.helpText.isEmpty() ? QStringLiteral("<i>no callout text</i>")
                                     : escaped(shot.helpText));
}

QString numbers(const QList<SceneShot>& shots, bool (*wanted)(const SceneShot&)) {
    QStringList list;
    for (const SceneShot& shot : shots) {
        if (wanted(shot)) {
            list << QString::number(shot.number);
        }
    }
    return list.isEmpty() ? QStringLiteral("none") : list.join(QStringLiteral(", "));
}

} // namespace

QString sceneFileName(const SceneShot& shot) {
    return QStringLiteral("scene-%1-%2.png")
        .arg(shot.number, 2, 10, QLatin1Char('0'))
        .arg(QFileInfo(shot.picture).completeBaseName());
}

QString indexPage(const QList<SceneShot>& shots) {
    QString page = QStringLiteral(
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<title>Orvane Tutorial storyboard</title>\n<style>\n"
        "body { font-family: sans-serif; margin: 1.5em; background: #f8f8f6; }\n"
        "table { border-collapse: collapse; }\n"
        "td { border-top: 1px solid #ccc; padding: 8px; vertical-align: top; }\n"
        "td:last-child { max-width: 32em; }\n"
        "tr.problem td { background: #fde8e8; }\n"
        "ul.problems { color: #b00; padding-left: 1.2em; }\n"
        "pre { background: #fff; padding: 8px; border: 1px solid #ccc; }\n"
        "</style>\n</head>\n<body>\n<h1>Orvane Tutorial storyboard</h1>\n"
        "<p>Every scene as the tutorial window shows it, stepping with Next. Click a scene for "
        "its annotated copy: screenshot outline (blue), callout text (red) and plate (orange), "
        "pointer target and glide path (magenta).</p>\n");
    page += QStringLiteral("<pre>%1</pre>\n").arg(escaped(summary(shots)));
    page += QStringLiteral(
        "<p><a href=\"contact-sheet.png\"><img src=\"contact-sheet.png\" width=\"100%\" "
        "alt=\"contact sheet\"></a></p>\n<table>\n");
    for (const SceneShot& shot : shots) {
        page += row(shot);
    }
    page += QStringLiteral("</table>\n</body>\n</html>\n");
    return page;
}

QString summary(const QList<SceneShot>& shots) {
    QString text = QStringLiteral("%1 scenes\n").arg(shots.size());
    text +=
        QStringLiteral("pointer glides in scenes: %1\n").arg(numbers(shots, [](const SceneShot& s) {
            return s.glides;
        }));
    for (const SceneShot& shot : shots) {
        if (shot.glides) {
            text += QStringLiteral("  scene %1 (%2): target %3 on the screenshot\n")
                        .arg(shot.number)
                        .arg(shot.picture, point(shot.targetOnPicture));
        }
    }
    text += QStringLiteral("no callout text in scenes: %1\n")
                .arg(numbers(shots, [](const SceneShot& s) { return s.helpText.isEmpty(); }));

    int missing = 0;
    QString missingList;
    QString otherList;
    for (const SceneShot& shot : shots) {
        if (!shot.pictureError.isEmpty()) {
            ++missing;
            missingList += QStringLiteral("  scene %1: %2: %3\n")
                               .arg(shot.number)
                               .arg(shot.picture, shot.pictureError);
        }
        for (const QString& problem : shot.problems) {
            if (shot.pictureError.isEmpty() || !problem.startsWith(QStringLiteral("picture"))) {
                otherList += QStringLiteral("  scene %1: %2\n").arg(shot.number).arg(problem);
            }
        }
    }
    text += QStringLiteral("pictures not loaded (placeholder shown): %1 of %2\n")
                .arg(missing)
                .arg(shots.size());
    text += missingList;
    text += otherList.isEmpty() ? QStringLiteral("other problems: none\n")
                                : QStringLiteral("other problems:\n") + otherList;
    return text;
}

} // namespace storyboard
