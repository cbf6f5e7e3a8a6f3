#pragma once
// "Grand Master": the master fade-out window. Mirrors the engine's fader,
// button caption and fade time and calls the engine.

#include "masters/mastersEngine.h"

#include <QWidget>

class QSlider;
class QPushButton;
class QSpinBox;
class QComboBox;
class QCheckBox;

class MasterFader final : public QWidget, public MastersView {
public:
    MasterFader();
    ~MasterFader() override;
    void mastersChanged() override;
    void open();

    QSlider* sldrDimmer = nullptr;
    QPushButton* cmdFadeOut = nullptr;
    QSpinBox* seconds = nullptr;
    QSpinBox* hundredths = nullptr;
    QComboBox* Combo1 = nullptr;
    QCheckBox* chkUseGroups = nullptr;

protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    MastersEngine& engine;
    bool mirroring = false;
};
