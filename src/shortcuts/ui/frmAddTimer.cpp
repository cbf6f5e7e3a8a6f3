#include "shortcuts/ui/frmAddTimer.h"

#include "platform/prompts.h"
#include "shell/shell.h"
#include "shell/ui/windowRegistry.h"
#include "shortcuts/shortcutPages.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimeEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QGroupBox* daysBox(QWidget* parent, std::array<QCheckBox*, 8>& boxes, const char* name) {
    auto* frame = new QGroupBox(QStringLiteral("Days"), parent);
    auto* column = new QVBoxLayout(frame);
    for (int i = 0; i < 8; ++i) {
        boxes[size_t(i)] = new QCheckBox(buttonTimers::dayNames()[i], frame);
        boxes[size_t(i)]->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(name)).arg(i));
        column->addWidget(boxes[size_t(i)]);
    }
    return frame;
}

QTimeEdit* picker(QWidget* parent, const char* name, const QTime& time) {
    auto* p = new QTimeEdit(time, parent);
    p->setObjectName(QLatin1String(name));
    // The 12-hour form of the file, whatever the locale.
    p->setLocale(QLocale::c());
    p->setDisplayFormat(QStringLiteral("hh:mm AP"));
    return p;
}

} // namespace

frmAddTimer::frmAddTimer(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmAddTimer"));
    setWindowTitle(QStringLiteral("Add Timer"));
    auto* layout = new QVBoxLayout(this);
    auto* sides = new QHBoxLayout;
    const buttonTimers::Settings fresh;
    auto* on = new QVBoxLayout;
    on->addWidget(daysBox(this, chkDailyOn, "chkDailyOn"));
    auto* lblOnAt = new QLabel(QStringLiteral("Turn On At:"), this);
    lblOnAt->setObjectName(QStringLiteral("lblOnAt"));
    on->addWidget(lblOnAt);
    DTPickerON = picker(this, "DTPickerON", fresh.onTime);
    on->addWidget(DTPickerON);
    auto* off = new QVBoxLayout;
    off->addWidget(daysBox(this, chkDailyOff, "chkDailyOff"));
    auto* lblOffAT = new QLabel(QStringLiteral("Turn OFF At:"), this);
    lblOffAT->setObjectName(QStringLiteral("lblOffAT"));
    off->addWidget(lblOffAT);
    DTPickeroff = picker(this, "DTPickeroff", fresh.offTime);
    off->addWidget(DTPickeroff);
    sides->addLayout(on);
    sides->addLayout(off);
    layout->addLayout(sides);
    cmdAddTimer = new QPushButton(QStringLiteral("Done / SaveTimer Settings"), this);
    cmdAddTimer->setObjectName(QStringLiteral("cmdAddTimer"));
    layout->addWidget(cmdAddTimer);
    connect(cmdAddTimer, &QPushButton::clicked, this, [this] { cmdAddTimer_Click(); });
}

void frmAddTimer::update(const QString& thePage, const QString& theButton) {
    // A dialog still holding another button's settings writes them back first.
    if (loaded) saveTimerSettings();
    page = thePage;
    button = theButton;
    setWindowTitle(QStringLiteral(" Add timer to: ") + button);
    buttonTimers::Settings s;
    if (const std::optional<buttonTimers::Settings> stored = buttonTimers::take(page, button)) s = *stored;
    else
        shell().prompts().messageBox(QStringLiteral("Error loading timer settings, deleting settings to fix error. "
                                                    "Please try editing settings again"));
    for (int i = 0; i < 8; ++i) {
        chkDailyOn[size_t(i)]->setChecked(s.onDays[size_t(i)]);
        chkDailyOff[size_t(i)]->setChecked(s.offDays[size_t(i)]);
    }
    DTPickerON->setTime(s.onTime);
    DTPickeroff->setTime(s.offTime);
    loaded = true;
}

frmAddTimer::~frmAddTimer() {
    if (loaded && hasShell()) buttonTimers::save(page, button, shown());
}

buttonTimers::Settings frmAddTimer::shown() const {
    buttonTimers::Settings s;
    for (int i = 0; i < 8; ++i) {
        s.onDays[size_t(i)] = chkDailyOn[size_t(i)]->isChecked();
        s.offDays[size_t(i)] = chkDailyOff[size_t(i)]->isChecked();
    }
    s.onTime = DTPickerON->time();
    s.offTime = DTPickeroff->time();
    return s;
}

void frmAddTimer::saveTimerSettings() {
    if (!loaded) return;
    loaded = false;
    buttonTimers::save(page, button, shown());
    shell().engine<ShortcutPages>().refreshCurrentPage();
}

void frmAddTimer::cmdAddTimer_Click() { close(); }

// Done and the close box both write the settings back; the dialog is
// unloaded once the close has been handled.
void frmAddTimer::closeEvent(QCloseEvent* event) {
    saveTimerSettings();
    event->accept();
    QTimer::singleShot(0, this, [this] {
        if (!isVisible()) unloadForm<frmAddTimer>();
    });
}
