// Multi button files: members read from any bytes are written and read back
// the same, one member per whole record.
#include "fuzzSupport.h"

#include "shortcuts/multiButtons.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzz::bytes(data, size);
    const auto members = multiButtons::decode(bytes);
    fuzz::check(members.size() == size_t(bytes.size() / multiButtons::recordSize), "one member per whole record");
    const QByteArray written = multiButtons::encode(members, false);
    const auto again = multiButtons::decode(written);
    fuzz::check(again.size() == members.size(), "a written multi keeps its members");
    fuzz::check(multiButtons::encode(again, false) == written, "a multi survives a read and a write");
    return 0;
}
