#include "output/clsCorvellDongle.h"


#include "platform/ftdiPort.h"
#include "platform/outputClock.h"
#include "platform/prompts.h"
#include "platform/text1252.h"
#include "shell/numberText.h"
#include "shell/shell.h"

#include <QtGlobal>
#include <algorithm>
#include <cmath>

namespace {

// Interface commands.
constexpr uint8_t cmdOutputFrame = 0x02;
constexpr uint8_t cmdSwitchToInput = 0x03;
constexpr uint8_t cmdSerialQuery = 0x04;
constexpr uint8_t cmdTimingQuery = 0x08;
constexpr uint8_t cmdTimingWrite = 0x09;

// One timing unit is 2 microseconds; these are the DMX standard times that
// the interface takes as unit 0.
constexpr int32_t baseBreakToBreak = 1204;
constexpr int32_t baseBreak = 176;
constexpr int32_t baseMarkAfterBreak = 20;

constexpr uint32_t frameSlots = 512;
constexpr uint32_t frameSize = frameSlots + 3;
// Frames are written only while less than one frame waits to be sent, so
// late frames are dropped rather than queued.
constexpr uint32_t txQueueLimit = 511;
constexpr uint32_t rxPurgeThreshold = 515;

int32_t roundHalfEven(double v) { return int32_t(std::nearbyint(v)); }

// A negative unit count is stored as 255 + count; the reader takes any byte
// above 128 as negative. Counts are kept where that reads back the same.
uint8_t encodeSignedUnits(int32_t units) {
    units = std::clamp(units, -126, 128);
    return uint8_t(units < 0 ? units + 255 : units);
}
int32_t decodeSignedUnits(uint8_t b) { return b > 128 ? int32_t(b) - 255 : int32_t(b); }

uint8_t toByte(int32_t v) { return uint8_t(std::clamp(v, 0, 255)); }

} // namespace

clsCorvellDongle::clsCorvellDongle() = default;
clsCorvellDongle::~clsCorvellDongle() = default;

// Everything but output frames is said to the device directly, so the
// output clock is kept off the line until the next frame is published (a
// frame it already handed over still goes first).
void clsCorvellDongle::quietLane() {
    if (lane) lane->hold(true);
}

bool clsCorvellDongle::readByte(uint8_t& byte) {
    if (!port) return false;
    quietLane();
    uint8_t b = 0;
    uint32_t got = 0;
    port->read(&b, 1, got);
    bytesMoved = got;
    if (got == 0) return false;
    byte = b;
    return true;
}

int32_t clsCorvellDongle::writeBytes(const uint8_t* data, uint32_t count) {
    bytesMoved = 0;
    if (!port) return ftStatus::invalidHandle;
    quietLane();
    uint32_t moved = 0;
    const int32_t status = port->write(data, count, moved);
    bytesMoved = moved;
    return status;
}

void clsCorvellDongle::purge(uint32_t mask) {
    quietLane();
    if (port) port->purge(mask);
}

bool clsCorvellDongle::drain(int32_t limit) {
    uint8_t b = 0;
    for (int32_t taken = 0; readByte(b);) {
        if (++taken > limit) return false;
    }
    return true;
}

int32_t clsCorvellDongle::openPort(int32_t index) {
    std::unique_ptr<FtdiPort> opened;
    FtdiDriver* driver = hasShell() ? shell().ftdi() : nullptr;
    const int32_t status = driver ? driver->open(int(int16_t(index)), opened) : ftStatus::deviceNotFound;
    // A failed open leaves a device this object already holds in use.
    if (status == ftStatus::ok && opened) {
        dropPort();
        port = std::move(opened);
        handle = int32_t(index) + 1;
    }
    enabled = port != nullptr;
    if (port) port->setTimeouts(100, 100);
    for (int i = 0; i < 10; ++i) writeByte(0x00); // line reset
    purge(ftPurge::rx | ftPurge::tx);
    if (!drain(openDrainLimit)) {
        purgeData();
        shell().prompts().messageBox(QStringLiteral("Open Failed purging data, Please try again"), msgBox::OKOnly);
    }
    return status;
}

