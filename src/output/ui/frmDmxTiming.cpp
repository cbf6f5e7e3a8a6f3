#include "output/ui/frmDmxTiming.h"

#include "output/clsCorvellDongle.h"
#include "output/ui/unloadOnClose.h"
#include "platform/prompts.h"
#include "shell/numberText.h"
#include "shell/shell.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {
int32_t wholeNumber(const QLineEdit* box) {
    const double v = std::nearbyint(numberText::leadingValue(box->text()));
    return int32_t(std::clamp(v, -2147483648.0, 2147483647.0));
}
} // namespace

UpDownControl::UpDownControl(int start, int step_, int minimum_, int maximum_, QLineEdit* buddy_, QWidget* parent)
    : QWidget(parent), current(start), step(step_), minimum(minimum_), maximum(maximum_), buddy(buddy_) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* up = new QToolButton(this);
    auto* down = new QToolButton(this);
    up->setArrowType(Qt::UpArrow);
    down->setArrowType(Qt::DownArrow);
    up->setAutoRepeat(true);
    down->setAutoRepeat(true);
    layout->addWidget(up);
    layout->addWidget(down);
    connect(up, &QToolButton::clicked, this, &UpDownControl::stepUp);
    connect(down, &QToolButton::clicked, this, &UpDownControl::stepDown);
}

void UpDownControl::stepBy(int direction) {
    // Steps from what the box shows, so a value typed or loaded is the base.
    const QString text = buddy->text().trimmed();
    const int base = numberText::isNumber(text) ? int(std::clamp(text.toDouble(), double(minimum), double(maximum))) : current;
    const int next = std::clamp(base + direction * step, minimum, maximum);
    if (next == base && numberText::isNumber(text)) return;
    current = next;
    buddy->setText(QString::number(current));
    emit changed();
}

frmDmxTiming::frmDmxTiming(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("DMX512 Timing "));
    setWindowIcon(QApplication::windowIcon());
    auto* grid = new QGridLayout(this);

    struct Field {
        const char* label;
        QLineEdit** box;
        UpDownControl** ud;
        int start, step, minimum, maximum;
        int labelIndex;
    };
    const Field fields[] = {
        {"Start Code (0)", &txtStartCode, &udStartCode, 0, 255, 0, 255, 1},
        {"us. Break to Break Time (1204)", &txtBreakToBreak, &udBreaktoBreak, 1204, 2, 0, 8000, 0},
        {"us. Break Time (176)", &txtBreakTime, &udBreakTime, 0, 1, 0, 252, 2},
        {"us. Mark After Break (20)", &txtMarkAfterBreak, &udMarkAfterBreak, 20, 1, 0, 128, 3},
        {"us. InterByte Delay (20)", &txtInterByteDelay, &udInterByteDelay, 0, 1, 0, 40, 4},
    };
    int row = 0;
    for (const Field& f : fields) {
        *f.box = new QLineEdit(this);
        (*f.box)->setMaximumWidth(80);
        *f.ud = new UpDownControl(f.start, f.step, f.minimum, f.maximum, *f.box, this);
        auto* label = new QLabel(QString::fromLatin1(f.label), this);
        lblArray[size_t(f.labelIndex)] = label;
        grid->addWidget(*f.box, row, 0);
        grid->addWidget(*f.ud, row, 1);
        grid->addWidget(label, row, 2);
        ++row;
    }
    chkUseDefaults = new QCheckBox(QStringLiteral("Use DMX Standard Default Settings"), this);
    chkSetNewDefauts = new QCheckBox(QStringLiteral("Use Interbyte Delay Factory Settings"), this);
    chkSetNewDefauts->setToolTip(QStringLiteral(
        "This helps problems seen with lower cost dmx devices that do not conform to the DMX standard"));
    grid->addWidget(chkUseDefaults, row++, 0, 1, 3);
    grid->addWidget(chkSetNewDefauts, row++, 0, 1, 3);

    connect(udStartCode, &UpDownControl::changed, this, &frmDmxTiming::udStartCode_Change);
    connect(udBreaktoBreak, &UpDownControl::changed, this, &frmDmxTiming::udBreaktoBreak_Change);
    connect(udBreakTime, &UpDownControl::changed, this, &frmDmxTiming::udBreakTime_Change);
    connect(udMarkAfterBreak, &UpDownControl::changed, this, &frmDmxTiming::udMarkAfterBreak_Change);
    connect(udInterByteDelay, &UpDownControl::changed, this, &frmDmxTiming::udInterByteDelay_Change);
    // The standard-timing box acts on a mouse release only, not on a toggle
    // from the keyboard.
    chkUseDefaults->installEventFilter(this);
    connect(chkUseDefaults, &QCheckBox::clicked, this, [this] {
        if (!releasedByMouse) return;
        releasedByMouse = false;
        chkUseDefaults_MouseUp();
    });
    connect(chkSetNewDefauts, &QCheckBox::clicked, this, &frmDmxTiming::chkSetNewDefauts_Click);
}

frmDmxTiming::~frmDmxTiming() = default;

