#include "matrix/gradientEditor.h"

#include <algorithm>
#include <cmath>

GradientEditor::GradientEditor(std::vector<GradientStop>& s, std::vector<GradientStop>& w)
    : picGradient((barEnd - barStart) / unitsPerPixel, 16, QImage::Format_RGB32), stops(s), working(w) {}

void GradientEditor::init() {
    stops.clear();
    working.clear();
    pointers.clear();
    intSnapCount = 20;
    DrawSnapPointers(intSnapCount);
    NewPointer(255, 2, false);
    NewPointer(65280, 50, false);
    NewPointer(16711680, 98, true);
    intSelPointer = 1;
    NewPointer(0, -1, false);
    PaintExamples();
}

void GradientEditor::NewPointer(int32_t color, float Place, bool Selected) {
    pointers.emplace_back();
    const int32_t n = pointerCount();
    stops.resize(size_t(n));
    working.resize(size_t(n));
    stops[size_t(n - 1)].position = Place;
    drawPointer(color, n, Selected, false);
    if (Place != -1) pointers.back().left = barX(Place) - pointerWidth / 2;
}

void GradientEditor::drawPointer(int32_t color, int32_t index, bool selected, bool noStore) {
    if (index < 1 || index > pointerCount()) return;
    Pointer& p = pointers[size_t(index - 1)];
    p.selectedLook = selected;
    p.colour = color;
    if (!noStore) stops[size_t(index - 1)].color = color;
}

int32_t GradientEditor::pressLeft(int32_t index) {
    if (index < 1 || index > pointerCount()) return 0;
    bolLockPointer = true;
    if (index != intSelPointer) {
        drawPointer(stops[size_t(index - 1)].color, index, true, false);
        const int32_t previous = intSelPointer;
        intSelPointer = int16_t(index);
        if (previous >= 1 && previous <= pointerCount())
            drawPointer(stops[size_t(previous - 1)].color, previous, false, false);
    }
    bolSkipExample = true;
    bolCustomFocus = false;
    return stops[size_t(index - 1)].color;
}

bool GradientEditor::pressRight(int32_t index) {
    if (index < 1 || index >= pointerCount()) return false;
    intSelPointer = int16_t(index);
    return true;
}

void GradientEditor::drag(int32_t index, double xUnits, bool leftDown) {
    if (index < 1 || index > pointerCount()) return;
    // The first movement after a press (the cursor being placed on the pointer) moves nothing.
    if (!leftDown || bolLockPointer) {
        bolLockPointer = false;
        return;
    }
    const double x = std::nearbyint(xUnits);
    Pointer& p = pointers[size_t(index - 1)];
    GradientStop& stop = stops[size_t(index - 1)];
    if (x > barStart && x < barEnd) {
        p.left = int32_t(x) - pointerWidth / 2;
        stop.position = float((x - barStart) / unitsPerPercent);
        // The spare dragged into the bar is a stop now: a new spare waits beside it.
        if (index == pointerCount()) NewPointer(0, -1, false);
    } else if (x < barStart) {
        p.left = barStart - pointerWidth / 2;
        stop.position = 0;
    } else if (x > barEnd) {
        p.left = barEnd - pointerWidth / 2;
        stop.position = 100;
    }
}

void GradientEditor::deleteSelected() {
    if (bolCustomFocus) return;
    deletePointer(intSelPointer);
}

void GradientEditor::deletePointer(int32_t index) {
    // The spare cannot be deleted.
    if (index < 1 || index >= pointerCount()) return;
    stops.erase(stops.begin() + (index - 1));
    working.resize(stops.size());
    pointers.erase(pointers.begin() + (index - 1));
    intSelPointer = int16_t(pointerCount());
    PaintExamples();
}

void GradientEditor::DrawSnapPointers(int32_t count) {
    count = std::clamp(count, 1, maxSnapCount);
    marks.clear();
    for (int32_t k = 0; k <= count; ++k)
        marks.push_back(int32_t(std::nearbyint(4000.0 / count * k + barStart)));
}

void GradientEditor::typeSnapCount(const QString& text) {
    bool ok = false;
    const int32_t n = text.toInt(&ok);
    // Only 1 to 25 divisions have marks; anything else leaves them as they are.
    if (!ok || n < 1 || n > maxSnapCount) return;
    intSnapCount = int16_t(n);
    DrawSnapPointers(intSnapCount);
}

void GradientEditor::PaintExamples() { modGradient::drawGradient(picGradient, stops, 0, 0, 0, 0); }
