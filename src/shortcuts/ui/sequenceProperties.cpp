#include "shortcuts/ui/sequenceProperties.h"

#include "platform/prompts.h"
#include "shell/services/mastersService.h"
#include "shell/services/playbackService.h"
#include "shell/shell.h"
#include "shell/ui/windowRegistry.h"

#include <QButtonGroup>
#include <algorithm>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QGroupBox* optionRow(QWidget* parent, const char* const (&captions)[3], QRadioButton* (&buttons)[3], const char* name) {
    auto* box = new QGroupBox(parent);
    auto* row = new QHBoxLayout(box);
    auto* group = new QButtonGroup(box);
    for (int i = 0; i < 3; ++i) {
        buttons[i] = new QRadioButton(QString::fromLatin1(captions[i]), box);
        buttons[i]->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(name)).arg(i));
        group->addButton(buttons[i], i);
        row->addWidget(buttons[i]);
    }
    return box;
}

// An up-down pair: [0] up, [1] down.
QWidget* arrows(QWidget* parent, QToolButton* (&pair)[2], const char* name) {
    auto* box = new QWidget(parent);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    for (int i = 0; i < 2; ++i) {
        pair[i] = new QToolButton(box);
        pair[i]->setArrowType(i == 0 ? Qt::UpArrow : Qt::DownArrow);
        pair[i]->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(name), i == 0 ? "Up" : "Down"));
        column->addWidget(pair[i]);
    }
    return box;
}

QLabel* label(QWidget* parent, const QString& text, const char* name) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

QString plainNumber(float v) { return QString::number(double(v), 'g', 7); }
} // namespace

