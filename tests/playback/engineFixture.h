#pragma once
// A small show for the playback engine tests: 512 channels of which 1..8 are
// patched (two dimmers, pan, tilt, their fine channels, red, green), and one
// engine as playback 1.

#include "profiles/ClsFixture.h"
#include "playback/playbackEngine.h"
#include "fakeServices.h"
#include "support/fakePlatform.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <vector>

namespace engineTest {

enum Ch : int32_t { dim1 = 1, dim2 = 2, pan = 3, tilt = 4, panFine = 5, tiltFine = 6, red = 7, green = 8 };

class EngineTest : public ::testing::Test {
protected:
    TestShell t;
    ChannelModel& m = t.get().state;
    PlaybackEngine eng;
    playbackTest::FakeFrame& frame = playbackTest::fake<PlaybackService, playbackTest::FakeFrame>();
    int32_t& interval = frame.interval;
    int32_t& grandMaster = playbackTest::fake<MastersService, playbackTest::FakeMasters>().level;

    EngineTest() {
        m.resize(512);
        const char* types[] = {"", "dimmer", "dimmer", "pan", "tilt", "panfine", "tiltfine", "red", "green"};
        for (int c = 1; c <= 8; ++c) {
            m.channelType[c] = QString::fromLatin1(types[c]);
            m.channelFades[size_t(c)] = 1;
        }
        m.channelIsIntensity[dim1] = m.channelIsIntensity[dim2] = 1;
        eng.setMyPlayBackNumber(1);
        eng.ensureChannelCapacity();
    }

    // A three-channel colour profile in slot k (red/green/blue or
    // cyan/magenta/yellow on profile channels 1..3), and fixture f patched
    // with profile k at start channel.
    ClsFixture& colourProfile(int k, bool cmy = false) {
        ClsFixture& p = m.lightClass(k);
        p.ChannelsUsed = 3;
        if (cmy) {
            p.setCmyFixture(true);
            p.setCyanChannel(1);
            p.setMagentaChannel(2);
            p.setYellowChannel(3);
        } else {
            p.setRgbFixture(true);
            p.setRedChannel(1);
            p.setGreenChannel(2);
            p.setBlueChannel(3);
        }
        return p;
    }
    void patch(int f, int k, int start) {
        m.fixtureLightClass[size_t(f)] = int16_t(k);
        m.fixtureStartChannel[size_t(f)] = int16_t(start);
    }

    // Loads a sequence: levels[step - 1] lists the levels of channels 1..n;
    // every step gets the given fade times; playback 1 owns channels 1..8.
    void load(std::vector<std::vector<int32_t>> levels, float fadeUp = 1.0f, float fadeDown = 1.0f) {
        PlaybackState& st = eng.state;
        st.stepCount = int32_t(levels.size());
        st.resize(m.totalChannels, st.stepCount + 5);
        for (size_t s = 0; s < levels.size(); ++s) {
            const int32_t step = int32_t(s) + 1;
            for (size_t c = 0; c < levels[s].size(); ++c) st.stepValues(int32_t(c) + 1, step) = levels[s][c];
            st.fadeUpTimes[size_t(step)] = st.sequenceFadeUpTimes[size_t(step)] = fadeUp;
            st.fadeDownTimes[size_t(step)] = st.sequenceFadeDownTimes[size_t(step)] = fadeDown;
        }
        for (int c = 1; c <= 8; ++c) {
            m.channelOwner[size_t(c)] = 1;
            st.sequenceChannels[size_t(c)] = 1;
        }
    }

    // Puts the playback on step cs fading toward nx, with its levels where
    // step cs left them, and sets it running.
    void startStep(int32_t cs, int32_t nx) {
        PlaybackState& st = eng.state;
        for (int32_t c = 1; c <= m.totalChannels; ++c) st.currentLevels[size_t(c)] = float(st.stepValues(c, cs));
        st.currentStep = cs;
        st.nextStep = nx;
        eng.calculateStepFadeValues();
        st.isRunning = true;
    }

    void ticks(int n) {
        for (int i = 0; i < n; ++i) eng.tmrPlayBackEvent_Timer();
    }
    int32_t out(int32_t c) const { return m.channelOutput[size_t(c)]; }
};

} // namespace engineTest