int32_t clsCorvellDongle::sendDmxData(const std::vector<int32_t>& levels) {
    if (handle == 0) return 0;
    if (!port) return ftStatus::invalidHandle;
    frame.resize(frameSize);
    frame[0] = cmdOutputFrame;
    frame[1] = uint8_t(frameSlots & 0xFF);
    frame[2] = uint8_t(frameSlots >> 8);
    for (uint32_t k = 1; k <= frameSlots; ++k) {
        const int32_t level = k < levels.size() ? levels[k] : 0;
        frame[k + 2] = (level >= 1 && level <= 255) ? uint8_t(level) : uint8_t(0);
    }
    // A tick whose status poll or frame write fails counts once towards the
    // error limit: an interface that still answers polls but takes no frames
    // is rebuilt too.
    const bool pollFailed = port->getStatus(rxCount, txCount, eventCount) == ftStatus::ioError;
    if (FrameLane* clockLane = outputLane()) {
        // The output clock sends it at its next deadline, once the frame
        // before it has gone; what failed since the last tick is counted here.
        clockLane->hold(false);
        clockLane->publish(frame.data(), frameSize);
        const uint64_t failures = clockLane->failedFrames();
        const bool writeFailed = failures != laneFailuresSeen;
        laneFailuresSeen = failures;
        if (pollFailed || writeFailed) ++ioErrorCount;
        return writeFailed ? int32_t(ftStatus::ioError) : int32_t(ftStatus::ok);
    }
    if (txCount > txQueueLimit) {
        if (pollFailed) ++ioErrorCount;
        return 0;
    }
    const int32_t status = writeBytes(frame.data(), frameSize);
    if (pollFailed || status != ftStatus::ok) ++ioErrorCount;
    return status;
}

FrameLane* clsCorvellDongle::outputLane() {
    if (lane) return lane;
    OutputClock* clock = hasShell() ? shell().outputClock() : nullptr;
    FrameLane* offered = clock && port ? port->frameLane() : nullptr;
    if (!offered) return nullptr;
    lane = offered;
    laneFailuresSeen = lane->failedFrames();
    lane->attach(clock);
    return lane;
}

void clsCorvellDongle::dropPort() {
    lane = nullptr; // the port leaves the clock as it goes
    port.reset();
}

QString clsCorvellDongle::dmxReadSerialNumber() {
    const std::vector<uint8_t> zeros(256, 0);
    writeBytes(zeros.data(), uint32_t(zeros.size()));
    purge(ftPurge::rx | ftPurge::tx);
    writeByte(cmdSerialQuery);
    QString text;
    uint8_t last = 0;
    int32_t count = 0;
    for (uint8_t b = 0; readByte(b);) {
        last = b;
        text += QString::number(b);
        if (++count >= serialLimit) { // an interface that never stops talking
            purge(ftPurge::rx);
            break;
        }
    }
    // The query's last read, which finds nothing, repeats the last value.
    text += QString::number(last);
    mySerialNumber = text.left(10);
    return mySerialNumber;
}

QString clsCorvellDongle::readUserMemory() {
    uint8_t buffer[16] = {};
    uint32_t got = 0;
    quietLane();
    const int32_t status = port ? port->userAreaRead(buffer, sizeof buffer, got) : int32_t(ftStatus::invalidHandle);
    if (status != ftStatus::ok) return QStringLiteral("-1");
    // The driver's count is not taken beyond the buffer.
    const int length = int(std::min<uint32_t>(got, sizeof buffer));
    const double value = numberText::leadingValue(text1252::decode(QByteArray(reinterpret_cast<const char*>(buffer), length)));
    if (value > 0) {
        myUniverseNumber = value >= 2147483647.0 ? 2147483647 : roundHalfEven(value);
        return QString::number(value, 'g', 15); // whole numbers without an exponent
    }
    myUniverseNumber = 1;
    return QStringLiteral("1");
}

int32_t clsCorvellDongle::writeToUserMemory(const QString& text) {
    const int32_t size = getSizeOfUserMemory();
    const QByteArray buffer = text1252::encode(text).left(16);
    const int32_t length = int32_t(buffer.size());
    if (size < length) return 0;
    quietLane();
    const int32_t status = port ? port->userAreaWrite(reinterpret_cast<const uint8_t*>(buffer.constData()), uint32_t(length))
                                : int32_t(ftStatus::invalidHandle);
    return status != ftStatus::ok ? -1 : length;
}

int32_t clsCorvellDongle::getSizeOfUserMemory() {
    uint32_t size = 0;
    quietLane();
    const int32_t status = port ? port->userAreaSize(size) : int32_t(ftStatus::invalidHandle);
    if (status != ftStatus::ok) return -1;
    return int32_t(std::min<uint32_t>(size, 0x7FFFFFFF));
}

bool clsCorvellDongle::getMyConfigurationSettings() {
    if (handle <= 0) openPort(0);
    return readTimingBlock();
}

