#include "matrix/textEffect.h"

#include "matrix/brumalMatrixEngine.h"
#include "matrix/modGradient.h"

#include <QFontMetrics>
#include <QPainter>
#include <stdexcept>

namespace {

int32_t colourAt(const QImage& picture, int32_t x, int32_t y) {
    const QRgb p = picture.pixel(x, y);
    return modGradient::joinRGB(qRed(p), qGreen(p), qBlue(p));
}

// The panel's font: the chosen one, drawn without smoothing so each matrix
// pixel is either text or background.
QFont panelFont(const TextPage& page) {
    QFont f = page.font;
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

} // namespace

QString textEffect::convertedText(const QString& text, int32_t CboConv) {
    switch (CboConv) {
    case 1: return text.toUpper();
    case 2: return text.toLower();
    case 3: return BrumalMatrixEngine::Titulo(text);
    default: return text;
    }
}

QImage textEffect::panel(const TextPage& page, int32_t W, int32_t H) {
    const QString s = convertedText(page.TxtMsg, page.CboConv);
    const QFont font = panelFont(page);
    QImage probe(1, 1, QImage::Format_RGB32);
    const int64_t tw = QFontMetrics(font, &probe).horizontalAdvance(s);
    const int64_t height = 3 * int64_t(H), width = 2 * int64_t(W) + tw;
    // The panel's sizes are 16-bit values.
    if (W < 0 || H < 0 || height > 32767 || width > 32767)
        throw std::overflow_error("Overflow");
    QImage picture(int(std::max<int64_t>(width, 1)), int(std::max<int64_t>(height, 1)), QImage::Format_RGB32);
    picture.fill(modGradient::toPixel(page.backgroundColour));
    QPainter p(&picture);
    p.setFont(font);
    p.setPen(QColor::fromRgb(modGradient::toPixel(page.textColour)));
    p.drawText(QPointF(W, H + page.HSOffset + QFontMetrics(font, &picture).ascent()), s);
    return picture;
}

AnimationRef textEffect::buildFrames(const TextPage& page, int32_t W, int32_t H) {
    const QImage picture = panel(page, W, H);
    auto animation = std::make_shared<ClsMatrix>();
    animation->setWidth(int16_t(W));
    animation->setHeight(int16_t(H));
    if (W <= 0 || H <= 0) return animation;
    auto window = [&](int32_t x0, int32_t y0) {
        auto frame = std::make_shared<ClsColours>();
        for (int32_t x = 0; x < W; ++x)
            for (int32_t y = 0; y < H; ++y) frame->SetColor(W * y + x, colourAt(picture, x0 + x, y0 + y));
        animation->SetFrame(animation->Count(), frame);
    };
    if (page.cRight || page.cLeft) {
        const int32_t E = picture.width() - W;
        std::vector<int32_t> positions;
        for (int32_t i = 0; i <= E; ++i) positions.push_back(page.cRight ? E - i : i);
        for (const int32_t x0 : positions) window(x0, H);
        if (page.swing)
            for (auto it = positions.rbegin(); it != positions.rend(); ++it) window(*it, H);
    } else {
        const int32_t E = picture.height() - H;
        for (int32_t i = 0; i <= E; ++i) window(W, page.cDown ? E - i : i);
    }
    return animation;
}
