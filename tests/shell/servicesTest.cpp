#include "shell/services/mastersService.h"
#include "shell/services/playbackService.h"
#include "support/fakePlatform.h"

#include <gtest/gtest.h>

namespace {
struct DimMasters : MastersService {
    int32_t grandMaster() override { return 40; }
};
// An engine that is a service while it lives, as the subsystems' engines are.
struct LendingEngine : MastersService {
    LendingEngine() { shell().lend<MastersService>(*this); }
    ~LendingEngine() override { shell().withdraw<MastersService>(*this); }
    int32_t grandMaster() override { return 70; }
};
} // namespace

TEST(Services, BaseAnswersNothingThereUntilOneIsProvided) {
    TestShell t;
    EXPECT_EQ(shell().masters().grandMaster(), 100);
    EXPECT_FALSE(shell().masters().returnGrandBlackoutState());
    bool stacked = true;
    EXPECT_EQ(shell().playback().returnValueforStep1(1, 1, stacked), -1);
    EXPECT_FALSE(stacked);
    EXPECT_EQ(shell().playback().returnFirstPlayback(), 1);

    shell().provide<MastersService>(std::make_unique<DimMasters>());
    EXPECT_EQ(shell().masters().grandMaster(), 40);
}

TEST(Services, ALentServiceIsWithdrawnOnlyByItsOwner) {
    TestShell t;
    {
        LendingEngine engine;
        EXPECT_EQ(shell().masters().grandMaster(), 70);
    }
    EXPECT_EQ(shell().masters().grandMaster(), 100); // the base is back

    LendingEngine engine;
    shell().provide<MastersService>(std::make_unique<DimMasters>()); // a test's fake replaces it
    shell().withdraw<MastersService>(engine);                           // not the one in place: nothing changes
    EXPECT_EQ(shell().masters().grandMaster(), 40);
}
