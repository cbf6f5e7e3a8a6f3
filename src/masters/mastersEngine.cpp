#include "masters/mastersEngine.h"

#include "shell/services/controlService.h"
#include "shell/services/playbackService.h"
#include "shell/shell.h"

#include <algorithm>
#include <cmath>

MastersEngine::MastersEngine() : submasters(*this), fadeOut(*this), top(*this) {}

MastersEngine::~MastersEngine() = default;

// ---- Grand master and blackout -------------------------------------------------

void MastersEngine::lblBlackout_Click() {
    // The playback engine blacks out (or restores) playback 1 and every
    // visible playback; hidden ones are left alone.
    blackoutOn = !blackoutOn;
    labelTextColour = blackoutOn ? 0x80FF : 0xFFFFFF;
    shell().playback().blackOutPlaybacks(1, blackoutOn, true, false, false);
    changed();
}

int32_t MastersEngine::faderGrey(int32_t value) {
    const int32_t g = int32_t(std::nearbyint(double(value) * 2.5));
    return g + 256 * g + 65536 * g;
}

void MastersEngine::setGrandMaster(int32_t value) {
    grandMasterValue = std::clamp(value, 0, 100);
    sldrGrandMaster_Scroll();
}

void MastersEngine::setGrandMasterValueOnly(int32_t value) {
    // Takes effect when each playback next computes its factor.
    grandMasterValue = std::clamp(value, 0, 100);
    changed();
}

void MastersEngine::sldrGrandMaster_Scroll() {
    shell().playback().adjustGranmaster();
    changed();
}

void MastersEngine::submastersBlackOut_Click() {
    ControlService& wing = shell().control();
    if (submastersBlackoutFace == 0xFFFFFF) {
        lblBlackout_Click();
        submastersBlackoutFace = 0;
        top.blackoutFace = 0;
        if (wing.controlWingAttached()) wing.sendWingNoteOn(145, 119, 64);
    } else {
        lblBlackout_Click();
        submastersBlackoutFace = 0xFFFFFF;
        top.blackoutFace = 0xFFFFFF;
        if (wing.controlWingAttached()) wing.sendWingNoteOff(129, 119, 0);
    }
    changed();
}

void MastersEngine::cmdMasterPause_Click() {
    shell().playback().setPause(shell().state.currentPlayback, true);
}

// ---- Memories -----------------------------------------------------------------------

void MastersEngine::submasterSetMyValuemem(int16_t value, int32_t channel) {
    const int32_t total = shell().state.totalChannels;
    submasterMemory.resize(size_t(std::max(total, 0) + 1), 0);
    if (channel >= 1 && channel <= total) submasterMemory[size_t(channel)] = value;
}

void MastersEngine::masterFaderSetMyValuemem(int16_t value, int32_t channel) { fadeOut.setMyValuemem(value, channel); }

// ---- Playback fader strips --------------------------------------------------------

void MastersEngine::loadAnotherFader(int32_t number, const QString& alias, const QString& numberText) {
    if (number < 1 || playbackFaders.count(number)) return; // an existing strip stays as it is
    PlaybackFaderStrip s;
    s.name = alias;
    s.numberText = numberText;
    const auto last = playbackFaders.find(lastLoadedFader);
    // Strip 1 created first stands at the first place; created after others
    // it takes the next place like any strip, rather than landing on the last.
    const bool first = last == playbackFaders.end();
    s.left = (first ? 0 : last->second.left) + (number == 1 && first ? 0 : 750);
    playbackFaders[number] = s;
    lastLoadedFader = number;
    changed();
}

void MastersEngine::playbackFaderMoved(int32_t number, int32_t value, bool dragged) {
    auto it = playbackFaders.find(number);
    if (it == playbackFaders.end()) return;
    PlaybackFaderStrip& s = it->second;
    s.fader = std::clamp(value, 0, 100);
    PlaybackService& p = shell().playback();
    p.setDimmerValue(s.fader, number);
    if (dragged) {
        if (s.fader == 0) {
            if (p.getChaserFlag(number)) {
                p.stopLoadedSequence(number);
                s.stoppedByFader = true;
                s.restartedByFader = false;
            }
        } else if (s.stoppedByFader && !p.getChaserFlag(number)) {
            p.playLoadedSequence(number, true, false, false);
            s.stoppedByFader = false;
            s.restartedByFader = true;
        }
    }
    changed();
}

