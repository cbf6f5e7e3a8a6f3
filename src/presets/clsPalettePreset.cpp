#include "presets/clsPalettePreset.h"

#include "platform/safeFile.h"
#include "presets/presetFile.h"
#include "profiles/ClsFixture.h"
#include "shell/libParsePath.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/services/patchService.h"
#include "shell/shell.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace presetNames {

QString rangeKey(const QString& name) {
    QString escaped = name;
    return libParsePath::ParsePath(miscGlobalFunctions::escapeFileName(escaped), 4).trimmed().toLower();
}

QString fileTitle(const QString& name) {
    QString escaped = name;
    return libParsePath::ParsePath(miscGlobalFunctions::escapeFileName(escaped), 4);
}

} // namespace presetNames

namespace {

// Every type folder of a show, in the order they are made.
constexpr const char* typeFolders[] = {"Color", "Gobo",  "Shutter", "Beam",  "Function", "Rotation", "Speed",
                                       "Position", "User", "Misc1", "Misc2", "Misc3",    "Misc4",    "Misc5"};

bool safeName(const QString& name) {
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           name != QLatin1String(".") && name != QLatin1String("..");
}

QString showFolderName() { return libParsePath::ParsePath(shell().state.showFileName, 4); }

int32_t startOf(int32_t fixture) {
    const ChannelModel& m = shell().state;
    return fixture >= 1 && size_t(fixture) < m.fixtureStartChannel.size() ? m.fixtureStartChannel[size_t(fixture)] : 0;
}

} // namespace

// ---- Palette folders ------------------------------------------------------------------------

QString clsPalettePreset::setFilenameToLoadPresets(const QString& typeName) {
    currentTypeName = typeName;
    if (typeName == QLatin1String("ShapeShortcuts")) return QStringLiteral("\\Shapes\\");
    if (typeName == QLatin1String("RGBProfiles")) return QStringLiteral("\\RGB\\");
    for (const char* t : typeFolders)
        if (typeName == QLatin1String(t)) return QLatin1Char('\\') + typeName + QLatin1Char('\\');
    return QString();
}

QString clsPalettePreset::presetPath(const QString& type, const QString& name) {
    const QString show = showFolderName();
    if (!safeName(show) || !safeName(type) || !safeName(name)) return QString();
    return shell().programPath(QStringLiteral("Palettes\\") + show + QLatin1Char('\\') + type + QLatin1Char('\\') + name +
                               QStringLiteral(".USF"));
}

QString clsPalettePreset::writtenPresetPath(const QString& type, const QString& name) {
    if (!generating) return presetPath(type, name);
    const QString show = showFolderName();
    if (!safeName(show) || !safeName(type) || !safeName(name)) return QString();
    FolderNames& folder = folderNames[type];
    if (folder.path.isEmpty()) {
        folder.path = shell().programPath(QStringLiteral("Palettes\\") + show + QLatin1Char('\\') + type);
        for (const QString& f : QDir(folder.path).entryList(QDir::Files | QDir::Hidden)) folder.files.insert(f.toLower(), f);
    }
    const QString file = name + QStringLiteral(".USF");
    QString& stored = folder.files[file.toLower()];
    if (stored.isEmpty()) stored = file;
    return folder.path + QLatin1Char('/') + stored;
}

void clsPalettePreset::makePalleteDirectories() {
    const QString show = showFolderName();
    if (!safeName(show)) return;
    QDir().mkpath(shell().programPath(QStringLiteral("Palettes")));
    const QString showFolder = QStringLiteral("Palettes\\") + show;
    QDir().mkpath(shell().programPath(showFolder));
    for (const char* t : typeFolders)
        QDir().mkpath(shell().programPath(showFolder + QLatin1Char('\\') + QLatin1String(t)));
}

void clsPalettePreset::deletePalleteDirectories() {
    const QString show = showFolderName();
    if (!safeName(show)) return;
    for (const char* t : typeFolders) {
        QDir folder(shell().programPath(QStringLiteral("Palettes\\") + show + QLatin1Char('\\') + QLatin1String(t)));
        if (!folder.exists()) continue;
        // The page's button places are kept for the presets generated again.
        for (const QString& f : folder.entryList(QDir::Files | QDir::Hidden))
            if (f.compare(QLatin1String("presetPageSetting.ini"), Qt::CaseInsensitive) != 0) folder.remove(f);
    }
}

bool clsPalettePreset::isColorChannelName(const QString& name) {
    static constexpr const char* names[] = {"color", "color1", "color2",  "red",   "green",  "blue",
                                            "cyan",  "magenta", "yellow", "white", "white1", "amber"};
    return std::any_of(std::begin(names), std::end(names), [&](const char* n) { return name == QLatin1String(n); });
}

