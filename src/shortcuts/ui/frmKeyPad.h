#pragma once
// "Enter Time": the on-screen keypad for a time in seconds. Its caller names
// the target and places it; the numeric key block types too. Enter writes
// the value (TimeKeypad) and closes it; closing it otherwise writes nothing.

#include "shortcuts/timeKeypad.h"

#include <QWidget>
#include <array>

class QLineEdit;
class QPushButton;

class frmKeyPad : public QWidget {
    Q_OBJECT
public:
    explicit frmKeyPad(QWidget* parent = nullptr);

    // The target of the value; the typed text stays when it changes.
    void setTarget(const QString& textBoxName, int32_t theTxtIndex);

    TimeKeypad engine;
    QLineEdit* txtValue = nullptr;
    // Index 0..8 "1".."9", 9 "0", 10 ".".
    std::array<QPushButton*, 11> cmdButton{};
    QPushButton *cmdBackSpace = nullptr, *cmdClear = nullptr, *cmdEnter = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shows the engine's text; a true result (Enter closed it) unloads the window.
    void after(bool closed);
};
