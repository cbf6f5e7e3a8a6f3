// The effect pages of the matrix effects window: the text page, the image
// and GIF lists, the colour page (step colour offsets, gradient editor,
// colour pickers), the picture options and pixel painting on the grid.

#include "matrix/ui/frmBrumalMatrix.h"

#include "matrix/ui/gradientBar.h"
#include "matrix/ui/matrixGrid.h"
#include "matrix/ui/matrixWidgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

using Button = BrumalMatrixEngine::Button;
using ColourBoxId = BrumalMatrixEngine::ColourBox;
using TextDirection = BrumalMatrixEngine::TextDirection;

const QString shadesTip = QStringLiteral("Selected Color.  Click to generate shades of color.");

QLineEdit* lineBox(QWidget* parent, const char* name, int chars) {
    auto* t = new QLineEdit(parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setMinimumWidth(t->fontMetrics().horizontalAdvance(QLatin1Char('0')) * chars + 12);
    return t;
}

QPushButton* pushButton(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

Button buttonOf(Qt::MouseButton b) {
    return b == Qt::LeftButton ? Button::Left : b == Qt::RightButton ? Button::Right : Button::None;
}

Button heldButton(Qt::MouseButtons b) {
    return b & Qt::LeftButton ? Button::Left : b & Qt::RightButton ? Button::Right : Button::None;
}

} // namespace

void frmBrumalMatrix::buildTextPage() {
    auto* page = new QGridLayout(frmTextMatrix);
    auto* lblEnterText = new QLabel(QStringLiteral("Enter The Text to Scroll Below"), frmTextMatrix);
    lblEnterText->setObjectName(QStringLiteral("lblEnterText"));
    page->addWidget(lblEnterText, 0, 0, 1, 4);
    TxtMsg = lineBox(frmTextMatrix, "TxtMsg", 24);
    TxtMsg->setText(e.text.TxtMsg);
    connect(TxtMsg, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (!refreshing) e.text.TxtMsg = t;
    });
    page->addWidget(TxtMsg, 1, 0, 1, 4);

    page->addWidget(new QLabel(QStringLiteral("Font Name :"), frmTextMatrix), 2, 0);
    TxtFont = lineBox(frmTextMatrix, "TxtFont", 10);
    TxtFont->setReadOnly(true);
    page->addWidget(TxtFont, 2, 1);
    CmdLblFont = pushButton(frmTextMatrix, "CmdLblFont", QStringLiteral("..."));
    connect(CmdLblFont, &QPushButton::clicked, this, [this] { e.CmdLblFont_Click(); });
    page->addWidget(CmdLblFont, 2, 2);
    page->addWidget(new QLabel(QStringLiteral("Font Size :"), frmTextMatrix), 3, 0);
    TxtSize = lineBox(frmTextMatrix, "TxtSize", 4);
    TxtSize->setReadOnly(true);
    page->addWidget(TxtSize, 3, 1);
    ChkNegrita = new QCheckBox(QStringLiteral("Bold"), frmTextMatrix);
    ChkNegrita->setObjectName(QStringLiteral("ChkNegrita"));
    ChkItalic = new QCheckBox(QStringLiteral("Italic"), frmTextMatrix);
    ChkItalic->setObjectName(QStringLiteral("ChkItalic"));
    connect(ChkNegrita, &QCheckBox::clicked, this, [this](bool on) { e.ChkNegrita_Click(on); });
    connect(ChkItalic, &QCheckBox::clicked, this, [this](bool on) { e.ChkItalic_Click(on); });
    page->addWidget(ChkNegrita, 4, 0);
    page->addWidget(ChkItalic, 4, 1);
    CboConv = new QComboBox(frmTextMatrix);
    CboConv->setObjectName(QStringLiteral("CboConv"));
    CboConv->addItems({QStringLiteral("Text"), QStringLiteral("Mayus"), QStringLiteral("minus"), QStringLiteral("Proper")});
    connect(CboConv, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (!refreshing) e.text.CboConv = i;
    });
    page->addWidget(CboConv, 4, 2);

    page->addWidget(new QLabel(QStringLiteral("Font Color :"), frmTextMatrix), 5, 0);
    PicColorIni = new ColourBox(frmTextMatrix, "PicColorIni", shadesTip);
    PicColorIni->released = [this](QMouseEvent*) { e.chooseBoxColour(ColourBoxId::FontColour); };
    page->addWidget(PicColorIni, 5, 1);
    page->addWidget(new QLabel(QStringLiteral("Bg Color :"), frmTextMatrix), 6, 0);
    PicBackGroundColor = new ColourBox(frmTextMatrix, "PicBackGroundColor", shadesTip);
    PicBackGroundColor->released = [this](QMouseEvent*) { e.chooseBoxColour(ColourBoxId::TextBackground); };
    page->addWidget(PicBackGroundColor, 6, 1);

    page->addWidget(new QLabel(QStringLiteral("Offset :"), frmTextMatrix), 7, 0);
    HSOffset = new QSlider(Qt::Horizontal, frmTextMatrix);
    HSOffset->setObjectName(QStringLiteral("HSOffset"));
    HSOffset->setRange(e.HSOffsetMin, e.HSOffsetMax);
    connect(HSOffset, &QSlider::valueChanged, this, [this](int v) {
        if (!refreshing) e.HSOffset_Scroll(v);
    });
    page->addWidget(HSOffset, 7, 1, 1, 3);

    auto* directions = new QGroupBox(QStringLiteral("Scroll Direction"), frmTextMatrix);
    auto* row = new QHBoxLayout(directions);
    struct Arrow {
        QPushButton** b;
        const char* name;
        const char* arrow;
        TextDirection d;
    };
    for (const Arrow& a : {Arrow{&cLeft, "cLeft", "\u2190", TextDirection::Left}, Arrow{&cUp, "cUp", "\u2191", TextDirection::Up},
                           Arrow{&cRight, "cRight", "\u2192", TextDirection::Right},
                           Arrow{&cDown, "cDown", "\u2193", TextDirection::Down}}) {
        *a.b = pushButton(directions, a.name, QString::fromUtf8(a.arrow));
        const TextDirection d = a.d;
        connect(*a.b, &QPushButton::clicked, this, [this, d] { e.selectTextDirection(d); });
        row->addWidget(*a.b);
    }
    row->addWidget(cmdSwing);
    page->addWidget(directions, 8, 0, 1, 4);
}

