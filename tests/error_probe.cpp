// SPDX-License-Identifier: MIT
// Raises an overflow inside a window's event handler: a click on Next with the counter at 32767.
// The program reports it under the handler's name. Prints the text of the message box it
// closes.

#include "platform/app_font.h"
#include "script/scene_table.h"
#include "window/frm_main.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    script::SceneTable scenes;
    frmMain window(scenes);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            std::printf("box: %s\n", qPrintable(box->text()));
            std::fflush(stdout);
            box->accept();
        }
    });
    closer.start(50);
    QTimer::singleShot(0, &window, [&window] {
        window.CurrentScene = 32767;
        window.btnNext->click();
        std::puts("the handler went on after the error");
    });
    return QApplication::exec();
}
