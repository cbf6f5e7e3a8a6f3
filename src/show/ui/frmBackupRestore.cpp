#include "show/ui/frmBackupRestore.h"

#include "output/ui/unloadOnClose.h"
#include "shell/ui/windowRegistry.h"
#include "show/ui/frmDriveDir.h"

#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

frmBackupRestore::frmBackupRestore(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmBackupRestore"));
    setWindowTitle(QStringLiteral("Backup and Restore"));
    cmdBackup = new QPushButton(QStringLiteral("Backup Current Show"));
    cmdRestore = new QPushButton(QStringLiteral("Restore Show"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cmdBackup);
    layout->addWidget(cmdRestore);
    connect(cmdBackup, &QPushButton::clicked, this, [this] { open(QStringLiteral("Backup")); });
    connect(cmdRestore, &QPushButton::clicked, this, [this] { open(QStringLiteral("Restore")); });
}

void frmBackupRestore::open(const QString& mode) {
    unloadForm<frmDriveDir>();
    frmDriveDir& w = form<frmDriveDir>();
    w.myMode = mode;
    w.Form_Load();
    w.show();
    close();
}

void frmBackupRestore::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    unloadAfterClose(this);
}