void frmBrumalMatrix::buildListPages() {
    auto makeList = [this](QWidget* page, PictureList*& list, QMenu*& menu, const char* name, const char* menuName,
                           const QString& entry, const QString& hint, bool image) {
        auto* layout = new QVBoxLayout(page);
        layout->setContentsMargins(0, 0, 0, 0);
        list = new PictureList(page, name);
        layout->addWidget(list);
        auto* label = new QLabel(hint, page);
        label->setWordWrap(true);
        if (!image) label->setObjectName(QStringLiteral("Label4"));
        layout->addWidget(label);
        menu = new QMenu(list);
        menu->setObjectName(QString::fromLatin1(menuName));
        QAction* remove = menu->addAction(entry);
        remove->setObjectName(image ? QStringLiteral("clkDeleteFile") : QStringLiteral("clkDeleteGif"));
        PictureList* l = list;
        connect(remove, &QAction::triggered, this, [this, l, image] {
            const int row = l->currentItem() && l->currentItem()->isSelected() ? l->currentRow() : -1;
            if (image) e.clkDeleteFile(row);
            else e.clkDeleteGif(row);
        });
        QMenu* m = menu;
        list->menuRequested = [m](QPoint at) { m->popup(at); };
        list->dropped = [this, image](const QStringList& files) {
            if (image) e.dropOnImageList(files);
            else e.dropOnGifList(files);
        };
        connect(list, &QListWidget::itemClicked, this, [this, l, image](QListWidgetItem* item) {
            if (image) e.imageItemClicked(l->row(item));
            else e.gifItemClicked(l->row(item));
        });
    };
    makeList(frmImage, ListView1, clkImageMenu, "ListView1", "clkImageMenu", QStringLiteral("Delete File"),
             QStringLiteral("Drag and drop Image files in the window above to make it available to the Matrix. Files cannot be "
                            "larger than 50k "),
             true);
    makeList(frmGif, gifListView, clkGifMenu, "gifListView", "clkGifMenu", QStringLiteral("Delete Gif"),
             QStringLiteral("Drag and drop GIF files in the window above to make it available to the Matrix"), false);
}

