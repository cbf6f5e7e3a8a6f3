#pragma once
// The EEPROM image of an FTDI chip and its user area, worked out without
// touching a device: where the free space behind the USB string descriptors
// lies, and the new image (with its checksum) and the words to write when
// bytes are stored at the start of that space. Only chips whose layout is
// known here are accepted; anything else is refused rather than guessed.

#include <cstdint>
#include <optional>
#include <vector>

namespace ftdiEeprom {

// The FTDI chip families with a known EEPROM layout, and the rest.
enum class Chip { ft232am, ft232bm, ft2232c, ft232r, ft2232h, ft4232h, ft232h, other };

enum class Problem {
    none,
    unknownChip, // no known layout (FT-X series and newer chips)
    badImage,    // wrong size, checksum or string descriptors: blank or damaged EEPROM
    tooLarge,    // the bytes do not fit into the user area
};

// Byte offsets: the user area is [start, end); `end` is the checksum word.
struct UserArea {
    int start = 0;
    int end = 0;
    int size() const { return end - start; }
};

// The checksum the chip expects in the image's last word.
uint16_t checksum(const std::vector<uint8_t>& image);

// The user area of a valid image of this chip; `problem` says why not.
std::optional<UserArea> userArea(Chip chip, const std::vector<uint8_t>& image, Problem* problem = nullptr);

struct Write {
    std::vector<uint8_t> image; // the whole new image, checksum included
    std::vector<int> words;     // word indexes to send, in order, checksum word last
};

// Stores `count` bytes at the start of the user area. Words go out in
// even/odd pairs (the FT232R's internal EEPROM keeps a pair only when its odd
// word arrives), the pair holding the checksum last.
std::optional<Write> writeUserArea(Chip chip, const std::vector<uint8_t>& image, const uint8_t* data, int count,
                                   Problem* problem = nullptr);

} // namespace ftdiEeprom
