// The gradient editor's stops and pointers, the colour pickers and colour
// boxes, the rotation options and pixel painting on the grid.

#include "matrix/brumalMatrixEngine.h"
#include "matrix/gradientEditor.h"
#include "matrix/matrixEngine.h"
#include "matrixTestSupport.h"
#include "shell/shell.h"
#include "support/fakePlatform.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace matrixTest;

namespace {

constexpr int32_t red = 255, green = 65280, blue = 16711680, white = 16777215;
using Button = BrumalMatrixEngine::Button;

struct Window {
    TestShell t;
    RecordingPlayback* playback;
    BrumalMatrixEngine* engine;
    Window() {
        playback = &t.get().provide<PlaybackService>(std::make_unique<RecordingPlayback>());
        makeShow(t.get().state);
        engine = &t.get().engine<MatrixEngine>().brumal();
    }
    GradientEditor& editor() { return engine->editor; }
    std::vector<std::pair<int32_t, float>> stops() const {
        std::vector<std::pair<int32_t, float>> out;
        for (const GradientStop& s : engine->gradientStops) out.emplace_back(s.color, s.position);
        return out;
    }
    // A drag of pointer i to x: the press, the movement the press itself causes, then the real one.
    void drag(int32_t i, double x) {
        engine->pointerPressed(i, Button::Left);
        engine->pointerDragged(i, x, true);
        engine->pointerDragged(i, x, true);
        engine->pointerReleased();
    }
};

using Stops = std::vector<std::pair<int32_t, float>>;

} // namespace

TEST(GradientEditor, startsWithThreeStopsTheSpareAndTwentyDivisions) {
    Window w;
    EXPECT_EQ(w.stops(), (Stops{{red, 2}, {green, 50}, {blue, 98}, {0, -1}}));
    EXPECT_EQ(w.editor().intSelPointer, 1);
    EXPECT_TRUE(w.editor().pointer(3).selectedLook);
    EXPECT_EQ(w.editor().pointer(4).left, GradientEditor::templateLeft);
    const std::vector<int32_t> marks = w.editor().snapMarks();
    ASSERT_EQ(marks.size(), 21u);
    EXPECT_EQ(marks.front(), 360);
    EXPECT_EQ(marks[1], 560);
    EXPECT_EQ(marks.back(), 4360);
    // The bar: red at its left end, green in the middle, blue at its right end.
    const QImage& bar = w.editor().picGradient;
    EXPECT_EQ(bar.pixel(0, 5), qRgb(255, 0, 0));
    EXPECT_EQ(bar.pixel(bar.width() / 2, 5), qRgb(0, 255, 0));
    EXPECT_EQ(bar.pixel(bar.width() - 1, 5), qRgb(0, 0, 255));
}

TEST(GradientEditor, draggingPointersAlongAndOffTheBar) {
    struct Case {
        double x;
        float position;
        bool newSpare;
    };
    for (const Case c : {Case{2360, 50, true}, Case{1360, 25, true}, Case{100, 0, false}, Case{5000, 100, false},
                         Case{360, -1, false}}) {
        Window w;
        w.drag(4, c.x); // the spare
        EXPECT_EQ(w.engine->gradientStops[3].position, c.position) << c.x;
        EXPECT_EQ(w.engine->gradientStops.size(), c.newSpare ? 5u : 4u) << c.x;
        if (c.newSpare) {
            EXPECT_EQ(w.engine->gradientStops.back().position, -1);
            EXPECT_EQ(w.editor().pointer(5).left, GradientEditor::templateLeft);
            EXPECT_EQ(w.editor().pointer(4).left, int32_t(c.x) - w.editor().pointerWidth / 2);
        }
    }
    // An ordinary stop dragged past either end sits at 0 or 100.
    Window w;
    w.drag(2, -300);
    EXPECT_EQ(w.engine->gradientStops[1].position, 0);
    w.drag(2, 9000);
    EXPECT_EQ(w.engine->gradientStops[1].position, 100);
    EXPECT_EQ(w.editor().pointer(2).left, 4360 - w.editor().pointerWidth / 2);
}

