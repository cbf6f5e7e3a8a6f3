#include "presets/ui/frmPalettes.h"

#include "platform/prompts.h"
#include "presets/presetsEngine.h"
#include "presets/ui/paletteLiveControls.h"
#include "presets/ui/paletteWindowService.h"
#include "shell/libParsePath.h"
#include "shell/services/consoleService.h"
#include "shell/services/mastersService.h"
#include "shell/services/patchService.h"
#include "shell/services/playbackService.h"
#include "shell/services/shortcutsService.h"
#include "shell/shell.h"
#include "shell/ui/programWindows.h"
#include "shell/ui/windowRegistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QVBoxLayout>
#include <stdexcept>

namespace {

constexpr int twipsPerPixel = 15;
constexpr int32_t orange = 0x80FF, white = 0xFFFFFF, yellow = 0xFFFF, green = 0xFF00;

int px(int32_t twips) { return twips / twipsPerPixel; }
QString cssColour(int32_t bgr) {
    return QStringLiteral("rgb(%1,%2,%3)").arg(bgr & 255).arg((bgr >> 8) & 255).arg((bgr >> 16) & 255);
}

} // namespace

// ---- A page button ---------------------------------------------------------------------------------

PaletteButton::PaletteButton(int index, QWidget* page) : QFrame(page), index_(index) {
    setObjectName(QStringLiteral("preset%1").arg(index));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    face = new QLabel(this);
    face->setObjectName(QStringLiteral("imgProperty%1").arg(index));
    face->setAlignment(Qt::AlignCenter);
    face->setWordWrap(true);
    layout->addWidget(face);
    setFixedSize(px(palettePage::buttonSize + 50), px(palettePage::buttonSize + 50));
    setBorder(orange, 3);
}

void PaletteButton::setBorder(int32_t colour, int width) {
    colour_ = colour;
    width_ = width;
    setStyleSheet(QStringLiteral("PaletteButton#%1 { border: %2px solid %3; }").arg(objectName()).arg(width).arg(cssColour(colour)));
}

void PaletteButton::placeAt(int32_t leftTwips, int32_t topTwips) {
    left_ = leftTwips;
    top_ = topTwips;
    move(px(leftTwips - 25), px(topTwips - 25));
}

void PaletteButton::showLook(const QString& caption) {
    const palettePage::ButtonLook look = palettePage::lookOf(caption);
    const QString name = face->objectName();
    switch (look.look) {
    case palettePage::Look::unchanged: break;
    case palettePage::Look::colour:
        face->setText(QString());
        face->setStyleSheet(QStringLiteral("QLabel#%1 { background: %2; }").arg(name, cssColour(look.colour)));
        break;
    case palettePage::Look::bitmap:
    case palettePage::Look::icon: {
        QPixmap picture;
        if (!look.picture.isEmpty() && picture.load(look.picture)) {
            face->setPixmap(picture.scaled(face->size(), Qt::KeepAspectRatio));
        } else {
            face->setText(caption);
            face->setStyleSheet(QStringLiteral("QLabel#%1 { color: white; background: black; }").arg(name));
        }
        break;
    }
    case palettePage::Look::text:
        face->setText(caption);
        face->setStyleSheet(QStringLiteral("QLabel#%1 { color: white; background: black; }").arg(name));
        break;
    }
}

void PaletteButton::mousePressEvent(QMouseEvent* e) { emit pressed(index_, e->button(), e->modifiers()); }
void PaletteButton::mouseReleaseEvent(QMouseEvent* e) { emit released(index_, e->button()); }

// ---- The window ------------------------------------------------------------------------------------

