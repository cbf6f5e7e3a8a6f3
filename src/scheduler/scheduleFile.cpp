#include "scheduler/scheduleFile.h"

#include "platform/byteRecord.h"
#include "platform/safeFile.h"

#include <algorithm>

namespace scheduleFile {

namespace {
// Field widths in record order, and the grid column each fills.
struct Field { int width; int column; };
constexpr Field fields[] = {{25, 0}, {255, 1}, {25, 2}, {13, 4}, {13, 5}, {15, 6}, {10, 3}};
} // namespace

std::optional<std::vector<Row>> decode(const QByteArray& bytes, QString* error) {
    std::vector<Row> rows;
    const qsizetype records = bytes.size() / recordSize;
    if (records == 0) return rows; // an empty schedule
    ByteReader count(bytes, recordSize - 2);
    const int stated = count.i16();
    if (stated > maxRows) {
        if (error) *error = QStringLiteral("The schedule has %1 rows; at most %2 can be loaded.").arg(stated).arg(maxRows);
        return std::nullopt;
    }
    const qsizetype n = std::clamp<qsizetype>(stated, 0, records);
    rows.reserve(size_t(n));
    for (qsizetype i = 0; i < n; ++i) {
        ByteReader r(bytes, i * recordSize);
        Row row;
        for (const Field& f : fields) row[size_t(f.column)] = r.fixedText(f.width).trimmed();
        rows.push_back(row);
    }
    return rows;
}

QByteArray encode(const std::vector<Row>& rows) {
    ByteWriter w;
    const int16_t count = int16_t(std::min<size_t>(rows.size(), 32767));
    for (const Row& row : rows) {
        for (const Field& f : fields) w.fixedText(row[size_t(f.column)].trimmed(), f.width);
        w.i16(count);
    }
    return w.bytes();
}

std::optional<std::vector<Row>> read(const QString& path, QString* error) {
    QByteArray bytes;
    if (!safeFile::readWhole(path, bytes, error)) return std::nullopt;
    return decode(bytes, error);
}

bool write(const QString& path, const std::vector<Row>& rows, QString* error) {
    return safeFile::writeWhole(path, encode(rows), error);
}

} // namespace scheduleFile
