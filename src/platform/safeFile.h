#pragma once
// Whole-file writes that never destroy the only good copy: the bytes go to a
// temporary file beside the target, which is then renamed over it.

#include <QByteArray>
#include <QString>

namespace safeFile {
bool writeWhole(const QString& path, const QByteArray& bytes, QString* error = nullptr);
// Reads a whole file; false (and an error text) when it cannot be opened.
bool readWhole(const QString& path, QByteArray& bytes, QString* error = nullptr);
}
