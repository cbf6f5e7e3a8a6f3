#include "programmer/ui/paletteProgrammer.h"

#include "presets/ui/frmPalettes.h"
#include "presets/ui/paletteWindowService.h"
#include "programmer/ui/Wheel.h"
#include "shell/services/presetsService.h"
#include "shell/shell.h"

#include <QApplication>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

namespace {
constexpr int twipsPerPixel = 15;
}

PaletteProgrammer::PaletteProgrammer() { bank_.setView(this); }

PaletteProgrammer::~PaletteProgrammer() {
    bank_.setView(nullptr);
    if (window_) detach(*window_);
}

void PaletteProgrammer::attach(frmPalettes& window) { window_ = &window; }

void PaletteProgrammer::detach(frmPalettes& window) {
    if (window_ != &window) return;
    // The widgets go with the window; the engines with them.
    for (Wheel* w : wheels_) w->deleteLater();
    wheels_.clear();
    bank_.clear();
    window_ = nullptr;
}

Wheel* PaletteProgrammer::wheelWidget(int index) const {
    return index >= 1 && size_t(index) <= wheels_.size() ? wheels_[size_t(index) - 1] : nullptr;
}

bool PaletteProgrammer::fadersShown() const { return window_ && window_->markedTab() == frmPalettes::fadersTab; }

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
        w->setGeometry(places[i].left / twipsPerPixel, places[i].top / twipsPerPixel, widths[i] / twipsPerPixel,
                       height / twipsPerPixel);
        w->show();
        extent = extent.united(w->geometry());
    }
    QWidget* page = window_->page;
    const QSize viewport = window_->scroll->viewport()->size();
    page->resize(std::max(extent.right() + 20, viewport.width()), std::max(extent.bottom() + 20, viewport.height()));
}

void PaletteProgrammer::pageCleared() { clearWheels(); }

void PaletteProgrammer::pageBuilt() {}

void PaletteProgrammer::selectionChanged() {
    if (fadersShown() && window_->isVisible()) buildAttributeWheels();
}

void PaletteProgrammer::updateDMXValueDisplay(bool firstTime) {
    if (!fadersShown()) return;
    bank_.updateDMXValueDisplay(firstTime);
}

void PaletteProgrammer::openRangePicker(int index) { (void)index; }

void attachLiveControls(Shell& s) {
    if (auto* service = dynamic_cast<PaletteWindowService*>(&s.presets()))
        service->setLiveControls(std::make_unique<PaletteProgrammer>());
}
