#pragma once
// The workspace file (.YWS): the place and size of every visible window,
// one fixed record of 379 bytes per window, no header. A record carries its
// own running number, so the last one holds the total; the show's file name
// is written in every record and not used when the file is read.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace workspaceFile {

inline constexpr int recordLength = 379;
inline constexpr int nameWidth = 50;
inline constexpr int showWidth = 255;
// The record count of record k is at this offset.
inline constexpr int countOffset = 66;

struct WindowPlace {
    QString name;
    int32_t top = 0, left = 0, height = 0, width = 0; // twips
};

QByteArray encode(const std::vector<WindowPlace>& windows, const QString& showFileName);

// The windows of a workspace file, in file order, records with an empty name
// left out. The count comes from the file's length, never from the counts
// stored in it; a file that is empty or not a whole number of records is
// refused with a message in *error.
std::optional<std::vector<WindowPlace>> decode(const QByteArray& bytes, QString* error);

} // namespace workspaceFile
