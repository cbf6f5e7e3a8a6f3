// The page menu: duplicating, renaming and deleting a page, and emptying
// every page when a new show starts. Assignments stored per page name follow.

#include "shortcuts/shortcutPages.h"

#include "platform/paths.h"
#include "platform/prompts.h"
#include "platform/safeFile.h"
#include "shell/services/controlService.h"
#include "shell/shell.h"

#include <QDir>
#include <QFileInfo>

using shortcutFiles::ButtonKind;

namespace {

// Every button name of a page folder, all kinds.
QStringList buttonNamesIn(const QString& folder) {
    QStringList names;
    for (ButtonKind k : {ButtonKind::sequence, ButtonKind::autoPilot, ButtonKind::multi, ButtonKind::timeline})
        names << shortcutFiles::listTitles(folder, shortcutFiles::extensionOf(k));
    return names;
}

} // namespace

void ShortcutPages::clkDuplicatePage_Click() {
    if (currentPage.isEmpty()) return;
    const QString source = paths::realPath(shortcutFiles::pageFolder(currentPage));
    const QString target = source + QStringLiteral(" Copy");
    if (!QDir().mkpath(target)) {
        shell().prompts().messageBox(QStringLiteral("Error Duplicating Page:") + QStringLiteral("The folder could not be made."));
        return;
    }
    const QStringList files = QDir(source).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& f : files) {
        const QString to = QDir(target).filePath(f);
        QByteArray bytes;
        QString error;
        if (QFileInfo::exists(to)) error = QStringLiteral("The file %1 exists already.").arg(f);
        else if (safeFile::readWhole(QDir(source).filePath(f), bytes, &error)) safeFile::writeWhole(to, bytes, &error);
        if (!error.isEmpty()) {
            shell().prompts().messageBox(QStringLiteral("Error Duplicating Page:") + error);
            return;
        }
    }
    loadPageButtons();
}

void ShortcutPages::clkRenamePage_Click() {
    const QString oldName = currentPage;
    if (oldName.isEmpty()) return;
    const QString newName = shortcutFiles::fitName(
        shell().prompts().inputBox(QStringLiteral("Please Enter New Name For Page"), QString(), QString()));
    if (newName.isEmpty()) return;
    const QString problem = shortcutFiles::nameProblem(newName, false);
    if (!problem.isEmpty()) {
        shell().prompts().messageBox(QStringLiteral("Error Renameing Page: ") + problem);
        return;
    }
    const QString oldFolder = paths::realPath(shortcutFiles::pageFolder(oldName));
    const QString newFolder = QFileInfo(oldFolder).dir().filePath(newName);
    // A page of that name exists already: nothing changes.
    if (QFileInfo::exists(paths::realPath(shortcutFiles::pageFolder(newName)))) return;
    if (QDir(oldFolder).exists() && !QDir().rename(oldFolder, newFolder)) {
        shell().prompts().messageBox(QStringLiteral("Error Renameing Page: ") + QStringLiteral("The folder could not be renamed."));
        return;
    }
    ControlService& control = shell().control();
    control.carryPageShortcut(oldName, newName, control.getPageShortcut(oldName));
    for (const QString& button : buttonNamesIn(newFolder)) {
        const QString shortcut = control.getMyKeyboardShortcut(oldName, button);
        if (!shortcut.isEmpty()) control.carryButtonShortcut(button, button, shortcut, oldName, newName);
    }
    currentPage = newName;
    loadPageButtons();
    refreshCurrentPage();
    control.updateWebInterface();
}

void ShortcutPages::deleteCurrentPage() {
    const int answer = shell().prompts().messageBox(
        QStringLiteral("Are you sure you Would like to DELETE the current Page. THIS WILL DELETE ALL SEQUECES ON THIS PAGE FOREVER!!!"),
        msgBox::YesNo);
    if (answer == msgBox::Yes && !currentPage.isEmpty()) {
        const QString folder = paths::realPath(shortcutFiles::pageFolder(currentPage));
        for (const QString& button : buttonNamesIn(folder)) shell().control().deleteButtonAssignments(currentPage, button);
        if (!shortcutFiles::removeFolder(folder))
            shell().prompts().messageBox(QStringLiteral("Some files of the page could not be deleted: ") + folder);
        loadPageButtons();
        cmdPages_Click(1);
    }
    shell().control().updateWebInterface();
}

void ShortcutPages::deleteAllPages() {
    // The show folder is enumerated itself (the tabs may still name the pages
    // of the show loaded before); everything goes to the trash when it can.
    if (shell().state.showName.trimmed().isEmpty()) return; // never the Sequences folder itself
    const QDir show(shortcutFiles::showFolder());
    if (show.exists()) {
        for (const QFileInfo& entry : show.entryInfoList(QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden)) {
            const QString path = entry.absoluteFilePath();
            if (trash(path)) continue;
            if (entry.isDir()) shortcutFiles::removeFolder(path);
            else QFile::remove(path);
        }
    } else {
        QDir().mkpath(show.path());
    }
    loadPageButtons();
    cmdPages_Click(1);
}
