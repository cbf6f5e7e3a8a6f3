#include "scheduler/ui/Scheduler.h"

#include "platform/mediaPlayer.h"
#include "platform/prompts.h"
#include "platform/tickTimer.h"
#include "platform/ui/keyCodes.h"
#include "scheduler/eventEngine.h"
#include "scheduler/mediaWindowEngine.h"
#include "scheduler/schedulerSubsystem.h"
#include "scheduler/ui/frmMediaPlayer.h"
#include "scheduler/ui/frmTimeLine.h"
#include "shell/libParsePath.h"
#include "shell/services/controlService.h"
#include "shell/services/mainWindowService.h"
#include "shell/services/shortcutsService.h"
#include "shell/shell.h"
#include "shell/ui/Formontop.h"
#include "shell/ui/windowFunctions.h"
#include "shell/ui/windowRegistry.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDropEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTableWidget>
#include <QUrl>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <cmath>

using namespace scheduleText;

namespace {
QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QString& tip = {}) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setToolTip(tip);
    return b;
}
void paint(QWidget* w, int32_t bgr) {
    if (bgr < 0) return w->setStyleSheet(QString());
    const QColor c(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
    w->setStyleSheet(QStringLiteral("QPushButton#%1 { background-color: %2; color: %3; }")
                         .arg(w->objectName(), c.name(), c.lightness() < 128 ? QStringLiteral("white") : QStringLiteral("black")));
}
QString twoDigits(int v) { return QString::number(v).rightJustified(2, QLatin1Char('0')); }
} // namespace

Scheduler::Scheduler() : engine(scheduler::schedule()) {
    setObjectName(QStringLiteral("Scheduler"));
    setWindowTitle(QStringLiteral("Scheduler"));
    setWindowFlag(Qt::Tool);
    build();
    engine.recordTrigger = QStringLiteral("Relative Time");
    engine.timer().setEnabled(true);
    listMidiDevices();
    engine.attach(this);
    scheduleChanged();
}

Scheduler::~Scheduler() { engine.detach(this); }

