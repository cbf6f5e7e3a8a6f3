#pragma once
// Splits a file path into drive, folder, base name and extension. Works on
// the text only; both "\" (stored paths) and "/" (paths of this machine)
// separate folders.

#include <QString>

namespace libParsePath {

// part: 1 drive, 2 / -2 folder with / without its final separator, 3 / -3
// drive and folder with / without it, 4 base name, 5 / -5 extension with /
// without its dot, 6 file name, 7 the path without its extension. Any other
// part gives the empty text.
QString ParsePath(const QString& path, int part);

} // namespace libParsePath
