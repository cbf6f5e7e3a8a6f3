#include "support/ui/frmMonitor.h"

#include "support/clsMonitors.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

frmMonitor::frmMonitor(clsMonitors& monitors, QWidget* ownerWindow)
    : QDialog(ownerWindow), cMonitorClass(monitors), owner(ownerWindow) {
    setObjectName(QStringLiteral("frmMonitor"));
    setWindowTitle(QStringLiteral("Caption"));
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setStyleSheet(QStringLiteral(
        "frmMonitor#frmMonitor { background-color: #404040; }"
        "QLabel#lblPrompt, QCheckBox#chkFullScreen { color: white; }"
        "QFrame#picDesktop { background-color: black; }"
        "QPushButton[monitorChosen=\"true\"] { background-color: #0000FF; color: white; }"));
    picDesktop = new QFrame(this);
    picDesktop->setObjectName(QStringLiteral("picDesktop"));
    lblPrompt = new QLabel(QStringLiteral("Prompt"), this);
    lblPrompt->setObjectName(QStringLiteral("lblPrompt"));
    lblPrompt->setWordWrap(true);
    chkFullScreen = new QCheckBox(QStringLiteral("Playback Fullscreen"), this);
    chkFullScreen->setObjectName(QStringLiteral("chkFullScreen"));
    const char* captions[2] = {"OK", "Cancel"};
    for (int i = 0; i < 2; ++i) {
        cmdAction[i] = new QPushButton(QString::fromLatin1(captions[i]), this);
        cmdAction[i]->setObjectName(QStringLiteral("cmdAction%1").arg(i));
        connect(cmdAction[i], &QPushButton::clicked, this, [this, i] { cmdAction_Click(i); });
    }
    connect(chkFullScreen, &QCheckBox::clicked, this, &frmMonitor::chkFullScreen_Click);

    auto* text = new QVBoxLayout;
    text->addWidget(lblPrompt);
    text->addWidget(chkFullScreen);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(text, 1);
    bottom->addWidget(cmdAction[0], 0, Qt::AlignTop);
    bottom->addWidget(cmdAction[1], 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(picDesktop, 0, Qt::AlignHCenter);
    layout->addLayout(bottom);
}

void frmMonitor::setDialogCaption(const QString& CaptionString) { setWindowTitle(CaptionString); }
void frmMonitor::setPrompt(const QString& PromptString) { lblPrompt->setText(PromptString); }
void frmMonitor::setFullScreenTarget(bool* target) { fullScreen = target; }

void frmMonitor::layoutDialog() {
    const clsMonitors& mons = cMonitorClass;
    const int32_t desktopHeight = mons.DesktopHeight(), desktopWidth = mons.DesktopWidth();
    const int32_t desktopLeft = mons.DesktopLeft(), desktopTop = mons.DesktopTop();
    // The picture is a quarter of the width of the monitor that holds the
    // dialog (its owner's).
    const QRect here = owner ? owner->frameGeometry() : frameGeometry();
    int32_t m = 0;
    const int32_t handle = mons.GetMonitorFromWindow(here, clsMonitors::defaultToPrimary);
    for (const clsMonitor& each : mons.Monitors)
        if (each.handle == handle) {
            m = each.Width;
            break;
        }
    if (m == 0) m = desktopWidth;
    const double pictureWidth = m * 0.25;
    const double factor = desktopWidth > desktopHeight ? 0.5 : 0.75;
    const double pictureHeight = (double(desktopWidth / twipsPerPixel) / pictureWidth) * desktopHeight * factor;
    picDesktop->setFixedSize(qRound(pictureWidth), qRound(pictureHeight));

    for (size_t i = 1; i < cmdMonitor.size(); ++i) delete cmdMonitor[i];
    cmdMonitor.resize(std::min<size_t>(cmdMonitor.size(), 1));
    // Each monitor's button covers its place in the picture.
    const double sx = desktopWidth > 0 ? pictureWidth / desktopWidth : 0;
    const double sy = desktopHeight > 0 ? pictureHeight / desktopHeight : 0;
    for (size_t i = 0; i < mons.Monitors.size(); ++i) {
        const clsMonitor& mon = mons.Monitors[i];
        if (i >= cmdMonitor.size()) {
            auto* b = new QPushButton(picDesktop);
            b->setObjectName(QStringLiteral("cmdMonitor%1").arg(i));
            const int index = int(i);
            connect(b, &QPushButton::clicked, this, [this, index] { cmdMonitor_Click(index); });
            cmdMonitor.push_back(b);
        }
        QPushButton* b = cmdMonitor[i];
        b->setGeometry(qRound((mon.left - desktopLeft) * sx), qRound((mon.tOp - desktopTop) * sy),
                       qRound(mon.Width * sx), qRound(mon.Height * sy));
        b->setText(QStringLiteral("Monitor ") + QString::number(i + 1));
        b->setVisible(true);
    }
    adjustSize();
    const QRect frame = frameGeometry();
    move(mons.CenterFormOnMonitor(frame.size(), owner ? std::optional<QRect>(owner->frameGeometry()) : std::nullopt));
}

int32_t frmMonitor::ShowDialog() {
    layoutDialog();
    exec();
    return result_;
}

void frmMonitor::cmdMonitor_Click(int index) {
    pendingChoice = index + 1;
    // The chosen monitor's button stands out from the others.
    for (size_t i = 0; i < cmdMonitor.size(); ++i) {
        cmdMonitor[i]->setProperty("monitorChosen", int(i) == index);
        cmdMonitor[i]->style()->unpolish(cmdMonitor[i]);
        cmdMonitor[i]->style()->polish(cmdMonitor[i]);
    }
    cmdAction[0]->setEnabled(true);
    cmdAction[0]->setFocus();
}

void frmMonitor::chkFullScreen_Click() {
    if (fullScreen) *fullScreen = chkFullScreen->isChecked();
}

void frmMonitor::cmdAction_Click(int index) {
    if (index == 0) {
        result_ = pendingChoice;
        if (fullScreen) *fullScreen = chkFullScreen->isChecked();
        accept();
    } else {
        // A full-screen choice already made with the box stays.
        result_ = 0;
        reject();
    }
}

namespace monitorChooser {

int32_t ShowMonitorDialog(clsMonitors& monitors, const QString& prompt, const QString& caption, QWidget* ownerForm,
                          bool* fullScreen) {
    frmMonitor dialog(monitors, ownerForm);
    dialog.setDialogCaption(caption);
    dialog.setPrompt(prompt);
    dialog.setFullScreenTarget(fullScreen);
    return dialog.ShowDialog();
}

} // namespace monitorChooser
