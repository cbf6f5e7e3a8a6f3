#include "masters/pageSubmasters.h"

#include "masters/mastersEngine.h"
#include "shell/services/controlService.h"
#include "shell/services/mainWindowService.h"
#include "shell/services/playbackService.h"
#include "shell/services/shortcutsService.h"
#include "platform/prompts.h"
#include "shell/shell.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <exception>

namespace {
int32_t roundEven(double v) { return int32_t(std::nearbyint(v)); }
} // namespace

// ---- Filling the strips -----------------------------------------------------------

void PageSubmasters::loadNewSubmaster(int32_t k, int32_t colour, const QString& name) {
    if (!validStrip(k)) return;
    pageSubmasterCount = k;
    SubmasterStrip& s = strips[size_t(k)];
    s.groupName = name;
    s.crossfadeTime = 0;
    s.secondCaption = QStringLiteral("Xtime");
    s.colour = colour;
    stripLayout::layoutStrip(geometry, k, windowHeight);
}

void PageSubmasters::unloadNewSubmaster(int32_t k) {
    if (!validStrip(k)) return;
    strips[size_t(k)].visible = false;
}

void PageSubmasters::showAllSubmasters() {
    for (int32_t k = 1; k <= std::min(pageSubmasterCount, int32_t(stripLayout::maxStrips)); ++k)
        strips[size_t(k)].visible = true;
}

void PageSubmasters::setGroupsCurrrentSequence(int32_t k, const QString& name) {
    if (validStrip(k)) strips[size_t(k)].current = name;
}

void PageSubmasters::updateNextSequence(int32_t k, const QString& name) {
    if (validStrip(k)) strips[size_t(k)].next = name;
}

QString PageSubmasters::timeCaption(float time) {
    const double t = double(time);
    const int whole = int(std::trunc(t));
    const int hundredths = int(std::nearbyint((t - whole) * 100.0));
    return QStringLiteral("%1.%2").arg(whole + hundredths / 100, 2, 10, QLatin1Char('0')).arg(hundredths % 100, 2, 10,
                                                                                             QLatin1Char('0'));
}

void PageSubmasters::updateCrossFadeTime(int32_t k, float time) {
    if (!validStrip(k)) return;
    SubmasterStrip& s = strips[size_t(k)];
    s.crossfadeTime = time;
    s.secondCaption = timeCaption(time);
}

void PageSubmasters::setWindowHeight(int32_t twips) {
    windowHeight = twips;
    for (int32_t k = 1; k <= pageSubmasterCount; ++k) stripLayout::layoutStrip(geometry, k, windowHeight);
}

// ---- Strip controls -------------------------------------------------------------------

QString PageSubmasters::sequencePath(const QString& name) const {
    return shell().state.showName + QLatin1Char('\\') + shell().shortcuts().currentPage() + QLatin1Char('\\') + name +
           QStringLiteral(".YSQ");
}

int32_t PageSubmasters::playbackOf(const QString& name) const {
    int32_t p = 0;
    if (!shell().playback().returnIfFilenameIsLoaded(sequencePath(name), p)) return 0;
    return p;
}

void PageSubmasters::cmdGo_MouseDown(int32_t k, int button) {
    if (!validStrip(k) || !strips[size_t(k)].visible) return;
    learnKey = QStringLiteral("GO,") + QString::number(k);
    if (button == 2) return;
    SubmasterStrip& s = strips[size_t(k)];
    const float t = s.crossfadeTime;
    if (s.next == s.current) cmdNextSequence_MouseDown(k, 1);
    ShortcutsService& pages = shell().shortcuts();
    if (s.next != s.current) {
        const int32_t p = playbackOf(s.current);
        if (t > 0) {
            shell().playback().setFadeInStatus(p, true);
            shell().playback().setfadeInStatusfadeTimes(t, t, p);
        }
        s.crossFaderTag = s.current;
    }
    pages.pressGoFromSubmaster(k, t > 0 ? 1 : 0, t, 0);
    s.current = s.next;
}

void PageSubmasters::cmdGo_MouseUp(int32_t) {}

void PageSubmasters::cmdNextSequence_MouseDown(int32_t k, int button) {
    if (!validStrip(k)) return;
    learnKey = QStringLiteral("Fwd,") + QString::number(k);
    if (button == 2) return;
    try {
        strips[size_t(k)].next = shell().shortcuts().highlightNextButtonInGroup(k);
    } catch (const std::exception& e) {
        shell().prompts().messageBox(QStringLiteral("error Moving Place ") + QString::fromUtf8(e.what()));
    }
}

