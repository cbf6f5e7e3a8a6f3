#pragma once
// "Playback Sub-Master Panel": one fader strip per playback (dimmer, start
// and stop at the bottom of the travel, GO, the playback's menu). Closing
// only hides it.

#include "masters/mastersEngine.h"

#include <QWidget>
#include <map>

class QSlider;
class QPushButton;
class QLabel;
class QScrollArea;

class Submaster final : public QWidget, public MastersView {
public:
    Submaster();
    ~Submaster() override;
    void mastersChanged() override;
    void open();

    struct Strip {
        QWidget* background = nullptr;
        QSlider* fader = nullptr;
        QPushButton* menu = nullptr;
        QLabel* name = nullptr;
        QLabel* number = nullptr;
        QLabel* percent = nullptr;
        QPushButton* go = nullptr;
    };
    std::map<int32_t, Strip> strips;

    // Pixels from one strip's left to the next: 750 twips at the design
    // font, more when a larger font needs it to show the captions whole.
    int stripPitch() const;

protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void makeStrip(int32_t n, const PlaybackFaderStrip& d);
    void placeStrips();
    MastersEngine& engine;
    QScrollArea* scroll = nullptr;
    QWidget* area = nullptr;
    bool mirroring = false;
    bool operatorMove = false;
};
