#include "effects/ui/ShapeGeneratorWin.h"

#include "effects/effectsEngine.h"
#include "platform/prompts.h"
#include "platform/ui/keyCodes.h"
#include "shell/services/consoleService.h"
#include "shell/services/patchService.h"
#include "shell/shell.h"
#include "shell/ui/Formontop.h"
#include "shell/ui/windowRegistry.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int twipsPerPixel = 15;
constexpr int frameTwips = 2580;

using Spinner = ShapeGenerator::Spinner;

QLabel* heading(const QString& text) {
    auto* l = new QLabel(text);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

// A field with its up-down arrows beside it.
QWidget* withArrows(QLineEdit* field, QToolButton* (&pair)[2]) {
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    row->addWidget(field, 1);
    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    for (int i = 0; i < 2; ++i) {
        pair[i] = new QToolButton;
        pair[i]->setArrowType(i == 0 ? Qt::UpArrow : Qt::DownArrow);
        pair[i]->setAutoRaise(true);
        arrows->addWidget(pair[i]);
    }
    row->addLayout(arrows);
    return box;
}

void setText(QLineEdit* field, const QString& text) {
    if (field->text() == text) return;
    const QSignalBlocker block(field);
    field->setText(text);
}

void setList(QComboBox* box, const QStringList& items, const QString& text) {
    const QSignalBlocker block(box);
    QStringList present;
    for (int i = 0; i < box->count(); ++i) present << box->itemText(i);
    if (present != items) {
        box->clear();
        box->addItems(items);
    }
    if (box->isEditable()) box->setEditText(text);
    else box->setCurrentIndex(box->findText(text));
}

} // namespace

// ---------------------------------------------------------------- the frame "JOYSTICK"

JoystickFrame::JoystickFrame(ShapeGenerator& e, QWidget* parent) : QWidget(parent), engine(e) {
    setObjectName(QStringLiteral("joystick"));
    setFixedSize(frameTwips / twipsPerPixel, frameTwips / twipsPerPixel);
    setToolTip(QStringLiteral("Move the cirle to indicate the center of where the movement shape will be created"));
}

void JoystickFrame::setPoints(std::vector<ShapeGenerator::PreviewPoint> points) {
    steps = std::move(points);
    update();
}

// A step without pan or tilt stays at the template's place.
QPoint JoystickFrame::labelTwips(const ShapeGenerator::PreviewPoint& p) {
    if (p.pan < 0 || p.tilt < 0) return {75, 1005};
    return {2550 - 10 * p.pan, 2550 - 10 * p.tilt - 100};
}
QPoint JoystickFrame::lineTwips(const ShapeGenerator::PreviewPoint& p) {
    if (p.pan < 0 || p.tilt < 0) return {45, 30};
    return {2550 - 10 * p.pan, 2550 - 10 * p.tilt};
}

void JoystickFrame::dragTo(QPoint twips) {
    marker = twips - QPoint(125, 125);
    engine.pickCenter(twips.x(), twips.y());
    update();
}

void JoystickFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(0x40, 0x40, 0x40));
    auto px = [](QPoint t) { return QPointF(t.x() / double(twipsPerPixel), t.y() / double(twipsPerPixel)); };
    p.setPen(QPen(Qt::gray, 1));
    p.drawLine(px({15, 1245}), px({2535, 1245}));
    p.drawLine(px({1260, 45}), px({1260, 2565}));
    p.setPen(QPen(Qt::white, 1));
    for (size_t j = 0; j + 1 < steps.size(); ++j) p.drawLine(px(lineTwips(steps[j])), px(lineTwips(steps[j + 1])));
    QFont small = font();
    small.setPointSize(6);
    p.setFont(small);
    for (size_t j = 0; j < steps.size(); ++j) {
        const QPointF at = px(labelTwips(steps[j]));
        const QRectF box(at, QSizeF(14, 9));
        p.fillRect(box, QColor(0xFF, 0xFF, 0x80));
        p.setPen(Qt::black);
        p.drawText(box, Qt::AlignCenter, QString::number(j + 1));
    }
    p.setPen(QPen(Qt::yellow, 2));
    p.drawEllipse(QRectF(px(marker), QSizeF(255.0 / twipsPerPixel, 255.0 / twipsPerPixel)));
}

