#include "platform/ui/qtPrompts.h"

#include <QApplication>
#include <QColorDialog>
#include <QFontDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

int QtPrompts::messageBox(const QString& text, int buttons, const QString& title) {
    QMessageBox box;
    box.setWindowTitle(title.isEmpty() ? QStringLiteral("VarnelDMX") : title);
    box.setText(text);
    const int icon = buttons & 0x70;
    box.setIcon(icon == msgBox::Critical ? QMessageBox::Critical
                : icon == msgBox::Question ? QMessageBox::Question
                : icon == msgBox::Exclamation ? QMessageBox::Warning
                : icon == msgBox::Information ? QMessageBox::Information
                                              : QMessageBox::NoIcon);
    struct Choice { QMessageBox::StandardButton button; int answer; };
    std::vector<Choice> choices;
    switch (buttons & 0x0F) {
    case msgBox::OKCancel: choices = {{QMessageBox::Ok, msgBox::OK}, {QMessageBox::Cancel, msgBox::Cancel}}; break;
    case msgBox::AbortRetryIgnore:
        choices = {{QMessageBox::Abort, msgBox::Abort}, {QMessageBox::Retry, msgBox::Retry}, {QMessageBox::Ignore, msgBox::Ignore}};
        break;
    case msgBox::YesNoCancel:
        choices = {{QMessageBox::Yes, msgBox::Yes}, {QMessageBox::No, msgBox::No}, {QMessageBox::Cancel, msgBox::Cancel}};
        break;
    case msgBox::YesNo: choices = {{QMessageBox::Yes, msgBox::Yes}, {QMessageBox::No, msgBox::No}}; break;
    case msgBox::RetryCancel: choices = {{QMessageBox::Retry, msgBox::Retry}, {QMessageBox::Cancel, msgBox::Cancel}}; break;
    default: choices = {{QMessageBox::Ok, msgBox::OK}}; break;
    }
    QMessageBox::StandardButtons all;
    for (const Choice& c : choices) all |= c.button;
    box.setStandardButtons(all);
    const auto pressed = static_cast<QMessageBox::StandardButton>(box.exec());
    for (const Choice& c : choices) {
        if (c.button == pressed) return c.answer;
    }
    return choices.size() > 1 ? msgBox::Cancel : msgBox::OK;
}

QString QtPrompts::inputBox(const QString& prompt, const QString& title, const QString& defaultText) {
    bool ok = false;
    const QString text = QInputDialog::getText(nullptr, title.isEmpty() ? QStringLiteral("VarnelDMX") : title,
                                               prompt, QLineEdit::Normal, defaultText, &ok);
    return ok ? text : QString();
}

namespace {
// A file name that is a pattern ("*.YCF") is the filter's business: handed
// to the dialog as a path it is no file, and the dialog would fall back to
// the working folder instead of the folder asked for.
QString startPath(const FileDialogRequest& r) {
    if (r.fileName.isEmpty() || r.fileName.contains(QLatin1Char('*')) || r.fileName.contains(QLatin1Char('?')))
        return r.folder;
    return r.folder + QLatin1Char('/') + r.fileName;
}
} // namespace

QString QtPrompts::openFileName(const FileDialogRequest& r) {
    const QString start = startPath(r);
    return QFileDialog::getOpenFileName(nullptr, r.title, start, r.filter);
}

QString QtPrompts::saveFileName(const FileDialogRequest& r) {
    const QString start = startPath(r);
    return QFileDialog::getSaveFileName(nullptr, r.title, start, r.filter);
}

int QtPrompts::chooseColour(int initialBgr) {
    const QColor initial(initialBgr & 0xFF, (initialBgr >> 8) & 0xFF, (initialBgr >> 16) & 0xFF);
    const QColor c = QColorDialog::getColor(initial);
    if (!c.isValid()) return -1;
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}

bool QtPrompts::chooseFont(FontChoice& choice) {
    QFont initial(choice.name);
    if (choice.size > 0) initial.setPointSizeF(choice.size);
    initial.setBold(choice.bold);
    initial.setItalic(choice.italic);
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, initial);
    if (!ok) return false;
    choice = {f.family(), f.pointSizeF(), f.bold(), f.italic()};
    return true;
}

void QtPrompts::beep() { QApplication::beep(); }
