#include "presets/presetEventFile.h"

#include "platform/byteRecord.h"
#include "shell/libParsePath.h"
#include "shell/numberText.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace presetEventFile {
namespace {

constexpr int typeWidth = 32, fixturesWidth = 1024, nameWidth = 128, shapeWidth = 128, activeWidth = 64, spareWidth = 32;

QString trimmedBlanks(const QString& text) { return numberText::trimBlanks(text); }

int32_t wholeField(const QString& field) {
    const double v = std::nearbyint(numberText::leadingValue(field));
    if (!std::isfinite(v)) return 0;
    return int32_t(std::clamp(v, -2147483648.0, 2147483647.0));
}

QString floatText(float v) { return QString::number(double(v), 'g', 7); }

} // namespace

QString shapeText(const clsEvent& e) {
    QString t;
    for (const int32_t n : {e.xCenter, e.yCenter, e.shapeOffset, e.shapeDirection, e.shapeSpeed, e.theXSize, e.theYSize})
        t += QString::number(n) + QLatin1Char(',');
    t += floatText(e.shortcutLeft) + QLatin1Char(',') + floatText(e.shortcutTop) + QLatin1Char(',');
    return t;
}

QByteArray encode(const EventCollection& events, int32_t stepCount) {
    QByteArray out;
    out.reserve(qsizetype(events.size()) * recordBytes);
    ByteWriter w(&out);
    const int32_t count = int32_t(events.size());
    for (const clsEvent& e : events) {
        w.fixedText(e.eventType, typeWidth);
        w.fixedText(e.eventFixtureNumbers, fixturesWidth);
        w.fixedText(e.eventName, nameWidth);
        w.i32(e.eventStepNumber > stepCount || stepCount < 1 ? stepCount : e.eventStepNumber);
        w.i32(count);
        w.fixedText(shapeText(e), shapeWidth);
        w.fixedText(QStringLiteral("1"), activeWidth);
        w.fill(spareWidth, '\0');
    }
    return out;
}

EventCollection decode(const QByteArray& bytes) {
    EventCollection events;
    if (bytes.size() < recordBytes) return events;
    ByteReader first(bytes, typeWidth + fixturesWidth + nameWidth + 4);
    const qsizetype stored = first.i32();
    const qsizetype n = std::clamp<qsizetype>(stored, 0, bytes.size() / recordBytes);
    events.reserve(size_t(n));
    ByteReader r(bytes);
    for (qsizetype i = 0; i < n; ++i) {
        clsEvent e;
        e.eventType = trimmedBlanks(r.fixedText(typeWidth));
        e.eventFixtureNumbers = trimmedBlanks(r.fixedText(fixturesWidth));
        e.eventName = trimmedBlanks(r.fixedText(nameWidth));
        e.eventStepNumber = r.i32();
        r.i32();
        const QStringList f = r.fixedText(shapeWidth).split(QLatin1Char(','));
        auto field = [&](int k) { return k < f.size() ? f[k] : QString(); };
        e.xCenter = wholeField(field(0));
        e.yCenter = wholeField(field(1));
        e.shapeOffset = wholeField(field(2));
        e.shapeDirection = wholeField(field(3));
        e.shapeSpeed = wholeField(field(4));
        e.theXSize = wholeField(field(5));
        e.theYSize = wholeField(field(6));
        e.shortcutLeft = float(numberText::leadingValue(field(7)));
        e.shortcutTop = float(numberText::leadingValue(field(8)));
        const bool active = trimmedBlanks(r.fixedText(activeWidth)) == QLatin1String("1");
        r.skip(spareWidth);
        if (!r.ok()) break;
        if (active) events.push_back(std::move(e));
    }
    return events;
}

QString eventFilePath(const QString& path) { return libParsePath::ParsePath(path, 7) + QStringLiteral(".UQF"); }

} // namespace presetEventFile

namespace presetColours {

QString colortorgb(int32_t color) {
    const int32_t red = color & 255, green = (color / 256) & 255, blue = (color / 65536) & 255;
    return QStringLiteral("%1,%2,%3").arg(red).arg(green).arg(blue);
}

int32_t rgbtocolor(uint8_t red, uint8_t green, uint8_t blue) { return red + 256 * green + 65536 * blue; }

} // namespace presetColours
