// The matrix window's engine moving frames into the current playback as
// chase steps and back again, through the playback service.

#include "matrix/brumalMatrixEngine.h"
#include "matrix/matrixAddressing.h"
#include "matrix/matrixEngine.h"
#include "matrixTestSupport.h"
#include "shell/shell.h"
#include "support/fakePlatform.h"

#include <gtest/gtest.h>

using namespace matrixTest;

namespace {

struct Fixture {
    TestShell t;
    RecordingPlayback* playback;
    BrumalMatrixEngine* engine;
    Fixture() {
        playback = &t.get().provide<PlaybackService>(std::make_unique<RecordingPlayback>());
        makeShow(t.get().state, 2);
        engine = &t.get().engine<MatrixEngine>().brumal();
    }
    ChannelModel& m() { return t.get().state; }
    // An animation of `frames` frames, each pixel a colour of its own.
    static int32_t colourOf(int32_t frame, int32_t pixel) { return (frame * 40 + pixel * 3) % 256 + 256 * pixel + 65536 * frame; }
    AnimationRef animation(int32_t width, int32_t height, int32_t frames) {
        auto a = std::make_shared<ClsMatrix>();
        for (int32_t k = 0; k < frames; ++k) {
            auto f = std::make_shared<ClsColours>();
            for (int32_t i = 0; i < width * height; ++i) f->SetColor(i, colourOf(k, i));
            a->SetFrame(k, f);
        }
        return a;
    }
};

} // namespace

TEST(MatrixFrames, everyPixelsColourGoesOntoItsChannelsAndComesBackInBothNumberingOrders) {
    struct Case {
        int32_t columns, rows;
        bool vertical, leftToRight, topToBottom;
    };
    for (const Case c : {Case{4, 3, false, true, true}, Case{4, 3, true, false, false}, Case{8, 8, false, true, true},
                         Case{8, 8, true, false, false}}) {
        Fixture f;
        const int32_t first = patchMatrix(f.m(), QStringLiteral("Stage"), c.columns, c.rows, 101);
        MatrixAddressing numbering(f.m());
        numbering.setMatrixName(QStringLiteral("Stage"));
        numbering.renumberMatrix(c.topToBottom, c.leftToRight, c.vertical);
        f.engine->pickFirstMatrix(QStringLiteral("Stage"));
        ASSERT_EQ(f.engine->currentAnimation->Width(), c.columns);
        f.engine->effect = BrumalMatrixEngine::Effect::Color;
        f.engine->effectAnimation = f.animation(c.columns, c.rows, 3);
        f.playback->steps = 10;

        f.engine->sendFramesToPlayback(false);
        EXPECT_EQ(f.playback->steps, 3) << "exactly the frames' steps";
        EXPECT_EQ(f.playback->fadedTo, 1);
        for (int32_t k = 1; k <= 3; ++k)
            for (int32_t n = 0; n < c.columns * c.rows; ++n) {
                const int32_t fixture = first + n;
                const int32_t index = (f.m().fixtureMatrixRow[size_t(fixture)] - 1) * c.columns +
                                      f.m().fixtureMatrixColumn[size_t(fixture)] - 1;
                const int32_t colour = Fixture::colourOf(k - 1, index);
                const int32_t start = f.m().fixtureStartChannel[size_t(fixture)];
                EXPECT_EQ((f.playback->levels[{start + 1, k}]), colour & 255);
                EXPECT_EQ((f.playback->levels[{start + 2, k}]), (colour >> 8) & 255);
                EXPECT_EQ((f.playback->levels[{start + 3, k}]), (colour >> 16) & 255);
            }

        f.engine->transferFromPlayback();
        ASSERT_EQ(f.engine->effectAnimation, f.engine->workingAnimation);
        ASSERT_EQ(f.engine->effectAnimation->Count(), 3);
        for (int32_t k = 0; k < 3; ++k)
            for (int32_t i = 0; i < c.columns * c.rows; ++i)
                ASSERT_EQ(f.engine->effectAnimation->GetFrame(k)->GetColor(i), Fixture::colourOf(k, i))
                    << c.columns << "x" << c.rows << " frame " << k << " pixel " << i;
    }
}

