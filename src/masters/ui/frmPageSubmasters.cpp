#include "masters/ui/frmPageSubmasters.h"

#include "masters/ui/mastersWidgets.h"
#include "shell/services/shortcutsService.h"
#include "shell/shell.h"
#include "shell/ui/windowFunctions.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <cmath>

using mastersUi::px;

namespace {
QRect toPixels(const stripLayout::Rect& r) { return QRect(px(r.left), px(r.top), px(r.width), px(r.height)); }
} // namespace

frmPageSubmasters::frmPageSubmasters() : engine(mastersEngine()) {
    setObjectName(QStringLiteral("frmPageSubmasters"));
    setWindowTitle(QStringLiteral("Group Submaster"));
    setWindowFlag(Qt::Tool);
    setStyleSheet(QStringLiteral("frmPageSubmasters#frmPageSubmasters { background-color: #404040; }"));
    sldrGrandMaster = new QSlider(Qt::Vertical, this);
    sldrGrandMaster->setObjectName(QStringLiteral("sldrGrandMaster"));
    sldrGrandMaster->setRange(0, 100);
    sldrGrandMaster->setValue(engine.grandMaster());
    sldrGrandMaster->setToolTip(QStringLiteral("Grand Master"));
    sldrGrandMaster->setGeometry(px(120), px(660), px(945), px(2700));
    connect(sldrGrandMaster, &QSlider::valueChanged, this, [this](int v) {
        if (!mirroring) engine.setGrandMaster(v);
    });
    connect(sldrGrandMaster, &QSlider::sliderPressed, this,
            [this] { engine.submasters.learnKey = QStringLiteral("GrandMMAASSTTEERR,0"); });
    cmdBlackOut = new QPushButton(this);
    cmdBlackOut->setObjectName(QStringLiteral("cmdBlackOut"));
    cmdBlackOut->setToolTip(QStringLiteral("Blackout"));
    cmdBlackOut->setGeometry(px(120), px(60), px(915), px(540));
    connect(cmdBlackOut, &QPushButton::clicked, this, [this] {
        engine.submasters.learnKey = QStringLiteral("BlackOOUUTT,0");
        engine.submastersBlackOut_Click();
    });
    for (int k = 1; k <= stripLayout::maxStrips; ++k) makeStrip(k);
    // Only the grand master and the blackout button are recorded: the strips
    // are laid out from the window's height by their own rule.
    resize(int(QGuiApplication::primaryScreen()->geometry().width() * 0.995),
           int(QGuiApplication::primaryScreen()->geometry().height() * 0.21));
    resizer.GetLocation(sizedControls(), width() * 15, height() * 15);
    miscGlobalFunctions::windowPlacement(this, QStringLiteral("GET"));
    engine.attach(this);
    mastersChanged();
}

frmPageSubmasters::~frmPageSubmasters() {
    engine.detach(this);
    miscGlobalFunctions::windowPlacement(this, QStringLiteral("SET"));
}

std::vector<SizedControl> frmPageSubmasters::sizedControls() const {
    std::vector<SizedControl> out;
    int tab = 0;
    for (QWidget* w : {static_cast<QWidget*>(sldrGrandMaster), static_cast<QWidget*>(cmdBlackOut)}) {
        const QRect g = w->geometry();
        out.push_back({tab++, w->objectName(), QStringLiteral("Size"), SizedControl::Other, g.x() * 15, g.y() * 15,
                       g.width() * 15, g.height() * 15, 0});
    }
    return out;
}

void frmPageSubmasters::makeStrip(int k) {
    Strip& s = strips[size_t(k)];
    const QString n = QString::number(k);
    s.fader = new QSlider(Qt::Vertical, this);
    s.fader->setObjectName(QStringLiteral("sldrGroupSubMaster") + n);
    s.fader->setRange(0, 100);
    s.go = new QPushButton(QStringLiteral("GO"), this);
    s.go->setObjectName(QStringLiteral("cmdGo") + n);
    s.go->setToolTip(QStringLiteral("Go button"));
    s.previous = new QPushButton(QStringLiteral("<"), this);
    s.previous->setObjectName(QStringLiteral("CmdPreviousSequence") + n);
    s.previous->setToolTip(QStringLiteral("Previous Button in group"));
    s.next = new QPushButton(QStringLiteral(">"), this);
    s.next->setObjectName(QStringLiteral("cmdNextSequence") + n);
    s.next->setToolTip(QStringLiteral("Next Button in group"));
    s.name = new GroupCaption(this);
    s.name->setToolTip(QStringLiteral("Click here to Change crossfade Time"));
    s.name->index = k;
    s.name->clicked = [this](int i) { enterCrossFadeTime(i); };
    s.sequence = new QLineEdit(this);
    s.sequence->setObjectName(QStringLiteral("txtSequence") + n);
    s.sequence->setReadOnly(true);
    s.sequence->setToolTip(QStringLiteral("Next Sequence Name"));
    s.crossFader = new QSlider(Qt::Vertical, this);
    s.crossFader->setObjectName(QStringLiteral("crossFader") + n);
    s.crossFader->setRange(0, 100);
    s.crossFader->setToolTip(QStringLiteral("Manual Crossfader"));
    s.current = new QLabel(this);
    s.current->setObjectName(QStringLiteral("txtCurrentSequence") + n);
    s.current->setStyleSheet(QStringLiteral("QLabel#txtCurrentSequence%1 { background-color: black; color: white; }").arg(k));
    s.current->setToolTip(QStringLiteral("Current Sequence Name, Also Used as a Bump Button"));
    s.current->installEventFilter(this);

    connect(s.fader, &QSlider::valueChanged, this, [this, k](int v) {
        if (!mirroring) engine.setGroupSubmaster(k, v);
    });
    connect(s.fader, &QSlider::sliderPressed, this,
            [this, k] { engine.submasters.learnKey = QStringLiteral("Sub,") + QString::number(k); });
    connect(s.go, &QPushButton::pressed, this, [this, k] {
        engine.submasters.cmdGo_MouseDown(k);
        engine.changed();
    });
    connect(s.next, &QPushButton::pressed, this, [this, k] { engine.stepStrip(k, true); });
    connect(s.previous, &QPushButton::pressed, this, [this, k] { engine.stepStrip(k, false); });
    connect(s.crossFader, &QSlider::sliderPressed, this, [this, k] {
        engine.submasters.crossFader_MouseDown(k);
    });
    connect(s.crossFader, &QSlider::valueChanged, this, [this, k](int v) {
        if (!mirroring) engine.submasters.crossFader_Scroll(k, v);
    });
    connect(s.crossFader, &QSlider::sliderReleased, this, [this, k] {
        engine.submasters.crossFader_MouseUp(k);
        engine.changed();
    });
}

