// The live recall of a preset onto the selected fixtures.

#include "presets/clsPalettePreset.h"

#include "platform/prompts.h"
#include "presets/presetEventFile.h"
#include "presets/presetFile.h"
#include "profiles/ClsFixture.h"
#include "shell/libParsePath.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/services/consoleService.h"
#include "shell/services/patchService.h"
#include "shell/services/playbackService.h"
#include "shell/shell.h"

#include <algorithm>
#include <stdexcept>

namespace {

// A colour number given in place of a preset name: plain decimal digits,
// with an optional sign, within 32 bits.
std::optional<int32_t> colourNumber(const QString& name) {
    bool ok = false;
    const int32_t v = name.toInt(&ok, 10);
    if (!ok) return std::nullopt;
    for (const QChar c : name)
        if (!c.isDigit() && c != QLatin1Char('-') && c != QLatin1Char('+')) return std::nullopt;
    return v;
}

} // namespace

bool clsPalettePreset::setChannelLive(int32_t channel, int32_t level, bool presetChannel) {
    Shell& s = shell();
    ChannelModel& m = s.state;
    if (!channelModel::checkPriorities(channel)) return false;
    const int32_t current = m.currentPlayback;
    m.channelOutput[size_t(channel)] = std::clamp(level, 0, 255);
    m.channelOwner[size_t(channel)] = int16_t(current);
    s.playback().adjustPlayBackValuesInRealTime(current, channel, level);
    if (presetChannel && !s.presets().paletteLiveMode() && s.playback().getChaserFlag(current))
        m.channelTouched[size_t(channel)] = 1;
    return true;
}

void clsPalettePreset::executePreset(QString& theFilename, int32_t overRideValue, bool addWhiteAmber) {
    Shell& s = shell();
    ChannelModel& m = s.state;
    theFilename = presetNames::fileTitle(libParsePath::ParsePath(theFilename, 4));
    try {
        // The file is read and checked whole before any channel moves, so a
        // damaged preset changes nothing.
        const std::optional<presetFile::PresetData> preset =
            presetFile::readFile(presetPath(currentTypeName, theFilename));
        const int32_t count = m.fixtureCount;
        std::vector<uint8_t> colourDone(size_t(std::max(count, 0)) + 1, 0);
        QString fixtures;
        QString lastChannelName(128, QChar(0));
        if (preset) {
            for (const presetFile::presetRecord& r : preset->records) {
                lastChannelName = r.channelName;
                const int32_t f = r.fixtureNumber;
                if (f < 1 || f > count || !s.patch().isSelected(f)) continue;
                const QString number = QString::number(f);
                if (!listContainsNumber(fixtures, number)) fixtures += number + QLatin1Char(',');
                returnAValueForAPropertyName(f, r.propertyName, r.channelName);
                if (lookupValue >= 0 && lookupChannel > 0) {
                    const bool set = setChannelLive(lookupChannel, overRideValue >= 0 ? overRideValue : lookupValue, true);
                    if (set && isColorChannelName(r.channelName.trimmed())) colourDone[size_t(f)] = 1;
                } else if (lookupValue < 0 && channelIndex(profileOfFixture(f), r.channelName) != 0) {
                    setChannelLive(lookupChannel, overRideValue >= 0 ? overRideValue : r.savedValue, true);
                }
            }
        }

        const std::optional<int32_t> colour = colourNumber(theFilename);
        for (int32_t f = 1; f <= count; ++f) {
            if (colourDone[size_t(f)] || !s.patch().isSelected(f)) continue;
            const ClsFixture* p = profileOfFixture(f);
            const bool mixer = size_t(f) < m.fixtureIsColourMixer.size() && m.fixtureIsColourMixer[size_t(f)];
            if (!mixer && !(p && p->hasWhiteOrAmber())) continue;
            fixtures += QString::number(f) + QLatin1Char(',');
            if (!colour || !p) continue;
            const QString rgb = presetColours::colortorgb(*colour);
            const int32_t R = rgb.section(QLatin1Char(','), 0, 0).toInt();
            const int32_t G = rgb.section(QLatin1Char(','), 1, 1).toInt();
            const int32_t B = rgb.section(QLatin1Char(','), 2, 2).toInt();
            const int32_t W = std::min({255, R, G, B});
            const int32_t A = R;
            const int32_t start = m.fixtureStartChannel[size_t(f)];
            auto mix = [&](int32_t role, int32_t level) {
                if (role > 0) setChannelLive(start + role - 1, level, false);
            };
            if (p->colorChannel() != 0 || !p->rgbFixture()) {
                if (p->cmyFixture()) {
                    mix(p->cyanChannel(), 255 - R);
                    mix(p->YellowChannel(), 255 - B);
                    mix(p->magentaChannel(), 255 - G);
                }
                continue;
            }
            mix(p->redChannel(), R);
            mix(p->greenChannel(), G);
            mix(p->blueChannel(), B);
            if (addWhiteAmber) {
                mix(p->whiteChannel(), W);
                mix(p->white1Channel(), W);
                mix(p->amberChannel(), A);
            }
            if (p->rgbMulti()) {
                const int32_t cells[3][3] = {{p->redChannel1(), p->greenChannel1(), p->blueChannel1()},
                                             {p->redChannel2(), p->greenChannel2(), p->blueChannel2()},
                                             {p->redChannel3(), p->greenChannel3(), p->blueChannel3()}};
                for (const auto& cell : cells) {
                    if (cell[0] == 0) continue;
                    mix(cell[0], R);
                    mix(cell[1], G);
                    mix(cell[2], B);
                }
            }
        }

        PlaybackService& playbacks = s.playback();
        playbacks.updatePlaybacksColorMixers(m.currentPlayback);
        clsEvent event;
        event.eventFixtureNumbers = fixtures;
        event.eventType = currentTypeName;
        event.eventName = theFilename;
        event.eventChannelName = lastChannelName;
        const int32_t current = m.currentPlayback;
        const int32_t maxSteps = playbacks.getMaxSteps(current);
        const int32_t cur = playbacks.thecurrentStep(current);
        const bool plusLast = playbacks.getRecordPlusLast(current);
        event.eventStepNumber = (maxSteps == 0 || (cur == maxSteps && plusLast)) ? cur + 1 : cur;
        if (event.eventStepNumber == 0) event.eventStepNumber = 1;
        s.console().autoRecord();
        event.justDelete = overRideValue > 0;
        s.presets().sendEventToPlayback(m.currentPlayback, event);
    } catch (const std::exception& e) {
        s.prompts().messageBox(QStringLiteral("Error in Execute Preset:") + QString::fromStdString(e.what()));
    }
}