frmPalettes::frmPalettes() {
    setObjectName(QStringLiteral("frmPalettes"));
    setWindowTitle(QStringLiteral("Control Palette"));
    setWindowFlag(Qt::Tool, true);
    auto* outer = new QVBoxLayout(this);

    menuBar = new QMenuBar(this);
    clkPresetMenu = menuBar->addMenu(QStringLiteral("Preset Menu"));
    connect(clkPresetMenu->addAction(QStringLiteral("Add Preset on Current Palette From CURRENT Look")),
            &QAction::triggered, this, [this] { clkAddPreset_Click(); });
    connect(clkPresetMenu->addAction(QStringLiteral("Re-Generate Palette Presets from Current Fixture Profile Information")),
            &QAction::triggered, this, [this] { clkCreatePalettesFiles_Click(); });
    connect(clkPresetMenu->addAction(QStringLiteral("Re-Create all assigned Sequences With updated Palete Preset information")),
            &QAction::triggered, this, [] { shell().console().clkRefreshSequences_Click(); });
    showPresetDataAction = clkPresetMenu->addAction(QStringLiteral("Show Preset Data List"));
    showPresetDataAction->setCheckable(true);
    connect(showPresetDataAction, &QAction::triggered, this, [this] { clkShowPresetDataList_Click(); });
    outer->setMenuBar(menuBar);

    auto* tabsGrid = new QGridLayout;
    tabsGrid->setSpacing(2);
    const auto& table = palettePage::tabs();
    for (size_t i = 0; i < table.size(); ++i) {
        auto* b = new QPushButton(QString::fromLatin1(table[i].caption), this);
        b->setObjectName(QLatin1String(table[i].control));
        tabButtons[i] = b;
        tabsGrid->addWidget(b, int(i / 8), int(i % 8));
        connect(b, &QPushButton::clicked, this, [this, i] { openTab(int(i)); });
        b->installEventFilter(this);
    }
    tabButtons[14]->setText(palettePage::userTabCaption());
    outer->addLayout(tabsGrid);

    scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("paletteScroll"));
    page = new QWidget;
    page->setObjectName(QStringLiteral("palettePage"));
    page->setMouseTracking(true);
    page->installEventFilter(this);
    scroll->setWidget(page);
    scroll->setWidgetResizable(false);
    outer->addWidget(scroll, 1);

    createNew = new PaletteButton(0, page);
    createNew->face->setText(QStringLiteral("Create New  Preset"));
    createNew->setToolTip(QStringLiteral("Create New  Preset"));
    createNew->placeAt(palettePage::templateLeft, palettePage::templateTop);
    connect(createNew, &PaletteButton::pressed, this, &frmPalettes::imgProperty_MouseDown);

    vsldrAdjust = new QSlider(Qt::Horizontal, page);
    vsldrAdjust->setObjectName(QStringLiteral("vsldrAdjust"));
    vsldrAdjust->setFixedWidth(px(palettePage::buttonSize) * 3);
    lblPercentage = new QLabel(QStringLiteral("100%"), page);
    lblPercentage->setObjectName(QStringLiteral("lblPercentage"));
    lblPropertyName = new QLabel(QStringLiteral("Color"), page);
    lblPropertyName->setObjectName(QStringLiteral("lblPropertyName"));
    for (QWidget* w : {static_cast<QWidget*>(vsldrAdjust), static_cast<QWidget*>(lblPercentage),
                       static_cast<QWidget*>(lblPropertyName)})
        w->hide();
    connect(vsldrAdjust, &QSlider::valueChanged, this, [this] { vsldrAdjust_Scroll(); });
    connect(vsldrAdjust, &QSlider::sliderReleased, this, [this] {
        vsldrAdjust->hide();
        lblPercentage->hide();
        lblPropertyName->hide();
    });

    outerLayout = outer;
    auto* bottom = new QHBoxLayout;
    Init = new QPushButton(QStringLiteral("Init"), this);
    release = new QPushButton(QStringLiteral("Release"), this);
    btnReleaseToInit = new QPushButton(QStringLiteral("Release Fixture to Init"), this);
    LampOn = new QPushButton(QStringLiteral("Lamp On"), this);
    LampOff = new QPushButton(QStringLiteral("Lamp Off"), this);
    const int stretch[] = {4, 2, 2, 1, 1};
    int k = 0;
    for (QPushButton* b : {Init, release, btnReleaseToInit, LampOn, LampOff}) {
        b->setObjectName(QStringList{"Init", "release", "btnReleaseToInit", "LampOn", "LampOff"}[k]);
        b->setEnabled(false);
        b->setToolTip(QStringLiteral("Live attribute control is not built yet"));
        bottom->addWidget(b, stretch[k++]);
    }
    outer->addLayout(bottom);

    clkPresetMenuButton = new QMenu(QStringLiteral("Preset Menu Button"), this);
    connect(clkPresetMenuButton->addAction(QStringLiteral("Delete Preset")), &QAction::triggered, this,
            [this] { clkDeletePreset_Click(); });
    connect(clkPresetMenuButton->addAction(QStringLiteral("Re-Save Preset USING Current Look")), &QAction::triggered,
            this, [this] { clkPresetCurrentLook_Click(); });
    connect(clkPresetMenuButton->addAction(QStringLiteral("Change/Edit  Preset Representation")), &QAction::triggered,
            this, [this] { clkChangePresetrepresetation_Click(); });
    connect(clkPresetMenuButton->addAction(QStringLiteral("Create Button From This Preset")), &QAction::triggered, this,
            [this] { clkCreateButtonFromPreset_Click(); });
    connect(clkPresetMenuButton->addAction(QStringLiteral("Move Preset Position")), &QAction::triggered, this,
            [this] { clkMovePresetPosition_Click(); });
    connect(clkPresetMenuButton->addAction(QStringLiteral("Reset Preset Button Positions")), &QAction::triggered, this,
            [this] { clkResetPresetPositions_Click(); });
    connect(clkPresetMenuButton->addAction(QStringLiteral("Auto Regenerate All Presets from Fixture Profile Information")),
            &QAction::triggered, this, [this] { clkCreatePalettesFiles_Click(); });
    clkTabMenu = new QMenu(QStringLiteral("Tab Menu"), this);
    connect(clkTabMenu->addAction(QStringLiteral("Rename Tab")), &QAction::triggered, this, [this] { clkRenameTab_Click(); });
    makePageMenus();

    markTab(-1);
    if (PaletteLiveControls* live = liveControls()) live->attach(*this);
}

