// SPDX-License-Identifier: MIT
#include "drawing.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace storyboard {

namespace {

const QColor kPictureColour(0, 110, 210);
const QColor kTextColour(210, 0, 0);
const QColor kPlateColour(230, 120, 0);
const QColor kPointerColour(200, 0, 160);
const QColor kProblemColour(200, 0, 0);
const QColor kNoTextColour(110, 110, 110);
const QColor kPaper(248, 248, 246);

const QString kDot = QStringLiteral(" \u00B7 ");

QFont sheetFont(int pixels, bool bold = false) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QString point(QPoint p) {
    return QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y());
}

QString box(const QRect& r) {
    return QStringLiteral("%1 %2 x %3").arg(point(r.topLeft())).arg(r.width()).arg(r.height());
}

// A short text on a pale box, so that it reads over any screenshot.
void label(QPainter& painter, QPoint anchor, const QString& text, const QColor& colour,
           Qt::Alignment side = Qt::AlignLeft) {
    const QFontMetrics metrics(painter.font());
    QRect r = metrics.boundingRect(text).adjusted(-3, -1, 3, 1);
    r.moveTopLeft(side == Qt::AlignRight ? anchor - QPoint(r.width(), 0) : anchor);
    painter.fillRect(r, QColor(255, 255, 255, 220));
    painter.setPen(colour);
    painter.drawText(r, Qt::AlignCenter, text);
}

// A rounded badge with white text; returns its width.
int badge(QPainter& painter, QPoint topRight, const QString& text, const QColor& colour) {
    const QFontMetrics metrics(painter.font());
    const int width = metrics.horizontalAdvance(text) + 10;
    const QRect r(topRight.x() - width, topRight.y(), width, metrics.height() + 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawRoundedRect(r, 4, 4);
    painter.setPen(Qt::white);
    painter.drawText(r, Qt::AlignCenter, text);
    return width;
}

void target(QPainter& painter, QPoint at, int radius) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kPointerColour, 2));
    painter.drawEllipse(at, radius, radius);
    painter.setPen(QPen(kPointerColour, 1));
    painter.drawLine(at - QPoint(radius + 6, 0), at + QPoint(radius + 6, 0));
    painter.drawLine(at - QPoint(0, radius + 6), at + QPoint(0, radius + 6));
}

QStringList headerDetails(const SceneShot& shot) {
    QStringList lines;
    lines << QStringLiteral("screenshot %1 at %2%3page label \"%4\"")
                 .arg(shot.pictureError.isEmpty() ? QStringLiteral("shown")
                                                  : QStringLiteral("missing, placeholder"),
                      point(shot.pictureRect.topLeft()), kDot, shot.pageLabel);
    if (shot.helpText.isEmpty()) {
        lines << QStringLiteral("no callout text: the callout is hidden");
    } else {
        lines << QStringLiteral("callout: %1 characters; text %2 (needs %3 high); plate %4")
                     .arg(shot.helpText.size())
                     .arg(box(shot.calloutText))
                     .arg(shot.calloutTextNeeds)
                     .arg(box(shot.calloutPlate));
    }
    if (shot.glides) {
        lines << QStringLiteral("pointer glides from %1 to %2, %3 on the screenshot")
                     .arg(point(shot.glideStart), point(shot.pointerTarget),
                          point(shot.targetOnPicture));
    }
    return lines;
}

// Stable colours for the sections, in the order they first appear.
QColor sectionColour(int index) {
    static const QColor colours[] = {
        QColor(90, 90, 90),  QColor(0, 110, 190),  QColor(0, 140, 70),
        QColor(190, 100, 0), QColor(130, 60, 170), QColor(180, 30, 90),
        QColor(0, 130, 140), QColor(120, 110, 0),  QColor(60, 80, 160)};
    return colours[index % 9];
}

} // namespace

