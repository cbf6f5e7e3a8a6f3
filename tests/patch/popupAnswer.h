#pragma once
// Answers the next pop-up menu of a test as the operator's keyboard would.

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QStringList>
#include <QTimer>
#include <memory>

// What the next popped-up menu showed, and the entry chosen in it.
struct PopupSeen {
    bool shown = false;
    QStringList captions;
    QStringList ticked;
    QStringList disabled;
};

// Answers the next popup menu by choosing the entry with this caption as
// the keyboard would, or dismisses it when the caption is empty.
inline std::shared_ptr<PopupSeen> answerNextPopup(const QString& choice) {
    auto seen = std::make_shared<PopupSeen>();
    QTimer::singleShot(0, [seen, choice] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        seen->shown = true;
        QAction* chosen = nullptr;
        for (QAction* a : menu->actions()) {
            seen->captions << a->text();
            if (a->isChecked()) seen->ticked << a->text();
            if (!a->isEnabled()) seen->disabled << a->text();
            if (a->text() == choice) chosen = a;
        }
        if (chosen) menu->setActiveAction(chosen);
        QKeyEvent key(QEvent::KeyPress, chosen ? Qt::Key_Return : Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(menu, &key);
    });
    return seen;
}
