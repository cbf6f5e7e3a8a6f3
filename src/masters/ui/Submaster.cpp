#include "masters/ui/Submaster.h"

#include "masters/ui/mastersWidgets.h"
#include "shell/services/playbackService.h"
#include "shell/shell.h"
#include "shell/ui/windowFunctions.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
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

namespace {
// Strips stand 750 twips apart and are 735 wide; the rest is the gap.
constexpr int32_t stripStep = 750, stripWidth = 735;
constexpr int stripMargin = 2;
} // namespace

void Submaster::makeStrip(int32_t n, const PlaybackFaderStrip& d) {
    Strip s;
    const QString k = QString::number(n);
    // The strip's picture holds its controls, top to bottom.
    s.background = new QWidget(area);
    s.background->setObjectName(QStringLiteral("Picture") + k);
    auto* column = new QVBoxLayout(s.background);
    column->setContentsMargins(stripMargin, stripMargin, stripMargin, stripMargin);
    column->setSpacing(2);
    s.number = new QLabel(d.numberText, s.background);
    s.number->setObjectName(QStringLiteral("Label") + k);
    s.percent = new QLabel(QStringLiteral("100%"), s.background);
    s.percent->setObjectName(QStringLiteral("Chmastelabel") + k);
    s.fader = new QSlider(Qt::Vertical, s.background);
    s.fader->setObjectName(QStringLiteral("VSlider") + k);
    s.fader->setRange(0, 100);
    s.fader->setValue(d.fader);
    s.fader->setMinimumHeight(120);
    s.name = new QLabel(d.name, s.background);
    s.name->setObjectName(QStringLiteral("chasernamelbl") + k);
    s.name->setWordWrap(true);
    s.name->setToolTip(d.name);
    s.go = new QPushButton(QStringLiteral("GO!"), s.background);
    s.go->setObjectName(QStringLiteral("cmdGo") + k);
    s.menu = new QPushButton(QStringLiteral("Menu"), s.background);
    s.menu->setObjectName(QStringLiteral("cmdPlayPause") + k);
    // The buttons take the strip's width, which is sized for their captions.
    for (QPushButton* b : {s.go, s.menu}) b->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    s.background->setAutoFillBackground(true);
    for (QLabel* l : {s.number, s.percent, s.name}) l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    column->addWidget(s.number);
    column->addWidget(s.percent);
    column->addWidget(s.fader, 1, Qt::AlignHCenter);
    column->addWidget(s.name);
    column->addWidget(s.go);
    column->addWidget(s.menu);
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
    s.background->show();
    strips[n] = s;
}

int Submaster::stripPitch() const {
    // The widest fixed caption of a strip (the name wraps at its words).
    const QFontMetrics fm(font());
    // A button's caption needs its frame and some air on both sides.
    const int buttonText =
        std::max(fm.horizontalAdvance(QStringLiteral("GO!")), fm.horizontalAdvance(QStringLiteral("Menu")));
    int content = std::max(fm.horizontalAdvance(QStringLiteral("100 %")) + 4, buttonText + 12);
    for (const auto& [n, s] : strips)
        content = std::max({content, fm.horizontalAdvance(s.number->text()) + 4, s.fader->sizeHint().width()});
    const int needed = content + 2 * stripMargin;
    // Keep the design's proportion of strip to gap.
    return std::max(px(stripStep), (needed * stripStep + stripWidth - 1) / stripWidth);
}

void Submaster::placeStrips() {
    const int pitch = stripPitch();
    const int width = pitch * stripWidth / stripStep;
    int height = 300, right = 0;
    // Tall enough for every strip's column at this width (names wrap).
    for (const auto& [n, s] : strips) {
        QLayout* column = s.background->layout();
        column->invalidate(); // the captions may have just taken a new font
        height = std::max({height, column->minimumSize().height(),
                           column->hasHeightForWidth() ? column->totalHeightForWidth(width) : 0});
    }
    for (const auto& [n, d] : engine.playbackFaders) {
        const auto found = strips.find(n);
        if (found == strips.end()) continue;
        const int left = int(int64_t(d.left) * pitch / stripStep);
        found->second.background->setGeometry(left, 0, width, height);
        right = std::max(right, left + pitch);
    }
    area->resize(std::max(right, 100), height);
}

void Submaster::mastersChanged() {
    mirroring = true;
    for (const auto& [n, d] : engine.playbackFaders) {
        if (!strips.count(n)) makeStrip(n, d);
        Strip& s = strips[n];
        s.fader->setValue(d.fader);
        s.percent->setText(QString::number(d.fader) + QStringLiteral(" %"));
        // The strip is lit through its palette: a style sheet would keep its
        // captions from following the window's font.
        const int32_t fill = n == engine.activePlayback ? 0x40C0 : 0x808080;
        QPalette colours = s.background->palette();
        colours.setColor(QPalette::Window, mastersUi::bgr(fill));
        s.background->setPalette(colours);
    }
    placeStrips();
    mirroring = false;
}

void Submaster::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::FontChange) placeStrips();
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
