// The button menu's file commands (delete, rename) and the copy / move of a
// button to a page. A button is its file in the page folder; a sequence
// button's preset events (.UQF) go with it.

#include "shortcuts/shortcutPages.h"

#include "platform/prompts.h"
#include "platform/safeFile.h"
#include "shell/services/controlService.h"
#include "shell/services/playbackService.h"
#include "shell/shell.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using shortcutFiles::ButtonKind;

namespace {

// The sequences of a multi button that lie in the show folder itself.
QStringList hiddenMultiMembers(const QString& multiFile) {
    QStringList names;
    QByteArray bytes;
    if (!safeFile::readWhole(multiFile, bytes)) return names;
    for (const multiButtons::Member& m : multiButtons::decode(bytes)) {
        const QString name = m.theName.trimmed();
        if (m.kind != multiButtons::hiddenMemberKind) continue;
        // A member name is a file title in the show folder, never a path.
        if (shortcutFiles::nameProblem(name, false).isEmpty()) names << name;
    }
    return names;
}

bool copyFile(const QString& from, const QString& to, QString* error) {
    QByteArray bytes;
    return safeFile::readWhole(from, bytes, error) && safeFile::writeWhole(to, bytes, error);
}

QString deleteQuestion(ButtonKind kind) {
    switch (kind) {
    case ButtonKind::sequence: return QStringLiteral("Would you like to delete the copy of the shortcut on this page");
    case ButtonKind::multi: return QStringLiteral("Would you like delete the copy of this Multi Button on this page");
    default: return QStringLiteral("Would you like delete the copy of the shortcut on this page");
    }
}

QString renamePrompt(ButtonKind kind) {
    switch (kind) {
    case ButtonKind::autoPilot: return QStringLiteral("Please Enter New Name For Auto Pilot Button");
    case ButtonKind::multi: return QStringLiteral("Please Enter New Name For Multi Sequence Button");
    case ButtonKind::timeline: return QStringLiteral("Please Enter New Name For Timeline Schedule Button");
    default: return QStringLiteral("Please Enter New Name For Sequence Button");
    }
}

} // namespace

bool ShortcutPages::deleteButtonFiles(const QString& page, const QString& name, ButtonKind kind) {
    const QString file = shortcutFiles::buttonFile(page, name, kind);
    // The button file goes first: while it stays, so does everything of the button.
    trash(file);
    if (QFileInfo::exists(file)) return false;
    if (kind == ButtonKind::sequence) {
        const QString events = shortcutFiles::presetEventsFile(page, name);
        if (QFileInfo::exists(events)) QFile::remove(events);
    }
    return true;
}

void ShortcutPages::clkDeleteShortcut_Click() {
    const QString page = currentPage, name = currentButtonName;
    const ButtonKind kind = shortcutFiles::kindOf(page, name);
    bool gone = kind == ButtonKind::none;
    if (!gone && shell().prompts().messageBox(deleteQuestion(kind), msgBox::YesNo) == msgBox::Yes) {
        QStringList members;
        if (kind == ButtonKind::multi) members = hiddenMultiMembers(shortcutFiles::buttonFile(page, name, kind));
        gone = deleteButtonFiles(page, name, kind);
        if (!gone) {
            shell().prompts().messageBox(
                QStringLiteral("The button \"%1\" was kept: its file could not be moved to the trash.").arg(name));
        }
        for (const QString& m : gone ? members : QStringList()) {
            QFile::remove(QDir(shortcutFiles::showFolder()).filePath(m + QStringLiteral(".YSQ")));
            QFile::remove(QDir(shortcutFiles::showFolder()).filePath(m + QStringLiteral(".UQF")));
        }
    }
    if (gone) {
        shell().control().deleteButtonAssignments(page, name);
        pageSettings::deletePagePosition(page, name);
    }
    shell().control().updateWebInterface();
    pressActivePageButton();
}

