// SPDX-License-Identifier: MIT
#pragma once

// Drives the real tutorial window through all its scenes, the way a user stepping with Next sees
// them, and keeps for each scene the window's picture and where things landed on it.

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

namespace storyboard {

struct SceneShot {
    int number = 0;
    int sceneCount = 0;
    QString section; // the section the scene belongs to
    bool opensSection = false;
    QString picture;               // the screenshot's file name, as the script gives it
    QString pictureError;          // why the picture could not be loaded; empty when it was
    QString helpText;              // empty: the scene shows no callout
    QString pageLabel;             // the page label as shown
    bool glides = false;           // the pointer glides to a target
    QPoint glideStart;             // window pixels: where the pointer enters
    QPoint pointerTarget;          // window pixels: the arrow's tip after the glide
    QPoint targetOnPicture;        // pixels from the screenshot's top-left corner
    QRect pictureRect;             // window pixels: the screenshot as drawn
    QRect calloutText;             // window pixels: the callout's text label (when shown)
    QRect calloutPlate;            // window pixels: the callout's pale-yellow plate (when shown)
    int calloutTextNeeds = 0;      // pixels the wrapped text needs at the callout's width
    bool calloutAsScripted = true; // the callout lies where its scene puts it
    QRect bar;                     // window pixels: the bar at the bottom
    QStringList problems;          // what a reviewer should look at
    QImage window;                 // the window, as grabbed
};

// Creates the tutorial window on the script, shows it filling the screen, and presents every
// scene in turn: scene 1 as the window opens, each further scene through a click on Next. The
// glide runs without its pauses. Needs a QApplication.
QList<SceneShot> captureAllScenes();

} // namespace storyboard
