#pragma once
// The program-wide settings the options window edits: each is written to
// ylc.ini at once and, where it can take effect while the console runs,
// applied through the subsystem that owns it.

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

namespace options {

// The refresh-rate entries and the tick interval (ms) each stands for.
const std::vector<std::pair<QString, int>>& refreshRates();
// The entry the interval shows as (1000 / interval rounded, and " Hz"); empty
// when no entry has that rate.
QString refreshEntryFor(int intervalMs);
// The interval of an entry; none for a text that is no entry.
std::optional<int> intervalFor(const QString& entry);
// Sets the refresh tick from the entry (any other text leaves it) and stores
// the tick's interval in milliseconds.
void applyDmxRefreshRate(const QString& entry);

// "10", "35" ... "9985".
QStringList timingEntries();
// The timing value chosen since the program started (0 before any choice).
int timingValue();
void chooseTiming(int value);

// Stored choices; each counts as on only when it reads exactly "True".
bool dualViewStored();
bool oneConsoleStored();
bool artNetStored();
bool webServerStored();
// Stores the dual-view choice and lays the windows out again.
void setDualView(bool on);
// Stores the one-console choice (in force from the next start).
void setOneConsole(bool on);

// A start-up show picked in the file dialog: stores its file name when the
// file exists, else shows " File Not Valid". True when stored.
bool chooseStartupShow(const QString& path);

// "Disable MIDI Input", then the MIDI input devices.
QStringList midiEntries();
QString storedMidiDevice();
// Stores the entry and reopens MIDI with it.
void chooseMidiDevice(const QString& entry);

// The port box changed: stores the number when it lies above 0 and below
// 9999. True when stored.
bool portTextChanged(const QString& text);
QString storedPort();
struct WebServerState {
    QString portText; // the port the server uses, when it was started
    QString address;  // what the address box shows
};
// The web-server box released: stores the choice and starts the server on
// the box's port (0 takes the stored one) or stops it.
WebServerState setWebServer(bool on, const QString& portText);

} // namespace options
