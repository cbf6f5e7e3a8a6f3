#include "show/ui/Options.h"

#include "output/clsCorvellDongle.h"
#include "output/ui/frmDmxTiming.h"
#include "output/ui/unloadOnClose.h"
#include "platform/prompts.h"
#include "shell/services/controlService.h"
#include "shell/services/playbackService.h"
#include "shell/services/schedulerService.h"
#include "shell/services/showService.h"
#include "shell/shell.h"
#include "shell/userModes.h"
#include "shell/ui/windowFunctions.h"
#include "shell/ui/windowRegistry.h"
#include "show/options.h"
#include "show/ui/colourMark.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QLabel* note(const QString& text) {
    auto* l = new QLabel(text);
    l->setWordWrap(true);
    return l;
}

QWidget* panel(const QString& name, const QString& title, QVBoxLayout*& body) {
    auto* box = new QGroupBox(title);
    box->setObjectName(name);
    body = new QVBoxLayout(box);
    return box;
}

} // namespace

Options::Options(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Options"));
    setWindowTitle(QStringLiteral("Preferences"));

    auto* column = new QVBoxLayout;
    auto section = [&](QPushButton*& b, const char* name, const QString& caption) {
        b = new QPushButton(caption);
        b->setObjectName(QLatin1String(name));
        column->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, b] { showSection(b); });
    };
    section(cmdPassword, "cmdPassword", QStringLiteral("Password"));
    section(cmdDmxRefresh, "cmdDmxRefresh", QStringLiteral("DMXRefresh"));
    section(cmdStartFile, "cmdStartFile", QStringLiteral("Start Show"));
    section(cmdMidi, "cmdMidi", QStringLiteral("MIDI Settings"));
    section(cmdVideoPlayback, "cmdVideoPlayback", QStringLiteral("Video Playback"));
    section(cmdHardware, "cmdHardware", QStringLiteral("Hardware"));
    section(cmdDualView, "cmdDualView", QStringLiteral("Dual View"));
    section(cmdRemote, "cmdRemote", QStringLiteral("Web Server"));
    column->addStretch();
    cmdDone = new QPushButton(QStringLiteral("Done"));
    cmdDone->setObjectName(QStringLiteral("cmdDone"));
    column->addWidget(cmdDone);
    connect(cmdDone, &QPushButton::clicked, this, &QWidget::close);

    panels = new QStackedWidget;
    panels->addWidget(FrmPasswords = makePasswordPanel());
    panels->addWidget(frmDmxRefresh = makeRefreshPanel());
    panels->addWidget(frmStartupFile = makeStartupPanel());
    panels->addWidget(frmMidi = makeMidiPanel());
    panels->addWidget(frmHardware = makeHardwarePanel());
    panels->addWidget(frmDualView = makeDualViewPanel());
    panels->addWidget(frmWebServer = makeWebPanel());
    panels->addWidget(noPanel = new QWidget);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(column);
    layout->addWidget(panels, 1);

    // Opening: the timing list, the start-up show, the refresh rate, the
    // mode, then the Password section.
    fixitcombo->addItems(options::timingEntries());
    fixitcombo->setCurrentText(QString::number(options::timingValue()));
    Text2->setText(shell().state.showFileName);
    Text2->setToolTip(shell().state.showFileName);
    const QString current = options::refreshEntryFor(shell().playback().refreshIntervalMs());
    for (const auto& [entry, interval] : options::refreshRates()) {
        (void)interval;
        auto* item = new QListWidgetItem(entry, List1);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(entry == current ? Qt::Checked : Qt::Unchecked);
        if (entry == current) List1->setCurrentItem(item);
    }
    cmbSelectMode->addItems({UserModes::programmerUser, UserModes::userOnly, UserModes::playbackOnly});
    cmbSelectMode->setCurrentText(shell().engine<UserModes>().userMode);
    showSection(cmdPassword);
    miscGlobalFunctions::windowPlacement(this, QStringLiteral("GET"));
}

