#include "matrix/modGradient.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace modGradient {

namespace {

// Nearest integer, a tie going to the even one.
double nearest(double x) { return std::nearbyint(x); }

// The line and ring counters are 16-bit: a longer band is an overflow.
constexpr double counterLimit = 32767;

QColor qColour(int32_t red, int32_t green, int32_t blue) {
    return QColor(std::clamp(red, 0, 255), std::clamp(green, 0, 255), std::clamp(blue, 0, 255));
}

// The stops but the spare, ordered by position; equal whole positions keep list order.
std::vector<GradientStop> sortedStops(const std::vector<GradientStop>& stops) {
    std::vector<GradientStop> remaining(stops.begin(), stops.end() - 1);
    std::vector<GradientStop> sorted;
    while (!remaining.empty()) {
        double bound = 101;
        size_t candidate = 0;
        for (size_t i = 0; i < remaining.size(); ++i)
            if (remaining[i].position < bound) {
                candidate = i;
                bound = nearest(remaining[i].position);
            }
        sorted.push_back(remaining[candidate]);
        remaining[candidate] = remaining.back();
        remaining.pop_back();
    }
    return sorted;
}

struct Band {
    RGBParts from;
    double dR = 0, dG = 0, dB = 0;
    QColor at(double l) const {
        return qColour(int32_t(nearest(l * dR + from.red)), int32_t(nearest(l * dG + from.green)),
                       int32_t(nearest(l * dB + from.blue)));
    }
};

Band band(const GradientStop& s, const GradientStop& e, double length) {
    Band b;
    b.from = splitRGB(s.color);
    if (length > 0) {
        const RGBParts to = splitRGB(e.color);
        b.dR = (to.red - b.from.red) / length;
        b.dG = (to.green - b.from.green) / length;
        b.dB = (to.blue - b.from.blue) / length;
    }
    return b;
}

const QString overflow = QStringLiteral("Overflow");

QString drawLinear(QPainter& p, std::vector<GradientStop> list, double a, double W, double H) {
    constexpr double k = 0.017453292519943278;
    // Angles from 180 to 359 run the other way round.
    if (std::fmod(nearest(a), 360.0) >= 180) {
        std::reverse(list.begin(), list.end());
        for (GradientStop& s : list) s.position = 100 - s.position;
    }
    if (list.front().position > 0) list.insert(list.begin(), GradientStop{list.front().color, 0});
    if (list.back().position < 100) list.push_back(GradientStop{list.back().color, 100});

    const bool steep = std::fmod(nearest(a), 180.0) > 45;
    double sk = 0, off = 0, T = 0, r = 0;
    if (steep) {
        const double a2 = a - 90;
        sk = W * std::tan(a2 * k);
        if (a2 > 180 || (a2 > 0 && a2 < 90)) off = nearest(std::abs(sk));
        T = std::abs(sk) + H;
    } else {
        const double q = std::fmod(nearest(a), 180.0);
        sk = H * std::tan(q * k);
        if (a > 90 && a < 180) off = nearest(std::abs(sk));
        T = std::abs(sk) + W;
        r = nearest(sk);
    }
    for (size_t i = 0; i + 1 < list.size(); ++i) {
        const GradientStop& s = list[i];
        const GradientStop& e = list[i + 1];
        const double start = nearest(T / 100 * s.position);
        const double L = nearest(T / 100 * e.position - start - 1);
        if (L > counterLimit) return overflow;
        if (L < 0) continue;
        const Band b = band(s, e, L);
        for (double l = 0; l <= L; ++l) {
            const double m = start + l;
            p.setPen(b.at(l));
            // Lines run between whole pixels, as on the picture surface.
            if (steep) p.drawLine(QLine(0, int(m - off), int(W), int(nearest(m - std::abs(sk) + off))));
            else p.drawLine(QLine(int(m - off), 0, int(m - r + off), int(H)));
        }
    }
    return {};
}

QString drawRadial(QPainter& p, const std::vector<GradientStop>& list, double W, double H, int32_t centreX,
                   int32_t centreY) {
    const double cx = centreX == 0 ? (W - 1) / 2 : centreX;
    const double cy = centreY == 0 ? nearest((H - 1) / 2) : centreY;
    const double R = std::max(nearest(std::max(cx, W - cx)), nearest(std::max(cy, H - cy)));
    const QPointF centre(cx, cy);
    auto circle = [&](double radius, const QColor& outline, const QColor& fill) {
        p.setPen(outline);
        p.setBrush(fill);
        p.drawEllipse(centre, radius, radius);
    };
    const RGBParts first = splitRGB(list.front().color);
    const RGBParts last = splitRGB(list.back().color);
    circle(nearest(std::sqrt(W * W + H * H)), qColour(last.red, last.green, last.blue),
           qColour(first.red, first.green, first.blue));
    for (size_t i = 0; i + 1 < list.size(); ++i) {
        const GradientStop& s = list[i];
        const GradientStop& e = list[i + 1];
        const double inner = nearest((100 - e.position) * R / 100);
        const double L = nearest((100 - s.position) * R / 100 - inner);
        if (L > counterLimit) return overflow;
        if (L <= 0) continue;
        const Band b = band(s, e, L);
        for (double t = 0; t <= L; ++t) {
            const QColor c = b.at(t);
            circle(inner + L - t, c, c);
        }
    }
    return {};
}

} // namespace

RGBParts splitRGB(int32_t color) {
    RGBParts parts;
    parts.blue = color / 65536;
    parts.green = (color % 65536) / 256;
    parts.red = color - (parts.green * 256 + parts.blue * 65536);
    return parts;
}

int32_t joinRGB(int32_t red, int32_t green, int32_t blue) {
    return std::clamp(red, 0, 255) + 256 * std::clamp(green, 0, 255) + 65536 * std::clamp(blue, 0, 255);
}

uint32_t toPixel(int32_t color) {
    const RGBParts c = splitRGB(color);
    return qRgb(std::clamp(c.red, 0, 255), std::clamp(c.green, 0, 255), std::clamp(c.blue, 0, 255));
}

QString drawGradient(QImage& picture, const std::vector<GradientStop>& stops, int32_t mode, float angle,
                     int32_t centreX, int32_t centreY) {
    picture.fill(Qt::black);
    if (stops.empty() || picture.isNull()) return {};
    if (stops.size() == 1) {
        picture.fill(toPixel(stops.front().color));
        return {};
    }
    const std::vector<GradientStop> list = sortedStops(stops);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing, false);
    const double W = picture.width();
    const double H = picture.height();
    if (mode == 0) return drawLinear(p, list, angle, W, H);
    if (mode == 1) return drawRadial(p, list, W, H, centreX, centreY);
    return {};
}

} // namespace modGradient
