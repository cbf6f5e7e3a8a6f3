#include "platform/ftdiPort.h"

#include <libftdi1/ftdi.h>
#include <libusb.h>

#include <QElapsedTimer>
#include <QThread>
#include <algorithm>
#include <vector>

namespace {

// One open device over libftdi. libftdi has no transmit queue of its own
// (a write returns once the bytes are handed to the chip), no waiting read
// and no user-area calls; the closest behaviour is built here.
class LibFtdiPort final : public FtdiPort {
public:
    explicit LibFtdiPort(ftdi_context* c) : ctx(c) {}
    ~LibFtdiPort() override {
        ftdi_usb_close(ctx);
        ftdi_free(ctx);
    }

    int32_t setTimeouts(uint32_t readMs, uint32_t writeMs) override {
        readTimeoutMs = int(std::min<uint32_t>(readMs, 60000));
        ctx->usb_read_timeout = std::max(readTimeoutMs, 1);
        ctx->usb_write_timeout = int(std::clamp<uint32_t>(writeMs, 1, 60000));
        return ftStatus::ok;
    }

    int32_t write(const uint8_t* data, uint32_t count, uint32_t& written) override {
        written = 0;
        const int rc = ftdi_write_data(ctx, data, int(count));
        if (rc < 0) return ftStatus::ioError;
        written = uint32_t(rc);
        return ftStatus::ok;
    }

    // ftdi_read_data answers at once with what the chip has; waiting for the
    // rest up to the read time-out is done here. Each empty answer takes the
    // chip's latency time, so the loop does not spin.
    int32_t read(uint8_t* data, uint32_t count, uint32_t& got) override {
        got = 0;
        QElapsedTimer timer;
        timer.start();
        while (got < count) {
            const int rc = ftdi_read_data(ctx, data + got, int(count - got));
            if (rc < 0) return ftStatus::ioError;
            got += uint32_t(rc);
            if (got >= count || timer.elapsed() >= readTimeoutMs) break;
            if (rc == 0) QThread::msleep(1);
        }
        return ftStatus::ok;
    }

    int32_t purge(uint32_t mask) override {
        if ((mask & ftPurge::rx) && ftdi_tciflush(ctx) < 0) return ftStatus::ioError;
        if ((mask & ftPurge::tx) && ftdi_tcoflush(ctx) < 0) return ftStatus::ioError;
        return ftStatus::ok;
    }

    // The receive count is what libftdi has fetched but not handed out; the
    // transmit count is always 0 (writes are synchronous). A device that no
    // longer answers a modem-status poll reports an I/O error, which is what
    // the output counts to detect a lost interface.
    int32_t getStatus(uint32_t& rxQueue, uint32_t& txQueue, uint32_t& events) override {
        rxQueue = ctx->readbuffer_remaining;
        txQueue = 0;
        events = 0;
        unsigned short modem = 0;
        if (ftdi_poll_modem_status(ctx, &modem) < 0) return ftStatus::ioError;
        return ftStatus::ok;
    }

    int32_t resetDevice() override { return ftdi_usb_reset(ctx) < 0 ? ftStatus::ioError : ftStatus::ok; }

    int32_t userAreaSize(uint32_t& size) override {
        size = 0;
        int32_t rc = loadEeprom();
        if (rc != ftStatus::ok) return rc;
        size = uint32_t(userEnd - userStart);
        return ftStatus::ok;
    }

    int32_t userAreaRead(uint8_t* data, uint32_t size, uint32_t& got) override {
        got = 0;
        int32_t rc = loadEeprom();
        if (rc != ftStatus::ok) return rc;
        got = std::min<uint32_t>(size, uint32_t(userEnd - userStart));
        std::copy_n(image.begin() + userStart, got, data);
        return ftStatus::ok;
    }

