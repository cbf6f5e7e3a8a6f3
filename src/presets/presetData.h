#pragma once
// The rows of the preset data window: one row of twelve texts per preset
// event, and the colour swatch of a preset named by a colour number.

#include "shell/services/presetsService.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace presetData {

// The column headers, "Event #" to "Fixtures Selelected".
const QStringList& headers();
// Row `row` (1-based) of an event.
QStringList rowTexts(int row, const clsEvent& e);
// The colour of a preset-name cell: the name's value when the first of its
// last four characters (the first of a shorter name) is a digit and the
// whole name is a number that fits a colour; none otherwise.
std::optional<int32_t> swatchColour(const QString& presetName);
// The step count an event file is written with so that no event's step is
// cut: the highest step of the events (at least 1).
int32_t stepCountOf(const EventCollection& events);

} // namespace presetData
