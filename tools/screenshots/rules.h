// SPDX-License-Identifier: MIT
// The rules a picture keeps with its scene of the script: every element that the scene's text
// explains is shown, lies inside the picture and stays clear of the callout; a scene's pointer
// lands on its element and not under the callout; every name the scene's text uses is readable
// on the picture and clear of the callout; no text, and no button, field box, picture or title
// bar's button, is cut by the callout's edge; no widget's text is clipped and every list shows
// whole rows or a scroll bar; a window keeps one form; every amount it shows is a figure of the
// books (books::isFigure).
// A picture that breaks one fails the run.
#pragma once

#include "frames.h"
#include "screens.h"

#include "script/scene_table.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QStringList>

#include <optional>

namespace shots {

// The area the callout and its plate cover, in pixels of the picture (or of its copy at twice the
// density); empty for a scene without text.
QRect calloutArea(const script::Scene& scene, int density = 1);

// Where the tip of the pointer comes to rest, in pixels of the picture; none unless it glides.
std::optional<QPoint> pointerTip(const script::Scene& scene);

// Every text the picture shows, one entry a widget or cell: labels, buttons, fields' contents,
// lists, reports, titles and menus.
QStringList textsShown(const Screen& screen);

// The texts the callout's plate cuts: a text the edge runs through leaves half-letters on the
// screen ("Inactive" reads "ctive"). Each shown text lies wholly under the plate or wholly clear
// of it, a pixel to spare.
QStringList calloutEdgeProblems(const script::Scene& scene, const Screen& screen);

// What the screen breaks of the rules, one line each; empty when it keeps them all.
QStringList problems(const script::Scene& scene, const SceneDrawing& drawing, const Screen& screen);

// What the screen's copy at twice the density breaks of the rules that its finer letters may
// break: a text clipped or elided, or cut by the callout's edge at twice the pixels. Asked once
// that copy is drawn, as its paint measures what widgets paint themselves.
QStringList doubleDensityProblems(const script::Scene& scene, const Screen& screen);

// The screen drawn again, once laid out, at twice the density, in the same places; adds what
// doubleDensityProblems() finds there to `problems`.
QImage doubleDensityPicture(const script::Scene& scene, Screen& screen, QStringList& problems);

// A window as one scene shows it: its title, its place in the picture, and the names of its
// fields (their captions, check boxes, tabs and column headings; what a tab page holds belongs
// to that tab).
struct WindowForm {
    QString title;
    QRect place;
    QStringList fields;
};

// The windows and dialogs a screen shows.
QList<WindowForm> windowForms(const Screen& screen);

// The windows of one scene.
struct SceneWindows {
    int scene = 0;
    QList<WindowForm> windows;
};

// Where a window differs from the first scene that shows its title, in size or fields, or
// moves from one scene to the next; one line each, naming the scene.
QStringList layoutProblems(const QList<SceneWindows>& scenes);

} // namespace shots
