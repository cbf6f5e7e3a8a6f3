#pragma once
// The range-property picker ("frmProperties"): opened under an attribute
// wheel by its property button, one item per named range of the wheel's
// channel (a picture, a colour swatch or the label's text), then the FX
// item. A click applies the item and closes the picker.

#include "programmer/rangePicker.h"

#include <QWidget>
#include <vector>

class QLabel;
class WheelBank;

class frmProperties : public QWidget {
    Q_OBJECT
public:
    frmProperties();
    int32_t myRealChannelNumber = 0;
    int32_t myChannelIndexNumber = 0;
    int32_t currentLightClass = 0;
    std::vector<QLabel*> imgProperty; // items 1..n (index - 1)
    std::vector<rangePicker::Item> items;

    // Opens the picker for wheel `index` of the bank.
    void openFor(WheelBank& bank, int index, QPoint at);
    void loadControls();
    void unLoadControls();
    // Applies item index (1..n), then closes.
    void imgProperty_Click(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    WheelBank* bank = nullptr;
};
