#include "patch/ui/groupMenu.h"

#include "patch/fixtureGroups.h"
#include "shell/services/patchService.h"
#include "shell/shell.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMenu>

namespace groupMenu {

void popup(QWidget* parent, const QPoint& at) {
    QMenu menu(QStringLiteral("Groups"), parent);
    menu.setObjectName(QStringLiteral("groupselect"));
    QAction* none = menu.addAction(QStringLiteral("Deselect All Groups "));
    none->setData(0);
    const int32_t ticked = fixtureGroups::modes().tickedGroup;
    for (const auto& [group, name] : fixtureGroups::menuEntries()) {
        QAction* a = menu.addAction(name);
        a->setData(group);
        a->setCheckable(true);
        a->setChecked(group == ticked);
    }
    QAction* chosen = menu.exec(at);
    if (!chosen) return;
    const bool shift = QGuiApplication::keyboardModifiers() & Qt::ShiftModifier;
    shell().patch().selectGroup(chosen->data().toInt(), shift);
}

void addCommands(QMenu* menu, QWidget* owner, const QString& createCaption) {
    menu->addAction(createCaption, owner, [] { shell().patch().createGroup(); });
    menu->addAction(QStringLiteral("Edit Existing Group"), owner, [owner] {
        // The group chosen is selected; the edit mode starts once the menu
        // has closed, whatever was chosen.
        popup(owner, QCursor::pos());
        shell().patch().editExistingGroup();
    });
    menu->addAction(QStringLiteral("Delete Group"), owner, [owner] {
        shell().patch().deleteGroup();
        popup(owner, QCursor::pos());
    });
    menu->addAction(QStringLiteral("Save Changes to Group"), owner, [] { shell().patch().saveChangesToGroup(); });
}

} // namespace groupMenu