sequenceProperties::sequenceProperties(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("sequenceProperties"));
    setWindowTitle(QStringLiteral("Sequence Properties"));
    lblTitle = new QLabel(QStringLiteral("~Save Sequence Button~"), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setAlignment(Qt::AlignCenter);
    lblTitle->setStyleSheet(QStringLiteral("QLabel#lblTitle { color: white; background-color: #C00000; }"));

    // The crossfade section.
    auto* crossFade = new QGroupBox(this);
    crossFadeSection = crossFade;
    auto* grid = new QGridLayout(crossFade);
    fadeInCheck = new QCheckBox(QStringLiteral("Cross Fade In/Out "), crossFade);
    fadeInCheck->setObjectName(QStringLiteral("fadeInCheck"));
    fadeInCheck->setChecked(true);
    txtFadeInTimeValue = new QLineEdit(QStringLiteral("01.00"), crossFade);
    txtFadeInTimeValue->setObjectName(QStringLiteral("txtFadeInTimeValue"));
    txtFadeOutTime = new QLineEdit(QStringLiteral("01.00"), crossFade);
    txtFadeOutTime->setObjectName(QStringLiteral("txtFadeOutTime"));
    grid->addWidget(fadeInCheck, 0, 0, 2, 1);
    grid->addWidget(label(crossFade, QStringLiteral("Crossfade Time"), "lblcrossFade"), 0, 1, 1, 3);
    grid->addWidget(txtFadeInTimeValue, 1, 1);
    grid->addWidget(arrows(crossFade, upDnSec, "upDnSec"), 1, 2);
    grid->addWidget(arrows(crossFade, upDnMilSec, "upDnMilSec"), 1, 3);
    grid->addWidget(label(crossFade, QStringLiteral("ss"), "Label2_0"), 2, 2);
    grid->addWidget(label(crossFade, QStringLiteral("mm"), "Label2_1"), 2, 3);
    grid->addWidget(txtFadeOutTime, 3, 1);
    grid->addWidget(arrows(crossFade, udFadeOutSecond, "udFadeOutSecond"), 3, 2);
    grid->addWidget(arrows(crossFade, upFadeoutFrame, "upFadeoutFrame"), 3, 3);

    // The rest: save option, the two fade choices, start method, name, buttons.
    otherSections = new QWidget(this);
    static const char* const saveCaptions[3] = {"Default", "Pan/Tilt Only", "Color/Gobo Only"};
    static const char* const startCaptions[3] = {"Auto Start", "Audio", "Manual Start"};
    chkUseSeqqFadetime = new QCheckBox(QStringLiteral("Use Sequence Fadetime"), otherSections);
    chkUseSeqqFadetime->setObjectName(QStringLiteral("chkUseSeqqFadetime"));
    chkUseMotionfade = new QCheckBox(QStringLiteral("Use Fade Scenes Setting"), otherSections);
    chkUseMotionfade->setObjectName(QStringLiteral("chkUseMotionfade"));
    auto* lblStart = new QLabel(QStringLiteral("Select the method that will start and control tempo for the Sequence "
                                               "when loaded from a Sequence Shortcut"),
                                otherSections);
    lblStart->setObjectName(QStringLiteral("lblStart"));
    lblStart->setWordWrap(true);
    txtButtonName = new QLineEdit(otherSections);
    txtButtonName->setObjectName(QStringLiteral("txtButtonName"));
    txtButtonName->setToolTip(QStringLiteral("Enter the Button Name Here"));
    txtButtonName->installEventFilter(this);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), otherSections);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    saveButton = new QPushButton(QStringLiteral("Save Sequence"), otherSections);
    saveButton->setObjectName(QStringLiteral("saveButton"));
    auto* rest = new QVBoxLayout(otherSections);
    rest->setContentsMargins(0, 0, 0, 0);
    rest->addWidget(optionRow(otherSections, saveCaptions, optSaveOption, "optSaveOption"));
    rest->addWidget(chkUseSeqqFadetime);
    rest->addWidget(chkUseMotionfade);
    rest->addWidget(lblStart);
    rest->addWidget(optionRow(otherSections, startCaptions, optPlayStart, "optPlayStart"));
    rest->addWidget(txtButtonName);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CancelButton);
    buttons->addWidget(saveButton, 1);
    rest->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblTitle);
    layout->addWidget(crossFade);
    layout->addWidget(otherSections);
    setTabOrder(txtButtonName, saveButton);

    connect(saveButton, &QPushButton::clicked, this, [this] { saveButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { close(); });
    // The operator's click (not a tick set by code) switches the fade from the live output.
    connect(fadeInCheck, &QCheckBox::clicked, this, [this](bool ticked) {
        SequencePropertiesEngine::crossFadeClicked(ticked);
        chkUseSeqqFadetime->setChecked(ticked);
    });
    connect(chkUseMotionfade, &QCheckBox::clicked, this, [](bool ticked) {
        shell().playback().setUseMotionfade(shell().state.currentPlayback, ticked);
    });
    // Both boxes run the same rule, on the fade-in value.
    for (QLineEdit* box : {txtFadeInTimeValue, txtFadeOutTime})
        connect(box, &QLineEdit::textChanged, this, [this] {
            if (SequencePropertiesEngine::sendFadeTimes(txtFadeInTimeValue->text(), txtFadeOutTime->text(),
                                                        fadeInCheck->isChecked()))
                fadeInCheck->setChecked(true);
        });
    using A = SequencePropertiesEngine::Arrow;
    const struct {
        QToolButton* const* pair;
        QLineEdit* box;
        bool fadeOut;
        A up, down;
    } wiring[] = {{upDnSec, txtFadeInTimeValue, false, A::coarseUp, A::coarseDown},
                  {upDnMilSec, txtFadeInTimeValue, false, A::fineUp, A::fineDown},
                  {udFadeOutSecond, txtFadeOutTime, true, A::coarseUp, A::coarseDown},
                  {upFadeoutFrame, txtFadeOutTime, true, A::fineUp, A::fineDown}};
    for (const auto& w : wiring) {
        QLineEdit* box = w.box;
        const bool fadeOut = w.fadeOut;
        const A up = w.up, down = w.down;
        connect(w.pair[0], &QToolButton::clicked, this, [this, box, fadeOut, up] { arrow(box, fadeOut, up); });
        connect(w.pair[1], &QToolButton::clicked, this, [this, box, fadeOut, down] { arrow(box, fadeOut, down); });
    }
    mirror();
}

