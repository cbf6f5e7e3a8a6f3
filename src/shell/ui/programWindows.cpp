#include "shell/ui/programWindows.h"
#include "shell/ui/windowFunctions.h"

#include "shell/shell.h"
#include "shell/ui/windowRegistry.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace programIdentity {
QString title() { return QStringLiteral("VarnelDMX"); }
QString legalNotice() { return QStringLiteral("Copyright (C) the VarnelDMX developers. All rights reserved."); }
QString versionText() {
    return QStringLiteral("Version %1.%2.%3").arg(major).arg(minor).arg(revision);
}
} // namespace programIdentity

namespace {
QLabel* addLabel(QVBoxLayout* layout, const QString& name, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    label->setWordWrap(true);
    layout->addWidget(label);
    return label;
}
} // namespace

frmSplash::frmSplash(QWidget* parent) : QDialog(parent, Qt::SplashScreen | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("frmSplash"));
    auto* layout = new QVBoxLayout(this);
    auto* title = addLabel(layout, QStringLiteral("lblTitle"), programIdentity::title());
    title->setStyleSheet(QStringLiteral("QLabel#lblTitle { font-size: 20pt; font-weight: bold; }"));
    loadlable = addLabel(layout, QStringLiteral("loadlable"), QString());
    addLabel(layout, QStringLiteral("lblCopyright"), programIdentity::legalNotice());
    lblVersion = addLabel(layout, QStringLiteral("lblVersion"), programIdentity::versionText());
    setModal(false);
    show();
}

void frmSplash::setStage(const QString& text) {
    loadlable->setText(text);
    loadlable->repaint();
}

void frmSplash::keyPressEvent(QKeyEvent* event) {
    event->accept();
    // Unloading destroys this window: leave the event first.
    QTimer::singleShot(0, qApp, [] {
        if (hasShell()) unloadForm<frmSplash>();
    });
}

About::About(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("About ") + programIdentity::title());
    auto* layout = new QVBoxLayout(this);
    lblTitle = addLabel(layout, QStringLiteral("lblTitle"), programIdentity::title());
    lblVersion = addLabel(layout, QStringLiteral("lblVersion"), programIdentity::versionText());
    addLabel(layout, QStringLiteral("lblDisclaimer"), programIdentity::legalNotice());
    lblCredits = addLabel(layout, QStringLiteral("lblCredits"), QString());
    cmdOK = new QPushButton(QStringLiteral("OK"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    layout->addWidget(cmdOK);
    connect(cmdOK, &QPushButton::clicked, this, [] { QTimer::singleShot(0, qApp, [] { unloadForm<About>(); }); });
}

Progress::Progress(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Progress"));
    auto* layout = new QVBoxLayout(this);
    ProgressBar1 = new QProgressBar;
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    layout->addWidget(ProgressBar1);
    Label1 = addLabel(layout, QStringLiteral("Label1"), QString());
    if (const QWidget* frame = miscGlobalFunctions::topLevelWindow(QStringLiteral("frmPlayBackManager")))
        setWindowIcon(frame->windowIcon());
}

frmWorkingDialog::frmWorkingDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmWorkingDialog"));
    auto* layout = new QVBoxLayout(this);
    Label1 = addLabel(layout, QStringLiteral("Label1"), QStringLiteral("Working....... Please Wait."));
}

void frmWorkingDialog::setCaption(const QString& theCaption) {
    Label1->setText(theCaption);
    repaint();
}
