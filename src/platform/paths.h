#pragma once
// Paths. Paths stored in files and built by the console keep their backslash
// form; realPath() turns one into a path of this machine, matching each
// existing folder and file name without regard to case ("images" and
// "Images" are one folder).

#include <QString>

namespace paths {

// Backslashes become slashes; every component that exists under another
// case is replaced by its name on disk. Components that do not exist yet are
// kept as given, so the result can name a file about to be created.
QString realPath(const QString& path);

// Joins a folder and a name with a single backslash, the stored form.
QString joinStored(const QString& folder, const QString& name);

// Copies every file and folder of `from` into `to` that is not there yet.
// Returns false when a copy failed.
bool seedFolder(const QString& from, const QString& to);

} // namespace paths
