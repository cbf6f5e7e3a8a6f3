#include "shortcuts/shortcutsTestSupport.h"

#include "platform/byteRecord.h"

PagesShell::PagesShell() {
    Shell& s = get();
    s.state.showName = QStringLiteral("Club");
    QDir(folder()).mkpath(QStringLiteral("Configurations"));
    s.state.showFileName = folder() + QStringLiteral("/Configurations/Club.YCF");
    writeWholeFile(s.state.showFileName, QByteArray("show"));
    QDir(folder()).mkpath(QStringLiteral("Sequences/Club"));
    playback = &s.provide<PlaybackService>(std::make_unique<FakePlayback>());
    show = &s.provide<ShowService>(std::make_unique<FakeShow>());
}

QString PagesShell::showFolder() const { return folder() + QStringLiteral("/Sequences/Club"); }

QString PagesShell::page(const QString& name) const {
    const QString path = showFolder() + QLatin1Char('/') + name;
    QDir().mkpath(path);
    return path;
}

QString PagesShell::put(const QString& pageName, const QString& fileName, const QByteArray& bytes) {
    const QString path = page(pageName) + QLatin1Char('/') + fileName;
    writeWholeFile(path, bytes);
    return path;
}

QByteArray PagesShell::sequenceBytes(int32_t universes, int32_t steps, const QString& playbackText) {
    QByteArray bytes;
    const int32_t records = universes * (steps + 1) + steps + 1;
    for (int32_t r = 0; r < records; ++r) {
        QByteArray record(608, '\0');
        for (int c = 0; c < 512; ++c) record[c] = char((r * 7 + c) % 251 + 1);
        QByteArray tail;
        ByteWriter t(&tail);
        t.i16(int16_t(steps));
        record.replace(516, 2, tail);
        tail.clear();
        t.i32(universes);
        record.replace(574, 4, tail);
        if (r == 0) {
            tail.clear();
            t.fixedText(playbackText, 30);
            record.replace(578, 30, tail);
        }
        bytes += record;
    }
    return bytes;
}
