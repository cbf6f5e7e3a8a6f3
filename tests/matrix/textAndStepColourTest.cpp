// The scrolling text effect and the step colour walk.

#include "matrix/brumalMatrixEngine.h"
#include "matrix/matrixEngine.h"
#include "matrix/stepColour.h"
#include "matrix/textEffect.h"
#include "matrixTestSupport.h"
#include "shell/shell.h"
#include "support/fakePlatform.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

using namespace matrixTest;

namespace {

constexpr int32_t white = 16777215, red = 255, green = 65280, blue = 16711680, magenta = 16711935;

TextPage page(const QString& s) {
    TextPage p;
    p.TxtMsg = s;
    p.textColour = white;
    p.backgroundColour = 0;
    p.font = QFont(QStringLiteral("Arial"), 7);
    return p;
}

int32_t textWidth(const TextPage& p) {
    QFont f = p.font;
    f.setStyleStrategy(QFont::NoAntialias);
    QImage probe(1, 1, QImage::Format_RGB32);
    return QFontMetrics(f, &probe).horizontalAdvance(textEffect::convertedText(p.TxtMsg, p.CboConv));
}

std::vector<int32_t> pixels(const AnimationRef& a, int32_t k, int32_t W, int32_t H) {
    std::vector<int32_t> out;
    const FrameRef f = a->GetFrame(k);
    for (int32_t i = 0; i < W * H; ++i) out.push_back(f ? f->GetColor(i) : -1);
    return out;
}

bool blank(const AnimationRef& a, int32_t k, int32_t W, int32_t H) {
    for (const int32_t c : pixels(a, k, W, H))
        if (c != 0) return false;
    return true;
}

// Frame k+1 is frame k moved by (dx, dy) pixels, where both show the same part.
void expectSlide(const AnimationRef& a, int32_t k, int32_t W, int32_t H, int32_t dx, int32_t dy) {
    const auto now = pixels(a, k, W, H), next = pixels(a, k + 1, W, H);
    for (int32_t y = 0; y < H; ++y)
        for (int32_t x = 0; x < W; ++x) {
            const int32_t fx = x + dx, fy = y + dy;
            if (fx < 0 || fy < 0 || fx >= W || fy >= H) continue;
            ASSERT_EQ(next[size_t(fy * W + fx)], now[size_t(y * W + x)]) << "frame " << k << " at " << x << "," << y;
        }
}

} // namespace

TEST(TextEffect, anEmptyTextGivesWPlusOneBackgroundFrames) {
    const AnimationRef a = textEffect::buildFrames(page(QString()), 10, 5);
    ASSERT_EQ(a->Count(), 11);
    EXPECT_EQ(a->Width(), 10);
    EXPECT_EQ(a->Height(), 5);
    for (int32_t k = 0; k < 11; ++k) EXPECT_TRUE(blank(a, k, 10, 5)) << k;
}

TEST(TextEffect, horizontalScrollSlidesOnePixelPerFrameAndSwingReturns) {
    TextPage p = page(QStringLiteral("HELLO"));
    const int32_t W = 10, H = 5, tw = textWidth(p);
    ASSERT_GT(tw, 10);
    p.HSOffset = -2; // the capitals' middle rows within the matrix
    const AnimationRef left = textEffect::buildFrames(p, W, H);
    ASSERT_EQ(left->Count(), W + tw + 1);
    EXPECT_TRUE(blank(left, 0, W, H)) << "the text enters from the right";
    EXPECT_TRUE(blank(left, W + tw, W, H)) << "and has left at the end";
    bool shown = false;
    for (int32_t k = 0; k < left->Count(); ++k) shown |= !blank(left, k, W, H);
    EXPECT_TRUE(shown);
    for (int32_t k = 0; k + 1 < left->Count(); ++k) expectSlide(left, k, W, H, -1, 0);

    p.cLeft = false;
    p.cRight = true;
    const AnimationRef right = textEffect::buildFrames(p, W, H);
    ASSERT_EQ(right->Count(), left->Count());
    for (int32_t k = 0; k < right->Count(); ++k)
        EXPECT_EQ(pixels(right, k, W, H), pixels(left, left->Count() - 1 - k, W, H)) << k;
    p.cLeft = true; // both selected: right wins
    EXPECT_EQ(pixels(textEffect::buildFrames(p, W, H), 1, W, H), pixels(right, 1, W, H));

    p.cRight = false;
    p.swing = true;
    const AnimationRef swing = textEffect::buildFrames(p, W, H);
    const int32_t n = left->Count();
    ASSERT_EQ(swing->Count(), 2 * n);
    EXPECT_EQ(pixels(swing, n - 1, W, H), pixels(swing, n, W, H)) << "the turning point shows twice";
    for (int32_t k = 0; k < n; ++k) EXPECT_EQ(pixels(swing, n + k, W, H), pixels(left, n - 1 - k, W, H)) << k;
}

