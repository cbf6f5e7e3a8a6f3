#include "patch/ui/frmPatchDetails.h"

#include "patch/fixtureRemoval.h"
#include "patch/patchList.h"
#include "platform/prompts.h"
#include "shell/services/patchService.h"
#include "shell/shell.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTableWidget>

namespace {
// Twips to the pixels of the screen (15 twips a pixel).
int px(int twips) { return twips / 15; }
} // namespace

frmPatchDetails::frmPatchDetails(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmPatchDetails"));
    setWindowTitle(QStringLiteral("Patch List"));
    msflexgrindPatchList = new QTableWidget(this);
    msflexgrindPatchList->setFont(QFont(QStringLiteral("Arial"), 9));
    msflexgrindPatchList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    msflexgrindPatchList->setSelectionBehavior(QAbstractItemView::SelectItems);
    msflexgrindPatchList->verticalHeader()->hide();
    msflexgrindPatchList->setContextMenuPolicy(Qt::CustomContextMenu);
    msflexgrindPatchList->installEventFilter(this);
    setCentralWidget(msflexgrindPatchList);
    clkPrint = menuBar()->addAction(QStringLiteral("Print Patch"), this, [this] { clkPrint_Click(); });
    auto* removeMenu = new QMenu(QStringLiteral("remove"), this);
    clkRemoveFixture = removeMenu->addAction(QStringLiteral("Remove Fixture"), this, [this] { removeFixtureFromPatch(); });
    connect(msflexgrindPatchList, &QTableWidget::customContextMenuRequested, this,
            [this, removeMenu](const QPoint& at) { removeMenu->popup(msflexgrindPatchList->viewport()->mapToGlobal(at)); });
    connect(msflexgrindPatchList, &QTableWidget::cellClicked, this,
            [this](int row, int column) { msflexgrindPatchList_Click(row, column); });
    // Without a printer the menu cannot print.
    clkPrint->setEnabled(!QPrinterInfo::defaultPrinter().isNull() || !QPrinterInfo::availablePrinters().isEmpty());
    fillPatchGrid();
}

frmPatchDetails::~frmPatchDetails() = default;

void frmPatchDetails::fillPatchGrid() {
    const ChannelModel& m = shell().state;
    QTableWidget* g = msflexgrindPatchList;
    g->clear();
    g->setColumnCount(int(patchList::headers.size()));
    g->setHorizontalHeaderLabels(patchList::headers);
    for (int c = 0; c < g->columnCount(); ++c) g->setColumnWidth(c, px(patchList::columnWidths[size_t(c)]));
    g->setRowCount(m.fixtureCount);
    for (int32_t f = 1; f <= m.fixtureCount; ++f) {
        const QStringList cells = patchList::row(f);
        for (int c = 0; c < cells.size(); ++c) g->setItem(f - 1, c, new QTableWidgetItem(cells[c]));
    }
    resize(px(10450), px(4590 + 850));
}

void frmPatchDetails::msflexgrindPatchList_Click(int row, int column) {
    const int32_t f = row + 1;
    shell().patch().selectFixtures({f}, false);
    if (column == 4 || column == 5) {
        patchList::toggleInversion(f, column);
        fillPatchGrid();
        msflexgrindPatchList->setCurrentCell(row, column);
    }
}

void frmPatchDetails::removeFixtureFromPatch() {
    ChannelModel& m = shell().state;
    const int32_t f = msflexgrindPatchList->currentRow() + 1;
    if (f < 1 || f > m.fixtureCount) return;
    if (shell().prompts().messageBox(QStringLiteral("Are You Sure you want to remove:") + m.fixtureName[f] +
                                         QStringLiteral(" From Patch"),
                                     msgBox::YesNoCancel) != msgBox::Yes)
        return;
    // The fixture the question named is the one removed.
    fixtureRemoval::removeFixtures({f});
    fillPatchGrid();
}

bool frmPatchDetails::eventFilter(QObject* watched, QEvent* event) {
    if (watched == msflexgrindPatchList && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        removeFixtureFromPatch();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmPatchDetails::clkPrint_Click() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printGrid(printer);
    QApplication::restoreOverrideCursor();
}

QStringList frmPatchDetails::printGrid(QPrinter& printer) {
    QStringList headers;
    QPainter painter;
    if (!painter.begin(&printer)) {
        shell().prompts().messageBox(QStringLiteral("Printer error"));
        return headers;
    }
    // The page in twips: the bounds keep half an inch (and more on the right) clear.
    const double scale = printer.resolution() / 1440.0;
    painter.scale(scale, scale);
    const QRectF area = printer.pageLayout().paintRectPixels(printer.resolution());
    const double W = area.width() / scale, H = area.height() / scale;
    const double left = 720, top = 720, right = W - 1080, bottom = H - 720, headerRight = W - 360;
    QFont font(msflexgrindPatchList->font().family(), msflexgrindPatchList->font().pointSize());
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QTableWidget* g = msflexgrindPatchList;
    std::vector<double> rowHeights, columnWidths;
    const double rowHeight = 15.0 * (g->verticalHeader()->defaultSectionSize());
    for (int r = 0; r <= g->rowCount(); ++r) rowHeights.push_back(rowHeight);
    for (int c = 0; c < g->columnCount(); ++c) columnWidths.push_back(15.0 * g->columnWidth(c));
    auto cell = [&](int row, int column) {
        if (row == 0) return patchList::headers.value(column);
        const auto* item = g->item(row - 1, column);
        return item ? item->text() : QString();
    };
    const auto pages = patchList::paginate(rowHeights, columnWidths, top, bottom, left, right);
    const QFontMetricsF metrics(font, &printer);
    for (size_t i = 0; i < pages.size(); ++i) {
        const patchList::Page& p = pages[i];
        if (i > 0) printer.newPage();
        const QString header = patchList::pageHeader(shell().state.showFileName, p.rowBand, p.columnBand);
        const double headerWidth = metrics.horizontalAdvance(header) / scale;
        painter.drawText(QPointF(headerRight - headerWidth, top - 120), header);
        headers << header;
        double xRight = left;
        for (int c = p.firstColumn; c <= p.lastColumn; ++c) xRight += columnWidths[size_t(c)] + 120;
        double y = top;
        for (int r = p.firstRow; r <= p.lastRow; ++r) {
            double x = left;
            painter.drawLine(QPointF(left, y), QPointF(xRight, y));
            for (int c = p.firstColumn; c <= p.lastColumn; ++c) {
                painter.drawText(QRectF(x + 60, y + 30, columnWidths[size_t(c)], rowHeights[size_t(r)]),
                                 Qt::AlignLeft | Qt::AlignTop, cell(r, c));
                x += columnWidths[size_t(c)] + 120;
            }
            y += rowHeights[size_t(r)] + 60;
        }
        painter.drawLine(QPointF(left, y), QPointF(xRight, y));
        double x = left;
        for (int c = p.firstColumn; c <= p.lastColumn; ++c) {
            painter.drawLine(QPointF(x, top), QPointF(x, y));
            x += columnWidths[size_t(c)] + 120;
        }
        painter.drawLine(QPointF(xRight, top), QPointF(xRight, y));
    }
    painter.end();
    return headers;
}
