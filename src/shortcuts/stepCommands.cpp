#include "shortcuts/stepCommands.h"

#include "shell/numberText.h"

#include <QStringList>
#include <cmath>

namespace stepCommands {

const std::array<Type, typeCount>& types() {
    static const std::array<Type, typeCount> list = {{
        {"Stop Sequence", 0, "Not Aplicable", "Playback to Stop"},
        {"Start Sequence", 1, "Not Aplicable", "Playback Number To Start"},
        {"Pause Sequence", 2, "Not Aplicable", "Playback Number To Pause"},
        {"Load/Start Sequence", 3, "Sequence FileName", "Playback To Execute On"},
        {"Go to Step", 4, "Not Aplicable", "Step Number to GO To"},
        {"Start Schedule", 5, "Schedule FileName", "Volume"},
        {"Load Media", 6, "Load Media FileName", "Volume"},
        {"Start Media", 7, "Not Aplicable", "Volume"},
        {"Load and Start Media", 8, "Media FileName", "Volume"},
        {"None", noCommand, nullptr, nullptr},
        {"Multi Color EQ", 9, "Parameter 1", "Parameter 2"},
        {"Normal EQ", 10, "Parameter 1", "Parameter 2"},
        {"Upside Down EQ", 11, "Parameter 1", "Parameter 2"},
        {"Random Frequency", 12, "Parameter 1", "Parameter 2"},
        {"Color Frequency", 13, "Parameter 1", "Parameter 2"},
        {"Color Flash", 14, "Parameter 1", "Parameter 2"},
        {"Random Color Flash", 15, "Parameter 1", "Parameter 2"},
        {"Level Meter", 16, "Parameter 1", "Parameter 2"},
    }};
    return list;
}

int positionOf(int code) {
    for (int i = 0; i < typeCount; ++i)
        if (types()[size_t(i)].code == code) return i;
    return -1;
}

Parsed parse(const QString& command) {
    Parsed p;
    if (command.trimmed().isEmpty()) {
        p.position = nonePosition;
        return p;
    }
    // Field 1 read leniently: its leading number, rounded (0 when it has none).
    const QStringList fields = command.split(QLatin1Char(','));
    const double code = numberText::leadingValue(fields.value(0));
    p.position = std::isfinite(code) && std::abs(code) < 1e6 ? positionOf(int(std::lround(code))) : -1;
    p.param1 = fields.value(1);
    p.param2 = fields.value(2);
    p.notes = fields.value(3);
    return p;
}

QString encode(int position, const QString& param1, const QString& param2, const QString& notes) {
    if (position < 0 || position >= typeCount || position == nonePosition) return {};
    // A command is one line of the sequence file.
    QString oneLineNotes = notes;
    oneLineNotes.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return numberText::signed_(types()[size_t(position)].code) + QLatin1Char(',') + param1 + QLatin1Char(',') + param2 +
           QLatin1Char(',') + oneLineNotes;
}

} // namespace stepCommands
