#pragma once
// Small controls of the matrix effects window: a colour box that reports
// the mouse pressed, moved and released on it (the pickers follow the mouse
// anywhere on the screen while a button holds it), and a picture list that
// takes dropped files and opens its menu on a right press.

#include <QFrame>
#include <QImage>
#include <QListWidget>
#include <cstdint>
#include <functional>

class ColourBox : public QFrame {
    Q_OBJECT
public:
    explicit ColourBox(QWidget* parent, const char* name, const QString& tip = {});
    // Blue-green-red.
    void setColour(int32_t colour);
    int32_t colour() const { return value; }
    // A picture shown at its own size instead of the colour.
    void setPicture(const QImage& p);

    std::function<void(QMouseEvent*)> pressed, moved, released;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    int32_t value = -1;
    QImage picture;
};

// The colour strip of the palette pictures: the saturated hues from red
// through magenta, blue, cyan, green and yellow back to red, full in the
// lower rows and fading to white towards the top row.
QImage colourStrip(int width = 400, int height = 29);

class PictureList : public QListWidget {
    Q_OBJECT
public:
    explicit PictureList(QWidget* parent, const char* name);
    std::function<void(const QStringList& files)> dropped;
    std::function<void(QPoint global)> menuRequested;

protected:
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
};
