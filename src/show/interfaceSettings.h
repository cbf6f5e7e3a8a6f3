#pragma once
// The Hardware section's work on the USB-to-DMX interfaces: choosing one,
// writing its universe into its EEPROM user area, detecting them all again,
// the interface the timing editor gets, and Art-Net on or off. The waits
// around a re-detection run on timers, so the window keeps responding.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>

class TickTimer;
class clsCorvellDongle;

// What the window shows of the section; told when the engine changed it.
class InterfaceSettingsView {
public:
    virtual ~InterfaceSettingsView() = default;
    // After an apply's re-detection: refill the list, choose the first entry
    // and set the Art-Net box, as when the section is shown.
    virtual void showHardwareSection() = 0;
    // The selection or the apply mark changed.
    virtual void interfaceStateChanged() = 0;
};

class InterfaceSettings {
public:
    explicit InterfaceSettings(InterfaceSettingsView* view = nullptr);
    ~InterfaceSettings();

    // The serial numbers of the open interfaces, in port order.
    QStringList entries() const;
    // Chooses the interface at a 1-based position and reads its universe
    // from the interface. False when there is none there.
    bool choose(int position);
    // The universe box was stepped: the apply is pending.
    void universeStepped() { applyPending = true; }

    // "000#": at least four digits with leading zeros.
    static QString universeText(const QString& boxText);
    // Writes the universe into the selected interface, then detects every
    // interface again (after 1000 ms when the write went through) and
    // chooses the same position. A failed or empty write is reported and
    // keeps the pending mark.
    void apply(const QString& universeBoxText);
    // Closes every interface and, 500 ms later, detects them again and
    // reopens MIDI. The selection is cleared: it named a closed interface.
    void detectAgain();
    // The interface the timing editor opens, with its position; none (and
    // " No Hardware Detected:" shown) when no open interface is selected.
    std::shared_ptr<clsCorvellDongle> timingInterface(int32_t* position);
    // Stores the Art-Net choice and starts or stops Art-Net.
    void setArtNet(bool on);

    // True while an apply or detection waits for its timer.
    bool busy() const { return waiting; }

    std::shared_ptr<clsCorvellDongle> selectedInterface;
    int32_t selectedInterfaceIndex = 0;
    bool applyPending = false;

private:
    void afterApplyWait();
    void redetectAfterApply(bool written, int32_t position);
    void afterDetectWait();
    void wait(int milliseconds, void (InterfaceSettings::*next)());
    void clearSelection();

    InterfaceSettingsView* view;
    std::unique_ptr<TickTimer> timer;
    void (InterfaceSettings::*pending)() = nullptr;
    bool waiting = false;
    int32_t applyPosition = 0;
};
