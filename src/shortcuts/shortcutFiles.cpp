#include "shortcuts/shortcutFiles.h"

#include "platform/paths.h"
#include "shell/shell.h"

#include <QDir>
#include <QFileInfo>

namespace shortcutFiles {

QString showFolder() { return shell().programPath(QStringLiteral("Sequences\\") + shell().state.showName); }

QString pageFolder(const QString& page) {
    return shell().programPath(QStringLiteral("Sequences\\") + shell().state.showName + QLatin1Char('\\') + page);
}

QString pageSettingsFile(const QString& page) { return pageFolder(page) + QStringLiteral("/pageSetting.ini"); }

QString extensionOf(ButtonKind kind) {
    switch (kind) {
    case ButtonKind::sequence: return QStringLiteral(".YSQ");
    case ButtonKind::autoPilot: return QStringLiteral(".YTO");
    case ButtonKind::multi: return QStringLiteral(".MUL");
    case ButtonKind::timeline: return QStringLiteral(".YSC");
    case ButtonKind::none: break;
    }
    return {};
}

QString buttonFile(const QString& page, const QString& name, ButtonKind kind) {
    return paths::realPath(pageFolder(page) + QLatin1Char('/') + name + extensionOf(kind));
}

QString presetEventsFile(const QString& page, const QString& name) {
    return paths::realPath(pageFolder(page) + QLatin1Char('/') + name + QStringLiteral(".UQF"));
}

ButtonKind kindOf(const QString& page, const QString& name) {
    if (name.isEmpty()) return ButtonKind::none;
    for (ButtonKind k : {ButtonKind::sequence, ButtonKind::autoPilot, ButtonKind::multi, ButtonKind::timeline})
        if (QFileInfo(buttonFile(page, name, k)).isFile()) return k;
    return ButtonKind::none;
}

QStringList listPages() {
    return QDir(showFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

QStringList listTitles(const QString& folder, const QString& extension) {
    QStringList titles;
    const QStringList files = QDir(folder).entryList(QStringList{QLatin1Char('*') + extension},
                                                     QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& f : files)
        if (f.endsWith(extension, Qt::CaseInsensitive)) titles << f.left(f.size() - extension.size());
    return titles;
}

QString fitName(const QString& typed) {
    QString name = typed;
    name.replace(QLatin1Char('.'), QLatin1Char(','));
    name.replace(QLatin1Char('/'), QLatin1Char('&'));
    name.replace(QLatin1Char('\\'), QLatin1Char('&'));
    return name.trimmed();
}

QString nameProblem(const QString& name, bool isButton) {
    if (name.trimmed().isEmpty()) return QStringLiteral("The name is empty.");
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    for (QChar c : name)
        if (forbidden.contains(c) || c.unicode() < 32)
            return QStringLiteral("The name \"%1\" holds a character a file name cannot have.").arg(name);
    if (name.contains(QLatin1String("..")))
        return QStringLiteral("The name \"%1\" cannot hold \"..\".").arg(name);
    if (isButton) {
        bool number = false;
        const int n = name.trimmed().toInt(&number);
        if ((number && n >= 1 && n <= 10) || name.trimmed().compare(QLatin1String("ReleaseorStack"), Qt::CaseInsensitive) == 0)
            return QStringLiteral("The name \"%1\" is kept for the page's groups and mode; please choose another.")
                .arg(name);
    }
    return {};
}

bool removeFolder(const QString& folder) {
    QDir dir(folder);
    if (!dir.exists()) return true;
    return dir.removeRecursively();
}

} // namespace shortcutFiles
