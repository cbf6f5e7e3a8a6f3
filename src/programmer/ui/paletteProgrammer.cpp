#include "programmer/ui/paletteProgrammer.h"

#include "presets/palettePage.h"
#include "presets/ui/frmPalettes.h"
#include "presets/ui/paletteWindowService.h"
#include "programmer/colourPictures.h"
#include "programmer/ui/Wheel.h"
#include "programmer/ui/colourPicture.h"
#include "programmer/ui/encoderStrip.h"
#include "programmer/ui/frmProperties.h"
#include "shell/services/presetsService.h"
#include "shell/shell.h"
#include "shell/ui/windowRegistry.h"

#include <QApplication>
#include <QCheckBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QWheelEvent>

namespace {

constexpr int twipsPerPixel = 15;
int px(int32_t twips) { return twips / twipsPerPixel; }

// The tabs whose pages carry no encoder strip: Faders, Joystick, Matrix, LIVE!.
bool stripHidden(int tab) { return tab == 11 || tab == 12 || tab == 13 || tab == 15; }

// The key word of a notch: the buttons held and the modifiers.
int keyWord(const QWheelEvent& e) {
    int keys = 0;
    if (e.buttons() & Qt::LeftButton) keys |= 1;
    if (e.buttons() & Qt::RightButton) keys |= 2;
    if (e.modifiers() & Qt::ShiftModifier) keys |= 4;
    if (e.modifiers() & Qt::ControlModifier) keys |= 8;
    if (e.buttons() & Qt::MiddleButton) keys |= 16;
    return keys;
}

} // namespace

PaletteProgrammer::PaletteProgrammer() { bank_.setView(this); }

PaletteProgrammer::~PaletteProgrammer() {
    bank_.setView(nullptr);
    if (window_) detach(*window_);
}

void PaletteProgrammer::attach(frmPalettes& window) {
    window_ = &window;
    strip_ = new EncoderStrip(&window);
    window.addStripAboveButtons(strip_);
    strip_->hide();
    connect(strip_, &EncoderStrip::stamped, this, [this](QWidget* knob) { stampControl(knob); });

    pctColorPalette_ = new ColourPicture(window.page);
    pctColorPalette_->hide();
    whiteAmber_ = new QCheckBox(pctColorPalette_);
    whiteAmber_->setObjectName(QStringLiteral("chkAdustWhite"));
    whiteAmber_->setToolTip(QStringLiteral("Use White/Amber In Color Mix"));
    whiteAmber_->move(2, 2);
    pctColorPalette_->chkAdustWhite = whiteAmber_;
    modeButton_ = new QPushButton(colourPictures::caption(colorMode), window.page);
    modeButton_->setObjectName(QStringLiteral("btnChangeColorMode"));
    modeButton_->hide();
    connect(modeButton_, &QPushButton::clicked, this, [this] { btnChangeColorMode_Click(); });

    window.vsldrAdjust->setMouseTracking(true);
    qApp->installEventFilter(this);
}

void PaletteProgrammer::detach(frmPalettes& window) {
    if (window_ != &window) return;
    qApp->removeEventFilter(this);
    if (frmProperties* picker = loadedForm<frmProperties>()) picker->hide();
    // The wheels go before their engines (they let go of them as they go);
    // the other widgets are the window's children and go with it.
    clearWheels();
    strip_ = nullptr;
    pctColorPalette_ = nullptr;
    modeButton_ = nullptr;
    whiteAmber_ = nullptr;
    window_ = nullptr;
}

Wheel* PaletteProgrammer::wheelWidget(int index) const {
    return index >= 1 && size_t(index) <= wheels_.size() ? wheels_[size_t(index) - 1] : nullptr;
}

bool PaletteProgrammer::fadersShown() const { return window_ && window_->markedTab() == frmPalettes::fadersTab; }

// ---- The Faders page ---------------------------------------------------------------------------------

void PaletteProgrammer::clearWheels() {
    for (Wheel* w : wheels_) delete w;
    wheels_.clear();
    bank_.clear();
}

void PaletteProgrammer::showFaders() {
    if (!window_) return;
    Shell& s = shell();
    s.presets().showActiveWheels(QString());
    buildAttributeWheels();
    s.presets().setFilenameToLoadPresets(QStringLiteral("Faders"));
    updateDMXValueDisplay(true);
    strip_->showEncoderBank(false);
}

void PaletteProgrammer::buildAttributeWheels() {
    if (!window_) return;
    window_->scroll->verticalScrollBar()->setValue(0);
    clearWheels();
    bank_.buildAttributeWheels();
    std::vector<int32_t> widths;
    int32_t height = 0;
    for (int i = 1; i <= bank_.count(); ++i) {
        auto* w = new Wheel(*bank_.wheel(i), window_->page);
        wheels_.push_back(w);
        w->hide();
        widths.push_back(w->widthTwips());
        height = std::max(height, w->heightTwips());
    }
    const std::vector<WheelBank::Place> places = WheelBank::placeWheels(widths, height, window_->pageWidthTwips());
    QRect extent;
    for (size_t i = 0; i < wheels_.size(); ++i) {
        Wheel* w = wheels_[i];
        w->setGeometry(px(places[i].left), px(places[i].top), px(widths[i]), px(height));
        w->show();
        extent = extent.united(w->geometry());
    }
    const QSize viewport = window_->scroll->viewport()->size();
    window_->page->resize(std::max(extent.right() + 20, viewport.width()),
                          std::max(extent.bottom() + 20, viewport.height()));
}

