#pragma once
// "Group Submaster": the grand master, the BLACKOUT button and one strip per
// button group of the shown page. Mirrors the masters engine and calls it.

#include "masters/mastersEngine.h"
#include "masters/sizeFormControls.h"

#include <QWidget>
#include <array>

class QSlider;
class QPushButton;
class QLineEdit;
class QLabel;
class GroupCaption;

class frmPageSubmasters final : public QWidget, public MastersView {
public:
    frmPageSubmasters();
    ~frmPageSubmasters() override;
    void mastersChanged() override;
    void open();

    struct Strip {
        QSlider* fader = nullptr;
        QPushButton* go = nullptr;
        QPushButton* previous = nullptr;
        QPushButton* next = nullptr;
        GroupCaption* name = nullptr;
        QLineEdit* sequence = nullptr;
        QSlider* crossFader = nullptr;
        QLabel* current = nullptr;
    };
    QSlider* sldrGrandMaster = nullptr;
    QPushButton* cmdBlackOut = nullptr;
    std::array<Strip, stripLayout::maxStrips + 1> strips{};

protected:
    void resizeEvent(QResizeEvent*) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void makeStrip(int k);
    void placeStrips();
    void enterCrossFadeTime(int k);
    std::vector<SizedControl> sizedControls() const;
    MastersEngine& engine;
    ClsSizeFormControls resizer;
    bool mirroring = false;
};
