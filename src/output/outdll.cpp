#include "output/outdll.h"

#include "platform/portIo.h"
#include "platform/prompts.h"
#include "shell/shell.h"

#include <QFile>

namespace {
constexpr uint16_t firstCandidate = 0x100;
constexpr uint16_t candidateSpacing = 0x20;
constexpr int candidateCount = 4;
constexpr uint8_t probeValue = 170;
constexpr int64_t maxUploadBytes = 32767;

// Ports of every candidate card: base .. base + 2 of the last candidate.
bool acquireCardPorts(PortIo& io) {
    const uint16_t count = uint16_t(candidateSpacing * (candidateCount - 1) + 3);
    if (io.acquire(firstCandidate, count)) return true;
    qWarning("ISA DMX card: %s", qPrintable(io.lastError()));
    return false;
}

void selectAddress(PortIo& io, uint16_t base, uint16_t address) {
    io.writeByte(base, 0);
    io.writeByte(uint16_t(base + 1), 0);
    io.writeByte(base, uint8_t(address & 255));
    io.writeByte(uint16_t(base + 1), uint8_t(address / 256));
}

bool usableBase(int32_t base) { return base >= firstCandidate && base <= 0xFFFD; }
} // namespace

namespace outdll {

int32_t probeDmxCard() {
    IsaDmxCard& card = shell().engine<IsaDmxCard>();
    card.dmxCardBasePort = 0;
    PortIo* io = shell().portIo();
    if (!io || !acquireCardPorts(*io)) return 0;
    for (int i = 0; i < candidateCount; ++i) {
        const uint16_t base = uint16_t(firstCandidate + candidateSpacing * i);
        io->writeByte(base, 0);
        io->writeByte(uint16_t(base + 1), 0);
        io->writeByte(uint16_t(base + 2), probeValue);
    }
    for (int i = 0; i < candidateCount; ++i) {
        const uint16_t base = uint16_t(firstCandidate + candidateSpacing * i);
        io->writeByte(base, 0);
        io->writeByte(uint16_t(base + 1), 0);
        if (io->readByte(uint16_t(base + 2)) == probeValue) card.dmxCardBasePort = base;
    }
    return card.dmxCardBasePort;
}

int32_t writeDmxCardChannel(int32_t base, uint16_t address, uint8_t value) {
    PortIo* io = shell().portIo();
    if (!io || !usableBase(base)) return 0;
    selectAddress(*io, uint16_t(base), address);
    io->writeByte(uint16_t(base + 2), value);
    return 0;
}

uint8_t readDmxCardChannel(int32_t base, uint16_t address) {
    PortIo* io = shell().portIo();
    if (!io || !usableBase(base)) return 0;
    selectAddress(*io, uint16_t(base), address);
    return io->readByte(uint16_t(base + 2));
}

} // namespace outdll

namespace isaDmxCard {

void EraseAll() {
    const int32_t base = shell().engine<IsaDmxCard>().dmxCardBasePort;
    if (!usableBase(base)) return; // no card: port 0 upward is not the card
    for (uint16_t a = 1024; a <= 4095; ++a) outdll::writeDmxCardChannel(base, a, 0);
}

bool uploadFileToDmxCard(const QString& path) {
    const int32_t base = outdll::probeDmxCard();
    if (base < 256) return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        shell().prompts().messageBox(QStringLiteral("Cannot open ") + path + QStringLiteral(": ") + file.errorString(),
                                     msgBox::OKOnly);
        return false;
    }
    if (file.size() > maxUploadBytes) {
        shell().prompts().messageBox(QStringLiteral("The file %1 is too large for the DMX card (%2 bytes at most)")
                                         .arg(path)
                                         .arg(maxUploadBytes),
                                     msgBox::OKOnly);
        return false;
    }
    const QByteArray data = file.readAll();
    for (int i = 0; i < data.size(); ++i) {
        outdll::writeDmxCardChannel(base, uint16_t(i), uint8_t(data[i]));
        outdll::readDmxCardChannel(base, uint16_t(i));
    }
    for (uint16_t k = 0; k < 256; ++k) {
        outdll::writeDmxCardChannel(base, uint16_t(1024 + k), 0);
        outdll::writeDmxCardChannel(base, uint16_t(1280 + k), 0);
    }
    return true;
}

} // namespace isaDmxCard
