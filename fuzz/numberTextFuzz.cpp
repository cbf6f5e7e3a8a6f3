// Numbers in text: the leading value of any text and its 16-bit forms.
#include "fuzzSupport.h"

#include "shell/numberText.h"

#include <cmath>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(fuzz::bytes(data, size));
    const double value = numberText::leadingValue(text);
    const std::optional<int16_t> exact = numberText::toInt16(value);
    const int16_t clamped = numberText::clampInt16(value);
    if (exact) fuzz::check(*exact == clamped, "a value that fits is not clamped");
    const QString trimmed = numberText::trimBlanks(text);
    fuzz::check(numberText::trimBlanks(trimmed) == trimmed, "trimming twice changes nothing");
    long long whole = 0;
    std::memcpy(&whole, data, std::min(size, sizeof whole));
    numberText::signed_(whole);
    return 0;
}