void frmBrumalMatrix::listsChanged() {
    for (auto [list, names] : {std::pair{ListView1, &e.ListView1}, std::pair{gifListView, &e.gifListView}}) {
        list->clear();
        for (int i = 0; i < names->size() && size_t(i) < e.images.size(); ++i)
            new QListWidgetItem(QIcon(QPixmap::fromImage(e.images[size_t(i)].picture)), (*names)[i], list);
    }
}

void frmBrumalMatrix::buildColourPage(QWidget* page) {
    auto* grid = static_cast<QGridLayout*>(page->layout());
    // The step colour offsets.
    grid->addWidget(new QLabel(QStringLiteral("Offset"), page), 2, 0);
    upDownOffset = new QSpinBox(page);
    upDownOffset->setObjectName(QStringLiteral("upDownOffset"));
    upDownOffset->setRange(0, 360);
    connect(upDownOffset, &QSpinBox::valueChanged, this, [this](int v) {
        if (!refreshing) e.setOffset(v);
    });
    grid->addWidget(upDownOffset, 2, 1);
    txtOffset2 = lineBox(page, "txtOffset2", 4);
    connect(txtOffset2, &QLineEdit::editingFinished, this, [this] {
        if (!refreshing && txtOffset2->text() != e.txtOffset2) e.setOffset2(txtOffset2->text());
    });
    grid->addWidget(txtOffset2, 2, 2);
    upDownOffset2 = new QSpinBox(page);
    upDownOffset2->setObjectName(QStringLiteral("upDownOffset2"));
    upDownOffset2->setRange(0, 360);
    connect(upDownOffset2, &QSpinBox::valueChanged, this, [this](int v) {
        if (!refreshing) e.setOffset2(QString::number(v));
    });
    grid->addWidget(upDownOffset2, 2, 3);

    // The gradient editor.
    fraPointer = new GradientBar(e, page);
    mnuPointer = new QMenu(QStringLiteral("Pointer"), fraPointer);
    mnuPointer->setObjectName(QStringLiteral("mnuPointer"));
    QAction* remove = mnuPointer->addAction(QStringLiteral("Delete"));
    remove->setObjectName(QStringLiteral("mnuDelete"));
    connect(remove, &QAction::triggered, this, [this] { e.deletePointer(); });
    fraPointer->menu = mnuPointer;
    grid->addWidget(fraPointer, 3, 0, 1, 3);
    cboPointers = new QComboBox(page);
    cboPointers->setObjectName(QStringLiteral("cboPointers"));
    cboPointers->setEditable(true);
    for (int i = 1; i <= GradientEditor::maxSnapCount; ++i) cboPointers->addItem(QString::number(i));
    cboPointers->setValidator(new QIntValidator(0, 99, cboPointers));
    cboPointers->setCurrentText(QString::number(e.editor.intSnapCount));
    // Only typing changes the marks; picking an entry shows its text until the next keystroke.
    connect(cboPointers->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& t) {
        e.editor.typeSnapCount(t);
        fraPointer->update();
    });
    grid->addWidget(cboPointers, 3, 3);

    // The colour pickers.
    auto* pickers = new QGroupBox(page);
    auto* p = new QGridLayout(pickers);
    const char* labels[] = {"R :", "G :", "B :"};
    for (int i = 0; i < 3; ++i) {
        p->addWidget(new QLabel(QString::fromLatin1(labels[i]), pickers), i, 0);
        hscrColor[i] = new QSlider(Qt::Horizontal, pickers);
        hscrColor[i]->setObjectName(QStringLiteral("hscrColor%1").arg(i));
        hscrColor[i]->setRange(0, 255);
        connect(hscrColor[i], &QSlider::valueChanged, this, [this, i](int v) {
            if (!refreshing) e.setSlider(i, v);
        });
        p->addWidget(hscrColor[i], i, 1);
        txtColorDec[i] = lineBox(pickers, "txtColorDec", 3);
        txtColorDec[i]->setObjectName(QStringLiteral("txtColorDec%1").arg(i));
        txtColorDec[i]->setValidator(new QIntValidator(0, 999, txtColorDec[i]));
        connect(txtColorDec[i], &QLineEdit::textEdited, this, [this, i](const QString& t) { e.colourBoxTyped(i, t); });
        p->addWidget(txtColorDec[i], i, 2);
    }
    PicColorPicker = new ColourBox(pickers, "PicColorPicker", shadesTip);
    PicColorPicker->setMouseTracking(true);
    PicColorPicker->moved = [this](QMouseEvent* ev) {
        PicColorPicker->setCursor(Qt::CrossCursor);
        e.pickedColour(screenColour(ev->globalPosition().toPoint()));
    };
    PicColorPicker->released = [this](QMouseEvent* ev) {
        PicColorPicker->unsetCursor();
        e.pickReleased(buttonOf(ev->button()));
        // A release over the swatch completes a click: its own colour dialog.
        if (PicColorPicker->rect().contains(ev->position().toPoint())) e.PicColorPicker_Click();
    };
    p->addWidget(PicColorPicker, 0, 3, 3, 1);
    pctColorPalette = new ColourBox(pickers, "pctColorPalette");
    pctColorPalette->setMouseTracking(true);
    pctColorPalette->moved = [this](QMouseEvent* ev) {
        pctColorPalette->setCursor(Qt::CrossCursor);
        if (ev->buttons() & Qt::LeftButton) e.pickedColour(screenColour(ev->globalPosition().toPoint()));
    };
    pctColorPalette->released = [this](QMouseEvent* ev) {
        pctColorPalette->unsetCursor();
        e.pickReleased(buttonOf(ev->button()));
    };
    p->addWidget(pctColorPalette, 3, 0, 1, 4);
    imgColorPalette = new ColourBox(pickers, "imgColorPalette");
    imgColorPalette->setPicture(colourStrip());
    imgColorPalette->setMouseTracking(true);
    imgColorPalette->moved = [this](QMouseEvent* ev) {
        imgColorPalette->setCursor(Qt::CrossCursor);
        e.pickedColour(screenColour(ev->globalPosition().toPoint()));
    };
    p->addWidget(imgColorPalette, 4, 0, 1, 4);
    lblPickerNote = new QLabel(pickers);
    lblPickerNote->setObjectName(QStringLiteral("lblPickerNote"));
    lblPickerNote->setWordWrap(true);
    lblPickerNote->hide();
    p->addWidget(lblPickerNote, 5, 0, 1, 4);
    grid->addWidget(pickers, 4, 0, 1, 4);
}

