// SPDX-License-Identifier: MIT
#include "tutorial_script.h"

#include "help_texts.h"

namespace script {

namespace {
void writeScene(SceneTable& scenes, Int16 i, const ScriptRow& row) {
    scenes(i).PictureFile = QLatin1String(row.picture);
    if (row.section != nullptr) {
        if (row.mouseY != 0) {
            scenes(i).MouseY = row.mouseY;
        }
        scenes(i).SectionName = QLatin1String(row.section);
    }
    const std::string_view text = helpText(row.scene);
    if (text.empty()) {
        return;
    }
    scenes(i).HelpText = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    scenes(i).HelpLeft = row.helpLeft;
    scenes(i).HelpTop = row.helpTop;
    if (row.mouseX != 0) {
        scenes(i).MouseX = row.mouseX;
    }
    if (row.mouseY != 0) {
        scenes(i).MouseY = row.mouseY;
    }
}
} // namespace

void loadScript(SceneTable& scenes, Int16& numberOfScenes) {
    numberOfScenes = 0;
    numberOfScenes = 1;
    bool first = true;
    for (const ScriptRow& row : kTutorialScript) {
        if (!first) {
            platform::increment(numberOfScenes);
        }
        first = false;
        writeScene(scenes, numberOfScenes, row);
    }
}

} // namespace script
