// Palettes generated from the named ranges of the show's fixture profiles.

#include "presets/clsPalettePreset.h"

#include "platform/prompts.h"
#include "platform/safeFile.h"
#include "presets/presetFile.h"
#include "profiles/ClsFixture.h"
#include "shell/libParsePath.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/shell.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <functional>
#include <stdexcept>

namespace {

using Role = std::function<int32_t(const ClsFixture&)>;

enum TypeIndex { colorType, goboType, shutterType, beamType, functionType, rotationType, speedType };

// A collection of names, each once whatever its letter case, in the order met.
struct NameCollection {
    QStringList& names;
    QSet<QString> keys;
    void offer(const QString& name) {
        if (name.trimmed().isEmpty()) return;
        const QString key = name.toLower();
        if (keys.contains(key)) return;
        keys.insert(key);
        names << name;
    }
};

// The range names of one role channel: range slot role + 1, rows 1..50. A
// role on the last channel has no slot.
void offerRole(NameCollection& c, const ClsFixture& p, int32_t role, int32_t row) {
    if (role < 1 || role + 1 > ClsFixture::maxChannels) return;
    c.offer(p.properties(row, role + 1));
}

// One pass over every profile for the given roles.
void profilePass(NameCollection& c, const std::vector<Role>& roles, bool rolesWithinProfile) {
    const ChannelModel& m = shell().state;
    const int32_t count = m.lightClassCount;
    auto profile = [&](int32_t i) -> const ClsFixture* {
        return size_t(i) < m.lightClasses.size() ? m.lightClasses[size_t(i)].get() : nullptr;
    };
    if (rolesWithinProfile) {
        for (int32_t i = 1; i <= count; ++i)
            if (const ClsFixture* p = profile(i))
                for (const Role& role : roles)
                    for (int32_t j = 1; j <= ClsFixture::maxRanges; ++j) offerRole(c, *p, role(*p), j);
        return;
    }
    for (const Role& role : roles)
        for (int32_t i = 1; i <= count; ++i)
            if (const ClsFixture* p = profile(i))
                for (int32_t j = 1; j <= ClsFixture::maxRanges; ++j) offerRole(c, *p, role(*p), j);
}

// The channel type names each generated type's presets are made for.
QStringList channelNamesOf(int type) {
    switch (type) {
    case colorType: return {"color", "color1", "color2", "red", "green", "blue", "amber", "white", "white1"};
    case goboType: return {"gobo", "gobo1", "gobo2"};
    case beamType: return {"dimmer", "iris", "effects wheel", "prism", "focus", "intensity", "frost", "zoom"};
    case functionType: return {"color function", "gobo function", "color function 1", "color function 2", "control"};
    case rotationType:
        return {"rotating gobo", "gobo rotation", "rotation fine", "gobo1 rotation", "gobo2 rotation", "prism rotation",
                "prism rotate"};
    case speedType: return {"m speed"};
    default: return {};
    }
}

} // namespace

