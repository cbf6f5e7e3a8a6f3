#pragma once
// The main window programming console (subsystem 8) as others use it. The
// base has no main window.

#include <QString>
#include <utility>
#include <vector>

class MainWindowService {
public:
    virtual ~MainWindowService() = default;
    // Replaces the entries of the "Groups" menu after entry 0 ("Deselect All
    // Groups "): one per group, by group number 1..256, with its caption.
    virtual void setGroupMenu(const std::vector<std::pair<int, QString>>& entries) { (void)entries; }
};
