#include "presets/ui/frmAddPreset.h"

#include "platform/prompts.h"
#include "presets/addPreset.h"
#include "presets/presetsEngine.h"
#include "presets/ui/frmPalettes.h"
#include "shell/libParsePath.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/shell.h"
#include "shell/ui/windowFunctions.h"
#include "shell/ui/windowRegistry.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {
constexpr int twipsPerPixel = 15;
int px(int twips) { return twips / twipsPerPixel; }
const QString light = QStringLiteral("background: #c0c0c0;");
} // namespace

frmAddPreset::frmAddPreset() {
    setObjectName(QStringLiteral("frmAddPreset"));
    setWindowTitle(QStringLiteral("Create Preset From Current Look."));
    setWindowFlag(Qt::Tool, true);
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setStyleSheet(QStringLiteral("frmAddPreset { background: #404040; } QLabel, QCheckBox, QRadioButton { color: white; }"));
    setAttribute(Qt::WA_StyledBackground, true);

    auto* outer = new QVBoxLayout(this);
    // Many channel types scroll rather than push the dialog off the screen.
    auto* boxScroll = new QScrollArea(this);
    boxScroll->setObjectName(QStringLiteral("channelBoxScroll"));
    boxScroll->setFrameShape(QFrame::NoFrame);
    boxArea = new QWidget;
    boxArea->setObjectName(QStringLiteral("channelBoxes"));
    boxScroll->setWidget(boxArea);
    boxScroll->setWidgetResizable(false);
    outer->addWidget(boxScroll, 1);

    lblEnterPresetName = new QLabel(
        QStringLiteral("  Please Enter Preset Name Below and Press Create Preset. All Checked Channel type values will be "
                       "Recorded in preset."),
        this);
    lblEnterPresetName->setWordWrap(true);
    outer->addWidget(lblEnterPresetName);

    auto* row = new QGridLayout;
    txtPresetName = new QLineEdit(QStringLiteral("Enter preset name here"), this);
    txtPresetName->setObjectName(QStringLiteral("txtPresetName"));
    txtPresetName->setStyleSheet(light);
    txtPresetName->installEventFilter(this);
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setMaximumHeight(List1->fontMetrics().height() * 4);
    txtDisplayRepresentation = new QLineEdit(this);
    txtDisplayRepresentation->setObjectName(QStringLiteral("txtDisplayRepresentation"));
    txtDisplayRepresentation->setStyleSheet(light);
    row->addWidget(txtPresetName, 0, 0);
    row->addWidget(List1, 0, 1);
    row->addWidget(txtDisplayRepresentation, 0, 2);
    row->addWidget(new QLabel(QStringLiteral("Preset Filename"), this), 1, 0);
    row->addWidget(new QLabel(QStringLiteral("Preset Visual Representation Type"), this), 1, 1, 1, 2);
    optSelectionMode[0] = new QRadioButton(QStringLiteral("Save Data for Only Selected Fixtures"), this);
    optSelectionMode[1] = new QRadioButton(QStringLiteral("Save Data for All Fixtures"), this);
    optSelectionMode[0]->setChecked(true);
    row->addWidget(optSelectionMode[0], 2, 0);
    row->addWidget(optSelectionMode[1], 2, 1, 1, 2);
    cmdCreatePreset = new QPushButton(QStringLiteral("Create Preset"), this);
    cmdCreatePreset->setObjectName(QStringLiteral("cmdCreatePreset"));
    cmdCreatePreset->setMinimumHeight(px(930));
    row->addWidget(cmdCreatePreset, 0, 3, 3, 1);
    outer->addLayout(row);
    auto* instructions = new QLabel(
        QStringLiteral("1. Select the Fixtures you would like to create a preset for.\n"
                       "2. Set the values for this preset from the Fader tab in the Pallettes Window.\n"
                       "3. Check the channels to save and name the preset. Press the create preset button."),
        this);
    instructions->setWordWrap(true);
    outer->addWidget(instructions);

    for (const char* item : {"color", "bitmap", "text"}) List1->addItem(QLatin1String(item));
    connect(List1, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { List1_Click(item->text()); });
    // Every key typed into the name is the representation too.
    connect(txtPresetName, &QLineEdit::textEdited, this, [this](const QString& text) { txtDisplayRepresentation->setText(text); });
    connect(cmdCreatePreset, &QPushButton::clicked, this, [this] { cmdCreatePreset_Click(); });
    resize(px(9720), px(addPreset::designHeight));
}