TEST(GradientEditor, theFirstMovementAfterAPressMovesNothing) {
    Window w;
    w.engine->pointerPressed(2, Button::Left);
    w.engine->pointerDragged(2, 1000, true);
    EXPECT_EQ(w.engine->gradientStops[1].position, 50);
    w.engine->pointerDragged(2, 1000, false); // no button: nothing either
    EXPECT_EQ(w.engine->gradientStops[1].position, 50);
}

TEST(GradientEditor, deletingAStopAndTheSparesMenu) {
    Window w;
    EXPECT_FALSE(w.engine->pointerPressed(4, Button::Right)) << "the spare has no menu";
    EXPECT_EQ(w.editor().intSelPointer, 1);
    ASSERT_TRUE(w.engine->pointerPressed(2, Button::Right));
    w.engine->deletePointer();
    EXPECT_EQ(w.stops(), (Stops{{red, 2}, {blue, 98}, {0, -1}}));
    EXPECT_EQ(w.editor().intSelPointer, 3) << "the spare is selected";
    EXPECT_EQ(w.editor().pointer(2).colour, blue) << "the pointers keep showing their own stops";
    w.engine->deletePointer(); // the spare cannot go
    EXPECT_EQ(w.engine->gradientStops.size(), 3u);
    const QImage& bar = w.editor().picGradient;
    EXPECT_EQ(bar.pixel(bar.width() / 2, 5), qRgb(127, 0, 128)) << "red to blue";
}

TEST(GradientEditor, typedSnapCounts) {
    Window w;
    for (const auto& [typed, marks] : {std::pair{"10", 11}, std::pair{"25", 26}, std::pair{"0", 26}, std::pair{"40", 26}}) {
        w.editor().typeSnapCount(QString::fromLatin1(typed));
        EXPECT_EQ(w.editor().snapMarks().size(), size_t(marks)) << typed;
    }
    w.editor().typeSnapCount(QStringLiteral("10"));
    EXPECT_EQ(w.editor().snapMarks()[1] - w.editor().snapMarks()[0], 400);
}

TEST(ColourPickers, slidersFollowAPressedPointerWithoutRecolouringItsStop) {
    Window w;
    w.engine->pointerPressed(2, Button::Left);
    EXPECT_EQ(w.engine->hscrColor[1], 255);
    EXPECT_EQ(w.engine->hscrColor[0], 0);
    EXPECT_EQ(w.editor().intSelPointer, 2);
    w.engine->setSlider(0, 200);
    EXPECT_EQ(w.engine->pickerColour, 200 + 256 * 255);
    EXPECT_EQ(w.engine->matrixPaintColor, w.engine->pickerColour);
    EXPECT_EQ(w.engine->txtColorDec[0], QStringLiteral("200"));
    EXPECT_EQ(w.engine->gradientStops[1].color, green) << "the stop keeps its colour";
    // A release on the palette picture hands the colour to the stop.
    w.engine->pickReleased(Button::Left);
    EXPECT_EQ(w.engine->gradientStops[1].color, 200 + 256 * 255);
    // From then on the sliders recolour it directly.
    w.engine->setSlider(2, 10);
    EXPECT_EQ(w.engine->gradientStops[1].color, 200 + 256 * 255 + 65536 * 10);
}

TEST(ColourPickers, numberBoxesKeepToTheSliderRange) {
    Window w;
    for (const auto& [typed, shown] : {std::pair{"300", "255"}, std::pair{"", "0"}, std::pair{"12", "12"}, std::pair{"a7", "7"}}) {
        w.engine->colourBoxTyped(0, QString::fromLatin1(typed));
        EXPECT_EQ(w.engine->txtColorDec[0], QString::fromLatin1(shown)) << typed;
        EXPECT_EQ(w.engine->hscrColor[0], QString::fromLatin1(shown).toInt()) << typed;
    }
}

TEST(ColourPickers, screenPicksAndTheSwatchsDialog) {
    Window w;
    // A press on the swatch, a drag over something red and the release.
    w.engine->pickedColour(red);
    EXPECT_EQ(w.engine->gradientStops[0].color, red) << "still the start colour";
    w.engine->pickedColour(-1); // unreadable: nothing changes
    w.engine->pickReleased(Button::Left);
    EXPECT_EQ(w.engine->pickerColour, red);
    EXPECT_EQ(w.engine->gradientStops[0].color, red);
    // The dialog cancelled leaves the colour; answered, it sets it.
    w.engine->PicColorPicker_Click();
    EXPECT_EQ(w.engine->pickerColour, red);
    w.t.prompts().colours.push_back(blue);
    w.engine->PicColorPicker_Click();
    EXPECT_EQ(w.engine->pickerColour, blue);
}

