// SPDX-License-Identifier: MIT
#include "frm_main.h"

#include "accessibility.h"
#include "pointer_arrow.h"
#include "program_icon.h"

#include "../platform/picture_cache.h"
#include "../script/callout.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

using platform::ComboBox;
using platform::Frame;
using platform::Image;
using platform::Label;
using platform::PushButton;

namespace {
// The border drawn around the client area: the window has no title bar, only this thin line.
constexpr int kBorderPixels = 1;
// The plate behind the callout text: pale yellow. Its text and border are black whatever the
// desktop's colours: a dark colour scheme's light text could not be read on it.
const QColor kCalloutColour(255, 255, 192);
const QColor kCalloutInk(Qt::black);
// Where the window sits when it is not maximized: client area and its corner on the screen.
constexpr int kNormalLeft = 3510, kNormalTop = 1770, kNormalWidth = 9480, kNormalHeight = 7530;

// The palette's text colour set to black in every state (a disabled or inactive window too).
QPalette inkOnPlate(QPalette palette) {
    palette.setColor(QPalette::WindowText, kCalloutInk);
    return palette;
}
} // namespace

frmMain::frmMain(script::SceneTable& scenes, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), Scenes(scenes),
      clientArea_(new QWidget(this)), pictures_(new platform::PictureCache(this)) {
    accessibility::installInterfaces();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Orvane Tutorial"));
    setWindowIcon(programIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    clientArea_->move(kBorderPixels, kBorderPixels);
    const int pad = 2 * kBorderPixels;
    setGeometry(platform::twipsToPixels(kNormalLeft), platform::twipsToPixels(kNormalTop),
                platform::twipsToPixels(kNormalWidth) + pad,
                platform::twipsToPixels(kNormalHeight) + pad);
    createControls();
    stackControls();
    setTabOrderAndNames();
    connectHandlers();
    connect(cmbCurrentSection, &QComboBox::highlighted, this, &frmMain::prepareHighlightedSection);
    pageNotice_ = new accessibility::PageNotice(*this);
}

frmMain::~frmMain() = default;

void frmMain::createControls() {
    FrameHoldsControls = new Frame(clientArea_);
    FrameHoldsControls->place(0, 6930, 10200, 435);
    btnNext = new PushButton(QStringLiteral("&Next"), FrameHoldsControls);
    btnNext->place(1125, 75, 1095, 315);
    btnPrevious = new PushButton(QStringLiteral("&Previous"), FrameHoldsControls);
    btnPrevious->place(0, 75, 1095, 315);
    btnPrevious->setEnabled(false);
    btnExit = new PushButton(QStringLiteral("&Exit"), FrameHoldsControls);
    btnExit->place(8310, 75, 1095, 315);
    cmbCurrentSection = new ComboBox(FrameHoldsControls);
    cmbCurrentSection->place(3000, 45, 2160, 315);
    cmbCurrentSection->setText(QStringLiteral("cmbCurrentSection"));
    LabelSection = new Label(QStringLiteral("Section:"), FrameHoldsControls);
    LabelSection->place(2250, 90, 675, 255);
    LabelSection->setAlignment(Qt::AlignRight | Qt::AlignTop);
    labelPageNumber = new Label(QStringLiteral("Page: 1 of "), FrameHoldsControls);
    labelPageNumber->place(5835, 90, 2340, 255);
    labelPageNumber->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    HelpTextMemo = new Label(QString(), clientArea_);
    HelpTextMemo->place(1470, 1770, script::kCalloutTextWidth, 1365);
    HelpTextMemo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    HelpTextMemo->setWordWrap(true);
    HelpTextMemo->setPalette(inkOnPlate(HelpTextMemo->palette()));
    HelpTextMemoBack = new Label(QString(), clientArea_);
    HelpTextMemoBack->place(1365, 1665, script::kCalloutPlateWidth, 1605);
    HelpTextMemoBack->setAutoFillBackground(true);
    QPalette plate = inkOnPlate(HelpTextMemoBack->palette());
    plate.setColor(QPalette::Window, kCalloutColour);
    HelpTextMemoBack->setPalette(plate);
    HelpTextMemoBack->setFrameStyle(QFrame::Box | QFrame::Plain);
    HelpTextMemoBack->setLineWidth(1);
    HelpTextMemoBack->setMouseTracking(false);
    HelpTextMemoBack->setAttribute(Qt::WA_TransparentForMouseEvents);

    MousePict = new Image(clientArea_);
    MousePict->setPicture(pointerPicture());
    MousePict->place(9000, 6720, 480, 480);
    MousePict->hide();
    Image1 = new Image(clientArea_);
    Image1->place(195, 3570, 7710, 1005);
    Image1->hide();
}

void frmMain::stackControls() {
    // Back to front; creation order alone would put the last created in front.
    Image1->raise();
    MousePict->raise();
    HelpTextMemoBack->raise();
    HelpTextMemo->raise();
    FrameHoldsControls->raise();
    LabelSection->lower();
    labelPageNumber->lower();
}

void frmMain::setTabOrderAndNames() {
    const auto name = [](QWidget* widget, const char* objectName, const QString& accessible) {
        widget->setObjectName(QLatin1String(objectName));
        widget->setAccessibleName(accessible);
    };
    name(FrameHoldsControls, "FrameHoldsControls", QStringLiteral("Navigation bar"));
    name(btnNext, "btnNext", QStringLiteral("Next"));
    name(btnPrevious, "btnPrevious", QStringLiteral("Previous"));
    name(btnExit, "btnExit", QStringLiteral("Exit"));
    name(cmbCurrentSection, "cmbCurrentSection", QStringLiteral("Section"));
    name(LabelSection, "LabelSection", QStringLiteral("Section:"));
    // The label names the list for a screen reader. It has no access key, so it adds no key.
    LabelSection->setBuddy(cmbCurrentSection);
    name(HelpTextMemoBack, "HelpTextMemoBack", QStringLiteral("Help text background"));
    name(MousePict, "MousePict", QStringLiteral("Pointer"));
    name(Image1, "Image1", QStringLiteral("Screenshot"));
    // The page label and the callout are read by their text, which changes with the scene.
    labelPageNumber->setObjectName(QStringLiteral("labelPageNumber"));
    labelPageNumber->setAccessibleDescription(QStringLiteral("Page number"));
    HelpTextMemo->setObjectName(QStringLiteral("HelpTextMemo"));
    HelpTextMemo->setAccessibleDescription(QStringLiteral("Help text"));

    const std::initializer_list<QWidget*> passive{
        FrameHoldsControls, LabelSection, labelPageNumber, HelpTextMemo,
        HelpTextMemoBack,   MousePict,    Image1,          clientArea_};
    for (QWidget* widget : passive) {
        widget->setFocusPolicy(Qt::NoFocus);
    }
    setTabOrder(cmbCurrentSection, btnExit);
    setTabOrder(btnExit, btnPrevious);
    setTabOrder(btnPrevious, btnNext);
    setTabOrder(btnNext, cmbCurrentSection);
    cmbCurrentSection->setFocus();
}

void frmMain::showFillingScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        setGeometry(screen->availableGeometry());
    }
    showMaximized();
    // Without a window manager nobody else gives the window the keyboard, and its access keys
    // would not work.
    activateWindow();
}

float frmMain::Width() const {
    return static_cast<float>(width() * platform::kTwipsPerPixel);
}

float frmMain::Height() const {
    return static_cast<float>(height() * platform::kTwipsPerPixel);
}

void frmMain::Refresh() {
    repaint();
}

void frmMain::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Shadow));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