frmPalettes::~frmPalettes() {
    if (PaletteLiveControls* live = liveControls()) live->detach(*this);
}

PaletteLiveControls* frmPalettes::liveControls() {
    auto* service = dynamic_cast<PaletteWindowService*>(&shell().presets());
    return service ? service->liveControls() : nullptr;
}

void frmPalettes::addStripAboveButtons(QWidget* strip) {
    // Below the page, above the bottom button row (the last item).
    outerLayout->insertWidget(outerLayout->count() - 1, strip);
}

int32_t frmPalettes::pageWidthTwips() const { return std::max(scroll->viewport()->width(), 200) * twipsPerPixel; }

PresetsEngine& frmPalettes::engine() {
    // The window belongs to the presets service, which is a PresetsEngine.
    return static_cast<PresetsEngine&>(shell().presets());
}

void frmPalettes::placeBelowTopBar() {
    int top = 0;
    for (QWidget* w : windows().loadedForms())
        if (w->objectName() == QLatin1String("frmTop") && w->isVisible()) top = w->frameGeometry().bottom() + 1;
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 800);
    resize(std::max(minimumSizeHint().width(), area.width() - int(area.width() * 0.505)),
           std::max(minimumSizeHint().height(), area.height() / 2));
    move(area.left(), std::max(top, area.top()));
}

// ---- Tabs ------------------------------------------------------------------------------------------

void frmPalettes::markTab(int index) {
    marked = index;
    for (size_t i = 0; i < tabButtons.size(); ++i) {
        const bool on = int(i) == index;
        tabButtons[i]->setStyleSheet(QStringLiteral("QPushButton#%1 { background: %2; color: white; }")
                                         .arg(tabButtons[i]->objectName(), on ? QStringLiteral("#ff0000")
                                                                              : QStringLiteral("#404040")));
    }
    vsldrAdjust->hide();
    lblPercentage->hide();
    lblPropertyName->hide();
    scroll->verticalScrollBar()->setValue(0);
}

void frmPalettes::openTab(int index) {
    const palettePage::Tab& tab = palettePage::tabs()[size_t(index)];
    markTab(index);
    paletteCurrentlyActive = QLatin1String(tab.pageName);
    engine().paletteCurrentlyActive = paletteCurrentlyActive;
    folder.clear();
    if (!palettePage::isPresetTab(index)) {
        clearPalettePage();
        openSpecialPage(index);
        if (PaletteLiveControls* live = liveControls()) {
            if (index == fadersTab)
                live->showFaders();
            else
                live->pageBuilt();
        }
        return;
    }
    const QString show = libParsePath::ParsePath(shell().state.showFileName, 4);
    QString part;
    if (index != 13) part = engine().setFilenameToLoadPresets(QLatin1String(tab.folder));
    const QString wanted = QStringLiteral("Palettes\\") + show + part;
    const QString path = shell().programPath(wanted.endsWith(QLatin1Char('\\')) ? wanted.chopped(1) : wanted);
    if (show.isEmpty()) {
        clearPalettePage();
        return;
    }
    if (!QFileInfo(path).isDir()) {
        // The show's palette folders are made at once (and the Color tab
        // generates the presets): the only answer the operator could usefully
        // give to a question here.
        if (index == 0)
            engine().regeneratePalettes();
        else
            engine().makePalleteDirectories();
        if (!QFileInfo(path).isDir()) {
            clearPalettePage();
            return;
        }
    }
    folder = path;
    buildPresetPage(false);
}