bool frmDmxTiming::eventFilter(QObject* watched, QEvent* event) {
    if (watched == chkUseDefaults) {
        if (event->type() == QEvent::MouseButtonRelease) releasedByMouse = true;
        else if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) releasedByMouse = false;
    }
    return QWidget::eventFilter(watched, event);
}

void frmDmxTiming::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    unloadAfterClose(this);
}

void frmDmxTiming::Form_Load() {
    setWindowIcon(QApplication::windowIcon());
    if (!myInterfaceCls) myInterfaceCls = std::make_shared<clsCorvellDongle>();
    clsCorvellDongle& d = *myInterfaceCls;
    // An interface handed over open stays as it is; opening its device again
    // would fail and disturb it.
    if (!d.isOpen()) d.openPort(myActivePort);
    // The interface is asked twice; the second answer is the one used.
    d.getMyConfigurationSettings();
    if (!d.getMyConfigurationSettings()) {
        // An interface that streams without pause (in DMX input) cannot
        // answer; the fields then show the times last read or set.
        shell().prompts().messageBox(
            QStringLiteral("The DMX interface did not answer the timing query; the times shown are the last known ones."),
            msgBox::OKOnly);
    }
    txtBreakTime->setText(QString::number(d.myBreakTime));
    txtBreakToBreak->setText(QString::number(d.myBreakToBreakTime));
    txtMarkAfterBreak->setText(QString::number(d.myMarkAfterBreak));
    txtStartCode->setText(QString::number(d.myStartCode));
    txtInterByteDelay->setText(QString::number(d.myInterByteDelay));
    if (d.doNotUseConfigData) {
        chkUseDefaults->setChecked(true);
        applyStandardTimingDefaults();
    } else {
        chkUseDefaults->setChecked(false);
    }
}

void frmDmxTiming::applyStandardTimingDefaults() {
    txtStartCode->setText(QStringLiteral("0"));
    txtBreakToBreak->setText(QStringLiteral("1204"));
    txtBreakTime->setText(QStringLiteral("176"));
    txtMarkAfterBreak->setText(QStringLiteral("20"));
    txtInterByteDelay->setText(QStringLiteral("0"));
    // The configured times stay in the interface for when the standard
    // timing is switched off again.
    myInterfaceCls->setMyConfigurationData();
}

void frmDmxTiming::applyFactoryInterByteDefaults() {
    txtStartCode->setText(QStringLiteral("0"));
    txtBreakToBreak->setText(QStringLiteral("1204"));
    txtBreakTime->setText(QStringLiteral("176"));
    txtMarkAfterBreak->setText(QStringLiteral("20"));
    txtInterByteDelay->setText(QStringLiteral("20"));
    clsCorvellDongle& d = *myInterfaceCls;
    d.myInterByteDelay = wholeNumber(txtInterByteDelay);
    d.myStartCode = wholeNumber(txtStartCode);
    d.myBreakToBreakTime = wholeNumber(txtBreakToBreak);
    d.myBreakTime = wholeNumber(txtBreakTime);
    d.myMarkAfterBreak = wholeNumber(txtMarkAfterBreak);
    d.doNotUseConfigData = false;
    d.setMyConfigurationData();
}

void frmDmxTiming::chkUseDefaults_MouseUp() {
    if (!myInterfaceCls) return;
    if (chkUseDefaults->isChecked()) {
        myInterfaceCls->doNotUseConfigData = true;
        chkSetNewDefauts->setChecked(false);
        applyStandardTimingDefaults();
        myInterfaceCls->setMyConfigurationData();
    } else {
        myInterfaceCls->doNotUseConfigData = false;
        myInterfaceCls->setMyConfigurationData();
    }
    Form_Load();
}

void frmDmxTiming::chkSetNewDefauts_Click() {
    if (!chkSetNewDefauts->isChecked() || !myInterfaceCls) return;
    chkUseDefaults->setChecked(false);
    applyFactoryInterByteDefaults();
}

void frmDmxTiming::leaveStandardDefaults() {
    if (!chkUseDefaults->isChecked()) return;
    chkUseDefaults->setChecked(false);
    chkUseDefaults_MouseUp();
}

void frmDmxTiming::valueChanged(QLineEdit* box, int32_t clsCorvellDongle::*property) {
    if (!myInterfaceCls) return;
    (*myInterfaceCls).*property = wholeNumber(box);
    myInterfaceCls->setMyConfigurationData();
    leaveStandardDefaults();
}

void frmDmxTiming::udStartCode_Change() { valueChanged(txtStartCode, &clsCorvellDongle::myStartCode); }
void frmDmxTiming::udBreaktoBreak_Change() { valueChanged(txtBreakToBreak, &clsCorvellDongle::myBreakToBreakTime); }
void frmDmxTiming::udBreakTime_Change() { valueChanged(txtBreakTime, &clsCorvellDongle::myBreakTime); }
void frmDmxTiming::udMarkAfterBreak_Change() { valueChanged(txtMarkAfterBreak, &clsCorvellDongle::myMarkAfterBreak); }
void frmDmxTiming::udInterByteDelay_Change() { valueChanged(txtInterByteDelay, &clsCorvellDongle::myInterByteDelay); }
