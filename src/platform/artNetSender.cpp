#include "platform/artNetSender.h"

#include "platform/outputClock.h"

#include <QHostAddress>
#include <QUdpSocket>
#include <algorithm>

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

namespace {
bool loopbackOnly() { return qEnvironmentVariable("VARNELDMX_LOOPBACK_ONLY") == QLatin1String("1"); }
constexpr int headerSize = 18;
constexpr size_t packetSize = headerSize + 512;
} // namespace

// The sender's place on the output clock: a frame is handed over at a
// deadline only when the sender has sent the one before.
class UdpArtNetLayer::ClockLane final : public FrameLane {
public:
    explicit ClockLane(UdpArtNetLayer& layer) : owner(layer) {}
    ~ClockLane() override { detach(); }

private:
    Result deliver(const std::vector<uint8_t>& frame) override {
        {
            std::lock_guard lock(owner.mutex);
            if (owner.sending || !owner.waiting.empty()) return Result::skipped;
        }
        owner.handOver(frame);
        return Result::sent;
    }
    UdpArtNetLayer& owner;
};

UdpArtNetLayer::UdpArtNetLayer()
    : batchSend([](int fd, mmsghdr* messages, unsigned count) { return ::sendmmsg(fd, messages, count, MSG_DONTWAIT); }) {}

UdpArtNetLayer::~UdpArtNetLayer() {
    lane.reset();
    stopSender();
}

uint64_t UdpArtNetLayer::skippedFrames() const { return lane ? lane->skippedFrames() : 0; }

void UdpArtNetLayer::setBatchSend(BatchSend send) {
    std::lock_guard lock(mutex);
    batchSend = std::move(send);
}

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
    lane.reset();
    stopSender();
    socket = std::move(s);
    socketFd = int(socket->socketDescriptor());
    dropped = 0;
    startSender();
    if (outputClock) {
        lane = std::make_unique<ClockLane>(*this);
        lane->attach(outputClock);
    }
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
    packets.resize(size_t(usedUniverses) * packetSize);
    for (uint32_t u = 0; u < usedUniverses; ++u)
        writePacket(packets.data() + size_t(u) * packetSize, sequence, uint16_t(baseUniverse + u),
                    levels.data() + size_t(u) * 512);
    if (lane) {
        lane->publish(packets.data(), packets.size());
        return;
    }
    handOver(packets);
}

void UdpArtNetLayer::handOver(const std::vector<uint8_t>& frame) {
    std::lock_guard lock(mutex);
    if (waiting.size() >= maxWaitingFrames) {
        dropped += waiting.front().size() / packetSize; // never taken: gives way to this frame
        waiting.pop_front();
    }
    waiting.push_back(frame);
    wake.notify_one();
}

void UdpArtNetLayer::startSender() {
    {
        std::lock_guard lock(mutex);
        stopping = false;
        waiting.clear();
    }
    sender = std::thread([this] { senderLoop(); });
}

void UdpArtNetLayer::stopSender() {
    if (!sender.joinable()) return;
    {
        std::lock_guard lock(mutex);
        stopping = true;
    }
    wake.notify_all();
    sender.join();
}

void UdpArtNetLayer::flush() {
    std::unique_lock lock(mutex);
    idle.wait(lock, [this] { return !sender.joinable() || stopping || (waiting.empty() && !sending); });
}

void UdpArtNetLayer::senderLoop() {
    std::vector<uint8_t> frame;
    std::unique_lock lock(mutex);
    for (;;) {
        wake.wait(lock, [this] { return stopping || !waiting.empty(); });
        if (stopping) break;
        frame.swap(waiting.front());
        waiting.pop_front();
        sending = true;
        lock.unlock();
        sendFrame(frame, packetSize);
        lock.lock();
        sending = false;
        if (waiting.empty()) idle.notify_all();
    }
    // Frames handed over but never sent are counted as well.
    for (const auto& f : waiting) dropped += f.size() / packetSize;
    waiting.clear();
    idle.notify_all();
}

// All of a frame's packets go out in as few system calls as the kernel
// allows; Qt's socket sends one datagram per call. While the socket buffer is
// full the thread waits for room, at most sendWaitMs for the whole frame.
void UdpArtNetLayer::sendFrame(std::vector<uint8_t>& frame, size_t size) {
    const uint32_t count = uint32_t(frame.size() / size);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(destinationPort);
    to.sin_addr.s_addr = htonl(targetIPv4);
    std::vector<iovec> iov(count);
    std::vector<mmsghdr> messages(count);
    for (uint32_t i = 0; i < count; ++i) {
        iov[i].iov_base = frame.data() + size_t(i) * size;
        iov[i].iov_len = size;
        messages[i] = {};
        messages[i].msg_hdr.msg_name = &to;
        messages[i].msg_hdr.msg_namelen = sizeof to;
        messages[i].msg_hdr.msg_iov = &iov[i];
        messages[i].msg_hdr.msg_iovlen = 1;
    }
    BatchSend send;
    {
        std::lock_guard lock(mutex);
        send = batchSend;
    }
    using clock = std::chrono::steady_clock;
    const auto deadline = clock::now() + std::chrono::milliseconds(sendWaitMs);
    uint32_t sent = 0;
    while (socketFd >= 0 && sent < count) {
        const int n = send(socketFd, messages.data() + sent, count - sent);
        if (n > 0) {
            sent += uint32_t(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != ENOBUFS && errno != EINTR) break;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - clock::now()).count();
        if (left <= 0) break;
        pollfd p{socketFd, POLLOUT, 0};
        ::poll(&p, 1, int(left));
    }
    dropped += count - sent;
}

void UdpArtNetLayer::end() {
    lane.reset();
    stopSender();
    socket.reset();
    socketFd = -1;
    usedUniverses = frameUniverses = 0;
    levels.clear();
}
