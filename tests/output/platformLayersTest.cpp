#include "platform/ftdiPort.h"
#include "platform/portIo.h"

#include <gtest/gtest.h>
#include <unistd.h>

namespace {

TEST(LibFtdiDriver, AnIndexBeyondTheAttachedDevicesIsNotFound) {
    LibFtdiDriver driver;
    std::unique_ptr<FtdiPort> port;
    EXPECT_EQ(driver.open(1000, port), ftStatus::deviceNotFound);
    EXPECT_EQ(port, nullptr);
    EXPECT_EQ(driver.open(-1, port), ftStatus::deviceNotFound);
}

TEST(LinuxPortIo, PortsNeverGrantedAreNotTouched) {
    LinuxPortIo io; // an access outside the granted range would kill the process
    io.writeByte(0x100, 1);
    EXPECT_EQ(io.readByte(0x102), 0xFF);
}

TEST(LinuxPortIo, RefusesCleanlyWithoutPrivilege) {
    if (geteuid() == 0) GTEST_SKIP() << "running as root: port access would be granted";
    LinuxPortIo io;
    EXPECT_FALSE(io.acquire(0x100, 0x63));
    EXPECT_FALSE(io.lastError().isEmpty());
}

} // namespace
