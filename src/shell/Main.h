#pragma once
// The main DMX window. Its procedures on the channel model live in
// channelModel, roleResolution and miscGlobalFunctions; the window holds what
// the operator sees.

#include <QMainWindow>

class Main : public QMainWindow {
    Q_OBJECT
public:
    explicit Main(QWidget* parent = nullptr);
};
