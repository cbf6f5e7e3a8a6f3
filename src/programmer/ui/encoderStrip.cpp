#include "programmer/ui/encoderStrip.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

namespace {

// Modifier keys as one word: any of them selects the fan step.
int shiftWord(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
}

// The entry box tells the strip about the released Enter key.
class EntryBox : public QLineEdit {
public:
    EntryBox(EncoderStrip& strip, QWidget* parent) : QLineEdit(parent), strip(strip) {}

protected:
    void keyReleaseEvent(QKeyEvent* e) override {
        QLineEdit::keyReleaseEvent(e);
        if (e->key() != Qt::Key_Return && e->key() != Qt::Key_Enter) return;
        strip.bank.boxText = text();
        strip.bank.txtDirectWheelValue_KeyUp(EncoderBank::enterKey);
        strip.refresh();
    }

private:
    EncoderStrip& strip;
};

} // namespace

// ---- One encoder -------------------------------------------------------------------------------------

EncoderKnob::EncoderKnob(EncoderBank& b, int index, QWidget* parent) : QWidget(parent), bank(b), index_(index) {
    setObjectName(QStringLiteral("oneWheel%1").arg(index));
    setMouseTracking(true);
}

QSize EncoderKnob::sizeHint() const {
    const QFontMetrics fm(font());
    int widest = fm.horizontalAdvance(QStringLiteral("255"));
    for (const QString& line : EncoderBank::captionLines(bank.captionOf(index_)))
        widest = std::max(widest, fm.horizontalAdvance(line));
    return {std::max(48, widest + 6), std::max(67, 40 + 2 * fm.height() + 4)};
}

void EncoderKnob::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics fm(font());
    const int stripTop = height() - 2 * fm.height() - 4;
    p.fillRect(rect(), QColor(32, 32, 32));
    const int d = std::min(width() - 8, stripTop - 6);
    const QRect knob((width() - d) / 2, 3, d, d);
    p.setPen(QPen(QColor(0, 90, 255), 3));
    p.setBrush(Qt::black);
    p.drawEllipse(knob);
    const QString tag = bank.tags[size_t(index_)];
    p.setPen(Qt::white);
    p.drawText(knob, Qt::AlignCenter, tag);
    p.fillRect(QRect(0, stripTop, width(), height() - stripTop), QColor(200, 200, 200));
    // A caption dark on the strip when the encoder carries an attribute, faint when not.
    p.setPen(tag.isEmpty() ? QColor(255, 255, 255) : QColor(64, 64, 64));
    const QStringList lines = EncoderBank::captionLines(bank.captionOf(index_));
    int y = lines.size() > 1 ? stripTop + 2 : stripTop + 2 + fm.height() / 2;
    for (const QString& line : lines) {
        p.drawText(QRect(0, y, width(), fm.height()), Qt::AlignHCenter | Qt::AlignTop, line);
        y += fm.height();
    }
}

void EncoderKnob::mousePressEvent(QMouseEvent* e) { bank.oneWheel_MouseDown(index_, e->position().y()); }

void EncoderKnob::mouseMoveEvent(QMouseEvent* e) {
    const int button = e->buttons() == Qt::LeftButton ? 1 : e->buttons() == Qt::NoButton ? 0 : 2;
    if (bank.oneWheel_MouseMove(index_, button, shiftWord(e->modifiers()), e->position().x(), e->position().y()))
        emit dragged(index_);
}

void EncoderKnob::mouseDoubleClickEvent(QMouseEvent*) { emit doubleClicked(index_); }

// ---- The strip ---------------------------------------------------------------------------------------

EncoderStrip::EncoderStrip(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("shpWheelBackground"));
    setStyleSheet(QStringLiteral("EncoderStrip#shpWheelBackground { background: #101010; }"));
    setAttribute(Qt::WA_StyledBackground, true);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(0);
    for (int i = 0; i < EncoderBank::count; ++i) {
        oneWheel[size_t(i)] = new EncoderKnob(bank, i, this);
        connect(oneWheel[size_t(i)], &EncoderKnob::dragged, this, [this](int index) {
            oneWheel[size_t(index)]->update();
            emit stamped(oneWheel[size_t(index)]);
            refresh();
        });
        connect(oneWheel[size_t(i)], &EncoderKnob::doubleClicked, this, [this](int index) { openEntry(index); });
    }
    for (int i : {0, 1, 2, 3}) row->addWidget(oneWheel[size_t(i)]);
    row->addStretch(1);
    for (int i : {8, 9, 10}) row->addWidget(oneWheel[size_t(i)]);
    row->addStretch(1);
    for (int i : {4, 5, 6, 7}) row->addWidget(oneWheel[size_t(i)]);
    txtDirectWheelValue = new EntryBox(*this, this);
    txtDirectWheelValue->setObjectName(QStringLiteral("txtDirectWheelValue"));
    txtDirectWheelValue->setText(QStringLiteral("000"));
    txtDirectWheelValue->hide();
}

void EncoderStrip::assignAndMap(const QString& markedTab) {
    bank.assignEncoderNames(markedTab);
    bank.mapEncoderChannels();
    refresh();
}

void EncoderStrip::showEncoderBank(bool show) {
    if (show) bank.showEncoderBank();
    setVisible(show);
    refresh();
}

void EncoderStrip::oneWheel_MouseMove(int index, int shift) {
    if (index < 0 || index >= EncoderBank::count) return;
    bank.oneWheel_MouseMove(index, 1, shift, 0, 0);
    refresh();
}

void EncoderStrip::openEntry(int index) {
    if (!bank.oneWheel_DblClick(index)) return;
    const QWidget* knob = oneWheel[size_t(index)];
    // 240 twips down and 350 across from the encoder's corner.
    txtDirectWheelValue->move(knob->x() + 350 / 15, knob->y() + 240 / 15);
    refresh();
    txtDirectWheelValue->setFocus();
    txtDirectWheelValue->setSelection(0, 3);
}

void EncoderStrip::refresh() {
    if (txtDirectWheelValue->text() != bank.boxText) txtDirectWheelValue->setText(bank.boxText);
    txtDirectWheelValue->setVisible(bank.boxVisible);
    if (bank.boxVisible) txtDirectWheelValue->raise();
    for (EncoderKnob* k : oneWheel) {
        k->updateGeometry();
        k->update();
    }
}