void frmBrumalMatrix::buildPictureOptions(QWidget* frames) {
    auto* layout = static_cast<QGridLayout*>(frames->layout());
    layout->addWidget(new QLabel(QStringLiteral("Background Color"), frames), 4, 0);
    PictureBackGroundColor = new ColourBox(frames, "PictureBackGroundColor", shadesTip);
    PictureBackGroundColor->released = [this](QMouseEvent*) { e.chooseBoxColour(ColourBoxId::EffectBackground); };
    layout->addWidget(PictureBackGroundColor, 4, 1);
    const char* captions[] = {"Rotate Clockwise", "Rotate Anti-Clockwise", "No Rotation"};
    for (int i = 0; i < 3; ++i) {
        optRotate[i] = new QRadioButton(QString::fromLatin1(captions[i]), frames);
        optRotate[i]->setObjectName(QStringLiteral("optRotate%1").arg(i));
        connect(optRotate[i], &QRadioButton::clicked, this, [this, i] {
            readBoxes();
            e.optRotate_Click(i);
        });
        layout->addWidget(optRotate[i], 5 + i, 0, 1, 2);
    }
}

void frmBrumalMatrix::connectPainting() {
    PicMatrix->moved = [this](QPointF at, Qt::MouseButtons buttons) { e.paintMoved(at.x(), at.y(), heldButton(buttons)); };
    PicMatrix->releasedButton = [this](QPointF at, Qt::MouseButton b) { e.paintReleased(at.x(), at.y(), buttonOf(b)); };

    auto* soundColours = static_cast<QHBoxLayout*>(frmSoundToMatrix->layout());
    soundColours->addWidget(new QLabel(QStringLiteral("Front Color"), frmSoundToMatrix));
    pctFrontColor = new ColourBox(frmSoundToMatrix, "pctFrontColor", shadesTip);
    pctFrontColor->released = [this](QMouseEvent*) { e.chooseBoxColour(ColourBoxId::FrontColour); };
    soundColours->addWidget(pctFrontColor);
    soundColours->addWidget(new QLabel(QStringLiteral("BackGround Color"), frmSoundToMatrix));
    pctBackColor = new ColourBox(frmSoundToMatrix, "pctBackColor", shadesTip);
    pctBackColor->released = [this](QMouseEvent*) { e.chooseBoxColour(ColourBoxId::BackColour); };
    soundColours->addWidget(pctBackColor);
}

