#include "shortcuts/ui/frmKeyPad.h"

#include "platform/ui/keyCodes.h"
#include "shell/ui/Formontop.h"
#include "shell/ui/windowRegistry.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {
// Buttons of 510 x 405 twips.
constexpr int buttonWidth = 510 / 15, buttonHeight = 405 / 15;
} // namespace

frmKeyPad::frmKeyPad(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmKeyPad"));
    setWindowTitle(QStringLiteral("Enter Time"));
    txtValue = new QLineEdit(this);
    txtValue->setObjectName(QStringLiteral("txtValue"));
    // The window takes every key (only the numeric block types); the box shows.
    txtValue->setReadOnly(true);
    txtValue->setFocusPolicy(Qt::NoFocus);
    auto* grid = new QGridLayout(this);
    grid->addWidget(txtValue, 0, 0, 1, 3);
    auto make = [this](const QString& caption, const QString& name) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setMinimumSize(buttonWidth, buttonHeight);
        b->installEventFilter(this);
        return b;
    };
    for (int i = 0; i < 11; ++i) {
        const QString caption = i <= 8 ? QString::number(i + 1) : i == 9 ? QStringLiteral("0") : QStringLiteral(".");
        cmdButton[size_t(i)] = make(caption, QStringLiteral("cmdButton_%1").arg(i));
        connect(cmdButton[size_t(i)], &QPushButton::clicked, this, [this, i] {
            engine.cmdButton_Click(i);
            after(false);
        });
    }
    cmdBackSpace = make(QStringLiteral("Back"), QStringLiteral("cmdBackSpace"));
    cmdClear = make(QStringLiteral("Clear"), QStringLiteral("cmdClear"));
    cmdEnter = make(QStringLiteral("Enter"), QStringLiteral("cmdEnter"));
    // Rows 7 8 9 / 4 5 6 / 1 2 3 / . 0 Back, then Clear and a double Enter.
    for (int digit = 1; digit <= 9; ++digit) grid->addWidget(cmdButton[size_t(digit - 1)], 1 + (9 - digit) / 3, (digit - 1) % 3);
    grid->addWidget(cmdButton[10], 4, 0);
    grid->addWidget(cmdButton[9], 4, 1);
    grid->addWidget(cmdBackSpace, 4, 2);
    grid->addWidget(cmdClear, 5, 0);
    grid->addWidget(cmdEnter, 5, 1, 1, 2);
    connect(cmdBackSpace, &QPushButton::clicked, this, [this] {
        engine.cmdBackSpace_Click();
        after(false);
    });
    connect(cmdClear, &QPushButton::clicked, this, [this] {
        engine.cmdClear_Click();
        after(false);
    });
    connect(cmdEnter, &QPushButton::clicked, this, [this] { after(engine.cmdEnter_Click()); });
    installEventFilter(this);
    Formontop::setFormOnTop(this, -1);
    cmdButton[0]->setFocus();
}

void frmKeyPad::setTarget(const QString& textBoxName, int32_t theTxtIndex) {
    engine.textBoxName = textBoxName;
    engine.theTxtIndex = theTxtIndex;
}

void frmKeyPad::after(bool closed) {
    txtValue->setText(engine.text);
    cmdEnter->setFocus();
    if (!closed) return;
    hide();
    QTimer::singleShot(0, this, [this] {
        if (!isVisible()) unloadForm<frmKeyPad>(); // not when opened again meanwhile
    });
}

// The window sees every key before its buttons: a button's own Space or
// Enter never presses it twice.
bool frmKeyPad::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        after(engine.keyDown(keyCodes::keyCode(*static_cast<QKeyEvent*>(event))));
        return true;
    }
    if (event->type() == QEvent::KeyRelease) return true;
    return QWidget::eventFilter(watched, event);
}
