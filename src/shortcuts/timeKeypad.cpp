#include "shortcuts/timeKeypad.h"

#include "platform/prompts.h"
#include "shell/services/consoleService.h"
#include "shell/services/mastersService.h"
#include "shell/services/playbackService.h"
#include "shell/shell.h"

#include <cmath>

namespace {
constexpr double largestTime = 1000;
} // namespace

double TimeKeypad::numericPrefix(const QString& text) {
    QString prefix;
    bool point = false;
    for (QChar c : text.trimmed()) {
        if (c.isDigit()) prefix += c;
        else if (c == QLatin1Char('.') && !point) {
            point = true;
            prefix += c;
        } else break;
    }
    return prefix.toDouble(); // 0 for "" and "."
}

void TimeKeypad::setText(const QString& typed) { text = numericPrefix(typed) > largestTime ? QStringLiteral("0") : typed; }

void TimeKeypad::cmdButton_Click(int32_t index) {
    if (index < 0 || index > 10) return;
    const QString typed = index <= 8 ? QString::number(index + 1) : index == 9 ? QStringLiteral("0") : QStringLiteral(".");
    setText((text + typed).trimmed());
}

void TimeKeypad::cmdBackSpace_Click() {
    if (!text.isEmpty()) setText(text.left(text.size() - 1));
}

bool TimeKeypad::keyDown(int32_t keyCode) {
    if (keyCode >= 97 && keyCode <= 105) cmdButton_Click(keyCode - 97);
    else if (keyCode == 96) cmdButton_Click(9);
    else if (keyCode == 110) cmdButton_Click(10);
    else if (keyCode == 13) return cmdEnter_Click();
    else if (keyCode == 27) { // Escape: nothing is entered, the keypad closes
        cmdClear_Click();
        return true;
    }
    else if (keyCode == 8) cmdBackSpace_Click();
    else if (keyCode == 46) cmdClear_Click();
    return false;
}

bool TimeKeypad::cmdEnter_Click() {
    Prompts& prompts = shell().prompts();
    if (numericPrefix(text) > largestTime) {
        prompts.messageBox(QStringLiteral("Invalid value, please try again"));
        return false;
    }
    const bool writes = textBoxName == QLatin1String("txtfadeTime") || textBoxName == QLatin1String("crossFade") ||
                        textBoxName == QLatin1String("theGrid");
    if (writes) {
        bool ok = false;
        const double typed = text.trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(typed)) {
            prompts.messageBox(QStringLiteral("Not a numerical Value, Please Try Again"));
            return false;
        }
        const double value = std::round(typed * 100.0) / 100.0;
        if (textBoxName == QLatin1String("txtfadeTime")) shell().console().timeBoxEntry(theTxtIndex, value);
        else if (textBoxName == QLatin1String("crossFade")) shell().masters().updateCrossFadeTime(theTxtIndex, float(value));
        // No active playback window (or no step row to take it): said, and the keypad stays.
        else if (!shell().playback().enterGridValue(theTxtIndex, value)) {
            prompts.messageBox(QStringLiteral("Not a numerical Value, Please Try Again"));
            return false;
        }
    }
    cmdClear_Click();
    return true;
}
