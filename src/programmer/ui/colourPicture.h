#pragma once
// The colour picture of the Color page (`pctColorPalette`): the picture of
// the chosen mode drawn stretched into the box, the marker of the last pick,
// and the mouse: a press or a drag with the left button picks, a release
// names the playback after the colour, a double click opens the colour
// dialog.

#include <QImage>
#include <QWidget>

class QCheckBox;

class ColourPicture : public QWidget {
    Q_OBJECT
public:
    explicit ColourPicture(QWidget* parent);
    // Draws the picture of `mode` at the box's present size.
    void setMode(int mode);
    int mode() const { return mode_; }
    // The colour of the drawing at (x, y) (blue-green-red); -1 outside it.
    int32_t pixelAt(int x, int y) const;
    // The pick at a point of the box (what a press does).
    void CheckColor(int x, int y);
    QWidget* Shape1 = nullptr;          // the marker
    QCheckBox* chkAdustWhite = nullptr; // set by the window beside the picture

    // The pictures in their own size (the filter numbers printed in their band).
    static QImage picture(int mode);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    int mode_ = 0;
    QImage drawn;
};
