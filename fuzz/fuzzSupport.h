#pragma once
// Shared by the fuzz targets: one test shell (fakes, temporary program
// folder) for the whole run, and the fuzz input as text or as a file.

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

class TestShell;

namespace fuzz {

// The shell every input runs in, made on first use with Qt's messages
// silenced (the readers warn about bad input, which is all the fuzzer sends).
TestShell& shell();
// The input's bytes.
QByteArray bytes(const uint8_t* data, size_t size);
// The input's bytes written to `name` in the program folder; the file's path.
QString file(const QString& name, const QByteArray& content);
// Stops the run with a message when a property of the readers does not hold.
void check(bool holds, const char* what);

} // namespace fuzz