void JoystickFrame::mousePressEvent(QMouseEvent* event) { mouseMoveEvent(event); }
void JoystickFrame::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() != Qt::LeftButton) return;
    const QPoint at = event->position().toPoint() * twipsPerPixel;
    dragTo(at);
}

// ---------------------------------------------------------------- the tool window

ShapeGeneratorWin::ShapeGeneratorWin(QWidget* parent) : QWidget(parent), engine(shell().engine<ShapeGenerator>()) {
    setObjectName(QStringLiteral("ShapeGeneratorWin"));
    setWindowTitle(QStringLiteral("Advanced FX Tool"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0x40, 0x40, 0x40));
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);

    auto* outer = new QVBoxLayout(this);
    menuBar = new QMenuBar;
    outer->setMenuBar(menuBar);

    shapesClick = menuBar->addMenu(QStringLiteral("Shapes"));
    shapesClick->addAction(QStringLiteral("Apply Shape ( start at step 1 )"), this,
                           [] { shell().effects().showShapeBrowser(false); });
    shapesClick->addAction(QStringLiteral("Apply Shape (append to last step )"), this,
                           [] { shell().effects().showShapeBrowser(true); });
    shapesClick->addAction(QStringLiteral("Save Shape ( of selected fixture )"), this,
                           [] { shell().console().saveCurrentShapeFunction(QString()); });
    shapesClick->addAction(QStringLiteral("Close Window"), this, [this] {
        hide();
        QTimer::singleShot(0, this, [this] {
            if (!isVisible()) unloadForm<ShapeGeneratorWin>();
        });
    });
    preCalShapes = menuBar->addMenu(QStringLiteral("Pre Calculated Shapes"));
    for (const char* c : {"Circle", "Figure Eight", "Vertical Line", "Horizontal Line", "Atomic", "Wiggle", "Sine",
                          "PingPong", "Diagonal", "Random"})
        preCalShapes->addAction(QLatin1String(c), this, [this, c] {
            if (engine.preCalculatedShape(QLatin1String(c))) openDialog();
        });
    clkFXMenu = menuBar->addMenu(QStringLiteral("fxMenu"));
    for (const char* c : {"CoSine Wave", "Sine Wave", "Wave 1", "Wave 2"})
        clkFXMenu->addAction(QLatin1String(c), this, [this, c] {
            if (engine.fxWave(QLatin1String(c))) openDialog();
        });

    auto field = [](const char* name) {
        auto* f = new QLineEdit;
        f->setObjectName(QLatin1String(name));
        f->setMinimumWidth(40);
        return f;
    };
    fromChText = field("fromChText");
    toChText = field("toChText");
    Offset2 = field("Offset2");
    Offsettxt = field("Offsettxt");
    ShiftTxt = field("ShiftTxt");
    RotateTXT = field("RotateTXT");
    RotateYTxt = field("RotateYTxt");

    // Step range.
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("From Step")));
    top->addWidget(withArrows(fromChText, arrows[int(Spinner::UpdnStart)]));
    top->addWidget(new QLabel(QStringLiteral("TO")));
    top->addWidget(withArrows(toChText, arrows[int(Spinner::UpdnEnd)]));
    top->addWidget(new QLabel(QStringLiteral("Fixture Offset")));
    top->addWidget(withArrows(Offset2, arrows[int(Spinner::UpDown2)]));
    top->addStretch(1);
    outer->addLayout(top);

    auto* columns = new QHBoxLayout;
    outer->addLayout(columns);

    // Step shifts and waves.
    auto* shiftBox = new QVBoxLayout;
    shiftBox->addWidget(heading(QStringLiteral("Step Shift")));
    shiftBox->addWidget(new QLabel(QStringLiteral("Select Channel Type")));
    Combo1 = new QComboBox;
    Combo1->setObjectName(QStringLiteral("Combo1"));
    shiftBox->addWidget(Combo1);
    shiftBox->addWidget(new QLabel(QStringLiteral("Select Movement Type")));
    auto radios = [this](QButtonGroup*& group, QLayout* into) {
        group = new QButtonGroup(this);
        auto* row = new QHBoxLayout;
        int id = 0;
        for (const char* c : {"Pan", "Tilt", "Both"}) {
            auto* r = new QRadioButton(QLatin1String(c));
            group->addButton(r, id++);
            row->addWidget(r);
        }
        group->button(2)->setChecked(true);
        static_cast<QBoxLayout*>(into)->addLayout(row);
    };
    radios(Option1, shiftBox);
    auto* shiftRow = new QHBoxLayout;
    shiftRow->addWidget(withArrows(ShiftTxt, arrows[int(Spinner::UpDown5)]));
    shiftRow->addWidget(new QLabel(QStringLiteral("Step Offset")));
    shiftBox->addLayout(shiftRow);
    auto button = [](const QString& caption, const char* name) {
        auto* b = new QPushButton(caption);
        b->setObjectName(QLatin1String(name));
        return b;
    };
    Command2 = button(QStringLiteral("Channel StepShift"), "Command2");
    cmdFxCreate = button(QStringLiteral("FX Create"), "cmdFxCreate");
    ShiftShape = button(QStringLiteral("Movement StepShift"), "ShiftShape");
    cmdGenShape = button(QStringLiteral("Movement FX"), "cmdGenShape");
    auto* shiftButtons = new QGridLayout;
    shiftButtons->addWidget(Command2, 0, 0);
    shiftButtons->addWidget(cmdFxCreate, 0, 1);
    shiftButtons->addWidget(ShiftShape, 1, 0);
    shiftButtons->addWidget(cmdGenShape, 1, 1);
    shiftBox->addLayout(shiftButtons);

    // Channel chase.
    shiftBox->addWidget(heading(QStringLiteral("Channel Chase EFX")));
    auto combo = [](const char* name) {
        auto* c = new QComboBox;
        c->setObjectName(QLatin1String(name));
        c->setEditable(true);
        c->setInsertPolicy(QComboBox::NoInsert);
        return c;
    };
    cmbChannelList = combo("cmbChannelList");
    cmbValue1 = combo("cmbValue1");
    cmbValue2 = combo("cmbValue2");
    shiftBox->addWidget(cmbChannelList);
    auto* chase = new QGridLayout;
    auto preview = [](const char* name) {
        auto* l = new QLabel;
        l->setObjectName(QLatin1String(name));
        l->setFixedSize(30, 30);
        l->setScaledContents(true);
        l->setAutoFillBackground(true);
        l->hide();
        return l;
    };
    pctPreview1 = preview("pctPreview1");
    lblPreview1 = preview("lblPreview1");
    pctPreview2 = preview("pctPreview2");
    lblPreview2 = preview("lblPreview2");
    auto slider = [](const char* name, int lo, int hi, int value) {
        auto* s = new QSlider(Qt::Horizontal);
        s->setObjectName(QLatin1String(name));
        s->setRange(lo, hi);
        s->setValue(value);
        return s;
    };
    sldrLowValue = slider("sldrLowValue", 0, 255, 255);
    sldrHighValue = slider("sldrHighValue", 0, 255, 0);
    chase->addWidget(new QLabel(QStringLiteral("Value 1")), 0, 0);
    chase->addWidget(cmbValue1, 0, 1);
    chase->addWidget(pctPreview1, 0, 2);
    chase->addWidget(lblPreview1, 0, 3);
    chase->addWidget(sldrLowValue, 1, 0, 1, 4);
    chase->addWidget(new QLabel(QStringLiteral("Value 2")), 2, 0);
    chase->addWidget(cmbValue2, 2, 1);
    chase->addWidget(pctPreview2, 2, 2);
    chase->addWidget(lblPreview2, 2, 3);
    chase->addWidget(sldrHighValue, 3, 0, 1, 4);
    chase->setColumnStretch(1, 1);
    shiftBox->addLayout(chase);
    CmdCreateChase = button(QStringLiteral("Create Chase"), "CmdCreateChase");
    shiftBox->addWidget(CmdCreateChase);
    shiftBox->addStretch(1);
    columns->addLayout(shiftBox, 1);

    // Display.
    auto* display = new QVBoxLayout;
    display->addWidget(heading(QStringLiteral("Display")));
    auto* frame = new QGroupBox(QStringLiteral("JOYSTICK"));
    auto* frameLayout = new QVBoxLayout(frame);
    joystick = new JoystickFrame(engine);
    frameLayout->addWidget(joystick);
    display->addWidget(frame);
    RefreshShape = button(QStringLiteral("Refresh Shape"), "RefreshShape");
    display->addWidget(RefreshShape);
    display->addStretch(1);
    columns->addLayout(display);

    // Rotation and size.
    auto* right = new QVBoxLayout;
    right->addWidget(heading(QStringLiteral("Rotation")));
    auto* rotation = new QGridLayout;
    rotation->addWidget(withArrows(Offsettxt, arrows[int(Spinner::UpDown1)]), 0, 0);
    rotation->addWidget(new QLabel(QStringLiteral("Fixture Offset")), 0, 1);
    rotation->addWidget(withArrows(RotateTXT, arrows[int(Spinner::UpDown3)]), 1, 0);
    rotation->addWidget(new QLabel(QStringLiteral("Rotate Pan")), 1, 1);
    rotation->addWidget(withArrows(RotateYTxt, arrows[int(Spinner::UpDown4)]), 2, 0);
    rotation->addWidget(new QLabel(QStringLiteral("Rotate Tilt")), 2, 1);
    right->addLayout(rotation);
    Command1 = button(QStringLiteral("Apply Rotation"), "Command1");
    right->addWidget(Command1);
    right->addWidget(new QLabel(QStringLiteral("Size")));
    ShapeSize = slider("ShapeSize", 1, 200, 101);
    right->addWidget(ShapeSize);
    auto* sizeFrame = new QGroupBox;
    auto* sizeLayout = new QVBoxLayout(sizeFrame);
    radios(Option2, sizeLayout);
    SmallerBtn = button(QStringLiteral("smaller"), "SmallerBtn");
    LargerBtn = button(QStringLiteral("larger"), "LargerBtn");
    auto* sizeButtons = new QHBoxLayout;
    sizeButtons->addWidget(SmallerBtn);
    sizeButtons->addWidget(LargerBtn);
    sizeLayout->addLayout(sizeButtons);
    right->addWidget(sizeFrame);
    right->addStretch(1);
    columns->addLayout(right);

    // Fields into the engine.
    auto edits = [this](QLineEdit* f, QString ShapeGenerator::Fields::*member) {
        connect(f, &QLineEdit::textEdited, this, [this, member](const QString& t) { engine.fields.*member = t; });
    };
    edits(fromChText, &ShapeGenerator::Fields::fromChText);
    edits(toChText, &ShapeGenerator::Fields::toChText);
    edits(Offset2, &ShapeGenerator::Fields::Offset2);
    edits(Offsettxt, &ShapeGenerator::Fields::Offsettxt);
    edits(ShiftTxt, &ShapeGenerator::Fields::ShiftTxt);
    edits(RotateYTxt, &ShapeGenerator::Fields::RotateYTxt);
    connect(RotateTXT, &QLineEdit::textEdited, this, [this](const QString& t) { engine.setRotateText(t); });
    for (int s = 0; s < 7; ++s)
        for (int i = 0; i < 2; ++i)
            connect(arrows[s][i], &QToolButton::clicked, this, [this, s, i] { engine.spin(Spinner(s), i == 0); });
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);

    connect(Combo1, &QComboBox::currentTextChanged, this, [this](const QString& t) { engine.fields.Combo1Text = t; });
    connect(cmbChannelList, &QComboBox::currentTextChanged, this,
            [this](const QString& t) { engine.fields.cmbChannelListText = t; });
    connect(cmbChannelList, &QComboBox::activated, this, [this] { cmbChannelList_Click(); });
    connect(cmbValue1, &QComboBox::currentTextChanged, this, [this](const QString& t) {
        engine.fields.cmbValue1Text = t;
        valueChosen(1);
    });
    connect(cmbValue2, &QComboBox::currentTextChanged, this, [this](const QString& t) {
        engine.fields.cmbValue2Text = t;
        valueChosen(2);
    });
    connect(sldrLowValue, &QSlider::valueChanged, this, [this](int v) { engine.lowValueSlider(v); });
    connect(sldrHighValue, &QSlider::valueChanged, this, [this](int v) { engine.highValueSlider(v); });
    connect(Option1, &QButtonGroup::idClicked, this, [this](int id) { engine.fields.movementOption = id; });
    connect(Option2, &QButtonGroup::idClicked, this, [this](int id) { engine.fields.sizeOption = id; });
    connect(ShapeSize, &QSlider::valueChanged, this, [this](int v) { engine.fields.ShapeSize = v; });
    connect(ShapeSize, &QSlider::sliderReleased, this, [this] { engine.releaseShapeSize(); });

    connect(cmdGenShape, &QPushButton::clicked, this, [this] { preCalShapes->popup(QCursor::pos()); });
    connect(cmdFxCreate, &QPushButton::clicked, this, [this] { clkFXMenu->popup(QCursor::pos()); });
    connect(Command2, &QPushButton::clicked, this, [this] { engine.channelStepShift(); });
    connect(ShiftShape, &QPushButton::clicked, this, [this] { engine.movementStepShift(); });
    connect(CmdCreateChase, &QPushButton::clicked, this, [this] { engine.createChannelChase(); });
    connect(Command1, &QPushButton::clicked, this, [this] { engine.applyRotation(); });
    connect(RefreshShape, &QPushButton::clicked, this, [this] { RefreshShape_Click(); });
    connect(SmallerBtn, &QPushButton::clicked, this, [this] { engine.sizeButton(false); });
    connect(LargerBtn, &QPushButton::clicked, this, [this] { engine.sizeButton(true); });

    engine.attachView(this);
    engine.load();
}

