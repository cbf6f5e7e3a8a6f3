#pragma once
// The fog and haze control window. For now it keeps the per-channel list
// that follows the show's channel count; its controls come with the fog
// controller itself.

#include <QWidget>
#include <cstdint>
#include <vector>

class frmFogControl : public QWidget {
    Q_OBJECT
public:
    explicit frmFogControl(QWidget* parent = nullptr);

    // Resizes the per-channel list to 1..totalNumber, keeping its contents.
    void redimFoggers(int32_t totalNumber);
    const std::vector<int32_t>& foggers() const { return fogChannels; }

private:
    std::vector<int32_t> fogChannels; // index 0 unused
};
