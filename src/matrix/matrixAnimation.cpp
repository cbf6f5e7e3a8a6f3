#include "matrix/matrixAnimation.h"

#include <stdexcept>

void ClsColours::Clean() {
    colours.assign(1, 0);
    highestIndex = -1;
}

void ClsColours::SetColor(int32_t p_nIndex, int32_t p_nColor) {
    if (p_nIndex < 0) throw std::out_of_range("Subscript out of range");
    if (p_nIndex > highestIndex) {
        highestIndex = p_nIndex;
        colours.resize(size_t(p_nIndex) + 1, 0);
    }
    colours[size_t(p_nIndex)] = p_nColor;
}

int32_t ClsColours::GetColor(int32_t p_nIndex) const {
    if (p_nIndex < 0) throw std::out_of_range("Subscript out of range");
    if (p_nIndex > highestIndex) return 0;
    return colours[size_t(p_nIndex)];
}

void ClsMatrix::DelLast() {
    if (highestIndex < 0) return;
    if (highestIndex == 0) {
        // The only frame is let go, not emptied.
        frames.clear();
        highestIndex = -1;
        return;
    }
    if (const FrameRef& last = frames[size_t(highestIndex)]) last->Clean();
    --highestIndex;
    frames.resize(size_t(highestIndex) + 1);
}

void ClsMatrix::setWidth(int16_t vNewValue) {
    width = vNewValue;
    Clean();
}

void ClsMatrix::setHeight(int16_t vNewValue) {
    height = vNewValue;
    Clean();
}

void ClsMatrix::Clean() {
    for (int32_t i = 0; i <= highestIndex; ++i)
        if (const FrameRef& f = frames[size_t(i)]) f->Clean();
    frames.assign(1, nullptr);
    highestIndex = -1;
}

void ClsMatrix::SetFrame(int32_t p_nIndex, FrameRef p_Frame) {
    if (p_nIndex < 0) throw std::out_of_range("Subscript out of range");
    if (p_nIndex > highestIndex) {
        highestIndex = p_nIndex;
        frames.resize(size_t(p_nIndex) + 1);
    }
    frames[size_t(p_nIndex)] = std::move(p_Frame);
}

FrameRef ClsMatrix::GetFrame(int32_t p_nIndex) const {
    if (p_nIndex < 0 || p_nIndex > highestIndex) return nullptr;
    return frames[size_t(p_nIndex)];
}

int16_t ClsMatrix::findMatrixDimension(const QString&) const { return 0; }
