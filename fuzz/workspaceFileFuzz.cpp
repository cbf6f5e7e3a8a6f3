// Workspace files: the window list read from any bytes is written and read
// back the same.
#include "fuzzSupport.h"

#include "shell/workspaceFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = fuzz::bytes(data, size);
    QString error;
    const auto windows = workspaceFile::decode(bytes, &error);
    if (!windows) {
        fuzz::check(!error.isEmpty(), "a refused workspace says why");
        return 0;
    }
    fuzz::check(windows->size() <= size_t(bytes.size() / workspaceFile::recordLength), "no more windows than records");
    if (windows->empty()) return 0;
    const QByteArray written = workspaceFile::encode(*windows, QStringLiteral("show.YCF"));
    QString again;
    const auto reread = workspaceFile::decode(written, &again);
    fuzz::check(reread.has_value() && reread->size() == windows->size(), "a written workspace reads back");
    for (size_t i = 0; i < windows->size(); ++i) {
        const auto &a = (*windows)[i], &b = (*reread)[i];
        fuzz::check(a.top == b.top && a.left == b.left && a.height == b.height && a.width == b.width,
                    "a window keeps its place");
    }
    return 0;
}
