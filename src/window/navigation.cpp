// SPDX-License-Identifier: MIT
#include "frm_main.h"

#include "../platform/error_report.h"
#include "../script/tutorial_script.h"

using platform::runHandler;

void frmMain::connectHandlers() {
    connect(btnNext, &QPushButton::clicked, this,
            [this] { runHandler(this, "btnNext_Click", [this] { btnNext_Click(); }); });
    connect(btnPrevious, &QPushButton::clicked, this,
            [this] { runHandler(this, "btnPrevious_Click", [this] { btnPrevious_Click(); }); });
    connect(btnExit, &QPushButton::clicked, this,
            [this] { runHandler(this, "btnExit_Click", [this] { btnExit_Click(); }); });
    connect(cmbCurrentSection, &platform::ComboBox::Click, this, [this] {
        runHandler(this, "cmbCurrentSection_Click", [this] { cmbCurrentSection_Click(); });
    });
    connect(HelpTextMemo, &platform::Label::MouseDown, this,
            [this](int button, int shift, float x, float y) {
                runHandler(this, "HelpTextMemo_MouseDown",
                           [&] { HelpTextMemo_MouseDown(button, shift, x, y); });
            });
    connect(HelpTextMemo, &platform::Label::MouseMove, this,
            [this](int button, int shift, float x, float y) {
                runHandler(this, "HelpTextMemo_MouseMove",
                           [&] { HelpTextMemo_MouseMove(button, shift, x, y); });
            });
    connect(HelpTextMemo, &platform::Label::MouseUp, this,
            [this](int button, int shift, float x, float y) {
                runHandler(this, "HelpTextMemo_MouseUp",
                           [&] { HelpTextMemo_MouseUp(button, shift, x, y); });
            });
}

void frmMain::Load() {
    runHandler(this, "Form_Load", [this] { Form_Load(); });
}

void frmMain::Form_Load() {
    LoadSceneData();
    LoadSectionCombo();
}

void frmMain::LoadSceneData() {
    script::loadScript(Scenes, NumberOfScenes);
    CurrentScene = 1;
}

void frmMain::LoadSectionCombo() {
    const Int16 last = NumberOfScenes;
    for (int i = 1; i <= last; ++i) {
        const script::Scene& scene = Scenes(static_cast<Int16>(i));
        if (!scene.SectionName.isEmpty()) {
            cmbCurrentSection->AddItem(scene.SectionName);
        }
    }
    cmbCurrentSection->setListIndex(0);
}

void frmMain::cmbCurrentSection_Click() {
    const Int16 last = NumberOfScenes;
    for (int i = 1; i <= last; ++i) {
        if (cmbCurrentSection->Text() == Scenes(static_cast<Int16>(i)).SectionName) {
            CurrentScene = static_cast<Int16>(i);
            SetCurrentScene();
            // A jump may leave either end of the script: both buttons follow the new scene.
            enableNavigationForScene();
            return;
        }
    }
}

void frmMain::btnNext_Click() {
    platform::increment(CurrentScene);
    SetCurrentScene();
    btnNext->setEnabled(CurrentScene != NumberOfScenes);
    btnPrevious->setEnabled(true);
}

void frmMain::btnPrevious_Click() {
    platform::decrement(CurrentScene);
    SetCurrentScene();
    btnPrevious->setEnabled(CurrentScene != 1);
    btnNext->setEnabled(true);
}

void frmMain::btnExit_Click() {
    close();
}

void frmMain::enableNavigationForScene() {
    btnPrevious->setEnabled(CurrentScene != 1);
    btnNext->setEnabled(CurrentScene != NumberOfScenes);
}
