// The profile editor window: its controls, menus and library list, and the
// routing of key, mouse and focus events to the handlers (which live in
// lightEditorFiles.cpp and lightEditorChannels.cpp).
#include "profiles/ui/Light_Editor.h"

#include "profiles/ClsFixture.h"
#include "profiles/channelTypes.h"
#include "profiles/profileEditorSession.h"
#include "profiles/ui/lightEditorParts.h"
#include "platform/paths.h"
#include "platform/tickTimer.h"
#include "shell/libParsePath.h"
#include "shell/shell.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

using namespace lightEditorParts;

namespace {

// Key codes as the handlers compare them (digits 48..57, pad digits 96..105,
// Tab 9, Enter 13, letters 65..90).
int keyCodeOf(const QKeyEvent* e) {
    const int k = e->key();
    if (k >= Qt::Key_0 && k <= Qt::Key_9) return (e->modifiers() & Qt::KeypadModifier) ? 96 + (k - Qt::Key_0) : k;
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return k;
    switch (k) {
    case Qt::Key_Tab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Minus: return 189;
    case Qt::Key_Period: return 190;
    case Qt::Key_Shift: return 16;
    default: return 0;
    }
}

} // namespace

Light_Editor::Light_Editor(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Fixture Editor"));
    setObjectName(QStringLiteral("Light_Editor"));
    auto* central = new QWidget(this);
    setCentralWidget(central);
    resize(tw(15600), tw(10200));

    auto label = [&](const QString& text, int left, int top, int width = 1400) {
        auto* l = new QLabel(text, central);
        l->setGeometry(tw(left), tw(top), tw(width), tw(285));
        return l;
    };
    auto box = [&](int left, int top, int width, const QString& text = QString()) {
        auto* e = new QLineEdit(text, central);
        e->setGeometry(tw(left), tw(top), tw(width), tw(315));
        e->installEventFilter(this);
        return e;
    };

    label(QStringLiteral("Channels used:"), 180, 240);
    label(QStringLiteral("Fixture Name:"), 180, 660);
    txtFields[0] = box(1700, 240, 900);
    txtFields[1] = box(1700, 660, 3000);
    txtFields[1]->setStyleSheet(QStringLiteral("background-color: #e0e0e0;"));
    connect(txtFields[0], &QLineEdit::textChanged, this, [this] { txtFields_Change(0); });
    connect(txtFields[1], &QLineEdit::textChanged, this, [this] { txtFields_Change(1); });

    // Test output row.
    cmdTestProfile = new QPushButton(QStringLiteral("Test Fixture Profile"), central);
    cmdTestProfile->setGeometry(tw(180), tw(1100), tw(2000), tw(400));
    connect(cmdTestProfile, &QPushButton::clicked, this, [this] { cmdTestProfile_Click(); });
    label(QStringLiteral("On Start Channel"), 2300, 1150);
    txtStartChannel = box(3700, 1150, 700, QStringLiteral("1"));
    txtEnterDmxValue = box(4500, 1150, 700, QStringLiteral("0"));
    txtEnterDmxValue->setToolTip(QStringLiteral("DMX test Value Out. Enter a Direct DMX test Valeu Here."));
    txtEnterDmxValue->hide();

    // Channel grid.
    LoadLightGrid = new QTableWidget(central);
    LoadLightGrid->setGeometry(tw(180), tw(1845), tw(4575), tw(7320));
    LoadLightGrid->setColumnCount(2);
    LoadLightGrid->horizontalHeader()->hide();
    LoadLightGrid->verticalHeader()->hide();
    LoadLightGrid->setColumnWidth(0, tw(1800));
    LoadLightGrid->setColumnWidth(1, tw(2500));
    LoadLightGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LoadLightGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    LoadLightGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(LoadLightGrid, &QTableWidget::cellClicked, this, [this](int row, int) { LoadLightGrid_Click(row); });
    connect(LoadLightGrid->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { LoadLightGrid_Scroll(); });
    clkeditPropertyMenu = new QMenu(QStringLiteral("Edit Property Menu"), this);
    clkeditPropertyMenu->addAction(QStringLiteral("Copy Current Channels Properties"), this,
                                   [this] { clkCopyChannelProperties_Click(); });
    clkeditPropertyMenu->addAction(QStringLiteral("Paste Channel Properies in Memory"), this,
                                   [this] { clkPasteChannelProperties_Click(); });
    connect(LoadLightGrid, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (LoadLightGrid->currentRow() >= 0) clkeditPropertyMenu->popup(LoadLightGrid->viewport()->mapToGlobal(at));
    });

    // Channel type picker and custom name box.
    Combo1 = new QToolButton(central);
    Combo1->setText(QStringLiteral("Pan"));
    Combo1->setPopupMode(QToolButton::InstantPopup);
    auto* pickerMenu = new QMenu(Combo1);
    for (const QString& entry : channelTypes::pickerEntries())
        pickerMenu->addAction(entry, this, [this, entry] { Combo1_ItemClick(entry); });
    Combo1->setMenu(pickerMenu);
    Combo1->setGeometry(tw(2025), tw(1845), tw(2400), tw(300));
    txtChannelProperty = box(2025, 1845, 2500, QStringLiteral("Enter Custom Channel Name"));
    txtChannelProperty->setStyleSheet(QStringLiteral("color: grey;"));
    txtChannelProperty->hide();

    // Fixture type, icon and angles.
    Image1 = new QLabel(central);
    Image1->setGeometry(tw(5000), tw(240), tw(1500), tw(1500));
    Image1->setScaledContents(true);
    Image1->setFrameShape(QFrame::Box);
    Image1->installEventFilter(this);
    label(QStringLiteral("Fixture Type:"), 6700, 240);
    comboFixtureType = new QToolButton(central);
    comboFixtureType->setText(QStringLiteral("Select Fixture Type"));
    comboFixtureType->setPopupMode(QToolButton::InstantPopup);
    comboFixtureType->setGeometry(tw(8100), tw(240), tw(1800), tw(315));
    auto* typeMenu = new QMenu(comboFixtureType);
    int typeCount = 0;
    const auto* types = channelTypes::fixtureTypes(&typeCount);
    for (int i = 0; i < typeCount; ++i) {
        const QString name = QString::fromLatin1(types[i].name);
        typeMenu->addAction(name, this, [this, name] { comboFixtureType_ItemClick(name); });
    }
    comboFixtureType->setMenu(typeMenu);
    label(QStringLiteral("Beam Angle:"), 6700, 660);
    label(QStringLiteral("Pan Range:"), 6700, 1080);
    label(QStringLiteral("Tilt Range:"), 6700, 1500);
    txtBeamAngle = box(8100, 660, 800);
    txtPanRange = box(8100, 1080, 800);
    txtTiltRange = box(8100, 1500, 800);
    for (int top : {660, 1080, 1500}) label(QStringLiteral("Degrees"), 9000, top, 900);

    // Range editor row (placed over the selected row).
    from = box(2025, 0, 600);
    auto* toLabel = label(QStringLiteral("TO"), 2650, 0, 300);
    too = box(2950, 0, 600);
    auto* eqLabel = label(QStringLiteral("="), 3600, 0, 200);
    values = box(3800, 0, 2000);
    List1 = new QListWidget(central);
    List1->addItems(channelTypes::rangeLabelKinds());
    List1->setGeometry(tw(5850), tw(0), tw(1200), tw(900));
    connect(List1, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { List1_Click(item->text()); });
    Propindextext = box(2025, 0, 500);
    Prevprop = new QPushButton(QStringLiteral("Previous Atrribute"), central);
    Nextprop = new QPushButton(QStringLiteral("Next Atrribute"), central);
    delButton = new QPushButton(QStringLiteral("Delete"), central);
    insertButton = new QPushButton(QStringLiteral("Insert"), central);
    connect(Prevprop, &QPushButton::clicked, this, [this] { Prevprop_Click(); });
    connect(Nextprop, &QPushButton::clicked, this, [this] { Nextprop_Click(); });
    connect(delButton, &QPushButton::clicked, this, [this] { delButton_Click(); });
    connect(insertButton, &QPushButton::clicked, this, [this] { insertButton_Click(); });
    Image2 = new QLabel(central);
    Image2->setScaledContents(true);
    Shape2 = new QFrame(central);
    Shape2->setFrameShape(QFrame::Box);
    Shape2->lower();
    connect(from, &QLineEdit::textChanged, this, [this] { from_Change(); });
    connect(too, &QLineEdit::textChanged, this, [this] { too_Change(); });
    connect(values, &QLineEdit::textChanged, this, [this] { values_Change(); });
    for (QWidget* w : std::initializer_list<QWidget*>{from, toLabel, too, eqLabel, values, List1, Propindextext, Prevprop,
                                                      Nextprop, delButton, insertButton, Image2, Shape2})
        w->hide();
    toLabel->setObjectName(QStringLiteral("tolabel1"));
    eqLabel->setObjectName(QStringLiteral("tolabel0"));

    // Fixture library.
    cmdSelectManufacturer = new QToolButton(central);
    cmdSelectManufacturer->setText(QStringLiteral("Select Manufacturer"));
    cmdSelectManufacturer->setToolTip(QStringLiteral("Select the Brand Of fixture you want to patch/load here."));
    cmdSelectManufacturer->setPopupMode(QToolButton::InstantPopup);
    cmdSelectManufacturer->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    cmdSelectManufacturer->setGeometry(tw(10300), tw(240), tw(4900), tw(600));
    cmdSelectManufacturer->setMenu(new QMenu(cmdSelectManufacturer));
    fileFixture = new QListWidget(central);
    fileFixture->setToolTip(QStringLiteral("List of available Fixtures"));
    fileFixture->setGeometry(tw(10300), tw(1000), tw(4900), tw(7600));
    connect(fileFixture, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { fileFixture_Click(item->text()); });
    cmdLoadIT = new QPushButton(QStringLiteral("Select Current Fixture to Patch"), central);
    cmdLoadIT->setToolTip(QStringLiteral("Press here to Patch/load this Fixture"));
    cmdLoadIT->setGeometry(tw(10300), tw(8700), tw(4900), tw(450));
    connect(cmdLoadIT, &QPushButton::clicked, this, [this] { cmdLoadIT_Click(); });
    setLoadButton(false);

    // Menus. Commands that may unload this window run after the menu has
    // finished with its action.
    auto* fileMenu = menuBar()->addMenu(QStringLiteral("File"));
    fileMenuAction = fileMenu->menuAction();
    fileMenu->addAction(QStringLiteral("Save Fixture"), this, [this] { Save_Fixture_Click(); });
    fileMenu->addAction(QStringLiteral("Edit Fixture"), this, [this] { Edit_Fixture_Click(); });
    importDDLClick = fileMenu->addAction(QStringLiteral("Import DDL Profile"), this, [this] { importDDLClick_Click(); });
    clkImportandLoadDDL =
        fileMenu->addAction(QStringLiteral("Import DDL and Load Fixture"), this, [this] { clkImportandLoadDDL_Click(); });
    importDDLClick->setVisible(false);
    clkImportandLoadDDL->setVisible(false);
    fileMenu->addAction(QStringLiteral("Load New Fixture"), this, [this] { QTimer::singleShot(0, this, [this] { loadNewFixture_Click(); }); });
    fileMenu->addAction(QStringLiteral("Load Current Fixture"), this, [this] { Load_Fixture_Click(); })->setVisible(false);
    fileMenu->addAction(QStringLiteral("Create New Fixture Profile"), this, [this] { New_fixture_Click(); });
    fileMenu->addAction(QStringLiteral("Change Icon"), this, [this] { changeicon_Click(); });
    fileMenu->addAction(QStringLiteral("Close Editor"), this, [this] { QTimer::singleShot(0, this, [this] { Close_Editor_Click(); }); });
    auto gap = [&] { menuBar()->addAction(QString())->setEnabled(false); };
    gap();
    clkLoadNewFixture = menuBar()->addAction(QStringLiteral("Load/Patch New Fixture"), this,
                                             [this] { QTimer::singleShot(0, this, [this] { clkLoadNewFixture_Click(); }); });
    gap();
    clkCreateNewFixtureProfile = menuBar()->addAction(QStringLiteral("Create New Fixture Profile"), this,
                                                      [this] { clkCreateNewFixtureProfile_Click(); });
    gap();
    clkSaveFixtureToFile =
        menuBar()->addAction(QStringLiteral("Save Profile to FILE"), this, [this] { clkSaveFixtureToFile_Click(); });
    clkSaveFixtureToFile->setVisible(false);
    gap();
    upadteprofileclick = menuBar()->addAction(QStringLiteral("Update Loaded Fixture Profile"), this,
                                              [this] { QTimer::singleShot(0, this, [this] { upadteprofileclick_Click(); }); });

    tmrOutput = shell().timers().create();
    tmrOutput->setInterval(60);
    tmrOutput->onTick = [this] { tmrOutput_Timer(); };
    tmrOutput->setEnabled(true);

    Form_Load();
}