void frmPalettes::clkRenameTab_Click() {
    const QString answer = shell().prompts().inputBox(QStringLiteral("Please enter name for Current TAB"),
                                                      QStringLiteral("Rename Tab"), QString());
    const int index = palettePage::tabIndex(clickedTabName);
    if (answer.isEmpty() || index < 0) return;
    tabButtons[size_t(index)]->setText(answer);
    palettePage::renameTab(clickedTabName, answer);
}

bool frmPalettes::eventFilter(QObject* watched, QEvent* event) {
    if (watched == page) {
        if (event->type() == QEvent::MouseMove) {
            const auto* e = static_cast<QMouseEvent*>(event);
            pageMouseMove(int32_t(e->position().x()) * twipsPerPixel, int32_t(e->position().y()) * twipsPerPixel);
        } else if (event->type() == QEvent::MouseButtonPress) {
            pageMousePress(static_cast<QMouseEvent*>(event)->button());
        }
        return false;
    }
    // A press on the Matrix or user tab with the right button offers the tab menu.
    if (event->type() == QEvent::MouseButtonPress &&
        (watched == tabButtons[13] || watched == tabButtons[14])) {
        const auto* e = static_cast<QMouseEvent*>(event);
        const int index = watched == tabButtons[13] ? 13 : 14;
        openTab(index);
        clickedTabName = tabButtons[size_t(index)]->objectName();
        if (e->button() == Qt::RightButton) clkTabMenu->popup(e->globalPosition().toPoint());
        return e->button() != Qt::LeftButton;
    }
    return QWidget::eventFilter(watched, event);
}

// ---- The page --------------------------------------------------------------------------------------

void frmPalettes::clearPalettePage() {
    if (PaletteLiveControls* live = liveControls()) live->pageCleared();
    // A press on a button may rebuild its own page: the old buttons go once it has returned.
    for (PaletteButton* b : presetButtons) {
        b->hide();
        b->disconnect(this);
        b->deleteLater();
    }
    presetButtons.clear();
    model.clear();
    pageButtons.clear();
    movingPresetIndex = 0;
    vsldrAdjust->hide();
    lblPercentage->hide();
    lblPropertyName->hide();
    createNew->setVisible(palettePage::isPresetTab(marked));
    page->resize(scroll->viewport()->size());
}

palettePage::Selection frmPalettes::selection() const {
    palettePage::Selection s;
    s.fixtureCount = shell().state.fixtureCount;
    s.isSelected = [](int32_t f) { return shell().patch().isSelected(f); };
    s.isColourMixer = [](int32_t f) {
        const TruthArray& mixers = shell().state.fixtureIsColourMixer;
        return size_t(f) < mixers.size() && mixers[size_t(f)] != 0;
    };
    return s;
}

void frmPalettes::buildPresetPage(bool refreshOnly) {
    (void)refreshOnly; // a refresh lays the page out again, so new and changed files show at once
    if (folder.isEmpty()) return;
    clearPalettePage();
    setEnabled(false);
    const int32_t widthTwips = std::max(scroll->viewport()->width(), 200) * twipsPerPixel;
    palettePage::BuildResult built = palettePage::buildPresetPage(folder, selection(), marked == 0, widthTwips);
    for (const QString& bad : built.skipped) qWarning("preset file left off its page: %s", qPrintable(bad));
    model = std::move(built.buttons);
    QRect extent = createNew->geometry();
    for (size_t i = 0; i < model.size(); ++i) {
        auto* b = new PaletteButton(int(i) + 1, page);
        presetButtons.push_back(b);
        connect(b, &PaletteButton::pressed, this, &frmPalettes::imgProperty_MouseDown);
        connect(b, &PaletteButton::released, this, &frmPalettes::imgProperty_MouseUp);
        const palettePage::PresetButton& m = model[i];
        if (!m.applies) {
            b->hide();
            continue;
        }
        b->setToolTip(m.presetName);
        b->placeAt(m.left, m.top);
        b->showLook(m.caption);
        b->show();
        extent = extent.united(b->geometry());
    }
    page->resize(std::max(extent.right() + 20, scroll->viewport()->width()),
                 std::max(extent.bottom() + 60, scroll->viewport()->height()));
    createNew->show();
    updateCurrentActivePalettePreset();
    setEnabled(true);
    if (PaletteLiveControls* live = liveControls()) live->pageBuilt();
}

