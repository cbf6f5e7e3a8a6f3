#pragma once
// The encoder strip of the palette window: eleven encoders (`oneWheel`) on
// their background, four at the left, three in the middle (pan and tilt),
// four at the right, and the direct-entry box. It draws what the
// EncoderBank engine holds and hands it the operator's gestures.

#include "programmer/encoderBank.h"

#include <QWidget>
#include <array>

class QLineEdit;

class EncoderKnob : public QWidget {
    Q_OBJECT
public:
    EncoderKnob(EncoderBank& bank, int index, QWidget* parent);
    int index() const { return index_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void dragged(int index);
    void doubleClicked(int index);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    EncoderBank& bank;
    int index_;
};

class EncoderStrip : public QWidget {
    Q_OBJECT
public:
    explicit EncoderStrip(QWidget* parent = nullptr);
    EncoderBank bank;
    std::array<EncoderKnob*, EncoderBank::count> oneWheel{};
    QLineEdit* txtDirectWheelValue = nullptr;

    // Names for the marked tab, the selection mapped, every encoder redrawn.
    void assignAndMap(const QString& markedTab);
    void showEncoderBank(bool show);
    // One drag step from elsewhere (mouse wheel, wing): left button, x = y = 0.
    void oneWheel_MouseMove(int index, int shift);
    void refresh();

signals:
    // The pointer moved over an encoder that carries an attribute.
    void stamped(QWidget* knob);

private:
    void openEntry(int index);
};
