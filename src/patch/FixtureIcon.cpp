#include "patch/FixtureIcon.h"

#include "patch/layoutEngine.h"

#include <QFile>
#include <cmath>

namespace {
int32_t toTwips(double v) { return int32_t(std::nearbyint(v)); }
} // namespace

const std::array<FixtureIcon::Part, FixtureIcon::partCount>& FixtureIcon::designParts() {
    static const std::array<Part, partCount> parts{{
        {"Shape1", 15, 15, 1245, 915, 0},
        {"lblIntensity", 780, 405, 390, 285, 8},
        {"imgFixtureIcon", 45, 30, 615, 600, 0},
        {"lblFixtureName", 45, 645, 1185, 270, 8},
        {"lblColor", 660, 30, 585, 615, 0},
        {"imgGobo", 705, 45, 465, 465, 0},
    }};
    return parts;
}

FixtureIcon::FixtureIcon(LayoutEngine* h, int32_t i) : host(h), number(i) {
    const auto& design = designParts();
    for (size_t p = 0; p < design.size(); ++p)
        parts[p] = {design[p].left, design[p].top, design[p].width, design[p].height, true};
    // The dimmer label shows only once a level arrived; the gobo while one is loaded.
    parts[lblIntensity].visible = false;
    parts[imgGobo].visible = false;
}

void FixtureIcon::touch() {
    if (host) host->markDirty(*this);
}

void FixtureIcon::setWingHighLight(bool value) {
    if (host && value != wingHighlight && number > 0) host->wingHighlightCount += value ? 1 : -1;
    wingHighlight = value;
    borderColour = value ? wingBorder : normalBorder;
    touch();
}

bool FixtureIcon::isSelected() const {
    if (host && host->wingAttached() && anyHighlight && !wingHighlight) return false;
    return selected;
}

void FixtureIcon::setSelected(bool value) {
    selected = value;
    anyHighlight = host ? host->anyFixturesHiglighted() : false;
}

bool FixtureIcon::isNewSelected() const { return host && host->wingAttached() && selected; }

void FixtureIcon::setHighlightMode(bool state) {
    if (state) {
        if (borderColour != highlightBorder) {
            borderColour = highlightBorder;
            highlight = true;
            touch();
        }
    } else if (borderColour != normalBorder) {
        borderColour = normalBorder;
        highlight = false;
        touch();
    }
    anyHighlight = host ? host->anyFixturesHiglighted() : false;
}

void FixtureIcon::setBackcolor(int32_t c) {
    if (labelBack == c) return;
    labelBack = c;
    touch();
}

void FixtureIcon::setShutterState(bool open) {
    if (pixelMode) return;
    shutterOpen = open;
    const bool goboShown = open && !goboPath.isEmpty();
    if (parts[imgGobo].visible != goboShown || (open && !parts[lblColor].visible)) {
        parts[imgGobo].visible = goboShown;
        if (open) parts[lblColor].visible = true;
        touch();
    }
}

void FixtureIcon::changeColor(int32_t c) {
    if (pixelMode || swatchColour == c) return;
    colour = c;
    swatchColour = c;
    touch();
}

void FixtureIcon::changeGobo(const QString& theGobo) { changeGobo(theGobo, QFile::exists(theGobo)); }

void FixtureIcon::changeGobo(const QString& theGobo, bool fileExists) {
    if (pixelMode) return;
    if (!fileExists) {
        goboPath.clear();
        parts[imgGobo].visible = false;
    } else {
        goboPath = theGobo;
        parts[imgGobo].visible = shutterOpen;
    }
    touch(); // the picture is reloaded on every call
}

void FixtureIcon::changeDimmerValue(int32_t v) {
    if (pixelMode) return;
    hasDimmer = true;
    const QString caption = QString::number(std::lround(double(v) / 255.0 * 100.0)) + QLatin1Char('%');
    if (dimmerValue == v && dimmerCaption == caption && parts[lblIntensity].visible) return;
    dimmerValue = v;
    dimmerCaption = caption;
    parts[lblIntensity].visible = true;
    touch();
}

void FixtureIcon::setFixtureName(const QString& name) {
    myFixtureName = name;
    touch();
}

void FixtureIcon::setFixtureIcon(const QString& theIconPath) {
    if (!QFile::exists(theIconPath)) return;
    iconPath = theIconPath;
    touch();
}

void FixtureIcon::changesize(double theSizeX, double theSizeY) {
    if (pixelMode) return;
    ResizeControlsOnFixtureIcon(theSizeX, theSizeY);
}

void FixtureIcon::setSoloMode(bool state) {
    soloMode = state;
    borderColour = state ? soloBorder : normalBorder;
    controlBack = state ? soloBorder : 0;
    touch();
}

void FixtureIcon::placeInMatrixPixelMode() {
    parts[lblFixtureName].visible = false;
    parts[imgFixtureIcon].visible = false;
    parts[imgGobo].visible = false;
    parts[lblIntensity].visible = false;
    pixelMode = true;
    touch();
}

void FixtureIcon::ResizeControlsOnFixtureIcon(double x, double y) {
    // A resize happens only when both factors change.
    if (float(x) == float(x_size) || float(y) == float(y_size)) return;
    const double aspect = host && host->screenWidth > 0 ? double(host->screenHeight) / host->screenWidth : 0.5625;
    x_size = x;
    y_size = y;
    const auto& design = designParts();
    for (size_t p = 0; p < design.size(); ++p) {
        parts[p] = {toTwips(design[p].left * y_size), toTwips(design[p].top * x_size),
                    toTwips(design[p].width * y_size), toTwips(design[p].height * x_size), true};
    }
    // Every label ends with the size derived from the last recorded label.
    const int32_t f = SetFontSizeNew(design[lblFixtureName].fontSize);
    if (f > 3) labelFontSize = f;
    theWidth = parts[Shape1].width;
    theHeigth = parts[Shape1].height;
    Width = toTwips(aspect * 50 + theWidth);
    Height = toTwips(aspect * 50 + theHeigth);
    touch();
}

int32_t FixtureIcon::SetFontSizeNew(double size) const {
    if (int32_t(x_size) > 0) return int32_t(size * x_size);
    return 0;
}
