#include "matrix/ui/matrixWidgets.h"

#include "matrix/modGradient.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <QUrl>

ColourBox::ColourBox(QWidget* parent, const char* name, const QString& tip) : QFrame(parent) {
    setObjectName(QString::fromLatin1(name));
    setFrameShape(QFrame::Box);
    setMinimumSize(24, 18);
    setAutoFillBackground(true);
    if (!tip.isEmpty()) setToolTip(tip);
}

void ColourBox::setColour(int32_t colour) {
    if (colour == value) return;
    value = colour;
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor::fromRgb(modGradient::toPixel(colour)));
    setPalette(p);
}

void ColourBox::setPicture(const QImage& p) {
    picture = p;
    setMinimumSize(p.size() + QSize(2 * frameWidth(), 2 * frameWidth()));
    update();
}

void ColourBox::paintEvent(QPaintEvent* e) {
    QFrame::paintEvent(e);
    if (picture.isNull()) return;
    QPainter p(this);
    p.drawImage(contentsRect().topLeft(), picture);
}

QImage colourStrip(int width, int height) {
    QImage strip(width, height, QImage::Format_RGB32);
    const int full = std::min(15, height), fading = height - full;
    for (int x = 0; x < width; ++x) {
        // Hue falls from 360 (red) through magenta, blue, cyan, green and yellow to 0 (red).
        const QColor hue = QColor::fromHsvF(std::clamp(1.0 - double(x) / std::max(1, width - 1), 0.0, 0.9999), 1, 1);
        for (int y = 0; y < height; ++y) {
            const double toWhite = y < fading ? 1.0 - double(y) / fading : 0.0;
            strip.setPixel(x, y, qRgb(int(hue.red() + (255 - hue.red()) * toWhite),
                                      int(hue.green() + (255 - hue.green()) * toWhite),
                                      int(hue.blue() + (255 - hue.blue()) * toWhite)));
        }
    }
    return strip;
}

void ColourBox::mousePressEvent(QMouseEvent* e) {
    if (pressed) pressed(e);
}

void ColourBox::mouseMoveEvent(QMouseEvent* e) {
    if (moved) moved(e);
}

void ColourBox::mouseReleaseEvent(QMouseEvent* e) {
    if (released) released(e);
}

PictureList::PictureList(QWidget* parent, const char* name) : QListWidget(parent) {
    setObjectName(QString::fromLatin1(name));
    setViewMode(QListView::IconMode);
    setIconSize(QSize(50, 50));
    setResizeMode(QListView::Adjust);
    setMovement(QListView::Static);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    setMinimumHeight(90);
}

void PictureList::dragEnterEvent(QDragEnterEvent* e) {
    if (e->mimeData()->hasUrls()) e->acceptProposedAction();
}

void PictureList::dragMoveEvent(QDragMoveEvent* e) {
    if (e->mimeData()->hasUrls()) e->acceptProposedAction();
}

void PictureList::dropEvent(QDropEvent* e) {
    QStringList files;
    for (const QUrl& url : e->mimeData()->urls())
        if (url.isLocalFile()) files << url.toLocalFile();
    e->acceptProposedAction();
    if (dropped) dropped(files);
}

void PictureList::mousePressEvent(QMouseEvent* e) {
    QListWidget::mousePressEvent(e);
    if (e->button() == Qt::RightButton && menuRequested) menuRequested(e->globalPosition().toPoint());
}
