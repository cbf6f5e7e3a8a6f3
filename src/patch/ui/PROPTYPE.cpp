#include "patch/ui/PROPTYPE.h"

#include "patch/channelSettings.h"
#include "shell/shell.h"
#include "shell/ui/windowFunctions.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

PROPTYPE::PROPTYPE(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("PROPTYPE"));
    auto* form = new QFormLayout(this);
    fade = new QCheckBox(QStringLiteral("Fade Channel"), this);
    INVALL = new QCheckBox(QStringLiteral("Invert Channel Output"), this);
    chkIsFadeOutChannel = new QCheckBox(QStringLiteral("Fade Out Channel"), this);
    chkIsFadeOutChannel->setEnabled(false); // shown only
    sync = new QCheckBox(QStringLiteral("Sync"), this);
    synccombo = new QLineEdit(QStringLiteral("1"), this);
    syncList = new QListWidget(this);
    autoBox = new QCheckBox(QStringLiteral("DMX-Pilot"), this);
    apsteptext = new QLineEdit(QStringLiteral("1"), this);
    Text6 = new QLineEdit(QStringLiteral("0"), this);
    Text7 = new QLineEdit(QStringLiteral("255"), this);
    Text5 = new QLineEdit(QStringLiteral("0"), this);
    Text5->setReadOnly(true);
    cmdClose = new QPushButton(QStringLiteral("Close"), this);
    const QString enter = QStringLiteral("You must hit enter for changes to take effect.");
    for (QLineEdit* b : {Text6, Text7, apsteptext}) {
        b->setToolTip(enter);
        b->installEventFilter(this);
    }
    form->addRow(fade);
    form->addRow(INVALL);
    form->addRow(chkIsFadeOutChannel);
    form->addRow(sync, synccombo);
    form->addRow(new QLabel(QStringLiteral("This channel is Synced with"), this), syncList);
    form->addRow(autoBox);
    form->addRow(QStringLiteral("Scene Interval"), apsteptext);
    form->addRow(QStringLiteral("Limits"), Text6);
    form->addRow(QStringLiteral("To"), Text7);
    form->addRow(QStringLiteral("to channel"), Text5);
    form->addRow(cmdClose);
    // Stored on the operator's click only, not when the window shows a channel.
    connect(fade, &QCheckBox::clicked, this, [this](bool on) { channelSettings::setFade(myChannel, on); });
    connect(INVALL, &QCheckBox::clicked, this, [this](bool on) { channelSettings::setInvert(myChannel, on); });
    connect(sync, &QCheckBox::clicked, this, [this](bool on) {
        channelSettings::setSync(myChannel, on);
        updatePropWindow(myChannel);
    });
    connect(autoBox, &QCheckBox::clicked, this, [this](bool on) {
        channelSettings::setLimits(myChannel, Text6->text(), Text7->text());
        channelSettings::setDmxPilot(myChannel, on);
    });
    connect(synccombo, &QLineEdit::editingFinished, this,
            [this] { channelSettings::setSyncGroup(myChannel, synccombo->text()); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { close(); });
    shell().state.showChanged = true;
}

PROPTYPE::~PROPTYPE() = default;

void PROPTYPE::updatePropWindow(int32_t index) {
    myChannel = index;
    setWindowTitle(QString::number(index));
    const channelSettings::Settings s = channelSettings::read(index);
    sync->setChecked(s.sync);
    INVALL->setChecked(s.invert);
    fade->setChecked(s.fade);
    chkIsFadeOutChannel->setChecked(s.intensity);
    synccombo->setText(QString::number(s.syncGroup));
    apsteptext->setText(QString::number(s.pilotStep));
    Text5->setText(QString::number(index));
    if (s.low + s.high >= 0) {
        Text6->setText(QString::number(s.low));
        Text7->setText(QString::number(s.high));
    }
    syncList->clear();
    syncList->addItems(channelSettings::followers(index));
}

void PROPTYPE::limits_Enter(QLineEdit* box) {
    channelSettings::setLimits(myChannel, Text6->text(), Text7->text());
    (box == Text6 ? Text7 : apsteptext)->setFocus();
}

void PROPTYPE::apsteptext_Enter() { channelSettings::setPilotStep(myChannel, apsteptext->text()); }

bool PROPTYPE::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == Text6 || watched == Text7) {
                limits_Enter(static_cast<QLineEdit*>(watched));
                return true;
            }
            if (watched == apsteptext) {
                apsteptext_Enter();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void PROPTYPE::closeEvent(QCloseEvent* event) {
    miscGlobalFunctions::windowPlacement(this, QStringLiteral("SET"));
    event->accept();
}
