#pragma once
// The top bar's engine: playback and programming mode, the clock, the
// BLACKOUT face, the page command row's visibility and the layer (view)
// bar of the fixture layout with its wing keys.

#include "masters/dualView.h"

#include <QString>
#include <array>
#include <cstdint>

class MastersEngine;

struct LayerButton {
    QString caption;
    bool visible = false;
    int32_t colour = 12632256; // light grey; blue (16711680) is the selection
    int32_t left = 0, top = 0, width = 1000, height = 450;
};

class TopBar {
public:
    static constexpr int32_t blue = 16711680, grey = 8421504, lightGrey = 12632256;
    static constexpr int layerButtons = 21;

    explicit TopBar(MastersEngine& m);

    void cmdPlaybackMode_Click();
    void cmdProgramingMode_Click();
    bool getDualMode();
    void showTime();
    void cmdBlackOut_Click();

    // Layers.
    void cmdLayers_MouseUp(int index, int button);
    void changeButtonColors(const QString& setToLayer);
    void refreshCurrentLayer();
    bool switchLayers(int note);
    void stepLayer(bool forward);
    void rebuildLayers();
    void clkAddLayer_Click();
    void clkRenameLayer_Click();
    void clkDeleterLayer_Click();
    bool recieveMidiNote(int channel, int note, int velocity);

    bool programingMode = false;
    int32_t playbackModeColour = blue, programingModeColour = grey;
    bool playbackModeEnabled = true;
    bool pageButtonsVisible = true;
    bool pageButtonsDual = false; // laid out right of Programming Mode (dual view)
    QString clock = QStringLiteral("12:20 PM");
    bool clockVisible = true;
    QString groupButtonText = QStringLiteral("Group Buttons");
    QString buttonModeText = QStringLiteral("Default Mode");
    int32_t blackoutFace = 0xFFFFFF;
    QString blackoutCaption;
    std::array<LayerButton, layerButtons> layers{};
    int currentLayer = 0, menuLayer = 0;
    QString shownLayer = QStringLiteral("View 1"); // the view the layout shows
    dualView::Placement lastPlacement;
    // The layer menu asks: true runs the chosen item (set by the window).
    int32_t height = 1245;

private:
    bool isMatrixLayer() const;
    void showLayerOnWing(int note);
    void placeWindowsForDualView();
    MastersEngine& masters;
};