void Scheduler::build() {
    ScheduleGrid = new QTableWidget(this);
    ScheduleGrid->setObjectName(QStringLiteral("ScheduleGrid"));
    ScheduleGrid->setColumnCount(7);
    ScheduleGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ScheduleGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    ScheduleGrid->horizontalHeader()->setStretchLastSection(true);
    ScheduleGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    ScheduleGrid->viewport()->setAcceptDrops(true);
    ScheduleGrid->viewport()->installEventFilter(this);
    Combo1 = new QComboBox(ScheduleGrid->viewport());
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    Combo1->hide();
    Combo1->installEventFilter(this);
    DTPicker1 = new QLineEdit(ScheduleGrid->viewport());
    DTPicker1->setObjectName(QStringLiteral("DTPicker1"));
    DTPicker1->setInputMask(QStringLiteral("99:99:99.99"));
    DTPicker1->setText(QStringLiteral("00:00:00.00"));
    DTPicker1->hide();
    DTPicker1->installEventFilter(this);

    startButton = button(this, "Command2_0", QStringLiteral("Start"), QStringLiteral("Start the schedule"));
    stopButton = button(this, "Command2_1", QStringLiteral("Stop"), QStringLiteral("Stop the schedule"));
    Pause_button = button(this, "Pause_button", QStringLiteral("Pause"), QStringLiteral("Pause or resume"));
    StepPrevious = button(this, "StepPrevious", QStringLiteral("<"), QStringLiteral("Step back"));
    StepFoward = button(this, "StepFoward", QStringLiteral(">"), QStringLiteral("Step forward"));
    cmdRealTimeRecord = button(this, "cmdRealTimeRecord", QStringLiteral("Record"), QStringLiteral("Record in real time"));
    cmdRealTimeRecord->setCheckable(true);
    cmdOpenTimeLine = button(this, "cmdOpenTimeLine", QStringLiteral("timelIne"));
    cmdFIle = button(this, "cmdFIle", QStringLiteral("Exit"));

    fileMenu = new QMenu(this);
    fileMenu->addAction(QStringLiteral("Open Schedule"), this, [this] { engine.loadschedule(QString()); });
    fileMenu->addAction(QStringLiteral("Save Schedule"), this, [this] { savescheduleclick_Click(); })
        ->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    fileMenu->addAction(QStringLiteral("Exit Scheduler"), this, [this] { close(); });
    midiDeviceMenu = fileMenu->addMenu(QStringLiteral("Midi TimeCode Enabled"));
    editMenu = new QMenu(this);
    editMenu->addAction(QStringLiteral("Insert Event"), this, [this] {
        Combo1->hide();
        DTPicker1->hide();
        engine.insertEvent(std::max(ScheduleGrid->currentRow() + 1, 1));
    });
    editMenu->addAction(QStringLiteral("Add Event"), this, [this] {
        Combo1->hide();
        DTPicker1->hide();
        engine.addEvent();
    });
    editMenu->addAction(QStringLiteral("Remove Event"), this, [this] {
        Combo1->hide();
        DTPicker1->hide();
        engine.removeEvent(ScheduleGrid->currentRow() + 1);
    });
    editMenu->addAction(QStringLiteral("Clear Scheduler"), this, [this] {
        Combo1->hide();
        DTPicker1->hide();
        engine.clearScheduler();
        listMidiDevices();
    });

    const QString captions[6] = {QStringLiteral("24:59:59.99"), QStringLiteral("Monday"), QStringLiteral("00:00:00:00"),
                                 QStringLiteral("No Events Active"), QStringLiteral("00:00"), QStringLiteral(".00")};
    for (int i = 0; i < 6; ++i) {
        clockLabels[i] = new QLabel(captions[i], this);
        clockLabels[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
    }
    relativeCaption = new QLabel(QStringLiteral("Relative Time:"), this);
    relativeCaption->setToolTip(QStringLiteral("Time From the start of 'play'"));
    lblTimeFormat = new QLabel(this);
    lblTimeFormat->setObjectName(QStringLiteral("lblTimeFormat"));
    lblTimeFormat->hide();

    auto* clocks = new QGridLayout;
    clocks->addWidget(new QLabel(QStringLiteral("System Time:"), this), 0, 0);
    clocks->addWidget(clockLabels[0], 0, 1);
    clocks->addWidget(new QLabel(QStringLiteral("System Day:"), this), 1, 0);
    clocks->addWidget(clockLabels[1], 1, 1);
    clocks->addWidget(relativeCaption, 2, 0);
    clocks->addWidget(clockLabels[2], 2, 1);
    clocks->addWidget(lblTimeFormat, 3, 1);
    clocks->addWidget(new QLabel(QStringLiteral("Media Time:"), this), 4, 0);
    auto* media = new QHBoxLayout;
    media->addWidget(clockLabels[4]);
    media->addWidget(clockLabels[5]);
    clocks->addLayout(media, 4, 1);
    clocks->addWidget(new QLabel(QStringLiteral("Status:"), this), 5, 0);
    clocks->addWidget(clockLabels[3], 5, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdFIle);
    auto* run = new QHBoxLayout;
    for (QPushButton* b : {startButton, stopButton, Pause_button}) run->addWidget(b);
    buttons->addLayout(run);
    auto* steps = new QHBoxLayout;
    for (QPushButton* b : {StepPrevious, StepFoward, cmdRealTimeRecord}) steps->addWidget(b);
    buttons->addLayout(steps);
    buttons->addWidget(cmdOpenTimeLine);
    buttons->addLayout(clocks);
    buttons->addStretch(1);
    auto* all = new QHBoxLayout(this);
    all->addWidget(ScheduleGrid, 1);
    all->addLayout(buttons);

    connect(ScheduleGrid, &QTableWidget::cellClicked, this, [this](int r, int c) { ScheduleGrid_Click(r + 1, c); });
    connect(ScheduleGrid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { editMenu->popup(ScheduleGrid->viewport()->mapToGlobal(at)); });
    connect(Combo1, &QComboBox::activated, this, [this](int i) { Combo1_Click(i); });
    connect(DTPicker1, &QLineEdit::textEdited, this, [this](const QString& t) { DTPicker1_Change(t); });
    connect(startButton, &QPushButton::clicked, this, [this] { engine.Command2_Click(0); });
    connect(stopButton, &QPushButton::clicked, this, [this] { engine.Command2_Click(1); });
    connect(Pause_button, &QPushButton::clicked, this, [this] { engine.pauseSchedule(); });
    connect(StepFoward, &QPushButton::clicked, this, [this] { engine.callTheTrigger(-1, 1); });
    connect(StepPrevious, &QPushButton::clicked, this, [this] { engine.callTheTrigger(-1, -1); });
    connect(cmdRealTimeRecord, &QPushButton::clicked, this, [this] { engine.cmdRealTimeRecord_Click(); });
    connect(cmdOpenTimeLine, &QPushButton::clicked, this, [] {
        frmTimeLine& w = form<frmTimeLine>();
        Formontop::setFormOnTop(&w, -1);
        w.show();
        w.raise();
    });
    connect(cmdFIle, &QPushButton::clicked, this, [this] { fileMenu->popup(QCursor::pos()); });
    resize(900, 400);
    miscGlobalFunctions::windowPlacement(this, QStringLiteral("GET"));
}

void Scheduler::scheduleChanged() {
    mirroring = true;
    const int events = engine.rows() - 1;
    ScheduleGrid->setRowCount(events);
    QStringList headers;
    for (int c = 0; c < 7; ++c) headers << engine.cell(0, c);
    ScheduleGrid->setHorizontalHeaderLabels(headers);
    for (int r = 1; r <= events; ++r)
        for (int c = 0; c < 7; ++c) {
            QTableWidgetItem* item = ScheduleGrid->item(r - 1, c);
            if (!item) ScheduleGrid->setItem(r - 1, c, item = new QTableWidgetItem);
            if (item->text() != engine.cell(r, c)) item->setText(engine.cell(r, c));
        }
    const QString labels[6] = {engine.systemClockLabel,   engine.weekdayLabel,      engine.relativeClockLabel,
                               engine.statusLabel,        engine.mediaClockLabel,   engine.mediaFractionLabel};
    for (int i = 0; i < 6; ++i)
        if (clockLabels[i]->text() != labels[i]) clockLabels[i]->setText(labels[i]);
    relativeCaption->setText(engine.relativeCaption);
    relativeCaption->setToolTip(engine.timeCodeChecked ? QStringLiteral("MIDI TIME CODE")
                                                       : QStringLiteral("Time From the start of 'play'"));
    lblTimeFormat->setText(engine.timeFormatLabel);
    lblTimeFormat->setVisible(!engine.timeFormatLabel.isEmpty());
    ScheduleGrid->setEnabled(!engine.timeCodeChecked);
    paint(startButton, engine.startColour);
    paint(stopButton, engine.stopColour);
    paint(Pause_button, engine.pauseColour);
    cmdRealTimeRecord->setChecked(engine.myRecordMode);
    if (engine.rowSel >= 1 && engine.rowSel <= events && ScheduleGrid->currentRow() != engine.rowSel - 1)
        ScheduleGrid->setCurrentCell(engine.rowSel - 1, 0);
    mirroring = false;
}

void Scheduler::scrollTo(int row) {
    if (row >= 1 && row < engine.rows()) ScheduleGrid->scrollToItem(ScheduleGrid->item(row - 1, 0), QAbstractItemView::PositionAtTop);
}

// ---- The cell editor ------------------------------------------------------------------------------

void Scheduler::ScheduleGrid_Click(int row, int column) {
    if (row < 1 || row >= engine.rows()) return;
    editRow = row;
    editColumn = column;
    engine.rowSel = row;
    if (engine.scheduleRunning) {
        engine.executeEvent(row);
    } else {
        const QRect cell = ScheduleGrid->visualRect(ScheduleGrid->model()->index(row - 1, column));
        Combo1->setGeometry(cell.left(), cell.top(), std::max(cell.width(), 120), Combo1->sizeHint().height());
        Combo1->setVisible(!Combo1->isVisible());
    }
    const QString type = engine.cell(row, eventType).trimmed();
    switch (column) {
    case eventType:
        DTPicker1->hide();
        fillList(row, column);
        engine.setCell(row, playback, QStringLiteral("1"));
        break;
    case eventToExecute:
        DTPicker1->hide();
        if (type == QStringLiteral("Load Schedule")) return chooseScheduleFile(row);
        if (type == QStringLiteral("Start Media File")) return chooseMediaFile(row);
        fillList(row, column);
        if (type == QStringLiteral("Sequence Button") || type == QStringLiteral("Multi Button")) {
            if (engine.cell(row, playback).trimmed().isEmpty())
                engine.setCell(row, playback, type == QStringLiteral("Multi Button") ? QStringLiteral("N/A") : QStringLiteral("1"));
            if (engine.cell(row, trigger).trimmed().isEmpty()) defaultTrigger(row);
        }
        break;
    case trigger:
    case day:
        DTPicker1->hide();
        fillList(row, column);
        break;
    case start: {
        Combo1->hide();
        const QRect cell = ScheduleGrid->visualRect(ScheduleGrid->model()->index(row - 1, column));
        DTPicker1->setGeometry(cell.left(), cell.top(), std::max(cell.width(), 100), DTPicker1->sizeHint().height());
        const QString text = engine.cell(row, start).trimmed();
        if (!text.isEmpty()) DTPicker1->setText(text);
        DTPicker1->show();
        DTPicker1->setFocus();
        break;
    }
    case length:
        Combo1->hide();
        DTPicker1->hide();
        break;
    case playback:
        DTPicker1->hide();
        Combo1->show();
        fillList(row, column);
        break;
    default: break;
    }
}

void Scheduler::fillList(int row, int column) {
    Combo1->clear();
    const QString type = engine.cell(row, eventType).trimmed();
    QStringList items;
    QString text;
    auto pageButtons = [](const QString& pattern) {
        QStringList out;
        const QString prefix = shell().state.showName + QLatin1Char('\\') + shell().shortcuts().currentPage() + QLatin1Char('\\');
        for (const QString& name : shell().shortcuts().pageFiles(pattern))
            if (!name.trimmed().isEmpty()) out << prefix + name;
        return out;
    };
    switch (column) {
    case eventType: items = QStringList{QString()} + eventTypes; break;
    case eventToExecute:
        if (type == QStringLiteral("Sequence Button")) items = QStringList{QString()} + pageButtons(QStringLiteral("*.YSQ"));
        else if (type == QStringLiteral("Multi Button")) items = QStringList{QString()} + pageButtons(QStringLiteral("*.mul"));
        else if (type == QStringLiteral("Set Volume Level")) {
            for (int i = 1; i <= 100; ++i) items << QString::number(i);
            text = QStringLiteral("1");
        } else items = QStringList{QStringLiteral("Not Applicable")};
        break;
    case trigger: items = QStringList{QString()} + triggers + QStringList{QStringLiteral("Loop")}; break;
    case day:
        items << QString();
        for (int d = 1; d <= 7; ++d) items << weekdayName(d);
        break;
    case playback:
        items << QString() << QStringLiteral("All Playbacks");
        for (int i = 1; i <= 100; ++i) items << QString::number(i);
        break;
    default: break;
    }
    Combo1->addItems(items);
    Combo1->setEditText(text);
}

// An empty trigger takes the one of the row above, or "Relative Time".
void Scheduler::defaultTrigger(int row) {
    const QString above = row > 1 ? engine.cell(row - 1, trigger) : QString();
    engine.setCell(row, trigger, !above.isEmpty() && above != QStringLiteral("Trigger") ? above : QStringLiteral("Relative Time"));
}

void Scheduler::Combo1_Click(int index) {
    if (editRow < 1 || editRow >= engine.rows() || index < 0) return;
    engine.setCell(editRow, editColumn, Combo1->itemText(index));
    Combo1->hide();
    engine.scheduleEdited = true;
}

void Scheduler::DTPicker1_Change(const QString& text) {
    if (editColumn != start || editRow < 1 || editRow >= engine.rows()) return;
    // hh:mm:ss.ff, each as two digits.
    const QStringList parts = text.split(QRegularExpression(QStringLiteral("[:.]")));
    QString cellText;
    for (int i = 0; i < 4; ++i) {
        const int v = parts.value(i).trimmed().toInt();
        cellText += (i == 0 ? QString() : i == 3 ? QStringLiteral(".") : QStringLiteral(":")) + twoDigits(v);
    }
    engine.setCell(editRow, start, cellText);
    engine.setFired(editRow, false);
}

void Scheduler::DTPicker1_KeyDown(int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        DTPicker1_Change(DTPicker1->text());
        if (shell().prompts().messageBox(QStringLiteral("Would you like to add a new Row"), msgBox::YesNo) == msgBox::Yes)
            engine.addEvent();
        else
            DTPicker1->hide();
    } else if (key == Qt::Key_Delete) {
        DTPicker1->setText(QStringLiteral("00:00:00.00"));
    }
}