TEST(TextEffect, verticalScrollGivesTwoHPlusOneFramesWhateverTheTextAndOffsetMovesIt) {
    for (const QString& s : {QStringLiteral("I"), QStringLiteral("A much longer line of text")}) {
        TextPage p = page(s);
        p.cLeft = false;
        p.cUp = true;
        p.swing = true; // no return pass when scrolling vertically
        const AnimationRef up = textEffect::buildFrames(p, 10, 5);
        ASSERT_EQ(up->Count(), 11) << s.toStdString();
        EXPECT_TRUE(blank(up, 0, 10, 5));
        for (int32_t k = 0; k + 1 < up->Count(); ++k) expectSlide(up, k, 10, 5, 0, -1);

        p.cUp = false;
        p.cDown = true;
        const AnimationRef down = textEffect::buildFrames(p, 10, 5);
        for (int32_t k = 0; k < 11; ++k) EXPECT_EQ(pixels(down, k, 10, 5), pixels(up, 10 - k, 10, 5));

        // No direction at all scrolls up; an offset of -2 prints the text two rows higher.
        p.cDown = false;
        p.HSOffset = -2;
        const AnimationRef higher = textEffect::buildFrames(p, 10, 5);
        for (int32_t k = 0; k + 2 < 11; ++k) EXPECT_EQ(pixels(higher, k, 10, 5), pixels(up, k + 2, 10, 5)) << k;
    }
}

TEST(TextEffect, caseChoicesAndTitleCase) {
    const QString typed = QStringLiteral("la casa de MADRID");
    EXPECT_EQ(textEffect::convertedText(typed, 0), typed);
    EXPECT_EQ(textEffect::convertedText(typed, 1), QStringLiteral("LA CASA DE MADRID"));
    EXPECT_EQ(textEffect::convertedText(typed, 2), QStringLiteral("la casa de madrid"));
    EXPECT_EQ(textEffect::convertedText(typed, 3), QStringLiteral("la Casa de Madrid"));
}

TEST(TextEffect, aPanelTooWideForItsSizesIsRefusedAndTheWindowKeepsItsFrames) {
    EXPECT_THROW(textEffect::buildFrames(page(QStringLiteral("x")), 16384, 1), std::overflow_error);
    TestShell t;
    t.get().provide<PlaybackService>(std::make_unique<RecordingPlayback>());
    BrumalMatrixEngine& e = t.get().engine<MatrixEngine>().brumal();
    e.selectEffect(BrumalMatrixEngine::Effect::Text);
    e.text.TxtMsg = QString(5000, QLatin1Char('W'));
    e.cmdPreview_Click();
    EXPECT_EQ(t.prompts().messages.size(), 1);
    EXPECT_EQ(e.workingAnimation->Count(), 0) << "the frames taken from the playback stay";
}

TEST(TextEffect, theFontDialogsAnswerOrItsCancelGoesToThePage) {
    TestShell t;
    BrumalMatrixEngine& e = t.get().engine<MatrixEngine>().brumal();
    EXPECT_EQ(e.TxtFont, QStringLiteral("Arial"));
    EXPECT_EQ(e.text.font.pointSizeF(), 7);
    e.CmdLblFont_Click(); // cancelled: the dialog still held Arial at 9
    EXPECT_EQ(e.text.font.pointSizeF(), 9);
    t.prompts().fonts.push_back({QStringLiteral("Courier"), 12, true, true});
    e.CmdLblFont_Click();
    EXPECT_EQ(e.TxtFont, QStringLiteral("Courier"));
    EXPECT_EQ(e.TxtSize, QStringLiteral("12"));
    EXPECT_TRUE(e.text.font.bold() && e.text.font.italic());
    e.ChkNegrita_Click(false);
    EXPECT_FALSE(e.text.font.bold());
}

