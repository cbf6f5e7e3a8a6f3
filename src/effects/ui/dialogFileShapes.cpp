#include "effects/ui/dialogFileShapes.h"

#include "platform/ui/keyCodes.h"
#include "effects/effectsEngine.h"
#include "platform/safeFile.h"
#include "shell/services/consoleService.h"
#include "shell/services/patchService.h"
#include "shell/shell.h"
#include "shell/ui/Formontop.h"
#include "shell/ui/windowRegistry.h"

#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

using shapePreview::Point;

namespace {

constexpr int twipsPerPixel = 15;
constexpr int picturePixels = shapePreview::squareTwips / twipsPerPixel; // 172
constexpr int iconPixels = 48;
const QColor background(128, 128, 128);

struct PathLook {
    int lineWidth = 3;            // pixels
    QColor labels = Qt::white;    // step numbers
    bool numbers = true;
};

// The open path from step to step (no segment back to the first), each
// point numbered just above itself; `side` pixels show the 2580-twip square.
void drawPath(QPainter& p, const std::vector<Point>& steps, int side, const PathLook& look) {
    p.fillRect(0, 0, side, side, background);
    const double scale = double(side) / shapePreview::squareTwips;
    auto at = [&](const Point& pt) { return QPointF(pt.x * scale, pt.y * scale); };
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, look.lineWidth, Qt::SolidLine, Qt::RoundCap));
    for (size_t i = 0; i + 1 < steps.size(); ++i) p.drawLine(at(steps[i]), at(steps[i + 1]));
    if (!look.numbers) return;
    p.setPen(look.labels);
    // A number's top stands 100 twips above its point.
    const QPointF toBaseline(0, p.fontMetrics().ascent());
    for (size_t i = 0; i < steps.size(); ++i)
        p.drawText(at({steps[i].x, steps[i].y - 100}) + toBaseline, QString::number(i + 1));
}

QImage renderPath(const std::vector<Point>& steps, int side, const PathLook& look) {
    QImage image(side, side, QImage::Format_RGB32);
    QPainter p(&image);
    drawPath(p, steps, side, look);
    return image;
}

QString fullPathOf(const QString& fileName) { return QDir(shapePreview::shapesFolder()).filePath(fileName); }

} // namespace

ShapePicture::ShapePicture(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Picture1"));
    setFixedSize(picturePixels, picturePixels);
}

void ShapePicture::setShape(std::vector<Point> s) {
    steps = std::move(s);
    update();
}

void ShapePicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    drawPath(p, steps, width(), PathLook{});
}

