#pragma once
// The "Matrix Addressing" window: one matrix's pixels as a grid of cells
// labelled with the pixel number and DMX address; the numbering orders and
// the drag that swaps two pixels. It calls MatrixAddressing.

#include <QWidget>

class MatrixAddressing;
class MatrixGrid;
class QLabel;
class QRadioButton;
class QToolButton;

class frmMatrixAddressing : public QWidget {
    Q_OBJECT
public:
    explicit frmMatrixAddressing(QWidget* parent = nullptr);

    // Loading: the matrix measured and drawn, its name on the label.
    void loadMatrix();
    // Draws every pixel of the matrix again.
    void showMatrix();

    QLabel* lblMatrixName;
    QToolButton *cmdLeftRight, *cmdTopToBottom;
    QRadioButton* optHorizontalVerticle[2];
    MatrixGrid* PicMatrix;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void applyOrder();
    MatrixAddressing& engine() const;
    // The cell size of this window's picture, shared with the matrix window.
    void measureCells();
};
