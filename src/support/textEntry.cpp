#include "support/textEntry.h"

#include "shell/services/patchService.h"
#include "shell/services/playbackService.h"
#include "shell/shell.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace textEntry {

namespace {

const QString enterName = QStringLiteral("Please enter a name.");

Result done() { return {true, {}}; }
Result refused(const QString& why) { return {false, why}; }

Result renameFixture(const Request& r, const QString& typed) {
    Shell& s = shell();
    ChannelModel& m = s.state;
    const QString name = typed.trimmed();
    if (name.isEmpty()) return refused(enterName);
    for (int32_t i = 1; i <= m.fixtureCount && i < m.fixtureName.size(); ++i)
        if (m.fixtureName[i] == name) return refused(duplicateFixtureName);
    if (r.fixture < 1 || r.fixture > m.fixtureCount)
        return refused(QStringLiteral("The fixture is no longer patched."));
    if (!s.patch().renameFixture(r.fixture, name)) return refused(QStringLiteral("The fixture could not be renamed."));
    m.showChanged = true;
    return done();
}

Result namePlayback(const Request& r, const QString& typed) {
    ChannelModel& m = shell().state;
    if (typed.trimmed().isEmpty()) return refused(enterName);
    QStringList& names = m.tables.playbackNames;
    if (r.playback < 1 || r.playback > names.size())
        return refused(QStringLiteral("Only playbacks 1 to ") + QString::number(names.size()) +
                       QStringLiteral(" can be named."));
    names[r.playback - 1] = typed;
    m.showChanged = true;
    return done();
}

Result renamePlaybackSequence(const Request& r, const QString& typed) {
    Shell& s = shell();
    const QString source = s.programPath(QStringLiteral("Sequences\\") + r.originalName);
    QString target;
    const QString problem = checkSequenceRename(source, typed, &target);
    if (!problem.isEmpty()) return refused(problem);
    if (QFileInfo(target) == QFileInfo(source)) return done();
    if (!QFile::rename(source, target)) return refused(QStringLiteral("The sequence could not be renamed."));
    // The sequence's step events go with it.
    const QFileInfo from(source);
    const QString events = from.dir().filePath(from.completeBaseName() + QStringLiteral(".UQF"));
    if (QFileInfo(events).isFile())
        QFile::rename(events, from.dir().filePath(QFileInfo(target).completeBaseName() + QStringLiteral(".UQF")));
    s.playback().refreshShortcuts(1, true);
    return done();
}

} // namespace

QString sequenceBaseName(const QString& originalName) {
    QString name = originalName;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QFileInfo(name).completeBaseName();
}

QString checkSequenceRename(const QString& source, const QString& typed, QString* target) {
    const QString name = typed.trimmed();
    if (name.isEmpty()) return enterName;
    // A name, not a path: the file stays in its page's folder.
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) || name == QLatin1String(".") ||
        name == QLatin1String(".."))
        return QStringLiteral("A sequence name cannot hold \\ or / or be \"..\".");
    if (!QFileInfo(source).isFile())
        return QStringLiteral("The sequence file ") + QFileInfo(source).fileName() + QStringLiteral(" is gone.");
    const QString path = QFileInfo(source).dir().filePath(name + QStringLiteral(".YSQ"));
    if (QFileInfo::exists(path) && QFileInfo(path) != QFileInfo(source))
        return QStringLiteral("A sequence named ") + name + QStringLiteral(" already exists.");
    if (target) *target = path;
    return {};
}

Result OKButton_Click(const Request& request, const QString& typed) {
    const QString& mode = request.dialogMode;
    if (mode.isEmpty()) return namePlayback(request, typed);
    if (mode == renameSequenceOnPlayback) return renamePlaybackSequence(request, typed);
    // These modes do nothing on OK; the dialog stays until Cancel.
    if (mode == editMultiChasers || mode == renameDmxPilot || mode == editScheduleShortcut || mode == renameSequence)
        return {};
    return renameFixture(request, typed);
}

} // namespace textEntry