void sequenceProperties::setPlayback(int32_t playbackNumber) {
    loadCrossFade();
    engine.load(playbackNumber);
    mirror();
}

void sequenceProperties::loadCrossFade() {
    PlaybackService& pb = shell().playback();
    const int32_t current = shell().state.currentPlayback;
    fadeInCheck->setChecked(pb.getFadeInStatus(current));
    chkUseMotionfade->setChecked(pb.getUseMotionfade(current));
    chkUseSeqqFadetime->setChecked(true);
    float up = 0, down = 0;
    pb.getfadeInStatusfadeTimes(up, down, current);
    // Each box's change rule runs; while the fade-in box fills, the fade-out box keeps its text.
    txtFadeInTimeValue->setText(plainNumber(up));
    txtFadeOutTime->setText(plainNumber(down));
}

void sequenceProperties::arrow(QLineEdit* box, bool fadeOutBox, SequencePropertiesEngine::Arrow which) {
    const std::optional<QString> next = SequencePropertiesEngine::arrowClick(box->text(), fadeOutBox, which);
    if (!next) return;
    box->setText(*next);
    fadeInCheck->setChecked(true);
}

void sequenceProperties::setFadeChangeMode(bool on) {
    FadeChangeMode = on;
    if (!on) return;
    lblTitle->setText(QStringLiteral("Adjust Fade In/Fade Out times"));
    otherSections->hide();
    adjustSize();
}

void sequenceProperties::setButtonName(const QString& name) {
    engine.buttonName = name;
    mirror();
}

void sequenceProperties::mirror() {
    optPlayStart[std::clamp(engine.startMethod, 0, 2)]->setChecked(true);
    optSaveOption[std::clamp(engine.saveOption, 0, 2)]->setChecked(true);
    txtButtonName->setText(engine.buttonName);
    const bool grey = engine.buttonName == SequencePropertiesEngine::placeholder() || engine.isExistingButton;
    txtButtonName->setStyleSheet(grey ? QStringLiteral("QLineEdit#txtButtonName { color: #808080; }") : QString());
}

// A click or a key in the name box turns the text black and clears the placeholder.
void sequenceProperties::typing() {
    txtButtonName->setStyleSheet(QString());
    if (txtButtonName->text() == SequencePropertiesEngine::placeholder()) txtButtonName->clear();
}

bool sequenceProperties::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtButtonName) {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress) typing();
        if (event->type() == QEvent::KeyRelease) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) saveButton_Click();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void sequenceProperties::saveButton_Click() {
    for (int i = 0; i < 3; ++i) {
        if (optPlayStart[i]->isChecked()) engine.startMethod = i;
        if (optSaveOption[i]->isChecked()) engine.saveOption = i;
    }
    engine.buttonName = txtButtonName->text();
    // A name that cannot be a file of the page is refused; the dialog stays.
    const QString problem = engine.nameProblem();
    if (!problem.isEmpty()) {
        shell().prompts().messageBox(problem);
        return;
    }
    hide();
    engine.save();
}

// Closing the fade editor writes the playback's fade settings into its
// sequence file; closing the save dialog returns the console to playback
// mode. The window is unloaded once the close has been handled.
void sequenceProperties::closeEvent(QCloseEvent* event) {
    event->accept();
    if (FadeChangeMode) shell().playback().saveUseFadetime(shell().state.currentPlayback);
    else shell().masters().cmdPlaybackMode_Click();
    QTimer::singleShot(0, this, [this] {
        if (!isVisible()) unloadForm<sequenceProperties>(); // not when opened again meanwhile
    });
}
