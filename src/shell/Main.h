#pragma once
// The main DMX window. Its procedures on the channel model live in
// channelModel, roleResolution and miscGlobalFunctions; the window holds what
// the operator sees.

#include <QMainWindow>

class Main : public QMainWindow {
    Q_OBJECT
public:
    explicit Main(QWidget* parent = nullptr);

    // The control wing's encoder adjusts the fade time.
    bool wingFadeTimeAdjust = false;
    // Read by the control-wing mapping.
    bool mainHasPanTiltWheels() const { return wingFadeTimeAdjust; }
};
