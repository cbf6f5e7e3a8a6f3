#include "audio/ui/BeatDetect.h"

#include "audio/audioEngine.h"
#include "platform/ui/keyCodes.h"
#include "shell/services/controlService.h"
#include "shell/shell.h"
#include "shell/ui/Formontop.h"
#include "shell/ui/windowFunctions.h"
#include "shell/ui/windowRegistry.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
AudioEngine& audioEngine() { return shell().engine<AudioEngine>(); }

// A button's face in a blue-green-red colour; -1 leaves the style's own.
void paint(QWidget* w, int32_t bgr) {
    if (bgr < 0) {
        w->setStyleSheet(QString());
        return;
    }
    const QColor c(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
    const QColor text = c.lightness() < 128 ? Qt::white : Qt::black;
    w->setStyleSheet(QStringLiteral("%1#%2 { background-color: %3; color: %4; }")
                         .arg(QLatin1String(w->metaObject()->className()), w->objectName(), c.name(), text.name()));
}

QSlider* slider(QWidget* parent, const char* name, Qt::Orientation o, int low, int high, int value) {
    auto* s = new QSlider(o, parent);
    s->setObjectName(QLatin1String(name));
    s->setRange(low, high);
    s->setValue(value);
    return s;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QString& tip = {}) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(tip);
    return b;
}

QLabel* label(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

// A checkable menu item calling the engine.
QAction* item(QMenu* menu, const QString& name, const QString& caption, std::function<void()> onClick) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    a->setCheckable(true);
    QObject::connect(a, &QAction::triggered, menu, [onClick] { onClick(); });
    return a;
}
} // namespace

BeatDetect::BeatDetect() : engine(audioEngine().beatDetect()) {
    setObjectName(QStringLiteral("BeatDetect"));
    setWindowTitle(QStringLiteral("Audio Trigger"));
    setWindowFlag(Qt::Tool);
    build();
    engine.attach(this);
    beatDetectChanged();
    if (engine.loadSucceeded()) placeAtLoad();
}

BeatDetect::~BeatDetect() {
    engine.detach(this);
    // The program's shutdown unloads every window: what the window holds is kept.
    if (engine.loaded()) {
        engine.Form_Unload();
        storePlacement();
    }
}

