#include "output/ui/Dmxrecord.h"

#include "output/DmxOutput.h"
#include "platform/prompts.h"
#include "shell/numberText.h"
#include "shell/shell.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <cmath>

namespace {
const QString offsetTip = QStringLiteral(
    "Where to offset the dmx data. For example, say you start recording from channel 20 to 30. The offset of -19 "
    "would move the data from channel 1 to 10.");
} // namespace

Dmxrecord::Dmxrecord(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("DMX Record"));
    auto* grid = new QGridLayout(this);
    const char* captions[5] = {"Start Recording at Channel", "Stop Recording at Channel", "Offset record at channel?",
                               "Record Start Channel w/ offset     = ", "0"};
    for (int i = 0; i < 5; ++i) Label1[size_t(i)] = new QLabel(QString::fromLatin1(captions[i]), this);
    Label1[0]->setToolTip(QStringLiteral("Start recording from this dmx channel."));
    Label1[1]->setToolTip(QStringLiteral("The last channel to record."));
    Label1[2]->setToolTip(offsetTip);
    Text1[0] = new QLineEdit(QStringLiteral("1"), this);
    Text1[0]->setToolTip(QStringLiteral("Start recording from this dmx channel."));
    Text1[1] = new QLineEdit(QStringLiteral("512"), this);
    Text1[1]->setToolTip(QStringLiteral("The last channel to record."));
    offsetlist = new QListWidget(this);
    offsetlist->setToolTip(offsetTip);
    Command1 = new QPushButton(QStringLiteral("Start Recording"), this);
    Command1->setToolTip(QStringLiteral("Start Recording Data."));
    Command2 = new QPushButton(QStringLiteral("Close"), this);
    Command2->setToolTip(QStringLiteral("Stop Recording and close window."));

    grid->addWidget(Label1[0], 0, 0);
    grid->addWidget(Text1[0], 0, 1);
    grid->addWidget(Label1[1], 1, 0);
    grid->addWidget(Text1[1], 1, 1);
    grid->addWidget(Label1[2], 2, 0);
    grid->addWidget(offsetlist, 2, 1);
    grid->addWidget(Label1[3], 3, 0);
    grid->addWidget(Label1[4], 3, 1);
    grid->addWidget(Command1, 4, 0);
    grid->addWidget(Command2, 4, 1);

    connect(Text1[0], &QLineEdit::textEdited, this, [this] { Text1_Change(0); });
    connect(Text1[1], &QLineEdit::textEdited, this, [this] { Text1_Change(1); });
    connect(offsetlist, &QListWidget::itemClicked, this, [this] { offsetlist_MouseUp(); });
    connect(offsetlist, &QListWidget::currentRowChanged, this, [this] { offsetlist_MouseUp(); });
    connect(Command1, &QPushButton::pressed, this, &Dmxrecord::Command1_MouseDown);
    Form_Load();
}

void Dmxrecord::Form_Load() {
    DmxOutput& out = shell().engine<DmxOutput>();
    const int32_t total = shell().state.totalChannels;
    const QSignalBlocker quiet(offsetlist);
    offsetlist->clear();
    for (int32_t o = 0; o >= -(out.dmxRecordStartChannel - 1); --o) offsetlist->addItem(QString::number(o));
    for (int32_t o = 1; o <= total - out.dmxRecordStopChannel; ++o) offsetlist->addItem(QString::number(o));
    Text1[0]->setText(QString::number(out.dmxRecordStartChannel));
    Text1[1]->setText(QString::number(out.dmxRecordStopChannel));
    const auto found = offsetlist->findItems(QString::number(out.dmxRecordOffset), Qt::MatchExactly);
    if (!found.isEmpty()) offsetlist->setCurrentItem(found.front());
    Label1[4]->setText(QString::number(out.dmxRecordOffset + out.dmxRecordStartChannel));
}

void Dmxrecord::offsetlist_MouseUp() {
    QListWidgetItem* item = offsetlist->currentItem();
    if (!item || item->text().isEmpty()) return;
    DmxOutput& out = shell().engine<DmxOutput>();
    out.dmxRecordOffset = int16_t(item->text().toInt());
    Label1[4]->setText(QString::number(out.dmxRecordOffset + out.dmxRecordStartChannel));
}

bool Dmxrecord::recording() const { return shell().engine<DmxOutput>().dmxRecordActive; }

void Dmxrecord::Text1_Change(int index) {
    if (recording()) Command1_MouseDown();
    DmxOutput& out = shell().engine<DmxOutput>();
    const QString text = Text1[size_t(index)]->text().trimmed();
    if (text.isEmpty()) return; // the operator is still typing
    if (!numberText::isNumber(text)) {
        shell().prompts().messageBox(QStringLiteral("Please Enter a valid Channel Number"), msgBox::OKOnly);
        return;
    }
    const double value = std::nearbyint(text.toDouble());
    if (index == 0 && value > 0 && value < 513) {
        out.dmxRecordStartChannel = int32_t(value);
        Form_Load();
    } else if (index == 1 && value > 0 && value < 513 && value > out.dmxRecordStartChannel) {
        out.dmxRecordStopChannel = int32_t(value);
        Form_Load();
    }
}

void Dmxrecord::Command1_MouseDown() {
    DmxOutput& out = shell().engine<DmxOutput>();
    if (out.dmxRecordActive) {
        Command1->setStyleSheet(QString());
        Command1->setText(QStringLiteral("Start Recording"));
        out.stopRecording();
    } else {
        Command1->setStyleSheet(QStringLiteral("background-color: #ff0000;"));
        Command1->setText(QStringLiteral("Stop Recording"));
        out.startRecording();
    }
}