TEST(ColourPickers, theSharedDialogKeepsItsLastColourAfterCancel) {
    Window w;
    using Box = BrumalMatrixEngine::ColourBox;
    w.t.prompts().colours.push_back(red);
    w.engine->chooseBoxColour(Box::FontColour);
    EXPECT_EQ(w.engine->text.textColour, red);
    w.engine->chooseBoxColour(Box::BackColour); // cancelled
    EXPECT_EQ(w.engine->backColor, red);
    w.t.prompts().colours.push_back(white);
    w.engine->chooseBoxColour(Box::EffectBackground);
    EXPECT_EQ(w.engine->boxColour(Box::EffectBackground), white);
}

TEST(ColourPickers, rotationOptionsSetTheAnglesAndFrameCount) {
    Window w;
    struct Case {
        int32_t option, start, end;
        const char* frames;
    };
    for (const Case c : {Case{0, 0, 360, "20"}, Case{1, 360, 0, "20"}, Case{2, 0, 0, "2"}}) {
        w.engine->optRotate_Click(c.option);
        EXPECT_EQ(w.engine->rotationStart, c.start);
        EXPECT_EQ(w.engine->rotationEnd, c.end);
        EXPECT_EQ(w.engine->TxtNroFrames, QString::fromLatin1(c.frames));
    }
}

TEST(PixelPainting, cellsUnderTheMouseArePaintedAndTheFramesSentOnRelease) {
    Window w;
    patchMatrix(w.t.get().state, QStringLiteral("Stage"), 4, 3);
    w.engine->pickFirstMatrix(QStringLiteral("Stage"));
    w.engine->matrixCellWidth = 20;
    w.engine->matrixCellHeight = 20;
    w.engine->matrixCellGap = 2;
    // Cells lie every 22 pixels from the picture's corner.
    for (const auto& [x, column] : {std::pair{40.0, 1}, std::pair{20.0, 0}, std::pair{30.0, 1}, std::pair{5.0, 0},
                                    std::pair{87.0, 3}, std::pair{90.0, -1}, std::pair{-3.0, -1}})
        EXPECT_EQ(w.engine->cellIndexAt(x, 5), column) << x;
    EXPECT_EQ(w.engine->cellIndexAt(30, 50), 2 * 4 + 1);
    EXPECT_EQ(w.engine->cellIndexAt(30, 70), -1) << "below the last row";

    // No frame for the shown step: nothing painted, nothing sent.
    w.engine->effectAnimation = std::make_shared<ClsMatrix>();
    w.engine->lblStep = QStringLiteral("1");
    w.engine->paintReleased(30, 5, Button::Left);
    EXPECT_TRUE(w.playback->writes.empty());

    auto a = std::make_shared<ClsMatrix>();
    for (int k = 0; k < 2; ++k) {
        auto f = std::make_shared<ClsColours>();
        for (int i = 0; i < 12; ++i) f->SetColor(i, green);
        a->SetFrame(k, f);
    }
    w.engine->effectAnimation = a;
    w.engine->effect = BrumalMatrixEngine::Effect::Image;
    w.engine->lblStep = QStringLiteral("2");
    w.engine->matrixPaintColor = blue;
    w.engine->paintMoved(30, 5, Button::Left);
    w.engine->paintMoved(52, 5, Button::Right);
    EXPECT_TRUE(w.playback->writes.empty()) << "moving only paints";
    w.engine->paintReleased(5, 27, Button::Left);
    const FrameRef painted = a->GetFrame(1);
    EXPECT_EQ(painted->GetColor(1), blue);
    EXPECT_EQ(painted->GetColor(2), 0);
    EXPECT_EQ(painted->GetColor(4), blue);
    EXPECT_EQ(painted->GetColor(0), green);
    EXPECT_EQ(a->GetFrame(0)->GetColor(1), green) << "only the shown frame";
    EXPECT_EQ(w.engine->paintFrame, painted);
    EXPECT_EQ(w.playback->steps, 2) << "every frame went to the playback";
    EXPECT_EQ(w.playback->currentStep, 2) << "which shows the painted step";
}
