#include "shortcuts/pressDesk.h"

#include "shortcuts/ui/shortcutsServiceImpl.h"

PressDesk::PressDesk() {
    pb = &t.get().provide<PlaybackService>(std::make_unique<PressPlaybacks>());
    registerShortcuts(t.get());
}

void PressDesk::button(const QString& page, const QString& name, double top, double left, int group,
                       const QString& extension) {
    t.put(page, name + extension);
    ini(page, name, QStringLiteral("x"), QString::number(top));
    ini(page, name, QStringLiteral("y"), QString::number(left));
    ini(page, name, QStringLiteral("group"), QString::number(group));
}

void PressDesk::group(const QString& page, int number, double top, double left, double width, double height) {
    const QString s = QString::number(number);
    ini(page, s, QStringLiteral("top"), QString::number(top));
    ini(page, s, QStringLiteral("left"), QString::number(left));
    ini(page, s, QStringLiteral("width"), QString::number(width));
    ini(page, s, QStringLiteral("height"), QString::number(height));
}

void PressDesk::ini(const QString& page, const QString& section, const QString& key, const QString& value) {
    miscGlobalFunctions::writeIniValue(t.page(page) + QStringLiteral("/pageSetting.ini"), section, key, value);
}

QString PressDesk::status(const QString& section, const QString& key) const {
    return miscGlobalFunctions::readIniValue(t.showFolder() + QStringLiteral("/shortcutsStatus.ini"), section, key,
                                             QStringLiteral("<none>"));
}

ShortcutPages& PressDesk::open() {
    pages = &t.get().engine<ShortcutPages>();
    pages->start();
    return *pages;
}

int32_t PressDesk::index(const QString& name) { return pages->buttonIndex(name); }

const PageButton& PressDesk::at(const QString& name) { return pages->buttons[size_t(index(name))]; }

void PressDesk::press(const QString& name, float y, float x) { pages->cmdSequence_MouseUp(index(name), 1, 0, x, y); }

int32_t PressDesk::playbackOf(const QString& name) { return pages->findPlaybackOfButton(name); }
