#pragma once
// The DMX timing editor: reads and changes the timing block of one
// USB-to-DMX interface. Every change is written to the interface at once.

#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QToolButton;
class clsCorvellDongle;

// An up-down pair beside a text box: a press steps the box's number within
// the range and then reports the change.
class UpDownControl : public QWidget {
    Q_OBJECT
public:
    UpDownControl(int start, int step, int minimum, int maximum, QLineEdit* buddy, QWidget* parent);
    int value() const { return current; }
    void stepUp() { stepBy(+1); }
    void stepDown() { stepBy(-1); }

signals:
    void changed();

private:
    void stepBy(int direction);
    int current, step, minimum, maximum;
    QLineEdit* buddy;
};

class frmDmxTiming : public QWidget {
    Q_OBJECT
public:
    explicit frmDmxTiming(QWidget* parent = nullptr);
    ~frmDmxTiming() override;

    // Set by the options window before the window is shown.
    int32_t myActivePort = 0;
    std::shared_ptr<clsCorvellDongle> myInterfaceCls;

    // Reads the interface and fills the window.
    void Form_Load();
    void chkUseDefaults_MouseUp();
    void chkSetNewDefauts_Click();
    void udStartCode_Change();
    void udBreaktoBreak_Change();
    void udBreakTime_Change();
    void udMarkAfterBreak_Change();
    void udInterByteDelay_Change();

    QLineEdit *txtStartCode, *txtBreakToBreak, *txtBreakTime, *txtMarkAfterBreak, *txtInterByteDelay;
    UpDownControl *udStartCode, *udBreaktoBreak, *udBreakTime, *udMarkAfterBreak, *udInterByteDelay;
    QCheckBox *chkUseDefaults, *chkSetNewDefauts;
    // Break-to-break, start code, break, mark after break, inter-byte delay.
    std::array<QLabel*, 5> lblArray{};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void applyStandardTimingDefaults();
    void applyFactoryInterByteDefaults();
    void leaveStandardDefaults();
    void valueChanged(QLineEdit* box, int32_t clsCorvellDongle::*property);
    bool releasedByMouse = false;
};
