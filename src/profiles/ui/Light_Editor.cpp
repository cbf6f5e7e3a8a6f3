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
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
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

    auto label = [&](const QString& text) { return new QLabel(text, central); };
    auto box = [&](int widthTwips, const QString& text = QString()) {
        auto* e = new QLineEdit(text, central);
        e->setMinimumWidth(tw(widthTwips));
        e->installEventFilter(this);
        return e;
    };

    // Three columns: the profile's fields and channel grid; the icon, type,
    // angles and the range editor of the selected channel; the library.
    auto* columns = new QHBoxLayout(central);
    auto* left = new QVBoxLayout;
    auto* middle = new QVBoxLayout;
    columns->addLayout(left, 3);
    columns->addLayout(middle, 3);

    auto* fields = new QFormLayout;
    txtFields[0] = box(900);
    txtFields[1] = box(3000);
    txtFields[0]->setObjectName(QStringLiteral("txtChannelsUsed"));
    txtFields[1]->setObjectName(QStringLiteral("txtFixtureName"));
    txtFields[1]->setStyleSheet(QStringLiteral("QLineEdit#txtFixtureName { background-color: #e0e0e0; }"));
    fields->addRow(label(QStringLiteral("Channels used:")), txtFields[0]);
    fields->addRow(label(QStringLiteral("Fixture Name:")), txtFields[1]);
    left->addLayout(fields);
    connect(txtFields[0], &QLineEdit::textChanged, this, [this] { txtFields_Change(0); });
    connect(txtFields[1], &QLineEdit::textChanged, this, [this] { txtFields_Change(1); });

    // Test output row.
    auto* testRow = new QHBoxLayout;
    cmdTestProfile = new QPushButton(QStringLiteral("Test Fixture Profile"), central);
    connect(cmdTestProfile, &QPushButton::clicked, this, [this] { cmdTestProfile_Click(); });
    txtStartChannel = box(700, QStringLiteral("1"));
    txtEnterDmxValue = box(700, QStringLiteral("0"));
    txtEnterDmxValue->setToolTip(QStringLiteral("DMX test Value Out. Enter a Direct DMX test Valeu Here."));
    txtEnterDmxValue->hide();
    testRow->addWidget(cmdTestProfile);
    testRow->addWidget(label(QStringLiteral("On Start Channel")));
    testRow->addWidget(txtStartChannel);
    testRow->addWidget(txtEnterDmxValue);
    testRow->addStretch(1);
    left->addLayout(testRow);

    // Channel grid.
    LoadLightGrid = new QTableWidget(central);
    LoadLightGrid->setMinimumSize(tw(4575), tw(4000));
    LoadLightGrid->setColumnCount(2);
    LoadLightGrid->horizontalHeader()->hide();
    LoadLightGrid->verticalHeader()->hide();
    LoadLightGrid->setColumnWidth(0, tw(1800));
    LoadLightGrid->horizontalHeader()->setStretchLastSection(true);
    LoadLightGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LoadLightGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    LoadLightGrid->setContextMenuPolicy(Qt::CustomContextMenu);
    left->addWidget(LoadLightGrid, 1);
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

    // Fixture type, icon and angles.
    auto* topMiddle = new QHBoxLayout;
    Image1 = new QLabel(central);
    Image1->setFixedSize(tw(1500), tw(1500));
    Image1->setScaledContents(true);
    Image1->setFrameShape(QFrame::Box);
    Image1->installEventFilter(this);
    topMiddle->addWidget(Image1, 0, Qt::AlignTop);
    auto* angles = new QGridLayout;
    comboFixtureType = new QToolButton(central);
    comboFixtureType->setText(QStringLiteral("Select Fixture Type"));
    comboFixtureType->setPopupMode(QToolButton::InstantPopup);
    comboFixtureType->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto* typeMenu = new QMenu(comboFixtureType);
    int typeCount = 0;
    const auto* types = channelTypes::fixtureTypes(&typeCount);
    for (int i = 0; i < typeCount; ++i) {
        const QString name = QString::fromLatin1(types[i].name);
        typeMenu->addAction(name, this, [this, name] { comboFixtureType_ItemClick(name); });
    }
    comboFixtureType->setMenu(typeMenu);
    angles->addWidget(label(QStringLiteral("Fixture Type:")), 0, 0);
    angles->addWidget(comboFixtureType, 0, 1, 1, 2);
    txtBeamAngle = box(800);
    txtPanRange = box(800);
    txtTiltRange = box(800);
    int anglesRow = 1;
    for (auto [caption, field] : {std::pair{QStringLiteral("Beam Angle:"), txtBeamAngle},
                                  {QStringLiteral("Pan Range:"), txtPanRange},
                                  {QStringLiteral("Tilt Range:"), txtTiltRange}}) {
        angles->addWidget(label(caption), anglesRow, 0);
        angles->addWidget(field, anglesRow, 1);
        angles->addWidget(label(QStringLiteral("Degrees")), anglesRow, 2);
        ++anglesRow;
    }
    topMiddle->addLayout(angles, 1);
    middle->addLayout(topMiddle);

    // The range editor of the selected channel: its type picker (or custom
    // name), the range "from TO too = values", the label kinds, the range
    // index with previous/next, delete/insert, and the picture of the range.
    rangeEditor = new QWidget(central);
    rangeEditor->setObjectName(QStringLiteral("rangeEditor"));
    auto* range = new QGridLayout(rangeEditor);
    range->setContentsMargins(0, 0, 0, 0);
    Combo1 = new QToolButton(rangeEditor);
    Combo1->setText(QStringLiteral("Pan"));
    Combo1->setPopupMode(QToolButton::InstantPopup);
    Combo1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    Combo1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto* pickerMenu = new QMenu(Combo1);
    for (const QString& entry : channelTypes::pickerEntries())
        pickerMenu->addAction(entry, this, [this, entry] { Combo1_ItemClick(entry); });
    Combo1->setMenu(pickerMenu);
    txtChannelProperty = new QLineEdit(QStringLiteral("Enter Custom Channel Name"), rangeEditor);
    txtChannelProperty->installEventFilter(this);
    txtChannelProperty->setObjectName(QStringLiteral("txtChannelProperty"));
    txtChannelProperty->setStyleSheet(QStringLiteral("QLineEdit#txtChannelProperty { color: grey; }"));
    txtChannelProperty->hide();
    range->addWidget(Combo1, 0, 0, 1, 5);
    range->addWidget(txtChannelProperty, 1, 0, 1, 5);
    auto rangeBox = [&](int widthTwips) {
        auto* e = new QLineEdit(rangeEditor);
        e->setMinimumWidth(tw(widthTwips));
        e->installEventFilter(this);
        return e;
    };
    from = rangeBox(600);
    auto* toLabel = new QLabel(QStringLiteral("TO"), rangeEditor);
    too = rangeBox(600);
    auto* eqLabel = new QLabel(QStringLiteral("="), rangeEditor);
    values = rangeBox(2000);
    from->setObjectName(QStringLiteral("from"));
    too->setObjectName(QStringLiteral("too"));
    values->setObjectName(QStringLiteral("values"));
    range->addWidget(from, 2, 0);
    range->addWidget(toLabel, 2, 1);
    range->addWidget(too, 2, 2);
    range->addWidget(eqLabel, 2, 3);
    range->addWidget(values, 2, 4);
    List1 = new QListWidget(rangeEditor);
    List1->addItems(channelTypes::rangeLabelKinds());
    List1->setFixedHeight(tw(900));
    connect(List1, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { List1_Click(item->text()); });
    range->addWidget(List1, 3, 0, 1, 3);
    Shape2 = new QFrame(rangeEditor);
    Shape2->setObjectName(QStringLiteral("Shape2"));
    Shape2->setFrameShape(QFrame::Box);
    Shape2->setFixedSize(tw(1000), tw(1000));
    auto* swatch = new QVBoxLayout(Shape2);
    swatch->setContentsMargins(3, 3, 3, 3);
    Image2 = new QLabel(Shape2);
    Image2->setScaledContents(true);
    swatch->addWidget(Image2);
    range->addWidget(Shape2, 3, 3, 1, 2, Qt::AlignLeft | Qt::AlignTop);
    Propindextext = rangeBox(500);
    Prevprop = new QPushButton(QStringLiteral("Previous Atrribute"), rangeEditor);
    Nextprop = new QPushButton(QStringLiteral("Next Atrribute"), rangeEditor);
    delButton = new QPushButton(QStringLiteral("Delete"), rangeEditor);
    insertButton = new QPushButton(QStringLiteral("Insert"), rangeEditor);
    auto* steps = new QHBoxLayout;
    steps->addWidget(Propindextext);
    steps->addWidget(Prevprop);
    steps->addWidget(Nextprop);
    range->addLayout(steps, 4, 0, 1, 5);
    auto* edits = new QHBoxLayout;
    edits->addStretch(1);
    edits->addWidget(delButton);
    edits->addWidget(insertButton);
    range->addLayout(edits, 5, 0, 1, 5);
    middle->addWidget(rangeEditor);
    middle->addStretch(1);
    connect(Prevprop, &QPushButton::clicked, this, [this] { Prevprop_Click(); });
    connect(Nextprop, &QPushButton::clicked, this, [this] { Nextprop_Click(); });
    connect(delButton, &QPushButton::clicked, this, [this] { delButton_Click(); });
    connect(insertButton, &QPushButton::clicked, this, [this] { insertButton_Click(); });
    connect(from, &QLineEdit::textChanged, this, [this] { from_Change(); });
    connect(too, &QLineEdit::textChanged, this, [this] { too_Change(); });
    connect(values, &QLineEdit::textChanged, this, [this] { values_Change(); });
    for (QWidget* w : std::initializer_list<QWidget*>{from, toLabel, too, eqLabel, values, List1, Propindextext, Prevprop,
                                                      Nextprop, delButton, insertButton, Image2, Shape2})
        w->hide();
    toLabel->setObjectName(QStringLiteral("tolabel1"));
    eqLabel->setObjectName(QStringLiteral("tolabel0"));

    // Fixture library.
    libraryPanel = new QWidget(central);
    auto* library = new QVBoxLayout(libraryPanel);
    library->setContentsMargins(0, 0, 0, 0);
    cmdSelectManufacturer = new QToolButton(libraryPanel);
    cmdSelectManufacturer->setText(QStringLiteral("Select Manufacturer"));
    cmdSelectManufacturer->setToolTip(QStringLiteral("Select the Brand Of fixture you want to patch/load here."));
    cmdSelectManufacturer->setPopupMode(QToolButton::InstantPopup);
    cmdSelectManufacturer->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    cmdSelectManufacturer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    cmdSelectManufacturer->setMinimumHeight(tw(600));
    cmdSelectManufacturer->setMenu(new QMenu(cmdSelectManufacturer));
    fileFixture = new QListWidget(libraryPanel);
    fileFixture->setToolTip(QStringLiteral("List of available Fixtures"));
    fileFixture->setMinimumWidth(tw(4000));
    connect(fileFixture, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { fileFixture_Click(item->text()); });
    cmdLoadIT = new QPushButton(QStringLiteral("Select Current Fixture to Patch"), libraryPanel);
    cmdLoadIT->setObjectName(QStringLiteral("cmdLoadIT"));
    cmdLoadIT->setToolTip(QStringLiteral("Press here to Patch/load this Fixture"));
    connect(cmdLoadIT, &QPushButton::clicked, this, [this] { cmdLoadIT_Click(); });
    library->addWidget(cmdSelectManufacturer);
    library->addWidget(fileFixture, 1);
    library->addWidget(cmdLoadIT);
    columns->addWidget(libraryPanel, 3);
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

void Light_Editor::hideLibrary() {
    libraryPanel->hide();
    centralWidget()->layout()->activate();
    resize(minimumSizeHint().width(), height());
}
