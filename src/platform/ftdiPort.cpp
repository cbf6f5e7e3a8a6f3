#include "platform/ftdiPort.h"

#include "platform/ftdiEeprom.h"
#include "platform/ftdiWriter.h"

#include <libftdi1/ftdi.h>
#include <libusb.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QThread>
#include <algorithm>
#include <optional>
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
    // transmit count is 0 here (a libftdi write returns once the chip has the
    // bytes): the writer thread around this port counts what waits for it. A
    // device that no longer answers a modem-status poll reports an I/O error,
    // which is what the output counts to detect a lost interface.
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
        std::optional<ftdiEeprom::UserArea> area;
        const int32_t rc = loadUserArea(area);
        if (rc != ftStatus::ok) return rc;
        size = uint32_t(area->size());
        return ftStatus::ok;
    }

    int32_t userAreaRead(uint8_t* data, uint32_t size, uint32_t& got) override {
        got = 0;
        std::optional<ftdiEeprom::UserArea> area;
        const int32_t rc = loadUserArea(area);
        if (rc != ftStatus::ok) return rc;
        got = std::min<uint32_t>(size, uint32_t(area->size()));
        std::copy_n(image.begin() + area->start, got, data);
        return ftStatus::ok;
    }

    // libftdi's own word write refuses the checksummed first 128 words, which
    // is where the user area lies on the usual chips, so the words go out as
    // the vendor request that writer uses. The area is read back afterwards:
    // a write the chip did not keep is reported, not taken for success.
    int32_t userAreaWrite(const uint8_t* data, uint32_t size) override {
        int32_t rc = loadEeprom();
        if (rc != ftStatus::ok) return rc;
        if (size == 0) return ftStatus::ok;
        ftdiEeprom::Problem problem = ftdiEeprom::Problem::none;
        const auto plan = ftdiEeprom::writeUserArea(chip(), image, data, int(std::min<uint32_t>(size, 0x7FFFFFFF)), &problem);
        if (!plan) return statusOf(problem);
        for (int w : plan->words)
            if (!writeWord(w, uint16_t(plan->image[size_t(2 * w)] | (plan->image[size_t(2 * w + 1)] << 8))))
                return ftStatus::eepromWriteFailed;
        std::optional<ftdiEeprom::UserArea> area;
        rc = loadUserArea(area);
        if (rc != ftStatus::ok) return rc;
        if (!std::equal(data, data + size, image.begin() + area->start)) return ftStatus::eepromWriteFailed;
        return ftStatus::ok;
    }

private:
    ftdiEeprom::Chip chip() const {
        switch (ctx->type) {
        case TYPE_AM: return ftdiEeprom::Chip::ft232am;
        case TYPE_BM: return ftdiEeprom::Chip::ft232bm;
        case TYPE_2232C: return ftdiEeprom::Chip::ft2232c;
        case TYPE_R: return ftdiEeprom::Chip::ft232r;
        case TYPE_2232H: return ftdiEeprom::Chip::ft2232h;
        case TYPE_4232H: return ftdiEeprom::Chip::ft4232h;
        case TYPE_232H: return ftdiEeprom::Chip::ft232h;
        default: return ftdiEeprom::Chip::other;
        }
    }

    static int32_t statusOf(ftdiEeprom::Problem problem) {
        switch (problem) {
        case ftdiEeprom::Problem::none: return ftStatus::ok;
        case ftdiEeprom::Problem::unknownChip: return ftStatus::notSupported;
        case ftdiEeprom::Problem::badImage: return ftStatus::eepromReadFailed;
        case ftdiEeprom::Problem::tooLarge: return ftStatus::invalidParameter;
        }
        return ftStatus::otherError;
    }

    // The image as libftdi read it: 128 or 256 bytes (libftdi keeps no more);
    // a blank EEPROM has no size and is refused by the layout check.
    int32_t loadEeprom() {
        image.clear();
        if (chip() == ftdiEeprom::Chip::other) return ftStatus::notSupported;
        if (ftdi_read_eeprom(ctx) < 0) return ftStatus::eepromReadFailed;
        int chipSize = 0;
        if (ftdi_get_eeprom_value(ctx, CHIP_SIZE, &chipSize) < 0 || (chipSize != 128 && chipSize != 256))
            return ftStatus::eepromReadFailed;
        image.assign(size_t(chipSize), 0);
        if (ftdi_get_eeprom_buf(ctx, image.data(), chipSize) < 0) return ftStatus::eepromReadFailed;
        return ftStatus::ok;
    }

    int32_t loadUserArea(std::optional<ftdiEeprom::UserArea>& area) {
        const int32_t rc = loadEeprom();
        if (rc != ftStatus::ok) return rc;
        ftdiEeprom::Problem problem = ftdiEeprom::Problem::none;
        area = ftdiEeprom::userArea(chip(), image, &problem);
        return area ? ftStatus::ok : statusOf(problem);
    }

    bool writeWord(int i, uint16_t value) {
        if (!ctx->usb_dev) return false;
        // libftdi's FTDI_DEVICE_OUT_REQTYPE ors two enum types, which C++20
        // deprecates; the same request type, spelled as integers.
        constexpr uint8_t deviceOut = uint8_t(int(LIBUSB_REQUEST_TYPE_VENDOR) | int(LIBUSB_RECIPIENT_DEVICE) |
                                              int(LIBUSB_ENDPOINT_OUT));
        return libusb_control_transfer(ctx->usb_dev, deviceOut, SIO_WRITE_EEPROM_REQUEST, value,
                                       uint16_t(i), nullptr, 0, unsigned(std::max(ctx->usb_write_timeout, 100))) >= 0;
    }

    ftdi_context* ctx;
    int readTimeoutMs = 0;
    std::vector<uint8_t> image;
};

} // namespace

namespace {
// A device node the user may not open: the usual state on a system without
// our udev rule.
bool noPermission(libusb_device* dev) {
    const QString node = QStringLiteral("/dev/bus/usb/%1/%2")
                             .arg(libusb_get_bus_number(dev), 3, 10, QLatin1Char('0'))
                             .arg(libusb_get_device_address(dev), 3, 10, QLatin1Char('0'));
    const QByteArray path = node.toLocal8Bit();
    return ::access(path.constData(), F_OK) == 0 && ::access(path.constData(), R_OK | W_OK) != 0;
}
} // namespace

int32_t LibFtdiDriver::open(int deviceIndex, std::unique_ptr<FtdiPort>& port) {
    port.reset();
    problem.clear();
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
    if (rc < 0 && node && noPermission(node->dev))
        problem = QStringLiteral("No permission to open the USB-to-DMX interface: install the udev rule %1 "
                                 "(./run does this), then plug the interface in again")
                      .arg(QLatin1String(ftdiUdevRuleName));
    ftdi_list_free(&list);
    if (rc < 0) {
        ftdi_free(ctx);
        return ftStatus::deviceNotOpened;
    }
    port = withWriterThread(std::make_unique<LibFtdiPort>(ctx));
    return ftStatus::ok;
}

void LibFtdiDriver::sleepMs(int milliseconds) {
    if (milliseconds > 0) QThread::msleep(unsigned(milliseconds));
}