void PageSubmasters::CmdPreviousSequence_MouseDown(int32_t k, int button) {
    if (!validStrip(k)) return;
    if (button == 2) {
        learnKey = QStringLiteral("Bwd,") + QString::number(k);
        return;
    }
    try {
        strips[size_t(k)].next = shell().shortcuts().highlightPreviousButtonInGroup(k);
    } catch (const std::exception& e) {
        shell().prompts().messageBox(QStringLiteral("error Moving Place") + QString::fromUtf8(e.what()));
    }
}

void PageSubmasters::pressPause(int32_t k) {
    if (!validStrip(k)) return;
    const int32_t p = playbackOf(strips[size_t(k)].current);
    if (p > 0) shell().playback().setPause(p, false);
}

void PageSubmasters::setGroupFader(int32_t k, int32_t value) {
    if (!validStrip(k)) return;
    strips[size_t(k)].groupFader = std::clamp(value, 0, 100);
    shell().shortcuts().adjustCurrentPageGroup(k, strips[size_t(k)].groupFader);
}

void PageSubmasters::bumpDown(int32_t k) {
    if (!validStrip(k)) return;
    bumpMemory[size_t(k)] = strips[size_t(k)].groupFader;
    setGroupFader(k, 100);
    learnKey = QStringLiteral("BumpP,") + QString::number(k);
}

void PageSubmasters::bumpUp(int32_t k) {
    if (!validStrip(k)) return;
    setGroupFader(k, bumpMemory[size_t(k)]);
}

void PageSubmasters::crossFader_MouseDown(int32_t k) {
    if (!validStrip(k)) return;
    crossFaderDragging = true;
    SubmasterStrip& s = strips[size_t(k)];
    if (s.next == s.current) return;
    const int32_t p = playbackOf(s.current);
    if (p <= 0) return; // a multi button: nothing to crossfade by hand
    PlaybackService& pb = shell().playback();
    pb.setfadeInStatusfadeTimes(1, 1, p);
    pb.setLiveCrossFadeFlag(true, s.crossFaderTag, 0);
    s.crossFaderTag = s.current;
    shell().shortcuts().pressGoFromSubmaster(k, 1, 0, 0);
    pb.setLiveCrossFadeFlag(true, s.crossFaderTag, 0);
}

void PageSubmasters::crossFader_Scroll(int32_t k, int32_t value) {
    if (!validStrip(k)) return;
    SubmasterStrip& s = strips[size_t(k)];
    s.crossFader = std::clamp(value, 0, 100);
    if (!crossFaderDragging) return;
    const float position = float(s.crossFader) / 100.0f;
    shell().playback().setCrossFade(position, s.next);
    shell().playback().setCrossFade(position, s.crossFaderTag);
}

void PageSubmasters::crossFader_MouseUp(int32_t k) {
    if (!validStrip(k)) return;
    crossFaderDragging = false;
    SubmasterStrip& s = strips[size_t(k)];
    PlaybackService& pb = shell().playback();
    pb.setCrossFade(1.0f, s.next);
    pb.setCrossFade(1.0f, s.crossFaderTag);
    s.current = s.next;
    pb.setLiveCrossFadeFlag(false, s.next, 0);
    pb.setLiveCrossFadeFlag(false, s.crossFaderTag, 0);
    s.crossFader = 0;
}

// ---- The control wing --------------------------------------------------------------------

void PageSubmasters::bumpFromWing(int32_t k, int32_t value) {
    bumpMemory[size_t(k)] = strips[size_t(k)].groupFader;
    setGroupFader(k, value);
}

