#pragma once
// Direct byte input and output on x86 I/O ports (an old ISA DMX card).
// The Linux implementation needs root (ioperm); elsewhere it refuses cleanly.

#include <QString>
#include <cstdint>

class PortIo {
public:
    virtual ~PortIo() = default;
    // Asks for access to `count` ports from `first`; false with the reason
    // in lastError() when access is refused or not possible here.
    virtual bool acquire(uint16_t first, uint16_t count) = 0;
    virtual void writeByte(uint16_t port, uint8_t value) = 0;
    virtual uint8_t readByte(uint16_t port) = 0;
    virtual QString lastError() const = 0;
};

class LinuxPortIo final : public PortIo {
public:
    bool acquire(uint16_t first, uint16_t count) override;
    void writeByte(uint16_t port, uint8_t value) override;
    uint8_t readByte(uint16_t port) override;
    QString lastError() const override { return error; }

private:
    bool granted(uint16_t port) const { return port >= first_ && port - first_ < count_; }
    uint16_t first_ = 0, count_ = 0;
    QString error;
};
