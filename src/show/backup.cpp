#include "show/backup.h"

#include "platform/fileSystem.h"
#include "platform/prompts.h"
#include "shell/services/showService.h"
#include "shell/shell.h"

#include <QDir>
#include <QFileInfo>

namespace backup {

namespace {

QString join(const QString& folder, const QString& name) {
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

// A folder or file below the program folder, by its stored name.
QString programItem(const QString& storedRelative) { return shell().programPath(storedRelative); }

void stage(BackupProgress* progress, const QString& text) {
    if (progress) progress->backupStage(text);
}

// A shortcut entry is a path relative to its folder; one that climbs out of
// it or names a drive or the root would copy outside the backup.
bool safeRelative(const QString& entry) {
    if (entry.isEmpty() || entry.startsWith(QLatin1Char('\\')) || entry.startsWith(QLatin1Char('/')) ||
        entry.contains(QLatin1Char(':')))
        return false;
    const QStringList parts = QString(entry).replace(QLatin1Char('\\'), QLatin1Char('/')).split(QLatin1Char('/'));
    for (const QString& part : parts)
        if (part == QLatin1String("..") || part == QLatin1String(".")) return false;
    return true;
}

QString currentShow() { return shell().show().showName().trimmed(); }

} // namespace

bool backUpConfiguration(bool noMessage) {
    FileSystem& files = shell().files();
    Prompts& prompts = shell().prompts();
    const QString show = currentShow();
    const QString fileName = shell().show().showFileName();
    if (show.isEmpty() || fileName.isEmpty()) {
        prompts.messageBox(QStringLiteral("Error during back up process. No show is loaded."));
        return false;
    }
    const QString target = join(join(shell().programFolder(), QStringLiteral("Backup")), show);
    QString ignored;
    files.makeFolders(join(target, QStringLiteral("Sequences")), &ignored);
    files.makeFolder(join(target, QStringLiteral("Configurations")), &ignored);
    const auto& state = shell().state;

    QString error;
    if (!files.copyFile(programItem(QStringLiteral("Configurations\\") + fileName),
                        join(join(target, QStringLiteral("Configurations")), fileName), &error) ||
        !files.copyFile(shell().iniFile(), join(target, QStringLiteral("ylc.ini")), &error)) {
        prompts.messageBox(QStringLiteral("Error during back up process. ") + error);
        return false;
    }

    // The files the shortcut tables name; one folder level is made for a
    // sequence, as its page folder.
    auto copyEntry = [&](const QString& folder, const QString& raw, bool makeParent) {
        const QString entry = raw.trimmed();
        if (entry.isEmpty() || !safeRelative(entry)) return;
        const QString relative = QString(entry).replace(QLatin1Char('\\'), QLatin1Char('/'));
        const QString to = join(join(target, folder), relative);
        if (makeParent) files.makeFolder(QFileInfo(to).path(), &ignored);
        files.copyFile(programItem(folder + QLatin1Char('\\') + entry), to, &ignored);
    };
    for (const QString& entry : state.masterShortcutFiles) copyEntry(QStringLiteral("Sequences"), entry, true);
    for (const QString& entry : state.dmxPilotShortcutFiles) copyEntry(QStringLiteral("Configurations"), entry, false);

    if (!noMessage)
        prompts.messageBox(QStringLiteral("Backup was successful.  Refer to help file to restore back ups."));
    return true;
}

bool backUpToDrive(const QString& driveRoot, BackupProgress* progress) {
    FileSystem& files = shell().files();
    Prompts& prompts = shell().prompts();
    const QString show = currentShow();
    // Without a show the show folder would be the backup root itself, and
    // replacing it would drop every other show's backup.
    if (show.isEmpty()) {
        prompts.messageBox(QStringLiteral("No show is loaded: there is nothing to back up."));
        return false;
    }
    const QString root = join(driveRoot, rootFolderName);
    const QString finalFolder = join(root, show);
    // The new copy is built beside the old one; their names start with "~",
    // which no restore takes for a show of its own.
    const QString building = join(root, QStringLiteral("~") + show + QStringLiteral(".new"));
    const QString previous = join(root, QStringLiteral("~") + show + QStringLiteral(".old"));

    QString error, source, target;
    auto fail = [&]() {
        QString ignored;
        files.removeFolder(building, &ignored);
        stage(progress, QString());
        prompts.messageBox(QStringLiteral("Not Fully Backed Up: Source:") + source + QStringLiteral("  Path:") + target +
                           QLatin1Char(' ') + error + QStringLiteral(" The earlier backup is kept."));
        return false;
    };
    // Copies a folder's contents; a folder the program does not have gives
    // an empty one in the backup.
    auto copyFolder = [&](const QString& stored, const QString& into) {
        source = programItem(stored);
        target = join(building, into);
        if (!files.makeFolders(target, &error)) return false;
        if (!files.isFolder(source)) return true;
        return files.copyContents(source, target, &error);
    };

    stage(progress, QStringLiteral("Working....... Please Wait."));
    target = root;
    if (!files.makeFolders(root, &error) || !files.removeFolder(building, &error) ||
        !files.makeFolder(building, &error))
        return fail();

    source = shell().iniFile();
    target = join(building, QStringLiteral("ylc.ini"));
    if (files.exists(source) && !files.copyFile(source, target, &error)) return fail();

    stage(progress, QStringLiteral("Backing up Sequence files Please Wait..."));
    if (!copyFolder(QStringLiteral("Sequences\\") + show, QStringLiteral("Sequences/") + show)) return fail();

    source = programItem(QStringLiteral("Configurations\\") + show + QStringLiteral(".YCF"));
    target = join(building, QStringLiteral("Configurations"));
    if (!files.makeFolder(target, &error) ||
        !files.copyFile(source, join(target, QFileInfo(source).fileName()), &error))
        return fail();

    stage(progress, QStringLiteral("Backing up Palettes Files Please Wait..."));
    if (!copyFolder(QStringLiteral("Palettes\\") + show, QStringLiteral("Palettes/") + show) ||
        !copyFolder(QStringLiteral("Shapes"), QStringLiteral("Shapes")) ||
        !copyFolder(QStringLiteral("RGB"), QStringLiteral("RGB")))
        return fail();
    stage(progress, QStringLiteral("Backing up Images Files Please Wait..."));
    if (!copyFolder(QStringLiteral("Images\\RGB"), QStringLiteral("Images/RGB")) ||
        !copyFolder(QStringLiteral("Images\\Fixture Icons"), QStringLiteral("Images/Fixture Icons")))
        return fail();

    // The new backup is whole: it takes the old one's place.
    source = building;
    target = finalFolder;
    if (!files.removeFolder(previous, &error)) return fail();
    const bool hadOld = files.exists(finalFolder);
    if (hadOld && !files.rename(finalFolder, previous, &error)) return fail();
    if (!files.rename(building, finalFolder, &error)) {
        QString ignored;
        if (hadOld) files.rename(previous, finalFolder, &ignored);
        return fail();
    }
    QString ignored;
    files.removeFolder(previous, &ignored);
    stage(progress, QString());
    prompts.messageBox(QStringLiteral("Backup was successful."));
    return true;
}

QString restorableShow(const QString& folder) {
    const QFileInfo info(folder);
    const QString name = info.fileName();
    if (name.isEmpty() || name.startsWith(QLatin1Char('~'))) return {};
    const QDir parent = info.dir();
    if (parent.dirName() != rootFolderName) return {};
    const QString driveRoot = QFileInfo(parent.absolutePath()).dir().absolutePath();
    for (const Drive& d : shell().files().drives())
        if (QDir(d.root).absolutePath() == driveRoot) return name;
    return {};
}

bool restore(const QString& folder, BackupProgress* progress) {
    FileSystem& files = shell().files();
    // The whole folder name: "My.Show" is the show My.Show, not "My".
    const QString name = QFileInfo(folder).fileName();
    QString error;
    auto fail = [&]() {
        stage(progress, QString());
        shell().prompts().messageBox(QStringLiteral("Error Finding Backup Files : Restore : ") + error);
        return false;
    };
    if (name.isEmpty() || !files.isFolder(folder)) {
        error = folder + QStringLiteral(": no such folder");
        return fail();
    }
    stage(progress, QStringLiteral("Working....... Please Wait."));
    const QString sequences = programItem(QStringLiteral("Sequences\\") + name);
    const QString palettes = programItem(QStringLiteral("Palettes\\") + name);
    if ((files.exists(sequences) && !files.removeFolder(sequences, &error)) ||
        (files.exists(palettes) && !files.removeFolder(palettes, &error)) ||
        !files.copyContents(folder, shell().programFolder(), &error))
        return fail();
    stage(progress, QString());
    const QString showFile = programItem(QStringLiteral("Configurations\\") + name + QStringLiteral(".YCF"));
    if (QFileInfo::exists(showFile)) shell().show().loadTheConfiguration(false, showFile);
    return true;
}

} // namespace backup
