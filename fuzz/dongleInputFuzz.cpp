// The USB-to-DMX interface's answers: input frames, the universe record in
// its EEPROM, the timing block and the serial number, all from the input.
#include "fuzzSupport.h"

#include "output/clsCorvellDongle.h"
#include "support/fakeFtdiPort.h"
#include "support/fakePlatform.h"

#include <vector>

// Input: capacity byte, 16 bytes of universe record, then what the interface
// sends (the timing and serial answers, then input frames).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 17) return 0;
    auto& driver = static_cast<FakeFtdiDriver&>(*fuzz::shell().get().ftdi());
    // A fresh interface for every input.
    driver.devices.clear();
    FakeFtdiDevice& device = driver.attach();
    clsCorvellDongle dongle;
    dongle.openPort(0);

    device.userArea.assign(data + 1, data + 17);
    dongle.readUserMemory();

    const std::vector<uint8_t> answers(data + 17, data + size);
    device.replies[0x08] = answers; // timing query
    dongle.getMyConfigurationSettings();
    device.replies[0x04] = answers; // serial number query
    dongle.dmxReadSerialNumber();

    device.input.assign(answers.begin(), answers.end());
    std::vector<int32_t> values(size_t(data[0]) * 2 + 1, 0);
    for (size_t before = device.input.size() + 1; !device.input.empty() && device.input.size() < before;) {
        before = device.input.size();
        dongle.readBuffer(values);
    }
    dongle.closeUSB();
    return 0;
}
