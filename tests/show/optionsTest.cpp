#include "shell/services/controlService.h"
#include "shell/services/playbackService.h"
#include "shell/settingsKeys.h"
#include "show/options.h"
#include "support/fakePlatform.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

struct FakeTick : PlaybackService {
    int interval = 50;
    int32_t refreshIntervalMs() const override { return interval; }
    void setRefreshIntervalMs(int32_t ms) override { interval = ms; }
};

struct FakeRemote : ControlService {
    QStringList calls;
    int32_t port = 0;
    void StartServer(int32_t& p) override {
        calls << QStringLiteral("start:%1").arg(p);
        port = p == 0 ? 8080 : p;
    }
    void StopServer() override { calls << QStringLiteral("stop"); }
    QString getIP() override { return QStringLiteral("127.0.0.1"); }
    int32_t getPort() override { return port; }
    QStringList midiInputDevices() override { return {QStringLiteral("Wing In")}; }
    void closeMIDI() override { calls << QStringLiteral("closeMIDI"); }
    void initMidi() override { calls << QStringLiteral("initMidi:") + settingsKeys::read(settingsKeys::midiDeviceName); }
};

TEST(Options, RefreshRateEntriesAndIntervalsMapBothWays) {
    const std::pair<int, const char*> cases[] = {
        {50, "20 Hz"}, {40, "25 Hz"}, {37, "27 Hz"}, {33, "30 Hz"}, {30, "33 Hz"}, {25, "40 Hz"},
        {45, ""}, {0, ""}, {1, ""},
    };
    for (const auto& [ms, entry] : cases) {
        EXPECT_EQ(options::refreshEntryFor(ms), QLatin1String(entry)) << ms;
        if (*entry) {
            EXPECT_EQ(options::intervalFor(QLatin1String(entry)), ms) << entry;
        }
    }
    EXPECT_EQ(options::intervalFor(QStringLiteral("22 Hz")), std::nullopt);
}

TEST(Options, ApplyingTheRefreshRateSetsTheTickAndStoresMilliseconds) {
    TestShell t;
    auto& tick = t.get().provide<PlaybackService>(std::make_unique<FakeTick>());
    options::applyDmxRefreshRate(QStringLiteral("27 Hz"));
    EXPECT_EQ(tick.interval, 37);
    EXPECT_EQ(settingsKeys::read(settingsKeys::dmxRefreshRate), QStringLiteral("37"));
    // No current entry: the interval stays and is written again.
    tick.interval = 45;
    options::applyDmxRefreshRate(QString());
    EXPECT_EQ(tick.interval, 45);
    EXPECT_EQ(settingsKeys::read(settingsKeys::dmxRefreshRate), QStringLiteral("45"));
}

TEST(Options, TimingListRunsFrom10To9985AndTheChoiceIsStored) {
    TestShell t;
    const QStringList entries = options::timingEntries();
    EXPECT_EQ(entries.size(), 400);
    EXPECT_EQ(entries.first(), QStringLiteral("10"));
    EXPECT_EQ(entries[1], QStringLiteral("35"));
    EXPECT_EQ(entries.last(), QStringLiteral("9985"));
    EXPECT_EQ(options::timingValue(), 0);
    options::chooseTiming(935);
    EXPECT_EQ(options::timingValue(), 935);
    EXPECT_EQ(settingsKeys::read(settingsKeys::hTiming, QString()), QStringLiteral("935"));
}

TEST(Options, PortTextIsStoredOnlyAbove0AndBelow9999) {
    TestShell t;
    const std::pair<const char*, const char*> cases[] = {
        {"9999", nullptr}, {"0", nullptr}, {"abc", nullptr}, {"-5", nullptr},
        {"80", "80"}, {"0081", "81"}, {"9998", "9998"},
    };
    for (const auto& [text, stored] : cases) {
        settingsKeys::write(settingsKeys::webserverPort, QStringLiteral("1234"));
        EXPECT_EQ(options::portTextChanged(QLatin1String(text)), stored != nullptr) << text;
        EXPECT_EQ(options::storedPort(), QLatin1String(stored ? stored : "1234")) << text;
    }
}

TEST(Options, WebServerStartsOnTheBoxPortOrTheStoredOneAndStops) {
    TestShell t;
    auto& remote = t.get().provide<ControlService>(std::make_unique<FakeRemote>());
    auto on = options::setWebServer(true, QStringLiteral("8090"));
    EXPECT_EQ(on.portText, QStringLiteral("8090"));
    EXPECT_EQ(on.address, QStringLiteral("http://127.0.0.1:8090"));
    EXPECT_TRUE(options::webServerStored());
    on = options::setWebServer(true, QStringLiteral("port"));
    EXPECT_EQ(on.portText, QStringLiteral("8080"));
    const auto off = options::setWebServer(false, QStringLiteral("8090"));
    EXPECT_EQ(off.address, QStringLiteral("REMOTE DISABLED"));
    EXPECT_FALSE(options::webServerStored());
    EXPECT_EQ(remote.calls, (QStringList{"start:8090", "start:0", "stop"}));
}

TEST(Options, StartupShowMustExistAndStoresItsNameOnly) {
    TestShell t;
    EXPECT_FALSE(options::chooseStartupShow(QString()));
    EXPECT_FALSE(options::chooseStartupShow(t.folder() + QStringLiteral("/Configurations/Gone.YCF")));
    EXPECT_EQ(t.prompts().messages, QStringList(2, QStringLiteral(" File Not Valid")));
    EXPECT_FALSE(QFile::exists(t.get().iniFile()));
    const QString show = t.folder() + QStringLiteral("/Club.YCF");
    ASSERT_TRUE(writeWholeFile(show, "show"));
    EXPECT_TRUE(options::chooseStartupShow(show));
    EXPECT_EQ(settingsKeys::read(settingsKeys::startupFile), QStringLiteral("Club.YCF"));
}

TEST(Options, MidiListOffersDisableFirstAndAChoiceReopensMidi) {
    TestShell t;
    EXPECT_EQ(options::midiEntries(), QStringList{QStringLiteral("Disable MIDI Input")});
    auto& remote = t.get().provide<ControlService>(std::make_unique<FakeRemote>());
    EXPECT_EQ(options::midiEntries(), (QStringList{"Disable MIDI Input", "Wing In"}));
    options::chooseMidiDevice(QStringLiteral("Wing In"));
    EXPECT_EQ(remote.calls, (QStringList{"closeMIDI", "initMidi:Wing In"}));
}

TEST(Options, StoredChoicesCountOnlyWhenExactlyTrue) {
    TestShell t;
    for (const auto& [text, on] : {std::pair{"True", true}, {"true", false}, {"1", false}, {"", false}}) {
        settingsKeys::write(settingsKeys::dualViewEnabled, QLatin1String(text));
        EXPECT_EQ(options::dualViewStored(), on) << text;
    }
}

} // namespace