void Scheduler::chooseScheduleFile(int row) {
    Combo1->hide();
    const QString path = shell().prompts().openFileName(
        {QStringLiteral("Select Schedule File"), shell().programFolder(), QString(), QStringLiteral("Schedule files (*.ysc *.YSC)")});
    shell().state.currentFileName = path;
    engine.setCell(row, eventToExecute, path);
    ScheduleGrid->setToolTip(path);
}

void Scheduler::chooseMediaFile(int row) {
    Combo1->hide();
    const QString path = shell().prompts().openFileName(
        {QStringLiteral("Select Media File"), shell().programFolder(), QString(),
         QStringLiteral("Media files (*.mp3 *.mpg *.avi *.wav *.mid);;WAVE files (*.wav);;MP3 Files (*.mp3);;All Files (*)")});
    shell().state.currentFileName = path;
    engine.setCell(row, eventToExecute, path);
    MediaWindowEngine& media = scheduler::mediaWindow();
    MediaPlayer* one = media.player(1);
    MediaPlayer* two = media.player(2);
    if (!one || path.isEmpty()) return;
    MediaPlayer* p = one->playState() == MediaPlayer::playing && two && two->playState() != MediaPlayer::playing ? two : one;
    p->setUrl(path);
    p->stop();
    const double d = p->duration();
    const int minutes = int(std::nearbyint(d)) / 60;
    const int seconds = int(std::nearbyint(d - 60.0 * minutes));
    engine.setCell(row, length, twoDigits(minutes) + QLatin1Char(':') + twoDigits(seconds));
    engine.setCell(row, playback, QStringLiteral("1"));
}

