#pragma once
// Files dropped on the main window: one file, opened by its extension
// (without regard to case). A sequence plays on the current playback, a
// fixture profile opens in the profile editor; shows and scene presets are
// not opened this way, and anything else is refused with a message.

#include <QStringList>

namespace fileDrop {

inline const QString notSupportedText = QStringLiteral(" Not Suported Yet");

void openDroppedFiles(const QStringList& paths);

} // namespace fileDrop