std::optional<PresetRange> clsPalettePreset::mouseWheelProperties(QString& theFilename) {
    theFilename = presetNames::fileTitle(libParsePath::ParsePath(theFilename, 4));
    const std::optional<presetFile::PresetData> d = presetFile::readFile(presetPath(currentTypeName, theFilename));
    if (!d) return std::nullopt;
    std::optional<PresetRange> result;
    const ChannelModel& m = shell().state;
    for (const presetFile::presetRecord& r : d->records) {
        if (r.fixtureNumber > m.fixtureCount) continue;
        if (r.fixtureNumber < 1) break;
        if (!shell().patch().isSelected(r.fixtureNumber)) continue;
        if (!result) result = PresetRange{};
        returnMaxandMinValuesForAPropertyName(r.fixtureNumber, r.propertyName, r.channelName, *result);
    }
    return result;
}

// ---- Range look-ups --------------------------------------------------------------------------

const ClsFixture* clsPalettePreset::profileOfFixture(int32_t f) const {
    const ChannelModel& m = shell().state;
    if (f < 1 || f > m.fixtureCount || size_t(f) >= m.fixtureLightClass.size()) return nullptr;
    const int32_t lc = m.fixtureLightClass[size_t(f)];
    if (lc < 1 || size_t(lc) >= m.lightClasses.size()) return nullptr;
    return m.lightClasses[size_t(lc)].get();
}

const clsPalettePreset::ProfileKeys& clsPalettePreset::keysOf(const ClsFixture& p) {
    auto found = profileKeys.find(&p);
    if (found != profileKeys.end()) return found->second;
    ProfileKeys& k = profileKeys[&p];
    for (int i = 36; i >= 1; --i) k.channelByType.insert(p.Channel_prop(i).trimmed().toLower(), i);
    for (int slot = 1; slot < ClsFixture::maxChannels + 1 && slot < 38; ++slot)
        for (int r = ClsFixture::maxRanges; r >= 1; --r) {
            const QString key = presetNames::rangeKey(p.properties(r, slot));
            if (!key.isEmpty()) k.rowByKey[size_t(slot)].insert(key, r);
        }
    return k;
}

int32_t clsPalettePreset::channelIndex(const ClsFixture* p, const QString& type) {
    if (!p) return 0;
    const QString wanted = type.trimmed().toLower();
    if (generating) return keysOf(*p).channelByType.value(wanted, 0);
    for (int i = 1; i <= 36; ++i)
        if (p->Channel_prop(i).trimmed().toLower() == wanted) return i;
    return 0;
}

int32_t clsPalettePreset::findRow(const ClsFixture* p, int32_t slot, const QString& propertyName) {
    if (!p || propertyName.trimmed().isEmpty()) return 0;
    const QString key = presetNames::rangeKey(propertyName);
    if (key.isEmpty()) return 0;
    if (generating) return keysOf(*p).rowByKey[size_t(slot)].value(key, 0);
    for (int r = 1; r <= ClsFixture::maxRanges; ++r)
        if (presetNames::rangeKey(p->properties(r, slot)) == key) return r;
    return 0;
}

int32_t clsPalettePreset::returnAChannelForAPropertyName(const QString& propName, int32_t theLightClass) {
    const ChannelModel& m = shell().state;
    if (theLightClass < 1 || size_t(theLightClass) >= m.lightClasses.size()) return 0;
    return channelIndex(m.lightClasses[size_t(theLightClass)].get(), propName);
}

int32_t clsPalettePreset::returnAValueForAPropertyName(int32_t fixtureNumber, const QString& propertyName,
                                                       const QString& theChannelType) {
    const ClsFixture* p = profileOfFixture(fixtureNumber);
    const int32_t i = channelIndex(p, theChannelType);
    const int32_t start = startOf(fixtureNumber);
    lookupChannel = start + i - 1;
    const int32_t row = findRow(p, i + 1, propertyName);
    if (row == 0) {
        lookupValue = notFound;
        return notFound;
    }
    lookupValue = p->from(row, i + 1);
    lookupFixtureList += QString::number(fixtureNumber) + QLatin1Char(',');
    return p->too(row, i + 1);
}

void clsPalettePreset::returnMaxandMinValuesForAPropertyName(int32_t fixtureNumber, const QString& propertyName,
                                                             const QString& theChannelType, PresetRange& range) {
    const ClsFixture* p = profileOfFixture(fixtureNumber);
    const int32_t i = channelIndex(p, theChannelType);
    lookupChannel = startOf(fixtureNumber) + i - 1;
    const int32_t row = findRow(p, i + 1, propertyName);
    if (row == 0) {
        lookupValue = notFound;
        return;
    }
    range.min = p->from(row, i + 1);
    range.MAX = p->too(row, i + 1);
    lookupFixtureList += QString::number(fixtureNumber) + QLatin1Char(',');
}

int32_t clsPalettePreset::returnAChannelNumberForAChannelName(const QString& channelName, int32_t fixtureNumber) {
    const ClsFixture* p = profileOfFixture(fixtureNumber);
    if (!p || p->ChannelsUsed < 1) return 0;
    const QString wanted = channelName.toLower();
    for (int i = 1; i <= 32; ++i)
        if (p->Channel_prop(i) == wanted) return startOf(fixtureNumber) + i - 1;
    return 0;
}