void Scheduler::listButtonsForCurrentPage() {
    Combo1->clear();
    const QString prefix = shell().state.showName + QLatin1Char('\\') + shell().shortcuts().currentPage() + QLatin1Char('\\');
    for (const QString& name : shell().shortcuts().pageFiles(QStringLiteral("*.YSQ"))) Combo1->addItem(prefix + name);
    Combo1->setEditText(Combo1->count() ? Combo1->itemText(0) : QString());
    if (editRow >= 1 && editRow < engine.rows()) engine.setCell(editRow, playback, QStringLiteral("1"));
}

void Scheduler::dropFiles(const QStringList& paths) {
    int k = 0;
    for (const QString& path : paths) {
        ++k;
        if (libParsePath::ParsePath(path, 5).toUpper() != QStringLiteral(".MP3")) continue;
        engine.insertEvent(k - 1);
        engine.setCell(k, eventType, QStringLiteral("Start Media File"));
        engine.setCell(k, eventToExecute, path);
        engine.setCell(k, trigger, QStringLiteral("Media Playlist"));
        if (k == 1) {
            engine.setCell(k, start, QStringLiteral("00:00:00.00"));
            engine.setCell(k, trigger, QStringLiteral("Relative Time"));
        }
    }
}

void Scheduler::savescheduleclick_Click() {
    engine.scheduleEdited = false;
    const QString title = libParsePath::ParsePath(shell().state.showFileName, 4);
    const QString folder = shell().programPath(QStringLiteral("Sequences\\") + title + QLatin1Char('\\') +
                                               shell().shortcuts().currentPage());
    const QString path = shell().prompts().saveFileName(
        {QStringLiteral("Save Schedule File"), folder, QStringLiteral("*.YSC"), QStringLiteral("Schedules (*.YSC)")});
    if (!engine.saveSchedule(path)) return;
    ShortcutsService& pages = shell().shortcuts();
    pages.saveNewButtonPosition(libParsePath::ParsePath(path, 4), false);
    pages.setFlashButton();
    pages.refreshCurrentPage();
}

