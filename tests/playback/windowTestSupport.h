#pragma once
// Helpers for the tests of the playback windows.

#include <QAction>
#include <QMenu>

namespace playbackTest {

// The entry of a menu with this caption; null when there is none.
inline QAction* entry(QMenu* menu, const char* text) {
    for (QAction* a : menu->actions())
        if (a->text() == QLatin1String(text)) return a;
    return nullptr;
}

} // namespace playbackTest
