#pragma once
// The gradient editor of the matrix effects: colour stops on a bar from 0 to
// 100 percent, one pointer per stop, plus a spare pointer beside the bar that
// becomes a new stop when it is dragged into the bar. Positions along the
// bar are in units of the pointer frame: 360 (0 %) to 4360 (100 %), 40 units
// a percent. The stop list's last element is the spare (position -1).

#include "matrix/modGradient.h"

#include <QImage>
#include <QString>
#include <cstdint>
#include <vector>

class GradientEditor {
public:
    static constexpr int32_t barStart = 360, barEnd = 4360, unitsPerPercent = 40;
    // Where the spare waits beside the bar (its left edge).
    static constexpr int32_t templateLeft = 105;
    static constexpr int32_t maxSnapCount = 25;
    // The frame's units per screen pixel.
    static constexpr int32_t unitsPerPixel = 15;

    struct Pointer {
        int32_t left = templateLeft; // left edge in the frame's units
        bool selectedLook = false;
        int32_t colour = 0;
    };

    GradientEditor(std::vector<GradientStop>& stops, std::vector<GradientStop>& working);

    // The start state: 20 snap divisions; red at 2, green at 50, blue at 98
    // (drawn selected) with the red stop the one the pickers recolour; the spare.
    void init();
    // Adds a pointer and its stop (place -1 for the spare).
    void NewPointer(int32_t color, float Place, bool Selected);
    // Paints pointer `index` (1-based) and, unless `noStore`, gives its stop the colour.
    void drawPointer(int32_t color, int32_t index, bool selected, bool noStore);
    // A left press on pointer `index`: it becomes the selected one. Answers the
    // stop's colour, which the caller puts on the colour sliders while
    // bolSkipExample is set (so the stop keeps its colour).
    int32_t pressLeft(int32_t index);
    // A right press: answers whether the pointer's menu pops up (never for the spare).
    bool pressRight(int32_t index);
    // The mouse moved over a pressed pointer to x (the frame's units).
    void drag(int32_t index, double x, bool leftDown);
    // A pointer released: the bar is repainted.
    void release() { PaintExamples(); }
    // The menu's "Delete": the selected stop goes (never the spare).
    void deleteSelected();
    void deletePointer(int32_t index);
    // Snap marks for `count` divisions (limited to 1..25); their x positions.
    void DrawSnapPointers(int32_t count);
    std::vector<int32_t> snapMarks() const { return marks; }
    // A count typed into the snap box (digits only).
    void typeSnapCount(const QString& text);
    // The bar's gradient (all stops but the spare, left to right).
    void PaintExamples();

    int32_t pointerCount() const { return int32_t(pointers.size()); }
    const Pointer& pointer(int32_t index) const { return pointers[size_t(index - 1)]; }
    // The stop's position as the pointer's centre on the bar.
    static int32_t barX(float percent) { return barStart + int32_t(percent * unitsPerPercent); }

    int32_t pointerWidth = 12 * unitsPerPixel;
    int16_t intSelPointer = 0;
    bool bolLockPointer = false;
    bool bolSkipExample = false;
    int16_t intSnapCount = 20;
    int16_t intSelCustom = 0;
    bool bolCustomFocus = false;
    QImage picGradient;

private:
    std::vector<GradientStop>& stops;
    std::vector<GradientStop>& working;
    std::vector<Pointer> pointers;
    std::vector<int32_t> marks;
};
