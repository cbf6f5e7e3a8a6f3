#pragma once
// Resident memory of this process, for the benchmarks' reports.

#include <QByteArray>
#include <QFile>

// VmRSS in MiB; 0 when /proc cannot be read.
inline double residentMiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}
