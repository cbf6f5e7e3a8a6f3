#include "scheduler/mediaWindowEngine.h"
#include "shell/services/schedulerService.h"
#include "support/fakeMediaPlayer.h"
#include "support/fakePlatform.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {
struct Fixture {
    TestShell t;
    FakeMediaPlayerFactory* factory;
    std::unique_ptr<MediaWindowEngine> engine;
    QString video1, video2, song;
    Fixture() {
        auto f = std::make_unique<FakeMediaPlayerFactory>();
        factory = f.get();
        shell().platform().media = std::move(f);
        engine = std::make_unique<MediaWindowEngine>();
        video1 = file("intro.avi");
        video2 = file("Outro.MP4");
        song = file("song.mp3");
    }
    QString file(const char* name) {
        const QString path = t.folder() + QLatin1Char('/') + QLatin1String(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        return path;
    }
    FakeMediaPlayer& one() { return *factory->made[0]; }
    FakeMediaPlayer& two() { return *factory->made[1]; }
};
} // namespace

TEST(MediaWindow, twoPlayersTakeTurnsSoOneVideoFollowsAnother) {
    Fixture f;
    f.engine->setFileName(f.video1, QStringLiteral("/Seq/A.YSQ"));
    EXPECT_EQ(f.one().url(), f.video1);
    EXPECT_TRUE(f.two().url().isEmpty()) << "both hidden: the first takes it, the second is left";
    EXPECT_TRUE(f.engine->playerShown[0]) << "open and playing: on screen";
    EXPECT_TRUE(f.engine->visible);
    EXPECT_TRUE(f.engine->showingVideo);

    f.engine->setFileName(f.video2, QStringLiteral("/Seq/A.YSQ"));
    EXPECT_EQ(f.one().url(), f.video1) << "the sequence whose video is on screen gets nothing new";
    EXPECT_TRUE(f.two().url().isEmpty());

    f.engine->setFileName(f.video2, QStringLiteral("/Seq/B.YSQ"));
    EXPECT_EQ(f.two().url(), f.video2) << "another sequence: the hidden player";
    EXPECT_TRUE(f.engine->playerShown[1]);
    EXPECT_FALSE(f.engine->playerShown[0]);
    EXPECT_TRUE(f.one().url().isEmpty()) << "the first stopped and emptied";
    EXPECT_TRUE(f.engine->playerSequence[0].isEmpty());

    f.engine->checkIfINeedToStopVideo(QStringLiteral("A"));
    EXPECT_TRUE(f.engine->playerShown[1]) << "no match: nothing";
    f.engine->checkIfINeedToStopVideo(QStringLiteral("B"));
    EXPECT_FALSE(f.engine->playerShown[1]);
    EXPECT_TRUE(f.two().url().isEmpty());
    EXPECT_EQ(f.engine->playerSequence[1], QStringLiteral("/Seq/B.YSQ")) << "the sequence text stays";
}

TEST(MediaWindow, soundFilesMinimiseTheWindowAndNameItAndMissingFilesPlayNothing) {
    Fixture f;
    f.engine->setFileName(f.song, QStringLiteral("/Seq/A.YSQ"));
    EXPECT_TRUE(f.engine->minimised);
    EXPECT_EQ(f.engine->caption, QStringLiteral("song.mp3"));
    EXPECT_FALSE(f.engine->showingVideo);
    f.engine->clkCloseWindow_Click();
    EXPECT_FALSE(f.engine->visible);
    EXPECT_TRUE(f.one().url().isEmpty());

    Fixture g;
    g.engine->setFileName(g.t.folder() + QStringLiteral("/gone.avi"), QStringLiteral("/Seq/C.YSQ"));
    EXPECT_TRUE(g.one().url().isEmpty());
    EXPECT_EQ(g.engine->playerSequence[0], QStringLiteral("/Seq/C.YSQ")) << "the sequence is still noted";
}
