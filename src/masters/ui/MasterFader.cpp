#include "masters/ui/MasterFader.h"

#include "platform/prompts.h"
#include "shell/shell.h"
#include "shell/ui/windowFunctions.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

MasterFader::MasterFader() : engine(mastersEngine()) {
    setObjectName(QStringLiteral("MasterFader"));
    setWindowTitle(QStringLiteral("Grand Master"));
    auto* grid = new QGridLayout(this);
    sldrDimmer = new QSlider(Qt::Vertical, this);
    sldrDimmer->setObjectName(QStringLiteral("sldrDimmer"));
    sldrDimmer->setRange(0, 100);
    sldrDimmer->setMinimumHeight(160);
    cmdFadeOut = new QPushButton(QStringLiteral("Fade Out"), this);
    cmdFadeOut->setObjectName(QStringLiteral("cmdFadeOut"));
    seconds = new QSpinBox(this);
    seconds->setRange(0, 59);
    hundredths = new QSpinBox(this);
    hundredths->setRange(0, 99);
    Combo1 = new QComboBox(this);
    Combo1->addItems({QStringLiteral("intensity"), QStringLiteral("dimmer"), QStringLiteral("shutter"),
                      QStringLiteral("color"), QStringLiteral("gobo"), QStringLiteral("focus")});
    chkUseGroups = new QCheckBox(QStringLiteral("   Selected Fixtures Only"), this);
    grid->addWidget(sldrDimmer, 0, 0, 5, 1);
    grid->addWidget(cmdFadeOut, 0, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("ss:ms"), this), 1, 1);
    auto* time = new QHBoxLayout;
    time->addWidget(seconds);
    time->addWidget(hundredths);
    grid->addLayout(time, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("channel function"), this), 2, 1);
    grid->addWidget(Combo1, 2, 2);
    grid->addWidget(chkUseGroups, 3, 1, 1, 2);

    MasterFadeOut& f = engine.fadeOut;
    f.load();
    Combo1->setCurrentText(f.channelFunction);
    miscGlobalFunctions::windowPlacement(this, QStringLiteral("GET"));
    connect(sldrDimmer, &QSlider::valueChanged, this, [this](int v) {
        if (!mirroring) engine.fadeOut.setFader(v);
    });
    connect(sldrDimmer, &QSlider::sliderPressed, this, [this] { engine.fadeOut.pressFader(); });
    connect(sldrDimmer, &QSlider::sliderReleased, this, [this] { engine.fadeOut.releaseFader(); });
    connect(cmdFadeOut, &QPushButton::clicked, this, [this] { engine.fadeOut.cmdFadeOut_Click(); });
    auto timeChanged = [this] {
        if (!mirroring) engine.fadeOut.setFadeTime(seconds->value(), hundredths->value());
    };
    connect(seconds, &QSpinBox::valueChanged, this, timeChanged);
    connect(hundredths, &QSpinBox::valueChanged, this, timeChanged);
    connect(Combo1, &QComboBox::currentTextChanged, this, [this](const QString& t) {
        if (!mirroring) engine.fadeOut.setChannelFunction(t);
    });
    engine.attach(this);
    mastersChanged();
}

MasterFader::~MasterFader() {
    engine.detach(this);
    if (engine.fadeOut.loaded) engine.fadeOut.unload();
}

void MasterFader::mastersChanged() {
    mirroring = true;
    const MasterFadeOut& f = engine.fadeOut;
    sldrDimmer->setValue(f.fader);
    cmdFadeOut->setText(f.caption);
    seconds->setValue(f.seconds);
    hundredths->setValue(f.hundredths);
    mirroring = false;
}

void MasterFader::changeEvent(QEvent* e) {
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) engine.fadeOut.activate();
    QWidget::changeEvent(e);
}

void MasterFader::closeEvent(QCloseEvent* e) {
    const int answer = shell().prompts().messageBox(
        QStringLiteral("Are you sure you want Close The Grand Master and Set all Dimmer channels to there previous State"),
        msgBox::YesNo, QString());
    if (answer != msgBox::Yes) {
        e->ignore();
        return;
    }
    if (!(x() * 15 == 45000 && y() * 15 == 45000)) miscGlobalFunctions::windowPlacement(this, QStringLiteral("SET"));
    engine.fadeOut.unload();
    e->accept();
}

void MasterFader::open() {
    if (!engine.fadeOut.loaded) engine.fadeOut.load();
    show();
    raise();
    engine.fadeOut.activate();
}
