#include "platform/artNetSender.h"

#include <QHostAddress>
#include <QUdpSocket>
#include <algorithm>

namespace {
bool loopbackOnly() { return qEnvironmentVariable("VARNELDMX_LOOPBACK_ONLY") == QLatin1String("1"); }
constexpr int headerSize = 18;
} // namespace

UdpArtNetLayer::UdpArtNetLayer() = default;
UdpArtNetLayer::~UdpArtNetLayer() = default;

int16_t UdpArtNetLayer::init(const QString& address) {
    error.clear();
    QHostAddress host;
    if (!host.setAddress(address.trimmed()) || host.protocol() != QAbstractSocket::IPv4Protocol) {
        error = QStringLiteral("Invalid Art-Net address \"%1\"").arg(address);
        return artNetStatus::failed;
    }
    targetIPv4 = loopbackOnly() ? QHostAddress(QHostAddress::LocalHost).toIPv4Address() : host.toIPv4Address();
    auto s = std::make_unique<QUdpSocket>();
    if (!s->bind(QHostAddress(QHostAddress::AnyIPv4), 0)) {
        error = s->errorString();
        return artNetStatus::failed;
    }
    socket = std::move(s);
    return artNetStatus::ready;
}

QString UdpArtNetLayer::target() const {
    return socket ? QHostAddress(targetIPv4).toString() : QString();
}

void UdpArtNetLayer::setTxPipeUniverse(uint8_t pipe, uint8_t universe) {
    if (pipe == 0) baseUniverse = universe;
}

void UdpArtNetLayer::clearDataBuffer(uint8_t) {
    std::fill(levels.begin(), levels.end(), uint8_t(0));
}

void UdpArtNetLayer::setTxData(uint32_t index, uint8_t level) {
    const uint32_t universe = index / 512;
    if (baseUniverse + universe >= maxUniverses) return;
    if (index >= levels.size()) levels.resize(size_t(universe + 1) * 512, 0);
    levels[index] = level;
    frameUniverses = std::max(frameUniverses, universe + 1);
}

void UdpArtNetLayer::buildPacket(std::vector<uint8_t>& out, uint8_t sequence, uint16_t portAddress,
                                 const uint8_t* slots512) {
    out.resize(headerSize + 512);
    static constexpr uint8_t id[8] = {'A', 'r', 't', '-', 'N', 'e', 't', 0};
    std::copy(std::begin(id), std::end(id), out.begin());
    out[8] = 0x00; // OpDmx 0x5000, low byte first
    out[9] = 0x50;
    out[10] = 0; // protocol version 14, high byte first
    out[11] = 14;
    out[12] = sequence;
    out[13] = 0; // physical input port
    out[14] = uint8_t(portAddress & 0xFF);        // SubUni
    out[15] = uint8_t((portAddress >> 8) & 0x7F); // Net
    out[16] = 0x02; // length 512, high byte first
    out[17] = 0x00;
    std::copy_n(slots512, 512, out.begin() + headerSize);
}

void UdpArtNetLayer::readWrite(int32_t) {
    if (!socket) return;
    sequence = uint8_t(sequence == 255 ? 1 : sequence + 1);
    // The universes sent are those the console filled since the last send,
    // so a show that loses universes stops sending the old ones.
    if (frameUniverses > 0) usedUniverses = frameUniverses;
    frameUniverses = 0;
    const QHostAddress to(targetIPv4);
    for (uint32_t u = 0; u < usedUniverses; ++u) {
        buildPacket(packet, sequence, uint16_t(baseUniverse + u), levels.data() + size_t(u) * 512);
        socket->writeDatagram(reinterpret_cast<const char*>(packet.data()), qint64(packet.size()), to,
                              destinationPort);
    }
}

void UdpArtNetLayer::end() {
    socket.reset();
    usedUniverses = frameUniverses = 0;
    levels.clear();
}
