// SPDX-License-Identifier: MIT
// The pictures' builders, one file per part of the tutorial. Each file ends with its table: the
// scenes of the script it draws, each with its kind of screen, the function that builds it on an
// empty Screen, and the names its text uses.
#pragma once

#include "frames.h"

#include <QList>

#include <array>
#include <span>

namespace shots {

// What the pictures add to a scene of the script. Further facts of a scene's picture become
// fields here, filled in the files' tables.
struct SceneDrawing {
    int scene;         // the scene's number in the program's script
    Screen::Kind kind; // a window of Orvane, or a page of the tutorial itself
    void (*build)(Screen&);
    // The buttons, fields, menus, windows and tabs the scene's text names, '|' between them;
    // each must be readable on the picture under that name.
    const char16_t* names;
};

namespace screens {

std::span<const SceneDrawing> pageDrawings(); // the tips, the sections' title pages, the end
std::span<const SceneDrawing> navigationDrawings();
std::span<const SceneDrawing> receivablesDrawings();
std::span<const SceneDrawing> payablesDrawings();
std::span<const SceneDrawing> inventoryPayrollDrawings();
std::span<const SceneDrawing> ledgerDrawings();
std::span<const SceneDrawing> reportsDrawings();
std::span<const SceneDrawing> companyDrawings();

} // namespace screens

// The tables of all the files, in order.
QList<SceneDrawing> allDrawings();

// The drawing of a scene, from whichever file draws it; null when none does.
const SceneDrawing* drawingFor(int scene);

} // namespace shots
