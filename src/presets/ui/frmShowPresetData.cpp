#include "presets/ui/frmShowPresetData.h"

#include "platform/prompts.h"
#include "presets/presetData.h"
#include "presets/presetsEngine.h"
#include "shell/libParsePath.h"
#include "shell/services/playbackService.h"
#include "shell/shell.h"
#include "shell/ui/windowFunctions.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenuBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
constexpr int twipsPerPixel = 15;
PresetsEngine& presetsEngine() { return static_cast<PresetsEngine&>(shell().presets()); }
} // namespace

frmShowPresetData::frmShowPresetData() {
    setObjectName(QStringLiteral("frmShowPresetData"));
    setWindowTitle(QStringLiteral("Edit Preset Data For Current Sequence"));
    setWindowFlag(Qt::Tool, true);
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QMenuBar(this);
    clkClearDataStep = bar->addAction(QStringLiteral("Clear Event Data for Current Step"));
    bar->addAction(QString())->setEnabled(false);
    clkClearEventDataAll = bar->addAction(QStringLiteral("Clear Event Data for All Steps"));
    connect(clkClearDataStep, &QAction::triggered, this, [this] { clkClearDataStep_Click(); });
    connect(clkClearEventDataAll, &QAction::triggered, this, [this] { clkClearEventDataAll_Click(); });
    layout->setMenuBar(bar);
    msfgShowStepProperties = new QTableWidget(1, 12, this);
    msfgShowStepProperties->setObjectName(QStringLiteral("msfgShowStepProperties"));
    msfgShowStepProperties->setEditTriggers(QAbstractItemView::NoEditTriggers);
    msfgShowStepProperties->setSelectionBehavior(QAbstractItemView::SelectRows);
    msfgShowStepProperties->verticalHeader()->hide();
    msfgShowStepProperties->setHorizontalHeaderLabels(presetData::headers());
    msfgShowStepProperties->setColumnWidth(1, 2200 / twipsPerPixel);
    msfgShowStepProperties->setColumnWidth(2, 1400 / twipsPerPixel);
    msfgShowStepProperties->setColumnWidth(3, 800 / twipsPerPixel);
    msfgShowStepProperties->installEventFilter(this);
    msfgShowStepProperties->viewport()->installEventFilter(this);
    layout->addWidget(msfgShowStepProperties);
    miscGlobalFunctions::windowPlacement(this, QStringLiteral("GET"));
}

frmShowPresetData::~frmShowPresetData() = default;

bool frmShowPresetData::updateGridData(bool loadFromSequence) {
    Shell& s = shell();
    if (loadFromSequence) {
        if (myFilename.isEmpty()) return false;
        QString path = s.programPath(QStringLiteral("Sequences\\") + myFilename + QStringLiteral(".USF"));
        presetsEngine().loadEventsIntoCollection(thePaletteClass, path);
        myFilename = path;
        fromFile = true;
    } else if (!fromFile) {
        // The running playback's own list (shared, so edits act on it); the
        // events of a sequence file stay shown until the window is closed.
        const int32_t current = s.state.currentPlayback;
        if (s.playback().getChaserFlag(current))
            thePaletteClass.myEventCollection = presetsEngine().playbackInstance(current).myEventCollection;
    }
    const EventCollection& events = *thePaletteClass.myEventCollection;
    QTableWidget* grid = msfgShowStepProperties;
    grid->clearContents();
    grid->setRowCount(std::max<int>(1, int(events.size())));
    int fixturesWidth = grid->columnWidth(11);
    for (size_t i = 0; i < events.size(); ++i) {
        const QStringList texts = presetData::rowTexts(int(i) + 1, events[i]);
        for (int c = 0; c < texts.size(); ++c) grid->setItem(int(i), c, new QTableWidgetItem(texts[c]));
        if (const std::optional<int32_t> colour = presetData::swatchColour(events[i].eventName)) {
            const QColor swatch(*colour & 255, (*colour >> 8) & 255, (*colour >> 16) & 255);
            grid->item(int(i), 1)->setBackground(swatch);
            grid->item(int(i), 1)->setForeground(swatch);
        }
        fixturesWidth = std::max(fixturesWidth, int(events[i].eventFixtureNumbers.size()) * 75 / twipsPerPixel);
    }
    grid->setColumnWidth(11, fixturesWidth);
    return !events.empty();
}

void frmShowPresetData::rowClicked() {
    QTableWidgetItem* stepCell = msfgShowStepProperties->item(msfgShowStepProperties->currentRow(), 3);
    if (!stepCell) return;
    bool ok = false;
    const int32_t step = stepCell->text().toInt(&ok);
    const int32_t current = shell().state.currentPlayback;
    if (ok && step >= 1 && step <= shell().playback().getMaxSteps(current)) shell().playback().setCurrentStep(current, step);
}

void frmShowPresetData::edited() {
    dataChanged = true;
    updateGridData(false);
}

void frmShowPresetData::deleteCurrentEvent() {
    EventCollection& events = *thePaletteClass.myEventCollection;
    const int row = msfgShowStepProperties->currentRow();
    if (row < 0 || size_t(row) >= events.size()) {
        shell().prompts().messageBox(QStringLiteral("Cannot delete event ") + QStringLiteral("no event in this row"));
        return;
    }
    events.erase(events.begin() + row);
    edited();
}

void frmShowPresetData::clkClearEventDataAll_Click() {
    thePaletteClass.myEventCollection->clear();
    edited();
}

void frmShowPresetData::clkClearDataStep_Click() {
    const int32_t current = shell().state.currentPlayback;
    const int32_t step = shell().playback().returnCurrentStep(current);
    std::erase_if(*thePaletteClass.myEventCollection, [step](const clsEvent& e) { return e.eventStepNumber == step; });
    edited();
}

void frmShowPresetData::closeDown() {
    if (fromFile && !myFilename.isEmpty() && dataChanged) {
        const int answer = shell().prompts().messageBox(QStringLiteral("Would you like to save changes to Sequence Preset Data"),
                                                        msgBox::YesNo);
        // Saved into the file the events were read from, whatever runs now.
        if (answer == msgBox::Yes)
            presetsEngine().saveAsFixtureData(myFilename, *thePaletteClass.myEventCollection,
                                              presetData::stepCountOf(*thePaletteClass.myEventCollection));
    }
    myFilename.clear();
    dataChanged = false;
    fromFile = false;
    if (!(x() == 45000 / twipsPerPixel && y() == 45000 / twipsPerPixel))
        miscGlobalFunctions::windowPlacement(this, QStringLiteral("SET"));
}

void frmShowPresetData::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Delete) {
        deleteCurrentEvent();
        return;
    }
    QWidget::keyPressEvent(e);
}

bool frmShowPresetData::eventFilter(QObject* watched, QEvent* event) {
    if (watched == msfgShowStepProperties->viewport() && event->type() == QEvent::MouseButtonRelease) rowClicked();
    if (watched == msfgShowStepProperties && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        deleteCurrentEvent();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmShowPresetData::closeEvent(QCloseEvent* e) {
    closeDown();
    QWidget::closeEvent(e);
}

void frmShowPresetData::showEvent(QShowEvent* e) {
    const QString base = libParsePath::ParsePath(myFilename, 4);
    setWindowTitle(QStringLiteral("View Preset Data for ") + base + QStringLiteral(" Sequence"));
    updateGridData(false);
    QWidget::showEvent(e);
}