void BeatDetect::build() {
    StartButton = button(this, "StartButton", QStringLiteral("Start Audio In"));
    DevicesBox = new QToolButton(this);
    DevicesBox->setObjectName(QStringLiteral("DevicesBox"));
    DevicesBox->setPopupMode(QToolButton::InstantPopup);
    devicesMenu = new QMenu(DevicesBox);
    DevicesBox->setMenu(devicesMenu);
    cmdPreferences = button(this, "cmdPreferences", QStringLiteral("Settings"));
    cmdBPM = button(this, "cmdBPM", QStringLiteral("120 BPM"),
                    QStringLiteral("Press to the Beat, Keyboard Shortcut key is the End Button."));
    ButtonPlus1 = button(this, "ButtonPlus1", QStringLiteral("Stop Beat"));
    for (int i = 0; i < BeatDetector::skipButtons; ++i) {
        cmdSkip[size_t(i)] = button(this, "cmdSkip", BeatDetector::skipCaptions[i], QStringLiteral("Skip Beats"));
        cmdSkip[size_t(i)]->setObjectName(QStringLiteral("cmdSkip%1").arg(i));
        connect(cmdSkip[size_t(i)], &QPushButton::clicked, this, [this, i] { engine.cmdSkip_Click(i); });
    }
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->setToolTip(QStringLiteral("Skip Every Beat"));
    Combo1->installEventFilter(this);
    Slider1 = slider(this, "Slider1", Qt::Vertical, 0, 20000, 4500);
    Slider2 = slider(this, "Slider2", Qt::Vertical, 1, 110, 6);
    rangeSlider = slider(this, "rangeSlider", Qt::Vertical, 1, 15, 8);
    Sensitivity = slider(this, "Sensitivity", Qt::Horizontal, 1, 1000, 200);
    hsldrTempo = slider(this, "hsldrTempo", Qt::Horizontal, 20, 225, 120);
    volBar = new QProgressBar(this);
    volBar->setObjectName(QStringLiteral("volBar"));
    volBar->setRange(0, 20000);
    volBar->setTextVisible(false);
    txtClip = button(this, "txtClip", QString());
    txtClip->setFixedSize(16, 16);
    txtClip->setFocusPolicy(Qt::NoFocus);
    thresholdValue = label(this, "Label1_4", QString());
    bandStart = label(this, "Label1_5", QString());
    rangeLabel = label(this, "rangeLabel", QStringLiteral("-- 80 Hz"));
    rangeLabel->hide();

    clkMenu = new QMenu(QStringLiteral("menu"), this);
    clkMenu->setObjectName(QStringLiteral("clkMenu"));
    QMenu* response = clkMenu->addMenu(QStringLiteral("Response Time"));
    const QString responseCaptions[4] = {QStringLiteral("Low"), QStringLiteral("Medium"), QStringLiteral("High"),
                                         QStringLiteral("Xtreme")};
    for (int i = 0; i < 4; ++i)
        responseItems[size_t(i)] = item(response, BeatDetector::responseItems[i], responseCaptions[i],
                                        [this, i] { engine.responseClick(i); });
    QMenu* type = clkMenu->addMenu(QStringLiteral("Trigger Type"));
    const QString typeCaptions[3] = {QStringLiteral("Step Per Trigger"), QStringLiteral("BPM Adjust Per Trigger"),
                                     QStringLiteral("BPM Adjust with Averaging")};
    for (int i = 0; i < 3; ++i)
        triggerTypeItems[size_t(i)] = item(type, BeatDetector::triggerTypeItems[i], typeCaptions[i],
                                           [this, i] { engine.triggerTypeClick(i); });
    QMenu* threshold = clkMenu->addMenu(QStringLiteral("Threshold"));
    autoAdjust = item(threshold, QStringLiteral("autoAdjust"), QStringLiteral("Automatic adjust"),
                      [this] { engine.autoAdjust_Click(); });
    manualAdjust = item(threshold, QStringLiteral("manualAdjust"), QStringLiteral("Manual Adjust"),
                        [this] { engine.manualAdjust_Click(); });
    QMenu* style = clkMenu->addMenu(QStringLiteral("Music Style"));
    const QString styleCaptions[8] = {QStringLiteral("Universal"), QStringLiteral("Latin"), QStringLiteral("Rap"),
                                      QStringLiteral("House"),     QStringLiteral("Trance"), QStringLiteral("Brumal"),
                                      QStringLiteral("Country"),   QStringLiteral("Rock")};
    for (int i = 0; i < 8; ++i)
        styleItems[size_t(i)] =
            item(style, BeatDetector::styleItems[i], styleCaptions[i], [this, i] { engine.styleClick(i); });

    // Layout: the buttons on top, the band sliders and meter below, the tempo and sensitivity at the foot.
    auto* top = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(StartButton), static_cast<QWidget*>(DevicesBox),
                       static_cast<QWidget*>(cmdPreferences), static_cast<QWidget*>(cmdBPM),
                       static_cast<QWidget*>(ButtonPlus1)})
        top->addWidget(w);
    auto* skips = new QHBoxLayout;
    for (QPushButton* b : cmdSkip) skips->addWidget(b);
    skips->addWidget(Combo1);
    auto* band = new QGridLayout;
    band->addWidget(label(this, "Label3", QStringLiteral("Beat Detect")), 0, 0, 1, 2);
    band->addWidget(label(this, "Label1_0", QStringLiteral("Threshold")), 1, 0);
    band->addWidget(label(this, "Label1_3", QStringLiteral("Frequency")), 1, 1, 1, 2);
    band->addWidget(Slider1, 2, 0);
    band->addWidget(Slider2, 2, 1);
    band->addWidget(rangeSlider, 2, 2);
    band->addWidget(thresholdValue, 3, 0);
    band->addWidget(bandStart, 3, 1);
    band->addWidget(rangeLabel, 3, 2);
    auto* meter = new QHBoxLayout;
    meter->addWidget(volBar, 1);
    meter->addWidget(txtClip);
    band->addLayout(meter, 4, 0, 1, 3);
    auto* foot = new QGridLayout;
    foot->addWidget(label(this, "Label2", QStringLiteral("Volume Sensitiviy")), 0, 0);
    foot->addWidget(Sensitivity, 0, 1);
    foot->addWidget(label(this, "Label4", QStringLiteral("Tempo")), 1, 0);
    foot->addWidget(hsldrTempo, 1, 1);
    auto* all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addLayout(skips);
    all->addLayout(band, 1);
    all->addLayout(foot);

    connect(StartButton, &QPushButton::clicked, this, [this] { engine.StartButton_Click(); });
    connect(cmdPreferences, &QPushButton::clicked, this,
            [this] { clkMenu->popup(cmdPreferences->mapToGlobal(QPoint(0, cmdPreferences->height()))); });
    connect(cmdBPM, &QPushButton::pressed, this, [this] { engine.cmdBPM_MouseDown(); });
    connect(cmdBPM, &QPushButton::clicked, this, [this] { engine.cmdBPM_Click(); });
    connect(cmdBPM, &QPushButton::released, this, [this] { engine.cmdBPM_MouseUp(); });
    connect(ButtonPlus1, &QPushButton::clicked, this, [this] { engine.ButtonPlus1_Click(); });
    connect(Combo1, &QComboBox::activated, this, [this](int) {
        engine.setSkipText(Combo1->currentText());
        engine.Combo1_Click();
    });
    auto mirror = [this](QSlider* s, void (BeatDetector::*set)(int32_t)) {
        connect(s, &QSlider::valueChanged, this, [this, set](int v) {
            if (!mirroring) (engine.*set)(v);
        });
    };
    mirror(Slider1, &BeatDetector::setThreshold);
    mirror(Slider2, &BeatDetector::setBandStart);
    mirror(rangeSlider, &BeatDetector::setBandWidth);
    mirror(Sensitivity, &BeatDetector::setSensitivity);
    connect(hsldrTempo, &QSlider::valueChanged, this, [this](int v) {
        if (!mirroring) engine.hsldrTempo_Scroll(v);
    });
    for (QSlider* s : {Slider2, rangeSlider}) {
        connect(s, &QSlider::sliderPressed, this, [this] { engine.showRangeLabel(true); });
        connect(s, &QSlider::sliderReleased, this, [this] { engine.showRangeLabel(false); });
    }
}

