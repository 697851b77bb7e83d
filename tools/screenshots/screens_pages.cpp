// SPDX-License-Identifier: MIT
// The tutorial's own pages: the tips page, the title page of each section and the closing
// page. Their words come from the tutorial's script, which also reads them to screen readers.
#include "parts.h"
#include "screens.h"

#include "script/title_pages.h"
#include "script/tutorial_script.h"

#include <algorithm>

namespace shots::screens {

namespace {

constexpr const script::ScriptRow& scriptRow(int scene) {
    return script::kTutorialScript[static_cast<std::size_t>(scene - 1)];
}

// The place in the list of sections of the section that `scene` begins; -1 when it begins none.
constexpr int sectionBegunAt(int scene) {
    if (scriptRow(scene).section == nullptr) {
        return -1;
    }
    return static_cast<int>(std::count_if(script::kTutorialScript.begin(),
                                          script::kTutorialScript.begin() + scene,
                                          [](const auto& row) { return row.section != nullptr; })) -
           1;
}

// Draws the page of `scene` with the words the script gives its picture.
template <int scene> void wordedPage(Screen& s) {
    const script::TitlePage* page =
        script::titlePage(QString::fromLatin1(scriptRow(scene).picture));
    Q_ASSERT(page != nullptr);
    titlePage(s, sectionBegunAt(scene), page->heading, page->intro, page->points, page->footer);
}

} // namespace

// The scenes this file draws.
const auto kDrawings = std::to_array<SceneDrawing>({
    {1, Screen::Kind::Page, wordedPage<1>, u""},
    {2, Screen::Kind::Page, wordedPage<2>, u""},
    {27, Screen::Kind::Page, wordedPage<27>, u""},
    {39, Screen::Kind::Page, wordedPage<39>, u""},
    {47, Screen::Kind::Page, wordedPage<47>, u""},
    {50, Screen::Kind::Page, wordedPage<50>, u""},
    {57, Screen::Kind::Page, wordedPage<57>, u""},
    {64, Screen::Kind::Page, wordedPage<64>, u""},
    {73, Screen::Kind::Page, wordedPage<73>, u""},
    {80, Screen::Kind::Page, wordedPage<80>, u""},
});

std::span<const SceneDrawing> pageDrawings() {
    return kDrawings;
}

} // namespace shots::screens