void frmPalettes::refreshButtons() {
    if (!isVisible()) return;
    if (palettePage::isPresetTab(marked))
        buildPresetPage(true);
    else if (PaletteLiveControls* live = liveControls())
        live->selectionChanged();
    if (marked == 8) highlightSelectedGroups(QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier);
    if (marked == 15) buildLivePage();
}

PaletteButton* frmPalettes::buttonAt(int index) const {
    if (index == 0) return createNew;
    return index >= 1 && size_t(index) <= presetButtons.size() ? presetButtons[size_t(index) - 1] : nullptr;
}

void frmPalettes::updateCurrentActivePalettePreset() {
    if (!shell().masters().programingMode()) return;
    if (marked != 0 && marked != 1 && marked != 3 && marked != 4 && marked != 7) return;
    std::vector<QString> names;
    for (size_t i = 0; i < presetButtons.size(); ++i) {
        PaletteButton* b = presetButtons[i];
        if (b->borderColour() != orange && b->borderColour() != yellow) b->setBorder(orange, 3);
        names.push_back(b->toolTip());
    }
    const int32_t current = shell().state.currentPlayback;
    const SharedEvents events = engine().playbackInstance(current).myEventCollection;
    for (const size_t i : palettePage::activePresets(names, *events, shell().playback().returnCurrentStep(current)))
        presetButtons[i]->setBorder(green, 4);
}

// ---- Presses ---------------------------------------------------------------------------------------

void frmPalettes::imgProperty_MouseDown(int index, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    try {
        if (pagePress(index, button, modifiers)) return;
        PaletteButton* b = buttonAt(index);
        if (!b) return;
        const QString tag = index == 0 || size_t(index) > model.size() ? QString() : model[size_t(index) - 1].presetName;
        lastPresetPath = clsPalettePreset::presetPath(engine().myPaletteCls.currentTypeName, libParsePath::ParsePath(tag, 4));
        lastPresetIndex = index;
        movingPresetIndex = 0;
        if (index == 0) {
            clkAddPreset_Click();
            return;
        }
        engine().releaseAllHighlight(0);
        shell().patch().getOutOfHighLightForPresetSave();
        setupPresetAdjust(index);
        if (button != Qt::LeftButton) {
            clkPresetMenuButton->popup(QCursor::pos());
            return;
        }
        b->setBorder(white, b->borderWidth());
        QString name = tag;
        int32_t alias = shell().state.currentPlayback;
        shell().playback().setPlaybackAlias(name, alias, paletteCurrentlyActive);
        engine().executePreset(name, -1, false);
        shell().playback().pressRecordInLiveMode(shell().state.currentPlayback);
    } catch (const std::exception& e) {
        shell().prompts().messageBox(QStringLiteral("Error in Preset : ") + QString::fromStdString(e.what()));
    }
}

void frmPalettes::imgProperty_MouseUp(int index, Qt::MouseButton button) {
    PaletteButton* b = buttonAt(index);
    if (!b) return;
    // A group's frame stays as its press left it (yellow: selected).
    if (button == Qt::LeftButton && marked != 8) b->setBorder(orange, b->borderWidth());
    updateCurrentActivePalettePreset();
}

// ---- Fine adjust -----------------------------------------------------------------------------------

bool frmPalettes::setupPresetAdjust(int index) {
    if (marked == 7) return false; // position presets have no fine adjust
    PaletteButton* b = buttonAt(index);
    if (!b || index == 0) return false;
    QString name = model[size_t(index) - 1].presetName;
    std::optional<PresetRange> range;
    try {
        range = engine().myPaletteCls.mouseWheelProperties(name);
    } catch (const std::exception&) {
        range.reset();
    }
    const PresetRange r = range.value_or(PresetRange{});
    const bool wide = r.MAX - r.min >= 1;
    const QSignalBlocker quiet(vsldrAdjust);
    vsldrAdjust->setRange(wide ? r.min : 0, wide ? r.MAX : 255);
    vsldrAdjust->setValue(vsldrAdjust->minimum());
    vsldrAdjust->setProperty("presetIndex", index);
    vsldrAdjust->move(px(b->leftTwips()), px(b->topTwips() + palettePage::buttonSize) + 4);
    lblPercentage->move(vsldrAdjust->x(), vsldrAdjust->y() + vsldrAdjust->sizeHint().height());
    lblPercentage->setText(QString::number(palettePage::adjustPercentage(vsldrAdjust->value(), vsldrAdjust->minimum(),
                                                                         vsldrAdjust->maximum())) +
                           QLatin1Char('%'));
    lblPercentage->adjustSize();
    lblPropertyName->setText(name);
    lblPropertyName->adjustSize();
    lblPropertyName->move(lblPercentage->x() + lblPercentage->width() + 4, lblPercentage->y());
    for (QWidget* w : {static_cast<QWidget*>(vsldrAdjust), static_cast<QWidget*>(lblPercentage),
                       static_cast<QWidget*>(lblPropertyName)}) {
        w->show();
        w->raise();
    }
    return wide;
}