ShapeGeneratorWin::~ShapeGeneratorWin() {
    if (hasShell())
        if (ShapeGenerator* g = shell().loadedEngine<ShapeGenerator>()) g->attachView(nullptr);
}

void ShapeGeneratorWin::Form_Activate() {
    engine.activateForm();
    engine.getCHannelsForSelectedFixtures();
}

void ShapeGeneratorWin::fieldsChanged() {
    const ShapeGenerator::Fields& f = engine.fields;
    setText(fromChText, f.fromChText);
    setText(toChText, f.toChText);
    setText(Offset2, f.Offset2);
    setText(Offsettxt, f.Offsettxt);
    setText(ShiftTxt, f.ShiftTxt);
    setText(RotateTXT, f.RotateTXT);
    setText(RotateYTxt, f.RotateYTxt);
    setList(Combo1, f.Combo1, f.Combo1Text);
    setList(cmbChannelList, f.cmbChannelList, f.cmbChannelListText);
    setList(cmbValue1, f.cmbValue1, f.cmbValue1Text);
    setList(cmbValue2, f.cmbValue2, f.cmbValue2Text);
    cmbValue1->setEnabled(f.cmbValue1Enabled);
    cmbValue2->setEnabled(f.cmbValue2Enabled);
    {
        const QSignalBlocker block(ShapeSize);
        ShapeSize->setValue(f.ShapeSize);
    }
    if (QAbstractButton* b = Option1->button(f.movementOption)) b->setChecked(true);
    if (QAbstractButton* b = Option2->button(f.sizeOption)) b->setChecked(true);
}

