#pragma once
// The 1,024-point transform of the audio trigger: radix 2, decimation in
// time, single precision, the twiddle factors from a recurrence (two sines
// per stage), no window and no scaling. Only the real parts are handed out;
// for real input they equal those of the usual forward transform. The
// beat thresholds were tuned on exactly these numbers, which is why this is
// not a library transform.

#include <array>
#include <cstdint>

class AudioFFT {
public:
    static constexpr int size = 1024;
    static constexpr int bits = 10;

    // Fills the bit-reversal table; done once, before the first transform.
    void initBitReverseTable();
    // index with its low numBits bits in reverse order.
    static int32_t reverseBits(int32_t index, uint8_t numBits);
    // The transform of samples[0..1023] into realOut[0..1023].
    void computeFFT(const std::array<int16_t, size>& samples, std::array<float, size>& realOut);

private:
    std::array<int32_t, size> bitReverseTable{};
    std::array<float, size> fftImag{};
};
