// Editing the playback window's step grid: a click on a cell opens the
// editor of its column, and the edited cells go back into the current step.
// Every edit applies to the current step; the clicked row only decides in
// which cell the typed text shows.

#include "playback/ui/frmPlayBackControl.h"

#include "playback/playbackEngine.h"
#include "shell/services/shortcutsService.h"
#include "shell/shell.h"

#include <QCursor>
#include <QLineEdit>
#include <QTableWidget>
#include <cmath>

namespace {
// Grid columns.
constexpr int nameColumn = 1, firstTimeColumn = 2, lastTimeColumn = 7, commandColumn = 8;
} // namespace

void frmPlayBackControl::buildSceneNameBox() {
    txtSceneName = new QLineEdit(msfgSequenceDetail->viewport());
    txtSceneName->setObjectName(QStringLiteral("txtSceneName"));
    txtSceneName->hide();
    txtSceneName->installEventFilter(this);
    connect(msfgSequenceDetail, &QTableWidget::cellClicked, this,
            [this](int row, int col) { msfgSequenceDetail_Click(row, col, QCursor::pos()); });
}

void frmPlayBackControl::msfgSequenceDetail_Click(int row, int col, const QPoint& pointer) {
    // The next advance keeps the current step, also after a click past the steps.
    eng.state.gridClicked = true;
    // Row 0 holds the headings: nothing there is edited.
    if (row < 1 || row > eng.state.stepCount || row >= msfgSequenceDetail->rowCount()) return;
    msfgSequenceDetail->setCurrentCell(row, col);
    if (col >= firstTimeColumn && col <= lastTimeColumn) {
        txtSceneName->hide();
        shell().shortcuts().showTimeKeypadAt(QStringLiteral("theGrid"), col, pointer.x(), pointer.y());
    } else if (col == nameColumn) {
        QTableWidgetItem* cell = msfgSequenceDetail->item(row, col);
        msfgSequenceDetail->clearSelection();
        msfgSequenceDetail->setRangeSelected(QTableWidgetSelectionRange(row, 0, row, col), true);
        txtSceneName->setGeometry(msfgSequenceDetail->visualRect(msfgSequenceDetail->model()->index(row, col)));
        txtSceneName->setText(cell ? cell->text() : QString());
        txtSceneName->show();
        txtSceneName->raise();
        txtSceneName->setFocus();
    } else if (col == commandColumn) {
        showEditCommandDialog();
    }
}

QStringList frmPlayBackControl::gridRow(int row) const {
    QStringList cells;
    for (int col = 0; col < msfgSequenceDetail->columnCount(); ++col) {
        const QTableWidgetItem* cell = msfgSequenceDetail->item(row, col);
        cells << (cell ? cell->text() : QString());
    }
    return cells;
}

bool frmPlayBackControl::enterGridValue(int column, double value) {
    QTableWidget* g = msfgSequenceDetail;
    const int row = g->currentRow();
    if (column < firstTimeColumn || column > lastTimeColumn || row < 1 || row >= g->rowCount()) return false;
    const double rounded = std::round(value * 100.0) / 100.0;
    g->setItem(row, column, new QTableWidgetItem(QString::number(rounded)));
    const int step = eng.state.currentStep;
    if (step < 1 || step >= g->rowCount()) return false;
    const int col = g->currentColumn();
    if (!eng.updateTimingValues(col, gridRow(step).value(col))) return false;
    return eng.updateValuesForRow(gridRow(step));
}

void frmPlayBackControl::txtSceneName_Enter() {
    QTableWidget* g = msfgSequenceDetail;
    const QString name = txtSceneName->text();
    if (g->currentRow() >= 1 && g->currentColumn() >= 0) g->setItem(g->currentRow(), g->currentColumn(), new QTableWidgetItem(name));
    int32_t step = 0; // the current step
    eng.setSceneNameForPlayback(step, name);
    txtSceneName->hide();
}
