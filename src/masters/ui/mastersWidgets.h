#pragma once
// Small pieces the master windows share: colours from the stored
// blue-green-red form, twips to pixels, and the strip's group picture.

#include <QColor>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>

namespace mastersUi {
inline QColor bgr(int32_t c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }
inline int px(int32_t twips) { return twips / 15; }
// A button's face colour, set through a style sheet that names the button.
void paintFace(QWidget* button, int32_t colour);
} // namespace mastersUi

// The group picture of a strip: a gradient from black at the bottom to the
// group colour at the top, the group name and the crossfade time written
// upwards in white.
class GroupCaption final : public QWidget {
public:
    explicit GroupCaption(QWidget* parent) : QWidget(parent) {}
    void set(const QString& caption, const QString& second, int32_t endColour);

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

public:
    int index = 0;
    std::function<void(int)> clicked;

private:
    QString first, secondText;
    int32_t colour = 0;
};
