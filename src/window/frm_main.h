// SPDX-License-Identifier: MIT
#pragma once

// The tutorial window.
//
// frmMain is the program's one window. Its handlers and procedures are spread over one file per
// concern, all members of this class:
//
//   layout.cpp         the window and its eleven controls as they stand before any handler runs
//   navigation.cpp     Form_Load, LoadSceneData, LoadSectionCombo and the handlers of the bar
//   presentation.cpp   SetCurrentScene: puts the scene at CurrentScene on the screen, and has the
//                      pictures of the scenes around it decoded while the user reads
//   pointer_glide.cpp  MoveMouse: the pointer's glide to the spot a scene's text is about
//   resizing.cpp       Form_Resize: the bar follows the window's size; the scene is shown anew
//   dragging.cpp       the callout's mouse handlers: the user drags the callout aside
//   accessibility.cpp  what a screen reader learns beyond the controls: roles, the page notice
//
// Data flows one way: the script (src/script) fills the scene table once at load; every change
// of scene stores the new index in CurrentScene and calls SetCurrentScene, which reads the record
// and sets the controls. All positions are twips, through the controls of src/platform.

#include "../platform/controls.h"
#include "../script/scene_table.h"

#include <QWidget>

#include <functional>

namespace accessibility {
class PageNotice;
}
namespace platform {
class PictureCache;
}

class frmMain : public QWidget {
    Q_OBJECT
public:
    using Int16 = platform::Int16;

    // The window works on a scene table of its own choosing: the program's, or a test's.
    explicit frmMain(script::SceneTable& scenes, QWidget* parent = nullptr);
    ~frmMain() override;

    // Raises the window's Load: Form_Load under the program's error handling.
    void Load();
    // Shows the window maximized over the screen's work area.
    void showFillingScreen();

    // The window's outer size in twips, border included.
    float Width() const;
    float Height() const;
    // Repaints the whole window before returning.
    void Refresh();

    // The glide waits this long after each step; tests may shorten the wait.
    using PauseFunction = std::function<void(double seconds)>;
    void setGlidePause(PauseFunction pause);

    void LoadSceneData();
    void LoadSectionCombo();
    void SetCurrentScene();
    void MoveMouse();

    // The screenshots decoded ahead of their presentation (presentation.cpp).
    const platform::PictureCache& pictureCache() const { return *pictures_; }

    // The counters and the drag state, public as the window's members.
    Int16 CurrentScene = 0;
    Int16 NumberOfScenes = 0;
    Int16 MoveHelp = 0;
    Int16 OldX = 0;
    Int16 OldY = 0;

    script::SceneTable& Scenes;

    // The controls, in the order they are created.
    platform::Frame* FrameHoldsControls;
    platform::PushButton* btnNext;
    platform::PushButton* btnPrevious;
    platform::PushButton* btnExit;
    platform::ComboBox* cmbCurrentSection;
    platform::Label* LabelSection;
    platform::Label* labelPageNumber;
    platform::Label* HelpTextMemo;
    platform::Label* HelpTextMemoBack;
    platform::Image* MousePict;
    platform::Image* Image1;

    // The window's own events and the controls' events.
    void Form_Load();
    void Form_Resize();
    void btnNext_Click();
    void btnPrevious_Click();
    void btnExit_Click();
    void cmbCurrentSection_Click();
    void HelpTextMemo_MouseDown(int Button, int Shift, float X, float Y);
    void HelpTextMemo_MouseMove(int Button, int Shift, float X, float Y);
    void HelpTextMemo_MouseUp(int Button, int Shift, float X, float Y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void stackControls();
    void setTabOrderAndNames();
    void connectHandlers();
    void placeCallout(const script::Scene& scene);
    void showPicture(const QString& fileName);
    void prepareNeighbours(const QStringList& alsoPaths = {});
    void prepareHighlightedSection(int entry);
    void enableNavigationForScene();
    bool resizeDue() const;
    void raiseResizeIfChanged();

    QWidget* clientArea_;
    PauseFunction glidePause_;
    QSize lastResizeSize_;
    Qt::WindowStates lastResizeState_;
    bool resizeSeen_ = false;
    bool forwardingExpose_ = false;
    accessibility::PageNotice* pageNotice_ = nullptr;
    platform::PictureCache* pictures_;
};
