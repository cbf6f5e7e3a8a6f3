#pragma once
// The driver object of one USB-to-DMX interface: opens the device, sends
// output frames, reads and writes the timing block, the serial number and
// the universe record, and switches the interface to DMX input.

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class FrameLane;
class FtdiPort;

class clsCorvellDongle {
public:
    clsCorvellDongle();
    ~clsCorvellDongle();
    clsCorvellDongle(const clsCorvellDongle&) = delete;
    clsCorvellDongle& operator=(const clsCorvellDongle&) = delete;

    // Properties, as stored.
    int32_t myInterByteDelay = 0;
    int32_t myRepeatDataTime = 0;
    bool doNotUseConfigData = false; // true: DMX standard timing
    int32_t myBreakTime = 0;         // microseconds
    int32_t myMarkAfterBreak = 0;    // microseconds
    int32_t myBreakToBreakTime = 0;  // microseconds
    int32_t myStartCode = 0;
    bool myReadMode = false;
    QString mySerialNumber;
    int32_t myUniverseNumber = 0;
    int32_t myChannelsOutCount = 0;
    int32_t myBufferSize = 0;
    QString sendStringArray;

    // The device handle (0 = never opened); it keeps its value after
    // Class_Terminate, as the device stays closed until openPort.
    int32_t myPortNumber() const { return handle; }
    bool dongleEnabled() const { return enabled; }
    // True while a device is open through this object.
    bool isOpen() const { return port != nullptr; }

    // Opens device `index` (0 = first): time-outs, line reset, purge and
    // drain. Returns the open status (0 = opened).
    int32_t openPort(int32_t index);
    // One output frame of levels[1..512]; a level outside 1..255 goes out as
    // 0. Returns the write status, 0 when nothing was written.
    int32_t sendDmxData(const std::vector<int32_t>& levels);
    QString dmxReadSerialNumber();
    // The universe record: the universe as text, "-1" when it cannot be read.
    QString readUserMemory();
    // Bytes written, 0 when the user area is too small, -1 on failure.
    int32_t writeToUserMemory(const QString& text);
    // Size of the user area, -1 when the driver fails.
    int32_t getSizeOfUserMemory();
    // Opens device 0 when nothing is open, then reads the timing block into
    // the properties. False when the interface did not answer sensibly (the
    // properties are then unchanged).
    bool getMyConfigurationSettings();
    // Writes the timing block from the properties.
    void setMyConfigurationData(bool unused = false);
    void switchToReadMode();
    // Reads one input frame into values[1..]; never beyond values' end.
    QString readBuffer(std::vector<int32_t>& values);
    void purgeData();
    void closeUSB();
    void Class_Terminate();
    void pleaseSleep(int32_t milliseconds);
    void resetMe();
    int16_t dmxSendString(const QString& text, int32_t port);
    int32_t getBufferSize() { return 0; }

    // Set once more than 25 frames met an "I/O error" status query or a
    // failed write: the interface set must be rebuilt.
    bool errorLimitReached() const { return ioErrorCount > ioErrorLimit; }
    int32_t ioErrors() const { return ioErrorCount; }

    static constexpr int32_t ioErrorLimit = 25;
    static constexpr int32_t openDrainLimit = 5001;
    static constexpr int32_t timingDrainLimit = 3001;
    static constexpr int32_t serialLimit = 4096;

private:
    bool readTimingBlock();
    // One byte; false when none arrived within the read time-out.
    bool readByte(uint8_t& byte);
    int32_t writeBytes(const uint8_t* data, uint32_t count);
    int32_t writeByte(uint8_t byte) { return writeBytes(&byte, 1); }
    void purge(uint32_t mask);
    // Reads until nothing arrives; false when more than `limit` bytes came.
    bool drain(int32_t limit);

    // The port's lane on the output clock, joined at the first frame when
    // the platform has a clock and the port a lane; frames are written
    // directly otherwise.
    FrameLane* outputLane();
    void quietLane();
    void dropPort();

    std::unique_ptr<FtdiPort> port;
    FrameLane* lane = nullptr;
    uint64_t laneFailuresSeen = 0;
    int32_t handle = 0;
    bool enabled = false;
    uint32_t bytesMoved = 0;
    int32_t ioErrorCount = 0;
    uint32_t rxCount = 0, txCount = 0, eventCount = 0;
    std::vector<uint8_t> frame;
};
