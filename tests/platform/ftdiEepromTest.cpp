// The EEPROM user area against images built by libftdi itself for each chip
// type it knows, so the layout and checksum are checked by an independent
// reader and writer of the format.

#include "platform/ftdiEeprom.h"

#include <gtest/gtest.h>
#include <libftdi1/ftdi.h>

#include <cstring>
#include <string>

namespace {

using ftdiEeprom::Chip;
using ftdiEeprom::Problem;

// A libftdi context that builds and decodes images without a device. libftdi
// only asks that a device handle be present for the string set-up; it never
// uses it there, so a placeholder stands in and is removed before the free.
struct LibFtdiImage {
    ftdi_context* ctx = ftdi_new();
    int placeholder = 0;

    LibFtdiImage(ftdi_chip_type type, int eepromChip) {
        ctx->type = type;
        ctx->usb_dev = reinterpret_cast<libusb_device_handle*>(&placeholder);
        EXPECT_EQ(ftdi_eeprom_initdefaults(ctx, const_cast<char*>("Varnel"), const_cast<char*>("USB-DMX"),
                                           const_cast<char*>("VD000123")),
                  0);
        EXPECT_EQ(ftdi_set_eeprom_value(ctx, CHIP_TYPE, eepromChip), 0);
        // The last byte behind the serial number string is set, so a user
        // area that started too early would be seen.
        EXPECT_EQ(ftdi_set_eeprom_value(ctx, IS_NOT_PNP, 1), 0);
        EXPECT_GE(ftdi_eeprom_build(ctx), 0);
    }
    ~LibFtdiImage() {
        ctx->usb_dev = nullptr;
        ftdi_free(ctx);
    }
    std::vector<uint8_t> image() const {
        int size = 0;
        ftdi_get_eeprom_value(ctx, CHIP_SIZE, &size);
        std::vector<uint8_t> out(size_t(size), 0);
        ftdi_get_eeprom_buf(ctx, out.data(), size);
        return out;
    }
    // libftdi's decode of an image: false on a checksum error.
    bool decodes(const std::vector<uint8_t>& image) {
        ftdi_set_eeprom_buf(ctx, image.data(), int(image.size()));
        return ftdi_eeprom_decode(ctx, 0) == 0;
    }
    std::string strings() {
        char m[64] = {}, p[64] = {}, s[64] = {};
        ftdi_eeprom_get_strings(ctx, m, sizeof m, p, sizeof p, s, sizeof s);
        return std::string(m) + "|" + p + "|" + s;
    }
};

struct ChipCase {
    const char* name;
    ftdi_chip_type type;
    Chip chip;
    int eepromChip; // 0x46: 93C46 (128 bytes), 0x56: 93C56 (256 bytes)
    int userStart;  // where the free space behind the strings begins
    int userSize;   // up to the checksum word
};

// Strings "Varnel", "USB-DMX", "VD000123" take 48 bytes; from the FT2232C on
// three bytes of port name and plug-and-play flags follow them.
const ChipCase chips[] = {
    {"FT232AM", TYPE_AM, Chip::ft232am, 0x46, 0x44, 0x3A},
    {"FT232BM", TYPE_BM, Chip::ft232bm, 0x46, 0x44, 0x3A},
    {"FT232BM 93C56", TYPE_BM, Chip::ft232bm, 0x56, 0xC4, 0x3A},
    {"FT2232C", TYPE_2232C, Chip::ft2232c, 0x46, 0x4A, 0x34},
    {"FT2232C 93C56", TYPE_2232C, Chip::ft2232c, 0x56, 0xCA, 0x34},
    {"FT232R", TYPE_R, Chip::ft232r, 0x46, 0x4C, 0x32},
    {"FT2232H", TYPE_2232H, Chip::ft2232h, 0x46, 0x4E, 0x30},
    {"FT2232H 93C56", TYPE_2232H, Chip::ft2232h, 0x56, 0xCE, 0x30},
    {"FT4232H", TYPE_4232H, Chip::ft4232h, 0x46, 0x4E, 0x30},
    {"FT4232H 93C56", TYPE_4232H, Chip::ft4232h, 0x56, 0xCE, 0x30},
    {"FT232H", TYPE_232H, Chip::ft232h, 0x46, 0x54, 0x2A},
    {"FT232H 93C56", TYPE_232H, Chip::ft232h, 0x56, 0xD4, 0x2A},
};

TEST(FtdiEeprom, TheUserAreaLiesBehindTheStringsOfEveryKnownChip) {
    for (const ChipCase& c : chips) {
        SCOPED_TRACE(c.name);
        LibFtdiImage lib(c.type, c.eepromChip);
        const auto image = lib.image();
        const auto area = ftdiEeprom::userArea(c.chip, image);
        ASSERT_TRUE(area);
        EXPECT_EQ(area->start, c.userStart);
        EXPECT_EQ(area->size(), c.userSize);
        EXPECT_EQ(area->end, int(image.size()) - 2);
        EXPECT_NE(image[size_t(area->start - 1)] | image[size_t(area->start - 2)], 0); // the strings end here
    }
}

TEST(FtdiEeprom, AUniverseRecordWrittenKeepsEverythingElseAndAValidChecksum) {
    const uint8_t record[] = {'0', '0', '0', '2'};
    for (const ChipCase& c : chips) {
        SCOPED_TRACE(c.name);
        LibFtdiImage lib(c.type, c.eepromChip);
        const auto before = lib.image();
        const std::string strings = lib.strings();
        const auto write = ftdiEeprom::writeUserArea(c.chip, before, record, 4);
        ASSERT_TRUE(write);
        const auto& after = write->image;
        ASSERT_EQ(after.size(), before.size());
        const size_t checksumAt = after.size() - 2;
        for (size_t i = 0; i < after.size(); ++i) {
            if (i >= size_t(c.userStart) && i < size_t(c.userStart) + 4) {
                EXPECT_EQ(after[i], record[i - size_t(c.userStart)]) << "byte " << i;
            } else if (i < checksumAt) {
                EXPECT_EQ(after[i], before[i]) << "byte " << i;
            }
        }
        EXPECT_NE(after[checksumAt] | (after[checksumAt + 1] << 8), before[checksumAt] | (before[checksumAt + 1] << 8));
        EXPECT_TRUE(lib.decodes(after)); // libftdi finds no checksum error
        EXPECT_EQ(lib.strings(), strings);
        EXPECT_TRUE(ftdiEeprom::userArea(c.chip, after)); // and reads back as valid here

        // Every changed word is sent, in even/odd pairs, the checksum pair last.
        const auto& words = write->words;
        ASSERT_GE(words.size(), 4u);
        const int checksumWord = int(after.size() / 2) - 1;
        EXPECT_EQ(words[words.size() - 2], checksumWord - 1);
        EXPECT_EQ(words.back(), checksumWord);
        for (size_t k = 0; k + 2 < words.size(); k += 2) {
            EXPECT_EQ(words[k] % 2, 0);
            EXPECT_EQ(words[k + 1], words[k] + 1);
        }
        for (int w = 0; w < checksumWord; ++w) {
            const bool changed = after[size_t(2 * w)] != before[size_t(2 * w)] ||
                                 after[size_t(2 * w + 1)] != before[size_t(2 * w + 1)];
            if (changed) {
                EXPECT_NE(std::find(words.begin(), words.end(), w), words.end()) << "word " << w;
            }
        }
    }
}

TEST(FtdiEeprom, TheChecksumIsTheOneLibftdiWrites) {
    for (const ChipCase& c : chips) {
        SCOPED_TRACE(c.name);
        LibFtdiImage lib(c.type, c.eepromChip);
        const auto image = lib.image();
        const size_t at = image.size() - 2;
        EXPECT_EQ(ftdiEeprom::checksum(image), uint16_t(image[at] | (image[at + 1] << 8)));
    }
}

TEST(FtdiEeprom, WhatIsNotKnownIsRefused) {
    LibFtdiImage r(TYPE_R, 0x46);
    const auto good = r.image();
    auto damaged = good;
    damaged[0x30] ^= 0x01; // the checksum no longer matches
    auto badString = good;
    badString[0x0F] = 0x70; // a manufacturer string running into the checksum
    std::vector<uint8_t> blank(128, 0xFF);
    std::vector<uint8_t> tooSmall(good.begin(), good.begin() + 64);
    std::vector<uint8_t> wrongSize = good;
    wrongSize.resize(256, 0); // the FT232R keeps 128 bytes
    const struct {
        const char* name;
        Chip chip;
        std::vector<uint8_t> image;
        Problem problem;
    } cases[] = {
        {"FT-X and newer chips", Chip::other, good, Problem::unknownChip},
        {"blank EEPROM", Chip::ft232r, blank, Problem::badImage},
        {"damaged image", Chip::ft232r, damaged, Problem::badImage},
        {"string beyond the image", Chip::ft232r, badString, Problem::badImage},
        {"64-byte image", Chip::ft232r, tooSmall, Problem::badImage},
        {"FT232R with 256 bytes", Chip::ft232r, wrongSize, Problem::badImage},
    };
    const uint8_t data[] = {'1'};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Problem problem = Problem::none;
        EXPECT_FALSE(ftdiEeprom::userArea(c.chip, c.image, &problem));
        EXPECT_EQ(problem, c.problem);
        EXPECT_FALSE(ftdiEeprom::writeUserArea(c.chip, c.image, data, 1, &problem));
        EXPECT_EQ(problem, c.problem);
    }
}

TEST(FtdiEeprom, BytesBeyondTheUserAreaAreRefused) {
    LibFtdiImage lib(TYPE_R, 0x46);
    const auto image = lib.image();
    const std::vector<uint8_t> fits(0x32, 'x'), beyond(0x33, 'x');
    EXPECT_TRUE(ftdiEeprom::writeUserArea(Chip::ft232r, image, fits.data(), int(fits.size())));
    Problem problem = Problem::none;
    EXPECT_FALSE(ftdiEeprom::writeUserArea(Chip::ft232r, image, beyond.data(), int(beyond.size()), &problem));
    EXPECT_EQ(problem, Problem::tooLarge);
}

} // namespace
