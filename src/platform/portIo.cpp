#include "platform/portIo.h"

#if defined(__x86_64__) || defined(__i386__)
#include <sys/io.h>
#define VARNEL_HAVE_PORT_IO 1
#endif

#include <cerrno>
#include <cstring>

bool LinuxPortIo::acquire(uint16_t first, uint16_t count) {
    error.clear();
#ifdef VARNEL_HAVE_PORT_IO
    if (ioperm(first, count, 1) != 0) {
        error = QStringLiteral("No access to I/O ports 0x%1: %2")
                    .arg(first, 0, 16)
                    .arg(QString::fromLocal8Bit(std::strerror(errno)));
        first_ = count_ = 0;
        return false;
    }
    first_ = first;
    count_ = count;
    return true;
#else
    (void)first;
    (void)count;
    error = QStringLiteral("Direct I/O port access is not available on this machine");
    return false;
#endif
}

// Ports outside the granted range are never touched: an access there would
// kill the process.
void LinuxPortIo::writeByte(uint16_t port, uint8_t value) {
#ifdef VARNEL_HAVE_PORT_IO
    if (granted(port)) outb(value, port);
#else
    (void)port;
    (void)value;
#endif
}

uint8_t LinuxPortIo::readByte(uint16_t port) {
#ifdef VARNEL_HAVE_PORT_IO
    if (granted(port)) return inb(port);
#else
    (void)port;
#endif
    return 0xFF;
}
