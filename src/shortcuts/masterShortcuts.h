#pragma once
// The engine of the MASTER shortcuts window (Shortcuts): 511 buttons bound to
// the show's MASTER table (shell().state.masterShortcutFiles), button n to
// entry n + 1. An entry is a sequence path relative to the Sequences folder.
// One per shell: shell().engine<MasterShortcuts>().

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <set>

class MasterShortcuts {
public:
    static constexpr int32_t buttonCount = 511;
    // Button colours, blue-green-red.
    static constexpr int32_t designColour = 0xC0C0C0, clearedColour = int32_t(0x8000000F), assignedColour = 0x80FF,
                             runningColour = 0xFF0000;

    MasterShortcuts();

    // The entry of button n (1..511), trimmed; empty outside.
    QString entry(int32_t button) const;
    // "Sequence n", or the entry's title (with "-n" when numbers are shown).
    QString caption(int32_t button) const;
    int32_t colour(int32_t button) const;
    bool showNumbers() const;
    void setShowNumbers(bool on);

    // A left press: loads the entry's sequence on the playback its header
    // names and starts it; a missing file offers to remove the entry.
    void pressLeft(int32_t button, bool shiftAlone);
    // A right press chooses the button for the console's entry commands.
    void pressRight(int32_t button);
    int32_t selectedMasterShortcut = 0;
    // Recolours the buttons for the entry named (a sequence's running state changed).
    void checkActivePlaybacks(const QString& name);
    // Empties button n's entry, offering to move its file to the trash; saves the show.
    void removeEntry(int32_t button);

    // Files dropped on button n: file k goes to entry n + k. Only .YSQ files
    // below the program's Sequences folder are taken.
    void dropFiles(int32_t button, const QStringList& realPaths);
    // The table form of a sequence path: the part after Sequences\, empty
    // for a path elsewhere.
    QString extractFolderAndSequence(const QString& fullPath) const;
    // Arrangements of entries 2..512.
    void arrangeAlphabetically();
    void arrangeByChaser();

    // The window rebuilds after a change.
    std::function<void()> onChanged;
    std::function<bool(const QString& path)> trash;

private:
    QStringList& table();
    bool entryPathOk(const QString& entry) const;
    QString entryRealPath(const QString& entry) const;
    bool running(const QString& entry) const;
    std::set<int32_t> cleared;
    std::set<int32_t> runningButtons;
};

// The built-in keyboard shortcut list, row by row.
QStringList builtInShortcutRows();