    // libftdi's own word write refuses the checksummed first 128 words, which
    // is where the user area lies on the usual chips, so the words go out as
    // the vendor request that writer uses. Words are written in even/odd
    // pairs (the FT232R's internal EEPROM only stores a pair when its odd
    // word arrives), then the pair holding the checksum. The area is read
    // back afterwards: a write the chip did not keep is reported, not taken
    // for success.
    int32_t userAreaWrite(const uint8_t* data, uint32_t size) override {
        int32_t rc = loadEeprom();
        if (rc != ftStatus::ok) return rc;
        if (size > uint32_t(userEnd - userStart)) return ftStatus::invalidParameter;
        if (size == 0) return ftStatus::ok;
        std::copy_n(data, size, image.begin() + userStart);
        const int words = int(image.size() / 2);
        uint16_t checksum = 0xAAAA;
        for (int i = 0; i < words - 1; ++i) {
            checksum ^= word(i);
            checksum = uint16_t((checksum << 1) | (checksum >> 15));
        }
        image[2 * (words - 1)] = uint8_t(checksum & 0xFF);
        image[2 * (words - 1) + 1] = uint8_t(checksum >> 8);

        const int firstWord = (userStart / 2) & ~1;
        const int lastWord = ((userStart + int(size) - 1) / 2) | 1;
        for (int i = firstWord; i <= lastWord && i < words - 2; ++i)
            if (!writeWord(i)) return ftStatus::eepromWriteFailed;
        if (!writeWord(words - 2) || !writeWord(words - 1)) return ftStatus::eepromWriteFailed;

        const std::vector<uint8_t> written(image.begin() + userStart, image.begin() + userStart + size);
        rc = loadEeprom();
        if (rc != ftStatus::ok) return rc;
        if (!std::equal(written.begin(), written.end(), image.begin() + userStart)) return ftStatus::eepromWriteFailed;
        return ftStatus::ok;
    }

private:
    // The user area is the free space between the end of the USB string
    // descriptors and the checksum word. The FT-X series keeps its EEPROM
    // differently and is not supported here.
    static constexpr int libftdiEepromBytes = 256;

    int32_t loadEeprom() {
        if (ctx->type == TYPE_230X) return ftStatus::notSupported;
        if (ftdi_read_eeprom(ctx) < 0) return ftStatus::eepromReadFailed;
        ftdi_eeprom_decode(ctx, 0);
        int chipSize = 0;
        if (ftdi_get_eeprom_value(ctx, CHIP_SIZE, &chipSize) < 0 || chipSize <= 0) chipSize = 128;
        // libftdi keeps at most 256 bytes of the EEPROM: a larger size from the
        // chip would leave the user area and checksum worked out over zeros.
        chipSize = std::clamp(chipSize, 128, libftdiEepromBytes);
        image.assign(size_t(chipSize), 0);
        if (ftdi_get_eeprom_buf(ctx, image.data(), chipSize) < 0) return ftStatus::eepromReadFailed;
        const int mask = chipSize > 128 ? 0xFF : 0x7F;
        int end = 0x18;
        for (int p = 0x0E; p <= 0x12; p += 2) end = std::max(end, (image[p] & mask) + image[p + 1]);
        userStart = std::min(end + (end & 1), chipSize - 2);
        userEnd = chipSize - 2;
        return ftStatus::ok;
    }

    uint16_t word(int i) const { return uint16_t(image[size_t(2 * i)] | (image[size_t(2 * i + 1)] << 8)); }
    bool writeWord(int i) {
        if (!ctx->usb_dev) return false;
        // libftdi's FTDI_DEVICE_OUT_REQTYPE ors two enum types, which C++20
        // deprecates; the same request type, spelled as integers.
        constexpr uint8_t deviceOut = uint8_t(int(LIBUSB_REQUEST_TYPE_VENDOR) | int(LIBUSB_RECIPIENT_DEVICE) |
                                              int(LIBUSB_ENDPOINT_OUT));
        return libusb_control_transfer(ctx->usb_dev, deviceOut, SIO_WRITE_EEPROM_REQUEST, word(i),
                                       uint16_t(i), nullptr, 0, unsigned(std::max(ctx->usb_write_timeout, 100))) >= 0;
    }

    ftdi_context* ctx;
    int readTimeoutMs = 0;
    std::vector<uint8_t> image;
    int userStart = 0, userEnd = 0;
};

} // namespace

int32_t LibFtdiDriver::open(int deviceIndex, std::unique_ptr<FtdiPort>& port) {
    port.reset();
    if (deviceIndex < 0) return ftStatus::deviceNotFound;
    ftdi_context* ctx = ftdi_new();
    if (!ctx) return ftStatus::insufficientResources;
    ftdi_device_list* list = nullptr;
    const int count = ftdi_usb_find_all(ctx, &list, 0, 0); // 0, 0: every standard FTDI id
    if (count <= deviceIndex) {
        ftdi_list_free(&list);
        ftdi_free(ctx);
        return ftStatus::deviceNotFound;
    }
    ftdi_device_list* node = list;
    for (int i = 0; i < deviceIndex && node; ++i) node = node->next;
    const int rc = node ? ftdi_usb_open_dev(ctx, node->dev) : -1;
    ftdi_list_free(&list);
    if (rc < 0) {
        ftdi_free(ctx);
        return ftStatus::deviceNotOpened;
    }
    port = std::make_unique<LibFtdiPort>(ctx);
    return ftStatus::ok;
}

void LibFtdiDriver::sleepMs(int milliseconds) {
    if (milliseconds > 0) QThread::msleep(unsigned(milliseconds));
}
