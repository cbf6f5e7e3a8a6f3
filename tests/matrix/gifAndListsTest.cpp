// Animated GIFs split into frames and sampled at the matrix's size, and the
// image and GIF folders behind the matrix window's two picture lists.

#include "gifMaker.h"
#include "matrix/animatedGif.h"
#include "matrix/brumalMatrixEngine.h"
#include "matrix/matrixEngine.h"
#include "matrixTestSupport.h"
#include "shell/shell.h"
#include "support/fakePlatform.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

using namespace matrixTest;

namespace {

constexpr int32_t red = 255, green = 65280, blue = 16711680;

struct Window {
    TestShell t;
    BrumalMatrixEngine* engine;
    Window() {
        t.get().provide<PlaybackService>(std::make_unique<RecordingPlayback>());
        makeShow(t.get().state);
        engine = &t.get().engine<MatrixEngine>().brumal();
        engine->text.backgroundColour = 0;
    }
    QString gifFolder() const { return t.folder() + QStringLiteral("/images/MatrixGIFs/"); }
    QString imageFolder() const { return t.folder() + QStringLiteral("/images/MatrixImages/"); }
    void size(int w, int h) {
        engine->txtX = QString::number(w);
        engine->txtY = QString::number(h);
        engine->resizeMatrix();
    }
    // The colour of pixel (x, y) of frame k of the working animation.
    int32_t pixel(int32_t k, int32_t x, int32_t y) const {
        const FrameRef f = engine->workingAnimation->GetFrame(k);
        return f ? f->GetColor(x + y * engine->currentAnimation->Width()) : -1;
    }
};

QByteArray redGreenBlue(const gifMaker::Options& o = {}) {
    return gifMaker::make({gifMaker::solid(4, 4, 1), gifMaker::solid(4, 4, 2), gifMaker::solid(4, 4, 3)}, o);
}

bool write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    return writeWholeFile(path, bytes);
}

// A picture file of exactly `bytes` bytes (a PNG with padding after its end).
QByteArray pngOfSize(qsizetype bytes) {
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    out.append(QByteArray(bytes - out.size(), '\0'));
    return out;
}

} // namespace

TEST(AnimatedGif, aLoopingGifOfThreeFramesGivesThreeMatrixFramesInOrder) {
    Window w;
    w.size(4, 2);
    const QString file = w.gifFolder() + QStringLiteral("rgb.gif");
    ASSERT_TRUE(write(file, redGreenBlue()));
    ASSERT_EQ(animatedGif::pieces(redGreenBlue()).size(), 3u);

    w.engine->splitAnimatedGif(file);
    EXPECT_EQ(w.engine->AnimatedGIF.size(), 3u);
    EXPECT_EQ(w.engine->TxtNroFrames, QStringLiteral("2"));
    w.engine->buildGifFrames();
    ASSERT_EQ(w.engine->workingAnimation->Count(), 3);
    EXPECT_EQ(w.engine->effectAnimation->Count(), 3);
    const int32_t expected[] = {red, green, blue};
    for (int32_t k = 0; k < 3; ++k) {
        EXPECT_EQ(w.pixel(k, 0, 0), expected[k]) << k;
        EXPECT_EQ(w.pixel(k, 3, 1), expected[k]) << k;
        EXPECT_EQ(w.engine->workingAnimation->GetFrame(k), w.engine->effectAnimation->GetFrame(k));
    }
    EXPECT_EQ(w.engine->workingAnimation->GetFrame(0)->Name, QStringLiteral("GIF 1 Frame "));
    EXPECT_TRUE(w.t.prompts().messages.isEmpty()) << w.t.prompts().messages.join(QLatin1Char('\n')).toStdString();
}

