#include "platform/artNetSender.h"

#include <QHostAddress>
#include <QUdpSocket>
#include <algorithm>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

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

void UdpArtNetLayer::setTxBlock(uint32_t first, const uint8_t* data, uint32_t count) {
    if (count == 0) return;
    const uint64_t end = std::min<uint64_t>(uint64_t(first) + count, uint64_t(maxUniverses - baseUniverse) * 512);
    if (end <= first) return;
    const uint32_t universes = uint32_t((end - 1) / 512 + 1);
    if (end > levels.size()) levels.resize(size_t(universes) * 512, 0);
    std::copy_n(data, size_t(end - first), levels.begin() + first);
    frameUniverses = std::max(frameUniverses, universes);
}

namespace {
void writePacket(uint8_t* out, uint8_t sequence, uint16_t portAddress, const uint8_t* slots512) {
    static constexpr uint8_t id[8] = {'A', 'r', 't', '-', 'N', 'e', 't', 0};
    std::copy(std::begin(id), std::end(id), out);
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
    std::copy_n(slots512, 512, out + headerSize);
}
} // namespace

void UdpArtNetLayer::buildPacket(std::vector<uint8_t>& out, uint8_t sequence, uint16_t portAddress,
                                 const uint8_t* slots512) {
    out.resize(headerSize + 512);
    writePacket(out.data(), sequence, portAddress, slots512);
}

void UdpArtNetLayer::readWrite(int32_t) {
    if (!socket) return;
    sequence = uint8_t(sequence == 255 ? 1 : sequence + 1);
    // The universes sent are those the console filled since the last send,
    // so a show that loses universes stops sending the old ones.
    if (frameUniverses > 0) usedUniverses = frameUniverses;
    frameUniverses = 0;
    constexpr size_t packetSize = headerSize + 512;
    packets.resize(size_t(usedUniverses) * packetSize);
    for (uint32_t u = 0; u < usedUniverses; ++u)
        writePacket(packets.data() + size_t(u) * packetSize, sequence, uint16_t(baseUniverse + u),
                    levels.data() + size_t(u) * 512);
    sendAll(packetSize);
}

// All of a frame's packets go out in as few system calls as the kernel
// allows; Qt's socket sends one datagram per call.
void UdpArtNetLayer::sendAll(size_t packetSize) {
    const uint32_t count = uint32_t(packets.size() / packetSize);
    const qintptr fd = socket->socketDescriptor();
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(destinationPort);
    to.sin_addr.s_addr = htonl(targetIPv4);
    std::vector<iovec> iov(count);
    std::vector<mmsghdr> messages(count);
    for (uint32_t i = 0; i < count; ++i) {
        iov[i].iov_base = packets.data() + size_t(i) * packetSize;
        iov[i].iov_len = packetSize;
        messages[i] = {};
        messages[i].msg_hdr.msg_name = &to;
        messages[i].msg_hdr.msg_namelen = sizeof to;
        messages[i].msg_hdr.msg_iov = &iov[i];
        messages[i].msg_hdr.msg_iovlen = 1;
    }
    uint32_t sent = 0;
    while (fd >= 0 && sent < count) {
        const int n = ::sendmmsg(int(fd), messages.data() + sent, count - sent, MSG_DONTWAIT);
        if (n <= 0) break; // a full send buffer drops the rest of this frame
        sent += uint32_t(n);
    }
}

void UdpArtNetLayer::end() {
    socket.reset();
    usedUniverses = frameUniverses = 0;
    levels.clear();
}