TEST(MatrixFrames, writesRedBlueGreenAndBlackForMissingPixelsAndNothingWithoutAMatrix) {
    Fixture f;
    patchMatrix(f.m(), QStringLiteral("Stage"), 2, 1, 1);
    f.engine->pickFirstMatrix(QStringLiteral("Stage"));
    f.engine->effect = BrumalMatrixEngine::Effect::Color;
    auto a = std::make_shared<ClsMatrix>();
    auto frame = std::make_shared<ClsColours>();
    frame->SetColor(0, 16711935); // magenta; pixel 1 has no colour in the frame
    a->SetFrame(0, frame);
    f.engine->effectAnimation = a;
    f.engine->sendFramesToPlayback(false);
    using W = std::tuple<int32_t, int32_t, int32_t>;
    const std::vector<W> expected{W{2, 1, 255}, W{4, 1, 255}, W{3, 1, 0}, W{6, 1, 0}, W{8, 1, 0}, W{7, 1, 0}};
    EXPECT_EQ(f.playback->writes, expected);

    // With no matrix chosen nothing is written, yet the step count follows the frames.
    Fixture none;
    patchMatrix(none.m(), QStringLiteral("Stage"), 2, 1, 1);
    none.engine->effect = BrumalMatrixEngine::Effect::Color;
    none.engine->effectAnimation = a;
    none.playback->steps = 5;
    none.engine->sendFramesToPlayback(false);
    EXPECT_TRUE(none.playback->writes.empty());
    EXPECT_EQ(none.playback->steps, 1);
}

TEST(MatrixFrames, aPixelWithoutAColourRoleIsSkippedNotWrittenToTheChannelBeforeIt) {
    Fixture f;
    patchMatrix(f.m(), QStringLiteral("Stage"), 1, 1, 10);
    f.m().lightClass(1).setGreenChannel(0);
    f.engine->pickFirstMatrix(QStringLiteral("Stage"));
    f.engine->effect = BrumalMatrixEngine::Effect::Color;
    f.engine->effectAnimation = f.animation(1, 1, 1);
    f.engine->sendFramesToPlayback(false);
    for (const auto& [channel, step, value] : f.playback->writes) EXPECT_NE(channel, 9);
    EXPECT_EQ(f.playback->writes.size(), 2u);
}

TEST(MatrixFrames, refreshOnlyShowsTheLabelsStepAgainWhileThePlaybackStands) {
    Fixture f;
    patchMatrix(f.m(), QStringLiteral("Stage"), 2, 2, 1);
    f.engine->pickFirstMatrix(QStringLiteral("Stage"));
    f.engine->effect = BrumalMatrixEngine::Effect::Color;
    f.engine->effectAnimation = f.animation(2, 2, 4);
    f.engine->lblStep = QStringLiteral("3");
    f.engine->sendFramesToPlayback(true);
    EXPECT_EQ(f.playback->currentStep, 3);
    EXPECT_EQ(f.playback->fadedTo, 0) << "no crossfade";
}

TEST(MatrixFrames, recordAndAddStoresAnEmptyFrameAtTheStepLabelsIndex) {
    Fixture f;
    patchMatrix(f.m(), QStringLiteral("Stage"), 2, 2, 1);
    f.engine->pickFirstMatrix(QStringLiteral("Stage"));
    f.engine->effectAnimation.reset();
    f.engine->lblStep = QStringLiteral("4");
    f.engine->cmdRecordAndAddScene_Click();
    ASSERT_NE(f.engine->effectAnimation, nullptr);
    EXPECT_EQ(f.engine->effectAnimation->Count(), 5);
    ASSERT_NE(f.engine->effectAnimation->GetFrame(4), nullptr);
    EXPECT_TRUE(f.m().sequenceChanged);
    EXPECT_EQ(f.playback->steps, 1);
}

TEST(MatrixWindowEngine, soundPreviewWritesTheModeCommandIntoTheCurrentStepRecordingOneFirst) {
    Fixture f;
    patchMatrix(f.m(), QStringLiteral("Stage"), 2, 2, 1);
    f.engine->pickFirstMatrix(QStringLiteral("Stage"));
    f.engine->cmdPreviewSoundToMatrix_Click(); // no mode picked: refused
    EXPECT_EQ(f.playback->steps, 0);
    f.engine->pickSoundMode(8);
    f.engine->frontColor = 16777215;
    f.engine->backColor = 0;
    f.engine->cmdPreviewSoundToMatrix_Click();
    EXPECT_EQ(f.playback->commands[1], QStringLiteral("16,Stage,16777215,0"));
    EXPECT_TRUE(f.playback->running);
}

