#include "matrix/ui/frmMatrixAddressing.h"

#include "matrix/brumalMatrixEngine.h"
#include "matrix/matrixAddressing.h"
#include "matrix/matrixEngine.h"
#include "matrix/ui/matrixGrid.h"
#include "shell/shell.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton* dropDown(QWidget* parent, const char* name, const QString& caption,
                      const std::initializer_list<QString>& items, const std::function<void(const QString&)>& chosen) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(caption);
    b->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(b);
    for (const QString& item : items)
        menu->addAction(item, b, [b, item, chosen] {
            b->setText(item);
            chosen(item);
        });
    b->setMenu(menu);
    return b;
}

} // namespace

frmMatrixAddressing::frmMatrixAddressing(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmMatrixAddressing"));
    setWindowTitle(QStringLiteral("Matrix Addressing"));
    auto* outer = new QHBoxLayout(this);
    auto* controls = new QVBoxLayout;
    outer->addLayout(controls);

    lblMatrixName = new QLabel(QStringLiteral("Matrix Name"), this);
    lblMatrixName->setObjectName(QStringLiteral("lblMatrixName"));
    controls->addWidget(lblMatrixName);
    auto chosen = [this](const QString&) { applyOrder(); };
    controls->addWidget(new QLabel(QStringLiteral("Horizontal Direction"), this));
    cmdLeftRight = dropDown(this, "cmdLeftRight", QStringLiteral("Left To Right"),
                            {QStringLiteral("Left To Right"), QStringLiteral("Right To Left")}, chosen);
    controls->addWidget(cmdLeftRight);
    controls->addWidget(new QLabel(QStringLiteral("Vertical Direction"), this));
    cmdTopToBottom = dropDown(this, "cmdTopToBottom", QStringLiteral("Top To Bottom"),
                              {QStringLiteral("Top To Bottom"), QStringLiteral("Bottom To Top")}, chosen);
    controls->addWidget(cmdTopToBottom);
    optHorizontalVerticle[0] = new QRadioButton(QStringLiteral("Horizontal"), this);
    optHorizontalVerticle[1] = new QRadioButton(QStringLiteral("Vertical"), this);
    optHorizontalVerticle[0]->setChecked(true);
    for (int i = 0; i < 2; ++i) {
        optHorizontalVerticle[i]->setObjectName(QStringLiteral("optHorizontalVerticle%1").arg(i));
        controls->addWidget(optHorizontalVerticle[i]);
        connect(optHorizontalVerticle[i], &QRadioButton::clicked, this, [this] { applyOrder(); });
    }
    auto* help = new QLabel(
        QStringLiteral("The Boxes on the right indicate each LED pixel. The number indicates the fixture or pixel "
                       "number. Click on any position and drag it to the desired position. This matrix can be edited at "
                       "anytime. Use the Drop down boxes for standard configurations."),
        this);
    help->setWordWrap(true);
    help->setMaximumWidth(220);
    controls->addWidget(help);
    controls->addStretch(1);

    PicMatrix = new MatrixGrid(this);
    PicMatrix->setObjectName(QStringLiteral("PicMatrix"));
    PicMatrix->setMinimumSize(240, 240);
    PicMatrix->columns = [this] { return engine().width(); };
    PicMatrix->rows = [this] { return engine().height(); };
    PicMatrix->cellWidth = [this] {
        measureCells();
        return shell().engine<MatrixEngine>().brumal().matrixCellWidth;
    };
    PicMatrix->cellHeight = [] { return shell().engine<MatrixEngine>().brumal().matrixCellHeight; };
    PicMatrix->gap = [] { return shell().engine<MatrixEngine>().brumal().matrixCellGap; };
    PicMatrix->cell = [this](int32_t x, int32_t y) {
        const int32_t f = engine().fixtureAtCell(x, y);
        if (f < 1) return MatrixGrid::Cell{};
        return MatrixGrid::Cell{128, QString::number(engine().pixelNumber(f)) + QLatin1Char('\n') + engine().addressText(f)};
    };
    PicMatrix->pressed = [this](QPoint p) {
        BrumalMatrixEngine& b = shell().engine<MatrixEngine>().brumal();
        int32_t c = 0, r = 0;
        QApplication::setOverrideCursor(Qt::SizeAllCursor);
        if (MatrixAddressing::cellAt(p.x(), p.y(), b.matrixCellWidth + b.matrixCellGap,
                                     b.matrixCellHeight + b.matrixCellGap, c, r))
            engine().pressCell(c, r);
        else
            engine().pressCell(-1, -1);
    };
    PicMatrix->released = [this](QPoint p) {
        BrumalMatrixEngine& b = shell().engine<MatrixEngine>().brumal();
        int32_t c = 0, r = 0;
        if (MatrixAddressing::cellAt(p.x(), p.y(), b.matrixCellWidth + b.matrixCellGap,
                                     b.matrixCellHeight + b.matrixCellGap, c, r) &&
            engine().releaseCell(c, r))
            showMatrix();
        QApplication::restoreOverrideCursor();
    };
    outer->addWidget(PicMatrix, 1);
}

MatrixAddressing& frmMatrixAddressing::engine() const { return shell().engine<MatrixEngine>().addressing(); }

void frmMatrixAddressing::measureCells() {
    BrumalMatrixEngine& b = shell().engine<MatrixEngine>().brumal();
    const int32_t w = engine().width(), h = engine().height();
    b.matrixCellHeight = float((PicMatrix->height() - b.matrixCellGap * h) / h);
    b.matrixCellWidth = float((PicMatrix->width() - b.matrixCellGap * w) / w);
}

void frmMatrixAddressing::loadMatrix() {
    engine().findMatrixDimension();
    lblMatrixName->setText(engine().matrixName());
    showMatrix();
}

void frmMatrixAddressing::showMatrix() {
    engine().findMatrixDimension();
    measureCells();
    PicMatrix->update();
}

void frmMatrixAddressing::applyOrder() {
    if (engine().applyOrder(cmdLeftRight->text(), cmdTopToBottom->text(), optHorizontalVerticle[1]->isChecked()))
        showMatrix();
}

void frmMatrixAddressing::closeEvent(QCloseEvent* e) {
    QWidget::closeEvent(e);
    MatrixEngine& m = shell().engine<MatrixEngine>();
    // The matrix window's grid takes its own cell size again.
    if (m.matrixVisible()) m.brumal().resizeMatrix();
}
