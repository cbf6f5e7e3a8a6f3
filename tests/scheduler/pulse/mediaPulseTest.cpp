// The media players for real: Qt Multimedia plays a WAV file the test
// writes into a private PulseAudio server's null sink, the media clock
// follows its position and a Media Time row fires at its time.
// withPulseAudio.sh starts the server.

#include "../scheduleFixture.h"
#include "platform/clock.h"
#include "platform/mediaPlayer.h"
#include "scheduler/mediaWindowEngine.h"

#include <QDataStream>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <cmath>
#include <gtest/gtest.h>

using namespace scheduleTest;

namespace {
// Seconds of a 440 Hz tone as a 16-bit mono WAV file at 22050 samples a second.
bool writeWav(const QString& path, double seconds) {
    const int rate = 22050;
    const auto samples = uint32_t(seconds * rate);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return false;
    QDataStream out(&f);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << uint32_t(36 + samples * 2);
    out.writeRawData("WAVEfmt ", 8);
    out << uint32_t(16) << uint16_t(1) << uint16_t(1) << uint32_t(rate) << uint32_t(rate * 2) << uint16_t(2)
        << uint16_t(16);
    out.writeRawData("data", 4);
    out << uint32_t(samples * 2);
    for (uint32_t n = 0; n < samples; ++n) out << int16_t(std::lround(8000 * std::sin(2 * M_PI * 440 * n / rate)));
    return f.error() == QFile::NoError;
}
} // namespace

TEST(MediaPulse, aWavPlaysAndAMediaTimeRowFiresAtItsTime) {
    ASSERT_NE(std::getenv("PULSE_SERVER"), nullptr) << "run through withPulseAudio.sh";
    Fixture f;
    shell().platform().media = std::make_unique<QtMediaPlayerFactory>();
    shell().platform().clock = std::make_unique<SystemClock>();
    shell().platform().timers = std::make_unique<QtTimerFactory>();
    MediaWindowEngine media;
    ScheduleEngine engine;
    engine.setMedia(&media);
    const QString wav = f.t.folder() + QStringLiteral("/tone.wav");
    ASSERT_TRUE(writeWav(wav, 3.0));
    engine.setEventRows({{"Start Media File", wav, "Relative Time", "", "00:00:00.00", "", ""},
                         {"Stop Playback", "", "Media Time", "", "00:00:01.50", "", "7"}});
    engine.Command2_Click(0);

    QElapsedTimer clock;
    clock.start();
    double positionAtRow = -1, firstPosition = -1;
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        MediaPlayer* p = media.player(1);
        if (firstPosition < 0 && p && p->currentPosition() > 0) firstPosition = p->currentPosition();
        if (positionAtRow < 0 && f.playbacks.calls.contains(QStringLiteral("stop 7"))) {
            positionAtRow = p->currentPosition();
            loop.quit();
        }
        if (clock.elapsed() > 8000) loop.quit();
    });
    poll.start(10);
    loop.exec();
    EXPECT_EQ(engine.activeMediaPlayer, 1);
    EXPECT_EQ(media.player(1)->url(), wav);
    EXPECT_GT(firstPosition, 0.0) << "the position advances";
    ASSERT_GE(positionAtRow, 0.0) << "the Media Time row fired";
    EXPECT_GE(positionAtRow, 1.5);
    EXPECT_LT(positionAtRow, 1.5 + 0.5) << "within a few ticks of its time";
    engine.Command2_Click(1);
    EXPECT_NE(media.player(1)->playState(), MediaPlayer::playing);
}