void ShapeGeneratorWin::RefreshShape_Click() {
    try {
        joystick->setPoints(engine.previewPoints());
    } catch (const std::exception& e) {
        shell().prompts().messageBox(QStringLiteral("Refresh Shape ") + QString::fromUtf8(e.what()));
    }
}

void ShapeGeneratorWin::cmbChannelList_Click() {
    engine.fields.cmbChannelListText = cmbChannelList->currentText();
    engine.fillValueLists();
    engine.fields.cmbValue1Enabled = engine.fields.cmbValue2Enabled = true;
    for (QLabel* l : {pctPreview1, lblPreview1, pctPreview2, lblPreview2}) l->hide();
    fieldsChanged();
}

// A chosen value shows what it stands for: a colour number or a picture in "images".
void ShapeGeneratorWin::valueChosen(int list) {
    QComboBox* box = list == 1 ? cmbValue1 : cmbValue2;
    QLabel* picture = list == 1 ? pctPreview1 : pctPreview2;
    QLabel* swatch = list == 1 ? lblPreview1 : lblPreview2;
    const QString t = box->currentText();
    if (t.isEmpty()) return;
    const QString last4 = t.right(4);
    if (last4.at(0).isDigit()) {
        swatch->show();
        bool ok = false;
        const qlonglong bgr = t.toLongLong(&ok);
        if (!ok) return; // not a number as a whole: the swatch keeps its colour
        picture->hide();
        QPalette p = swatch->palette();
        p.setColor(QPalette::Window, QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF)));
        swatch->setPalette(p);
        return;
    }
    const QString ext = last4.trimmed().toLower();
    if (ext == QStringLiteral(".bmp") || ext == QStringLiteral(".ico")) {
        const QPixmap pixmap(shell().programPath(QStringLiteral("images\\") + t));
        if (pixmap.isNull()) return;
        picture->setPixmap(pixmap);
        picture->show();
        swatch->hide();
        return;
    }
    picture->hide();
    swatch->hide();
}

