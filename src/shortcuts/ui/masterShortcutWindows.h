#pragma once
// The MASTER shortcuts window (Shortcuts): 511 buttons bound to the show's
// MASTER table, coloured by their sequence's state; and the built-in
// keyboard shortcut list (ShortcutsDefined).

#include <QWidget>
#include <vector>

class QPushButton;
class QListWidget;
class QAction;

class Shortcuts : public QWidget {
    Q_OBJECT
public:
    Shortcuts();
    ~Shortcuts() override;
    QPushButton* ShortcutCommand(int index) const;
    // Rebuilds captions, tooltips and colours from the table.
    void mirror();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<QPushButton*> buttons; // 1..511 (index 0 unused)
    QAction* showNumbersAction = nullptr;
};

class ShortcutsDefined : public QWidget {
    Q_OBJECT
public:
    ShortcutsDefined();
    QListWidget* List1 = nullptr;
};