void BeatDetect::beatDetectChanged() {
    mirroring = true;
    const BeatDetector& e = engine;
    if (devicesMenu->actions().size() != e.deviceItems.size()) {
        devicesMenu->clear();
        for (int i = 0; i < e.deviceItems.size(); ++i)
            connect(devicesMenu->addAction(e.deviceItems[i]), &QAction::triggered, this,
                    [this, i] { engine.DevicesBox_MenuClick(i); });
    }
    DevicesBox->setText(e.devicesCaption);
    DevicesBox->setEnabled(e.devicesEnabled);
    StartButton->setText(e.startCaption);
    paint(StartButton, e.startColour);
    for (int i = 0; i < BeatDetector::skipButtons; ++i) {
        cmdSkip[size_t(i)]->setEnabled(e.skipEnabled);
        paint(cmdSkip[size_t(i)], e.skipColours[size_t(i)]);
    }
    if (Combo1->count() != e.skipItems.size()) {
        Combo1->clear();
        Combo1->addItems(e.skipItems);
    }
    if (Combo1->currentText() != e.skipText) Combo1->setEditText(e.skipText);
    Slider1->setValue(e.threshold);
    Slider2->setValue(e.bandStart);
    rangeSlider->setValue(e.bandWidth);
    Sensitivity->setValue(e.sensitivity);
    hsldrTempo->setValue(e.tempoSlider);
    volBar->setValue(e.volBar);
    paint(txtClip, e.clipColour);
    cmdBPM->setText(e.bpmCaption);
    paint(cmdBPM, e.bpmColour);
    thresholdValue->setText(e.thresholdLabel);
    bandStart->setText(e.bandLabel);
    rangeLabel->setText(e.rangeLabel);
    rangeLabel->setVisible(e.rangeLabelVisible);
    for (size_t i = 0; i < 4; ++i) responseItems[i]->setChecked(e.responseChecked[i]);
    for (size_t i = 0; i < 3; ++i) triggerTypeItems[i]->setChecked(e.triggerTypeChecked[i]);
    autoAdjust->setChecked(e.autoAdjustChecked);
    manualAdjust->setChecked(e.manualAdjustChecked);
    for (size_t i = 0; i < 8; ++i) styleItems[i]->setChecked(e.styleChecked[i]);
    mirroring = false;
}

