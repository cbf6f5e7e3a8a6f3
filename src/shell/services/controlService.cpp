#include "shell/services/controlService.h"
#include "shell/services/webRemoteService.h"

#include "shell/miscGlobalFunctions.h"
#include "shell/services/consoleService.h"
#include "shell/shell.h"

ControlService& Shell::control() { return service<ControlService>(); }

namespace {

QString assignmentFile(const QString& name) {
    return shell().programPath(QStringLiteral("Sequences\\") + shell().state.showName + QLatin1Char('\\') + name);
}
QString keyboardFile() { return assignmentFile(QStringLiteral("keyboardShortcuts.ini")); }
QString midiFile() { return assignmentFile(QStringLiteral("MIDIShortcuts.ini")); }

QString read(const QString& file, const QString& section, const QString& key) {
    return miscGlobalFunctions::readIniValue(file, section, key, QString()).trimmed();
}
void remove(const QString& file, const QString& section, const QString& key) {
    miscGlobalFunctions::writeIniValue(file, section, key, std::nullopt);
}
void write(const QString& file, const QString& section, const QString& key, const QString& value) {
    miscGlobalFunctions::writeIniValue(file, section, key, value);
}
// A key name is one character (or the space bar); anything else is a MIDI key.
bool isKeyName(const QString& shortcut) {
    return shortcut.size() == 1 || shortcut == QLatin1String("spaceBar");
}

} // namespace

QString ControlService::getMyKeyboardShortcut(const QString& page, const QString& buttonName) {
    if (buttonName.isEmpty() || page.isEmpty()) return {};
    const QString key = read(keyboardFile(), buttonName, page);
    return key.isEmpty() ? read(midiFile(), buttonName, page) : key;
}

QString ControlService::getPageShortcut(const QString& page) {
    if (page.isEmpty()) return {};
    const QString key = read(keyboardFile(), page, page);
    return key.isEmpty() ? read(midiFile(), page, page) : key;
}

void ControlService::carryButtonShortcut(const QString& oldName, const QString& newName, const QString& shortcut,
                                         const QString& oldPage, const QString& newPage) {
    const QString k = shortcut.trimmed();
    if (k.isEmpty() || newName.isEmpty()) return;
    const QString file = isKeyName(k) ? keyboardFile() : midiFile();
    const QString trigger = miscGlobalFunctions::readIniValue(file, k, oldName + QStringLiteral("Trigger"),
                                                              QStringLiteral("1")).trimmed();
    remove(file, oldName, oldPage);
    remove(file, k, oldPage);
    remove(file, k, oldName + QStringLiteral("Trigger"));
    write(file, k, newPage, newName);
    write(file, k, newName + QStringLiteral("Trigger"), trigger);
    write(file, newName, newPage, k);
}

void ControlService::carryPageShortcut(const QString& oldPage, const QString& newPage, const QString& shortcut) {
    const QString k = shortcut.trimmed();
    if (k.isEmpty() || newPage.isEmpty()) return;
    const QString file = isKeyName(k) ? keyboardFile() : midiFile();
    remove(file, oldPage, oldPage);
    write(file, k, QStringLiteral("PageName"), newPage);
    write(file, newPage, newPage, k);
}

void ControlService::deleteButtonAssignments(const QString& page, const QString& buttonName) {
    if (buttonName.isEmpty() || page.isEmpty()) return;
    for (const QString& file : {keyboardFile(), midiFile()}) {
        const QString k = read(file, buttonName, page);
        if (!k.isEmpty() && read(file, k, page) == buttonName) remove(file, k, page);
        if (!k.isEmpty()) remove(file, k, buttonName + QStringLiteral("Trigger"));
        remove(file, buttonName, page);
    }
}

// The web remote is its own service; these reach it.
void ControlService::StartServer(int32_t& port) { shell().service<WebRemoteService>().StartServer(port); }
void ControlService::StopServer() { shell().service<WebRemoteService>().StopServer(); }
void ControlService::updateWebInterface() { shell().service<WebRemoteService>().updateWebInterface(); }
void ControlService::mirrorButtonStateToWeb(const QString& index, const QString& tab, const QString& state) {
    shell().service<WebRemoteService>().mirrorButtonStateToWeb(index, tab, state);
}
QString ControlService::getIP() { return shell().service<WebRemoteService>().getIP(); }
int32_t ControlService::getPort() { return shell().service<WebRemoteService>().getPort(); }

// No keyboard triggers are assigned while external control is not built, so
// every key is one without assignment. The main window's key handling is the
// console's.
void ControlService::shortcutKeyDown(int keyCode, int shift) { shell().console().Keyshortcuts(keyCode, shift); }
void ControlService::shortcutKeyUp(int keyCode, int shift) { shell().console().keyshortcutsup(keyCode, shift); }
