#pragma once
// The picture folders of the matrix effects (images/MatrixImages and
// images/MatrixGIFs under the program folder): their files as 50 x 50
// pictures, files dropped into them and files deleted from them. Files that
// are too large or cannot be decoded are skipped with a message and left
// where they are: they are the operator's.

#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

namespace pictureLists {

// Image files above this many bytes are refused.
constexpr qint64 maxImageBytes = 49999;
constexpr int iconSize = 50;

QString imageFolder(const QString& programFolder);
QString gifFolder(const QString& programFolder);

struct Item {
    QString key; // the file name
    QImage picture; // 50 x 50
};

struct Loaded {
    std::vector<Item> items;
    QStringList messages; // one per file skipped, or the failure that ended the load
};

// Creates the folder when missing, then reads its files in name order.
// `maxBytes` below 0 means no size limit.
Loaded load(const QString& folder, qint64 maxBytes);

// Copies the first of the dropped files into the folder, replacing one of the
// same name. Answers the failure's description, or empty.
QString copyInto(const QStringList& dropped, const QString& folder);
// Deletes one file of the folder by its name. Answers the failure's
// description, or empty.
QString deleteFrom(const QString& folder, const QString& name);

} // namespace pictureLists
