#pragma once
// A show for the preset engine's tests: profiles built from channel types
// and named ranges, fixtures patched onto them, a layout selection, a set
// of playbacks that keeps what it is told, and the real presets service.

#include "presets/presetsEngine.h"
#include "profiles/ClsFixture.h"
#include "shell/roleResolution.h"
#include "shell/services/consoleService.h"
#include "shell/services/mastersService.h"
#include "shell/services/patchService.h"
#include "shell/services/playbackService.h"
#include "support/fakePlatform.h"

#include <QStringList>
#include <map>
#include <set>
#include <tuple>
#include <vector>

namespace presetTest {

struct Range {
    const char* label;
    int from, too;
};
struct Channel {
    const char* type;
    std::vector<Range> ranges;
};

class Playbacks : public PlaybackService {
public:
    std::map<int32_t, int32_t> priority = {{1, 5}, {2, 5}}; // playbacks that exist
    std::map<int32_t, int32_t> steps, current;
    std::set<int32_t> running, plusLast;
    std::map<std::tuple<int32_t, int32_t, int32_t>, int32_t> stored; // (playback, step, channel) -> level
    QStringList calls;

    int32_t reportPlayBackPriority(int32_t p) const override { return priority.count(p) ? priority.at(p) : 0; }
    int32_t getMaxSteps(int32_t p) const override { return steps.count(p) ? steps.at(p) : 0; }
    int32_t thecurrentStep(int32_t p) const override { return current.count(p) ? current.at(p) : 0; }
    int32_t returnCurrentStep(int32_t p) const override { return thecurrentStep(p); }
    bool getRecordPlusLast(int32_t p) const override { return plusLast.count(p) > 0; }
    bool getChaserFlag(int32_t p) const override { return running.count(p) > 0; }
    void adjustPlayBackValuesInRealTime(int32_t p, int32_t ch, int32_t) override {
        calls << QStringLiteral("adjust(%1,%2)").arg(p).arg(ch);
    }
    void updatePlaybacksColorMixers(int32_t p) override { calls << QStringLiteral("mixers(%1)").arg(p); }
    bool recieveChaserValueData(int32_t ch, int32_t step, int32_t v, int32_t p) override {
        stored[{p, step, ch}] = v;
        return true;
    }
    int32_t loadSequenceInDoc(int32_t& doc, const QString& file, bool, bool, int32_t) override {
        calls << QStringLiteral("load(%1,%2)").arg(doc).arg(file.section(QLatin1Char('/'), -1));
        return doc;
    }
    bool saveTheSequence(int32_t p, bool) override {
        calls << QStringLiteral("save(%1)").arg(p);
        return true;
    }
};

class Layout : public PatchService {
public:
    std::set<int32_t> selected;
    bool isSelected(int32_t f) override { return selected.count(f) > 0; }
    void setSelected(int32_t f, bool on) override {
        if (on) selected.insert(f);
        else selected.erase(f);
    }
    void Form_MouseDown(int, int, double, double) override { selected.clear(); }
};

class Recorder : public ConsoleService {
public:
    int autoRecords = 0;
    void autoRecord() override { ++autoRecords; }
};

// A show "Club" of one universe with the real presets service.
class Desk {
public:
    TestShell ts;
    ChannelModel& m = ts.get().state;
    Playbacks& playbacks = ts.get().provide<PlaybackService>(std::make_unique<Playbacks>());
    Layout& layout = ts.get().provide<PatchService>(std::make_unique<Layout>());
    Recorder& console = ts.get().provide<ConsoleService>(std::make_unique<Recorder>());
    PresetsEngine& presets = ts.get().provide<PresetsService>(std::make_unique<PresetsEngine>());
    clsPalettePreset& engine = presets.myPaletteCls;

    Desk() {
        m.resize(512);
        m.showFileName = QStringLiteral("Club.YCF");
        m.currentPlayback = 1;
        engine.makePalleteDirectories();
    }

    // Profile slot `slot`: channel i + 1 has types[i] and its ranges.
    ClsFixture& profile(int slot, const std::vector<Channel>& channels) {
        ClsFixture& p = m.lightClass(slot);
        p.taken = true;
        p.Name = QStringLiteral("Profile %1").arg(slot);
        p.ChannelsUsed = int16_t(channels.size());
        for (size_t i = 0; i < channels.size(); ++i) {
            const int c = int(i) + 1;
            p.setChannel_prop(c, QString::fromUtf8(channels[i].type));
            for (size_t r = 0; r < channels[i].ranges.size(); ++r) {
                const Range& range = channels[i].ranges[r];
                p.setProperties(int(r) + 1, c + 1, QString::fromUtf8(range.label));
                p.setFrom(int(r) + 1, c + 1, int16_t(range.from));
                p.setToo(int(r) + 1, c + 1, int16_t(range.too));
            }
        }
        m.lightClassCount = std::max(m.lightClassCount, slot);
        return p;
    }

    // Fixture f at `start` on the profile in `slot`.
    void patch(int f, int start, int slot) {
        const ClsFixture& p = m.lightClass(slot);
        m.fixtureCount = std::max(m.fixtureCount, f);
        m.fixtureStartChannel[size_t(f)] = int16_t(start);
        m.fixtureLightClass[size_t(f)] = int16_t(slot);
        m.fixtureName[f] = QStringLiteral("Fixture %1").arg(f);
        for (int c = 1; c <= p.ChannelsUsed; ++c) m.channelType[start + c - 1] = p.Channel_prop(c);
        roleResolution::findifcolormixer(f);
    }

    void select(std::initializer_list<int> fixtures) { layout.selected = fixtures; }

    QString presetFile(const QString& type, const QString& name) const {
        return clsPalettePreset::presetPath(type, name);
    }
    int level(int channel) const { return m.channelOutput[size_t(channel)]; }
};

} // namespace presetTest
