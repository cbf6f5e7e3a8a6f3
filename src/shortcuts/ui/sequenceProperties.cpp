#include "shortcuts/ui/sequenceProperties.h"

#include "shell/services/mastersService.h"
#include "shell/shell.h"
#include "shell/ui/windowRegistry.h"

#include <QButtonGroup>
#include <algorithm>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
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
} // namespace

sequenceProperties::sequenceProperties(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("sequenceProperties"));
    setWindowTitle(QStringLiteral("Sequence Properties"));
    lblTitle = new QLabel(QStringLiteral("~Save Sequence Button~"), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setAlignment(Qt::AlignCenter);
    lblTitle->setStyleSheet(QStringLiteral("QLabel#lblTitle { color: white; background-color: #C00000; }"));
    static const char* const saveCaptions[3] = {"Default", "Pan/Tilt Only", "Color/Gobo Only"};
    static const char* const startCaptions[3] = {"Auto Start", "Audio", "Manual Start"};
    auto* lblStart = new QLabel(QStringLiteral("Select the method that will start and control tempo for the Sequence "
                                               "when loaded from a Sequence Shortcut"),
                                this);
    lblStart->setObjectName(QStringLiteral("lblStart"));
    lblStart->setWordWrap(true);
    txtButtonName = new QLineEdit(this);
    txtButtonName->setObjectName(QStringLiteral("txtButtonName"));
    txtButtonName->setToolTip(QStringLiteral("Enter the Button Name Here"));
    txtButtonName->installEventFilter(this);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    saveButton = new QPushButton(QStringLiteral("Save Sequence"), this);
    saveButton->setObjectName(QStringLiteral("saveButton"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblTitle);
    layout->addWidget(optionRow(this, saveCaptions, optSaveOption, "optSaveOption"));
    layout->addWidget(lblStart);
    layout->addWidget(optionRow(this, startCaptions, optPlayStart, "optPlayStart"));
    layout->addWidget(txtButtonName);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(CancelButton);
    buttons->addWidget(saveButton, 1);
    layout->addLayout(buttons);
    setTabOrder(txtButtonName, saveButton);

    connect(saveButton, &QPushButton::clicked, this, [this] { saveButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { close(); });
    mirror();
}

void sequenceProperties::setPlayback(int32_t playbackNumber) {
    engine.load(playbackNumber);
    mirror();
}

void sequenceProperties::setButtonName(const QString& name) {
    engine.buttonName = name;
    mirror();
}

void sequenceProperties::mirror() {
    optPlayStart[std::clamp(engine.startMethod, 0, 2)]->setChecked(true);
    optSaveOption[std::clamp(engine.saveOption, 0, 2)]->setChecked(true);
    txtButtonName->setText(engine.buttonName);
    const bool placeholder = engine.buttonName == SequencePropertiesEngine::placeholder();
    txtButtonName->setStyleSheet(placeholder ? QStringLiteral("QLineEdit#txtButtonName { color: #808080; }")
                                             : QString());
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
    hide();
    engine.save();
}

// Closing returns the console to playback mode; the window is unloaded
// once the close has been handled.
void sequenceProperties::closeEvent(QCloseEvent* event) {
    event->accept();
    shell().masters().cmdPlaybackMode_Click();
    QTimer::singleShot(0, this, [this] {
        if (!isVisible()) unloadForm<sequenceProperties>(); // not when opened again meanwhile
    });
}
