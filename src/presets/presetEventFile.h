#pragma once
// The preset-event file (.UQF) beside each sequence: a plain series of
// 1416-byte records, one per event, each carrying the file's record count.
// Also the colour-number texts the recall and the pages use.

#include "shell/services/presetsService.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace presetEventFile {

constexpr int recordBytes = 1416;

// Every event as one record; a step beyond stepCount (or any step when
// stepCount is below 1) is written as stepCount. No events give no bytes.
QByteArray encode(const EventCollection& events, int32_t stepCount);
// The active records. The first record's count is trusted only as far as the
// file holds whole records; reading stops at the end of the file.
EventCollection decode(const QByteArray& bytes);
// The nine shape numbers as stored ("120,64,0,1,50,30,20,1234.5,80,").
QString shapeText(const clsEvent& e);

// The path of the event file of a sequence (any extension, or none).
QString eventFilePath(const QString& path);

} // namespace presetEventFile

namespace presetColours {
// "R,G,B" of a colour number (red in the low byte); "-1" never happens here
// as every 32-bit value converts.
QString colortorgb(int32_t color);
int32_t rgbtocolor(uint8_t red, uint8_t green, uint8_t blue);
} // namespace presetColours
