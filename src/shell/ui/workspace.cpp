#include "shell/ui/workspace.h"

#include "platform/prompts.h"
#include "platform/safeFile.h"
#include "shell/shell.h"
#include "shell/ui/windowRegistry.h"
#include "shell/windowMenu.h"
#include "shell/workspaceFile.h"

#include <QStringList>

namespace workspace {

namespace {
constexpr int twipsPerPixel = 15;

FileDialogRequest request(const QString& title) {
    return {title, shell().programFolder(), QStringLiteral("Current Workspace"),
            QStringLiteral("Workspaces (*.YWS *.yws)")};
}

QWidget* loadedWindowNamed(const QString& name) {
    for (QWidget* w : windows().loadedForms())
        if (w->objectName() == name) return w;
    return nullptr;
}

void place(QWidget* w, const workspaceFile::WindowPlace& p) {
    w->show();
    w->setGeometry(p.left / twipsPerPixel, p.top / twipsPerPixel, p.width / twipsPerPixel,
                   p.height / twipsPerPixel);
}
} // namespace

void saveWorkspace() {
    Shell& s = shell();
    QString path = s.prompts().saveFileName(request(QStringLiteral("Save Workspace")));
    if (path.isEmpty()) return;
    if (!path.endsWith(QLatin1String(".YWS"), Qt::CaseInsensitive)) path += QStringLiteral(".YWS");
    std::vector<workspaceFile::WindowPlace> places;
    for (QWidget* w : windows().loadedForms()) {
        if (!w->isVisible()) continue;
        const QRect g = w->geometry();
        places.push_back({w->objectName(), g.top() * twipsPerPixel, g.left() * twipsPerPixel,
                          g.height() * twipsPerPixel, g.width() * twipsPerPixel});
    }
    QString error;
    if (!safeFile::writeWhole(path, workspaceFile::encode(places, s.state.showFileName), &error))
        s.prompts().messageBox(QStringLiteral("The workspace could not be saved: ") + error, msgBox::OKOnly);
}

void loadWorkspace() {
    Shell& s = shell();
    const QString path = s.prompts().openFileName(request(QStringLiteral("Load Workspace")));
    if (path.isEmpty()) return;
    QByteArray bytes;
    QString error;
    if (!safeFile::readWhole(path, bytes, &error)) {
        s.prompts().messageBox(QStringLiteral("The workspace could not be read: ") + error, msgBox::OKOnly);
        return;
    }
    const auto places = workspaceFile::decode(bytes, &error);
    if (!places) {
        s.prompts().messageBox(error, msgBox::OKOnly);
        return;
    }
    QStringList unknown;
    for (const workspaceFile::WindowPlace& p : *places) {
        // The frame holds every window; it stays where it is.
        if (p.name == QLatin1String("frmPlayBackManager")) continue;
        QWidget* w = loadedWindowNamed(p.name);
        if (!w) {
            if (const windowMenu::ToolWindow* tool = windowMenu::findToolWindow(p.name)) {
                tool->open();
                w = loadedWindowNamed(p.name);
            }
        }
        if (w)
            place(w, p);
        else if (!windowMenu::findToolWindow(p.name))
            unknown.append(p.name);
    }
    if (!unknown.isEmpty())
        s.prompts().messageBox(QStringLiteral("The workspace names windows that cannot be opened here: ") +
                                   unknown.join(QStringLiteral(", ")),
                               msgBox::OKOnly);
}

} // namespace workspace
