#pragma once
// The live controls of the palette window: the attribute wheels of the
// Faders page. Given to the presets service by `attachLiveControls`
// (wiring::startProgrammer), attached to the palette window when it is made.

#include "presets/ui/paletteLiveControls.h"
#include "programmer/wheelBank.h"

#include <QPointer>
#include <vector>

class Shell;
class Wheel;
class QWidget;

class PaletteProgrammer final : public PaletteLiveControls, private WheelBankView {
public:
    PaletteProgrammer();
    ~PaletteProgrammer() override;

    // The window they are on; null while none is.
    frmPalettes* window() const { return window_; }
    // The Faders page's bank and its wheels (index 1..bank().count()).
    WheelBank& bank() { return bank_; }
    Wheel* wheelWidget(int index) const;
    bool fadersShown() const;

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

private:
    void openRangePicker(int index) override;
    void clearWheels();

    WheelBank bank_;
    frmPalettes* window_ = nullptr;
    std::vector<Wheel*> wheels_; // index - 1, children of the page
};

// Gives the running console's presets service these live controls (when
// it is the palette window's service).
void attachLiveControls(Shell& s);
