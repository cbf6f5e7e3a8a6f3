#pragma once
// Art-Net output: the console hands every channel's level into a transmit
// buffer by its index counted from 0 and then asks for one send per tick.
// The UDP implementation sends one ArtDmx packet of 512 slots per universe
// (index / 512 is the universe, added to the universe bound to pipe 0).

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

namespace artNetStatus {
// Answers of init: the sender is ready (either value).
enum : int16_t { ready = 261, readyAlready = -16, failed = 0 };
} // namespace artNetStatus

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
};

class QUdpSocket;

// ArtDmx over UDP. With VARNELDMX_LOOPBACK_ONLY=1 in the environment every
// packet goes to 127.0.0.1, whatever address init was given.
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

    // Destination UDP port; 6454 unless a test chooses another.
    void setPort(uint16_t port) { destinationPort = port; }
    uint16_t port() const { return destinationPort; }
    // The address packets go to (after the loopback rule); empty before init.
    QString target() const;
    // Builds one ArtDmx packet (exposed for tests and benchmarks).
    static void buildPacket(std::vector<uint8_t>& out, uint8_t sequence, uint16_t portAddress,
                            const uint8_t* slots512);

    static constexpr uint32_t maxUniverses = 32768; // 15-bit port-address

private:
    void sendAll(size_t packetSize);
    std::unique_ptr<QUdpSocket> socket;
    uint32_t targetIPv4 = 0;
    uint16_t destinationPort = 6454;
    uint16_t baseUniverse = 0;
    uint8_t sequence = 0;
    uint32_t usedUniverses = 0, frameUniverses = 0;
    std::vector<uint8_t> levels;
    std::vector<uint8_t> packets; // one frame's packets, back to back
    QString error;
};
