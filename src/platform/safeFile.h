#pragma once
// Whole-file writes that never destroy the only good copy: the bytes go to a
// temporary file beside the target, which is synced to disk and renamed over
// it; then the folder is synced, so that after a power cut the target is the
// new file once success was reported, never the old one.

#include <QByteArray>
#include <QString>

namespace safeFile {
bool writeWhole(const QString& path, const QByteArray& bytes, QString* error = nullptr);
// The same replacement by rename, without waiting for the disk: for many
// files the console can make again from other data (generated presets), which
// are then flushed together by syncFileSystem.
bool writeWholeUnsynced(const QString& path, const QByteArray& bytes, QString* error = nullptr);
// Flushes everything written to the file system that holds `folder`.
bool syncFileSystem(const QString& folder, QString* error = nullptr);
// True for the name of a temporary that writeWhole made ("<target>" plus its
// mark and six characters).
bool isOwnTemporary(const QString& fileName);
// Removes the temporaries a killed save left anywhere below folder; returns
// how many. Other files are never touched.
int removeStaleTemporaries(const QString& folder);
// Reads a whole file; false (and an error text) when it cannot be opened.
bool readWhole(const QString& path, QByteArray& bytes, QString* error = nullptr);
// Syncs the folder's entries (a rename in it) to disk. False with an error
// text when the folder cannot be opened or the disk reports a failure.
bool syncFolder(const QString& folder, QString* error = nullptr);
}
