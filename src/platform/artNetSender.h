#pragma once
// Art-Net output: the console hands every channel's level into a transmit
// buffer by its index counted from 0 and then asks for one send per tick.
// The UDP implementation sends one ArtDmx packet of 512 slots per universe
// (index / 512 is the universe, added to the universe bound to pipe 0) from
// its own thread, so a full socket never holds up the tick.

#include <QString>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace artNetStatus {
// Answers of init: the sender is ready (either value).
enum : int16_t { ready = 261, readyAlready = -16, failed = 0 };
} // namespace artNetStatus

class OutputClock;

class ArtNetLayer {
public:
    virtual ~ArtNetLayer() = default;
    // Opens the sender for the target address (dotted IPv4). Returns
    // artNetStatus::ready when it can send; otherwise artNetStatus::failed,
    // with the reason in lastError().
    virtual int16_t init(const QString& address) = 0;
    virtual void setTxPipeUniverse(uint8_t pipe, uint8_t universe) = 0;
    // Sets every level of the transmit buffer to 0.
    virtual void clearDataBuffer(uint8_t pipe) = 0;
    virtual void setTxData(uint32_t index, uint8_t level) = 0;
    // The same for `count` consecutive indexes from `first`.
    virtual void setTxBlock(uint32_t first, const uint8_t* levels, uint32_t count) {
        for (uint32_t i = 0; i < count; ++i) setTxData(first + i, levels[i]);
    }
    // Sends the transmit buffer, one packet per universe.
    virtual void readWrite(int32_t mode) = 0;
    virtual void end() = 0;
    virtual QString lastError() const = 0;
    // Packets that could not be sent since init (the network took no more
    // within the sender's wait); they are counted, never dropped silently.
    virtual uint64_t droppedPackets() const { return 0; }
    // Frames go out on the output clock's deadlines once init succeeds (none:
    // readWrite hands each frame to the sender itself).
    virtual void setOutputClock(OutputClock*) {}
};

class QUdpSocket;
struct mmsghdr;

// ArtDmx over UDP. With VARNELDMX_LOOPBACK_ONLY=1 in the environment every
// packet goes to 127.0.0.1, whatever address init was given.
//
// readWrite builds the frame's packets on the caller's thread and hands them
// to the sender thread. That thread waits at most sendWaitMs for room in a
// full socket buffer, then counts the rest of the frame as dropped. At most
// maxWaitingFrames frames wait for it; beyond that the oldest waiting frame
// gives way to the newest and is counted too.
class UdpArtNetLayer final : public ArtNetLayer {
public:
    UdpArtNetLayer();
    ~UdpArtNetLayer() override;

    int16_t init(const QString& address) override;
    void setTxPipeUniverse(uint8_t pipe, uint8_t universe) override;
    void clearDataBuffer(uint8_t pipe) override;
    void setTxData(uint32_t index, uint8_t level) override;
    void setTxBlock(uint32_t first, const uint8_t* levels, uint32_t count) override;
    void readWrite(int32_t mode) override;
    void end() override;
    QString lastError() const override { return error; }
    uint64_t droppedPackets() const override { return dropped.load(); }
    void setOutputClock(OutputClock* clock) override { outputClock = clock; }
    // Deadlines at which the sender was still busy with the frame before.
    uint64_t skippedFrames() const;

    // Destination UDP port; 6454 unless a test chooses another.
    void setPort(uint16_t port) { destinationPort = port; }
    uint16_t port() const { return destinationPort; }
    // The address packets go to (after the loopback rule); empty before init.
    QString target() const;
    // Builds one ArtDmx packet (exposed for tests and benchmarks).
    static void buildPacket(std::vector<uint8_t>& out, uint8_t sequence, uint16_t portAddress,
                            const uint8_t* slots512);

    static constexpr uint32_t maxUniverses = 32768; // 15-bit port-address
    // Longest wait for room in the socket buffer per frame: below the
    // shortest refresh period, so the sender keeps up with the tick.
    static constexpr int sendWaitMs = 20;
    static constexpr size_t maxWaitingFrames = 4;

    // The non-blocking batch send (sendmmsg with MSG_DONTWAIT): how many
    // datagrams the socket took, -1 with errno set when none. Tests replace it
    // to play a full socket buffer.
    using BatchSend = std::function<int(int fd, mmsghdr* messages, unsigned count)>;
    void setBatchSend(BatchSend send);
    // Waits until every frame handed over is sent or dropped (tests, end).
    void flush();

private:
    void startSender();
    void stopSender();
    void senderLoop();
    void sendFrame(std::vector<uint8_t>& frame, size_t packetSize);
    // Hands a frame to the sender thread (waiting at most maxWaitingFrames).
    void handOver(const std::vector<uint8_t>& frame);
    class ClockLane;
    friend class ClockLane;
    OutputClock* outputClock = nullptr;
    std::unique_ptr<ClockLane> lane; // on the clock while the sender runs
    std::unique_ptr<QUdpSocket> socket;
    int socketFd = -1;
    uint32_t targetIPv4 = 0;
    uint16_t destinationPort = 6454;
    uint16_t baseUniverse = 0;
    uint8_t sequence = 0;
    uint32_t usedUniverses = 0, frameUniverses = 0;
    std::vector<uint8_t> levels;
    std::vector<uint8_t> packets; // one frame's packets, back to back
    QString error;

    // Shared with the sender thread, under `mutex`.
    std::mutex mutex;
    std::condition_variable wake, idle;
    std::deque<std::vector<uint8_t>> waiting; // frames not yet taken, oldest first
    bool sending = false, stopping = false;
    BatchSend batchSend;
    std::atomic<uint64_t> dropped{0};
    std::thread sender;
};