TEST(MatrixWindowEngine, circleStepCyclesTheOffsetAndMovesTheStops) {
    Fixture f;
    BrumalMatrixEngine& e = *f.engine;
    e.gradientStops = {{255, 10}, {65280, 40}, {16711680, 90}, {0, -1}};
    e.workingStops = e.gradientStops;
    std::vector<int32_t> offsets;
    for (int i = 0; i < 6; ++i) {
        e.advanceCircleGradient();
        offsets.push_back(e.circleOffset);
        if (i == 0) {
            // Offset 2: T1 = S2's colour at S1's place, T2 = S1's at S3's, T3 = S3's at S2's.
            EXPECT_EQ(e.workingStops[0].color, 65280);
            EXPECT_EQ(e.workingStops[0].position, 10);
            EXPECT_EQ(e.workingStops[1].color, 255);
            EXPECT_EQ(e.workingStops[1].position, 90);
            EXPECT_EQ(e.workingStops[2].color, 16711680);
            EXPECT_EQ(e.workingStops[2].position, 40);
        }
    }
    EXPECT_EQ(offsets, (std::vector<int32_t>{2, 1, 0, 2, 1, 0}));
    EXPECT_EQ(e.TxtNroFrames, QStringLiteral("3"));
    EXPECT_EQ(e.gradientStops[0].color, 255) << "the editor's own list is put back";
}

TEST(MatrixWindowEngine, resizeReportsADivisionByZeroForTextAndKeepsTheWidthItSet) {
    Fixture f;
    BrumalMatrixEngine& e = *f.engine;
    e.txtX = QStringLiteral("abc");
    e.resizeMatrix();
    ASSERT_FALSE(f.t.prompts().messages.isEmpty());
    EXPECT_TRUE(f.t.prompts().messages.back().startsWith(QStringLiteral("error Resizing Matrix:")));
    EXPECT_EQ(e.currentAnimation->Width(), 0);
    // A grid picture 100 units wide with 10 columns has cells 8 units wide.
    e.txtX = QStringLiteral("10");
    e.resizeMatrix();
    e.setPictureSize(100, 100);
    EXPECT_FLOAT_EQ(e.matrixCellWidth, 8);
}

TEST(MatrixWindowEngine, matricesAreListedOnceInTheOrderOfTheirFirstPixelAndPickedByExactName) {
    Fixture f;
    ChannelModel& m = f.m();
    patchMatrix(m, QStringLiteral("A"), 2, 1, 1);
    patchMatrix(m, QStringLiteral("B"), 2, 1, 21);
    std::swap(m.fixtureMatrixName[2], m.fixtureMatrixName[3]); // A B A B
    EXPECT_EQ(f.engine->fillMatrixList(), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    f.engine->pickFirstMatrix(QStringLiteral("B"));
    EXPECT_EQ(f.engine->matrixCaption, QStringLiteral("B"));
    f.engine->pickFirstMatrix(QStringLiteral("b"));
    EXPECT_EQ(f.engine->matrixCaption, QStringLiteral("A"));
}

TEST(MatrixWindowEngine, drawMatrixTouchesOnlyChangedCellsAndShowsTheStep) {
    struct View : BrumalMatrixView {
        std::vector<int32_t> changed;
        void cellChanged(int32_t index) override { changed.push_back(index); }
        void gridChanged() override {}
        void stateChanged() override {}
    } view;
    Fixture f;
    BrumalMatrixEngine& e = *f.engine;
    e.attachView(&view);
    e.drawMatrix(1, 2, 255, 3);
    e.drawMatrix(1, 2, 255, 3); // unchanged: not drawn again
    e.drawMatrix(12, 0, 255, 3); // outside the grid
    e.drawMatrix(0, 0, 255, 0);  // step 0 draws nothing
    EXPECT_EQ(view.changed, (std::vector<int32_t>{21}));
    EXPECT_EQ(e.cellColour(1, 2), 255);
    EXPECT_EQ(e.lblStep, QStringLiteral("0"));
    e.attachView(nullptr);
}

TEST(MatrixWindowEngine, tituloCapitalisesWordsButRomanNumeralsAndPrepositions) {
    EXPECT_EQ(BrumalMatrixEngine::Titulo(QStringLiteral("  el   REY juan  carlos ii de espa\u00f1a  ")),
              QStringLiteral("el Rey Juan Carlos II de Espa\u00f1a"));
    EXPECT_EQ(BrumalMatrixEngine::Titulo(QStringLiteral("   ")), QString());
    EXPECT_EQ(BrumalMatrixEngine::Titulo(QStringLiteral("x v n")), QStringLiteral("X V n"));
}