void frmPalettes::vsldrAdjust_Scroll() {
    const int index = vsldrAdjust->property("presetIndex").toInt();
    if (index < 1 || size_t(index) > model.size()) return;
    QString name = model[size_t(index) - 1].presetName;
    engine().executePreset(name, vsldrAdjust->value(), false);
    lblPercentage->setText(QString::number(palettePage::adjustPercentage(vsldrAdjust->value(), vsldrAdjust->minimum(),
                                                                         vsldrAdjust->maximum())) +
                           QLatin1Char('%'));
    lblPercentage->adjustSize();
}

// ---- Placing buttons -------------------------------------------------------------------------------

void frmPalettes::setPresetButtonsEnabled(bool enabled) {
    // A disabled button lets the page have its mouse events.
    for (PaletteButton* b : presetButtons) b->setAttribute(Qt::WA_TransparentForMouseEvents, !enabled);
}

void frmPalettes::clkMovePresetPosition_Click() {
    movingPresetIndex = lastPresetIndex;
    setPresetButtonsEnabled(false);
}

void frmPalettes::pageMouseMove(int32_t xTwips, int32_t yTwips) {
    if (movingPresetIndex <= 0) return;
    PaletteButton* b = buttonAt(movingPresetIndex);
    if (!b) return;
    b->placeAt(palettePage::snapToGrid(xTwips), palettePage::snapToGrid(yTwips));
}

void frmPalettes::pageMousePress(Qt::MouseButton button) {
    if (button != Qt::LeftButton || movingPresetIndex < 1) return;
    setPresetButtonsEnabled(true);
    PaletteButton* b = buttonAt(movingPresetIndex);
    if (b && !folder.isEmpty())
        palettePage::savePresetPosition(folder, model[size_t(movingPresetIndex) - 1].presetName, b->topTwips(),
                                        b->leftTwips());
    movingPresetIndex = 0;
}

void frmPalettes::clkResetPresetPositions_Click() {
    const int answer = shell().prompts().messageBox(
        QStringLiteral("Are you sure you want to Reset the Preset Button Positions. This action will reset all button "
                       "positions."),
        msgBox::OKCancel);
    if (answer != msgBox::OK || folder.isEmpty()) return;
    if (palettePage::resetPresetPositions(folder)) refreshButtons();
}

// ---- Menu commands ---------------------------------------------------------------------------------

void frmPalettes::clkDeletePreset_Click() {
    if (lastPresetPath.isEmpty() || lastPresetIndex < 1) return;
    // To the desktop's trash, so a preset deleted by mistake can be taken back.
    QFile::moveToTrash(lastPresetPath);
    buildPresetPage(false);
}

void frmPalettes::clkCreateButtonFromPreset_Click() {
    Shell& s = shell();
    s.state.currentPlayback = 1;
    s.playback().clearSequenceInChaser(1);
    imgProperty_MouseDown(lastPresetIndex, Qt::LeftButton, Qt::NoModifier);
    s.playback().pressRecord(s.state.currentPlayback, true);
    s.shortcuts().showSequenceProperties(s.state.currentPlayback);
}

void frmPalettes::clkCreatePalettesFiles_Click() {
    const int answer = shell().prompts().messageBox(
        QStringLiteral(" Press 'Yes' to DELETE All current presets And regenrate presets from curretly loaded Fixture "
                       "Profiles. To ONLY REFRESH Current Presets Press 'No' "),
        msgBox::YesNoCancel);
    createPalletes(QString::number(answer));
}

void frmPalettes::createPalletes(const QString& answer) {
    if (answer == QString::number(msgBox::Cancel)) return;
    frmWorkingDialog& working = form<frmWorkingDialog>();
    working.show();
    working.setCaption(QStringLiteral("Working....... Please Wait"));
    folder.clear();
    if (answer == QString::number(msgBox::Yes)) engine().myPaletteCls.deletePalleteDirectories();
    engine().regeneratePalettes();
    cmdColor_Click();
    unloadForm<frmWorkingDialog>();
}
