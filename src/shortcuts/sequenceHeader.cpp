#include "shortcuts/sequenceHeader.h"

#include "platform/byteRecord.h"
#include "shell/numberText.h"

#include <QFile>
#include <cmath>

namespace sequenceHeader {

Header read(const QString& path) {
    Header h;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return h;
    const QByteArray first = file.read(recordSize);
    if (first.size() < recordSize) return h;
    ByteReader r(first, 570);
    h.useSequenceFadeTime = r.i16() != 0;
    h.useMotionfade = r.i16() != 0;
    r.seek(578);
    h.storedPlayback = numberText::leadingValue(r.fixedText(30));
    if (h.storedPlayback >= 1 && h.storedPlayback <= playbackLimit) h.playbackNumber = int32_t(std::floor(h.storedPlayback));
    h.ok = true;
    return h;
}

} // namespace sequenceHeader