Options::~Options() = default;

std::array<QPushButton*, 8> Options::sectionButtons() const {
    return {cmdPassword, cmdDmxRefresh, cmdStartFile, cmdMidi, cmdVideoPlayback, cmdHardware, cmdDualView, cmdRemote};
}

int Options::markOf(QPushButton* button) const { return colourMarkOf(button); }

void Options::setMark(QPushButton* button, int mark) { setColourMark(button, mark); }

void Options::hideAllSections() {
    for (QPushButton* b : sectionButtons()) setMark(b, 0);
    panels->setCurrentWidget(noPanel);
}

void Options::showSection(QPushButton* button) {
    hideAllSections();
    setMark(button, shownMark);
    if (button == cmdPassword) {
        panels->setCurrentWidget(FrmPasswords);
    } else if (button == cmdDmxRefresh) {
        panels->setCurrentWidget(frmDmxRefresh);
        cmdHardwareList_Dropdown();
        if (!interfaces.entries().isEmpty()) cmdHardwareList_ItemClick(1);
    } else if (button == cmdStartFile) {
        panels->setCurrentWidget(frmStartupFile);
    } else if (button == cmdMidi) {
        panels->setCurrentWidget(frmMidi);
        fillMidiDeviceList();
    } else if (button == cmdVideoPlayback) {
        shell().scheduler().clkVideoOptions_Click();
    } else if (button == cmdHardware) {
        panels->setCurrentWidget(frmHardware);
        showHardwareSection();
    } else if (button == cmdDualView) {
        panels->setCurrentWidget(frmDualView);
        chkDualView->setChecked(options::dualViewStored());
        chkConsoleOne->setChecked(options::oneConsoleStored());
    } else if (button == cmdRemote) {
        panels->setCurrentWidget(frmWebServer);
        txtPortNumber->setText(options::storedPort());
        if (options::webServerStored()) {
            chkEnableWebServer->setChecked(true);
            lblWebAdress->setText(QStringLiteral("http://") + shell().control().getIP() + QLatin1Char(':') +
                                  txtPortNumber->text());
        } else {
            chkEnableWebServer->setChecked(false);
        }
    }
}

// ---- Password -------------------------------------------------------------------------

QWidget* Options::makePasswordPanel() {
    QVBoxLayout* body;
    QWidget* p = panel(QStringLiteral("FrmPasswords"), QStringLiteral("Usermode And Password "), body);
    cmbSelectMode = new QComboBox;
    cmbSelectMode->setObjectName(QStringLiteral("cmbSelectMode"));
    cmdChangePassword = new QPushButton(QStringLiteral("Change Password"));
    body->addWidget(cmbSelectMode);
    body->addWidget(cmdChangePassword);
    body->addWidget(note(QStringLiteral(
        "In \"User Only\" mode saving is disabled, so that a user cannot save changes to the show or to sequences. "
        "Use this mode where the programmer will not be running the console.")));
    body->addStretch();
    connect(cmbSelectMode, &QComboBox::activated, this,
            [this](int index) { cmbSelectMode_Click(cmbSelectMode->itemText(index)); });
    connect(cmdChangePassword, &QPushButton::clicked, this, &Options::cmdChangePassword_Click);
    return p;
}

void Options::cmbSelectMode_Click(const QString& chosen) { shell().engine<UserModes>().changeMode(chosen); }

void Options::cmdChangePassword_Click() { shell().engine<UserModes>().changePassword(); }

// ---- DMX Refresh ----------------------------------------------------------------------

