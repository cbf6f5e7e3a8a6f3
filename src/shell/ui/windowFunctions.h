#pragma once
// The small routines on windows: their stored placement and unloading them
// all. The rest of the small routines are in shell/miscGlobalFunctions.h.

#include <QString>

class QWidget;

namespace miscGlobalFunctions {

// mode "GET" (any case) restores the window's stored position and returns
// the stored text; any other mode stores the position and returns "". An
// empty section means "Startup". Without a usable stored position, or when
// storing fails, the window moves to 100, 100 (twips).
QString windowPlacement(QWidget* window, const QString& mode, const QString& section = QString());

// The top-level window of this object name, or null when none is loaded.
QWidget* topLevelWindow(const QString& name);

// True when a window of this name has a stored position.
bool hasStoredPlacement(const QString& windowName);

// Unloads every loaded window whose name is neither keepName nor
// "frmPalettes".
void unloadAllForms(const QString& keepName);

} // namespace miscGlobalFunctions
