#include "audio/AudioFFT.h"
#include "audioFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {
// 512 samples followed by 512 zeros, as capture hands them to the transform.
std::array<int16_t, 1024> padded(const std::vector<int16_t>& s) {
    std::array<int16_t, 1024> a{};
    std::copy(s.begin(), s.end(), a.begin());
    return a;
}
std::array<float, 1024> transform(const std::vector<int16_t>& s) {
    AudioFFT fft;
    fft.initBitReverseTable();
    std::array<float, 1024> out{};
    fft.computeFFT(padded(s), out);
    return out;
}
size_t peakBin(const std::array<float, 1024>& re) {
    size_t best = 1;
    for (size_t k = 1; k < 512; ++k)
        if (std::fabs(re[k]) > std::fabs(re[best])) best = k;
    return best;
}
} // namespace

TEST(AudioFFT, bitReversalOfTenBits) {
    struct Case { int32_t index; uint8_t bits; int32_t reversed; };
    for (const Case c : {Case{0, 10, 0}, Case{1, 10, 512}, Case{3, 10, 768}, Case{512, 10, 1}, Case{1023, 10, 1023},
                         Case{6, 3, 3}, Case{1024 + 1, 10, 512}})
        EXPECT_EQ(AudioFFT::reverseBits(c.index, c.bits), c.reversed) << c.index;
}

TEST(AudioFFT, aToneLandsInItsBinWithTheRealPartsOfTheForwardTransform) {
    for (const double bin : {6.0, 10.0, 37.0, 100.0, 255.0, 480.0}) {
        const std::vector<int16_t> s = audioTest::cosineAtBin(bin, 12000);
        const std::array<float, 1024> re = transform(s);
        EXPECT_EQ(peakBin(re), size_t(bin)) << bin;
        // Against a plain double-precision transform, bin by bin.
        for (size_t k : {size_t(0), size_t(bin) - 1, size_t(bin), size_t(bin) + 1, size_t(700)}) {
            double expected = 0;
            for (size_t n = 0; n < 512; ++n) expected += s[n] * std::cos(2 * M_PI * double(k * n) / 1024.0);
            EXPECT_NEAR(re[k], expected, 1e-4 * 256 * 12000) << bin << " bin " << k;
        }
    }
}

TEST(AudioFFT, aConstantInputGivesItsSumAtZeroAndEqualOddBins) {
    // 512 samples of c then zeros: bin 0 is 512 c, every odd bin c, every
    // other even bin 0 (the band sums of the beat detector rely on it).
    const std::array<float, 1024> re = transform(audioTest::constant(1000));
    EXPECT_NEAR(re[0], 512'000, 1);
    for (size_t k : {1, 7, 9, 13, 255, 1023}) EXPECT_NEAR(re[k], 1000, 2) << k;
    for (size_t k : {2, 8, 10, 512}) EXPECT_NEAR(re[k], 0, 2) << k;
    const std::array<float, 1024> silent = transform(audioTest::silence());
    EXPECT_TRUE(std::all_of(silent.begin(), silent.end(), [](float v) { return v == 0.0f; }));
}
