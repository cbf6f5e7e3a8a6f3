#include "programmer/ui/Wheel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int twipsPerPixel = 15;
// The fader's own scale: 570 x 1300 twips, ridge lines between 90 and 435.
constexpr double faderWidthTwips = 570, faderHeightTwips = 1300;

QColor fromBgr(int32_t bgr) { return QColor(bgr & 255, (bgr >> 8) & 255, (bgr >> 16) & 255); }
QString css(int32_t bgr) { return fromBgr(bgr).name(); }

} // namespace

// ---- The fader ---------------------------------------------------------------------------------------

WheelFader::WheelFader(AttributeWheel& e, QWidget* parent) : QWidget(parent), engine(e) {
    setMouseTracking(true);
    setToolTip(QStringLiteral("Use your Mouse Wheel to adjust"));
}

QSize WheelFader::sizeHint() const {
    const QFontMetrics fm(font());
    const int w = std::max(int(faderWidthTwips / twipsPerPixel), fm.horizontalAdvance(QStringLiteral("100%")) + 8);
    const int h = std::max(int(faderHeightTwips / twipsPerPixel), 4 * fm.height());
    return {w, h};
}

void WheelFader::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const AttributeWheel::Display& d = engine.display;
    p.fillRect(rect(), fromBgr(d.frameColour));
    const double sx = width() / faderWidthTwips, sy = height() / faderHeightTwips;
    p.setPen(QColor(64, 64, 64));
    p.drawRect(QRectF(90 * sx, 90 * sy, 375 * sx, 1125 * sy));
    p.setPen(QColor(192, 192, 192));
    for (const int32_t y : d.lines) p.drawLine(QPointF(90 * sx, y * sy), QPointF(435 * sx, y * sy));
    p.setPen(Qt::black);
    const QString owner = QString::number(d.playbackNumber);
    const QFontMetrics fm(font());
    p.drawText(QRect(0, 0, width(), fm.height()), Qt::AlignCenter, owner);
    p.drawText(QRect(0, height() - fm.height(), width(), fm.height()), Qt::AlignCenter, owner);
    p.drawText(rect(), Qt::AlignCenter, d.percentText);
}

void WheelFader::mousePressEvent(QMouseEvent* e) { engine.faderMouseDown(e->position().y(), height()); }

void WheelFader::mouseMoveEvent(QMouseEvent* e) {
    engine.faderMouseMove(e->buttons() & Qt::LeftButton, e->position().y(), height());
}

void WheelFader::mouseReleaseEvent(QMouseEvent*) { engine.faderMouseUp(); }

// ---- The wheel ---------------------------------------------------------------------------------------

Wheel::Wheel(AttributeWheel& engine, QWidget* parent) : QFrame(parent), engine_(engine) {
    setObjectName(QStringLiteral("Wheel1_%1").arg(engine.index()));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(1);
    lblChannel = new QLabel(this);
    lblChannel->setObjectName(QStringLiteral("lblChannel"));
    lblChannel->setAlignment(Qt::AlignCenter);
    lblChannel->setWordWrap(true);
    lblChannel->setMinimumHeight(600 / twipsPerPixel);
    lblValue = new QLabel(QStringLiteral("0"), this);
    lblValue->setObjectName(QStringLiteral("lblValue"));
    lblValue->setToolTip(QStringLiteral("Click here to enter a direct value "));
    LBL255 = new QLabel(QStringLiteral("Full"), this);
    LBL255->setObjectName(QStringLiteral("LBL255"));
    LBL255->setToolTip(QStringLiteral("Full DMX value on this channel"));
    frmFader = new WheelFader(engine, this);
    frmFader->setObjectName(QStringLiteral("frmFader"));
    LBL0 = new QLabel(QStringLiteral("Off"), this);
    LBL0->setObjectName(QStringLiteral("LBL0"));
    LBL0->setToolTip(QStringLiteral("Zero DMX value on this channel, right click to remove from playback."));
    ButtonPlus1 = new QPushButton(this);
    ButtonPlus1->setObjectName(QStringLiteral("ButtonPlus1"));
    for (QLabel* l : {lblValue, LBL255, LBL0}) l->setAlignment(Qt::AlignCenter);
    for (QWidget* w : {static_cast<QWidget*>(lblChannel), static_cast<QWidget*>(lblValue),
                       static_cast<QWidget*>(LBL255), static_cast<QWidget*>(LBL0),
                       static_cast<QWidget*>(ButtonPlus1)}) {
        w->installEventFilter(this);
    }
    layout->addWidget(lblChannel);
    layout->addWidget(lblValue);
    layout->addWidget(LBL255);
    layout->addWidget(frmFader, 1, Qt::AlignHCenter);
    layout->addWidget(LBL0);
    layout->addWidget(ButtonPlus1);
    setStyleSheet(QStringLiteral("Wheel#%1 { background: #202020; } Wheel#%1 QLabel { color: white; }").arg(objectName()));
    engine_.setView(this);
    wheelChanged();
}

Wheel::~Wheel() { engine_.setView(nullptr); }

int32_t Wheel::widthTwips() const { return std::max<int32_t>(705, sizeHint().width() * twipsPerPixel); }
int32_t Wheel::heightTwips() const { return sizeHint().height() * twipsPerPixel; }

bool Wheel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        const auto* e = static_cast<QMouseEvent*>(event);
        if (watched == LBL0) {
            engine_.LBL0_MouseDown(e->button() == Qt::RightButton);
            return true;
        }
        if (watched == ButtonPlus1) {
            engine_.propertyButtonMouseDown();
            return true;
        }
    } else if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == lblValue) {
            engine_.lblValue_Click();
            return true;
        }
        if (watched == LBL255) {
            engine_.LBL255_Click();
            return true;
        }
        if (watched == lblChannel) {
            engine_.labelClicked();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void Wheel::wheelChanged() {
    const AttributeWheel::Display& d = engine_.display;
    lblValue->setText(d.valueText);
    ButtonPlus1->setText(d.buttonCaption);
    ButtonPlus1->setStyleSheet(QStringLiteral("QPushButton#ButtonPlus1 { background: %1; color: %2; }")
                                   .arg(css(d.buttonColour), d.buttonColour == AttributeWheel::white
                                                                 ? QStringLiteral("black")
                                                                 : QStringLiteral("white")));
    QPixmap picture;
    if (!d.picture.isEmpty() && picture.load(d.picture)) {
        lblChannel->setPixmap(picture.scaled(lblChannel->size(), Qt::KeepAspectRatio));
    } else if (d.swatch >= 0) {
        // A swatch: the text takes the background's colour.
        lblChannel->setText(d.label);
        lblChannel->setStyleSheet(QStringLiteral("QLabel#lblChannel { background: %1; color: %1; }").arg(css(d.swatch)));
    } else {
        lblChannel->setText(d.label);
        lblChannel->setStyleSheet(QStringLiteral("QLabel#lblChannel { color: %1; }").arg(css(d.labelTextColour)));
    }
    frmFader->update();
}
