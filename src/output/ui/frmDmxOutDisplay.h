#pragma once
// The DMX output monitor: the live levels of 100 consecutive channels of
// channelOutput, each above its channel number, with a scroll bar over all
// channels. It only reads the levels.

#include <QWidget>
#include <array>
#include <memory>

class QLabel;
class QScrollBar;
class TickTimer;

class frmDmxOutDisplay : public QWidget {
    Q_OBJECT
public:
    explicit frmDmxOutDisplay(QWidget* parent = nullptr);
    ~frmDmxOutDisplay() override;

    void Form_Load();
    // Refreshes the levels (every 50 ms while the window exists).
    void HiResTimer1_Timer();

    static constexpr int labelCount = 100;
    // Channels per row.
    static constexpr int perRow = 13;
    // Elements 1..100; element 0 is the template, kept outside the window.
    std::array<QLabel*, labelCount + 1> lblDMXValue{};
    std::array<QLabel*, labelCount + 1> lblChannelNumber{};
    QScrollBar* vscrDmxChannels = nullptr;
    TickTimer& timer() { return *HiResTimer1; }

private:
    void closeEvent(QCloseEvent* event) override;
    void layoutChannelLabels();
    void fitCellWidths();
    void changeEvent(QEvent* event) override;
    // Keeps the range (and the offset) within the channels there are, also
    // after the show's channel count changed.
    void fitRange();
    std::unique_ptr<TickTimer> HiResTimer1;
    int rangeFor = 0;
};
