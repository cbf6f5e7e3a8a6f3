#pragma once
// The fixture list window "Fixture List": every patched fixture by name;
// selecting entries with the mouse selects them on the layout, and the
// layout writes its selection back. "Locate Fixture" lights the chosen
// fixture up on stage. Its "Groups" menu runs the layout's group commands.

#include <QWidget>

class LayoutEngine;
class QListWidget;
class QPushButton;

class FixtureList : public QWidget {
    Q_OBJECT
public:
    explicit FixtureList(LayoutEngine& engine);
    // Mirrors the engine's list state (entries, selection, Locate mode).
    void syncFromEngine();
    QListWidget* List1 = nullptr;
    QPushButton* cmdLocateFixture = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void selectionChanged();
    LayoutEngine& engine;
    bool syncing = false;
};