void PaletteProgrammer::openRangePicker(int index) {
    const Wheel* w = wheelWidget(index);
    if (!w) return;
    // Under the wheel, on the screen.
    const QPoint at = w->mapToGlobal(QPoint(0, w->height()));
    form<frmProperties>().openFor(bank_, index, at);
}

void PaletteProgrammer::updateDMXValueDisplay(bool firstTime) {
    if (!fadersShown()) return;
    bank_.updateDMXValueDisplay(firstTime);
}

// ---- Pages -------------------------------------------------------------------------------------------

void PaletteProgrammer::pageCleared() {
    clearWheels();
    if (pctColorPalette_) pctColorPalette_->hide();
    if (modeButton_) modeButton_->hide();
}

void PaletteProgrammer::pageBuilt() {
    if (!window_) return;
    const int tab = window_->markedTab();
    layoutColourPalettes();
    if (tab < 0 || stripHidden(tab)) {
        strip_->showEncoderBank(false);
        return;
    }
    strip_->assignAndMap(QLatin1String(palettePage::tabs()[size_t(tab)].control));
    strip_->showEncoderBank(true);
}

void PaletteProgrammer::selectionChanged() {
    if (!window_) return;
    if (fadersShown() && window_->isVisible()) buildAttributeWheels();
    if (strip_->isVisible()) {
        strip_->bank.mapEncoderChannels();
        strip_->refresh();
    }
}

// ---- The colour picture ------------------------------------------------------------------------------

void PaletteProgrammer::btnChangeColorMode_Click() {
    colorMode = colourPictures::nextMode(colorMode);
    modeButton_->setText(colourPictures::caption(colorMode));
    layoutColourPalettes();
}

void PaletteProgrammer::layoutColourPalettes() {
    if (!window_) return;
    if (window_->markedTab() != 0) {
        modeButton_->hide();
        pctColorPalette_->hide();
        return;
    }
    // A strip in the row of the create-new button, from just right of it to
    // 2500 twips short of the page's width, the mode button at its right end.
    const int32_t bLeft = palettePage::templateLeft, bTop = palettePage::templateTop, b = palettePage::buttonSize;
    const int32_t width = std::max<int32_t>(window_->pageWidthTwips() - 2500, 1500);
    const QRect picture(px(bLeft + b + 100), px(bTop - 50), px(width + 10), px(b + 100 + 30));
    pctColorPalette_->setGeometry(picture);
    pctColorPalette_->setMode(colorMode);
    pctColorPalette_->show();
    const int buttonWidth = std::max(px(800), modeButton_->sizeHint().width());
    modeButton_->setGeometry(picture.right() + 1 + px(100), picture.top(), buttonWidth, picture.height());
    modeButton_->show();
    QWidget* page = window_->page;
    if (page->width() < modeButton_->geometry().right() + 10)
        page->resize(modeButton_->geometry().right() + 10, page->height());
}

// ---- The mouse wheel ---------------------------------------------------------------------------------

void PaletteProgrammer::stampControl(const QWidget* control) {
    if (!window_ || !control) return;
    const QPoint corner = control->mapTo(window_, QPoint(0, 0));
    localX = corner.x() + 1;
    localY = corner.y() + 1;
}

bool PaletteProgrammer::pointInControl(const QWidget* control) const {
    const QRect r(control->mapTo(window_, QPoint(0, 0)), control->size());
    return r.left() < localX && localX < r.left() + r.width() && r.top() < localY && localY < r.top() + r.height();
}

bool PaletteProgrammer::mouseWheel(int keys, int rotation) {
    if (!window_) return false;
    auto encoder = [&](int e) {
        QWidget* knob = strip_->oneWheel[size_t(e)];
        if (!knob->isVisible() || !strip_->isVisible() || !pointInControl(knob)) return;
        strip_->bank.encoderLastDelta = rotation;
        strip_->oneWheel_MouseMove(e, keys);
    };
    // The window's own controls first (the first encoder, the fine-adjust
    // slider), then those made at run time (the other encoders, the wheels).
    encoder(0);
    QSlider* adjust = window_->vsldrAdjust;
    if (adjust->isVisible() && pointInControl(adjust)) {
        adjust->setValue(adjust->value() + (rotation > 0 ? 1 : -1));
        return true;
    }
    for (int e = 1; e < 11; ++e) encoder(e);
    for (Wheel* w : wheels_) {
        if (!w->isVisible()) continue;
        bank_.stepWheelUnderPointer(rotation);
        return true;
    }
    window_->setWindowTitle(QStringLiteral("Form Scroll ") +
                            (rotation < 0 ? QStringLiteral("Down") : QStringLiteral("Up")));
    return false;
}

bool PaletteProgrammer::eventFilter(QObject* watched, QEvent* event) {
    if (!window_ || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget != window_ && !window_->isAncestorOf(widget)) return false;
    if (event->type() == QEvent::Wheel) {
        // Every notch over the window goes to the dispatch, once.
        const auto* e = static_cast<QWheelEvent*>(event);
        const int rotation = e->angleDelta().y();
        if (rotation != 0) mouseWheel(keyWord(*e), rotation);
        return true;
    }
    if (event->type() == QEvent::MouseMove) {
        if (widget == window_->vsldrAdjust)
            stampControl(widget);
        else if (widget == window_ || widget == window_->page)
            stampControl(window_->scroll->verticalScrollBar());
    }
    return false;
}

void attachLiveControls(Shell& s) {
    if (auto* service = dynamic_cast<PaletteWindowService*>(&s.presets()))
        service->setLiveControls(std::make_unique<PaletteProgrammer>());
}