void ShortcutPages::clkRenameShortcut_Click() {
    const QString page = currentPage, oldName = currentButtonName;
    float x = 0, y = 0;
    try {
        pageSettings::readButtonPosition(page, oldName, x, y);
    } catch (const pageSettings::NotANumber&) {
        // An unreadable place is not carried over: the renamed button is placed anew.
    }
    const ButtonKind kind = shortcutFiles::kindOf(page, oldName);
    const QString newName = shortcutFiles::fitName(shell().prompts().inputBox(renamePrompt(kind), QString(), oldName));
    const auto finish = [this] {
        shell().control().updateWebInterface();
        pressActivePageButton();
        saveButtonGroupsOfPage();
    };
    if (newName.isEmpty() || newName == oldName || kind == ButtonKind::none) return finish();
    QString problem = shortcutFiles::nameProblem(newName, true);
    if (problem.isEmpty() && shortcutFiles::kindOf(page, newName) != ButtonKind::none)
        problem = QStringLiteral("A button named \"%1\" exists already.").arg(newName);
    const QString from = shortcutFiles::buttonFile(page, oldName, kind);
    const QString to = QFileInfo(from).dir().filePath(newName + shortcutFiles::extensionOf(kind));
    if (problem.isEmpty() && !QFile::rename(from, to)) problem = QStringLiteral("The file could not be renamed.");
    if (!problem.isEmpty()) {
        shell().prompts().messageBox(QStringLiteral("Error Renaming Button:") + problem);
        return finish();
    }
    if (kind == ButtonKind::sequence) {
        const QString events = shortcutFiles::presetEventsFile(page, oldName);
        const QString newEvents = QFileInfo(to).dir().filePath(newName + QStringLiteral(".UQF"));
        QFile::remove(newEvents); // a stale file of the new name never pairs with this sequence
        if (QFileInfo::exists(events)) QFile::rename(events, newEvents);
        int32_t playbackNumber = 0;
        if (shell().playback().returnIfFilenameIsLoaded(sequenceRelative(page, oldName), playbackNumber))
            shell().playback().clearSequenceInChaser(playbackNumber);
    }
    savePosition(newName, x, y);
    ControlService& control = shell().control();
    control.carryButtonShortcut(oldName, newName, control.getMyKeyboardShortcut(page, oldName), page, page);
    finish();
}

QString ShortcutPages::freeCopyName(const QString& page, const QString& name) const {
    for (int n = std::max(2, returnNameCount(name));; ++n) {
        const QString candidate = name + QLatin1Char(' ') + QString::number(n);
        if (shortcutFiles::kindOf(page, candidate) == ButtonKind::none) return candidate;
    }
}

bool ShortcutPages::copyButtonFiles(const QString& sourcePage, const QString& sourceName, const QString& targetPage,
                                    const QString& targetName, ButtonKind kind) {
    QString error;
    const QString targetFile = shortcutFiles::buttonFile(targetPage, targetName, kind);
    bool ok = copyFile(shortcutFiles::buttonFile(sourcePage, sourceName, kind), targetFile, &error);
    if (ok && kind == ButtonKind::sequence) {
        const QString events = shortcutFiles::presetEventsFile(sourcePage, sourceName);
        const QString targetEvents = QFileInfo(targetFile).dir().filePath(targetName + QStringLiteral(".UQF"));
        if (QFileInfo::exists(events)) ok = copyFile(events, targetEvents, &error);
        else QFile::remove(targetEvents); // the replaced sequence's events must not stay beside the new one
    }
    if (!ok) shell().prompts().messageBox(QStringLiteral("Error in Move/copy Button: ") + error);
    return ok;
}

bool ShortcutPages::copyMoveButton(const QString& sourcePage, const QString& name, const QString& targetPage) {
    const ButtonKind kind = shortcutFiles::kindOf(sourcePage, name);
    QString problem = shortcutFiles::nameProblem(name, false);
    if (problem.isEmpty() && (!pages.contains(sourcePage) || !pages.contains(targetPage)))
        problem = QStringLiteral("The page does not exist.");
    if (problem.isEmpty() && kind == ButtonKind::none)
        problem = QStringLiteral("There is no button named \"%1\" on the page \"%2\".").arg(name, sourcePage);
    if (!problem.isEmpty()) {
        shell().prompts().messageBox(QStringLiteral("Error in Move/copy Button: ") + problem);
        return false;
    }
    QString targetName = name;
    if (sourcePage == targetPage) {
        targetName = freeCopyName(targetPage, name);
    } else if (shortcutFiles::kindOf(targetPage, name) != ButtonKind::none) {
        const int answer = shell().prompts().messageBox(
            QStringLiteral("A button named \"%1\" is already on the page \"%2\". Would you like to replace it?").arg(name, targetPage),
            msgBox::YesNo);
        if (answer != msgBox::Yes) return false;
    }
    if (!copyButtonFiles(sourcePage, name, targetPage, targetName, kind)) return false;
    const QString question = kind == ButtonKind::sequence
                                 ? QStringLiteral("WOuld you like to DELETE the copy of the shortcut on this page")
                                 : QStringLiteral("Would you like to DELETE the copy of the shortcut on this page");
    if (shell().prompts().messageBox(question, msgBox::YesNo) == msgBox::Yes && !deleteButtonFiles(sourcePage, name, kind))
        shell().prompts().messageBox(QStringLiteral("The button \"%1\" was copied but its file could not be moved to the trash.").arg(name));
    pressPageButton(targetPage);
    pageSettings::writePosition(targetPage, targetName, float(windowHeight - 1200), float(windowWidth - 1200),
                                currentPage == targetPage ? groupAtPoint(float(windowWidth - 1200), float(windowHeight - 1200)) : 0);
    shell().control().updateWebInterface();
    pressActivePageButton();
    currentButtonName = targetName;
    setFlashButton();
    return true;
}
