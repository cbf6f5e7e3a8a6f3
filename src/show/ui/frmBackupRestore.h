#pragma once
// "Backup and Restore": chooses between backing the show up to a drive and
// restoring a show from one; either opens the drive window and goes.

#include <QWidget>

class QPushButton;

class frmBackupRestore : public QWidget {
    Q_OBJECT
public:
    explicit frmBackupRestore(QWidget* parent = nullptr);
    QPushButton *cmdBackup, *cmdRestore;
    void open(const QString& mode);

protected:
    void closeEvent(QCloseEvent* event) override;
};
