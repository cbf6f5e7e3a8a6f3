#pragma once
// The animation model of the matrix effects: ClsColours is one frame (the
// colour of every pixel, row-major, top row first) and ClsMatrix one
// animation (frames plus the matrix size). Frames are shared by reference:
// the builder, the animation and the window may hold one frame, and
// emptying it through the animation empties it for every holder.

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class ClsColours {
public:
    // Highest index + 1; 0 for an empty frame.
    int32_t Count() const { return highestIndex + 1; }
    // Empties the frame (one black slot kept, Count 0).
    void Clean();
    // Stores a colour, growing the list to exactly that index (new entries black).
    void SetColor(int32_t p_nIndex, int32_t p_nColor);
    // The colour at an index; black beyond the stored range.
    int32_t GetColor(int32_t p_nIndex) const;
    QString Name;

private:
    std::vector<int32_t> colours;
    int32_t highestIndex = -1;
};

using FrameRef = std::shared_ptr<ClsColours>;

class ClsMatrix {
public:
    int32_t matrixEnd = 0;
    int32_t matrixStart = 0;
    QString matrixName;

    // Removes the last frame (emptying it when it is not the only one).
    void DelLast();
    int16_t Width() const { return width; }
    int16_t Height() const { return height; }
    // Writing either size discards every frame, even with the same value.
    void setWidth(int16_t vNewValue);
    void setHeight(int16_t vNewValue);
    int32_t Count() const { return highestIndex + 1; }
    // Empties every frame held and releases them.
    void Clean();
    // Stores the caller's frame itself at an index, growing the list (slots between stay empty).
    void SetFrame(int32_t p_nIndex, FrameRef p_Frame);
    // The frame at an index; none for a negative index, beyond the list or an empty slot.
    FrameRef GetFrame(int32_t p_nIndex) const;
    // Kept for callers; always 0.
    int16_t findMatrixDimension(const QString& theName) const;

private:
    int16_t width = 0;
    int16_t height = 0;
    std::vector<FrameRef> frames;
    int32_t highestIndex = -1;
};

using AnimationRef = std::shared_ptr<ClsMatrix>;