TEST(StepColour, theWalkFollowsItsTwoOffsets) {
    const std::vector<int32_t> palette{red, green, blue, magenta}; // the spare last
    struct Case {
        int32_t A;
        double B;
        std::vector<int32_t> frame0Start; // the first pixels of frame 0
        std::vector<int32_t> frame1Start;
    };
    const Case cases[] = {
        {1, 1, {red, red, red}, {green, green, green}},
        {2, 0, {red, green, green, blue, blue, red, red}, {}},
        {3, 0, {red, green, blue, blue, red, green, green, blue, red, red}, {}},
        {2, 0.3, {red, green, green, blue, blue, red, red}, {}},
    };
    for (const Case& c : cases) {
        const auto built = stepColour::buildFrames(palette, 10, 10, c.A, c.B);
        ASSERT_TRUE(built) << c.A;
        const AnimationRef a = *built;
        ASSERT_EQ(a->Count(), 101) << "P + 1 frames";
        EXPECT_EQ(a->GetFrame(0)->Count(), 101) << "P + 1 entries";
        for (size_t i = 0; i < c.frame0Start.size(); ++i)
            EXPECT_EQ(a->GetFrame(0)->GetColor(int32_t(i)), c.frame0Start[i]) << c.A << " pixel " << i;
        for (size_t i = 0; i < c.frame1Start.size(); ++i)
            EXPECT_EQ(a->GetFrame(1)->GetColor(int32_t(i)), c.frame1Start[i]) << c.A << " pixel " << i;
        for (int32_t k = 0; k < a->Count(); ++k)
            for (int32_t j = 0; j <= 100; ++j) ASSERT_NE(a->GetFrame(k)->GetColor(j), magenta) << "the spare";
    }
    // A = 1: frames step through the colours, each one solid.
    const AnimationRef solid = *stepColour::buildFrames(palette, 10, 10, 1, 1);
    for (int32_t k = 0; k < 6; ++k) EXPECT_EQ(solid->GetFrame(k)->GetColor(57), palette[size_t(k % 3)]) << k;
    // A = 2 carries the walk on into the next frame: frame 0 ends 101 pixels in.
    const AnimationRef walk = *stepColour::buildFrames(palette, 10, 10, 2, 0);
    const int32_t cycle[] = {red, green, green, blue, blue, red};
    EXPECT_EQ(walk->GetFrame(1)->GetColor(0), cycle[101 % 6]);
    // B = 3 paints pixels 0, 3, 6, ... in the colour the frame's walk ended on.
    const AnimationRef every3 = *stepColour::buildFrames(palette, 10, 10, 2, 3);
    const int32_t last = walk->GetFrame(0)->GetColor(100);
    for (int32_t j = 0; j <= 100; ++j)
        EXPECT_EQ(every3->GetFrame(0)->GetColor(j), j % 3 == 0 ? last : walk->GetFrame(0)->GetColor(j)) << j;
}

TEST(StepColour, aWalkThatCannotStartLeavesTheAnimation) {
    TestShell t;
    t.get().provide<PlaybackService>(std::make_unique<RecordingPlayback>());
    BrumalMatrixEngine& e = t.get().engine<MatrixEngine>().brumal();
    e.selectEffect(BrumalMatrixEngine::Effect::Color);
    // The default first offset of 0 builds no frame.
    e.cmdStepColor_Click();
    EXPECT_EQ(e.workingAnimation->Count(), 0);
    e.setOffset(1);
    EXPECT_EQ(e.workingAnimation->Count(), 101);
    // More colours than twice the pixels: the previous frames stay.
    e.txtX = e.txtY = QStringLiteral("1");
    e.resizeMatrix();
    e.setOffset(1);
    EXPECT_EQ(e.workingAnimation->Count(), 101);
    EXPECT_EQ(e.upDownOffset, 1) << "limited to the matrix's pixel count";
}
