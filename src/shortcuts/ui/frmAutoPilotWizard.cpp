#include "shortcuts/ui/frmAutoPilotWizard.h"

#include "platform/prompts.h"
#include "shell/shell.h"
#include "shell/ui/windowRegistry.h"
#include "shortcuts/shortcutPages.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const char* const stepTexts[3] = {
    "Set the time interval (in minutes or number of beats per minute) by selecting from the menu below. You may "
    "override this feature during playback later if you wish.  Press next to Continue.",
    "On the pages above press all the Sequence buttons in the order to be pressed on Auto Pilot. Remember the Top of "
    "the button releases all but the one being pressed and the bottom Stacks the Buttons. When Done Press Next.",
    "Once you have selected all the sequence buttons you want to play on Auto Pilot, Enter the Name for this new Auto "
    "Pilot Button below and press the Save button."};

const QString marked = QStringLiteral("QPushButton { background-color: #ff0000; color: white; }");

ShortcutPages& pages() { return shell().engine<ShortcutPages>(); }

QToolButton* arrow(QWidget* parent, Qt::ArrowType type, const QString& name) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setArrowType(type);
    return b;
}

// An up-down arrow: the buddy's value stepped as the pages' panel steps it.
void stepBox(QLineEdit* box, bool isTime, int direction) {
    box->setText(ShortcutPages::steppedInterval(box->text(), isTime, direction));
}

} // namespace

frmAutoPilotWizard::frmAutoPilotWizard(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmAutoPilotWizard"));
    setWindowTitle(QStringLiteral("Auto Pilot Wizard"));
    lblTitle = new QLabel(QStringLiteral("~Auto Pilot Button Wizard~"), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setAlignment(Qt::AlignCenter);
    lblInstuctions = new QLabel(this);
    lblInstuctions->setObjectName(QStringLiteral("lblInstuctions"));
    lblInstuctions->setWordWrap(true);
    cmdTime = new QPushButton(QStringLiteral("Time"), this);
    cmdTime->setObjectName(QStringLiteral("cmdTime"));
    cmdBeats = new QPushButton(QStringLiteral("Beats"), this);
    cmdBeats->setObjectName(QStringLiteral("cmdBeats"));
    txtTime = new QLineEdit(QStringLiteral("1"), this);
    txtTime->setObjectName(QStringLiteral("txtTime"));
    txtBeats = new QLineEdit(QStringLiteral("32"), this);
    txtBeats->setObjectName(QStringLiteral("txtBeats"));
    UdTimeUp = arrow(this, Qt::UpArrow, QStringLiteral("UdTimeUp"));
    UdTimeDown = arrow(this, Qt::DownArrow, QStringLiteral("UdTimeDown"));
    UdBeatUp = arrow(this, Qt::UpArrow, QStringLiteral("UdBeatUp"));
    UdBeatDown = arrow(this, Qt::DownArrow, QStringLiteral("UdBeatDown"));
    txtFileName = new QLineEdit(placeholder(), this);
    txtFileName->setObjectName(QStringLiteral("txtFileName"));
    txtFileName->setStyleSheet(QStringLiteral("QLineEdit#txtFileName { color: #808080; }"));
    txtFileName->installEventFilter(this);
    cmdNext = new QPushButton(QStringLiteral("Next"), this);
    cmdNext->setObjectName(QStringLiteral("cmdNext"));
    cmdBack = new QPushButton(QStringLiteral("Back"), this);
    cmdBack->setObjectName(QStringLiteral("cmdBack"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblTitle);
    layout->addWidget(lblInstuctions);
    auto* interval = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{cmdTime, txtTime, UdTimeUp, UdTimeDown, cmdBeats, txtBeats,
                                                      UdBeatUp, UdBeatDown})
        interval->addWidget(w);
    layout->addLayout(interval);
    layout->addWidget(txtFileName);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdBack);
    buttons->addWidget(cmdNext, 1);
    layout->addLayout(buttons);

    connect(cmdNext, &QPushButton::clicked, this, [this] { cmdNext_Click(); });
    connect(cmdBack, &QPushButton::clicked, this, [this] { cmdBack_Click(); });
    connect(cmdTime, &QPushButton::clicked, this, [this] { cmdTime_Click(); });
    connect(cmdBeats, &QPushButton::clicked, this, [this] { cmdBeats_Click(); });
    // The boxes reach the panel's boxes as they change (the arrows too).
    connect(txtTime, &QLineEdit::textChanged, this, [](const QString& t) {
        pages().txtTime = t;
        pages().setIntervalMode(!pages().beatsMode); // redraws the panel
    });
    connect(txtBeats, &QLineEdit::textChanged, this, [](const QString& t) {
        pages().txtBeats = t;
        pages().setIntervalMode(!pages().beatsMode);
    });
    connect(UdTimeUp, &QToolButton::clicked, this, [this] { stepBox(txtTime, true, 1); });
    connect(UdTimeDown, &QToolButton::clicked, this, [this] { stepBox(txtTime, true, -1); });
    connect(UdBeatUp, &QToolButton::clicked, this, [this] { stepBox(txtBeats, false, 1); });
    connect(UdBeatDown, &QToolButton::clicked, this, [this] { stepBox(txtBeats, false, -1); });
    paintMarks();
    wizardStep = 0;
    cmdNext_Click();
}