bool PageSubmasters::recieveMidiNote(int32_t note, int32_t channelCode, int32_t velocity) {
    const int32_t w = std::abs(velocity - 128);
    ControlService& wing = shell().control();
    if (!wing.controlWingAttached()) return false;
    const double v = double(velocity) * 0.787;
    const int32_t fader = roundEven(v);
    bool handled = false;
    try {
        if (channelCode == 33) {
            if (note >= 16 && note <= 45 && note != 39 && note != 40 && !masters.top.programingMode)
                masters.top.cmdProgramingMode_Click();
            if (note == 2) {
                if (wingCrossFaderHeld) {
                    for (int32_t k = 1; k <= pageSubmasterCount; ++k) {
                        if (!strips[size_t(k)].visible) continue;
                        crossFader_Scroll(k, fader);
                        handled = true;
                    }
                } else {
                    // The fade-time knob runs backwards: raw 0 gives 5160, raw 127 gives 11.
                    int32_t f = roundEven(double(w) * (double(w) / 127.0) * 40.0);
                    if (f < 10) f = 11;
                    shell().mainWindow().setFadeTimeSlider(f);
                    shell().playback().setFadeTimeSliderValue(0, f);
                }
            } else if (note >= 48 && note <= 83) {
                const int32_t s = roundEven(double(note - 48) / 5.0 + 1.0);
                if (s >= pageSubmasterCount + 2) return false;
                // Controller 48 stores and sets strip 1 twice, so bumpMemory(1)
                // ends holding the new value.
                if (note == 48 && pageSubmasterCount >= 1) {
                    bumpFromWing(1, fader);
                    handled = true;
                }
                if ((note - 48) % 5 == 0 && s <= pageSubmasterCount && validStrip(s)) {
                    bumpFromWing(s, fader);
                    handled = true;
                }
            } else if (note == 1) {
                masters.grandMasterValue = std::clamp(fader, 0, 100);
                masters.sldrGrandMaster_Scroll();
                handled = true;
            }
            return handled;
        }
        if (channelCode != 1) return false;
        if (note == 47) {
            wingShift = v > 0;
        } else if (note == 119) {
            if (v == 0) {
                masters.submastersBlackOut_Click();
                handled = true;
            }
        } else if (note >= 48 && note <= 83) {
            const int32_t s = roundEven(double(note - 48) / 5.0 + 1.2);
            if (s >= pageSubmasterCount + 2 || pageSubmasterCount == 0) return false;
            const int32_t m = (note - 48) % 5;
            if (v > 0) {
                if (m == 0 && validStrip(s)) {
                    bumpDown(s);
                    handled = true;
                } else if ((m == 2 || m == 3) && validStrip(s - 1)) {
                    // Repeats of the same key act on every third message only.
                    if (!wing.midiValueChanged(QString::number(note))) {
                        if (m == 2) CmdPreviousSequence_MouseDown(s - 1, 1);
                        else cmdNextSequence_MouseDown(s - 1, 1);
                    }
                    handled = true;
                } else if (m == 4 && validStrip(s - 1)) {
                    pressPause(s - 1);
                    handled = true;
                }
            } else if (v == 0) {
                if (note == 48) bumpUp(1);
                if (m == 0 && validStrip(s)) {
                    bumpUp(s);
                    handled = true;
                } else if (m == 1 && validStrip(s)) {
                    cmdGo_MouseUp(s);
                    handled = true;
                }
            }
        } else if (note == 120) {
            if (v > 1) {
                for (int32_t k = 1; k <= pageSubmasterCount; ++k) {
                    if (!strips[size_t(k)].visible) continue;
                    crossFader_MouseDown(k);
                    crossFader_Scroll(k, strips[size_t(k)].crossFader);
                }
                wingCrossFaderHeld = true;
                handled = true;
            } else if (v == 0) {
                for (int32_t k = 1; k <= pageSubmasterCount; ++k)
                    if (strips[size_t(k)].visible) crossFader_MouseUp(k);
                wingCrossFaderHeld = false;
                handled = true;
            }
        }
    } catch (const std::exception& e) {
        shell().prompts().messageBox(QStringLiteral("Error Recieveing MIDI Note:") + QString::fromUtf8(e.what()));
        return false;
    }
    return handled;
}

bool PageSubmasters::recieveMidiGO(int32_t note, int32_t channelCode, int32_t velocity) {
    if (channelCode != 1) return false;
    if (note == 47) wingShift = velocity > 0;
    if (velocity <= 0 || note < 49 || (note - 48) % 5 != 1) return false;
    const int32_t s = roundEven(double(note - 48) / 5.0 + 1.2);
    // Only a strip that exists and is shown: notes beyond the last strip
    // (the blackout key 119 among them) are not GO keys.
    if (!validStrip(s) || s > pageSubmasterCount || !strips[size_t(s)].visible) return false;
    if (wingShift) shell().shortcuts().releaseAllOnPage(shell().shortcuts().returnButtonIndexForGroup(s));
    else cmdGo_MouseDown(s, 1);
    return true;
}