QString clsPalettePreset::rangeLabelHolding(const ClsFixture& p, int32_t slot, int32_t value) {
    // The range that holds the value, whatever order the profile lists its
    // ranges in (a shutter "Open" 250-255 before "Closed" 0-10).
    for (int r = 1; r <= ClsFixture::maxRanges; ++r) {
        const int32_t a = p.from(r, slot), b = p.too(r, slot);
        if (value >= std::min(a, b) && value <= std::max(a, b) && !p.properties(r, slot).trimmed().isEmpty())
            return p.properties(r, slot);
    }
    return QString();
}

QString clsPalettePreset::returnAPropertiesNameForAValue(int32_t theValue, int32_t theFixture, int32_t theChannel) {
    const ClsFixture* p = profileOfFixture(theFixture);
    if (!p) return QString();
    const int32_t slot = theChannel - startOf(theFixture) + 2;
    if (slot < 1 || slot > ClsFixture::maxChannels) return QString();
    return rangeLabelHolding(*p, slot, theValue);
}

// ---- Preset file writer ----------------------------------------------------------------------

bool clsPalettePreset::makeCustomPresetFile(QString& theFilename, const QString& presetVisualDescription,
                                            const QStringList& theChannelCollection, bool forceSelection, bool overRide,
                                            QString* error) {
    const QString title = libParsePath::ParsePath(theFilename, 4);
    const QString target = writtenPresetPath(currentTypeName, title);
    if (target.isEmpty()) {
        if (error) *error = QStringLiteral("no show is loaded or the preset name \"%1\" cannot be a file name").arg(title);
        return false;
    }
    theFilename = target;
    Shell& s = shell();
    const ChannelModel& m = s.state;

    // What each profile gives: its channels of the listed types and, with
    // override, the range named after the preset on each. Fixtures of one
    // profile share it, so it is worked out once per profile.
    struct Planned {
        int32_t idx = 0;
        bool found = false;
        int32_t value = 0;
        QString label;
    };
    std::unordered_map<const ClsFixture*, std::vector<Planned>> plans;
    auto planOf = [&](const ClsFixture* p) -> const std::vector<Planned>& {
        auto known = plans.find(p);
        if (known != plans.end()) return known->second;
        std::vector<Planned>& plan = plans[p];
        for (const QString& name : theChannelCollection) {
            Planned c;
            c.idx = channelIndex(p, name);
            if (c.idx == 0) continue;
            if (overRide) {
                const int32_t row = findRow(p, c.idx + 1, title);
                c.found = row != 0;
                if (c.found) {
                    c.value = p->from(row, c.idx + 1);
                    c.label = rangeLabelHolding(*p, c.idx + 1, c.value);
                }
            }
            plan.push_back(std::move(c));
        }
        return plan;
    };

    lookupFixtureList.clear();
    // The trailer lists the selected fixtures; with override every look-up
    // replaces that list by the look-up list, so it ends as the look-up list
    // followed by the fixtures selected after the last look-up.
    QString selectedSinceLookup;
    bool lookedUp = false;
    presetFile::PresetData data;
    PatchService& layout = s.patch();
    for (int32_t k = 1; k <= m.fixtureCount; ++k) {
        if (forceSelection || layout.isSelected(k)) selectedSinceLookup += QString::number(k) + QLatin1Char(',');
        const ClsFixture* p = profileOfFixture(k);
        const int32_t start = startOf(k);
        for (const Planned& c : planOf(p)) {
            presetFile::presetRecord r;
            r.savedChannel = start + c.idx - 1;
            if (!overRide) {
                const bool inRange = r.savedChannel >= 1 && r.savedChannel <= m.totalChannels;
                r.savedValue = inRange ? m.channelOutput[size_t(r.savedChannel)] : 0;
            } else {
                lookupChannel = r.savedChannel;
                lookedUp = true;
                selectedSinceLookup.clear();
                if (!c.found) {
                    lookupValue = notFound;
                    continue;
                }
                lookupValue = c.value;
                lookupFixtureList += QString::number(k) + QLatin1Char(',');
                r.savedValue = c.value;
                r.propertyName = c.label;
            }
            r.savedFixtureName = m.fixtureName.value(k);
            r.fixtureNumber = k;
            r.channelName = p->Channel_prop(c.idx);
            data.records.push_back(std::move(r));
        }
    }
    QByteArray bytes;
    if (!data.records.empty()) {
        data.trailer.presetName = libParsePath::ParsePath(target, 4);
        data.trailer.fixtureList = (lookedUp ? lookupFixtureList : QString()) + selectedSinceLookup;
        data.trailer.visualDescription = libParsePath::ParsePath(presetVisualDescription, 6);
        bytes = presetFile::encode(data);
    }
    return generating ? safeFile::writeWholeUnsynced(target, bytes, error) : safeFile::writeWhole(target, bytes, error);
}

bool clsPalettePreset::listContainsNumber(const QString& list, const QString& number) {
    const QString wanted = number.trimmed();
    const QStringList entries = list.split(QLatin1Char(','));
    return std::any_of(entries.begin(), entries.end(), [&](const QString& e) {
        const QString t = e.trimmed();
        return !t.isEmpty() && t == wanted;
    });
}