Light_Editor::~Light_Editor() {
    // Unloaded without the unload steps (the shell going away): leave no test
    // levels behind, ask nothing.
    if (!cleanedUp && hasShell()) {
        testOutput.clearTestOutput(startChannel(), profileEditorSession().editedProfile().ChannelsUsed);
        testOutput.testOutputOn = false;
    }
}

ClsFixture& Light_Editor::profile() { return profileEditorSession().editedProfile(); }

QString Light_Editor::fixturesFolder() const { return shell().programFolder() + QStringLiteral("\\Fixtures"); }

void Light_Editor::Form_Load() {
    setWindowIcon(QApplication::windowIcon()); // the console's own icon, as the frame shows it
    LoadLightGrid->setRowCount(32);
    for (int i = 1; i <= 32; ++i) {
        auto* item = new QTableWidgetItem(QStringLiteral("Channel: %1:").arg(i));
        item->setFlags(Qt::ItemIsEnabled);
        LoadLightGrid->setItem(i - 1, 0, item);
    }
    shell().state.showChanged = true;
    currentRangeIndex = 2;
    saveFolder = profileFolder = fixturesFolder();

    // The library: one manufacturer per folder under Fixtures, then the
    // profile files directly in Fixtures.
    const QString root = paths::realPath(fixturesFolder());
    const QFileInfoList dirs =
        QDir(root).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    manufacturers.clear();
    for (const QFileInfo& d : dirs) {
        const QString path = d.absoluteFilePath();
        manufacturers << path;
        const QString caption = libParsePath::ParsePath(path, 6);
        cmdSelectManufacturer->menu()->addAction(caption, this, [this, caption] { cmdSelectManufacturer_ItemClick(caption); });
    }
    listFixtureFiles(root);
}

