// Gradients and picture rotation against hand-computed pixels.

#include "matrix/modGradient.h"
#include "matrix/modRotateImage.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

const std::vector<GradientStop> redGreenBlue{{255, 2}, {65280, 50}, {16711680, 98}, {0, -1}};

QRgb red() { return qRgb(255, 0, 0); }
QRgb green() { return qRgb(0, 255, 0); }
QRgb blue() { return qRgb(0, 0, 255); }

QImage picture(int w, int h) { return QImage(w, h, QImage::Format_RGB32); }

} // namespace

TEST(Gradient, splitsColoursInBlueGreenRedOrder) {
    const RGBParts magenta = modGradient::splitRGB(16711935);
    EXPECT_EQ(magenta.red, 255);
    EXPECT_EQ(magenta.green, 0);
    EXPECT_EQ(magenta.blue, 255);
    const RGBParts g = modGradient::splitRGB(65280);
    EXPECT_EQ(g.red, 0);
    EXPECT_EQ(g.green, 255);
    EXPECT_EQ(g.blue, 0);
}

TEST(Gradient, linearGradientsRunInTheDirectionOfTheirAngle) {
    struct Case {
        float angle;
        int w, h;
        QPoint firstStop, middle, lastStop; // where red, green and blue lie
        QPoint sameA, sameB;                // two pixels on one line of the gradient
    };
    const Case cases[] = {
        {0, 100, 20, {0, 10}, {50, 10}, {99, 10}, {30, 0}, {30, 19}},
        {180, 100, 20, {99, 10}, {49, 10}, {0, 10}, {30, 0}, {30, 19}},
        {90, 20, 100, {10, 0}, {10, 50}, {10, 99}, {0, 30}, {19, 30}},
        {270, 20, 100, {10, 99}, {10, 49}, {10, 0}, {0, 30}, {19, 30}},
        {45, 50, 50, {0, 0}, {25, 25}, {49, 49}, {20, 0}, {0, 20}},
    };
    for (const Case& c : cases) {
        QImage p = picture(c.w, c.h);
        EXPECT_EQ(modGradient::drawGradient(p, redGreenBlue, 0, c.angle, 0, 0), QString());
        EXPECT_EQ(p.pixel(c.firstStop), red()) << c.angle;
        EXPECT_EQ(p.pixel(c.lastStop), blue()) << c.angle;
        if (c.angle != 45) EXPECT_EQ(p.pixel(c.middle), green()) << c.angle;
        else EXPECT_GT(qGreen(p.pixel(c.middle)), 200) << c.angle;
        EXPECT_EQ(p.pixel(c.sameA), p.pixel(c.sameB)) << c.angle;
    }
}

TEST(Gradient, radialRingsRunFromTheFirstStopOutsideToTheLastAtTheCentre) {
    QImage p = picture(101, 51);
    const std::vector<GradientStop> stops{{255, 0}, {16711680, 100}, {0, -1}};
    EXPECT_EQ(modGradient::drawGradient(p, stops, 1, 0, 0, 0), QString());
    EXPECT_GT(qBlue(p.pixel(50, 25)), 240);
    EXPECT_LT(qRed(p.pixel(50, 25)), 15);
    for (QPoint corner : {QPoint(0, 0), QPoint(100, 0), QPoint(0, 50), QPoint(100, 50)})
        EXPECT_EQ(p.pixel(corner), red());
    // Half way out (radius 25 of R = 51) the colour is half way between.
    const QRgb half = p.pixel(75, 25);
    EXPECT_NEAR(qRed(half), 128, 8);
    EXPECT_NEAR(qBlue(half), 128, 8);
}

TEST(Gradient, aSingleStopFillsAndOtherModesOnlyClear) {
    QImage one = picture(10, 10);
    modGradient::drawGradient(one, {{65280, 40}, {0, -1}}, 0, 30, 0, 0);
    EXPECT_EQ(one.pixel(0, 9), green());
    EXPECT_EQ(one.pixel(9, 0), green());
    QImage spare = picture(10, 10);
    modGradient::drawGradient(spare, {{255, -1}}, 1, 0, 0, 0);
    EXPECT_EQ(spare.pixel(5, 5), red());
    QImage other = picture(10, 10);
    modGradient::drawGradient(other, redGreenBlue, 2, 0, 0, 0);
    EXPECT_EQ(other.pixel(5, 5), qRgb(0, 0, 0));
}

