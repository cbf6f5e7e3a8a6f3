#include "shortcuts/ui/frmMultiWizard.h"

#include "platform/prompts.h"
#include "shell/services/mastersService.h"
#include "shell/services/playbackService.h"
#include "shell/shell.h"
#include "shell/ui/windowRegistry.h"
#include "shortcuts/shortcutPages.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

frmMultiWizard::frmMultiWizard(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmMultiWizard"));
    setWindowTitle(QStringLiteral("Multi Button Wizard"));
    lblTitle = new QLabel(QStringLiteral("~Multi Button Wizard~"), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setAlignment(Qt::AlignCenter);
    lblInstuctions = new QLabel(QStringLiteral("On the pages above press/stack all the Sequence buttons you would like "
                                               "to include into the Multi Button.  Then Press the Save Button to save "
                                               "the Multi Button."),
                                this);
    lblInstuctions->setObjectName(QStringLiteral("lblInstuctions"));
    lblInstuctions->setWordWrap(true);
    txtFileName = new QLineEdit(this);
    txtFileName->setObjectName(QStringLiteral("txtFileName"));
    txtFileName->installEventFilter(this);
    cmdNext = new QPushButton(QStringLiteral("Save"), this);
    cmdNext->setObjectName(QStringLiteral("cmdNext"));
    cmdBack = new QPushButton(QStringLiteral("Cancel"), this);
    cmdBack->setObjectName(QStringLiteral("cmdBack"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblTitle);
    layout->addWidget(lblInstuctions);
    layout->addWidget(txtFileName);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdBack);
    buttons->addWidget(cmdNext, 1);
    layout->addLayout(buttons);

    // A multi being edited offers its own name; a new one the grey placeholder.
    const QString editing = shell().engine<ShortcutPages>().currentMultiEditing;
    txtFileName->setText(editing.trimmed().isEmpty() ? placeholder() : editing);
    txtFileName->setStyleSheet(QStringLiteral("QLineEdit#txtFileName { color: #808080; }"));
    connect(cmdNext, &QPushButton::clicked, this, [this] { cmdNext_Click(); });
    connect(cmdBack, &QPushButton::clicked, this, [this] { finish(); });
}

void frmMultiWizard::setWizardMode(const QString& themode) {
    if (themode.isEmpty()) return;
    wizardMode = themode;
    lblInstuctions->setText(QStringLiteral("All active sequences on all playbacks will be saved, saving the entire look "
                                           "you currently have. Please enter a name for this look below."));
    lblTitle->setText(QStringLiteral("Multi From all Playbacks"));
}

void frmMultiWizard::typing() {
    txtFileName->setStyleSheet(QString());
    if (txtFileName->text() == placeholder()) txtFileName->clear();
}

bool frmMultiWizard::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtFileName) {
        if (event->type() == QEvent::MouseButtonPress) typing();
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                cmdNext_Click();
                return true;
            }
            typing();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmMultiWizard::recieveStateChange(int32_t TheNewState) {
    wizardStep = TheNewState;
    showWizardStep();
}

void frmMultiWizard::showWizardStep() {
    if (!wizardMode.isEmpty()) return;
    if (wizardStep == 1) {
        lblInstuctions->setText(QStringLiteral("On the pages above press all the Sequence buttons you would like to "
                                               "include into the Multi Button. Press the next button when you have "
                                               "selected all the buttons to include into this Multi button."));
        cmdNext->setText(QStringLiteral("Next"));
        cmdBack->setText(QStringLiteral("Back"));
    } else if (wizardStep == 2) {
        lblInstuctions->setText(
            QStringLiteral("Press the save button to save the current buttons pressed into a Multi button"));
        cmdNext->setText(QStringLiteral("Save"));
        cmdBack->setText(QStringLiteral("Back"));
    }
}

void frmMultiWizard::cmdNext_Click() {
    if (wizardMode.isEmpty() && cmdNext->text() != QLatin1String("Save")) {
        recieveStateChange(wizardStep + 1);
        return;
    }
    const QString name = txtFileName->text();
    // The name names files of the show and the page: refused (the wizard stays
    // open, nothing written) when it cannot.
    const QString problem = shortcutFiles::nameProblem(name, true);
    if (!problem.isEmpty()) {
        shell().prompts().messageBox(problem);
        return;
    }
    ShortcutPages& pages = shell().engine<ShortcutPages>();
    if (wizardMode.isEmpty()) {
        // Every pressed sequence button of every page, in press order; they
        // keep playing. With none pressed the pages say so and nothing is written.
        pages.saveMultiButtonClicked(name);
        finish();
        return;
    }
    shell().playback().saveMultiSequences(QStringLiteral("True"), name);
    // The playback engine reports a sequence it could not write; a multi
    // without any member would be a button that does nothing.
    if (!pages.multiMembers.empty() && pages.saveMultiButton(name, true)) {
        shell().masters().cmdPlaybackMode_Click();
        pages.refreshCurrentPage();
    }
    finish();
}

// Unloaded once the click that closes it has been handled.
void frmMultiWizard::finish() {
    wizardMode.clear();
    hide();
    QTimer::singleShot(0, this, [this] {
        if (!isVisible()) unloadForm<frmMultiWizard>();
    });
}
