// Show save: the whole file is made in memory and written through a
// temporary file beside the target, renamed over it only when complete, so
// a failed save leaves the earlier show file as it was.

#include "show/showEngine.h"
#include "show/backup.h"
#include "show/showFile.h"
#include "show/showNames.h"

#include "platform/paths.h"
#include "platform/prompts.h"
#include "platform/safeFile.h"
#include "shell/channelModel.h"
#include "shell/libParsePath.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/services/visualizerService.h"
#include "shell/settingsKeys.h"
#include "shell/shell.h"

#include <QDir>
#include <QFileInfo>
#include <stdexcept>

namespace {

const QString saveError = QStringLiteral("error saving file ");

// Copies a folder's files and, below it, its folders, replacing files of the
// same name. False when a folder could not be made.
bool copyTree(const QString& from, const QString& to, int& copied) {
    if (!QDir().mkpath(to)) return false;
    int here = 0;
    miscGlobalFunctions::copyFolderFiles(from, to, here);
    copied += here;
    bool ok = true;
    const QDir source(from);
    for (const QString& sub : source.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        ok = copyTree(source.filePath(sub), paths::realPath(to + QLatin1Char('/') + sub), copied) && ok;
    return ok;
}

} // namespace

ShowEngine::ShowEngine() : writeFile(&safeFile::writeWhole) {}

QString ShowEngine::showFileName() const { return shell().state.showFileName; }
QString ShowEngine::showName() const { return shell().state.showName; }

void ShowEngine::backUpConfiguration(bool noMessage) { backup::backUpConfiguration(noMessage); }

QString ShowEngine::configurationsFolder() const { return shell().programPath(QStringLiteral("Configurations")); }

void ShowEngine::setCurrentShow(const QString& realPath, bool inConfigurations) {
    Shell& s = shell();
    ChannelModel& m = s.state;
    m.currentFileName = realPath;
    m.showFileName = libParsePath::ParsePath(realPath, 6);
    m.showName = libParsePath::ParsePath(realPath, 4);
    showFilePath = realPath;
    // ylc.ini names a show inside Configurations, where the start-up looks;
    // a show kept elsewhere is not named there.
    if (inConfigurations) settingsKeys::write(settingsKeys::startupFile, m.showFileName);
    miscGlobalFunctions::showStatusText(QStringLiteral("VarnelDMX Software ") + showNames::versionText() +
                                        QStringLiteral(" || Show Name: ") + m.showName);
}

bool ShowEngine::inConfigurations(const QString& realPath) const {
    const QString folder = QFileInfo(realPath).absolutePath();
    return QDir(folder).canonicalPath() == QDir(configurationsFolder()).canonicalPath();
}

bool ShowEngine::saveConfiguration(bool askForOverwrite, bool askForFilename, bool renaming) {
    (void)askForOverwrite; // the desktop's save dialog always asks before it replaces a file
    Shell& s = shell();
    ChannelModel& m = s.state;
    if (askForFilename) s.visualizer().unloadVisualizer();

    QString path;
    if (askForFilename) {
        FileDialogRequest request;
        request.title = QStringLiteral("Name and Save Show/Configuration File");
        request.folder = configurationsFolder();
        request.fileName = m.showFileName;
        request.filter = QStringLiteral("Show / Configuration (*.YCF *.ycf)");
        for (;;) {
            QString chosen = s.prompts().saveFileName(request);
            // A cancelled dialog saves nothing and changes nothing.
            if (chosen.trimmed().isEmpty()) return false;
            if (QFileInfo(chosen).suffix().isEmpty()) chosen += QStringLiteral(".YCF");
            path = paths::realPath(chosen);
            // The new show's pages and presets are cleared under its name, so
            // it must not take the name of a show that has them.
            if (!savingNewShow || !QFileInfo::exists(path)) break;
            s.prompts().messageBox(QStringLiteral("A show named ") + libParsePath::ParsePath(path, 4) +
                                   QStringLiteral(" already exists. Please give the new show a name of its own."));
        }
    } else if (!showFilePath.isEmpty() && libParsePath::ParsePath(showFilePath, 6) == m.showFileName) {
        path = showFilePath;
    } else {
        // A show without a name yet gets one from the operator.
        if (m.showFileName.trimmed().isEmpty()) return saveConfiguration(askForOverwrite, true, renaming);
        QDir().mkpath(configurationsFolder());
        path = s.programPath(QStringLiteral("Configurations\\") + m.showFileName);
    }

    // All 25 fixed profile slotCount exist after a save, and every slot above.
    const int slotCount = std::max<int>(showFile::fixedProfileSlots, int(m.lightClasses.size()) - 1);
    for (int k = 1; k <= slotCount; ++k) m.lightClass(k);

    const QString chosenName = libParsePath::ParsePath(path, 6);
    if (renaming && chosenName != m.showFileName) resaveShow(libParsePath::ParsePath(path, 4));

    QByteArray bytes;
    try {
        bytes = showFile::encode(m);
    } catch (const std::exception& e) {
        s.prompts().messageBox(saveError + QString::fromLocal8Bit(e.what()));
        return false;
    }
    QString problem;
    if (!writeFile(path, bytes, &problem)) {
        s.prompts().messageBox(saveError + problem);
        return false;
    }
    setCurrentShow(path, inConfigurations(path));
    m.showChanged = false;
    return true;
}

void ShowEngine::resaveShow(const QString& newConfigName) {
    Shell& s = shell();
    const QString oldName = libParsePath::ParsePath(s.state.showFileName, 4);
    for (const char* folder : {"Sequences", "Palettes"}) {
        const QString from = s.programPath(QLatin1String(folder) + QLatin1Char('\\') + oldName);
        const QString to = s.programPath(QLatin1String(folder) + QLatin1Char('\\') + newConfigName);
        if (oldName.isEmpty() || !QFileInfo(from).isDir()) continue;
        int copied = 0;
        if (!copyTree(from, to, copied))
            s.prompts().messageBox(QStringLiteral("Show Not Fully Copied and Renamed:") +
                                   QStringLiteral("cannot make the folder ") + to);
    }
}
