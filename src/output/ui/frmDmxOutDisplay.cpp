#include "output/ui/frmDmxOutDisplay.h"

#include "output/ui/unloadOnClose.h"
#include "platform/tickTimer.h"
#include "shell/shell.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <algorithm>


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
    if (!layout()) {
        // Rows of channels: each level above its channel number, the scroll
        // bar at the right. The layout sizes every cell for its text.
        auto* outer = new QHBoxLayout(this);
        auto* grid = new QGridLayout;
        grid->setHorizontalSpacing(6);
        grid->setVerticalSpacing(0);
        outer->addLayout(grid, 1);
        outer->addWidget(vscrDmxChannels);
        for (int i = 0; i <= labelCount; ++i) {
            auto* level = new QLabel(this);
            auto* number = new QLabel(this);
            level->setObjectName(QStringLiteral("lblDMXValue"));
            number->setObjectName(QStringLiteral("lblChannelNumber"));
            lblDMXValue[size_t(i)] = level;
            lblChannelNumber[size_t(i)] = number;
            for (QLabel* l : {level, number}) l->setAlignment(Qt::AlignCenter);
            // A little room under each number keeps the rows apart.
            number->setContentsMargins(0, 0, 0, 6);
            // Element 0 is the template: never shown, not laid out.
            if (i == 0) {
                level->hide();
                number->hide();
                continue;
            }
            const int row = (i - 1) / perRow, column = (i - 1) % perRow;
            grid->addWidget(level, row * 2, column);
            grid->addWidget(number, row * 2 + 1, column);
        }
        setStyleSheet(QStringLiteral("frmDmxOutDisplay QLabel#lblChannelNumber { color: #707070; }"));
    }
    fitCellWidths();
    layoutChannelLabels();
    fitRange();
}

void frmDmxOutDisplay::fitCellWidths() {
    // Wide enough for "512"-like numbers of the largest show and a level of 255.
    const int widest = QFontMetrics(font()).horizontalAdvance(QStringLiteral("00000")) + 4;
    for (int i = 1; i <= labelCount; ++i)
        for (QLabel* l : {lblDMXValue[size_t(i)], lblChannelNumber[size_t(i)]}) l->setMinimumWidth(widest);
}

void frmDmxOutDisplay::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange && layout()) fitCellWidths();
    QWidget::changeEvent(event);
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
    for (int i = 1; i <= labelCount; ++i) {
        lblChannelNumber[size_t(i)]->setText(QString::number(offset + i));
        lblDMXValue[size_t(i)]->setText(QString::number(offset + i));
    }
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