void MastersEngine::playbackFaderGo(int32_t number) {
    shell().playback().playLoadedSequence(number, false, false, false);
    shell().playback().setChaseMode(number, 0, false);
}

void MastersEngine::applyPlaybackFader(int32_t number) {
    const auto it = playbackFaders.find(number);
    if (it != playbackFaders.end()) playbackFaderMoved(number, it->second.fader, false);
}

void MastersEngine::setPlaybackFader(int32_t number, double percent) {
    if (playbackFaders.count(number))
        playbackFaderMoved(number, int32_t(std::lround(std::clamp(percent, 0.0, 100.0))), true);
}

void MastersEngine::showActivePlayback(int32_t number) {
    activePlayback = number;
    changed();
}

void MastersEngine::unloadPlaybackFaders() {
    std::fill(shell().state.submasterMemory.begin(), shell().state.submasterMemory.end(), 100);
}

// ---- Top bar -----------------------------------------------------------------------------

void MastersEngine::showTopBarText(const QString& text) {
    topBarText = text;
    changed();
}

void MastersEngine::setGroupButtonText(const QString& text) {
    top.groupButtonText = text;
    changed();
}

void MastersEngine::setButtonModeText(const QString& text) {
    top.buttonModeText = text;
    changed();
}

// ---- Page submasters ----------------------------------------------------------------------

void MastersEngine::loadNewSubmaster(int32_t index, int32_t colour, const QString& name) {
    submasters.loadNewSubmaster(index, colour, name);
    changed();
}
void MastersEngine::unloadNewSubmaster(int32_t index) {
    submasters.unloadNewSubmaster(index);
    changed();
}
void MastersEngine::showAllSubmasters() {
    submasters.showAllSubmasters();
    changed();
}
void MastersEngine::setPageSubmasterCount(int32_t count) {
    submasters.pageSubmasterCount = std::clamp(count, 0, int32_t(stripLayout::maxStrips));
    changed();
}
void MastersEngine::setGroupsCurrrentSequence(int32_t group, const QString& sequence) {
    submasters.setGroupsCurrrentSequence(group, sequence);
    changed();
}
void MastersEngine::updateNextSequence(int32_t group, const QString& sequence) {
    submasters.updateNextSequence(group, sequence);
    changed();
}
void MastersEngine::updateCrossFadeTime(int32_t group, float time) {
    submasters.updateCrossFadeTime(group, time);
    changed();
}
void MastersEngine::setGroupSubmaster(int32_t group, int32_t value) {
    submasters.setGroupFader(group, value);
    changed();
}
void MastersEngine::pressStripGo(int32_t group) {
    submasters.cmdGo_MouseDown(group);
    submasters.cmdGo_MouseUp(group);
    changed();
}
void MastersEngine::stepStrip(int32_t group, bool forward) {
    if (forward) submasters.cmdNextSequence_MouseDown(group);
    else submasters.CmdPreviousSequence_MouseDown(group);
    changed();
}
void MastersEngine::bumpStrip(int32_t group, bool down) {
    if (down) submasters.bumpDown(group);
    else submasters.bumpUp(group);
    changed();
}

bool MastersEngine::wingMessage(int32_t note, int32_t channelCode, int32_t velocity) {
    if (submasters.recieveMidiNote(note, channelCode, velocity)) {
        changed();
        return true;
    }
    const bool handled = channelCode == 1 && top.recieveMidiNote(1, note, velocity);
    changed();
    return handled;
}

bool MastersEngine::wingGo(int32_t note, int32_t channelCode, int32_t velocity) {
    const bool handled = submasters.recieveMidiGO(note, channelCode, velocity);
    if (handled) changed();
    return handled;
}

// ---- Views -------------------------------------------------------------------------------

void MastersEngine::attach(MastersView* v) {
    if (v && std::find(views.begin(), views.end(), v) == views.end()) views.push_back(v);
}

void MastersEngine::detach(MastersView* v) { views.erase(std::remove(views.begin(), views.end(), v), views.end()); }

void MastersEngine::changed() {
    const auto snapshot = views;
    for (MastersView* v : snapshot) v->mastersChanged();
}

MastersEngine& mastersEngine() {
    if (auto* e = dynamic_cast<MastersEngine*>(&shell().masters())) return *e;
    return shell().provide<MastersService>(std::make_unique<MastersEngine>());
}
