#include "programmer/ui/frmProperties.h"

#include "platform/prompts.h"
#include "programmer/rangeLabels.h"
#include "programmer/wheelBank.h"
#include "shell/services/effectsService.h"
#include "shell/shell.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>

namespace {
constexpr int twipsPerPixel = 15;
constexpr int32_t itemTwips = 720, widthTwips = 5400;

QString css(int32_t bgr) {
    return QStringLiteral("rgb(%1,%2,%3)").arg(bgr & 255).arg((bgr >> 8) & 255).arg((bgr >> 16) & 255);
}
} // namespace

frmProperties::frmProperties() {
    setObjectName(QStringLiteral("frmProperties"));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    setFixedWidth(widthTwips / twipsPerPixel);
}

void frmProperties::openFor(WheelBank& b, int index, QPoint at) {
    bank = &b;
    const AttributeWheel* w = b.wheel(index);
    if (!w) return;
    currentLightClass = w->channelLightClass;
    myRealChannelNumber = w->myChannelNumberLightClass;
    myChannelIndexNumber = index;
    setWindowTitle(w->channelName);
    move(at);
    unLoadControls();
    loadControls();
    show();
    raise();
}

void frmProperties::unLoadControls() {
    for (QLabel* l : imgProperty) delete l;
    imgProperty.clear();
    items.clear();
}

void frmProperties::loadControls() {
    QString error;
    items = rangePicker::loadControls(currentLightClass, myRealChannelNumber, widthTwips, &error);
    if (!error.isEmpty()) {
        myRealChannelNumber = 0;
        shell().prompts().messageBox(error);
    }
    int bottom = 0;
    for (size_t i = 0; i < items.size(); ++i) {
        const rangePicker::Item& item = items[i];
        auto* l = new QLabel(this);
        l->setObjectName(QStringLiteral("imgProperty%1").arg(i + 1));
        l->setGeometry(item.left / twipsPerPixel, item.top / twipsPerPixel, itemTwips / twipsPerPixel,
                       itemTwips / twipsPerPixel);
        l->setToolTip(item.label);
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(true);
        l->installEventFilter(this);
        const QString name = l->objectName();
        QPixmap picture;
        switch (rangeLabels::rangeLabelKind(item.label)) {
        case rangeLabels::picture:
            if (const QString path = rangeLabels::picturePath(item.label); !path.isEmpty()) {
                if (picture.load(path))
                    l->setPixmap(picture.scaled(l->size(), Qt::KeepAspectRatio));
                else
                    l->setText(QStringLiteral("Check Profile, Bad Image"));
                break;
            }
            l->setText(item.label);
            break;
        case rangeLabels::colour:
            l->setStyleSheet(QStringLiteral("QLabel#%1 { background: %2; }").arg(name, css(rangeLabels::swatchColour(item.label))));
            break;
        default:
            l->setText(item.label);
            l->setStyleSheet(QStringLiteral("QLabel#%1 { border: 1px solid #808080; }").arg(name));
            break;
        }
        l->show();
        imgProperty.push_back(l);
        bottom = std::max(bottom, l->geometry().bottom());
    }
    setFixedHeight(bottom + 650 / twipsPerPixel);
}

void frmProperties::imgProperty_Click(int index) {
    if (index < 1 || size_t(index) > items.size() || !bank) return;
    const rangePicker::Item item = items[size_t(index) - 1];
    if (item.tag == rangePicker::fxItem) {
        // The FX tool works on this channel type.
        const AttributeWheel* w = bank->wheel(myChannelIndexNumber);
        Shell& s = shell();
        s.effects().showShapeGenerator();
        if (w) s.effects().setFX(w->channelName);
        bank->refreshTimerActive = 0;
    } else {
        rangePicker::applyItem(*bank, myChannelIndexNumber, item);
    }
    hide();
}

bool frmProperties::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        for (size_t i = 0; i < imgProperty.size(); ++i)
            if (imgProperty[i] == watched) {
                imgProperty_Click(int(i) + 1);
                return true;
            }
    }
    return QWidget::eventFilter(watched, event);
}
