#include "matrix/animatedGif.h"

#include "matrix/modGradient.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>

namespace {

const QByteArray separator("\x00\x21\xF9", 3);

bool sizeAllowed(const QSize& s) {
    return s.isValid() && int64_t(s.width()) * s.height() <= animatedGif::maxPicturePixels;
}

QString tooLarge(const QSize& s) {
    return QStringLiteral("The picture is too large (%1 x %2 pixels).").arg(s.width()).arg(s.height());
}

// Every frame of the whole file, read by Qt's reader in turn.
animatedGif::Split wholeFile(const QByteArray& bytes) {
    animatedGif::Split result;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    if (!sizeAllowed(reader.size())) {
        result.error = reader.size().isValid() ? tooLarge(reader.size()) : reader.errorString();
        return result;
    }
    int64_t stored = 0;
    while (true) {
        QImage frame = reader.read();
        if (frame.isNull()) {
            if (result.frames.empty()) result.error = reader.errorString();
            break;
        }
        stored += int64_t(frame.width()) * frame.height();
        if (stored > animatedGif::maxStoredPixels) {
            result.error = QStringLiteral("The GIF has too many frames to keep.");
            break;
        }
        result.frames.push_back(std::move(frame));
        if (!reader.canRead()) break;
    }
    return result;
}

} // namespace

std::vector<QByteArray> animatedGif::pieces(const QByteArray& bytes) {
    std::vector<QByteArray> out;
    const qsizetype L = bytes.size();
    // Positions are 0-based here: the header runs to the separator's 0x21.
    const qsizetype first = bytes.indexOf(separator);
    const qsizetype headerEnd = first < 0 ? 1 : first + 2; // bytes [0, headerEnd)
    const QByteArray header = bytes.left(headerEnd);
    qsizetype c = first < 0 ? 1 : first + 2; // the separator's 0xF9
    while (true) {
        const qsizetype q = bytes.indexOf(separator, c + 1);
        if (q < 0) break;
        out.push_back(header + bytes.mid(c, q + 2 - c));
        c = q + 2;
    }
    // The last frame without the file's last two bytes (terminator and trailer).
    if (c + 2 < L) {
        const qsizetype end = L - 2;
        out.push_back(header + bytes.mid(c, std::max<qsizetype>(0, end - c)));
    }
    return out;
}

QImage animatedGif::decode(const QByteArray& bytes, QString* error) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    if (!sizeAllowed(reader.size())) {
        if (error) *error = reader.size().isValid() ? tooLarge(reader.size()) : reader.errorString();
        return {};
    }
    QImage picture = reader.read();
    if (picture.isNull() && error) *error = reader.errorString();
    return picture;
}

animatedGif::Split animatedGif::splitFile(const QString& fileName) {
    Split result;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.error = file.errorString();
        return result;
    }
    // The logical screen every frame is drawn on: refused before any decoding when too large.
    if (bytes.size() >= 10) {
        const auto byte = [&](int i) { return int(uint8_t(bytes[i])); };
        const QSize screen(byte(6) | byte(7) << 8, byte(8) | byte(9) << 8);
        if (int64_t(screen.width()) * screen.height() > maxPicturePixels) {
            result.error = tooLarge(screen);
            return result;
        }
    }
    const std::vector<QByteArray> parts = pieces(bytes);
    // The split only holds where the file's frames each start at a separator
    // preceded by a block's end: a first frame without that byte, or the
    // separator's bytes inside image or comment data, give pieces that are not
    // the file's frames. Then the whole file is read frame by frame.
    {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "gif");
        const int frames = reader.imageCount();
        if (frames > 0 && size_t(frames) != parts.size()) return wholeFile(bytes);
    }
    int64_t stored = 0;
    for (const QByteArray& piece : parts) {
        QString why;
        QImage frame = decode(piece, &why);
        if (frame.isNull()) {
            // A piece Qt cannot read on its own: the whole file, frame by frame.
            Split whole = wholeFile(bytes);
            if (!whole.frames.empty() || result.frames.empty()) return whole;
            result.error = why;
            return result;
        }
        stored += int64_t(frame.width()) * frame.height();
        if (stored > maxStoredPixels) {
            result.error = QStringLiteral("The GIF has too many frames to keep.");
            return result;
        }
        result.frames.push_back(std::move(frame));
    }
    if (result.frames.empty()) return wholeFile(bytes);
    return result;
}

std::vector<FrameRef> animatedGif::sample(const std::vector<QImage>& pictures, int32_t W, int32_t H,
                                          int32_t background, const QString& name) {
    std::vector<FrameRef> frames;
    if (W <= 0 || H <= 0) return frames;
    QImage picture(W, H, QImage::Format_RGB32);
    for (const QImage& source : pictures) {
        picture.fill(modGradient::toPixel(background));
        if (!source.isNull()) {
            QPainter p(&picture);
            p.drawImage(QRect(0, 0, W, H), source);
        }
        auto frame = std::make_shared<ClsColours>();
        frame->Name = name;
        for (int32_t x = 0; x < W; ++x)
            for (int32_t y = 0; y < H; ++y) {
                const QRgb c = picture.pixel(x, y);
                frame->SetColor(x + y * W, modGradient::joinRGB(qRed(c), qGreen(c), qBlue(c)));
            }
        frames.push_back(frame);
    }
    return frames;
}