void ShapeGeneratorWin::openDialog() {
    myDialog& d = form<myDialog>();
    d.syncFromEngine();
    Formontop::setFormOnTop(&d, -1);
    d.show();
    d.raise();
}

void ShapeGeneratorWin::dialogChanged() {
    myDialog* d = loadedForm<myDialog>();
    if (!d) return;
    if (engine.dialogState().loaded) d->syncFromEngine();
    else {
        d->hide();
        QTimer::singleShot(0, d, [] {
            if (myDialog* w = loadedForm<myDialog>(); w && !w->isVisible()) unloadForm<myDialog>();
        });
    }
}

bool ShapeGeneratorWin::eventFilter(QObject* watched, QEvent* event) {
    const bool rotatePan = watched == RotateTXT;
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (key && rotatePan) engine.isEditingField = true;
    if (key && watched != this) forwardKey(static_cast<QKeyEvent*>(event));
    if (!fields().contains(watched)) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        if (!rotatePan) engine.isEditingField = true;
        break;
    case QEvent::FocusOut:
        if (!rotatePan) engine.isEditingField = false;
        break;
    case QEvent::KeyPress: {
        // The angle and offset fields take digits only: another key empties the field first.
        auto* key = static_cast<QKeyEvent*>(event);
        auto* field = static_cast<QLineEdit*>(watched);
        const bool filtered = field == Offsettxt || field == RotateTXT || field == RotateYTxt;
        const QString text = key->text();
        if (filtered && !text.isEmpty() && !(text.size() == 1 && text.at(0) >= u'0' && text.at(0) <= u'9')) {
            field->clear();
            if (field == RotateTXT) engine.setRotateText(QString());
            else if (field == Offsettxt) engine.fields.Offsettxt.clear();
            else engine.fields.RotateYTxt.clear();
        }
        break;
    }
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}

