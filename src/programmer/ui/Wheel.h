#pragma once
// The attribute wheel as the operator sees it: the range label (text, swatch
// or picture), the value, "Full", the fader whose ridge lines scroll while it
// is held, "Off" and the property button. It draws what its engine
// (programmer/attributeWheel) holds and hands every gesture to it.

#include "programmer/attributeWheel.h"

#include <QFrame>
#include <QLabel>

class QPushButton;

// The press-and-hold area with its ridge lines, percentage and owner numbers.
class WheelFader : public QWidget {
    Q_OBJECT
public:
    WheelFader(AttributeWheel& engine, QWidget* parent);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    AttributeWheel& engine;
};

class Wheel : public QFrame, private AttributeWheelView {
    Q_OBJECT
public:
    Wheel(AttributeWheel& engine, QWidget* parent);
    ~Wheel() override;
    AttributeWheel& engine() { return engine_; }

    QLabel* lblChannel = nullptr;
    QLabel* lblValue = nullptr;
    QLabel* LBL255 = nullptr;
    WheelFader* frmFader = nullptr;
    QLabel* LBL0 = nullptr;
    QPushButton* ButtonPlus1 = nullptr;

    // Width and height the wheel needs, in twips (never narrower than 705).
    int32_t widthTwips() const;
    int32_t heightTwips() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void wheelChanged() override;
    AttributeWheel& engine_;
};
