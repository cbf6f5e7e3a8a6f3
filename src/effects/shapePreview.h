#pragma once
// What the stored-shapes browser knows of the shape files: which files the
// Shapes folder lists, the pan/tilt path a file holds, where each step lies
// in the preview square and where a file's preview bitmap is kept. Plain
// data: the browser window (ui/dialogFileShapes) draws from it.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace shapePreview {

// The preview square's side in twips; pan 0..255 maps to x 2550..0 and
// tilt 0..255 to y 2550..0, so high values lie towards the top left.
constexpr int32_t squareTwips = 2580;

struct Point {
    int32_t x = 0; // twips
    int32_t y = 0;
};

// The program's Shapes folder.
QString shapesFolder();
// The file names the browser lists: every name matching "*.ysh*" without
// regard to case, sorted as the file list sorts them.
QStringList listShapeFiles();
// Only a name ending in exactly ".YSH" is drawn and gets a preview bitmap.
bool drawable(const QString& fileName);
// The preview bitmap of a file: Images\Shapes\<title>.bmp in the program folder.
QString previewBitmapPath(const QString& fileName);

// Reads a file's step count and its pan/tilt pairs. A damaged file (no
// step, or a size other than that of its step count) gives false and a
// reason, and nothing is read past its end.
bool loadPreviewShape(const QString& path, std::vector<Point>& steps, QString* why = nullptr);

// Where a step's point lies in the square (twips; 32-bit, so values far
// outside 0..255 land outside the square instead of wrapping).
Point placeOf(int16_t pan, int16_t tilt);

} // namespace shapePreview