TEST(AnimatedGif, filesTheSeparatorDoesNotSplitCleanlyAreReadFrameByFrame) {
    // Without a looping extension the first frame follows the colour table
    // directly (no block end before it); a comment may carry the separator's
    // bytes. Either way the frames are still the file's three, in order.
    gifMaker::Options noBlockEnd;
    noBlockEnd.loop = false;
    gifMaker::Options comment;
    comment.commentAfterFirstFrame = QByteArray("\x00\x21\xF9", 3);
    for (const gifMaker::Options& o : {noBlockEnd, comment}) {
        Window w;
        w.size(2, 2);
        const QString file = w.gifFolder() + QStringLiteral("odd.gif");
        ASSERT_TRUE(write(file, redGreenBlue(o)));
        w.engine->splitAnimatedGif(file);
        w.engine->buildGifFrames();
        ASSERT_EQ(w.engine->workingAnimation->Count(), 3);
        EXPECT_EQ(w.pixel(0, 1, 1), red);
        EXPECT_EQ(w.pixel(1, 1, 1), green);
        EXPECT_EQ(w.pixel(2, 1, 1), blue);
    }
}

TEST(AnimatedGif, aFileWithoutSeparatorIsOneFrame) {
    // A still GIF without a graphic control extension.
    QByteArray still = gifMaker::make({gifMaker::solid(3, 3, 2)}, {});
    const qsizetype gce = still.indexOf(QByteArray("\x21\xF9\x04", 3));
    still.remove(gce, 8);
    EXPECT_EQ(animatedGif::pieces(still).size(), 1u);
    Window w;
    w.size(3, 3);
    const QString file = w.gifFolder() + QStringLiteral("still.gif");
    ASSERT_TRUE(write(file, still));
    w.engine->splitAnimatedGif(file);
    EXPECT_EQ(w.engine->TxtNroFrames, QStringLiteral("0"));
    w.engine->buildGifFrames();
    ASSERT_EQ(w.engine->workingAnimation->Count(), 1);
    EXPECT_EQ(w.pixel(0, 2, 2), green);
}

TEST(AnimatedGif, aLargeGifIsScaledToTheMatrixPixelByPixel) {
    // 100 x 100: the top half red on the left and blue on the right, the bottom half green.
    const gifMaker::Frame quarters{100, 100, [](int x, int y) { return y >= 50 ? 2 : x < 50 ? 1 : 3; }};
    Window w;
    w.size(16, 8);
    const QString file = w.gifFolder() + QStringLiteral("big.gif");
    ASSERT_TRUE(write(file, gifMaker::make({quarters, gifMaker::solid(100, 100, 0)})));
    w.engine->splitAnimatedGif(file);
    w.engine->buildGifFrames();
    ASSERT_EQ(w.engine->workingAnimation->Count(), 2);
    const FrameRef first = w.engine->workingAnimation->GetFrame(0);
    EXPECT_EQ(first->Count(), 16 * 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x)
            EXPECT_EQ(first->GetColor(x + 16 * y), y >= 4 ? green : x < 8 ? red : blue) << x << "," << y;
}

TEST(AnimatedGif, theFrameCountNeverReachesPastTheStoredFrames) {
    Window w;
    w.size(2, 2);
    // Before any GIF: the default count of 10 and an empty store build nothing.
    w.engine->buildGifFrames();
    EXPECT_EQ(w.engine->workingAnimation->Count(), 0);
    const QString file = w.gifFolder() + QStringLiteral("rgb.gif");
    ASSERT_TRUE(write(file, redGreenBlue()));
    w.engine->splitAnimatedGif(file);
    for (const char* typed : {"10", "99999999999", "1", "-4"}) {
        w.engine->TxtNroFrames = QString::fromLatin1(typed);
        w.engine->buildGifFrames();
        const int expected = QByteArray(typed) == "1" ? 2 : QByteArray(typed) == "-4" ? 0 : 3;
        EXPECT_EQ(w.engine->workingAnimation->Count(), expected) << typed;
    }
}

