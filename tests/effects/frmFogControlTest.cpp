#include "effects/effectsEngine.h"
#include "effects/ui/frmFogControl.h"
#include "shell/ui/windowRegistry.h"
#include "support/fakePlatform.h"

#include <gtest/gtest.h>

// A show that gains or loses universes resizes the fog window's channel
// list with it, through the shell's resize.
TEST(FogControl, ChannelListFollowsTheShowResize) {
    TestShell t;
    Shell& s = t.get();
    s.engine<EffectsEngine>(); // the effects subsystem starts
    s.state.totalChannels = 1024;
    channelModel::redimForMoreUniverses(1024);
    EXPECT_EQ(form<frmFogControl>().foggers().size(), 1025u);
    s.state.totalChannels = 512;
    channelModel::redimForMoreUniverses(512);
    EXPECT_EQ(form<frmFogControl>().foggers().size(), 513u);
}