QWidget* Options::makeRefreshPanel() {
    QVBoxLayout* body;
    QWidget* p = panel(QStringLiteral("frmDmxRefresh"), QStringLiteral("DMX Refresh Rate"), body);
    List1 = new QListWidget;
    List1->setObjectName(QStringLiteral("List1"));
    fixitcombo = new QComboBox;
    fixitcombo->setObjectName(QStringLiteral("fixitcombo"));
    cmdSetDMXTimingRefresh = new QPushButton(QStringLiteral("DMX time"));
    body->addWidget(List1);
    body->addWidget(fixitcombo);
    body->addWidget(cmdSetDMXTimingRefresh);
    List1->viewport()->installEventFilter(this);
    connect(List1, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) { List1_ItemCheck(List1->row(item)); });
    connect(fixitcombo, &QComboBox::activated, this,
            [this](int index) { options::chooseTiming(fixitcombo->itemText(index).toInt()); });
    connect(cmdSetDMXTimingRefresh, &QPushButton::clicked, this, &Options::cmdSetDMXTiming_Click);
    return p;
}

void Options::List1_ItemCheck(int row) {
    QListWidgetItem* changed = List1->item(row);
    if (!changed || changed->checkState() != Qt::Checked) return;
    const QSignalBlocker quiet(List1);
    for (int i = 0; i < List1->count(); ++i)
        if (i != row) List1->item(i)->setCheckState(Qt::Unchecked);
}

void Options::applyDmxRefreshRate() {
    QListWidgetItem* item = List1->currentItem();
    options::applyDmxRefreshRate(item ? item->text() : QString());
}

bool Options::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease && watched == List1->viewport()) applyDmxRefreshRate();
    if (event->type() == QEvent::MouseButtonDblClick && watched == Text2) SelectStartup_Click();
    return QWidget::eventFilter(watched, event);
}

// ---- Start Show -----------------------------------------------------------------------

QWidget* Options::makeStartupPanel() {
    QVBoxLayout* body;
    QWidget* p = panel(QStringLiteral("frmStartupFile"), QStringLiteral("Startup Show File"), body);
    Text2 = new QLineEdit;
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setReadOnly(true);
    Text2->installEventFilter(this);
    SelectStartup = new QPushButton(QStringLiteral("Select Start File"));
    body->addWidget(Text2);
    body->addWidget(SelectStartup);
    body->addStretch();
    connect(SelectStartup, &QPushButton::clicked, this, &Options::SelectStartup_Click);
    return p;
}

void Options::SelectStartup_Click() {
    FileDialogRequest request;
    request.folder = shell().programPath(QStringLiteral("Configurations"));
    request.fileName = QStringLiteral("*.YCF");
    request.filter = QStringLiteral("Shows (*.YCF *.ycf)");
    const QString chosen = shell().prompts().openFileName(request);
    if (options::chooseStartupShow(chosen)) {
        Text2->setText(chosen);
        Text2->setToolTip(chosen);
    }
}

// ---- MIDI -----------------------------------------------------------------------------

QWidget* Options::makeMidiPanel() {
    QVBoxLayout* body;
    QWidget* p = panel(QStringLiteral("frmMidi"), QStringLiteral("MIDI Input Settings"), body);
    cmdSelectMidi = new QToolButton;
    cmdSelectMidi->setObjectName(QStringLiteral("cmdSelectMidi"));
    cmdSelectMidi->setText(QStringLiteral("Midi In Device List"));
    cmdSelectMidi->setPopupMode(QToolButton::InstantPopup);
    midiMenu = new QMenu(cmdSelectMidi);
    cmdSelectMidi->setMenu(midiMenu);
    body->addWidget(cmdSelectMidi);
    body->addStretch();
    return p;
}

void Options::fillMidiDeviceList() {
    midiMenu->clear();
    const QString stored = options::storedMidiDevice();
    for (const QString& entry : options::midiEntries()) {
        midiMenu->addAction(entry, this, [this, entry] { cmdSelectMidi_ItemClick(entry); });
        if (entry == stored) cmdSelectMidi->setText(entry);
    }
}

void Options::cmdSelectMidi_ItemClick(const QString& entry) {
    cmdSelectMidi->setText(entry);
    options::chooseMidiDevice(entry);
}

// ---- Hardware -------------------------------------------------------------------------

