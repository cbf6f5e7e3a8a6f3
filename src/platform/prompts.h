#pragma once
// Prompts shown to the operator: message box, input box, file and colour
// dialogs. Answers use the console's message-box codes so that callers can
// compare with the values they were designed around.

#include <QString>

namespace msgBox {
// Buttons and icon flags, added together as the callers do.
enum : int {
    OKOnly = 0, OKCancel = 1, AbortRetryIgnore = 2, YesNoCancel = 3, YesNo = 4, RetryCancel = 5,
    Critical = 16, Question = 32, Exclamation = 48, Information = 64,
};
// Answers.
enum Answer : int { OK = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };
} // namespace msgBox

struct FileDialogRequest {
    QString title;
    QString folder;      // starting folder (real path)
    QString fileName;    // proposed name
    QString filter;      // Qt filter text, e.g. "Sequences (*.YSQ)"
};

// A font as the font dialog shows and answers it.
struct FontChoice {
    QString name;
    double size = 0; // points
    bool bold = false, italic = false;
};

class Prompts {
public:
    virtual ~Prompts() = default;
    // A modal message; returns one of msgBox::Answer.
    virtual int messageBox(const QString& text, int buttons = msgBox::OKOnly, const QString& title = {}) = 0;
    // A one-line input; returns the empty text on Cancel.
    virtual QString inputBox(const QString& prompt, const QString& title = {}, const QString& defaultText = {}) = 0;
    // File dialogs; the empty text means the operator cancelled.
    virtual QString openFileName(const FileDialogRequest& request) = 0;
    virtual QString saveFileName(const FileDialogRequest& request) = 0;
    // Colour dialog in blue-green-red order; -1 when cancelled.
    virtual int chooseColour(int initialBgr) = 0;
    // Font dialog over `choice`; false when cancelled (the choice is then unchanged).
    virtual bool chooseFont(FontChoice&) { return false; }
    // A short beep.
    virtual void beep() = 0;
};

// The prompts of the desktop are QtPrompts (platform/ui/qtPrompts.h).
