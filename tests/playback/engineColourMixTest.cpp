// Colour mixers: the colour a fixture shows, mixed from the levels as sent
// and the playback's factor, stored as text in the slot after each colour
// channel.

#include "engineFixture.h"

#include "profiles/ClsFixture.h"

using namespace engineTest;

namespace {

// Fixture 1: RGB at 20..22. Fixture 2: CMY at 30..32.
class ColourMixTest : public EngineTest {
protected:
    ColourMixTest() {
        colourProfile(1);
        colourProfile(2, true);
        m.lightClassCount = 2;
        m.fixtureCount = 2;
        patch(1, 1, 20);
        patch(2, 2, 30);
        for (int c : {20, 21, 22, 30, 31, 32}) m.channelOwner[size_t(c)] = 1;
    }
    void rgb(int r, int g, int b, int first = 20) {
        m.channelOutput[size_t(first)] = r;
        m.channelOutput[size_t(first + 1)] = g;
        m.channelOutput[size_t(first + 2)] = b;
    }
    QString slot(int channel) const { return m.channelMixedColour[channel + 1]; }
};

TEST_F(ColourMixTest, rgbLevelsAndFactorGiveTheStoredColour) {
    struct Case { int r, g, b; float factor; const char* text; };
    const Case cases[] = {{255, 0, 0, 1.0f, "255"},       {0, 255, 0, 1.0f, "65280"},
                          {0, 0, 255, 1.0f, "16711680"}, {255, 255, 255, 1.0f, "16777215"},
                          {255, 253, 0, 0.5f, "32384"},  {255, 255, 255, 0.0f, "0"}};
    for (const Case& c : cases) {
        rgb(c.r, c.g, c.b);
        eng.state.intensityFactor = c.factor;
        eng.updateColorMixers();
        for (int ch : {20, 21, 22}) EXPECT_EQ(slot(ch), QLatin1String(c.text)) << c.r << "," << c.g << "," << c.b;
    }
}

TEST_F(ColourMixTest, cmyMixesFromWhatTheFiltersLeave) {
    rgb(255, 0, 0, 30);
    eng.updateColorMixers();
    for (int ch : {30, 31, 32}) EXPECT_EQ(slot(ch), QLatin1String("16776960"));
}

TEST_F(ColourMixTest, rgbFixtureWhoseRedBelongsToAnotherPlaybackIsLeftAlone) {
    m.channelOwner[20] = 2;
    m.channelOwner[21] = m.channelOwner[22] = 0;
    m.channelMixedColour[21] = QStringLiteral("7");
    rgb(255, 255, 255);
    eng.updateColorMixers();
    EXPECT_EQ(slot(20), QLatin1String("7"));
    m.channelOwner[21] = 1; // owning green is enough
    eng.updateColorMixers();
    EXPECT_EQ(slot(20), QLatin1String("16777215"));
}

TEST_F(ColourMixTest, aColourOnTheLastChannelIsSkippedWithoutStoppingTheOthers) {
    // Fixture 1 moves to 510..512; its blue slot would be 513, beyond the show.
    m.fixtureStartChannel[1] = 510;
    for (int c : {510, 511, 512}) m.channelOwner[size_t(c)] = 1;
    rgb(255, 255, 255, 510);
    rgb(255, 0, 0, 30);
    eng.updateColorMixers();
    EXPECT_TRUE(slot(510).isEmpty());
    EXPECT_EQ(slot(30), QLatin1String("16776960"));
}

} // namespace
