// Path texts: every part of any path.
#include "fuzzSupport.h"

#include "shell/libParsePath.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = QString::fromUtf8(fuzz::bytes(data, size));
    for (int part = -8; part <= 8; ++part) libParsePath::ParsePath(path, part);
    // The file name is the base name and the extension.
    fuzz::check(libParsePath::ParsePath(path, 6) == libParsePath::ParsePath(path, 4) + libParsePath::ParsePath(path, 5),
                "file name = base name + extension");
    return 0;
}