void Light_Editor::listFixtureFiles(const QString& folder) {
    fileListPath = folder;
    fileFixture->clear();
    QDir dir(folder);
    dir.setNameFilters({QStringLiteral("*.fix*")});
    dir.setFilter(QDir::Files); // no QDir::CaseSensitive: "*.FIX" files are listed too
    fileFixture->addItems(dir.entryList(QDir::Files, QDir::Name | QDir::IgnoreCase));
}

void Light_Editor::setLoadButton(bool enabled) {
    cmdLoadIT->setEnabled(enabled);
    paint(cmdLoadIT, enabled ? 65280 : 255);
}

void Light_Editor::setPatchedMode(bool on) {
    patchedMode = on;
    fileMenuAction->setVisible(!on);
    clkLoadNewFixture->setVisible(!on);
    clkCreateNewFixtureProfile->setVisible(!on);
    clkSaveFixtureToFile->setVisible(on);
}

void Light_Editor::setIcon(const QString& realPath) {
    QPixmap pix(realPath);
    Image1->setPixmap(pix);
}

// ---------------------------------------------------------------------------
// Events of the boxes and pictures, routed to their handlers.

bool Light_Editor::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
        const int code = keyCodeOf(static_cast<QKeyEvent*>(event));
        const bool release = type == QEvent::KeyRelease;
        if (watched == txtBeamAngle || watched == txtPanRange || watched == txtTiltRange) {
            auto* box = static_cast<QLineEdit*>(watched);
            if (release) angleBox_KeyUp(box, code);
            else filterNumericKey(box, code);
        } else if (watched == txtStartChannel) {
            if (release) txtStartChannel_KeyUp(code);
            else filterNumericKey(txtStartChannel, code);
        } else if (watched == txtEnterDmxValue && release) {
            txtEnterDmxValue_KeyUp(code);
        } else if (watched == txtChannelProperty && release) {
            txtChannelProperty_KeyUp(code);
        } else if (watched == too && release) {
            too_KeyUp();
        } else if (watched == values && !release && code == 9) {
            from->setFocus();
            return true;
        }
    } else if (type == QEvent::MouseButtonPress) {
        if (watched == Image1) changeicon_Click();
        else if (watched == txtChannelProperty) txtChannelProperty_Click();
        else if (watched == txtEnterDmxValue) txtEnterDmxValue_Click();
        else if (watched == values) {
            setTextColours(values, 0, 16777215);
            values_Click();
        }
    } else if (type == QEvent::FocusIn) {
        if (watched == txtFields[0]) txtFields_GotFocus(0);
        else if (watched == txtFields[1]) txtFields_GotFocus(1);
        else if (watched == from || watched == too || watched == values)
            QTimer::singleShot(0, static_cast<QLineEdit*>(watched), &QLineEdit::selectAll);
    }
    return QMainWindow::eventFilter(watched, event);
}
