#pragma once
// Backup and restore of a show. The drive backup copies a show with its
// folders into DRIVE/VarnelDMXBackup/SHOW (the folder a restore reads); the
// quick backup copies the show file, ylc.ini and the files the show's
// shortcut tables name into the program's Backup/SHOW. Everything goes
// through shell().files().

#include <QString>

// Told the stage a backup or restore has reached.
class BackupProgress {
public:
    virtual ~BackupProgress() = default;
    virtual void backupStage(const QString& text) = 0;
};

namespace backup {

inline const QString rootFolderName = QStringLiteral("VarnelDMXBackup");

// The quick backup. False (with "Error during back up process. " and what
// went wrong) when no show is loaded or the show file or ylc.ini could not
// be copied; shortcut entries whose files are missing, or that point outside
// their folder, are passed over.
bool backUpConfiguration(bool noMessage);

// The drive backup of the loaded show to the root of a drive. The copy is
// made beside the older backup and takes its place only when whole; any
// failure is reported and leaves the older backup as it was. Refused when
// no show is loaded.
bool backUpToDrive(const QString& driveRoot, BackupProgress* progress = nullptr);

// The show name a folder restores as: the folder's whole name when it lies
// directly inside a drive's VarnelDMXBackup folder (spelt exactly so);
// empty otherwise.
QString restorableShow(const QString& folder);

// Puts a backed-up show folder back into the program folder (its sequence
// and palette folders replaced whole, everything else merged) and loads
// its show file. False, with "Error Finding Backup Files : Restore : " and
// what went wrong, when a step failed.
bool restore(const QString& folder, BackupProgress* progress = nullptr);

} // namespace backup
