#include "patch/ui/NewWhat.h"

#include "patch/fixtureMove.h"
#include "platform/prompts.h"
#include "profiles/profileEditorSession.h"
#include "profiles/ui/Light_Editor.h"
#include "shell/channelModel.h"
#include "shell/numberText.h"
#include "shell/services/mastersService.h"
#include "shell/services/playbackService.h"
#include "shell/shell.h"
#include "shell/ui/windowFunctions.h"
#include "shell/ui/windowRegistry.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString viewPrompt = QStringLiteral("Select View To Patch Into");

QString bgr(int colour) {
    return QStringLiteral("#%1%2%3")
        .arg(colour & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((colour >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((colour >> 16) & 0xFF, 2, 16, QLatin1Char('0'));
}

QString editorName() {
    Light_Editor* e = loadedForm<Light_Editor>();
    return e ? e->txtFields[1]->text() : QString();
}

} // namespace

NewWhat::NewWhat(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("NewWhat"));
    setWindowTitle(QStringLiteral("Load Fixture"));
    auto* outer = new QHBoxLayout(this);

    auto* fields = new QVBoxLayout;
    outer->addLayout(fields);
    cmgUniverseComboListBox = new QComboBox(this);
    cmgUniverseComboListBox->setPlaceholderText(QStringLiteral("select current universe"));
    fields->addWidget(cmgUniverseComboListBox);
    auto* form = new QGridLayout;
    fields->addLayout(form);
    Label1[0] = new QLabel(QStringLiteral("Start at channel ?"), this);
    Label1[1] = new QLabel(QStringLiteral("How many fixtures do you want to add."), this);
    Label1[1]->setWordWrap(true);
    for (int i = 0; i < 2; ++i) {
        Text1[size_t(i)] = new QLineEdit(QStringLiteral("1"), this);
        form->addWidget(Label1[size_t(i)], i, 0);
        form->addWidget(Text1[size_t(i)], i, 1);
    }
    lblChangeStartChannel = new QLabel(QStringLiteral("Change Start Channel!"), this);
    lblChangeStartChannel->setObjectName(QStringLiteral("lblChangeStartChannel"));
    lblChangeStartChannel->setStyleSheet(QStringLiteral("QLabel#lblChangeStartChannel { color: red; }"));
    lblChangeStartChannel->hide();
    fields->addWidget(lblChangeStartChannel);
    cmdSelectView = new QToolButton(this);
    cmdSelectView->setText(viewPrompt);
    cmdSelectView->setPopupMode(QToolButton::InstantPopup);
    viewMenu = new QMenu(cmdSelectView);
    cmdSelectView->setMenu(viewMenu);
    fields->addWidget(cmdSelectView);
    chkMatrix = new QCheckBox(QStringLiteral("MATRIX"), this);
    fields->addWidget(chkMatrix);
    auto* size = new QHBoxLayout;
    txtX = new QLineEdit(QStringLiteral("1"), this);
    txtY = new QLineEdit(QStringLiteral("1"), this);
    size->addWidget(new QLabel(QStringLiteral("Width"), this));
    size->addWidget(txtX);
    size->addWidget(new QLabel(QStringLiteral("X"), this));
    size->addWidget(new QLabel(QStringLiteral("Height"), this));
    size->addWidget(txtY);
    fields->addLayout(size);
    txtMatrixName = new QLineEdit(patchCommit::matrixNamePrompt, this);
    fields->addWidget(txtMatrixName);
    Inversepancheck = new QCheckBox(QStringLiteral("Inverse Pan"), this);
    InverseTiltcheck = new QCheckBox(QStringLiteral("Inverse Tilt"), this);
    Motionfadecheck = new QCheckBox(QStringLiteral("Fade  Pan and Tilt"), this);
    motionfadeColorCheck = new QCheckBox(QStringLiteral("Fade  CMY and RGB Channels"), this);
    motionFadeDimmerCheck = new QCheckBox(QStringLiteral("Fade  Dimmer Channels"), this);
    dmxpilotall = new QCheckBox(QStringLiteral("Apply DMX-pilot to all channels"), this);
    for (QCheckBox* b : {Inversepancheck, InverseTiltcheck, Motionfadecheck, motionfadeColorCheck,
                         motionFadeDimmerCheck, dmxpilotall})
        fields->addWidget(b);
    newOKbutton = new QPushButton(QStringLiteral("Load / Patch Fixtures"), this);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    cmdAddUniverse = new QPushButton(QStringLiteral("Add Universe"), this);
    for (QPushButton* b : {newOKbutton, CancelButton, cmdAddUniverse}) fields->addWidget(b);
    auto* help = new QLabel(
        QStringLiteral("Blue Boxes indicate the fixture start channel. The tooltip will tell you which fixture it is. "
                       "Fixtures can be moved to different start channels by draging and dropping. More universes "
                       "can be added by pressing the 'Add Universe' button."),
        this);
    help->setWordWrap(true);
    fields->addWidget(help);
    fields->addStretch();

    // Boxes stand in rows of 17.
    auto* grid = new QGridLayout;
    grid->setSpacing(2);
    outer->addLayout(grid, 1);
    channel.resize(513, nullptr);
    for (int i = 1; i <= 512; ++i) {
        auto* b = new QPushButton(QString::number(i), this);
        b->setObjectName(QStringLiteral("channel%1").arg(i));
        b->setFlat(true);
        b->setFixedSize(28, 15);
        b->installEventFilter(this);
        channel[size_t(i)] = b;
        grid->addWidget(b, (i - 1) / 17, (i - 1) % 17);
    }

    connect(newOKbutton, &QPushButton::clicked, this, [this] { newOKbutton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { Cancel_Click(); });
    connect(cmdAddUniverse, &QPushButton::clicked, this, [this] { cmdAddUniverse_Click(); });
    connect(cmgUniverseComboListBox, qOverload<int>(&QComboBox::activated), this,
            [this](int index) { cmgUniverseComboListBox_Click(index); });
    connect(chkMatrix, &QCheckBox::toggled, this, [this] { chkMatrix_Click(); });
    connect(txtX, &QLineEdit::textEdited, this, [this] { matrixSize_Change(); });
    connect(txtY, &QLineEdit::textEdited, this, [this] { matrixSize_Change(); });
    for (QLineEdit* box : Text1) connect(box, &QLineEdit::textChanged, this, [this] { checkFit(); });
    txtMatrixName->installEventFilter(this);

    // Loading.
    miscGlobalFunctions::windowPlacement(this, QStringLiteral("GET"));
    shell().state.showChanged = true;
    myState = 0;
    Label1[1]->setText(QStringLiteral("How many ") + editorName().trimmed() + QStringLiteral("(s) would you like to add?"));
    fillUniverseList();
    displayChannelBoxes();
    populateView();
}

NewWhat::~NewWhat() = default;

void NewWhat::fillUniverseList() {
    cmgUniverseComboListBox->clear();
    const int32_t universes = shell().state.totalChannels / 512;
    for (int u = 1; u <= universes; ++u) cmgUniverseComboListBox->addItem(QStringLiteral("Universe %1").arg(u));
    cmgUniverseComboListBox->setCurrentIndex(0);
    currentUniverse = 1;
}

NewWhat::BoxLook NewWhat::boxLook(int box) const {
    const ChannelModel& m = shell().state;
    const int32_t a = (currentUniverse - 1) * 512 + box;
    BoxLook look{QString::number(box), QString(), 0xE0E0E0, 0};
    if (a < 1 || a > m.totalChannels) return look;
    const QString label = m.channelFixtureLabel[a].trimmed();
    if (m.channelType[a].trimmed() != QLatin1String("none") && label.isEmpty()) look.back = 0x808080;
    if (!label.isEmpty()) {
        look.back = 0xFF0000;
        look.fore = 0xFFFFFF;
        look.toolTip = (label + QLatin1Char(' ') + m.channelType[a]).trimmed();
    }
    if (box >= markStart && box < markEnd) {
        look.back = 0x0000FF;
        look.fore = 0x00FFFF;
    }
    return look;
}

void NewWhat::displayChannelBoxes() {
    // The universe shown is the universe the clicks and drops use.
    currentUniverse = std::max(cmgUniverseComboListBox->currentIndex(), 0) + 1;
    {
        const QSignalBlocker quiet(Text1[0]); // the fit is checked once below
        Text1[0]->setText(QStringLiteral("1"));
    }
    for (int i = 1; i <= 512; ++i) {
        const BoxLook look = boxLook(i);
        QPushButton* b = channel[size_t(i)];
        b->setText(look.text);
        b->setToolTip(look.toolTip);
        b->setStyleSheet(QStringLiteral("QPushButton#%1 { background: %2; color: %3; border: 1px solid gray; font-size: 8px; }")
                             .arg(b->objectName(), bgr(look.back), bgr(look.fore)));
        b->setVisible(true);
    }
    markStart = markEnd = 0;
    if (myState == 0) advanceToFit();
}

void NewWhat::setStartEnd(int32_t theStart, int32_t theEnd, int32_t theUniverse) {
    cmgUniverseComboListBox->setCurrentIndex(theUniverse - 1);
    currentUniverse = theUniverse;
    markStart = theStart;
    markEnd = theEnd;
}

patchCommit::Request NewWhat::request() const {
    patchCommit::Request r;
    r.startText = Text1[0]->text();
    r.countText = Text1[1]->text();
    r.universeIndex = currentUniverse - 1;
    r.view = cmdSelectView->text() == viewPrompt ? QString() : myView;
    r.fadeMotion = Motionfadecheck->isChecked();
    r.fadeColour = motionfadeColorCheck->isChecked();
    r.fadeDimmer = motionFadeDimmerCheck->isChecked();
    r.invertPan = Inversepancheck->isChecked();
    r.invertTilt = InverseTiltcheck->isChecked();
    r.dmxPilotAll = dmxpilotall->isChecked();
    r.matrix = chkMatrix->isChecked();
    r.matrixName = txtMatrixName->text();
    r.columnsText = txtX->text();
    if (Light_Editor* e = loadedForm<Light_Editor>()) {
        r.editor.channelsText = e->txtFields[0]->text();
        r.editor.profileName = e->txtFields[1]->text();
        for (int row = 0; row < e->LoadLightGrid->rowCount(); ++row) {
            const auto* label = e->LoadLightGrid->item(row, 0);
            const auto* type = e->LoadLightGrid->item(row, 1);
            r.editor.rows.emplace_back(label ? label->text() : QString(), type ? type->text() : QString());
        }
        r.editor.edited = &profileEditorSession().editedProfile();
    }
    return r;
}

void NewWhat::newOKbutton_Click() {
    const patchCommit::Outcome out = patchCommit::commit(request());
    if (!out.closed) return;
    const bool closeEditor = out.closeEditor;
    // This window goes first: the editor's close asks the patch window to go too.
    unloadForm<NewWhat>();
    if (closeEditor && loadedForm<Light_Editor>()) Light_Editor::unloadEditor();
}

void NewWhat::Cancel_Click() {
    if (loadedForm<Light_Editor>()) Light_Editor::unloadEditor();
    if (loadedForm<NewWhat>()) unloadForm<NewWhat>();
}

void NewWhat::closeEvent(QCloseEvent* event) {
    miscGlobalFunctions::windowPlacement(this, QStringLiteral("SET"));
    event->accept();
}

void NewWhat::checkFit() {
    Light_Editor* e = loadedForm<Light_Editor>();
    const bool fits = e && e->isVisible() &&
                      patchCommit::fixturesFit(currentUniverse - 1, Text1[0]->text(), Text1[1]->text(),
                                               e->txtFields[0]->text());
    lblChangeStartChannel->setVisible(!fits);
    newOKbutton->setEnabled(fits);
}

void NewWhat::advanceToFit() {
    Light_Editor* e = loadedForm<Light_Editor>();
    // Boxes without a number never fit: no point asking 512 times.
    if (e && (!numberText::isNumber(Text1[1]->text()) || !numberText::isNumber(e->txtFields[0]->text()))) {
        checkFit();
        return;
    }
    {
        const QSignalBlocker quiet(Text1[0]);
        for (int i = 0; i < 512; ++i) {
            if (e && e->isVisible() &&
                patchCommit::fixturesFit(currentUniverse - 1, Text1[0]->text(), Text1[1]->text(),
                                         e->txtFields[0]->text()))
                break;
            Text1[0]->setText(QString::number(int(numberText::leadingValue(Text1[0]->text())) + 1));
        }
    }
    checkFit();
}

void NewWhat::cmdAddUniverse_Click() {
    Shell& s = shell();
    s.playback().setRefreshTickEnabled(false);
    channelModel::redimForMoreUniverses(s.state.totalChannels + 512);
    fillUniverseList();
    s.playback().setRefreshTickEnabled(true);
    // The first universe is selected: show it, so what is shown is what a drop uses.
    displayChannelBoxes();
}

void NewWhat::cmgUniverseComboListBox_Click(int index) {
    if (index < 0) return;
    displayChannelBoxes();
}

void NewWhat::channel_DragDrop(int draggedBox, int dropBox) {
    const int32_t base = (currentUniverse - 1) * 512;
    const int32_t from = base + draggedBox;
    if (fixtureMove::fixtureAt(from) == 0) {
        // A plain click: the box's channel becomes the start.
        if (myState == 0 && boxLook(dropBox).back != 0x808080) Text1[0]->setText(QString::number(dropBox));
        return;
    }
    if (fixtureMove::moveFixture(from, base + dropBox) == fixtureMove::Result::Moved) displayChannelBoxes();
}

int NewWhat::boxAt(QObject* o) const {
    for (int i = 1; i <= 512; ++i)
        if (channel[size_t(i)] == o) return i;
    return 0;
}

bool NewWhat::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtMatrixName && event->type() == QEvent::MouseButtonPress &&
        txtMatrixName->text() == patchCommit::matrixNamePrompt)
        txtMatrixName->clear();
    if (const int box = boxAt(watched)) {
        if (event->type() == QEvent::MouseButtonPress) {
            dragFrom = box;
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease && dragFrom) {
            const auto* me = static_cast<QMouseEvent*>(event);
            const int from = dragFrom;
            dragFrom = 0;
            QWidget* under = childAt(mapFromGlobal(me->globalPosition().toPoint()));
            if (const int drop = boxAt(under)) channel_DragDrop(from, drop);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void NewWhat::chkMatrix_Click() {
    Text1[1]->setEnabled(!chkMatrix->isChecked() && myState == 0);
}

void NewWhat::matrixSize_Change() {
    if (!numberText::isNumber(txtX->text()) || !numberText::isNumber(txtY->text())) {
        shell().prompts().messageBox(QStringLiteral("Numbers Only"));
        return;
    }
    const double count = numberText::leadingValue(txtX->text()) * numberText::leadingValue(txtY->text());
    Text1[1]->setText(QString::number(qRound64(count)));
    chkMatrix->setChecked(true);
}

void NewWhat::populateView() {
    viewMenu->clear();
    const ChannelModel& m = shell().state;
    QStringList views{QStringLiteral("View 1")};
    for (int32_t i = 1; i <= m.fixtureCount && i < m.viewNames.size(); ++i)
        if (!m.viewNames[i].isEmpty()) views << m.viewNames[i];
    for (const QString& v : views) viewMenu->addAction(v, this, [this, v] { chooseView(v); });
}

void NewWhat::chooseView(const QString& view) {
    cmdSelectView->setText(view);
    myView = view;
}

void NewWhat::activate() {
    if (myState == 1) {
        setWindowTitle(QStringLiteral("Dmx Configuration"));
        for (QWidget* w : std::initializer_list<QWidget*>{
                 Text1[0], Text1[1], cmdSelectView, chkMatrix, txtX, txtY, txtMatrixName, Inversepancheck,
                 InverseTiltcheck, Motionfadecheck, motionfadeColorCheck, motionFadeDimmerCheck, dmxpilotall,
                 newOKbutton, cmdAddUniverse})
            w->setEnabled(false);
    }
    show();
    raise();
}
