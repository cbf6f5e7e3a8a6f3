#include "support/ui/frmStartWizard.h"

#include "shell/services/mastersService.h"
#include "shell/services/shortcutsService.h"
#include "shell/shell.h"
#include "shell/ui/Formontop.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
const char* const captions[3] = {"Sequence Button", "Multi Button", "Auto Pilot Button"};
const char* const explanations[3] = {
    "This option will allow the user to create a look or sequence of looks and create a button on the current "
    "page.",
    "This option will allow the user to create a button that activates multiple Sequence buttons at one time. ",
    "This option will allow the user to create a list of buttons that will automatically be pressed in order, "
    "automatically pressing the buttons every 32 or 64 beats."};
const char* const imageNames[3] = {"imgOn", "imgMulti", "imgAuto"};
} // namespace

QString frmStartWizard::unavailableReason(int type) {
    // The sequence wizard is not built yet.
    return type != sequenceButton ? QString() : QStringLiteral("Not available yet");
}

frmStartWizard::frmStartWizard(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmStartWizard"));
    setWindowTitle(QStringLiteral("Task"));
    setStyleSheet(QStringLiteral("frmStartWizard#frmStartWizard { background-color: #404040; }"
                                 "frmStartWizard QLabel, frmStartWizard QRadioButton { color: white; }"));
    setAttribute(Qt::WA_StyledBackground, true);
    group = new QButtonGroup(this);
    auto* grid = new QGridLayout(this);
    for (int i = 0; i < 3; ++i) {
        images[i] = new QLabel(this);
        images[i]->setObjectName(QString::fromLatin1(imageNames[i]));
        images[i]->setFixedSize(48, 48);
        images[i]->setFrameShape(QFrame::Box);
        images[i]->installEventFilter(this);
        optWizardType[i] = new QRadioButton(QString::fromLatin1(captions[i]), this);
        optWizardType[i]->setObjectName(QStringLiteral("optWizardType%1").arg(i));
        group->addButton(optWizardType[i], i);
        lblExplain[i] = new QLabel(QString::fromLatin1(explanations[i]), this);
        lblExplain[i]->setObjectName(QStringLiteral("lblExplain%1").arg(i));
        lblExplain[i]->setWordWrap(true);
        const QString reason = unavailableReason(i);
        for (QWidget* w : {static_cast<QWidget*>(images[i]), static_cast<QWidget*>(optWizardType[i]),
                           static_cast<QWidget*>(lblExplain[i])}) {
            w->setEnabled(reason.isEmpty());
            if (!reason.isEmpty()) w->setToolTip(reason);
        }
        grid->addWidget(images[i], i * 2, 0, 2, 1);
        grid->addWidget(optWizardType[i], i * 2, 1);
        grid->addWidget(lblExplain[i], i * 2 + 1, 1);
    }
    cmdStart = new QPushButton(QStringLiteral("Start"), this);
    cmdStart->setObjectName(QStringLiteral("cmdStart"));
    grid->addWidget(cmdStart, 6, 0, 1, 2);
    connect(cmdStart, &QPushButton::clicked, this, &frmStartWizard::cmdStart_Click);
    resetChoice();
}

void frmStartWizard::resetChoice() {
    for (int i = 0; i < 3; ++i)
        if (unavailableReason(i).isEmpty()) {
            optWizardType[i]->setChecked(true);
            return;
        }
}

bool frmStartWizard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease)
        for (int i = 0; i < 3; ++i)
            if (watched == images[i]) image_Click(i);
    return QWidget::eventFilter(watched, event);
}

void frmStartWizard::image_Click(int type) {
    if (optWizardType[type]->isEnabled()) optWizardType[type]->setChecked(true);
}

void frmStartWizard::cmdStart_Click() {
    const int type = group->checkedId();
    if (type < 0 || !unavailableReason(type).isEmpty()) return;
    Shell& s = shell();
    hide();
    switch (type) {
    case sequenceButton: s.shortcuts().showSequenceWizard(); break;
    case multiButton:
        // A new multi button, not an edit; then the pages come on screen for
        // pressing the buttons it takes.
        s.shortcuts().showMultiWizard(QString());
        s.masters().cmdPlaybackMode_Click();
        break;
    case autoPilotButton: s.shortcuts().showAutoPilotWizard(); break;
    default: break;
    }
}
