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
    // Why this scene draws a window in a form of its own, as "Title: reason"; the other scenes
    // show a window of one title at one size, with the same fields, and keep its place from one
    // scene to the next. Null for a scene that keeps to the common form.
    const char16_t* ownForm = nullptr;
    // The texts the callout's edge may run through in this scene, '|' between them, and why no
    // drawing can keep them whole (one of the reasons below). Null for a scene whose callout cuts
    // no text.
    const char16_t* statedCuts = nullptr;
    const char16_t* whyCut = nullptr;
};

// Why a scene's callout may cut texts of a window: the window keeps one form and place across
// its scenes, while the script puts each scene's callout somewhere else.
namespace whyCut {
inline constexpr char16_t kCustomersWindow[] =
    u"the Customers window keeps one form and place from scene 7 to 16 and in 28 and 79, under "
    u"callouts that lie elsewhere in each";
inline constexpr char16_t kInvoicesWindow[] =
    u"the Invoices window keeps one form and place in scenes 14 to 18 and 34 to 37, under callouts "
    u"that lie elsewhere in each";
inline constexpr char16_t kMainMenu[] =
    u"the Main Menu fills the workspace in its one layout, and the Report Selector keeps its place "
    u"from 65 to 66";
} // namespace whyCut

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