QWidget* Options::makeHardwarePanel() {
    QVBoxLayout* body;
    QWidget* p = panel(QStringLiteral("frmHardware"), QStringLiteral("DMX Hardware"), body);
    cmdHardwareList = new QToolButton;
    cmdHardwareList->setObjectName(QStringLiteral("cmdHardwareList"));
    cmdHardwareList->setText(QStringLiteral("DMX Hardware List"));
    cmdHardwareList->setPopupMode(QToolButton::InstantPopup);
    hardwareMenu = new QMenu(cmdHardwareList);
    cmdHardwareList->setMenu(hardwareMenu);
    connect(hardwareMenu, &QMenu::aboutToShow, this, &Options::cmdHardwareList_Dropdown);

    txtSerialNumber = new QLineEdit(QStringLiteral("000000000"));
    txtSerialNumber->setReadOnly(true);
    txtUniverse = new QLineEdit(QStringLiteral("01"));
    txtUniverse->setObjectName(QStringLiteral("txtUniverse"));
    udUniverseUp = new QToolButton;
    udUniverseUp->setArrowType(Qt::UpArrow);
    udUniverseDown = new QToolButton;
    udUniverseDown->setArrowType(Qt::DownArrow);
    connect(udUniverseUp, &QToolButton::clicked, this, [this] { UdUniverse_Change(+1); });
    connect(udUniverseDown, &QToolButton::clicked, this, [this] { UdUniverse_Change(-1); });

    cmdApply = new QPushButton(QStringLiteral("Apply Universe Number"));
    cmdApply->setObjectName(QStringLiteral("cmdApply"));
    cmdReDetectHardware = new QPushButton(QStringLiteral("Detect DMX"));
    cmdSetDMXTiming = new QPushButton(QStringLiteral("DMX time"));
    chkEnableArtNet = new QCheckBox(QStringLiteral("Enable Artnet Output"));

    auto* grid = new QGridLayout;
    grid->addWidget(cmdHardwareList, 0, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Serial Number")), 1, 0);
    grid->addWidget(txtSerialNumber, 1, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Assigned Universe")), 2, 0);
    grid->addWidget(txtUniverse, 2, 1);
    auto* updown = new QVBoxLayout;
    updown->addWidget(udUniverseUp);
    updown->addWidget(udUniverseDown);
    grid->addLayout(updown, 2, 2);
    body->addLayout(grid);
    body->addWidget(cmdApply);
    body->addWidget(cmdReDetectHardware);
    body->addWidget(cmdSetDMXTiming);
    body->addWidget(chkEnableArtNet);
    body->addStretch();

    connect(cmdApply, &QPushButton::clicked, this, [this] { interfaces.apply(txtUniverse->text()); });
    connect(cmdReDetectHardware, &QPushButton::clicked, this, [this] { interfaces.detectAgain(); });
    connect(cmdSetDMXTiming, &QPushButton::clicked, this, &Options::cmdSetDMXTiming_Click);
    connect(chkEnableArtNet, &QCheckBox::toggled, this, [this](bool on) { interfaces.setArtNet(on); });
    return p;
}

void Options::showHardwareSection() {
    cmdHardwareList_Dropdown();
    if (!interfaces.entries().isEmpty()) cmdHardwareList_ItemClick(1);
    chkEnableArtNet->setChecked(options::artNetStored());
}

void Options::cmdHardwareList_Dropdown() {
    hardwareMenu->clear();
    const QStringList entries = interfaces.entries();
    for (int i = 0; i < entries.size(); ++i)
        hardwareMenu->addAction(entries[i], this, [this, i] { cmdHardwareList_ItemClick(i + 1); });
}

void Options::cmdHardwareList_ItemClick(int position) {
    if (!interfaces.choose(position)) return;
    interfaceStateChanged();
}

void Options::interfaceStateChanged() {
    if (const auto& d = interfaces.selectedInterface) {
        cmdHardwareList->setText(d->mySerialNumber);
        txtSerialNumber->setText(d->mySerialNumber);
        txtUniverse->setText(QString::number(d->myUniverseNumber));
    } else {
        cmdHardwareList->setText(QStringLiteral("DMX Hardware List"));
    }
    setMark(cmdApply, interfaces.applyPending ? pendingMark : 0);
}

void Options::UdUniverse_Change(int step) {
    const int value = std::clamp(txtUniverse->text().toInt() + step, 1, 99);
    txtUniverse->setText(QString::number(value).rightJustified(2, QLatin1Char('0')));
    interfaces.universeStepped();
    setMark(cmdApply, pendingMark);
}

void Options::cmdSetDMXTiming_Click() {
    unloadForm<frmDmxTiming>();
    int32_t position = 0;
    auto target = interfaces.timingInterface(&position);
    if (!target) return;
    auto& editor = form<frmDmxTiming>();
    editor.myActivePort = position;
    editor.myInterfaceCls = target;
    editor.Form_Load();
    editor.show();
}

// ---- Dual View ------------------------------------------------------------------------

QWidget* Options::makeDualViewPanel() {
    QVBoxLayout* body;
    QWidget* p = panel(QStringLiteral("frmDualView"), QStringLiteral("Dual View"), body);
    chkConsoleOne = new QCheckBox(QStringLiteral("Console ONE Mode"));
    chkDualView = new QCheckBox(QStringLiteral("Enable Dual Monitor View"));
    body->addWidget(chkConsoleOne);
    body->addWidget(note(QStringLiteral(
        "Will Have to reboot to take effect. This may change Windows settings for your entire computer, Expert Use Only!")));
    body->addWidget(chkDualView);
    body->addWidget(note(QStringLiteral("This Option allows the Playback Screen to be displayed on a second Screen, if it "
                                        "is available on your current PC.")));
    body->addWidget(note(QStringLiteral("Both Monitors should be the same resolution for best results.")));
    body->addStretch();
    connect(chkConsoleOne, &QCheckBox::toggled, this, [](bool on) { options::setOneConsole(on); });
    connect(chkDualView, &QCheckBox::toggled, this, [](bool on) { options::setDualView(on); });
    return p;
}

// ---- Web Server -----------------------------------------------------------------------

QWidget* Options::makeWebPanel() {
    QVBoxLayout* body;
    QWidget* p = panel(QStringLiteral("frmWebServer"), QStringLiteral("Web Server"), body);
    chkEnableWebServer = new QCheckBox(QStringLiteral("Enable Web Server"));
    txtPortNumber = new QLineEdit;
    txtPortNumber->setObjectName(QStringLiteral("txtPortNumber"));
    lblWebAdress = new QLineEdit;
    lblWebAdress->setObjectName(QStringLiteral("lblWebAdress"));
    lblWebAdress->setReadOnly(true);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Port Number")), 0, 0);
    grid->addWidget(txtPortNumber, 0, 1);
    body->addWidget(chkEnableWebServer);
    body->addLayout(grid);
    body->addWidget(lblWebAdress);
    body->addWidget(note(QStringLiteral("Enable the WebServer then enter the address below into your web browser. If you "
                                        "cannot connect enter a different port number and try again.")));
    body->addStretch();
    // Only the operator's click starts or stops the server; showing the
    // stored choice does not.
    connect(chkEnableWebServer, &QCheckBox::clicked, this, &Options::chkEnableWebServer_MouseUp);
    connect(txtPortNumber, &QLineEdit::textChanged, this, [](const QString& text) { options::portTextChanged(text); });
    return p;
}

void Options::chkEnableWebServer_MouseUp() {
    const auto state = options::setWebServer(chkEnableWebServer->isChecked(), txtPortNumber->text());
    if (!state.portText.isEmpty()) txtPortNumber->setText(state.portText);
    lblWebAdress->setText(state.address);
}

void Options::closeEvent(QCloseEvent* event) {
    miscGlobalFunctions::windowPlacement(this, QStringLiteral("SET"));
    QWidget::closeEvent(event);
    unloadAfterClose(this);
}
