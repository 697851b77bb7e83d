// SPDX-License-Identifier: MIT
#include "frm_main.h"

#include "accessibility.h"
#include "placeholder.h"

#include "../platform/directories.h"
#include "../platform/picture_cache.h"
#include "../script/callout.h"
#include "../script/title_pages.h"

#include <cstdio>

using platform::himetricToTwips;
using platform::numberToText;

namespace {
QString inWorkingDirectory(const QString& fileName) {
    return platform::workingDirectory() + QLatin1Char('/') + fileName;
}
} // namespace

void frmMain::SetCurrentScene() {
    MousePict->hide();
    labelPageNumber->setCaption(QStringLiteral("Page ") + numberToText(CurrentScene) +
                                QStringLiteral(" of ") + numberToText(NumberOfScenes));
    const QString fileName = Scenes(CurrentScene).PictureFile;
    Image1->hide();
    platform::setWorkingDirectory(platform::programDirectory());
    showPicture(fileName);
    if (CurrentScene == NumberOfScenes) {
        btnNext->setEnabled(false);
    }
    if (CurrentScene == 1) {
        btnPrevious->setEnabled(false);
    }
    if (!Scenes(CurrentScene).SectionName.isEmpty()) {
        cmbCurrentSection->setText(Scenes(CurrentScene).SectionName);
    }
    Refresh();
    Image1->setLeft(Width() / 2 - himetricToTwips(Image1->Width()) / 2);
    Image1->setTop(Height() / 2 - himetricToTwips(Image1->Height()) / 2);
    Image1->show();
    if (Scenes(CurrentScene).MouseY > 1) {
        MoveMouse();
    }
    placeCallout(Scenes(CurrentScene));
    pageNotice_->scenePresented();
    prepareNeighbours();
}

// The scenes Next and Previous lead to, decoded while the user reads this one. Their pictures are
// still loaded from the disk at their presentation when the files have changed since.
void frmMain::prepareNeighbours(const QStringList& alsoPaths) {
    QStringList paths;
    for (const int number : {CurrentScene + 1, CurrentScene - 1}) {
        if (number >= 1 && number <= NumberOfScenes) {
            paths.append(inWorkingDirectory(Scenes(static_cast<Int16>(number)).PictureFile));
        }
    }
    pictures_->prepareAfterRest(paths + alsoPaths, Image1->devicePixelRatio());
}

// A section the user rests on in the open list is likely the one chosen: its first scene is
// decoded too, while the hand goes to the click or to Return.
void frmMain::prepareHighlightedSection(int entry) {
    const QString section = cmbCurrentSection->itemText(entry);
    for (Int16 number = 1; number <= NumberOfScenes; ++number) {
        if (Scenes(number).SectionName == section) {
            prepareNeighbours({inWorkingDirectory(Scenes(number).PictureFile)});
            return;
        }
    }
}

// Loads the scene's screenshot from the working directory, on every presentation (from the files
// as they are now, decoded ahead when they haven't changed since), and keeps its
// raw HIMETRIC size as the control's extent. A screen of more than one pixel to the picture's
// shows its copy at twice the density, which measures as the picture itself. A file that can't
// be loaded is replaced by a page that says so; the tutorial goes on.
void frmMain::showPicture(const QString& fileName) {
    const QString path = inWorkingDirectory(fileName);
    QString denseProblem;
    platform::PictureLoad load = pictures_->load(path, Image1->devicePixelRatio(), &denseProblem);
    if (!denseProblem.isEmpty()) {
        std::fprintf(stderr, "orvane-tutorial: screenshot %s: %s; the picture is shown instead\n",
                     qPrintable(platform::doubleDensityName(path)), qPrintable(denseProblem));
    }
    if (!load.ok()) {
        std::fprintf(stderr, "orvane-tutorial: screenshot %s: %s\n", qPrintable(path),
                     qPrintable(load.error));
        load.picture = placeholderPicture(fileName, load.error);
    }
    // A screen reader reads what the picture says where the script words it: the tutorial's own
    // pages. Any other screenshot goes by its file name.
    const script::TitlePage* page = script::titlePage(fileName);
    Image1->setAccessibleDescription(page != nullptr ? script::spokenText(*page) : fileName);
    Image1->setPicture(load.picture);
    Image1->setHeight(static_cast<float>(load.picture.himetricHeight));
    Image1->setWidth(static_cast<float>(load.picture.himetricWidth));
}

void frmMain::placeCallout(const script::Scene& scene) {
    if (scene.HelpText.isEmpty()) {
        HelpTextMemo->hide();
        HelpTextMemoBack->hide();
        return;
    }
    const script::Callout callout = script::calloutAt(
        scene.HelpText.size(), Image1->Left() + static_cast<float>(scene.HelpLeft),
        Image1->Top() + static_cast<float>(scene.HelpTop));
    HelpTextMemo->setHeight(callout.text.height);
    HelpTextMemoBack->setHeight(callout.plate.height);
    HelpTextMemo->show();
    HelpTextMemoBack->show();
    HelpTextMemo->setCaption(scene.HelpText);
    HelpTextMemo->setLeft(callout.text.left);
    HelpTextMemo->setTop(callout.text.top);
    HelpTextMemoBack->setLeft(callout.plate.left);
    HelpTextMemoBack->setTop(callout.plate.top);
}
