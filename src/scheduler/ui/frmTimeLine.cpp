#include "scheduler/ui/frmTimeLine.h"

#include "platform/prompts.h"
#include "scheduler/scheduleFile.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/numberText.h"
#include "shell/shell.h"

#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>
#include <cmath>

namespace {
constexpr int twipsPerPixel = 15;
constexpr int boxTwips = 2000; // 20 seconds
} // namespace

frmTimeLine::frmTimeLine() {
    setObjectName(QStringLiteral("frmTimeLine"));
    setWindowTitle(QStringLiteral("Brumal Timeline Show Tool"));
    setWindowFlag(Qt::Tool);
    Frame1 = new QWidget;
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setStyleSheet(QStringLiteral("QWidget#Frame1 { background-color: #808080; }"));
    Frame1->setAttribute(Qt::WA_StyledBackground);
    Frame1->setMinimumSize(12345 / twipsPerPixel, 750 / twipsPerPixel);
    auto* second = new QLabel(QStringLiteral("1"), Frame1);
    second->setObjectName(QStringLiteral("lblSecong"));
    second->move(90 / twipsPerPixel, 45 / twipsPerPixel);
    scroll = new QScrollArea(this);
    scroll->setWidget(Frame1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll);
    resize(840, 160);
    loadschedule(QString());
}

double frmTimeLine::startHundredths(const QString& start) {
    auto field = [&](int i) { return numberText::leadingValue(miscGlobalFunctions::nextToken(start, i, QStringLiteral(":"))); };
    double t = std::nearbyint(field(1) * 360000);
    t = std::nearbyint(field(2) * 6000 + t);
    t = std::nearbyint(field(3) * 100 + t);
    return std::nearbyint(t + field(4));
}

void frmTimeLine::loadschedule(const QString& whichone) {
    QString path = whichone;
    if (path.isEmpty())
        path = shell().prompts().openFileName(
            {QStringLiteral("Open Schedule File"), shell().programFolder(), QString(), QStringLiteral("Schedules (*.YSC)")});
    shell().state.currentFileName = path;
    shell().state.sequenceChanged = false;
    if (path.isEmpty()) return;
    QString why;
    const auto rows = scheduleFile::read(path, &why);
    if (!rows) {
        shell().prompts().messageBox(QStringLiteral("The schedule %1 cannot be loaded: %2").arg(path, why));
        return;
    }
    int right = Frame1->minimumWidth();
    for (const scheduleFile::Row& row : *rows) {
        const double t = startHundredths(row[4]);
        auto* box = new QLabel(row[1].trimmed(), Frame1);
        box->setObjectName(QStringLiteral("cmdTrack%1").arg(cmdTrack.size() + 1));
        box->setToolTip(row[1].trimmed());
        box->setStyleSheet(QStringLiteral("QLabel#%1 { background-color: black; color: white; font-size: 8pt; }")
                               .arg(box->objectName()));
        const int left = int(std::min(t, 1e8) / twipsPerPixel);
        box->setGeometry(left, 45 / twipsPerPixel, boxTwips / twipsPerPixel, 645 / twipsPerPixel);
        box->show();
        cmdTrack.push_back(box);
        right = std::max(right, left + boxTwips / twipsPerPixel);
    }
    Frame1->resize(right + 10, Frame1->minimumHeight());
}
