#pragma once
// The prompts of the desktop: Qt's message box, input and file dialogs.

#include "platform/prompts.h"

// The prompts of the desktop, shown over `parent` (may be null).
class QtPrompts final : public Prompts {
public:
    int messageBox(const QString& text, int buttons, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString openFileName(const FileDialogRequest& request) override;
    QString saveFileName(const FileDialogRequest& request) override;
    int chooseColour(int initialBgr) override;
    bool chooseFont(FontChoice& choice) override;
    void beep() override;
};
