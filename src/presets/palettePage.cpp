#include "presets/palettePage.h"

#include "presets/presetEventFile.h"
#include "presets/presetFile.h"
#include "shell/libParsePath.h"
#include "shell/miscGlobalFunctions.h"
#include "shell/numberText.h"
#include "shell/shell.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>
#include <stdexcept>

namespace palettePage {

namespace {

constexpr std::array<Tab, 16> tabTable = {{
    {"cmdColor", "Color", "Color", "Color"},
    {"cmdGobo", "Gobo", "Gobo", "Gobo"},
    {"cmdShutter", "Shutter", "Shutter", "Shutter"},
    {"cmdBeam", "Beam...", "Beam", "Beam"},
    {"cmdFunction", "Function", "Function", "Function"},
    {"cmdRotation", "Rotation", "Rotation", "Rotation"},
    {"cmdSpeed", "Speed", "Speed", "Speed"},
    {"cmdPosition", "Position", "Position", "Position"},
    {"cmdGroups", "Groups", "Groups", ""},
    {"cmdMovements", "M FX", "m-fx", ""},
    {"cmdRGB", "RGB FX", "rgb-fx", ""},
    {"cmdUser", "Faders", "Faders", ""},
    {"cmdMisc1", "Joystick", "Joystick Shape", ""},
    {"cmdMisc2", "Matrix", "Matrix", ""},
    {"cmdMisc3", "Misc 3", "Misc3", "Misc3"},
    {"cmdMisc4", "LIVE!", "Live", ""},
}};

constexpr int32_t rowStep = 1050, gap = 150, rowStartLeft = 200;

int32_t roundHalfEven(double v) { return int32_t(std::nearbyint(v)); }

QString showBase() { return libParsePath::ParsePath(shell().state.showFileName, 4); }

// The trailer's representation as a file name: a picture is looked for in
// the images folder only, so folders and ".." are never followed.
QString safeCaption(const QString& description) {
    const QString name = libParsePath::ParsePath(description.trimmed(), 6);
    return name == QLatin1String(".") || name == QLatin1String("..") ? QString() : name;
}

} // namespace

const std::array<Tab, 16>& tabs() { return tabTable; }

int tabIndex(const QString& control) {
    for (size_t i = 0; i < tabTable.size(); ++i)
        if (control == QLatin1String(tabTable[i].control)) return int(i);
    return -1;
}

bool isPresetTab(int index) { return (index >= 0 && index <= 7) || index == 13 || index == 14; }

QString presetsIniPath() {
    const QString show = showBase();
    if (show.isEmpty()) return QString();
    return shell().programPath(QStringLiteral("Palettes\\") + show + QStringLiteral("\\presets.ini"));
}

QString userTabCaption() {
    const QString file = presetsIniPath();
    if (file.isEmpty()) return QStringLiteral("Misc 3");
    return miscGlobalFunctions::readIniValue(file, QStringLiteral("Presets"), QStringLiteral("cmdMisc3"),
                                             QStringLiteral("Misc 3"));
}

bool renameTab(const QString& control, const QString& caption) {
    const QString file = presetsIniPath();
    if (caption.isEmpty() || file.isEmpty()) return false;
    miscGlobalFunctions::writeIniValue(file, QStringLiteral("Presets"), control, caption);
    return true;
}

bool presetApplies(const QString& presetName, const QString& fixtureList, const Selection& selection) {
    const int32_t count = selection.fixtureCount;
    std::vector<uint8_t> inPreset(size_t(std::max(count, 0)) + 1, 0);
    const QStringList fields = fixtureList.split(QLatin1Char(','));
    const int32_t bound = roundHalfEven(double(fixtureList.size()) / 2.0);
    for (int32_t k = 0; k < bound && k < fields.size(); ++k) {
        const double v = numberText::leadingValue(fields[k]);
        if (!(v > 0) || v > count) break;
        const int32_t f = roundHalfEven(v);
        if (f > 0 && f <= count) inPreset[size_t(f)] = 1;
    }
    // A colour number other than black applies to every colour mixer.
    const QString name = presetName.trimmed();
    bool colourForMixers = false;
    if (numberText::isNumber(name)) {
        const double v = numberText::leadingValue(name);
        if (std::fabs(v) < 2147483648.0 && QString::number(int64_t(v)) == name) {
            const QString rgb = presetColours::colortorgb(int32_t(int64_t(v)));
            colourForMixers = QString(rgb).remove(QLatin1Char(',')).toLongLong() > 0;
        }
    }
    bool applies = false, conflicts = false;
    for (int32_t k = count; k >= 1; --k) {
        const bool selected = selection.isSelected(k);
        if (inPreset[size_t(k)] && selected)
            applies = true;
        else if (selected && !inPreset[size_t(k)])
            conflicts = true;
        if (selected && colourForMixers && selection.isColourMixer(k)) {
            applies = true;
            conflicts = false;
        }
    }
    return applies && !conflicts;
}

BuildResult buildPresetPage(const QString& folder, const Selection& selection, bool colorPage, int32_t windowWidth) {
    BuildResult result;
    const QDir dir(folder);
    const QStringList files =
        dir.entryList({QStringLiteral("*.USF")}, QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    int32_t prevLeft = templateLeft, prevTop = templateTop;
    bool prevIsTemplate = true;
    for (const QString& name : files) {
        const QString path = dir.filePath(name);
        if (QFileInfo(path).size() == 0) {
            QFile::remove(path);
            result.removed << path;
            continue;
        }
        std::optional<presetFile::PresetData> d;
        try {
            d = presetFile::readFile(path);
        } catch (const std::exception& e) {
            result.skipped << path + QStringLiteral(": ") + QString::fromStdString(e.what());
            continue;
        }
        if (!d) continue;
        PresetButton b;
        b.file = path;
        b.presetName = d->trailer.presetName;
        b.caption = safeCaption(d->trailer.visualDescription);
        b.firstChannelName = d->records.empty() ? QString() : d->records.front().channelName;
        b.applies = presetApplies(b.presetName, d->trailer.fixtureList, selection);
        if (b.applies) {
            b.left = prevLeft + buttonSize + gap;
            b.top = prevTop;
            if (colorPage && prevIsTemplate) {
                b.top = templateTop + rowStep;
                b.left = rowStartLeft;
            }
            if (windowWidth - rowStep < b.left) {
                b.top = prevTop + rowStep;
                b.left = rowStartLeft;
            }
            prevLeft = b.left;
            prevTop = b.top;
            prevIsTemplate = false;
            if (const auto place = loadPresetPositions(folder, b.presetName)) {
                if (place->first > 0) b.top = place->first;
                if (place->second > 0) b.left = place->second;
                b.storedPlace = true;
            }
        }
        result.buttons.push_back(std::move(b));
    }
    return result;
}

QString pageSettingsPath(const QString& folder) { return folder + QStringLiteral("/presetPageSetting.ini"); }

std::optional<std::pair<int32_t, int32_t>> loadPresetPositions(const QString& folder, const QString& presetName) {
    const QString file = pageSettingsPath(folder);
    const double y = numberText::leadingValue(
        miscGlobalFunctions::readIniValue(file, presetName, QStringLiteral("y"), QStringLiteral("0")));
    const double x = numberText::leadingValue(
        miscGlobalFunctions::readIniValue(file, presetName, QStringLiteral("x"), QStringLiteral("0")));
    if (x == 0 || y == 0 || !std::isfinite(x) || !std::isfinite(y) || std::fabs(x) > 1e7 || std::fabs(y) > 1e7)
        return std::nullopt;
    return std::make_pair(int32_t(x), int32_t(y));
}

void savePresetPosition(const QString& folder, const QString& presetName, int32_t top, int32_t left) {
    const QString file = pageSettingsPath(folder);
    miscGlobalFunctions::writeIniValue(file, presetName, QStringLiteral("x"), QString::number(top));
    miscGlobalFunctions::writeIniValue(file, presetName, QStringLiteral("y"), QString::number(left));
}

bool resetPresetPositions(const QString& folder) { return QFile::remove(pageSettingsPath(folder)); }

int32_t snapToGrid(double v, double gridInches) {
    const int32_t g = roundHalfEven(gridInches * 1440.0);
    if (g <= 0) return roundHalfEven(v);
    const int64_t r = int64_t(std::nearbyint(v)) % g;
    const int64_t whole = int64_t(std::floor(v / g));
    return int32_t(double(g) / 2.0 > double(r) ? whole * g : (whole + 1) * g);
}

ButtonLook lookOf(const QString& caption) {
    ButtonLook out;
    if (caption.isEmpty()) return out;
    const QChar probe = caption.size() >= 4 ? caption[caption.size() - 4] : caption[0];
    if (probe.isDigit() && probe.unicode() < 128) {
        if (!numberText::isNumber(caption)) return out;
        const double v = numberText::leadingValue(caption);
        if (std::fabs(v) >= 2147483648.0) return out;
        out.look = Look::colour;
        out.colour = int32_t(std::nearbyint(v));
        return out;
    }
    const QString ending = caption.right(4).trimmed().toLower();
    if (ending == QLatin1String(".bmp") || ending == QLatin1String(".ico")) {
        out.look = ending == QLatin1String(".bmp") ? Look::bitmap : Look::icon;
        const QString picture = shell().programPath(QStringLiteral("images\\") + caption);
        if (QFileInfo(picture).isFile()) out.picture = picture;
        return out;
    }
    out.look = Look::text;
    return out;
}

int32_t adjustPercentage(int32_t value, int32_t min, int32_t max) {
    if (max == min) return 0;
    return roundHalfEven(double(value - min) / double(max - min) * 100.0);
}

std::vector<size_t> activePresets(const std::vector<QString>& names, const EventCollection& events, int32_t step) {
    std::vector<size_t> out;
    for (size_t i = 0; i < names.size(); ++i)
        for (const clsEvent& e : events)
            if (e.eventStepNumber == step && e.eventName == names[i]) {
                out.push_back(i);
                break;
            }
    return out;
}

} // namespace palettePage
