#include "show/ui/frmDriveDir.h"

#include "output/ui/unloadOnClose.h"
#include "platform/fileSystem.h"
#include "shell/shell.h"
#include "show/ui/colourMark.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString restoreCaption = QStringLiteral("Find the VarnelDMXBackup folder and double click on the show Name");
const QString upEntry = QStringLiteral("..");

} // namespace

frmDriveDir::frmDriveDir(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmDriveDir"));
    setWindowTitle(QStringLiteral("Select Drive for Backup Files Below"));
    driveColumn = new QVBoxLayout;
    auto* heading = new QPushButton(QStringLiteral("Select Drive"));
    heading->setObjectName(QStringLiteral("cmdDrive0"));
    cmdDrive.push_back(heading);
    driveColumn->addWidget(heading);
    Dir1 = new QListWidget;
    Dir1->setObjectName(QStringLiteral("Dir1"));
    cmdOK = new QPushButton(QStringLiteral("OK"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    lblWorking = new QLabel;
    lblWorking->setWordWrap(true);

    auto* right = new QVBoxLayout;
    right->addWidget(Dir1, 1);
    right->addWidget(cmdOK);
    right->addWidget(lblWorking);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(driveColumn);
    layout->addLayout(right, 1);

    connect(Dir1, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        setFolder(item->text() == upEntry ? QFileInfo(folderPath).dir().absolutePath()
                                          : QDir(folderPath).filePath(item->text()));
    });
    connect(cmdOK, &QPushButton::clicked, this, &frmDriveDir::cmdOK_Click);
}

int frmDriveDir::markOf(QWidget* button) const { return colourMarkOf(button); }

void frmDriveDir::setMark(QPushButton* button, int mark) { setColourMark(button, mark); }

void frmDriveDir::Form_Load() {
    drives = shell().files().drives();
    for (size_t i = 0; i < drives.size(); ++i) {
        auto* b = new QPushButton(drives[i].name);
        b->setObjectName(QStringLiteral("cmdDrive%1").arg(i + 1));
        b->setToolTip(drives[i].name);
        driveColumn->addWidget(b);
        cmdDrive.push_back(b);
        const int index = int(i + 1);
        connect(b, &QPushButton::clicked, this, [this, index] { cmdDrive_Click(index); });
    }
    driveColumn->addStretch();
    if (myMode == QLatin1String("Backup")) {
        cmdOK->setText(QStringLiteral("Backup to Selected Drive"));
        // A backup always goes to the root of a drive.
        Dir1->setEnabled(false);
    } else if (myMode == QLatin1String("Restore")) {
        cmdOK->setText(restoreCaption);
        setWindowTitle(restoreCaption);
    }
    // The program folder's drive: the volume whose root holds it most closely.
    QString start = QStringLiteral("/");
    const QString program = QDir(shell().programFolder()).absolutePath();
    for (const Drive& d : drives) {
        const QString root = QDir(d.root).absolutePath();
        if ((program == root || program.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'))) &&
            root.size() >= start.size())
            start = root;
    }
    setFolder(start);
}

void frmDriveDir::cmdDrive_Click(int index) {
    if (index < 1 || index > int(drives.size())) return;
    setFolder(drives[size_t(index - 1)].root);
    markSelectedDrive(index);
}

void frmDriveDir::markSelectedDrive(int index) {
    for (QPushButton* b : cmdDrive) setMark(b, otherMark);
    setMark(cmdDrive[size_t(index)], chosenMark);
}

void frmDriveDir::setFolder(const QString& path) {
    folderPath = QDir(path).absolutePath();
    Dir1->clear();
    if (QDir(folderPath).cdUp()) Dir1->addItem(upEntry);
    Dir1->addItems(QDir(folderPath).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));
    Dir1_Change();
}

void frmDriveDir::Dir1_Change() {
    if (myMode != QLatin1String("Restore")) return;
    const QString show = backup::restorableShow(folderPath);
    if (!show.isEmpty()) {
        cmdOK->setText(QStringLiteral("Restore: ") + show);
        setMark(cmdOK, restoreReadyMark);
        Dir1->setEnabled(false);
    } else {
        cmdOK->setText(restoreCaption);
        setMark(cmdOK, chosenMark);
        Dir1->setEnabled(true);
    }
}

void frmDriveDir::cmdOK_Click() {
    if (myMode == QLatin1String("Backup")) {
        backup::backUpToDrive(folderPath, this);
        close();
    } else if (myMode == QLatin1String("Restore") && markOf(cmdOK) == restoreReadyMark) {
        backup::restore(folderPath, this);
        close();
    }
}

void frmDriveDir::backupStage(const QString& text) {
    lblWorking->setText(text);
    lblWorking->repaint();
}

void frmDriveDir::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    unloadAfterClose(this);
}
