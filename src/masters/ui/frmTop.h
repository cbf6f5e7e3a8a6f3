#pragma once
// The top bar: the mode buttons, the command row, the page command row, the
// layer bar, the BLACKOUT button and the clock. Mirrors the engine's top bar.

#include "masters/mastersEngine.h"

#include <QWidget>
#include <array>

class QPushButton;
class QLabel;
class QMenu;
class QHBoxLayout;

class frmTop final : public QWidget, public MastersView {
public:
    frmTop();
    ~frmTop() override;
    void mastersChanged() override;
    int chooseLayerMenuItem() override;
    void open();

    QPushButton* cmdPlaybackMode = nullptr;
    QPushButton* cmdProgramingMode = nullptr;
    std::array<QPushButton*, 10> cmdTop{};
    QPushButton* cmdClealAll = nullptr;
    QPushButton* cmdReleasePage = nullptr;
    QPushButton* cmdCreateButtonGroup = nullptr;
    QPushButton* cmdResetPage = nullptr;
    QPushButton* cmdButtonMode = nullptr;
    QPushButton* cmdButtonWizard = nullptr;
    QPushButton* cmdMasterPause = nullptr;
    QPushButton* cmdBlackOut = nullptr;
    QLabel* lblDateTime = nullptr;
    std::array<QPushButton*, TopBar::layerButtons> cmdLayers{};
    QMenu* layerMenu = nullptr;
    QLabel* statusText = nullptr;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QPushButton* button(const QString& name, const QString& caption, const QString& tip);
    void commandRow(int index);
    MastersEngine& engine;
    QMenu* patchMenu = nullptr;
    QMenu* helpMenu = nullptr;
};