void frmAutoPilotWizard::paintMarks() {
    cmdTime->setStyleSheet(timeMode ? marked : QString());
    cmdBeats->setStyleSheet(timeMode ? QString() : marked);
    cmdTime->setProperty("selected", timeMode);
    cmdBeats->setProperty("selected", !timeMode);
}

void frmAutoPilotWizard::showIntervalControls(bool visible) {
    for (QWidget* w : std::initializer_list<QWidget*>{txtBeats, txtTime, UdTimeUp, UdTimeDown, UdBeatUp, UdBeatDown,
                                                      cmdTime, cmdBeats})
        w->setVisible(visible);
}

void frmAutoPilotWizard::showWizardStep() {
    if (wizardStep < 1 || wizardStep > 3) return;
    lblInstuctions->setText(QString::fromLatin1(stepTexts[wizardStep - 1]));
    cmdBack->setText(QStringLiteral("Back"));
    if (wizardStep == 1) {
        cmdNext->setText(QStringLiteral("Next"));
        showIntervalControls(true);
        txtFileName->hide();
    } else if (wizardStep == 2) {
        cmdNext->setText(QStringLiteral("Next"));
        showIntervalControls(false);
        txtFileName->hide();
        // Every sequence button pressed from now on becomes a step.
        pages().createNewAutoPilot(true);
    } else {
        txtFileName->show();
        cmdNext->setText(QStringLiteral("Save"));
        pages().createNewAutoPilot(false);
    }
}

void frmAutoPilotWizard::cmdNext_Click() {
    if (cmdNext->text() != QLatin1String("Save")) {
        ++wizardStep;
        showWizardStep();
        return;
    }
    const QString name = txtFileName->text();
    if (name == placeholder()) {
        shell().prompts().messageBox(QStringLiteral("Enter Name for Auto Pilot Button"));
        return;
    }
    // A name that cannot be a file is refused with a message; the wizard stays at step 3.
    if (!pages().saveAutoDMXPilot(name, false)) return;
    hide();
    QTimer::singleShot(0, this, [this] {
        if (!isVisible()) unloadForm<frmAutoPilotWizard>();
    });
}

void frmAutoPilotWizard::cmdBack_Click() {
    if (wizardStep < 1) return;
    --wizardStep;
    showWizardStep();
}

void frmAutoPilotWizard::cmdTime_Click() {
    timeMode = !timeMode;
    paintMarks();
    pages().setIntervalMode(timeMode);
}

void frmAutoPilotWizard::typing() {
    txtFileName->setStyleSheet(QString());
    if (txtFileName->text() == placeholder()) txtFileName->clear();
}

bool frmAutoPilotWizard::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtFileName) {
        if (event->type() == QEvent::MouseButtonPress) typing();
        if (event->type() == QEvent::KeyPress) {
            typing();
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                cmdNext_Click();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}