QImage annotatedScene(const SceneShot& shot) {
    const QFont titleFont = sheetFont(16, true);
    const QFont textFont = sheetFont(13);
    const int lineHeight = QFontMetrics(textFont).height() + 2;
    const QStringList details = headerDetails(shot);
    const int headerHeight = 10 + QFontMetrics(titleFont).height() + 4 +
                             lineHeight * static_cast<int>(details.size() + shot.problems.size()) +
                             8;

    QImage image(shot.window.width(), shot.window.height() + headerHeight, QImage::Format_RGB32);
    image.fill(kPaper);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    int y = 10;
    painter.setFont(titleFont);
    painter.setPen(Qt::black);
    const QString title = QStringLiteral("Scene %1 of %2%3%4%3%5")
                              .arg(shot.number)
                              .arg(shot.sceneCount)
                              .arg(kDot, shot.section, shot.picture);
    painter.drawText(QPoint(12, y + QFontMetrics(titleFont).ascent()), title);
    y += QFontMetrics(titleFont).height() + 4;
    painter.setFont(textFont);
    for (const QString& line : details) {
        painter.drawText(QPoint(12, y + QFontMetrics(textFont).ascent()), line);
        y += lineHeight;
    }
    painter.setPen(kProblemColour);
    for (const QString& problem : shot.problems) {
        painter.drawText(QPoint(12, y + QFontMetrics(textFont).ascent()),
                         QStringLiteral("PROBLEM: ") + problem);
        y += lineHeight;
    }

    painter.translate(0, headerHeight);
    painter.drawImage(0, 0, shot.window);
    painter.setFont(sheetFont(12));
    painter.setBrush(Qt::NoBrush);

    // The screenshot's outline; a missing picture is framed in red.
    if (shot.pictureError.isEmpty()) {
        painter.setPen(QPen(kPictureColour, 1, Qt::DashLine));
    } else {
        painter.setPen(QPen(kProblemColour, 4));
    }
    painter.drawRect(shot.pictureRect.adjusted(-1, -1, 0, 0));
    label(painter, shot.pictureRect.topLeft() + QPoint(0, -18),
          QStringLiteral("screenshot %1").arg(point(shot.pictureRect.topLeft())),
          shot.pictureError.isEmpty() ? kPictureColour : kProblemColour);
    if (!shot.pictureError.isEmpty()) {
        painter.setFont(sheetFont(18, true));
        label(painter, shot.pictureRect.topLeft() + QPoint(8, 8),
              QStringLiteral("PLACEHOLDER: %1 %2").arg(shot.picture, shot.pictureError),
              kProblemColour);
        painter.setFont(sheetFont(12));
    }

    // The callout: plate dashed, text solid.
    if (!shot.helpText.isEmpty()) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(kPlateColour, 1, Qt::DashLine));
        painter.drawRect(shot.calloutPlate.adjusted(-1, -1, 0, 0));
        painter.setPen(QPen(kTextColour, 1));
        painter.drawRect(shot.calloutText.adjusted(0, 0, -1, -1));
        if (shot.calloutTextNeeds > shot.calloutText.height()) {
            painter.setPen(QPen(kProblemColour, 1, Qt::DotLine));
            painter.drawRect(shot.calloutText.left(), shot.calloutText.top(),
                             shot.calloutText.width() - 1, shot.calloutTextNeeds - 1);
        }
        label(painter, shot.calloutPlate.bottomLeft() + QPoint(0, 3),
              QStringLiteral("callout %1, %2 characters")
                  .arg(point(shot.calloutText.topLeft()))
                  .arg(shot.helpText.size()),
              kTextColour);
    }

    // The pointer: its path from the corner and the spot it ends on.
    if (shot.glides) {
        painter.setPen(QPen(kPointerColour, 1, Qt::DotLine));
        painter.drawLine(shot.glideStart, shot.pointerTarget);
        target(painter, shot.pointerTarget, 10);
        label(painter, shot.pointerTarget + QPoint(-14, -34),
              QStringLiteral("target %1, on screenshot %2")
                  .arg(point(shot.pointerTarget), point(shot.targetOnPicture)),
              kPointerColour, Qt::AlignRight);
    }
    painter.end();
    return image;
}

