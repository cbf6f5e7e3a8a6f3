#include "audio/AudioFFT.h"

#include <cmath>

void AudioFFT::initBitReverseTable() {
    for (int32_t i = 0; i < size; ++i) bitReverseTable[size_t(i)] = reverseBits(i, bits);
}

int32_t AudioFFT::reverseBits(int32_t index, uint8_t numBits) {
    int32_t result = 0;
    for (int b = 0; b < numBits; ++b) {
        result = result * 2 + (index & 1);
        index /= 2;
    }
    return result;
}

void AudioFFT::computeFFT(const std::array<int16_t, size>& samples, std::array<float, size>& re) {
    std::array<float, size>& im = fftImag;
    for (size_t i = 0; i < size; ++i) {
        const size_t j = size_t(bitReverseTable[i]);
        re[j] = float(samples[i]);
        im[j] = 0.0f;
    }
    int half = 1;
    for (int blockSize = 2; blockSize <= size; blockSize *= 2) {
        const float delta = 6.283185f / float(blockSize);
        const float s = std::sin(delta * 0.5f);
        const float alpha = 2.0f * s * s;
        const float beta = std::sin(delta);
        for (int i = 0; i < size; i += blockSize) {
            float wr = 1.0f, wi = 0.0f;
            size_t j = size_t(i);
            for (int n = 0; n < half; ++n, ++j) {
                const size_t k = j + size_t(half);
                const float tr = wr * re[k] - wi * im[k];
                const float ti = wr * im[k] + wi * re[k];
                re[k] = re[j] - tr;
                im[k] = im[j] - ti;
                re[j] = re[j] + tr;
                im[j] = im[j] + ti;
                const float d = alpha * wr + beta * wi;
                wi = wi - (alpha * wi - beta * wr);
                wr = wr - d;
            }
        }
        half = blockSize;
    }
}
