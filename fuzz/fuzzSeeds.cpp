// Writes seed inputs for the fuzz targets with the console's own writers,
// so the seeds follow the formats as they change: fuzzSeeds <corpus root>
// fills <root>/<target>/. (Profile seeds are the shipped generic profiles,
// which our own writer makes.)
#include "fuzzSupport.h"

#include "playback/sequenceFile.h"
#include "platform/privateProfile.h"
#include "support/fakePlatform.h"

#include <QDir>
#include <QFile>
#include <cstdio>

namespace {

QString root;

// A literal with its inner NUL bytes.
template <size_t N> QByteArray lit(const char (&text)[N]) { return QByteArray(text, N - 1); }

void put(const char* target, const char* name, const QByteArray& bytes) {
    const QString folder = root + QLatin1Char('/') + QLatin1String(target);
    QDir().mkpath(folder);
    QFile f(folder + QLatin1Char('/') + QLatin1String(name));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(f.fileName()));
        std::exit(1);
    }
}

QByteArray settingsFile() {
    const QString path = QDir(fuzz::shell().folder()).filePath(QStringLiteral("seed.ini"));
    QFile::remove(path);
    privateProfile::writeString(path, QStringLiteral("Main"), QStringLiteral("DMX Refresh Rate"), QStringLiteral("25"));
    privateProfile::writeString(path, QStringLiteral("Main"), QStringLiteral("Show"), QStringLiteral("C:\\Shows\\Club.YLC"));
    privateProfile::writeString(path, QStringLiteral("PlayBack 1"), QStringLiteral("Name"), QStringLiteral("Intro"));
    privateProfile::writeString(path, QStringLiteral("ArtNet"), QStringLiteral("Target"), QStringLiteral("127.0.0.1"));
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

QByteArray sequence(int32_t universes, int32_t steps) {
    sequenceFile::SequenceFileData d = sequenceFile::SequenceFileData::sized(universes, steps);
    for (int32_t j = 0; j < steps; ++j) {
        d.levels[size_t(j)][0] = char(10 * (j + 1));
        d.levels[size_t(j)][1] = char(255);
        d.steps[size_t(j)].name = QStringLiteral("Look %1").arg(j + 1);
        d.steps[size_t(j)].fadeUp = 1.5f;
        d.steps[size_t(j)].command = QStringLiteral("1,Intro");
    }
    for (auto& mask : d.masks) {
        mask.bytes[0] = mask.bytes[1] = char(255);
        mask.triggerText = QStringLiteral("1");
    }
    d.playbackText = QStringLiteral(" 2");
    return sequenceFile::encode(d);
}

// Capacity byte, universe record, then a timing answer and an input frame.
QByteArray dongleAnswers(const QByteArray& record, int slotCount) {
    QByteArray b(1, char(255));
    b += record.leftJustified(16, '\0');
    b += lit("\x00\x00\x00\x05\x02\x03\x04\x05");
    b += char(slotCount & 0xff);
    b += char(slotCount >> 8);
    b += char(0);
    for (int k = 1; k < slotCount; ++k) b += char(k);
    return b;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzzSeeds <corpus root>\n");
        return 2;
    }
    root = QString::fromLocal8Bit(argv[1]);
    const QByteArray ini = settingsFile();
    put("privateProfile", "write", lit("\0Main\0Show\0C:\\Shows\\Other.YLC\0") + ini);
    put("privateProfile", "removeKey", lit("\x01PlayBack 1\0Name\0\0") + ini);
    put("privateProfile", "removeSection", lit("\x02Main\0\0\0") + ini);
    put("sequenceFile", "oneUniverse.YSQ", sequence(1, 2));
    put("sequenceFile", "twoUniverses.YSQ", sequence(2, 1));
    put("sequenceFile", "empty.YSQ", sequence(1, 0));
    put("dongleInput", "frame", dongleAnswers("0003", 24));
    put("dongleInput", "short", dongleAnswers("12", 3));
    return 0;
}
