#include "masters/topBar.h"

#include "masters/mastersEngine.h"
#include "platform/clock.h"
#include "platform/monitors.h"
#include "platform/prompts.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/services/controlService.h"
#include "shell/services/mainWindowService.h"
#include "shell/services/patchService.h"
#include "shell/services/playbackService.h"
#include "shell/services/presetsService.h"
#include "shell/services/shortcutsService.h"
#include "shell/shell.h"

#include <QLocale>
#include <algorithm>

TopBar::TopBar(MastersEngine& m) : masters(m) {
    layers[0].caption = QStringLiteral("View 1");
    layers[0].left = 7748;
}

// ---- Modes ------------------------------------------------------------------------------

bool TopBar::getDualMode() {
    Monitors* mons = shell().monitors();
    const std::vector<QRect> list = mons ? mons->list() : std::vector<QRect>{};
    return dualView::inForce(list, miscGlobalFunctions::readIniValue(shell().iniFile(), QStringLiteral("DualView"),
                                                                     QStringLiteral("Enabled"), QStringLiteral("False")));
}

void TopBar::cmdPlaybackMode_Click() {
    const bool dual = getDualMode();
    if (!dual) shell().shortcuts().showShortcutPages();
    for (LayerButton& b : layers) b.visible = false;
    pageButtonsVisible = true;
    pageButtonsDual = dual && lastPlacement.dual;
    shell().shortcuts().refreshPageOnly();
    shell().presets().showPaletteWindow(false);
    shell().patch().hideLayoutWindow();
    programingModeColour = grey;
    playbackModeColour = blue;
    programingMode = dual;
    showTime();
    masters.changed();
}

void TopBar::placeWindowsForDualView() {
    dualView::Inputs in;
    if (Monitors* mons = shell().monitors()) in.monitors = mons->list();
    in.enabled = getDualMode();
    in.topBarHeight = height;
    lastPlacement = dualView::place(in);
    if (lastPlacement.playbackModeEnabled) playbackModeEnabled = *lastPlacement.playbackModeEnabled;
    if (lastPlacement.reloadPage) shell().shortcuts().refreshCurrentPage();
    if (!lastPlacement.dual) shell().shortcuts().showShortcutPages();
}

void TopBar::cmdProgramingMode_Click() {
    placeWindowsForDualView();
    const bool dual = lastPlacement.dual;
    if (!dual) shell().shortcuts().hideShortcutPages();
    shell().presets().showPaletteWindow(true);
    shell().patch().showLayoutWindow();
    programingModeColour = blue;
    playbackModeColour = grey;
    const int32_t current = shell().state.currentPlayback;
    if (current > 0) shell().mainWindow().mainDimmerSlider(shell().playback().getDimmerValue(current));
    rebuildLayers();
    shell().mainWindow().returnSequenceNameForCurrentChaser();
    if (!dual) pageButtonsVisible = false;
    pageButtonsDual = dual;
    layers[0].visible = true;
    shell().patch().hideFixtureList();
    programingMode = true;
    showTime();
    masters.changed();
}

void TopBar::showTime() {
    if (programingMode) {
        clockVisible = false;
        return;
    }
    clockVisible = true;
    const QString now = QLocale::c().toString(shell().clock().now().time(), QStringLiteral("hh:mm AP"));
    if (now != clock) {
        clock = now;
        masters.changed();
    }
}

void TopBar::cmdBlackOut_Click() {
    if (blackoutFace == 0xFFFFFF) {
        masters.lblBlackout_Click();
        blackoutFace = 0;
        blackoutCaption = QStringLiteral("BLACKOUT");
        masters.submastersBlackoutFace = 0;
    } else {
        masters.lblBlackout_Click();
        blackoutFace = 0xFFFFFF;
        blackoutCaption.clear();
        masters.submastersBlackoutFace = 0xFFFFFF;
    }
    masters.submastersBlackoutCaption = blackoutCaption;
    masters.changed();
}

// ---- Layers -----------------------------------------------------------------------------

void TopBar::changeButtonColors(const QString& setToLayer) {
    for (LayerButton& b : layers) b.colour = lightGrey;
    if (setToLayer.isEmpty()) return;
    for (int i = 1; i < layerButtons; ++i) {
        if (layers[size_t(i)].caption == setToLayer) {
            layers[size_t(i)].colour = blue;
            break;
        }
    }
}

bool TopBar::isMatrixLayer() const {
    const ChannelModel& m = shell().state;
    for (int32_t f = 1; f <= m.fixtureCount && f < m.fixtureMatrixName.size(); ++f)
        if (m.fixtureMatrixName[f] == shownLayer) return true;
    return false;
}

void TopBar::showLayerOnWing(int note) {
    ControlService& wing = shell().control();
    for (int n = 106; n <= 111; ++n)
        if (n != note) wing.sendWingNoteOff(144, n, 0);
    wing.sendWingNoteOn(144, note, 127);
}