dialogFileShapes::dialogFileShapes(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("dialogFileShapes"));
    setWindowTitle(QStringLiteral("Load New Shape"));
    File1 = new QListWidget(this);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setIconSize(QSize(iconPixels, iconPixels));
    File1->setMinimumWidth(200);
    Picture1 = new ShapePicture(this);
    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblStatus->setWordWrap(true);
    chkKeepWindowOpen = new QCheckBox(QStringLiteral("Keep this window Open"), this);
    chkKeepWindowOpen->setObjectName(QStringLiteral("chkKeepWindowOpen"));
    btnOk = new QPushButton(QStringLiteral("Apply Selected Shape"), this);
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnCancel = new QPushButton(QStringLiteral("Close"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    selectFixtures = new QPushButton(QStringLiteral("Select Fixtures by Groups"), this);
    selectFixtures->setObjectName(QStringLiteral("selectFixtures"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(File1, 0, 0, 3, 1);
    grid->addWidget(Picture1, 0, 1, Qt::AlignTop | Qt::AlignHCenter);
    grid->addWidget(lblStatus, 1, 1);
    grid->addWidget(chkKeepWindowOpen, 2, 1, Qt::AlignBottom);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(selectFixtures);
    buttons->addStretch();
    buttons->addWidget(btnCancel);
    buttons->addWidget(btnOk);
    grid->addLayout(buttons, 3, 0, 1, 2);
    grid->setRowStretch(1, 1);

    connect(File1, &QListWidget::currentRowChanged, this, [this] { fileClicked(); });
    connect(btnOk, &QPushButton::clicked, this, [this] { apply(); });
    connect(btnCancel, &QPushButton::clicked, this, [this] { closeDialog(); });
    connect(selectFixtures, &QPushButton::clicked, this, [] { shell().patch().popupGroupMenuAtPointer(); });
    refresh();
}

void dialogFileShapes::refresh() {
    const QString chosen = File1->currentItem() ? File1->currentItem()->text() : QString();
    File1->blockSignals(true);
    File1->clear();
    for (const QString& name : shapePreview::listShapeFiles()) {
        auto* item = new QListWidgetItem(name, File1);
        if (!shapePreview::drawable(name)) continue;
        std::vector<Point> steps;
        QString why;
        // A damaged file stays listed, without a picture; its tooltip says why.
        if (shapePreview::loadPreviewShape(fullPathOf(name), steps, &why))
            item->setIcon(QIcon(QPixmap::fromImage(renderPath(steps, iconPixels, {1, Qt::white, false}))));
        else item->setToolTip(why);
    }
    File1->blockSignals(false);
    if (!chosen.isEmpty()) selectFile(chosen);
}

bool dialogFileShapes::selectFile(const QString& fileName) {
    const auto found = File1->findItems(fileName, Qt::MatchExactly);
    if (found.isEmpty()) return false;
    File1->setCurrentItem(found.front());
    fileClicked();
    return true;
}

void dialogFileShapes::fileClicked() {
    lblStatus->clear();
    const QListWidgetItem* item = File1->currentItem();
    // Files of another extension are listed but not drawn; the older drawing stays.
    if (!item || !shapePreview::drawable(item->text())) return;
    std::vector<Point> steps;
    QString why;
    if (shapePreview::loadPreviewShape(fullPathOf(item->text()), steps, &why)) Picture1->setShape(std::move(steps));
    else {
        Picture1->setShape({});
        lblStatus->setText(why);
    }
}

int dialogFileShapes::updateShapePictures() {
    refresh();
    const PathLook bitmapLook{6, Qt::black, true};
    int written = 0;
    for (const QString& name : shapePreview::listShapeFiles()) {
        if (!shapePreview::drawable(name)) continue;
        std::vector<Point> steps;
        if (!shapePreview::loadPreviewShape(fullPathOf(name), steps)) continue;
        const QString target = shapePreview::previewBitmapPath(name);
        QDir().mkpath(QFileInfo(target).absolutePath());
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        renderPath(steps, picturePixels, bitmapLook).save(&buffer, "BMP");
        if (safeFile::writeWhole(target, bytes)) ++written;
    }
    return written;
}

void dialogFileShapes::apply() {
    const QListWidgetItem* item = File1->currentItem();
    if (!item) return;
    ConsoleService& console = shell().console();
    // The console reports its own failures (no fixture selected, a damaged file).
    if (console.ShapeGenerator(myAppend, fullPathOf(item->text()), 0, 0, 0, 0))
        console.play(shell().state.currentPlayback, true);
    if (!chkKeepWindowOpen->isChecked()) closeDialog();
}

void dialogFileShapes::closeDialog() {
    hide();
    // Unloaded once the click that closed it has been handled.
    QTimer::singleShot(0, this, [this] {
        if (!isVisible()) unloadForm<dialogFileShapes>(); // not when opened again meanwhile
    });
}

namespace {
// The keys the console acts on pass to it; the others stay with the list.
int32_t consoleKeyOf(const QKeyEvent* key) {
    const int code = keyCodes::keyCode(*key);
    for (int acted : {19, 27, 32, 35, 45, 46})
        if (code == acted) return code;
    return 0;
}
} // namespace

// The console's keys keep working while the browser has the focus.
void dialogFileShapes::keyPressEvent(QKeyEvent* event) {
    if (const int32_t code = consoleKeyOf(event)) shell().console().Keyshortcuts(code, keyCodes::shiftState(*event));
    else QWidget::keyPressEvent(event);
}
void dialogFileShapes::keyReleaseEvent(QKeyEvent* event) {
    if (const int32_t code = consoleKeyOf(event)) shell().console().keyshortcutsup(code, keyCodes::shiftState(*event));
    else QWidget::keyReleaseEvent(event);
}

namespace {
class ShapeBrowserUi final : public ShapeBrowserWindow {
public:
    void show(bool append) override {
        dialogFileShapes& w = form<dialogFileShapes>();
        w.myAppend = append;
        w.refresh();
        Formontop::setFormOnTop(&w, -1);
        w.show();
        w.raise();
    }
    // The bitmaps are drawn off-screen, so the browser need not be shown;
    // one the operator has open stays open with its list refreshed.
    void updateShapePictures() override {
        const bool wasOpen = loadedForm<dialogFileShapes>() != nullptr;
        form<dialogFileShapes>().updateShapePictures();
        if (!wasOpen) unloadForm<dialogFileShapes>();
    }
};
} // namespace

void attachShapeBrowser(Shell& s) { s.engine<EffectsEngine>().attachShapeBrowser(std::make_unique<ShapeBrowserUi>()); }
