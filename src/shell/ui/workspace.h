#pragma once
// Saving and restoring the arrangement of the windows (.YWS files).

namespace workspace {
// Asks for a file and writes every visible window's place into it.
void saveWorkspace();
// Asks for a file and puts every window it names back in place, opening
// the console's tool windows that are closed. A damaged file, or names that
// are no window of the console, are reported; what was placed stays.
void loadWorkspace();
} // namespace workspace