TEST(AnimatedGif, aMissingOrBrokenFileSaysWhyAndKeepsThePreviousFrames) {
    Window w;
    w.size(2, 2);
    const QString file = w.gifFolder() + QStringLiteral("rgb.gif");
    ASSERT_TRUE(write(file, redGreenBlue()));
    w.engine->splitAnimatedGif(file);

    w.engine->splitAnimatedGif(w.gifFolder() + QStringLiteral("gone.gif"));
    ASSERT_EQ(w.t.prompts().messages, QStringList{QStringLiteral("File not found.")});
    w.engine->buildGifFrames();
    EXPECT_EQ(w.engine->workingAnimation->Count(), 3) << "the previous GIF's frames";

    // Not a GIF at all, and a GIF declaring an enormous screen: the reason is told.
    const QString junk = w.gifFolder() + QStringLiteral("junk.gif");
    ASSERT_TRUE(write(junk, QByteArray("this is no picture")));
    gifMaker::Options huge;
    huge.screenWidth = huge.screenHeight = 60000;
    const QString giant = w.gifFolder() + QStringLiteral("giant.gif");
    ASSERT_TRUE(write(giant, redGreenBlue(huge)));
    for (const QString& f : {junk, giant}) {
        w.t.prompts().messages.clear();
        w.engine->splitAnimatedGif(f);
        ASSERT_EQ(w.t.prompts().messages.size(), 1) << f.toStdString();
        EXPECT_NE(w.t.prompts().messages.front(), QStringLiteral("File not found."));
        EXPECT_TRUE(w.t.prompts().messages.front().contains(f)) << w.t.prompts().messages.front().toStdString();
        EXPECT_EQ(w.engine->TxtNroFrames, QStringLiteral("2")) << "the count box keeps its text";
    }
    EXPECT_TRUE(w.t.prompts().messages.front().contains(QStringLiteral("too large")))
        << w.t.prompts().messages.front().toStdString();
    EXPECT_TRUE(QFile::exists(junk) && QFile::exists(giant)) << "the operator's files stay";
}

TEST(PictureLists, theImageFolderSkipsTooLargeAndUnreadableFilesAndKeepsThem) {
    Window w;
    ASSERT_TRUE(write(w.imageFolder() + QStringLiteral("a.png"), pngOfSize(49999)));
    ASSERT_TRUE(write(w.imageFolder() + QStringLiteral("b.png"), pngOfSize(50000)));
    ASSERT_TRUE(write(w.imageFolder() + QStringLiteral("c.png"), QByteArray("only words")));
    ASSERT_TRUE(write(w.imageFolder() + QStringLiteral("d.png"), pngOfSize(300)));
    w.engine->loadImageList();
    EXPECT_EQ(w.engine->ListView1, (QStringList{QStringLiteral("a.png"), QStringLiteral("d.png")}));
    EXPECT_TRUE(w.engine->gifListView.isEmpty());
    ASSERT_EQ(w.t.prompts().messages.size(), 2);
    EXPECT_EQ(w.t.prompts().messages[0], QStringLiteral(" FILE: ") + w.imageFolder() +
                                             QStringLiteral("b.png  This File Is too large, reduce resolution and then try again."));
    EXPECT_TRUE(w.t.prompts().messages[1].contains(QStringLiteral("c.png")));
    for (const char* name : {"a.png", "b.png", "c.png", "d.png"})
        EXPECT_TRUE(QFile::exists(w.imageFolder() + QLatin1String(name))) << name;
    EXPECT_EQ(w.engine->images.front().picture.size(), QSize(50, 50));

    // The GIF list has no size limit and empties the image list.
    ASSERT_TRUE(write(w.gifFolder() + QStringLiteral("rgb.gif"), redGreenBlue()));
    ASSERT_TRUE(write(w.gifFolder() + QStringLiteral("notes.gif"), QByteArray("words")));
    w.t.prompts().messages.clear();
    w.engine->loadGifList();
    EXPECT_EQ(w.engine->gifListView, QStringList{QStringLiteral("rgb.gif")});
    EXPECT_TRUE(w.engine->ListView1.isEmpty());
    EXPECT_EQ(w.t.prompts().messages.size(), 1);
    EXPECT_TRUE(QFile::exists(w.gifFolder() + QStringLiteral("notes.gif")));
}

TEST(PictureLists, anEmptyOrMissingFolderIsCreatedAndListsNothing) {
    Window w;
    w.engine->loadGifList();
    EXPECT_TRUE(QDir(w.gifFolder()).exists());
    EXPECT_TRUE(w.engine->gifListView.isEmpty() && w.engine->ListView1.isEmpty() && w.engine->images.empty());
}

