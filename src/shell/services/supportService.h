#pragma once
// Support windows (subsystem 20): the start-up splash and the preset-data
// window. The base shows nothing.

#include <QString>

class SupportService {
public:
    virtual ~SupportService() = default;
    // The splash window's loading line; ignored when no splash is up.
    virtual void showLoadingText(const QString& text) { (void)text; }
    // Unloads the splash window.
    virtual void unloadSplash() {}
    // Unloads the preset-data window.
    virtual void unloadShowPresetData() {}
};