bool ShapeGeneratorWin::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) Form_Activate();
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) forwardKey(static_cast<QKeyEvent*>(event));
    return QWidget::event(event);
}

// The window sees every key before its controls: unless a field is being
// edited, the console's shortcut keys act on it.
void ShapeGeneratorWin::forwardKey(QKeyEvent* key) {
    if (engine.isEditingField || key->isAutoRepeat()) return;
    const int code = keyCodes::keyCode(*key);
    if (!code) return;
    if (key->type() == QEvent::KeyPress) shell().console().Keyshortcuts(code, keyCodes::shiftState(*key));
    else shell().console().keyshortcutsup(code, keyCodes::shiftState(*key));
}

QList<QObject*> ShapeGeneratorWin::fields() const {
    return {fromChText, toChText, Offset2, Offsettxt, RotateYTxt, RotateTXT};
}

void ShapeGeneratorWin::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) shell().patch().popupGroupMenuAtPointer();
    QWidget::mousePressEvent(event);
}

// ---------------------------------------------------------------- the properties dialog

myDialog::myDialog(QWidget* parent) : QWidget(parent), engine(shell().engine<ShapeGenerator>()) {
    setObjectName(QStringLiteral("myDialog"));
    auto* grid = new QGridLayout(this);
    lblNumSteps = new QLabel(QStringLiteral("Number Of Steps"));
    txtSteps = new QLineEdit;
    txtSteps->setObjectName(QStringLiteral("txtSteps"));
    upButton = new QToolButton;
    upButton->setArrowType(Qt::UpArrow);
    downButton = new QToolButton;
    downButton->setArrowType(Qt::DownArrow);
    lblX = new QLabel;
    lblY = new QLabel;
    TxtSize = new QLineEdit;
    TxtSize->setObjectName(QStringLiteral("TxtSize"));
    txtSize1 = new QLineEdit;
    txtSize1->setObjectName(QStringLiteral("txtSize1"));
    auto slider = [] {
        auto* s = new QSlider(Qt::Horizontal);
        s->setRange(0, 255);
        return s;
    };
    sldrX = slider();
    sldrY = slider();
    OKButton = new QPushButton(QStringLiteral("OK"));
    CancelButton = new QPushButton(QStringLiteral("Cancel"));
    grid->addWidget(lblNumSteps, 0, 0);
    grid->addWidget(txtSteps, 0, 1);
    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    arrows->addWidget(upButton);
    arrows->addWidget(downButton);
    grid->addLayout(arrows, 0, 2);
    grid->addWidget(lblX, 1, 0);
    grid->addWidget(TxtSize, 1, 1, 1, 2);
    grid->addWidget(sldrX, 2, 0, 1, 3);
    grid->addWidget(lblY, 3, 0);
    grid->addWidget(txtSize1, 3, 1, 1, 2);
    grid->addWidget(sldrY, 4, 0, 1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    grid->addLayout(buttons, 5, 0, 1, 3);

    connect(txtSteps, &QLineEdit::textEdited, this, [this](const QString& t) { engine.dialog().txtSteps = t; });
    connect(TxtSize, &QLineEdit::textEdited, this, [this](const QString& t) { engine.setDialogSizeText(true, t); });
    connect(txtSize1, &QLineEdit::textEdited, this, [this](const QString& t) { engine.setDialogSizeText(false, t); });
    connect(sldrX, &QSlider::valueChanged, this, [this](int v) { engine.setDialogSlider(true, v); });
    connect(sldrY, &QSlider::valueChanged, this, [this](int v) { engine.setDialogSlider(false, v); });
    connect(upButton, &QToolButton::clicked, this, [this] { engine.dialogUpDown(true); });
    connect(downButton, &QToolButton::clicked, this, [this] { engine.dialogUpDown(false); });
    connect(OKButton, &QPushButton::clicked, this, [this] { engine.okButton(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { engine.unloadDialog(); });
    engine.dialog();
    syncFromEngine();
}

void myDialog::syncFromEngine() {
    const FxDialogState& d = engine.dialogState();
    setWindowTitle(d.caption);
    lblX->setText(d.lblX);
    lblY->setText(d.lblY);
    setText(txtSteps, d.txtSteps);
    setText(TxtSize, d.TxtSize);
    setText(txtSize1, d.txtSize1);
    const QSignalBlocker bx(sldrX), by(sldrY);
    sldrX->setValue(d.sldrX);
    sldrY->setValue(d.sldrY);
}

// ---------------------------------------------------------------- wiring

namespace {
class ShapeToolUi final : public ShapeToolWindow {
public:
    void show() override {
        ShapeGeneratorWin& w = form<ShapeGeneratorWin>();
        Formontop::setFormOnTop(&w, -1);
        w.show();
        w.raise();
        w.Form_Activate();
    }
    bool visible() override {
        const ShapeGeneratorWin* w = loadedForm<ShapeGeneratorWin>();
        return w && w->isVisible();
    }
    void refreshShape() override {
        if (ShapeGeneratorWin* w = loadedForm<ShapeGeneratorWin>()) w->RefreshShape_Click();
    }
};
} // namespace

void attachShapeTool(Shell& s) { s.engine<EffectsEngine>().attachShapeTool(std::make_unique<ShapeToolUi>()); }