TEST(PictureLists, dropsCopyTheFirstFileAndReplaceOneOfTheSameName) {
    Window w;
    QTemporaryDir desk;
    const QString one = desk.filePath(QStringLiteral("one.png")), two = desk.filePath(QStringLiteral("two.png"));
    ASSERT_TRUE(write(one, pngOfSize(400)));
    ASSERT_TRUE(write(two, pngOfSize(500)));
    w.engine->dropOnImageList({one, two, desk.filePath(QStringLiteral("three.png"))});
    EXPECT_EQ(w.engine->ListView1, QStringList{QStringLiteral("one.png")});
    EXPECT_FALSE(QFile::exists(w.imageFolder() + QStringLiteral("two.png")));

    ASSERT_TRUE(write(one, pngOfSize(600)));
    w.engine->dropOnImageList({one});
    EXPECT_EQ(QFileInfo(w.imageFolder() + QStringLiteral("one.png")).size(), 600);
    // Dropping the folder's own file keeps it.
    w.engine->dropOnImageList({w.imageFolder() + QStringLiteral("one.png")});
    EXPECT_EQ(QFileInfo(w.imageFolder() + QStringLiteral("one.png")).size(), 600);

    // A too-large image is copied, then refused by the reload; it stays in the folder.
    const QString big = desk.filePath(QStringLiteral("big.png"));
    ASSERT_TRUE(write(big, pngOfSize(60000)));
    w.engine->dropOnImageList({big});
    EXPECT_EQ(w.engine->ListView1, QStringList{QStringLiteral("one.png")});
    EXPECT_EQ(w.t.prompts().messages.size(), 1);

    w.t.prompts().messages.clear();
    w.engine->dropOnGifList({});
    ASSERT_EQ(w.t.prompts().messages.size(), 1);
    EXPECT_TRUE(w.t.prompts().messages.front().startsWith(QStringLiteral("Error in file drop: ")));
}

TEST(PictureLists, deletingRemovesTheSelectedFileOrSaysWhyNot) {
    Window w;
    ASSERT_TRUE(write(w.imageFolder() + QStringLiteral("a.png"), pngOfSize(300)));
    ASSERT_TRUE(write(w.imageFolder() + QStringLiteral("b.png"), pngOfSize(300)));
    w.engine->loadImageList();
    w.engine->clkDeleteFile(0);
    EXPECT_FALSE(QFile::exists(w.imageFolder() + QStringLiteral("a.png")));
    EXPECT_EQ(w.engine->ListView1, QStringList{QStringLiteral("b.png")});

    w.engine->clkDeleteFile(-1);
    ASSERT_EQ(w.t.prompts().messages.size(), 1);
    EXPECT_TRUE(w.t.prompts().messages.front().startsWith(QStringLiteral("error deleting file")));
    EXPECT_TRUE(QFile::exists(w.imageFolder() + QStringLiteral("b.png")));

    ASSERT_TRUE(write(w.gifFolder() + QStringLiteral("rgb.gif"), redGreenBlue()));
    w.engine->loadGifList();
    w.engine->clkDeleteGif(0);
    EXPECT_TRUE(w.engine->gifListView.isEmpty());
    EXPECT_FALSE(QFile::exists(w.gifFolder() + QStringLiteral("rgb.gif")));
}

TEST(PictureLists, choosingAPictureOrAGifBuildsItsEffect) {
    Window w;
    w.size(4, 4);
    ASSERT_TRUE(write(w.imageFolder() + QStringLiteral("a.png"), pngOfSize(300)));
    w.engine->selectEffect(BrumalMatrixEngine::Effect::Image);
    ASSERT_EQ(w.engine->ListView1.size(), 1);
    w.engine->imageItemClicked(0);
    ASSERT_EQ(w.engine->effectAnimation->Count(), 10);
    EXPECT_EQ(w.engine->effectAnimation->GetFrame(0)->GetColor(5), red);

    ASSERT_TRUE(write(w.gifFolder() + QStringLiteral("rgb.gif"), redGreenBlue()));
    w.engine->selectEffect(BrumalMatrixEngine::Effect::Gif);
    ASSERT_EQ(w.engine->gifListView.size(), 1);
    w.engine->gifItemClicked(0);
    ASSERT_EQ(w.engine->effectAnimation->Count(), 3);
    EXPECT_EQ(w.engine->effectAnimation->GetFrame(2)->GetColor(5), blue);
}
