// SPDX-License-Identifier: MIT
#include "command_line.h"
#include "platform/app_font.h"
#include "platform/display.h"
#include "script/scene_table.h"
#include "window/frm_main.h"

namespace {
// The scene table lives from the program's start to its end.
script::SceneTable Scenes;
} // namespace

int main(int argc, char* argv[]) {
    if (const auto status = answerCommandLine(argc, argv)) {
        return *status;
    }
    const auto application = platform::connectToDisplay(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("orvane-tutorial"));
    platform::installApplicationFont();
    auto* window = new frmMain(Scenes); // deletes itself when it is closed
    window->Load();
    window->showFillingScreen();
    return QApplication::exec();
}
