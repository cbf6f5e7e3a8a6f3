#include "platform/ftdiEeprom.h"

#include <algorithm>

namespace ftdiEeprom {

namespace {

// Where each chip's configuration bytes end in a 128-byte image; the string
// descriptors may not start before it.
int configEnd(Chip chip) {
    switch (chip) {
    case Chip::ft232am:
    case Chip::ft232bm: return 0x14;
    case Chip::ft2232c: return 0x16;
    case Chip::ft232r: return 0x18;
    case Chip::ft2232h:
    case Chip::ft4232h: return 0x1A;
    case Chip::ft232h: return 0x20;
    case Chip::other: break;
    }
    return -1;
}

bool sizeFits(Chip chip, size_t size) {
    if (chip == Chip::ft232r || chip == Chip::ft232am) return size == 128; // internal / 93C46 only
    return size == 128 || size == 256;
}

uint16_t wordAt(const std::vector<uint8_t>& image, size_t i) {
    return uint16_t(image[2 * i] | (image[2 * i + 1] << 8));
}

void fail(Problem* problem, Problem p) {
    if (problem) *problem = p;
}

} // namespace

uint16_t checksum(const std::vector<uint8_t>& image) {
    uint16_t sum = 0xAAAA;
    const size_t words = image.size() / 2;
    for (size_t i = 0; i + 1 < words; ++i) {
        sum ^= wordAt(image, i);
        sum = uint16_t((sum << 1) | (sum >> 15));
    }
    return sum;
}

std::optional<UserArea> userArea(Chip chip, const std::vector<uint8_t>& image, Problem* problem) {
    fail(problem, Problem::none);
    const int headerEnd = configEnd(chip);
    if (headerEnd < 0) {
        fail(problem, Problem::unknownChip);
        return std::nullopt;
    }
    if (!sizeFits(chip, image.size()) || wordAt(image, image.size() / 2 - 1) != checksum(image)) {
        fail(problem, Problem::badImage);
        return std::nullopt;
    }
    const int size = int(image.size());
    const int mask = size - 1; // offsets carry 0x80 and wrap on 128-byte parts
    const int checksumAt = size - 2;
    int end = headerEnd;
    // Manufacturer, product, serial: offset and length at 0x0E/0x0F, 0x10/0x11,
    // 0x12/0x13. Each must be a string descriptor (length, type 3) that lies
    // between the configuration bytes and the checksum.
    for (int field = 0x0E; field <= 0x12; field += 2) {
        const int at = image[size_t(field)] & mask;
        const int length = image[size_t(field + 1)];
        if (length < 2 || at < headerEnd || at + length > checksumAt || image[size_t(at)] != length ||
            image[size_t(at + 1)] != 0x03) {
            fail(problem, Problem::badImage);
            return std::nullopt;
        }
        int last = at + length;
        // From the FT2232C on, three bytes of legacy port name and plug-and-play
        // flags follow the serial number string.
        if (field == 0x12 && chip != Chip::ft232am && chip != Chip::ft232bm) last += 3;
        end = std::max(end, last);
    }
    end += end & 1;
    if (end > checksumAt) {
        fail(problem, Problem::badImage);
        return std::nullopt;
    }
    return UserArea{end, checksumAt};
}

std::optional<Write> writeUserArea(Chip chip, const std::vector<uint8_t>& image, const uint8_t* data, int count,
                                   Problem* problem) {
    const auto area = userArea(chip, image, problem);
    if (!area) return std::nullopt;
    if (count < 0 || count > area->size()) {
        fail(problem, Problem::tooLarge);
        return std::nullopt;
    }
    Write out;
    out.image = image;
    std::copy_n(data, count, out.image.begin() + area->start);
    const uint16_t sum = checksum(out.image);
    const int checksumWord = int(image.size() / 2) - 1;
    out.image[size_t(2 * checksumWord)] = uint8_t(sum & 0xFF);
    out.image[size_t(2 * checksumWord + 1)] = uint8_t(sum >> 8);
    if (count > 0) {
        const int firstWord = (area->start / 2) & ~1;
        const int lastWord = ((area->start + count - 1) / 2) | 1;
        for (int w = firstWord; w <= lastWord && w < checksumWord - 1; ++w) out.words.push_back(w);
    }
    out.words.push_back(checksumWord - 1);
    out.words.push_back(checksumWord);
    return out;
}

} // namespace ftdiEeprom
