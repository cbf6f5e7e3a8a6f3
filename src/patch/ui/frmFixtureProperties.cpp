#include "patch/ui/frmFixtureProperties.h"

#include "patch/fixtureMenu.h"
#include "patch/fixtureProperties.h"
#include "patch/layoutEngine.h"
#include "patch/ui/NewWhat.h"
#include "platform/prompts.h"
#include "shell/services/mastersService.h"
#include "shell/shell.h"
#include "shell/ui/windowRegistry.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// The nine switches: a lever up for on, down for off.
class DipSwitchPicture : public QWidget {
public:
    DipSwitchPicture(const std::array<bool, 9>& on, QWidget* parent) : QWidget(parent), on(on) {
        setMinimumSize(10 * 20 + 40, 60);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawText(2, 14, QStringLiteral("On"));
        p.drawText(2, 40, QStringLiteral("Off"));
        for (int j = 1; j <= 9; ++j) {
            const int x = 20 * j + 10;
            p.setBrush(Qt::lightGray);
            p.drawRect(x, 4, 16, 36);
            p.setBrush(Qt::black);
            p.drawRect(x + 2, on[size_t(j - 1)] ? 6 : 22, 12, 16);
            p.drawText(x + 4, 56, QString::number(j));
        }
    }

private:
    const std::array<bool, 9>& on;
};

} // namespace

frmFixtureProperties::frmFixtureProperties(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmFixtureProperties"));
    setWindowTitle(QStringLiteral("Fixture Properties"));
    auto* layout = new QVBoxLayout(this);
    lblFixturealias = new QLabel(QStringLiteral("Fixture Alias"), this);
    lblFixturealias->setToolTip(QStringLiteral("Click here to rename Fixture"));
    lblFixtureName = new QLabel(QStringLiteral("Fixture Name"), this);
    lblFixtureName->setToolTip(QStringLiteral("Fixture Profile Definition"));
    lblStartChannel = new QLabel(QStringLiteral("Fixture Start Channel"), this);
    lblStartChannel->setToolTip(QStringLiteral("Click here to Change Starting Address"));
    cmdStartChannel = new QPushButton(this);
    cmdStartChannel->setToolTip(QStringLiteral("Click here to Change Starting Address"));
    lblFixtureNumber = new QLabel(QStringLiteral("Fixture Number:"), this);
    lblFixtureChannelsUsed = new QLabel(QStringLiteral("Channels Used:"), this);
    for (QWidget* w : std::initializer_list<QWidget*>{lblFixturealias, lblFixtureName, lblStartChannel,
                                                      cmdStartChannel, lblFixtureNumber, lblFixtureChannelsUsed})
        layout->addWidget(w);
    udChangeFixtureNumber = new QSpinBox(this);
    udChangeFixtureNumber->setMinimum(1);
    udChangeFixtureNumber->setToolTip(
        QStringLiteral("Change the fixture number here, will effect presets and the order in which FX are executed. "
                       "ADVANCED USERS ONLY."));
    layout->addWidget(udChangeFixtureNumber);
    frmDipSwitch = new DipSwitchPicture(switches, this);
    layout->addWidget(frmDipSwitch);
    connect(cmdStartChannel, &QPushButton::clicked, this, [this] { lblStartChannel_Click(); });
    // The three caption lines act on a click, as their tooltips say.
    for (QLabel* line : {lblFixturealias, lblFixtureName, lblStartChannel}) {
        line->setCursor(Qt::PointingHandCursor);
        line->installEventFilter(this);
    }
    // Only the operator's turn of the spinner arms the renumbering.
    connect(udChangeFixtureNumber, &QSpinBox::valueChanged, this, [this] {
        if (udChangeFixtureNumber->hasFocus() || udChangeFixtureNumber->underMouse()) fixtureNumberChanged = true;
    });
}

frmFixtureProperties::~frmFixtureProperties() = default;

void frmFixtureProperties::showDetails() {
    const fixtureProperties::StartAddress a = fixtureProperties::startAddress(myStartChannel);
    myUniverse = a.universe;
    myStartChannel = a.channel;
    lblFixturealias->setText(myFixtureName);
    lblFixtureName->setText(myFixtureProfileClass);
    lblStartChannel->setText(fixtureProperties::startChannelCaption(a));
    cmdStartChannel->setText(lblStartChannel->text());
    lblFixtureNumber->setText(QStringLiteral("Fixture Number:  ") + QString::number(myFixtureNumber));
    lblFixtureChannelsUsed->setText(QStringLiteral("Channels Used:  ") + myChannelUsed);
    switches = a.switchOn;
    frmDipSwitch->update();
    const QSignalBlocker quiet(udChangeFixtureNumber);
    udChangeFixtureNumber->setMaximum(std::max(shell().state.fixtureCount, 1));
    udChangeFixtureNumber->setValue(std::max(myFixtureNumber, 1));
}

void frmFixtureProperties::lblStartChannel_Click() {
    NewWhat& w = form<NewWhat>();
    w.setStartEnd(myStartChannel, myStartChannel + myChannelUsed.toInt(), myUniverse);
    w.myState = 1;
    hide();
    w.displayChannelBoxes();
    w.activate();
}

void frmFixtureProperties::lblFixturealias_Click() {
    if (!fixtureMenu::renamefixture_Click(layoutEngine(), myFixtureNumber)) return;
    const ChannelModel& m = shell().state;
    myFixtureName = QStringLiteral("Fixture Name: ") + m.fixtureName[myFixtureNumber];
    lblFixturealias->setText(myFixtureName);
}

void frmFixtureProperties::lblFixtureName_Click() { fixtureMenu::clkEditFixtureDefinition_Click(myFixtureNumber); }

bool frmFixtureProperties::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == lblFixturealias) lblFixturealias_Click();
        else if (watched == lblFixtureName) lblFixtureName_Click();
        else if (watched == lblStartChannel) lblStartChannel_Click();
        else return QWidget::eventFilter(watched, event);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmFixtureProperties::queryUnload() {
    if (fixtureNumberChanged &&
        shell().prompts().messageBox(QStringLiteral("Are you sure you would like to change the current fixtures fixture "
                                                    "number, this will effect how FX chases work as well as Presets."),
                                     msgBox::YesNo) == msgBox::Yes)
        fixtureProperties::renumberFixture(myFixtureNumber, udChangeFixtureNumber->value());
    fixtureNumberChanged = false;
    shell().masters().cmdProgramingMode_Click();
}

void frmFixtureProperties::closeEvent(QCloseEvent* event) {
    queryUnload();
    event->accept();
}
