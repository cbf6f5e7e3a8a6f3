#include "output/DmxOutput.h"
#include "output/clsCorvellDongle.h"
#include "output/outputTestSupport.h"
#include "shell/services/controlService.h"
#include "shell/settingsKeys.h"
#include "show/interfaceSettings.h"
#include "support/fakePlatform.h"

#include <gtest/gtest.h>

namespace {

struct CountingView : InterfaceSettingsView {
    int sectionShown = 0;
    void showHardwareSection() override { ++sectionShown; }
    void interfaceStateChanged() override {}
};

struct MidiLog : ControlService {
    int reopened = 0;
    void initMidi() override { ++reopened; }
};

struct InterfaceSettingsTest : ::testing::Test {
    TestShell t;
    DmxOutput& out = shell().engine<DmxOutput>();
    CountingView view;
    InterfaceSettings settings{&view};

    void SetUp() override {
        shell().state.totalChannels = 8 * 512;
        shell().state.resize(8 * 512);
    }
    FakeFtdiDevice& attach(const char* record) {
        FakeFtdiDevice& d = fakeFtdi().attach();
        setUniverseRecord(d, record);
        return d;
    }
    // Runs the wait the engine started, as its timer would.
    void finishWait(int ms) {
        for (FakeTickTimer* timer : t.timers().created)
            if (timer->enabled() && timer->intervalMs == ms) return timer->fire();
        ADD_FAILURE() << "no wait of " << ms << " ms";
    }
};

TEST(InterfaceSettingsText, UniverseIsWrittenWithAtLeastFourDigits) {
    const std::pair<const char*, const char*> cases[] = {
        {"3", "0003"}, {"12", "0012"}, {"01", "0001"}, {"12345", "12345"}, {"2.5", "0002"}, {"", "0000"},
    };
    for (const auto& [box, text] : cases) EXPECT_EQ(InterfaceSettings::universeText(QLatin1String(box)), text) << box;
}

TEST_F(InterfaceSettingsTest, ApplyWritesTheUniverseWaitsAndChoosesTheSameInterfaceAgain) {
    const std::pair<const char*, const char*> cases[] = {{"3", "0003"}, {"12", "0012"}};
    attach("0001");
    FakeFtdiDevice& second = attach("0002");
    for (const auto& [box, written] : cases) {
        out.clkCorvellDmxDongle_Click();
        ASSERT_EQ(settings.entries().size(), 2);
        ASSERT_TRUE(settings.choose(2));
        settings.universeStepped();
        const int shown = view.sectionShown;
        settings.apply(QLatin1String(box));
        ASSERT_FALSE(second.userAreaWrites.empty());
        const std::vector<uint8_t> expected(written, written + 4);
        EXPECT_EQ(second.userAreaWrites.back(), expected);
        // Nothing more happens until the wait is over.
        EXPECT_TRUE(settings.busy());
        EXPECT_TRUE(settings.applyPending);
        EXPECT_EQ(view.sectionShown, shown);
        finishWait(1000);
        EXPECT_FALSE(settings.busy());
        EXPECT_EQ(view.sectionShown, shown + 1);
        EXPECT_EQ(settings.selectedInterfaceIndex, 2);
        EXPECT_EQ(settings.selectedInterface, out.dmxDongleCollection[1]);
        EXPECT_EQ(settings.selectedInterface->myUniverseNumber, QByteArray(box).toInt());
        EXPECT_FALSE(settings.applyPending);
    }
    EXPECT_TRUE(t.prompts().messages.isEmpty());
}

TEST_F(InterfaceSettingsTest, FailedOrEmptyWriteIsReportedAndKeepsThePendingMark) {
    FakeFtdiDevice& d = attach("0001");
    out.clkCorvellDmxDongle_Click();
    ASSERT_TRUE(settings.choose(1));
    settings.universeStepped();
    d.userAreaWriteStatus = 12;
    settings.apply(QStringLiteral("4"));
    EXPECT_FALSE(settings.busy());
    d.userAreaWriteStatus = 0;
    d.userArea.resize(2);
    settings.apply(QStringLiteral("4"));
    ASSERT_EQ(t.prompts().messages.size(), 2);
    for (const QString& m : t.prompts().messages) EXPECT_TRUE(m.startsWith(" Error in DMX Universe Apply: ")) << m.toStdString();
    EXPECT_TRUE(settings.applyPending);
    // Without a selection there is nothing to write to.
    InterfaceSettings fresh;
    fresh.apply(QStringLiteral("4"));
    EXPECT_TRUE(t.prompts().messages.last().startsWith(" Error in DMX Universe Apply: "));
}

TEST_F(InterfaceSettingsTest, DetectClosesWaitsThenDetectsAndClearsTheSelection) {
    attach("0001");
    auto& midi = t.get().provide<ControlService>(std::make_unique<MidiLog>());
    out.clkCorvellDmxDongle_Click();
    ASSERT_TRUE(settings.choose(1));
    const auto before = settings.selectedInterface;
    settings.detectAgain();
    EXPECT_FALSE(before->isOpen());
    EXPECT_EQ(settings.selectedInterface, nullptr);
    EXPECT_EQ(settings.selectedInterfaceIndex, 0);
    EXPECT_EQ(midi.reopened, 0);
    finishWait(500);
    EXPECT_EQ(out.dmxDongleCollection.size(), 1u);
    EXPECT_NE(out.dmxDongleCollection[0], before);
    EXPECT_EQ(midi.reopened, 1);
    // The timing editor needs an open, selected interface.
    EXPECT_EQ(settings.timingInterface(nullptr), nullptr);
    EXPECT_EQ(t.prompts().messages.last(), QStringLiteral(" No Hardware Detected: No interface is selected."));
    ASSERT_TRUE(settings.choose(1));
    int32_t position = 0;
    EXPECT_EQ(settings.timingInterface(&position), out.dmxDongleCollection[0]);
    EXPECT_EQ(position, 1);
}

TEST_F(InterfaceSettingsTest, ArtNetChoiceIsStored) {
    settings.setArtNet(true);
    EXPECT_EQ(settingsKeys::read(settingsKeys::artNetEnabled), QStringLiteral("True"));
    settings.setArtNet(false);
    EXPECT_EQ(settingsKeys::read(settingsKeys::artNetEnabled), QStringLiteral("False"));
    EXPECT_FALSE(out.artNetEnabled);
}

} // namespace
