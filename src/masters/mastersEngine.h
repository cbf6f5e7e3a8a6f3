#pragma once
// The master section's engine and the masters service: the grand master and
// the grand blackout (one home, read by every playback on every tick), the
// page submaster strips, the master fade-out, the playback fader strips and
// the top bar. Windows mirror it through MastersView.

#include "masters/masterFadeOut.h"
#include "masters/pageSubmasters.h"
#include "masters/topBar.h"
#include "shell/services/mastersService.h"

#include <QString>
#include <map>
#include <vector>

// What the windows implement to follow the engine.
class MastersView {
public:
    virtual ~MastersView() = default;
    // Something shown changed; the window reads the engine again.
    virtual void mastersChanged() {}
    // The layer menu of the top bar pops up: 1 "Add View", 2 "Rename View",
    // 3 "Delete View", 0 nothing chosen.
    virtual int chooseLayerMenuItem() { return 0; }
    // The MIDI-learn menu of the submasters window: true when "Assign/Delete Midi Note" is chosen.
    virtual bool chooseLearnMenu() { return false; }
};

// One playback's fader strip.
struct PlaybackFaderStrip {
    QString name, numberText;
    int32_t fader = 100;
    int32_t left = 0;
    bool stoppedByFader = false;
    bool restartedByFader = false;
};

class MastersEngine : public MastersService {
public:
    MastersEngine();
    ~MastersEngine() override;

    // Grand master and blackout.
    int32_t grandMaster() override { return grandMasterValue; }
    bool returnGrandBlackoutState() override { return blackoutOn; }
    void lblBlackout_Click() override;
    void setGrandMaster(int32_t value) override;
    void setGrandMasterValueOnly(int32_t value) override;
    void sldrGrandMaster_Scroll();
    // The grey of a fader at value: RGB(g, g, g), g = value x 2.5.
    static int32_t faderGrey(int32_t value);
    // The two BLACKOUT buttons; each decides the direction by its own face.
    void submastersBlackOut_Click() override;
    void cmdBlackOut_Click() override { top.cmdBlackOut_Click(); }
    void cmdMasterPause_Click() override;

    // Memories the playback engine feeds.
    void submasterSetMyValuemem(int16_t value, int32_t channel) override;
    void masterFaderSetMyValuemem(int16_t value, int32_t channel) override;

    // Playback fader strips.
    void loadAnotherFader(int32_t number, const QString& alias, const QString& numberText) override;
    void playbackFaderMoved(int32_t number, int32_t value, bool dragged);
    void playbackFaderGo(int32_t number);
    void showActivePlayback(int32_t number) override;
    void applyPlaybackFader(int32_t number) override;
    bool hasPlaybackFader(int32_t number) override { return playbackFaders.count(number) > 0; }
    void setPlaybackFader(int32_t number, double percent) override;
    void unloadPlaybackFaders();

    // Top bar.
    void showTopBarText(const QString& text) override;
    void showTime() override { top.showTime(); }
    void cmdProgramingMode_Click() override { top.cmdProgramingMode_Click(); }
    void cmdPlaybackMode_Click() override { top.cmdPlaybackMode_Click(); }
    bool programingMode() override { return top.programingMode; }
    bool getDualMode() override { return top.getDualMode(); }
    void setGroupButtonText(const QString& text) override;
    void setButtonModeText(const QString& text) override;
    void changeButtonColors(const QString& setToLayer) override { top.changeButtonColors(setToLayer); }
    void refreshCurrentLayer() override { top.refreshCurrentLayer(); }

    // Page submasters for the shortcut pages.
    void loadNewSubmaster(int32_t index, int32_t colour, const QString& name) override;
    void unloadNewSubmaster(int32_t index) override;
    void showAllSubmasters() override;
    int32_t pageSubmasterCount() override { return submasters.pageSubmasterCount; }
    void setPageSubmasterCount(int32_t count) override;
    void setGroupsCurrrentSequence(int32_t group, const QString& sequence) override;
    void updateNextSequence(int32_t group, const QString& sequence) override;
    void updateCrossFadeTime(int32_t group, float time) override;
    void setGroupSubmaster(int32_t group, int32_t value) override;
    void pressStripGo(int32_t group) override;
    void stepStrip(int32_t group, bool forward) override;
    void bumpStrip(int32_t group, bool down) override;

    // The wing's messages in the order the MIDI input offers them; true when handled.
    bool wingMessage(int32_t note, int32_t channelCode, int32_t velocity);
    bool wingGo(int32_t note, int32_t channelCode, int32_t velocity);

    void attach(MastersView* v);
    void detach(MastersView* v);
    void changed();
    MastersView* firstView() const { return views.empty() ? nullptr : views.front(); }

    int32_t grandMasterValue = 100;
    bool blackoutOn = false;
    int32_t labelTextColour = 0xFFFFFF;
    int32_t submastersBlackoutFace = 0xFFFFFF;
    QString submastersBlackoutCaption;
    QString topBarText;
    PageSubmasters submasters;
    MasterFadeOut fadeOut;
    TopBar top;
    std::vector<int32_t> submasterMemory; // the playback faders' value memory
    std::map<int32_t, PlaybackFaderStrip> playbackFaders;
    int32_t lastLoadedFader = 0;
    int32_t activePlayback = 0;

private:
    std::vector<MastersView*> views;
};

// The master section's engine in place as the masters service; one is put
// in place when the service is still the base (a window opened on its own).
MastersEngine& mastersEngine();
