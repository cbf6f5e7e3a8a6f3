// Moving a fixture's levels inside a sequence file: a refused file is left
// byte for byte; a moved one keeps its length and carries the block whole.
#include "fuzzSupport.h"

#include "shortcuts/sequenceDataMove.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 8) return 0;
    // The first bytes choose the move; the rest is the file.
    const int32_t oldStart = int32_t(data[0] | (data[1] << 8)) % 600 - 40;
    const int32_t newStart = int32_t(data[2] | (data[3] << 8)) % 600 - 40;
    const int32_t length = int32_t(data[4] | (data[5] << 8)) % 600 - 40;
    const int32_t universe = int32_t(data[6]) % 6 - 1;
    const QByteArray before = fuzz::bytes(data + 8, size - 8);
    QByteArray bytes = before;
    QString reason;
    const auto result = sequenceDataMove::moveChannelBlock(bytes, oldStart, newStart, length, universe, &reason);
    if (result != sequenceDataMove::Result::moved) {
        fuzz::check(bytes == before, "a file that is not moved is left as it was");
        return 0;
    }
    fuzz::check(bytes.size() == before.size(), "a move keeps the file's length");
    // Record 0 is a step record of universe 1: there the block stands whole
    // at its new start.
    if (universe == 1) {
        for (int32_t k = 0; k < length; ++k)
            fuzz::check(bytes[newStart - 1 + k] == before[oldStart - 1 + k], "the block arrives whole");
    }
    return 0;
}