// A quarter of the screen wide (less 100 twips), a fifth high, centred.
void BeatDetect::placeAtLoad() {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const int widthTwips = screen.width() * 15 / 4 - 100;
    const int heightTwips = int(screen.height() * 15 * 0.21);
    resize(std::max(widthTwips / 15, minimumSizeHint().width()), std::max(heightTwips / 15, minimumSizeHint().height()));
    move(screen.x() + (screen.width() - width()) / 2, screen.y());
}

void BeatDetect::storePlacement() {
    if (!(x() * 15 == 45000 && y() * 15 == 45000)) miscGlobalFunctions::windowPlacement(this, QStringLiteral("SET"));
}

// Closing while listening only stops listening; a second close unloads the window.
void BeatDetect::closeEvent(QCloseEvent* event) {
    const bool unloads = engine.Form_Unload();
    storePlacement();
    if (!unloads) {
        event->ignore();
        return;
    }
    event->accept();
    QTimer::singleShot(0, this, [this] {
        if (!isVisible()) unloadForm<BeatDetect>(); // not when shown again meanwhile
    });
}

void BeatDetect::keyPressEvent(QKeyEvent* event) {
    shell().control().shortcutKeyDown(keyCodes::keyCode(*event), keyCodes::shiftState(*event));
}

void BeatDetect::keyReleaseEvent(QKeyEvent* event) {
    shell().control().shortcutKeyUp(keyCodes::keyCode(*event), keyCodes::shiftState(*event));
}

// A key typed into the skip box puts it back to "0" first; only choosing an item applies it.
bool BeatDetect::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Combo1 && event->type() == QEvent::KeyPress) engine.Combo1_KeyDown();
    return QWidget::eventFilter(watched, event);
}

namespace {
class AudioTriggerWindowUi final : public AudioTriggerWindow {
public:
    void show() override {
        BeatDetect& w = form<BeatDetect>();
        Formontop::setFormOnTop(&w, -1);
        w.show();
        w.raise();
    }
    bool visible() override {
        BeatDetect* w = loadedForm<BeatDetect>();
        return w && w->isVisible();
    }
    void showAt(int32_t leftTwips) override {
        BeatDetect& w = form<BeatDetect>();
        w.move(leftTwips / 15, w.y());
        show();
    }
    void hide() override {
        if (BeatDetect* w = loadedForm<BeatDetect>()) w->hide();
    }
};
} // namespace

void attachAudioTriggerWindow(Shell& s) {
    s.engine<AudioEngine>().attachWindow(std::make_unique<AudioTriggerWindowUi>());
}
