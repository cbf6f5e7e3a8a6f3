#include "programmer/ui/colourPicture.h"

#include "platform/prompts.h"
#include "programmer/colourPictures.h"
#include "shell/shell.h"

#include <QCheckBox>
#include <QMouseEvent>
#include <QPainter>

ColourPicture::ColourPicture(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pctColorPalette"));
    Shape1 = new QWidget(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFixedSize(9, 9);
    Shape1->setStyleSheet(QStringLiteral("QWidget#Shape1 { border: 2px solid white; background: transparent; }"));
    Shape1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Shape1->hide();
}

QImage ColourPicture::picture(int mode) {
    const QSize size = colourPictures::pictureSize(mode);
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int32_t c = colourPictures::colourAt(mode, x, y);
            line[x] = qRgb(c & 255, (c >> 8) & 255, (c >> 16) & 255);
        }
    }
    if (mode == colourPictures::rosco || mode == colourPictures::lee) {
        QPainter p(&image);
        QFont f = p.font();
        f.setPixelSize(24);
        p.setFont(f);
        p.setPen(Qt::black);
        const auto& swatches = colourPictures::filterSwatches();
        for (int i = 0; i < int(swatches.size()); ++i) {
            const char* label = mode == colourPictures::lee ? swatches[size_t(i)].lee : swatches[size_t(i)].rosco;
            const QRect band(colourPictures::swatchLeft(mode, i) - 10, colourPictures::labelBandTop,
                             colourPictures::swatchWidth + 20,
                             colourPictures::labelBandBottom - colourPictures::labelBandTop);
            p.drawText(band, Qt::AlignCenter, QLatin1String(label));
        }
    }
    return image;
}

void ColourPicture::setMode(int mode) {
    mode_ = mode;
    drawn = size().isEmpty() ? QImage() : picture(mode).scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    update();
}

void ColourPicture::resizeEvent(QResizeEvent*) { setMode(mode_); }

void ColourPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!drawn.isNull()) p.drawImage(0, 0, drawn);
}

int32_t ColourPicture::pixelAt(int x, int y) const {
    if (drawn.isNull() || x < 0 || y < 0 || x >= drawn.width() || y >= drawn.height()) return -1;
    const QRgb c = drawn.pixel(x, y);
    return qRed(c) + 256 * qGreen(c) + 65536 * qBlue(c);
}

void ColourPicture::CheckColor(int x, int y) {
    colourPictures::CheckColor(x, y, width(), height(), [this](int px, int py) { return pixelAt(px, py); },
                               chkAdustWhite && chkAdustWhite->isChecked());
    Shape1->move(x - Shape1->width() / 2, y - Shape1->height() / 2);
    Shape1->show();
    Shape1->raise();
}

void ColourPicture::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) CheckColor(int(e->position().x()), int(e->position().y()));
}

void ColourPicture::mouseMoveEvent(QMouseEvent* e) {
    if (e->buttons() & Qt::LeftButton) CheckColor(int(e->position().x()), int(e->position().y()));
}

void ColourPicture::mouseReleaseEvent(QMouseEvent* e) {
    colourPictures::nameAfterColour(pixelAt(int(std::lround(e->position().x())), int(std::lround(e->position().y()))));
}

void ColourPicture::mouseDoubleClickEvent(QMouseEvent*) {
    colourPictures::recallDialogColour(shell().prompts().chooseColour(0));
}