int32_t frmBrumalMatrix::screenColour(QPoint global) {
    QImage pixel;
    // The console's own windows are read directly (any display server allows that).
    if (QWidget* under = QApplication::widgetAt(global))
        pixel = under->grab(QRect(under->mapFromGlobal(global), QSize(1, 1))).toImage();
    if (pixel.isNull())
        if (QScreen* screen = QGuiApplication::screenAt(global)) {
            const QPoint local = global - screen->geometry().topLeft();
            pixel = screen->grabWindow(0, local.x(), local.y(), 1, 1).toImage();
        }
    if (pixel.isNull() || pixel.width() < 1) {
        lblPickerNote->setText(QStringLiteral("The screen cannot be read here: the display refuses to give the colour "
                                              "under the cursor."));
        lblPickerNote->show();
        return -1;
    }
    lblPickerNote->hide();
    const QRgb c = pixel.pixel(0, 0);
    return modGradient::joinRGB(qRed(c), qGreen(c), qBlue(c));
}

void frmBrumalMatrix::gradientChanged() {
    if (fraPointer) fraPointer->update();
}

void frmBrumalMatrix::refreshPages() {
    if (TxtMsg->text() != e.text.TxtMsg) TxtMsg->setText(e.text.TxtMsg);
    TxtFont->setText(e.TxtFont);
    TxtSize->setText(e.TxtSize);
    TxtMsg->setFont(e.text.font);
    ChkNegrita->setChecked(e.text.font.bold());
    ChkItalic->setChecked(e.text.font.italic());
    CboConv->setCurrentIndex(e.text.CboConv);
    PicColorIni->setColour(e.text.textColour);
    PicBackGroundColor->setColour(e.text.backgroundColour);
    HSOffset->setValue(e.text.HSOffset);
    const std::pair<QPushButton*, bool> arrows[] = {
        {cLeft, e.text.cLeft}, {cUp, e.text.cUp}, {cRight, e.text.cRight}, {cDown, e.text.cDown}};
    for (const auto& [b, on] : arrows) highlight(b, on ? BrumalMatrixEngine::selected : 16576);

    upDownOffset->setMaximum(std::max(0, e.offsetMaximum));
    upDownOffset->setValue(e.upDownOffset);
    if (txtOffset2->text() != e.txtOffset2) txtOffset2->setText(e.txtOffset2);
    upDownOffset2->setValue(int(BrumalMatrixEngine::value(e.txtOffset2)));

    for (int i = 0; i < 3; ++i) {
        hscrColor[i]->setValue(e.hscrColor[i]);
        if (txtColorDec[i]->text() != e.txtColorDec[i]) txtColorDec[i]->setText(e.txtColorDec[i]);
    }
    PicColorPicker->setColour(e.pickerColour);
    PictureBackGroundColor->setColour(e.backgroundColor);
    pctFrontColor->setColour(e.frontColor);
    pctBackColor->setColour(e.backColor);
    optRotate[std::clamp(e.optRotate, 0, 2)]->setChecked(true);
    // The palette picture shows the colour strip with the image effect.
    if (e.effect == BrumalMatrixEngine::Effect::Image) pctColorPalette->setPicture(colourStrip());
    fraPointer->update();
}
