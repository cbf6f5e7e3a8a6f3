#pragma once
// The drive and folder window of backup and restore: one button per drive,
// a folder list, and the button that runs the backup to the chosen drive's
// root or the restore of the show folder opened in the list.

#include "platform/fileSystem.h"
#include "show/backup.h"

#include <QWidget>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QVBoxLayout;

class frmDriveDir : public QWidget, public BackupProgress {
    Q_OBJECT
public:
    explicit frmDriveDir(QWidget* parent = nullptr);

    static constexpr int restoreReadyMark = 16711680;
    static constexpr int chosenMark = 65280;
    static constexpr int otherMark = 255;

    // "Backup" or "Restore"; set before Form_Load.
    QString myMode;
    void Form_Load();
    void cmdDrive_Click(int index);
    // Opens a folder in the folder list (a row's folder, or ".." for up).
    void setFolder(const QString& path);
    void cmdOK_Click();
    int markOf(QWidget* button) const;

    QPushButton* cmdOK;
    std::vector<QPushButton*> cmdDrive; // element 0 is the heading "Select Drive"
    QListWidget* Dir1;
    QLabel* lblWorking;
    QString folderPath; // the folder list's path

    void backupStage(const QString& text) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Dir1_Change();
    void markSelectedDrive(int index);
    void setMark(QPushButton* button, int mark);
    std::vector<Drive> drives;
    QVBoxLayout* driveColumn;
};
