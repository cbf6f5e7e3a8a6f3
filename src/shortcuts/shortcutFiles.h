#pragma once
// Where the button pages live and what their files are: the show folder
// Sequences\<show>, one folder per page, one file per button (its name is the
// file title). Names typed by the operator are made fit for a folder or file
// name here before they reach a path.

#include <QString>
#include <QStringList>

namespace shortcutFiles {

// Button kinds, in the order every page command looks for them.
enum class ButtonKind { none, sequence, autoPilot, multi, timeline };

// A page shows at most this many buttons.
constexpr int maxButtons = 300;

// Real paths (not created): the show folder, a page folder, a page's settings file.
QString showFolder();
QString pageFolder(const QString& page);
QString pageSettingsFile(const QString& page);
// Real path of a button file of the kind on the page; of its preset events (.UQF).
QString buttonFile(const QString& page, const QString& name, ButtonKind kind);
QString presetEventsFile(const QString& page, const QString& name);
// The button file's extension with its dot (".YSQ" ...); empty for none.
QString extensionOf(ButtonKind kind);
// The first kind whose file exists for the name on the page.
ButtonKind kindOf(const QString& page, const QString& name);

// Page folders of the show, in name order.
QStringList listPages();
// File titles of the files matching "*<extension>" in a folder, in name order.
QStringList listTitles(const QString& folder, const QString& extension);

// A typed name made fit for a page or button: "." becomes ",", "/" and "\"
// become "&", blanks around it go.
QString fitName(const QString& typed);
// Why a (fitted) name cannot name a button or page; empty when it can. A
// button may not take a name whose section in the page settings belongs to a
// group ("1".."10") or to the page mode ("ReleaseorStack").
QString nameProblem(const QString& name, bool isButton);

// Removes a folder and everything in it; false when something stayed.
bool removeFolder(const QString& folder);

} // namespace shortcutFiles
