#pragma once
// The schedule file (.YSC): one fixed record of 358 bytes per event row, in
// grid order, nothing before or after. Text fields are Windows-1252, blank
// padded and cut to their width, trimmed on both sides when written and read.
// Every record carries the row count; readers take it from record 1.
//
//   0 Event Type (25)   25 Event To Execute (255)   280 Trigger (25)
//   305 Start (13)      318 Length (13)             331 Playback (15)
//   346 Day (10)        356 row count (signed 16-bit)

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace scheduleFile {

constexpr int recordSize = 358;
// The rows a schedule can hold: the row state has this many slots.
constexpr int maxRows = 1024;

// One event row as the grid's seven columns: Event Type, Event To Execute,
// Trigger, Day, Start, Length, Playback.
using Row = std::array<QString, 7>;

// The rows stored in bytes. The row count of record 1 is kept within the
// records the bytes hold (a negative count reads none); a count above
// maxRows is refused with the reason in *error (nothing returned).
std::optional<std::vector<Row>> decode(const QByteArray& bytes, QString* error = nullptr);
QByteArray encode(const std::vector<Row>& rows);

// Reads a file; nothing (and the reason) when it cannot be read or is refused.
std::optional<std::vector<Row>> read(const QString& path, QString* error = nullptr);
// Writes beside the file and renames over it, so the old file stays whole
// until the new one is; false with the reason when it cannot.
bool write(const QString& path, const std::vector<Row>& rows, QString* error = nullptr);

} // namespace scheduleFile
