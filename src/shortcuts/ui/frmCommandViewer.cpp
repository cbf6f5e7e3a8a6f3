#include "shortcuts/ui/frmCommandViewer.h"

#include "platform/prompts.h"
#include "shell/services/playbackService.h"
#include "shell/shell.h"
#include "shell/ui/windowRegistry.h"
#include "shortcuts/shortcutFiles.h"
#include "shortcuts/shortcutPages.h"
#include "shortcuts/stepCommands.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QLabel* label(QWidget* parent, const QString& text, const char* name) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

const QString mediaFilter = QStringLiteral("Media files (*.mp3 *.mpg *.avi *.wav *.mid);;WAVE files (*.wav);;"
                                           "MP3 Files (*.mp3);;All Files (*)");

} // namespace

frmCommandViewer::frmCommandViewer(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmCommandViewer"));
    setWindowTitle(QStringLiteral("Command Builder"));
    setStyleSheet(QStringLiteral("frmCommandViewer#frmCommandViewer { background-color: #404040; }"
                                 "frmCommandViewer QLabel { color: #E0E0E0; }"));
    setAttribute(Qt::WA_StyledBackground, true);
    cmboCommandType = new QComboBox(this);
    cmboCommandType->setObjectName(QStringLiteral("cmboCommandType"));
    cmboCommandType->setPlaceholderText(QStringLiteral("Select Event Type"));
    for (const stepCommands::Type& t : stepCommands::types()) cmboCommandType->addItem(QString::fromLatin1(t.item));
    lblParam1 = label(this, QStringLiteral("Parameter One"), "lblParam1");
    txtParamOne = new QLineEdit(this);
    txtParamOne->setObjectName(QStringLiteral("txtParamOne"));
    cmdOpenFile = new QPushButton(QStringLiteral("..."), this);
    cmdOpenFile->setObjectName(QStringLiteral("cmdOpenFile"));
    lblParam2 = label(this, QStringLiteral("Parameter Two"), "lblParam2");
    txtParam2 = new QLineEdit(this);
    txtParam2->setObjectName(QStringLiteral("txtParam2"));
    txtNotes = new QPlainTextEdit(this);
    txtNotes->setObjectName(QStringLiteral("txtNotes"));
    cmdSave = new QPushButton(QStringLiteral("Save Settings"), this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label(this, QStringLiteral("Command"), "lblCommnadtype"));
    layout->addWidget(cmboCommandType);
    layout->addWidget(lblParam1);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(txtParamOne, 1);
    fileRow->addWidget(cmdOpenFile);
    layout->addLayout(fileRow);
    layout->addWidget(lblParam2);
    layout->addWidget(txtParam2);
    layout->addWidget(label(this, QStringLiteral("Scene Notes"), "Label2"));
    layout->addWidget(txtNotes);
    layout->addWidget(cmdSave);

    connect(cmboCommandType, &QComboBox::activated, this, [this] { setupForm(); });
    connect(cmdOpenFile, &QPushButton::clicked, this, [this] { cmdOpenFile_Click(); });
    connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
}

void frmCommandViewer::load() {
    PlaybackService& pb = shell().playback();
    editedPlayback = shell().state.currentPlayback;
    editedStep = pb.thecurrentStep(editedPlayback);
    const stepCommands::Parsed p = stepCommands::parse(pb.getSceneStringLong(editedPlayback));
    cmboCommandType->setCurrentIndex(p.position);
    setupForm();
    txtParamOne->setText(p.param1);
    txtParam2->setText(p.param2);
    txtNotes->setPlainText(p.notes);
}

void frmCommandViewer::setupForm() {
    const int position = cmboCommandType->currentIndex();
    if (position < 0) return;
    if (position == stepCommands::nonePosition) {
        txtParamOne->clear();
        txtParam2->clear();
        return;
    }
    const stepCommands::Type& t = stepCommands::types()[size_t(position)];
    lblParam1->setText(QString::fromLatin1(t.param1));
    lblParam2->setText(QString::fromLatin1(t.param2));
    switch (t.code) {
    case 3: fileFilter = QStringLiteral("Sequences (*.YSQ)"); break;
    case 5: fileFilter = QStringLiteral("Schedules (*.ysc)"); break;
    case 6:
    case 8: fileFilter = mediaFilter; break;
    default: break;
    }
}

void frmCommandViewer::cmdOpenFile_Click() {
    FileDialogRequest r;
    r.title = QStringLiteral("Command Builder");
    r.filter = fileFilter.isEmpty() ? QStringLiteral("All Files (*)") : fileFilter;
    r.fileName = fileName;
    // A sequence is looked for in the shown page's folder.
    if (cmboCommandType->currentIndex() == stepCommands::positionOf(3))
        r.folder = shortcutFiles::pageFolder(shell().engine<ShortcutPages>().currentPage);
    else if (!fileName.isEmpty())
        r.folder = QFileInfo(fileName).absolutePath();
    const QString chosen = shell().prompts().openFileName(r);
    // A cancelled dialog leaves the box as it was.
    if (chosen.isEmpty()) return;
    fileName = chosen;
    txtParamOne->setText(chosen);
}

void frmCommandViewer::cmdSave_Click() {
    const int position = cmboCommandType->currentIndex();
    if (position < 0) {
        shell().prompts().messageBox(QStringLiteral("Please select the type of command first"));
        return;
    }
    const QString text =
        stepCommands::encode(position, txtParamOne->text(), txtParam2->text(), txtNotes->toPlainText());
    shell().playback().setSceneStringLong(editedPlayback, text, editedStep);
    close();
}

// Save and the close box: the step grid shows the command; the window is
// unloaded once the close has been handled.
void frmCommandViewer::closeEvent(QCloseEvent* event) {
    shell().playback().updateDisplayData(editedPlayback);
    event->accept();
    QTimer::singleShot(0, this, [this] {
        if (!isVisible()) unloadForm<frmCommandViewer>();
    });
}