void TopBar::cmdLayers_MouseUp(int index, int button) {
    if (index < 0 || index >= layerButtons) return;
    changeButtonColors(QString());
    shownLayer = layers[size_t(index)].caption;
    shell().patch().changeFixtureLayer(shownLayer);
    changeButtonColors(QString());
    layers[size_t(index)].colour = blue;
    if (button == 2) {
        menuLayer = index;
        if (isMatrixLayer()) {
            shell().prompts().messageBox(QStringLiteral("Cannot Delete or Edit Matrix Layers"));
        } else if (MastersView* v = masters.firstView()) {
            switch (v->chooseLayerMenuItem()) {
            case 1: clkAddLayer_Click(); break;
            case 2: clkRenameLayer_Click(); break;
            case 3: clkDeleterLayer_Click(); break;
            default: break;
            }
        }
    }
    currentLayer = index;
    showLayerOnWing(106 + index);
    masters.changed();
}

void TopBar::refreshCurrentLayer() {
    for (int i = 0; i < layerButtons; ++i) {
        if (layers[size_t(i)].colour != lightGrey) {
            cmdLayers_MouseUp(i, 1);
            return;
        }
    }
}

bool TopBar::switchLayers(int note) {
    cmdLayers_MouseUp(note - 106, 1);
    return false;
}

void TopBar::stepLayer(bool forward) {
    int visible = layerButtons;
    for (int i = 0; i < layerButtons; ++i) {
        if (!layers[size_t(i)].visible) {
            visible = i;
            break;
        }
    }
    if (forward) cmdLayers_MouseUp(currentLayer + 1 >= visible ? 0 : currentLayer + 1, 1);
    else cmdLayers_MouseUp(currentLayer - 1 < 0 ? std::max(visible - 1, 0) : currentLayer - 1, 1);
}

void TopBar::rebuildLayers() {
    for (int i = 1; i < layerButtons; ++i) layers[size_t(i)].visible = false;
    const QStringList& names = shell().state.viewNames;
    for (int i = 1; i <= 10; ++i) {
        if (i >= names.size() || names[i].trimmed().isEmpty()) continue;
        LayerButton& b = layers[size_t(i)];
        b.top = layers[0].top;
        b.height = layers[0].height;
        b.left = layers[size_t(i - 1)].left + b.width;
        b.caption = names[i];
        b.visible = true;
    }
    if (currentLayer >= 0 && currentLayer < layerButtons) cmdLayers_MouseUp(currentLayer, 1);
}

void TopBar::clkAddLayer_Click() {
    QStringList& names = shell().state.viewNames;
    int slot = 0;
    for (int i = 1; i < layerButtons && i < names.size(); ++i) {
        if (names[i].trimmed().isEmpty()) {
            slot = i;
            break;
        }
    }
    // Only slots 1..20 have a layer button.
    if (slot == 0) {
        shell().prompts().messageBox(QStringLiteral("All 21 views are in use. Delete a view before adding another."));
        return;
    }
    LayerButton& b = layers[size_t(slot)];
    b.top = layers[0].top;
    b.left = layers[size_t(slot - 1)].left + b.width;
    b.caption = QStringLiteral("View ") + QString::number(slot + 1);
    b.visible = true;
    names[slot] = b.caption;
    cmdLayers_MouseUp(slot, 0);
}

void TopBar::clkRenameLayer_Click() {
    if (menuLayer == 0) {
        shell().prompts().messageBox(QStringLiteral("Cannot Rename View 1"));
        return;
    }
    QStringList& names = shell().state.viewNames;
    const QString old = layers[size_t(menuLayer)].caption;
    const QString answer =
        shell().prompts().inputBox(QStringLiteral("Please Enter New Name"), QStringLiteral("Rename View"), old);
    if (!answer.isEmpty() && answer != old && menuLayer < names.size()) {
        names[menuLayer] = answer;
        layers[size_t(menuLayer)].caption = answer;
        QStringList& views = shell().state.fixtureView;
        for (QString& v : views)
            if (v == old) v = answer;
    }
    cmdLayers_MouseUp(menuLayer, 0);
}

void TopBar::clkDeleterLayer_Click() {
    if (menuLayer > 0) {
        QStringList& names = shell().state.viewNames;
        if (menuLayer < names.size()) {
            const QString old = names[menuLayer];
            for (QString& v : shell().state.fixtureView)
                if (v == old) v = QStringLiteral("View 1");
            names[menuLayer].clear();
            for (int j = menuLayer; j <= layerButtons - 1 && j + 1 < names.size(); ++j) names[j] = names[j + 1];
        }
        cmdProgramingMode_Click();
    }
    cmdLayers_MouseUp(0, 0);
}

bool TopBar::recieveMidiNote(int channel, int note, int velocity) {
    if (!shell().control().controlWingAttached() || channel != 1) return false;
    if (note < 105 || note > 112) return false;
    if (!programingMode) cmdProgramingMode_Click();
    if (velocity != 0) return false;
    if (note == 105) {
        stepLayer(false);
        return true;
    }
    if (note == 112) {
        stepLayer(true);
        return true;
    }
    switchLayers(note);
    return false;
}
