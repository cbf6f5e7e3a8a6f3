#include "output/ui/frmDmxOutDisplay.h"

#include "output/ui/unloadOnClose.h"
#include "platform/tickTimer.h"
#include "shell/shell.h"

#include <QLabel>
#include <QScrollBar>
#include <algorithm>

namespace {
// Positions are laid out in twips, 15 to the pixel.
constexpr int twipsPerPixel = 15;
int px(int twips) { return twips / twipsPerPixel; }
constexpr int windowWidthTwips = 8550;
constexpr int templateTopTwips = 240;
} // namespace

frmDmxOutDisplay::frmDmxOutDisplay(QWidget* parent) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint) {
    setWindowTitle(QStringLiteral("DMX Output"));
    vscrDmxChannels = new QScrollBar(Qt::Vertical, this);
    connect(vscrDmxChannels, &QScrollBar::valueChanged, this, [this] { layoutChannelLabels(); });
    HiResTimer1 = shell().timers().create();
    HiResTimer1->setInterval(50);
    HiResTimer1->onTick = [this] { HiResTimer1_Timer(); };
    Form_Load();
    HiResTimer1->setEnabled(true);
}

frmDmxOutDisplay::~frmDmxOutDisplay() {
    HiResTimer1->setEnabled(false);
    HiResTimer1->onTick = nullptr;
}

void frmDmxOutDisplay::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    unloadAfterClose(this);
}

void frmDmxOutDisplay::Form_Load() {
    resize(px(windowWidthTwips), 200);
    for (int i = 0; i <= labelCount; ++i) {
        if (!lblDMXValue[size_t(i)]) {
            lblDMXValue[size_t(i)] = new QLabel(this);
            lblChannelNumber[size_t(i)] = new QLabel(this);
        }
        for (QLabel* l : {lblDMXValue[size_t(i)], lblChannelNumber[size_t(i)]}) {
            l->setAlignment(Qt::AlignCenter);
            l->resize(px(600), px(240));
            l->setVisible(i > 0);
        }
    }
    lblDMXValue[0]->move(px(-470), px(templateTopTwips));
    lblChannelNumber[0]->move(px(-470), px(templateTopTwips + 145));
    layoutChannelLabels();
    fitRange();
}

void frmDmxOutDisplay::fitRange() {
    const int total = shell().state.totalChannels;
    if (total == rangeFor) return;
    rangeFor = total;
    vscrDmxChannels->setRange(0, std::max(0, total - labelCount));
    vscrDmxChannels->setSingleStep(1);
    vscrDmxChannels->setPageStep(13);
}

void frmDmxOutDisplay::layoutChannelLabels() {
    const int offset = vscrDmxChannels->value();
    const int widthTwips = windowWidthTwips;
    int leftTwips = -470, topTwips = templateTopTwips;
    int heightTwips = templateTopTwips + 800;
    for (int i = 1; i <= labelCount; ++i) {
        lblChannelNumber[size_t(i)]->setText(QString::number(offset + i));
        lblDMXValue[size_t(i)]->setText(QString::number(offset + i));
        // Each pair sits 625 twips right of the one before, its number 50
        // twips left of its level; a pair that would pass the right edge
        // starts a new row 400 twips lower.
        leftTwips += 625;
        int numberLeftTwips = leftTwips - 50;
        if (leftTwips > widthTwips - 500) {
            leftTwips = 130;
            numberLeftTwips = 125;
            topTwips += 400;
        }
        heightTwips = topTwips + 800;
        lblDMXValue[size_t(i)]->move(px(leftTwips), px(topTwips));
        lblChannelNumber[size_t(i)]->move(px(numberLeftTwips), px(topTwips + 145));
    }
    resize(px(windowWidthTwips), px(heightTwips));
    vscrDmxChannels->setGeometry(width() - 17, 0, 17, std::max(20, height() - px(420)));
}

void frmDmxOutDisplay::HiResTimer1_Timer() {
    fitRange();
    const auto& out = shell().state.channelOutput;
    const int offset = vscrDmxChannels->value();
    for (int i = 1; i <= labelCount; ++i) {
        const size_t ch = size_t(offset + i);
        lblDMXValue[size_t(i)]->setText(ch < out.size() ? QString::number(out[ch]) : QString());
    }
}