bool clsCorvellDongle::readTimingBlock() {
    if (!drain(timingDrainLimit)) {
        purge(ftPurge::rx);
        qWarning("DMX interface %d sends without pause; timing not read", handle);
        return false;
    }
    writeByte(cmdTimingQuery);
    uint8_t block[8] = {};
    int32_t count = 0;
    for (uint8_t b = 0; readByte(b);) {
        if (count < 8) block[count] = b;
        if (++count > timingDrainLimit) {
            purge(ftPurge::rx);
            qWarning("DMX interface %d answers the timing query without end; timing not read", handle);
            return false;
        }
    }
    doNotUseConfigData = block[0] != 0;
    myStartCode = block[1];
    myBreakToBreakTime = (block[2] * 256 + block[3]) * 2 + baseBreakToBreak;
    myBreakTime = decodeSignedUnits(block[4]) * 2 + baseBreak;
    myMarkAfterBreak = decodeSignedUnits(block[5]) * 2 + baseMarkAfterBreak;
    myRepeatDataTime = block[6];
    myInterByteDelay = block[7];
    return true;
}

void clsCorvellDongle::setMyConfigurationData(bool) {
    // Break-to-break times below the standard have no encoding that reads
    // back; they go out as the standard time.
    const int32_t u = std::clamp(roundHalfEven((double(myBreakToBreakTime) - baseBreakToBreak) / 2.0), 0, 65535);
    const int32_t breakUnits = roundHalfEven((double(myBreakTime) - baseBreak) / 2.0);
    const int32_t mabUnits = roundHalfEven((double(myMarkAfterBreak) - baseMarkAfterBreak) / 2.0);
    const uint8_t block[11] = {
        cmdTimingWrite,
        uint8_t(doNotUseConfigData ? 255 : 0),
        toByte(myStartCode),
        uint8_t((u >> 8) & 255),
        uint8_t(u & 255),
        encodeSignedUnits(breakUnits),
        encodeSignedUnits(mabUnits),
        toByte(myRepeatDataTime),
        toByte(myInterByteDelay),
        0x00,
        0x20,
    };
    writeBytes(block, sizeof block);
}

void clsCorvellDongle::switchToReadMode() {
    if (handle == 0) openPort(0);
    writeByte(cmdSwitchToInput);
    const uint32_t moved = bytesMoved;
    purgeData();
    myReadMode = moved != 0;
}

QString clsCorvellDongle::readBuffer(std::vector<int32_t>& values) {
    uint8_t low = 0, high = 0, header = 0;
    if (!readByte(low) || !readByte(high)) return QString();
    if (high >= 128) { // not a slot count: out of step with the interface
        purge(ftPurge::rx);
        return QString();
    }
    const int32_t count = low + 256 * high;
    if (!readByte(header)) return QString();
    // count - 1 slot values follow; only as many as the caller's array holds
    // are kept, the rest of the frame is read and dropped.
    const int32_t capacity = values.empty() ? 0 : int32_t(values.size()) - 1;
    for (int32_t k = 1; k <= count - 1; ++k) {
        uint8_t b = 0;
        if (!readByte(b)) return QString();
        if (k <= capacity) {
            values[size_t(k)] = b;
        } else {
            for (int32_t rest = k + 1; rest <= count - 1 && readByte(b); ++rest) {}
            purge(ftPurge::rx);
            return QString();
        }
    }
    return QString();
}

void clsCorvellDongle::purgeData() {
    if (!port) return;
    quietLane();
    uint32_t rx = 0, tx = 0, ev = 0;
    port->getStatus(rx, tx, ev);
    if (rx > rxPurgeThreshold) port->purge(ftPurge::rx);
}

void clsCorvellDongle::closeUSB() {
    if (handle == 0) return;
    dropPort();
    enabled = false;
    handle = 0;
}

void clsCorvellDongle::Class_Terminate() {
    if (!port) return;
    dropPort();
    enabled = false;
}

void clsCorvellDongle::pleaseSleep(int32_t milliseconds) {
    if (FtdiDriver* driver = hasShell() ? shell().ftdi() : nullptr) driver->sleepMs(milliseconds);
}

void clsCorvellDongle::resetMe() {
    quietLane();
    if (port) port->resetDevice();
}

int16_t clsCorvellDongle::dmxSendString(const QString& text, int32_t) {
    const QByteArray bytes = text1252::encode(text);
    const uint32_t count = uint32_t(std::clamp<int32_t>(myBufferSize, 0, int32_t(bytes.size())));
    writeBytes(reinterpret_cast<const uint8_t*>(bytes.constData()), count);
    return 0;
}