namespace {

// A 4 x 4 source, every pixel a colour of its own.
QImage source4() {
    QImage s = picture(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) s.setPixel(x, y, qRgb(10 + 40 * x, 10 + 40 * y, 100));
    return s;
}

QImage grey(int size) {
    QImage d = picture(size, size);
    d.fill(qRgb(50, 50, 50));
    return d;
}

using namespace ModRotateImage;

} // namespace

TEST(PictureRotation, unrotatedTheSourceIsCentredButForItsLastColumnAndRow) {
    const QImage src = source4();
    QImage dest = grey(9);
    // N = 5 (the diagonal 5.66 floored), corner (2, 2), source at the corner.
    ASSERT_TRUE(rotateImage(dest, 0, 4, 4, src, 16711935, fixedOne, fixedOne, absentPivot, absentPivot));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(dest.pixel(2 + x, 2 + y), src.pixel(x, y)) << x << "," << y;
    EXPECT_EQ(dest.pixel(5, 2), qRgb(50, 50, 50)) << "the last column never appears";
    EXPECT_EQ(dest.pixel(2, 5), qRgb(50, 50, 50)) << "nor the last row";
    EXPECT_EQ(dest.pixel(0, 0), qRgb(50, 50, 50));
}

TEST(PictureRotation, aQuarterTurnIsCounterClockwiseOnScreen) {
    const QImage src = source4();
    QImage dest = grey(9);
    ASSERT_TRUE(rotateImage(dest, toFixed(1.5708), 4, 4, src, 16711935, fixedOne, fixedOne, absentPivot, absentPivot));
    // The source's top row becomes the left column, its top-left pixel lowest.
    EXPECT_EQ(dest.pixel(2, 6), src.pixel(0, 0));
    EXPECT_EQ(dest.pixel(2, 5), src.pixel(1, 0));
    EXPECT_EQ(dest.pixel(3, 6), src.pixel(0, 1));
}

TEST(PictureRotation, keyColourAndOpacityLetTheBackgroundThrough) {
    QImage src = source4();
    src.setPixel(1, 1, qRgb(255, 0, 255));
    QImage dest = grey(9);
    ASSERT_TRUE(rotateImage(dest, 0, 4, 4, src, 16711935, fixedOne, fixedOne, absentPivot, absentPivot));
    EXPECT_EQ(dest.pixel(3, 3), qRgb(50, 50, 50));

    QImage faded = grey(9);
    ASSERT_TRUE(rotateImage(faded, 0, 4, 4, source4(), 16711935, fixedOne / 2, fixedOne, absentPivot, absentPivot));
    // (10 x 0.5 + 50 x 0.5, 10 x 0.5 + 50 x 0.5, 100 x 0.5 + 50 x 0.5)
    EXPECT_EQ(faded.pixel(2, 2), qRgb(30, 30, 75));

    QImage none = grey(9);
    ASSERT_TRUE(rotateImage(none, 0, 4, 4, source4(), 16711935, 0, fixedOne, absentPivot, absentPivot));
    EXPECT_EQ(none, grey(9));
}

TEST(PictureRotation, scaleTwoDoublesThePictureAboutItsPivot) {
    const QImage src = source4();
    QImage dest = grey(20);
    // N = 10, corner (5, 5), source origin at (8, 8); pivot (2, 2).
    ASSERT_TRUE(rotateImage(dest, 0, 10, 10, src, 16711935, fixedOne, 2 * fixedOne, absentPivot, absentPivot));
    EXPECT_EQ(dest.pixel(6, 6), src.pixel(0, 0));
    EXPECT_EQ(dest.pixel(8, 8), src.pixel(1, 1));
    // Half way between two source pixels the colours mix.
    EXPECT_EQ(dest.pixel(7, 6), qRgb(30, 10, 100));
    EXPECT_FALSE(rotateImage(dest, 0, 10, 10, src, 16711935, fixedOne, 0, absentPivot, absentPivot));
    EXPECT_FALSE(rotateImage(dest, 0, 10, 10, src, 16711935, 2 * fixedOne, fixedOne, absentPivot, absentPivot))
        << "an opacity above 1 overflows a byte";
}