void clsPalettePreset::addPropertiesToCollection() {
    for (QStringList& c : collections) c.clear();
    auto pass = [&](int type, const std::vector<Role>& roles, bool within) {
        NameCollection c{collections[size_t(type)], {}};
        for (const QString& n : collections[size_t(type)]) c.keys.insert(n.toLower());
        profilePass(c, roles, within);
    };
    pass(colorType,
         {&ClsFixture::colorChannel, &ClsFixture::colorChannel1, &ClsFixture::colorChannel2, &ClsFixture::redChannel,
          &ClsFixture::blueChannel, &ClsFixture::greenChannel, &ClsFixture::whiteChannel, &ClsFixture::white1Channel,
          &ClsFixture::amberChannel},
         true);
    pass(goboType, {&ClsFixture::goboChannel, &ClsFixture::goboChannel1, &ClsFixture::goboChannel2}, true);
    pass(shutterType, {&ClsFixture::shutterChannel}, false);

    // Focus and dimmer share one pass, alternating row by row.
    {
        NameCollection c{collections[beamType], {}};
        const ChannelModel& m = shell().state;
        for (int32_t i = 1; i <= m.lightClassCount; ++i) {
            const ClsFixture* p = size_t(i) < m.lightClasses.size() ? m.lightClasses[size_t(i)].get() : nullptr;
            if (!p || (p->focusChannel() < 1 && p->dimmmerChannel() < 1)) continue;
            for (int32_t j = 1; j <= ClsFixture::maxRanges; ++j) {
                offerRole(c, *p, p->focusChannel(), j);
                offerRole(c, *p, p->dimmmerChannel(), j);
            }
        }
    }
    for (const Role& r : std::vector<Role>{&ClsFixture::irisChannel, &ClsFixture::prismChannel, &ClsFixture::frostChannel,
                                           &ClsFixture::zoomChannel})
        pass(beamType, {r}, false);
    for (const Role& r : std::vector<Role>{&ClsFixture::controlChannel, &ClsFixture::theColorFunctionChannel,
                                           &ClsFixture::colorFunction1, &ClsFixture::colorFunction2,
                                           &ClsFixture::goboFunctionChannel})
        pass(functionType, {r}, false);
    for (const Role& r : std::vector<Role>{
             [](const ClsFixture& p) { return int32_t(p.goboRotationChannel()); },
             [](const ClsFixture& p) { return int32_t(p.gobo1RotationChannel()); },
             [](const ClsFixture& p) { return int32_t(p.gobo2RotationChannel()); },
             [](const ClsFixture& p) { return int32_t(p.prismRotationChannel()); }, &ClsFixture::effectRotationChannel})
        pass(rotationType, {r}, false);
    pass(speedType, {&ClsFixture::speedChannel}, false);
}

bool clsPalettePreset::writeGeneratedType(int typeIndex, QString& failedFile, QString& error) {
    const QString type = QLatin1String(generatedTypes[size_t(typeIndex)]);
    const QStringList channels = channelNamesOf(typeIndex);
    const QStringList names = collections[size_t(typeIndex)];
    for (const QString& name : names) {
        currentTypeName = type;
        const QString escaped = presetNames::fileTitle(name);
        if (writtenPresetPath(type, escaped).isEmpty()) continue; // a name that can be no file name
        QString escapedWhole = name;
        miscGlobalFunctions::escapeFileName(escapedWhole);
        const QString representation = libParsePath::ParsePath(escapedWhole, typeIndex == goboType ? 6 : 4);
        QString file = escaped;
        const bool written = makeCustomPresetFile(file, representation, channels, false, true, &error);
        shell().state.currentFileName = file;
        failedFile = file;
        if (!written) return false;
    }
    return true;
}

bool clsPalettePreset::writeShutterPresets(QString& failedFile, QString& error) {
    const ChannelModel& m = shell().state;
    if (m.fixtureCount <= 0) return true;
    for (const QString& P : collections[shutterType]) {
        const QString path = writtenPresetPath(QStringLiteral("Shutter"), presetNames::fileTitle(P));
        if (path.isEmpty()) continue; // a name that can be no file name
        shell().state.currentFileName = path;
        failedFile = path;
        presetFile::PresetData data;
        QString list;
        for (int32_t k = 1; k <= m.fixtureCount; ++k) {
            const ClsFixture* p = profileOfFixture(k);
            const int32_t S = p ? p->shutterChannel() : 0;
            if (S < 1 || S + 1 > ClsFixture::maxChannels) continue;
            presetFile::presetRecord r;
            r.savedFixtureName = m.fixtureName.value(k);
            r.fixtureNumber = k;
            r.savedChannel = m.fixtureStartChannel[size_t(k)] + S - 1;
            r.propertyName = QStringLiteral("none");
            r.channelName = p->Channel_prop(S);
            for (int32_t j = 1; j <= ClsFixture::maxRanges; ++j) {
                const QString label = p->properties(j, S + 1);
                if (label.trimmed().isEmpty() || label != P) continue;
                r.savedValue = p->from(j, S + 1);
                r.propertyName = P;
                list += QString::number(k) + QLatin1Char(',');
                break;
            }
            data.records.push_back(std::move(r));
        }
        data.trailer.presetName = P;
        data.trailer.fixtureList = list;
        data.trailer.visualDescription = P;
        if (!safeFile::writeWholeUnsynced(path, presetFile::encode(data), &error)) return false;
    }
    return true;
}