void Scheduler::listMidiDevices() {
    midiDeviceMenu->clear();
    const QStringList devices = shell().control().midiInputDevices();
    if (devices.isEmpty()) {
        midiDeviceMenu->addAction(QStringLiteral("No MIDI Devices Found"));
        return;
    }
    for (int i = 0; i < devices.size(); ++i) {
        QAction* a = midiDeviceMenu->addAction(devices[i]);
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, i, a] {
            engine.selectTimeCodeSource(i);
            a->setChecked(engine.timeCodeChecked && engine.timeCodeDevice == i);
        });
    }
}

// ---- Leaving and keys -----------------------------------------------------------------------------

void Scheduler::closeEvent(QCloseEvent* event) {
    scheduler::mediaWindow().unload();
    if (engine.timeCodeChecked) engine.selectTimeCodeSource(engine.timeCodeDevice);
    if (engine.scheduleEdited) {
        if (shell().prompts().messageBox(QStringLiteral("Changes have been made to the schedule, Would you like to save them?"),
                                         msgBox::YesNo) == msgBox::Yes)
            savescheduleclick_Click();
        else
            engine.scheduleEdited = false;
    }
    miscGlobalFunctions::windowPlacement(this, QStringLiteral("SET"));
    event->accept();
}

void Scheduler::keyPressEvent(QKeyEvent* event) {
    shell().mainWindow().Keyshortcuts(keyCodes::keyCode(*event), keyCodes::shiftState(*event));
}

void Scheduler::keyReleaseEvent(QKeyEvent* event) {
    shell().mainWindow().keyshortcutsup(keyCodes::keyCode(*event), keyCodes::shiftState(*event));
}

bool Scheduler::eventFilter(QObject* watched, QEvent* event) {
    if (watched == DTPicker1 && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        shell().mainWindow().Keyshortcuts(keyCodes::keyCode(*key), keyCodes::shiftState(*key));
        DTPicker1_KeyDown(key->key());
    } else if (watched == Combo1 && event->type() == QEvent::FocusOut) {
        if (editRow >= 1 && editRow < engine.rows() && engine.cell(editRow, eventType).trimmed() == QStringLiteral("Loop"))
            engine.setCell(editRow, trigger, QStringLiteral("Loop"));
    } else if (watched == ScheduleGrid->viewport() && (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove)) {
        static_cast<QDropEvent*>(event)->acceptProposedAction();
        return true;
    } else if (watched == ScheduleGrid->viewport() && event->type() == QEvent::Drop) {
        QStringList paths;
        for (const QUrl& url : static_cast<QDropEvent*>(event)->mimeData()->urls()) paths << url.toLocalFile();
        dropFiles(paths);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
