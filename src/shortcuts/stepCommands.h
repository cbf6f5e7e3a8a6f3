#pragma once
// The command of a sequence step: four fields joined by ",", the code (a
// whole number with its sign place, " 3"), parameter one (a file), parameter
// two (a playback, a step or a number) and the notes. Codes 0..8 are actions
// of the playback engine, 9..16 sound-to-matrix modes; an empty command is
// no command. The Command Builder's list of types is here, in list order.

#include <QString>
#include <array>

namespace stepCommands {

struct Type {
    const char* item;   // the list's text
    int code;           // field 1; noCommand for "None"
    const char* param1; // caption of parameter one
    const char* param2; // caption of parameter two
};

// "None": the step carries no command (an empty text), so nothing runs.
constexpr int noCommand = -1000;
constexpr int typeCount = 18;
const std::array<Type, typeCount>& types();
// The list position of a code; -1 when no type has it.
int positionOf(int code);
constexpr int nonePosition = 9;

// What the builder shows for a step's command: the type's position (-1: no
// type, for a code that matches none), and the three boxes. An empty command
// opens as "None".
struct Parsed {
    int position = -1;
    QString param1, param2, notes;
};
Parsed parse(const QString& command);
// The command of the type at position with the boxes' texts; empty for "None".
QString encode(int position, const QString& param1, const QString& param2, const QString& notes);

} // namespace stepCommands