bool clsPalettePreset::createPaletteFiles() {
    Prompts& prompts = shell().prompts();
    generating = true;
    profileKeys.clear();
    folderNames.clear();
    bool done = false;
    for (;;) {
        QString failedFile, error;
        const bool ok = writeGeneratedType(colorType, failedFile, error) && writeGeneratedType(goboType, failedFile, error) &&
                        writeShutterPresets(failedFile, error) && writeGeneratedType(beamType, failedFile, error) &&
                        writeGeneratedType(functionType, failedFile, error) &&
                        writeGeneratedType(rotationType, failedFile, error) &&
                        writeGeneratedType(speedType, failedFile, error);
        if (ok) {
            done = true;
            break;
        }
        const QString text = QStringLiteral("Error Updating Palette Files, Most common Cause is a bad fixture profile:");
        // A missing folder is the one failure another try can mend.
        if (!failedFile.isEmpty() && !QFileInfo(QFileInfo(failedFile).absolutePath()).isDir()) {
            const int answer =
                prompts.messageBox(text + QStringLiteral(" Would you like to try again? error:") + error +
                                       QStringLiteral(" file: ") + failedFile,
                                   msgBox::YesNo);
            if (answer == msgBox::Yes) {
                makePalleteDirectories();
                folderNames.clear();
                continue;
            }
        } else {
            prompts.messageBox(text + error + QStringLiteral(" file: ") + failedFile);
        }
        break;
    }
    generating = false;
    profileKeys.clear();
    folderNames.clear();
    QString syncError;
    const QString palettes = presetPath(QStringLiteral("Color"), QStringLiteral("x"));
    if (!palettes.isEmpty() && !safeFile::syncFileSystem(QFileInfo(palettes).absolutePath(), &syncError))
        qWarning("palettes not flushed to disk: %s", qPrintable(syncError));
    currentTypeName = QStringLiteral("Color");
    return done;
}

QStringList clsPalettePreset::returnCheckBoxCollection(QString& theFilename) {
    theFilename = presetNames::fileTitle(theFilename);
    QStringList names;
    const std::optional<presetFile::PresetData> d = presetFile::readFile(presetPath(currentTypeName, theFilename));
    if (!d) return names;
    for (const presetFile::presetRecord& r : d->records) names << r.channelName;
    return names;
}

namespace {

// A fixture number after fixture k left: k itself is gone (0), the ones
// above it move down; numbers beyond the patch stay as they are.
int32_t renumbered(int32_t f, int32_t k, int32_t count) {
    if (f == k) return 0;
    return f > k && f <= count ? f - 1 : f;
}

} // namespace

void clsPalettePreset::fixPresetsForFixtureRemove(int32_t k) {
    const int32_t count = shell().state.fixtureCount;
    if (k < 1 || k > count) return;
    for (const char* type : {"Position", "Color", "Gobo", "Beam", "Shutter", "Function", "Rotation", "Speed", "Misc3",
                             "Misc4"}) {
        const QString folder = QFileInfo(presetPath(QLatin1String(type), QStringLiteral("x"))).absolutePath();
        if (folder.isEmpty() || !QFileInfo(folder).isDir()) continue;
        const QDir dir(folder);
        for (const QString& name : dir.entryList({QStringLiteral("*.USF")}, QDir::Files | QDir::Hidden)) {
            const QString path = dir.filePath(name);
            if (QFileInfo(path).size() == 0) continue;
            QString error;
            try {
                std::optional<presetFile::PresetData> d = presetFile::readFile(path);
                if (!d) continue;
                QString list;
                bool removedOne = false;
                for (const QString& item : d->trailer.fixtureList.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
                    bool ok = false;
                    const int32_t f = item.trimmed().toInt(&ok);
                    if (ok && f == k && !removedOne) {
                        removedOne = true;
                        continue;
                    }
                    list += (ok ? QString::number(renumbered(f, k, count)) : item.trimmed()) + QLatin1Char(',');
                }
                d->trailer.fixtureList = list;
                std::vector<presetFile::presetRecord> kept;
                for (presetFile::presetRecord& r : d->records) {
                    r.fixtureNumber = renumbered(r.fixtureNumber, k, count);
                    if (r.fixtureNumber != 0) kept.push_back(std::move(r));
                }
                d->records = std::move(kept);
                if (safeFile::writeWhole(path, presetFile::encode(*d), &error)) continue;
            } catch (const std::exception& e) {
                error = QString::fromStdString(e.what());
            }
            shell().prompts().messageBox(error + QStringLiteral(" ") + path);
        }
    }
}
