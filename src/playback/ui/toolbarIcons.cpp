#include "playback/ui/toolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <cmath>

namespace {

constexpr int side = 32;

// A sheet of paper with a folded corner.
void page(QPainter& p) {
    QPolygonF sheet{{8, 3}, {20, 3}, {25, 8}, {25, 29}, {8, 29}};
    p.setBrush(Qt::white);
    p.drawPolygon(sheet);
    p.drawLine(QPointF(20, 3), QPointF(20, 8));
    p.drawLine(QPointF(20, 8), QPointF(25, 8));
}

// A fader: its slot and its knob at `level` (0 bottom .. 1 top).
void fader(QPainter& p, double x, double level, const QColor& knob) {
    p.drawLine(QPointF(x, 5), QPointF(x, 27));
    p.setBrush(knob);
    const double y = 24 - level * 16;
    p.drawRect(QRectF(x - 3.5, y, 7, 5));
}

void draw(QPainter& p, int index) {
    const QColor ink(40, 40, 48);
    p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    switch (index) {
    case 1: // a new sequence: a page with a plus
        page(p);
        p.setPen(QPen(QColor(30, 140, 60), 3));
        p.drawLine(QPointF(16.5, 13), QPointF(16.5, 24));
        p.drawLine(QPointF(11, 18.5), QPointF(22, 18.5));
        break;
    case 2: // save: a disk
        p.setBrush(QColor(60, 100, 180));
        p.drawRoundedRect(QRectF(5, 5, 22, 22), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(10, 5, 12, 8));
        p.drawRect(QRectF(9, 18, 14, 9));
        break;
    case 3: // a new show: a page with a star
        page(p);
        p.setBrush(QColor(230, 180, 30));
        {
            QPolygonF star;
            for (int k = 0; k < 10; ++k) {
                const double r = (k % 2) ? 3.0 : 7.0, a = -M_PI / 2 + k * M_PI / 5;
                star << QPointF(16.5 + r * std::cos(a), 18.5 + r * std::sin(a));
            }
            p.drawPolygon(star);
        }
        break;
    case 4: // patch fixtures: a spotlight with its beam
        p.setBrush(QColor(255, 240, 150));
        p.drawPolygon(QPolygonF{{13, 12}, {19, 12}, {28, 29}, {4, 29}});
        p.setBrush(QColor(70, 70, 80));
        p.drawRoundedRect(QRectF(10, 3, 12, 10), 2, 2);
        break;
    case 5: // the main window
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4, 6, 24, 20));
        p.setBrush(QColor(60, 100, 180));
        p.drawRect(QRectF(4, 6, 24, 5));
        break;
    case 6: // the fixture list: lines with bullets
        for (int k = 0; k < 4; ++k) {
            p.setBrush(QColor(230, 140, 40));
            p.drawEllipse(QPointF(7, 8 + k * 6), 2, 2);
            p.drawLine(QPointF(12, 8 + k * 6), QPointF(27, 8 + k * 6));
        }
        break;
    case 7: // the shape generator: a circle round a moving dot
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(16, 16), 11, 8);
        p.setBrush(QColor(200, 40, 40));
        p.drawEllipse(QPointF(27, 16), 3, 3);
        break;
    case 8: // palettes: a palette with paints
        p.setBrush(QColor(215, 175, 120));
        p.drawEllipse(QRectF(3, 6, 26, 20));
        for (auto [c, x, y] : {std::tuple{QColor(220, 40, 40), 10.0, 12.0}, {QColor(40, 160, 60), 17.0, 10.0},
                               {QColor(40, 80, 220), 23.0, 14.0}, {QColor(240, 210, 40), 10.0, 19.0}}) {
            p.setBrush(c);
            p.drawEllipse(QPointF(x, y), 2.6, 2.6);
        }
        break;
    case 9: // the master shortcuts: a block of buttons
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < 2; ++c) {
                p.setBrush((r + c) % 2 ? QColor(60, 160, 90) : QColor(90, 130, 210));
                p.drawRoundedRect(QRectF(5 + c * 12, 5 + r * 12, 10, 10), 2, 2);
            }
        break;
    case 10: // the playback submasters: three faders
        fader(p, 9, 0.8, QColor(90, 130, 210));
        fader(p, 16, 0.4, QColor(90, 130, 210));
        fader(p, 23, 0.6, QColor(90, 130, 210));
        break;
    case 11: // the fog controller: a cloud
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(170, 175, 190));
        p.drawEllipse(QPointF(11, 19), 7, 6);
        p.drawEllipse(QPointF(18, 14), 8, 7);
        p.drawEllipse(QPointF(23, 20), 6, 5);
        p.drawRect(QRectF(11, 19, 12, 6));
        break;
    case 12: // the scheduler: a clock
    case 13: // the MIDI scheduler: the clock with a note
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(16, 16), 12, 12);
        p.drawLine(QPointF(16, 16), QPointF(16, 8));
        p.drawLine(QPointF(16, 16), QPointF(22, 19));
        if (index == 13) {
            p.setBrush(ink);
            p.drawEllipse(QPointF(25, 27), 3, 2.2);
            p.drawLine(QPointF(28, 27), QPointF(28, 19));
        }
        break;
    case 14: // DMX input: an arrow into a box
        p.setBrush(Qt::white);
        p.drawRect(QRectF(14, 8, 14, 16));
        p.setPen(QPen(QColor(30, 140, 60), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3, 16), QPointF(20, 16));
        p.drawLine(QPointF(20, 16), QPointF(15, 11));
        p.drawLine(QPointF(20, 16), QPointF(15, 21));
        break;
    case 15: // the media player: a play triangle
        p.setBrush(QColor(40, 160, 60));
        p.drawPolygon(QPolygonF{{9, 5}, {27, 16}, {9, 27}});
        break;
    case 16: // the audio trigger: a waveform
        p.setPen(QPen(QColor(200, 60, 160), 2.2, Qt::SolidLine, Qt::RoundCap));
        for (int k = 0; k < 7; ++k) {
            const double h = (k % 3 == 1) ? 11 : (k % 2 ? 7 : 4);
            p.drawLine(QPointF(5 + k * 3.7, 16 - h), QPointF(5 + k * 3.7, 16 + h));
        }
        break;
    case 17: // the 3D viewer: a cube
        p.setBrush(QColor(120, 170, 230));
        p.drawPolygon(QPolygonF{{6, 11}, {20, 11}, {20, 27}, {6, 27}});
        p.setBrush(QColor(160, 200, 245));
        p.drawPolygon(QPolygonF{{6, 11}, {12, 5}, {26, 5}, {20, 11}});
        p.setBrush(QColor(80, 130, 200));
        p.drawPolygon(QPolygonF{{20, 11}, {26, 5}, {26, 21}, {20, 27}});
        break;
    case 18: // the sequence wizard: a wand with a spark
        p.setPen(QPen(ink, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5, 27), QPointF(20, 12));
        p.setPen(QPen(QColor(230, 180, 30), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(24, 3), QPointF(24, 13));
        p.drawLine(QPointF(19, 8), QPointF(29, 8));
        break;
    case 19: // no command
        break;
    case 20: // the grand master: one tall fader
        fader(p, 16, 0.9, QColor(220, 60, 50));
        break;
    case 21: // the grand blackout: a dark lamp
        p.setBrush(QColor(20, 20, 20));
        p.drawEllipse(QPointF(16, 14), 10, 10);
        p.setBrush(QColor(120, 120, 120));
        p.drawRect(QRectF(12, 23, 8, 6));
        break;
    case 22: // a lit lamp: a running playback's window (a stopped one shows 21)
        p.setPen(QPen(QColor(240, 200, 40), 1.6));
        for (int k = 0; k < 8; ++k) {
            const double a = k * M_PI / 4;
            p.drawLine(QPointF(16 + 11 * std::cos(a), 14 + 11 * std::sin(a)),
                       QPointF(16 + 14 * std::cos(a), 14 + 14 * std::sin(a)));
        }
        p.setPen(QPen(ink, 1.6));
        p.setBrush(QColor(255, 225, 60));
        p.drawEllipse(QPointF(16, 14), 9, 9);
        p.setBrush(QColor(120, 120, 120));
        p.drawRect(QRectF(12, 23, 8, 6));
        break;
    default: break;
    }
}

} // namespace

QIcon toolbarIcon(int index) {
    if (index < 1 || index > 22) return {};
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(side * scale, side * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        draw(p, index);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
