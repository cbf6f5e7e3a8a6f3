// The band's controls, their layout and the displays written into them.

#include "console/ui/ConsoleBand.h"

#include "console/console.h"
#include "console/ui/consoleMenus.h"
#include "shell/shell.h"
#include "shell/ui/Main.h"
#include "shell/ui/windowRegistry.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>
#include <algorithm>
#include <cmath>

namespace {

const char* const faceProperty = "varnelFace";

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QString& tip) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(tip);
    // Keys typed on the console belong to the console's key table, not to a button.
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QToolButton* dropDown(QWidget* parent, const char* name, const QString& caption, const QString& tip, QMenu* menu) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(caption);
    b->setToolTip(tip);
    b->setFocusPolicy(Qt::NoFocus);
    b->setPopupMode(QToolButton::InstantPopup);
    b->setMenu(menu);
    return b;
}

QLabel* label(QWidget* parent, const char* name, const QString& caption) {
    auto* l = new QLabel(caption, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QString rgbText(int32_t bgr) {
    return QStringLiteral("#%1%2%3")
        .arg(bgr & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((bgr >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((bgr >> 16) & 0xFF, 2, 16, QLatin1Char('0'));
}

} // namespace

Console* ConsoleBand::engine() {
    if (!hasShell()) return nullptr;
    return dynamic_cast<Console*>(&shell().console());
}

ConsoleBand* ConsoleBand::shown() {
    Main* main = loadedForm<Main>();
    return main ? main->findChild<ConsoleBand*>() : nullptr;
}

void ConsoleBand::paint(QWidget* w, int32_t colour) {
    if (!w) return;
    const int32_t r = colour & 0xFF, g = (colour >> 8) & 0xFF, b = (colour >> 16) & 0xFF;
    const bool dark = r * 299 + g * 587 + b * 114 < 128000;
    w->setProperty(faceProperty, colour);
    w->setStyleSheet(QStringLiteral("%1#%2 { background-color: %3; color: %4; }")
                         .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(), rgbText(colour),
                              dark ? QStringLiteral("white") : QStringLiteral("black")));
}

int32_t ConsoleBand::faceColour(const QWidget* w) {
    const QVariant v = w ? w->property(faceProperty) : QVariant();
    return v.isValid() ? v.toInt() : -1;
}

ConsoleBand::ConsoleBand(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ConsoleBand"));
    auto* outer = new QVBoxLayout(this);

    // "LOCKED" stands in the free middle of the window above the controls.
    lblLocked = label(this, "lblLocked", QString());
    lblLocked->setAlignment(Qt::AlignCenter);
    QFont big = lblLocked->font();
    big.setPointSize(40);
    lblLocked->setFont(big);
    lblLocked->setStyleSheet(QStringLiteral("QLabel#lblLocked { color: black; }"));
    lblLocked->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    outer->addWidget(lblLocked, 1);

    auto* run = new QHBoxLayout;
    buildRunRow(run);
    outer->addLayout(run);
    auto* programming = new QHBoxLayout;
    buildProgrammingRow(programming);
    outer->addLayout(programming);
    outer->addWidget(buildTimingRow());

    consoleMenus::fillEditMenu(editMenu);
    connectRunControls();
    connectRecording();
    connectTiming();
    refresh();
}

void ConsoleBand::buildRunRow(QBoxLayout* row) {
    BTON = button(this, "BTON", QStringLiteral("GO"), QStringLiteral("Play Loaded Sequence On Current Playback"));
    BT_OFf = button(this, "BT_OFf", QStringLiteral("STOP"), QStringLiteral("Stop Current Playback"));
    cmdPause = button(this, "cmdPause", QStringLiteral("PAUSE"), QStringLiteral("Pause current Playback"));
    StepPrevious = button(this, "StepPrevious", QStringLiteral("<<"), QStringLiteral("goto Previous Scene "));
    StepFoward = button(this, "StepFoward", QStringLiteral(">>"), QStringLiteral("goto Next Scene "));
    lblScene = label(this, "lblScene", QStringLiteral("Scene"));
    stepNumber = label(this, "stepNumber", QStringLiteral("0"));
    playbackMenu = new QMenu(this);
    playbackMenu->setObjectName(QStringLiteral("playbackMenu"));
    cmdOveride = dropDown(this, "cmdOveride", QStringLiteral("Playback"), QStringLiteral("List of All Playbacks"),
                          playbackMenu);
    cmdAllPlaybacks = button(this, "cmdAllPlaybacks", QStringLiteral("1"), QStringLiteral("Place this playback in Lock Mode"));
    cmdBlackOut = button(this, "cmdBlackOut", QStringLiteral("B/O"), QStringLiteral("Blackout current playback"));
    cmdAutoFollow = button(this, "cmdAutoFollow", QStringLiteral("Auto GO"), QStringLiteral("Commands embeded into the scene"));
    cmdBPM = button(this, "cmdBPM", QStringLiteral("BPM"), QStringLiteral("BPM for Playback"));
    for (QWidget* w : std::initializer_list<QWidget*>{BTON, BT_OFf, cmdPause, StepPrevious, StepFoward, lblScene,
                                                      stepNumber, cmdOveride, cmdAllPlaybacks, cmdBlackOut,
                                                      cmdAutoFollow, cmdBPM})
        row->addWidget(w);
    row->addStretch(1);
}

void ConsoleBand::buildProgrammingRow(QBoxLayout* row) {
    bt_store = button(this, "bt_store", QStringLiteral("REC"), QStringLiteral("Record Over current scene"));
    cmdRecordAndAddScene =
        button(this, "cmdRecordAndAddScene", QStringLiteral("REC +"), QStringLiteral("Record scene and add new scene"));
    cmdSaveChanges = button(this, "cmdSaveChanges", QStringLiteral("Save Sequence As Button"),
                            QStringLiteral("Save the current look or sequence as a button to the playback screen."));
    cmdCreateNew[0] = button(this, "cmdCreateNew_0", QStringLiteral("NEW Playback"),
                             QStringLiteral("Load new playback to record a new sequence"));
    cmdCreateNew[1] = button(this, "cmdCreateNew_1", QStringLiteral("Clear Current PB"),
                             QStringLiteral("Clear /  Release current playback"));
    cmdCreateNew[2] =
        button(this, "cmdCreateNew_2", QStringLiteral("CLEAR ALL"),
               QStringLiteral("Clear and stop all playbacks running ( The SHIFT+Escape key on your Keyboard)"));
    cmdSaveMulti = button(this, "cmdSaveMulti", QStringLiteral("Save Multi"),
                          QStringLiteral("This will save all the playbacks running, automatically creating a multi button."));
    sceneMenu = new QMenu(this);
    sceneMenu->setObjectName(QStringLiteral("sceneMenu"));
    cmdSceneList = dropDown(this, "cmdSceneList", QStringLiteral("Scene List"), QStringLiteral("List of all scene on Playback"),
                            sceneMenu);
    editMenu = new QMenu(this);
    editMenu->setObjectName(QStringLiteral("editMenu"));
    cmdEdit = dropDown(this, "cmdEdit", QStringLiteral("Edit Scene"), QStringLiteral("Copy and Paste Scenes on Current Playback"),
                       editMenu);
    cmdShowProperties = button(this, "cmdShowProperties", QStringLiteral("CMD"), QStringLiteral("Commands embeded into the scene"));
    txtSequenceDetails = new QLineEdit(this);
    txtSequenceDetails->setObjectName(QStringLiteral("txtSequenceDetails"));
    txtSequenceDetails->installEventFilter(this);
    for (QWidget* w : std::initializer_list<QWidget*>{bt_store, cmdRecordAndAddScene, cmdSaveChanges, cmdCreateNew[0],
                                                      cmdCreateNew[1], cmdCreateNew[2], cmdSaveMulti, cmdSceneList,
                                                      cmdEdit, cmdShowProperties})
        row->addWidget(w);
    row->addWidget(txtSequenceDetails, 1);
}

QWidget* ConsoleBand::buildTimingRow() {
    auto* box = new QWidget(this);
    box->setObjectName(QStringLiteral("timing"));
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);

    lblSpeed = label(box, "lblSpeed", QStringLiteral("Playback Fadetime / Fade Speed"));
    sldrFadetime = new QSlider(Qt::Horizontal, box);
    sldrFadetime->setObjectName(QStringLiteral("sldrFadetime"));
    sldrFadetime->setToolTip(QStringLiteral("Fadetime for current playback"));
    // Positions up to 5160 come from the page submasters' fade-time knob.
    sldrFadetime->setRange(0, 5160);
    sldrFadetime->setFocusPolicy(Qt::NoFocus);
    lblPlaybackDimmer = label(box, "lblPlaybackDimmer", QStringLiteral("Playback Dimmer"));
    sldrDimmer = new QSlider(Qt::Horizontal, box);
    sldrDimmer->setObjectName(QStringLiteral("sldrDimmer"));
    sldrDimmer->setToolTip(
        QStringLiteral("Playback dimmer controls intesity level of all fixtures controlled on this playback."));
    sldrDimmer->setRange(0, 100);
    sldrDimmer->setFocusPolicy(Qt::NoFocus);
    chkUseFadetime = new QCheckBox(QStringLiteral("FADETIME Overide"), box);
    chkUseFadetime->setObjectName(QStringLiteral("chkUseFadetime"));
    chkUseFadetime->setToolTip(QStringLiteral("Override fadetime programmed into this sequence"));
    chkUseFadetime->setFocusPolicy(Qt::NoFocus);
    chkFade = new QCheckBox(QStringLiteral("  Fade Scenes"), box);
    chkFade->setObjectName(QStringLiteral("chkFade"));
    chkFade->setToolTip(QStringLiteral("Fade from scene to scene"));
    chkFade->setFocusPolicy(Qt::NoFocus);

    grid->addWidget(lblSpeed, 0, 0);
    grid->addWidget(sldrFadetime, 1, 0);
    grid->addWidget(lblPlaybackDimmer, 0, 1);
    grid->addWidget(sldrDimmer, 1, 1);
    grid->addWidget(chkUseFadetime, 0, 2);
    grid->addWidget(chkFade, 1, 2);

    static const char* const captions[6] = {"Fade Up", "Fade Dwn", "Delay Up", "DelayDown", "Hold Time", "Next Scene"};
    static const char* const initial[6] = {"1.0", "1.0", "0", "0", "0", "0"};
    for (int i = 0; i < 6; ++i) {
        lblFadeTime[size_t(i)] = new QLabel(QString::fromLatin1(captions[i]), box);
        lblFadeTime[size_t(i)]->setObjectName(QStringLiteral("lblFadeTime_%1").arg(i));
        txtfadeTime[size_t(i)] = new QLineEdit(QString::fromLatin1(initial[i]), box);
        txtfadeTime[size_t(i)]->setObjectName(QStringLiteral("txtfadeTime_%1").arg(i));
        txtfadeTime[size_t(i)]->installEventFilter(this);
        grid->addWidget(lblFadeTime[size_t(i)], 0, 3 + i);
        grid->addWidget(txtfadeTime[size_t(i)], 1, 3 + i);
        if (i < 5) {
            pBar[size_t(i)] = new QProgressBar(box);
            pBar[size_t(i)]->setObjectName(QStringLiteral("pBar_%1").arg(i));
            pBar[size_t(i)]->setTextVisible(false);
            pBar[size_t(i)]->setRange(0, i == 4 ? 100 : 1);
            pBar[size_t(i)]->setValue(0);
            pBar[size_t(i)]->setMaximumHeight(8);
            grid->addWidget(pBar[size_t(i)], 2, 3 + i);
        }
    }
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 2);
    return box;
}

std::array<QWidget*, 13> ConsoleBand::programmingButtons() const {
    return {BT_OFf,     cmdCreateNew[1], cmdPause, cmdAutoFollow, cmdSaveChanges,    StepFoward, StepPrevious,
            bt_store, cmdRecordAndAddScene, cmdSceneList, cmdEdit, cmdShowProperties, BTON};
}

void ConsoleBand::refresh() {
    Console* c = engine();
    if (!c) return;
    mirroring = true;
    const RunControls& run = c->run;
    cmdAllPlaybacks->setText(run.allPlaybacksCaption);
    paint(cmdAllPlaybacks, run.lockColour);
    paint(cmdBlackOut, run.blackoutColour);
    paint(cmdAutoFollow, run.autoGoColour);
    stepNumber->setStyleSheet(QStringLiteral("QLabel#stepNumber { color: %1; }").arg(rgbText(run.stepNumberColour)));
    if (!run.releaseTooltip.isEmpty()) BT_OFf->setToolTip(run.releaseTooltip);
    cmdSaveChanges->setText(c->recording.saveChangesCaption);
    const TimeControls& times = c->times;
    lblPlaybackDimmer->setText(times.dimmerLabel);
    paint(sldrDimmer, times.dimmerColour);
    sldrFadetime->setValue(times.fadeTimeValue);
    chkUseFadetime->setChecked(times.useFadetimeTicked);
    chkFade->setChecked(times.fadeScenesTicked);
    mirroring = false;
}

void ConsoleBand::showStepNumber(const QString& text, int32_t colour) {
    stepNumber->setText(text);
    QFont f = stepNumber->font();
    // Four-digit step numbers take the smaller type.
    f.setPointSize(text.section(QLatin1Char(':'), 0, 0).toInt() > 999 ? 8 : 10);
    stepNumber->setFont(f);
    if (Console* c = engine()) c->run.stepNumberColour = colour;
    stepNumber->setStyleSheet(QStringLiteral("QLabel#stepNumber { color: %1; }").arg(rgbText(colour)));
}

void ConsoleBand::showProgressMaximum(int32_t bar, float maximum) {
    if (bar < 0 || bar > 4) return;
    pBar[size_t(bar)]->setMaximum(std::max(1, int(std::lround(maximum))));
}

void ConsoleBand::showProgressValue(int32_t bar, float value) {
    if (bar < 0 || bar > 4) return;
    QProgressBar* p = pBar[size_t(bar)];
    p->setValue(std::clamp(int(std::lround(value)), 0, p->maximum()));
}

void ConsoleBand::showDimmer(int32_t value) {
    if (Console* c = engine()) c->times.dimmerChanged(value, false);
    mirroring = true;
    sldrDimmer->setValue(std::clamp(value, 0, 100));
    mirroring = false;
    refresh();
}

void ConsoleBand::showFadeTime(int32_t value) {
    if (Console* c = engine()) c->times.setFadeTimeSlider(value);
    refresh();
}

void ConsoleBand::showFadeScenes(bool on) {
    if (Console* c = engine()) c->times.fadeScenesTicked = on;
    refresh();
}

void ConsoleBand::showSequenceDetails(const QString& text) { txtSequenceDetails->setText(text); }

void ConsoleBand::setProgrammingLocked(bool locked) {
    for (QWidget* w : programmingButtons()) w->setEnabled(!locked);
    lblLocked->setText(locked ? QStringLiteral("LOCKED") : QString());
}

bool ConsoleBand::programmingEnabled() const { return BT_OFf->isEnabled(); }
