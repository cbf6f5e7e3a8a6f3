#pragma once
// The live controls of the palette window: the attribute wheels of the
// Faders page, the encoder strip above the bottom buttons, the colour
// picture of the Color page with its mode button, the range-property picker
// and the mouse-wheel dispatch. Given to the presets service by
// `attachLiveControls` (wiring::startProgrammer), attached to the palette
// window when it is made.

#include "presets/ui/paletteLiveControls.h"
#include "programmer/wheelBank.h"

#include <QObject>
#include <QPoint>
#include <vector>

class Shell;
class Wheel;
class EncoderStrip;
class ColourPicture;
class QCheckBox;
class QPushButton;
class QWidget;

class PaletteProgrammer final : public QObject, public PaletteLiveControls, private WheelBankView {
public:
    PaletteProgrammer();
    ~PaletteProgrammer() override;

    // The window they are on; null while none is.
    frmPalettes* window() const { return window_; }
    // The Faders page's bank and its wheels (index 1..bank().count()).
    WheelBank& bank() { return bank_; }
    Wheel* wheelWidget(int index) const;
    bool fadersShown() const;
    EncoderStrip* encoders() const { return strip_; }
    ColourPicture* colourPicture() const { return pctColorPalette_; }
    QPushButton* btnChangeColorMode() const { return modeButton_; }
    QCheckBox* chkAdustWhite() const { return whiteAmber_; }

    // ---- PaletteLiveControls ----
    void attach(frmPalettes& window) override;
    void detach(frmPalettes& window) override;
    void showFaders() override;
    void pageCleared() override;
    void pageBuilt() override;
    void selectionChanged() override;
    void updateDMXValueDisplay(bool firstTime) override;

    // cmdUser_Click's bank: rebuilt from the selection and placed on the page.
    void buildAttributeWheels();
    // The colour picture's mode button, and the picture laid out on the Color page.
    void btnChangeColorMode_Click();
    void layoutColourPalettes();
    // One mouse-wheel notch (rotation +-120 a notch; keys: the modifier and
    // button word) on the control at the pointer stamp. True when a control took it.
    bool mouseWheel(int keys, int rotation);
    // The pointer stamp: the control last moved over (window pixels).
    QPoint stamp() const { return {localX, localY}; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openRangePicker(int index) override;
    void clearWheels();
    void stampControl(const QWidget* control);
    bool pointInControl(const QWidget* control) const;

    WheelBank bank_;
    frmPalettes* window_ = nullptr;
    std::vector<Wheel*> wheels_; // index - 1, children of the page
    EncoderStrip* strip_ = nullptr;
    ColourPicture* pctColorPalette_ = nullptr;
    QPushButton* modeButton_ = nullptr;
    QCheckBox* whiteAmber_ = nullptr;
    int colorMode = 0;
    int localX = 0, localY = 0;
};

// Gives the running console's presets service these live controls (when
// it is the palette window's service).
void attachLiveControls(Shell& s);
