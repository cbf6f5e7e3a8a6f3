// A page's settings file as typed by hand: every number it holds is read
// without a cast out of range (the sanitizers watch), and a button's group
// and a group's colour stay within what they can be.
#include "fuzzSupport.h"

#include "shell/shell.h"
#include "shortcuts/pageSettings.h"
#include "shortcuts/shortcutFiles.h"
#include "support/fakePlatform.h"

#include <QDir>
#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TestShell& t = fuzz::shell();
    t.get().state.showName = QStringLiteral("Fuzz");
    const QString page = QStringLiteral("Main");
    QDir().mkpath(shortcutFiles::pageFolder(page));
    QFile file(shortcutFiles::pageSettingsFile(page));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();
    for (const QString& name : {QStringLiteral("A"), QStringLiteral("1"), QStringLiteral("Intro")}) {
        float x = 0, y = 0;
        pageSettings::readButtonPosition(page, name, x, y);
        fuzz::check(pageSettings::groupOfButtonOnPage(page, name) >= 0, "a group is never negative");
    }
    const auto groups = pageSettings::loadGroups(page);
    fuzz::check(groups.size() <= size_t(pageSettings::maxGroups), "no more groups than a page holds");
    return 0;
}
