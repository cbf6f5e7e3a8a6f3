// Show files: any bytes through the decoder; a show it takes is written and
// read back to the same bytes.
#include "fuzzSupport.h"

#include "shell/channelModel.h"
#include "show/showFile.h"

#include <stdexcept>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::shell();
    const QByteArray bytes = fuzz::bytes(data, size);
    showFile::Trailer trailer;
    showFile::readTrailer(bytes, trailer);
    ChannelModel fresh;
    if (!showFile::decode(bytes, fresh).isEmpty()) return 0;
    QByteArray written;
    try {
        written = showFile::encode(fresh);
    } catch (const std::runtime_error&) {
        return 0; // a value the format cannot hold is refused, not written half
    }
    ChannelModel again;
    fuzz::check(showFile::decode(written, again).isEmpty(), "a written show reads back");
    fuzz::check(showFile::encode(again) == written, "a show survives a read and a write");
    return 0;
}