QImage contactSheet(const QList<SceneShot>& shots) {
    constexpr int kColumns = 8;
    constexpr int kMargin = 24;
    constexpr int kGap = 14;
    constexpr int kCaption = 40;
    const QSize screen = shots.isEmpty() ? QSize(1024, 768) : shots.first().window.size();
    const QSize thumb = screen.scaled(256, 256, Qt::KeepAspectRatio);
    const int rows = static_cast<int>((shots.size() + kColumns - 1) / kColumns);
    constexpr int kTitle = 78;

    QStringList sections;
    int problemScenes = 0;
    for (const SceneShot& shot : shots) {
        if (!sections.contains(shot.section)) {
            sections << shot.section;
        }
        problemScenes += shot.problems.isEmpty() ? 0 : 1;
    }

    QImage sheet(2 * kMargin + kColumns * thumb.width() + (kColumns - 1) * kGap,
                 kTitle + rows * (thumb.height() + kCaption + kGap) + kMargin,
                 QImage::Format_RGB32);
    sheet.fill(kPaper);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);

    // Title and legend.
    painter.setFont(sheetFont(22, true));
    painter.setPen(Qt::black);
    painter.drawText(QPoint(kMargin, 34),
                     QStringLiteral("Orvane Tutorial: storyboard of %1 scenes, as the window shows "
                                    "them on a %2 x %3 screen")
                         .arg(shots.size())
                         .arg(screen.width())
                         .arg(screen.height()));
    painter.setFont(sheetFont(14));
    int x = kMargin;
    const int legendTop = 48;
    const auto legend = [&](const QString& name, const QColor& colour, const QString& meaning) {
        painter.setFont(sheetFont(12, true));
        x += badge(painter,
                   QPoint(x + QFontMetrics(painter.font()).horizontalAdvance(name) + 10, legendTop),
                   name, colour) +
             6;
        painter.setFont(sheetFont(14));
        painter.setPen(Qt::black);
        painter.drawText(QPoint(x, legendTop + 13), meaning);
        x += QFontMetrics(painter.font()).horizontalAdvance(meaning) + 24;
    };
    legend(QStringLiteral("GLIDE"), kPointerColour,
           QStringLiteral("the pointer glides to the ringed target"));
    legend(QStringLiteral("NO TEXT"), kNoTextColour, QStringLiteral("no callout"));
    legend(QStringLiteral("PLACEHOLDER"), kProblemColour,
           QStringLiteral("picture missing or unreadable"));
    legend(QStringLiteral("CHECK n"), kProblemColour, QStringLiteral("n other problems"));
    painter.setPen(problemScenes > 0 ? kProblemColour : Qt::black);
    painter.drawText(QPoint(x, legendTop + 13),
                     problemScenes > 0
                         ? QStringLiteral("red frame: %1 scenes with problems, see index.html")
                               .arg(problemScenes)
                         : QStringLiteral("no problems found"));

    for (int i = 0; i < shots.size(); ++i) {
        const SceneShot& shot = shots.at(i);
        const QPoint corner(kMargin + static_cast<int>(i % kColumns) * (thumb.width() + kGap),
                            kTitle + static_cast<int>(i / kColumns) *
                                         (thumb.height() + kCaption + kGap));
        const QRect frame(corner, thumb);
        painter.drawImage(frame, shot.window);
        painter.setBrush(Qt::NoBrush);
        if (shot.problems.isEmpty()) {
            painter.setPen(QPen(QColor(170, 170, 170), 1));
            painter.drawRect(frame.adjusted(0, 0, -1, -1));
        } else {
            painter.setPen(QPen(kProblemColour, 4));
            painter.drawRect(frame.adjusted(-2, -2, 1, 1));
        }
        const double scale = static_cast<double>(thumb.width()) / screen.width();
        if (shot.glides) {
            target(painter, corner + shot.pointerTarget * scale, 7);
        }

        // Badges in the thumbnail's top-right corner.
        painter.setFont(sheetFont(11, true));
        QPoint badgeAt = frame.topRight() + QPoint(-3, 3);
        const auto others = shot.problems.size() - (shot.pictureError.isEmpty() ? 0 : 1);
        if (others > 0) {
            badgeAt.rx() -=
                badge(painter, badgeAt, QStringLiteral("CHECK %1").arg(others), kProblemColour) + 3;
        }
        if (!shot.pictureError.isEmpty()) {
            badgeAt.rx() -=
                badge(painter, badgeAt, QStringLiteral("PLACEHOLDER"), kProblemColour) + 3;
        }
        if (shot.glides) {
            badgeAt.rx() -= badge(painter, badgeAt, QStringLiteral("GLIDE"), kPointerColour) + 3;
        }
        if (shot.helpText.isEmpty()) {
            badgeAt.rx() -= badge(painter, badgeAt, QStringLiteral("NO TEXT"), kNoTextColour) + 3;
        }

        // Caption: number and picture, then the section in its colour.
        const QColor colour = sectionColour(static_cast<int>(sections.indexOf(shot.section)));
        painter.fillRect(QRect(frame.bottomLeft() + QPoint(0, 1), QSize(thumb.width(), 4)), colour);
        painter.setPen(Qt::black);
        painter.setFont(sheetFont(14, true));
        const QString number = QString::number(shot.number);
        const int baseline = frame.bottom() + 21;
        painter.drawText(QPoint(frame.left(), baseline), number);
        const int numberWidth = QFontMetrics(painter.font()).horizontalAdvance(number) + 6;
        painter.setFont(sheetFont(13));
        painter.drawText(QPoint(frame.left() + numberWidth, baseline), shot.picture);
        painter.setFont(sheetFont(12, shot.opensSection));
        painter.setPen(colour);
        painter.drawText(QPoint(frame.left(), baseline + 16),
                         shot.opensSection ? shot.section + QStringLiteral(": opens the section")
                                           : shot.section);
    }
    painter.end();
    return sheet;
}

} // namespace storyboard