void frmAddPreset::loadBoxes() {
    for (QCheckBox* b : chkPreset) delete b;
    chkPreset.clear();
    const QStringList names = addPreset::channelTypeNames();
    const std::vector<QPoint> places = addPreset::boxPlaces(int(names.size()), addPreset::designHeight);
    int32_t right = 0, bottom = 0;
    for (int i = 0; i < names.size(); ++i) {
        auto* b = new QCheckBox(names[i], boxArea);
        b->setObjectName(QStringLiteral("chkPreset%1").arg(i + 1));
        b->setGeometry(px(places[size_t(i)].x()), px(places[size_t(i)].y() - addPreset::boxStep),
                       px(addPreset::boxWidth), px(addPreset::boxStep - 40));
        b->setChecked(addPreset::preTicked(names[i], otherMode, panAndTiltMode));
        b->show();
        chkPreset.push_back(b);
        right = std::max(right, places[size_t(i)].x() + addPreset::boxWidth);
        bottom = std::max(bottom, places[size_t(i)].y());
    }
    boxArea->resize(px(right) + 4, px(bottom) + 4);
    miscGlobalFunctions::windowPlacement(this, QStringLiteral("GET"));
    if (px(right) > width()) resize(px(right) + 20, height());
    const QString proposed = QStringLiteral("Preset ") + QString::number(pagePresetCount);
    txtPresetName->setText(proposed);
    txtDisplayRepresentation->setText(proposed);
}

void frmAddPreset::checkPresetChkIfFound(const QString& channelName) {
    for (QCheckBox* b : chkPreset)
        if (b->text().trimmed() == channelName.trimmed()) {
            b->setChecked(true);
            return;
        }
}

void frmAddPreset::enableChannel(const QString& channelName) {
    for (QCheckBox* b : chkPreset)
        if (b->text() == channelName) b->setChecked(true);
}

void frmAddPreset::List1_Click(const QString& item) {
    Shell& s = shell();
    if (item == QLatin1String("color")) {
        const int colour = s.prompts().chooseColour(0);
        if (colour < 0) return; // cancelled: the representation stays as it was
        const QString css = QStringLiteral("rgb(%1,%2,%3)").arg(colour & 255).arg((colour >> 8) & 255).arg((colour >> 16) & 255);
        txtDisplayRepresentation->setStyleSheet(QStringLiteral("background: %1; color: %1;").arg(css));
        txtDisplayRepresentation->setText(QString::number(colour));
        txtDisplayRepresentation->setReadOnly(true);
    } else if (item == QLatin1String("bitmap")) {
        FileDialogRequest r;
        r.title = QStringLiteral("Set Bitmap");
        r.folder = s.programPath(QStringLiteral("Images"));
        r.filter = QStringLiteral("Pictures (*.bmp *.ico);;All Files (*)");
        const QString chosen = s.prompts().openFileName(r);
        if (!chosen.isEmpty()) txtDisplayRepresentation->setText(libParsePath::ParsePath(chosen, 6));
    } else if (item == QLatin1String("text")) {
        txtDisplayRepresentation->clear();
        if (!txtDisplayRepresentation->isReadOnly()) txtDisplayRepresentation->setStyleSheet(QStringLiteral("background: white;"));
    }
}

bool frmAddPreset::cmdCreatePreset_Click() {
    Shell& s = shell();
    // The typed name becomes a file name: characters a file name cannot hold
    // are replaced first, so a name never reaches another folder.
    QString name = txtPresetName->text();
    miscGlobalFunctions::escapeFileName(name);
    QStringList channels;
    for (QCheckBox* b : chkPreset)
        if (b->isChecked()) channels << b->text();
    const bool allFixtures = optSelectionMode[1]->isChecked();
    QString error;
    auto& engine = static_cast<PresetsEngine&>(s.presets());
    if (!engine.myPaletteCls.makeCustomPresetFile(name, txtDisplayRepresentation->text(), channels, allFixtures, false,
                                                  &error)) {
        s.prompts().messageBox(QStringLiteral("Error in cmdCreatePreset: ") + error);
        return false;
    }
    const int page = addPreset::pageToReopen(myPalleteToSave);
    if (frmPalettes* palettes = loadedForm<frmPalettes>(); palettes && page >= 0) palettes->openTab(page);
    hide();
    // Unloaded once this press has returned; a new opening meanwhile keeps its own dialog.
    QPointer<frmAddPreset> self(this);
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [self] {
            if (self && loadedForm<frmAddPreset>() == self.data()) unloadForm<frmAddPreset>();
        },
        Qt::QueuedConnection);
    return true;
}

bool frmAddPreset::eventFilter(QObject* watched, QEvent* event) {
    // A click into the name empties it.
    if (watched == txtPresetName && event->type() == QEvent::MouseButtonPress) txtPresetName->clear();
    return QWidget::eventFilter(watched, event);
}

void frmAddPreset::closeEvent(QCloseEvent* event) {
    if (!(x() == 45000 / twipsPerPixel && y() == 45000 / twipsPerPixel))
        miscGlobalFunctions::windowPlacement(this, QStringLiteral("SET"));
    QWidget::closeEvent(event);
}
