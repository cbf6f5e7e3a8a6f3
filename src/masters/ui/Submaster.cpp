#include "masters/ui/Submaster.h"

#include "masters/ui/mastersWidgets.h"
#include "shell/services/playbackService.h"
#include "shell/shell.h"
#include "shell/ui/windowFunctions.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QVBoxLayout>

using mastersUi::px;

Submaster::Submaster() : engine(mastersEngine()) {
    setObjectName(QStringLiteral("Submaster"));
    setWindowTitle(QStringLiteral("Playback Sub-Master Panel"));
    auto* layout = new QVBoxLayout(this);
    scroll = new QScrollArea(this);
    area = new QWidget;
    area->setObjectName(QStringLiteral("SubmasterStrips"));
    scroll->setWidget(area);
    scroll->setWidgetResizable(false);
    layout->addWidget(scroll);
    resize(480, 340);
    // The value memory starts as a copy of the live output.
    const auto& out = shell().state.channelOutput;
    for (int32_t c = 1; c < int32_t(out.size()); ++c) engine.submasterSetMyValuemem(int16_t(out[size_t(c)]), c);
    miscGlobalFunctions::windowPlacement(this, QStringLiteral("GET"));
    engine.attach(this);
    mastersChanged();
}

Submaster::~Submaster() {
    engine.detach(this);
    engine.unloadPlaybackFaders();
    miscGlobalFunctions::windowPlacement(this, QStringLiteral("SET"));
}

void Submaster::makeStrip(int32_t n, const PlaybackFaderStrip& d) {
    Strip s;
    const QString k = QString::number(n);
    const int left = px(d.left);
    s.background = new QWidget(area);
    s.background->setObjectName(QStringLiteral("Picture") + k);
    s.background->setGeometry(left, 0, 48, 300);
    s.name = new QLabel(d.name, area);
    s.name->setGeometry(left, 4, 48, 16);
    s.number = new QLabel(d.numberText, area);
    s.number->setGeometry(left, 20, 48, 16);
    s.fader = new QSlider(Qt::Vertical, area);
    s.fader->setObjectName(QStringLiteral("VSlider") + k);
    s.fader->setRange(0, 100);
    s.fader->setValue(d.fader);
    s.fader->setGeometry(left + 8, 40, 32, 170);
    s.percent = new QLabel(QStringLiteral("100%"), area);
    s.percent->setGeometry(left, 214, 48, 16);
    s.menu = new QPushButton(QStringLiteral("Menu"), area);
    s.menu->setGeometry(left, 234, 48, 26);
    s.go = new QPushButton(QStringLiteral("GO"), area);
    s.go->setObjectName(QStringLiteral("cmdGo") + k);
    s.go->setGeometry(left, 264, 48, 30);
    // A move by the operator (drag, wheel, keys) may stop or restart the
    // playback; a value set by code only sets its dimmer.
    connect(s.fader, &QSlider::actionTriggered, this, [this] { operatorMove = true; });
    connect(s.fader, &QSlider::valueChanged, this, [this, n](int v) {
        const bool dragged = operatorMove || strips[n].fader->isSliderDown();
        operatorMove = false;
        if (!mirroring) engine.playbackFaderMoved(n, v, dragged);
    });
    connect(s.go, &QPushButton::clicked, this, [this, n] { engine.playbackFaderGo(n); });
    connect(s.menu, &QPushButton::clicked, this, [this, n] {
        shell().playback().showPlaybackMenu(n);
        activateWindow();
    });
    for (QWidget* w : {s.background, static_cast<QWidget*>(s.name), static_cast<QWidget*>(s.number),
                       static_cast<QWidget*>(s.fader), static_cast<QWidget*>(s.percent),
                       static_cast<QWidget*>(s.menu), static_cast<QWidget*>(s.go)})
        w->show();
    strips[n] = s;
}

void Submaster::mastersChanged() {
    mirroring = true;
    int right = 0;
    for (const auto& [n, d] : engine.playbackFaders) {
        if (!strips.count(n)) makeStrip(n, d);
        Strip& s = strips[n];
        s.fader->setValue(d.fader);
        s.percent->setText(QString::number(d.fader) + QStringLiteral(" %"));
        const int32_t fill = n == engine.activePlayback ? 0x40C0 : 0x808080;
        s.background->setStyleSheet(QStringLiteral("QWidget#Picture%1 { background-color: %2; }")
                                        .arg(n)
                                        .arg(mastersUi::bgr(fill).name()));
        right = std::max(right, px(d.left) + 50);
    }
    area->resize(std::max(right, 100), 300);
    mirroring = false;
}

void Submaster::closeEvent(QCloseEvent* e) {
    // Closing hides: the strips and their faders stay for the next showing.
    miscGlobalFunctions::windowPlacement(this, QStringLiteral("SET"));
    hide();
    e->ignore();
}

void Submaster::open() {
    show();
    raise();
}
