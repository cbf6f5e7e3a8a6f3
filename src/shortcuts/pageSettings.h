#pragma once
// The page settings file pageSetting.ini of one page folder: each button's
// position (x is its Top, y its Left, in twips) and group, and the page's
// group rectangles "1".."10". Read and written key by key; a missing file or
// key reads as its default, a numeric key holding no number raises NotANumber.

#include <QString>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace pageSettings {

// A numeric key (position, group, rectangle, colour) whose text is no number,
// as a hand-edited file can hold: the readers raise it, their callers report it.
class NotANumber : public std::runtime_error {
public:
    explicit NotANumber(const QString& what) : std::runtime_error(what.toStdString()) {}
};

constexpr int maxGroups = 10;

// One button group's rectangle (twips) with its fill colour and name.
struct GroupRect {
    double top = 0, left = 0, width = 0, height = 0;
    int32_t color = 0;
    QString name;
};

// The stored position of a button; false (x, y untouched) when both read 0.
bool readButtonPosition(const QString& page, const QString& name, float& x, float& y);
// Writes x (the Top), y (the Left) and, unless it is negative, the group.
void writePosition(const QString& page, const QString& name, float x, float y, int32_t group);
// Writes only the group of a button.
void writeGroup(const QString& page, const QString& name, int32_t group);
// Removes the button's section (position, group, bump).
void deletePagePosition(const QString& page, const QString& name);
// The stored group of a named button; 0 when none or below 1.
int32_t groupOfButtonOnPage(const QString& page, const QString& name);

// The first group, in number order, whose rectangle holds the point
// (horizontal x first); 0 when none.
int32_t groupAtPoint(const std::vector<GroupRect>& groups, float x, float y);

// A coordinate snapped to the grid of `step` inches (58 or 288 twips); a
// remainder of half a step rounds up.
float snapCoordinate(float value, float step);

// The page's groups, 1 upwards until the first whose top + left + width +
// height is not above 0, at most 10.
std::vector<GroupRect> loadGroups(const QString& page);
// Writes a group's rectangle; colour and name only when given.
void saveGroupRect(const QString& page, int32_t group, const GroupRect& rect, bool withColor, bool withName);
// Removes group n: every later group's rectangle, colour and name move one
// number down (a missing name written as "none"); the last used section goes.
void shiftGroupSections(const QString& page, int32_t n);

} // namespace pageSettings
