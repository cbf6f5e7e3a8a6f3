#include "support/ui/frmAutoUpdate.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

frmAutoUpdate::frmAutoUpdate(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmAutoUpdate"));
    setWindowTitle(QStringLiteral("Auto Update"));
    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setWordWrap(true);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblStatus);
    layout->addWidget(ProgressBar1);
    layout->addWidget(cmdCancel, 0, Qt::AlignRight);
    connect(cmdCancel, &QPushButton::clicked, this, [this] { checker.cmdCancel_Click(); });
    checker.view = this;
}

frmAutoUpdate::~frmAutoUpdate() { checker.view = nullptr; }

void frmAutoUpdate::showWindow() {
    show();
    raise();
}

void frmAutoUpdate::setStatus(const QString& text) { lblStatus->setText(text); }

// The bar counts kilobytes, so packages beyond 2 GB still fit its range.
void frmAutoUpdate::setProgress(int64_t maximum, int64_t value) {
    ProgressBar1->setMaximum(int(std::min<int64_t>(maximum / 1024, INT32_MAX)));
    ProgressBar1->setValue(int(std::min<int64_t>(value / 1024, INT32_MAX)));
}

void frmAutoUpdate::closeWindow() { hide(); }
