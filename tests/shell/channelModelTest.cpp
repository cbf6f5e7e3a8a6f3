#include "fixtures/ClsFixture.h"
#include "shell/channelModel.h"
#include "support/fakePlatform.h"

#include <gtest/gtest.h>

TEST(ChannelModel, GrowKeepsValuesAndDefaultsNewUniverse) {
    TestShell t;
    auto& m = t.get().state;
    m.channelOutput[512] = 200;
    m.channelType[100] = QStringLiteral("pan");
    m.totalChannels = 1024;
    channelModel::redimForMoreUniverses(1024);
    EXPECT_EQ(m.channelOutput[512], 200);
    EXPECT_EQ(m.channelType[100], QStringLiteral("pan"));
    EXPECT_EQ(m.channelType[513], QStringLiteral("none"));
    EXPECT_EQ(m.masterFaderMemory[1024], 100);
    EXPECT_EQ(m.channelOutput[1024], 0);
    EXPECT_EQ(m.channelHold.size(), 1025u);
}

namespace {
struct Counter {
    int value = 0;
};
} // namespace

TEST(ShellScope, EnginesAreSingletonsPerShell) {
    {
        TestShell t;
        shell().engine<Counter>().value = 5;
        EXPECT_EQ(shell().engine<Counter>().value, 5);
    }
    TestShell fresh;
    EXPECT_EQ(shell().loadedEngine<Counter>(), nullptr);
}
