#include "shell/workspaceFile.h"

#include "platform/byteRecord.h"

namespace workspaceFile {

QByteArray encode(const std::vector<WindowPlace>& windows, const QString& showFileName) {
    QByteArray bytes;
    ByteWriter w(&bytes);
    int32_t number = 0;
    for (const WindowPlace& place : windows) {
        w.i32(place.top);
        w.i32(place.left);
        w.i32(place.height);
        w.i32(place.width);
        w.fixedText(place.name.trimmed(), nameWidth);
        w.i32(++number);
        w.fixedText(showFileName.trimmed(), showWidth);
        w.i32(0);
        w.fill(50, '\0');
    }
    return bytes;
}

std::optional<std::vector<WindowPlace>> decode(const QByteArray& bytes, QString* error) {
    if (bytes.isEmpty() || bytes.size() % recordLength != 0) {
        if (error)
            *error = QStringLiteral("The workspace file is damaged: its length (%1 bytes) is not a whole number of "
                                    "window records.")
                         .arg(bytes.size());
        return std::nullopt;
    }
    std::vector<WindowPlace> places;
    const qsizetype count = bytes.size() / recordLength;
    for (qsizetype k = 0; k < count; ++k) {
        ByteReader r(bytes, k * recordLength);
        WindowPlace p;
        p.top = r.i32();
        p.left = r.i32();
        p.height = r.i32();
        p.width = r.i32();
        p.name = r.fixedText(nameWidth).trimmed();
        if (!p.name.isEmpty()) places.push_back(p);
    }
    return places;
}

} // namespace workspaceFile