bool frmPageSubmasters::eventFilter(QObject* o, QEvent* e) {
    for (int k = 1; k <= stripLayout::maxStrips; ++k) {
        if (o != strips[size_t(k)].current) continue;
        if (e->type() == QEvent::MouseButtonPress) engine.bumpStrip(k, true);
        else if (e->type() == QEvent::MouseButtonRelease) engine.bumpStrip(k, false);
    }
    return QWidget::eventFilter(o, e);
}

// The "Enter Time" keypad beside the window; its Enter writes the strip's crossfade time.
void frmPageSubmasters::enterCrossFadeTime(int k) {
    const QRect frame = frameGeometry();
    shell().shortcuts().showTimeKeypadAt(QStringLiteral("crossFade"), k, frame.right() + 1, frame.top());
}

void frmPageSubmasters::resizeEvent(QResizeEvent*) {
    std::vector<SizedControl> c = sizedControls();
    resizer.ResizeControls(c, width() * 15, height() * 15);
    sldrGrandMaster->setGeometry(px(c[0].left), px(c[0].top), px(c[0].width), px(c[0].height));
    cmdBlackOut->setGeometry(px(c[1].left), px(c[1].top), px(c[1].width), px(c[1].height));
    engine.submasters.setWindowHeight(height() * 15);
    placeStrips();
}

void frmPageSubmasters::placeStrips() {
    for (int k = 1; k <= stripLayout::maxStrips; ++k) {
        const stripLayout::StripGeometry& g = engine.submasters.geometry[size_t(k)];
        Strip& s = strips[size_t(k)];
        s.fader->setGeometry(toPixels(g.fader));
        s.go->setGeometry(toPixels(g.go));
        s.previous->setGeometry(toPixels(g.previous));
        s.next->setGeometry(toPixels(g.next));
        s.name->setGeometry(toPixels(g.groupName));
        s.sequence->setGeometry(toPixels(g.sequence));
        s.crossFader->setGeometry(toPixels(g.crossFader));
        s.current->setGeometry(toPixels(g.current));
    }
}

void frmPageSubmasters::mastersChanged() {
    mirroring = true;
    sldrGrandMaster->setValue(engine.grandMaster());
    sldrGrandMaster->setStyleSheet(QStringLiteral("QSlider#sldrGrandMaster { background-color: %1; }")
                                       .arg(mastersUi::bgr(MastersEngine::faderGrey(engine.grandMaster())).name()));
    mastersUi::paintFace(cmdBlackOut, engine.submastersBlackoutFace);
    cmdBlackOut->setText(engine.submastersBlackoutCaption);
    placeStrips();
    for (int k = 1; k <= stripLayout::maxStrips; ++k) {
        const SubmasterStrip& d = engine.submasters.strip(k);
        Strip& s = strips[size_t(k)];
        for (QWidget* w : {static_cast<QWidget*>(s.fader), static_cast<QWidget*>(s.go),
                           static_cast<QWidget*>(s.previous), static_cast<QWidget*>(s.next),
                           static_cast<QWidget*>(s.name), static_cast<QWidget*>(s.sequence),
                           static_cast<QWidget*>(s.crossFader), static_cast<QWidget*>(s.current)})
            w->setVisible(d.visible);
        s.fader->setValue(d.groupFader);
        s.crossFader->setValue(d.crossFader);
        s.sequence->setText(d.next);
        s.sequence->setStyleSheet(
            QStringLiteral("QLineEdit#txtSequence%1 { background-color: %2; }").arg(k).arg(mastersUi::bgr(d.colour).name()));
        s.current->setText(d.current);
        for (QPushButton* b : {s.go, s.previous, s.next}) mastersUi::paintFace(b, d.colour);
        s.name->set(d.groupName, d.secondCaption, d.colour);
    }
    mirroring = false;
}

void frmPageSubmasters::open() {
    show();
    raise();
}
