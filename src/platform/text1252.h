#pragma once
// Windows-1252 text, the code page of every stored file and settings file.

#include <QByteArray>
#include <QString>

namespace text1252 {
QByteArray encode(const QString& text);   // unmappable characters become '?'
QString decode(const QByteArray& bytes);  // the five undefined bytes map to U+0081.. (kept on encode)
}
