// Recording the live levels into the current step: intensity is stored as it
// would be at full dimmer, so a step recorded at a low dimmer can hold levels
// above 255; played back at full dimmer they saturate on output.

#include "engineFixture.h"

#include "profiles/ClsFixture.h"

using namespace engineTest;

TEST_F(EngineTest, recordingAtALowDimmerStoresTheFullLevelAndPlaybackSaturates) {
    // A dimmer fixture on channel 1, so that a dimmer change rewrites it.
    ClsFixture& dimmerProfile = m.lightClass(1);
    dimmerProfile.ChannelsUsed = 1;
    dimmerProfile.setDimmmerChannel(1);
    m.lightClassCount = 1;
    m.fixtureCount = 1;
    patch(1, 1, 1);
    m.fixtureDimmerChannel[1] = 1;
    struct Case { int dimmer; int output; int stored; int outputAtFull; };
    for (const Case c : {Case{50, 100, 200, 200}, Case{50, 255, 510, 255}, Case{100, 77, 77, 77}, Case{25, 3, 12, 12}}) {
        load({{0, 0}});
        eng.state.currentStep = 1;
        eng.setTheSliderValue(c.dimmer);
        m.channelOutput[dim1] = c.output;
        m.channelOutput[pan] = c.output;
        eng.updateCurrentSceneValues();
        EXPECT_EQ(eng.state.stepValues(dim1, 1), c.stored) << c.dimmer << " " << c.output;
        EXPECT_EQ(eng.state.stepValues(pan, 1), c.output) << "only intensity is divided back";
        eng.setTheSliderValue(100);
        EXPECT_EQ(out(dim1), c.outputAtFull) << c.dimmer << " " << c.output;
    }
}
