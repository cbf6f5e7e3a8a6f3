#pragma once
// "Load New Shape": the browser of the stored movement shapes (.YSH files of
// the program's Shapes folder). It lists them with small previews, draws the
// chosen one as a numbered path, applies it to the current playback through
// the console, and writes the preview bitmaps (Images\Shapes\<title>.bmp).
// A singleton (form<dialogFileShapes>()), shown modeless and kept on top.

#include "effects/shapePreview.h"

#include <QWidget>
#include <vector>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

// The drawing area: the selected shape's path, one numbered point per step.
class ShapePicture : public QWidget {
    Q_OBJECT
public:
    explicit ShapePicture(QWidget* parent = nullptr);
    void setShape(std::vector<shapePreview::Point> steps);
    const std::vector<shapePreview::Point>& shape() const { return steps; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<shapePreview::Point> steps;
};

class dialogFileShapes : public QWidget {
    Q_OBJECT
public:
    explicit dialogFileShapes(QWidget* parent = nullptr);

    // Whether "Apply Selected Shape" appends after the playback's last step.
    bool myAppend = false;

    // Lists the Shapes folder anew, each drawable file with its preview.
    void refresh();
    // Selects a listed file by name and draws it; false when it is not listed.
    bool selectFile(const QString& fileName);
    // Rewrites the preview bitmap of every drawable, undamaged file; the count written.
    int updateShapePictures();
    // "Apply Selected Shape".
    void apply();

    QListWidget* File1 = nullptr;
    ShapePicture* Picture1 = nullptr;
    QLabel* lblStatus = nullptr;
    QCheckBox* chkKeepWindowOpen = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* selectFixtures = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void fileClicked();
    void closeDialog();
};

class Shell;
// Attaches the browser to the effects engine (called when effects start).
void attachShapeBrowser(Shell& s);
