#include "effects/rgbChase.h"

#include "effects/effectWrites.h"
#include "effects/rgbChaseFile.h"
#include "platform/prompts.h"
#include "platform/safeFile.h"
#include "profiles/ClsFixture.h"
#include "shell/libParsePath.h"
#include "shell/services/playbackService.h"
#include "shell/shell.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <stdexcept>

using namespace effectWrites;

namespace {
ChannelModel& model() { return shell().state; }
int32_t current() { return model().currentPlayback; }

// The fixture's channel of a type name (absolute); 0 when its profile has none.
int32_t channelNamed(int32_t fixture, const char* name) { return firstChannelOfType(fixture, QLatin1String(name)); }

void write(int32_t fixture, const char* name, int32_t step, int32_t value) {
    if (const int32_t ch = channelNamed(fixture, name)) writeClaimed(ch, step, value);
}
} // namespace

QString RgbChase::profileFolder() { return shell().programPath(QStringLiteral("RGB")); }

QString RgbChase::thumbnailPath(const QString& profilePath) {
    return shell().programPath(QStringLiteral("images\\RGB\\") + libParsePath::ParsePath(profilePath, 4) +
                               QStringLiteral(".bmp"));
}

RgbChase::Tables RgbChase::colourTables(const std::vector<int32_t>& list, int32_t S) {
    const size_t n = list.size();
    const size_t size = std::max(n, size_t(2 * std::max(S, 0))) + 3;
    Tables t;
    for (auto* v : {&t.red, &t.green, &t.blue, &t.white, &t.white1, &t.amber}) v->assign(size + 1, 0);
    for (size_t j = 1; j <= size; ++j) {
        if (j > n) {
            if (n == 0) break; // an empty list leaves every colour at 0
            for (auto* v : {&t.red, &t.green, &t.blue, &t.white, &t.white1, &t.amber}) (*v)[j] = (*v)[j - n];
            continue;
        }
        const int32_t c = list[j - 1];
        const int32_t R = c & 0xFF, G = (c >> 8) & 0xFF, B = (c >> 16) & 0xFF;
        t.red[j] = R;
        t.green[j] = G;
        t.blue[j] = B;
        t.white[j] = t.white1[j] = std::min({R, G, B});
        t.amber[j] = R;
    }
    return t;
}

void RgbChase::createRgbChase(int32_t playback) {
    Shell& s = shell();
    ChannelModel& m = model();
    PlaybackService& pb = s.playback();
    const int32_t S = steps;
    try {
        if (S < 1) throw std::invalid_argument("the chase needs at least one step");
        const Tables t = colourTables(colours, S);
        bool plain = false, cells = false, subtractive = false;
        for (int32_t i = 1; i <= m.fixtureCount; ++i) {
            if (!isSelected(i)) continue;
            const int32_t cls = m.fixtureLightClass[size_t(i)];
            if (cls < 1) continue;
            const ClsFixture& p = m.lightClass(cls);
            if (!m.fixtureIsColourMixer[size_t(i)] && !p.hasWhiteOrAmber()) continue;
            if (p.rgbFixture()) {
                for (int32_t j = 1; j <= S; ++j) {
                    FillInData(i, j);
                    write(i, "red", j, t.red[size_t(j)]);
                    write(i, "blue", j, t.blue[size_t(j)]);
                    write(i, "green", j, t.green[size_t(j)]);
                    write(i, "white", j, t.white[size_t(j)]);
                    write(i, "white1", j, t.white1[size_t(j)]);
                    write(i, "amber", j, t.amber[size_t(j)]);
                    if (p.rgbMulti()) {
                        for (int cell = 1; cell <= 3; ++cell) {
                            const size_t at = size_t(j + cell);
                            const QByteArray n = QByteArray::number(cell);
                            write(i, ("red" + n).constData(), j, t.red[at]);
                            write(i, ("blue" + n).constData(), j, t.blue[at]);
                            write(i, ("green" + n).constData(), j, t.green[at]);
                        }
                        cells = true;
                    }
                }
                plain = true;
            } else if (p.cmyFixture()) {
                for (int32_t j = 1; j <= S; ++j) {
                    FillInData(i, j);
                    write(i, "cyan", j, 255 - t.red[size_t(j)]);
                    write(i, "magenta", j, 255 - t.green[size_t(j)]);
                    write(i, "yellow", j, 255 - t.blue[size_t(j)]);
                }
                subtractive = true;
            }
        }
        for (int32_t k = 1; k <= m.fixtureCount; ++k) fillInOtherActiveFixturesOnCurrentPlayback(k);
        pb.SendMefadeTimeFromMain(current(), true);
        if (plain)
            for (const char* c : {"red", "green", "blue", "white", "white1", "amber"}) rgbShiftShape(QLatin1String(c));
        if (cells)
            for (const char* c : {"red1", "green1", "blue1", "red2", "green2", "blue2", "red3", "green3", "blue3"})
                rgbShiftShape(QLatin1String(c));
        if (subtractive)
            for (const char* c : {"cyan", "magenta", "yellow"}) rgbShiftShape(QLatin1String(c));
        pb.setMaxStepsValue(current(), S);
        pb.setCurrentStep(current(), 0);
        pb.playLoadedSequence(playback, false, true, false);
    } catch (const std::exception& e) {
        s.prompts().messageBox(QStringLiteral(" Error in RGB CHase Create: ") + QString::fromUtf8(e.what()));
    }
}

void RgbChase::rgbShiftShape(const QString& channelName) {
    Shell& s = shell();
    ChannelModel& m = model();
    const int32_t S = steps;
    try {
        if (S < 1) throw std::invalid_argument("the chase needs at least one step");
        std::vector<int32_t> g(size_t(2 * S) + 1, 0);
        for (int32_t f = 1; f <= m.fixtureCount; ++f) {
            if (!isSelected(f)) continue;
            if (const int32_t ch = firstChannelOfType(f, channelName))
                for (int32_t j = 1; j <= S; ++j) g[size_t(j)] = g[size_t(j + S)] = stored(ch, j);
        }
        int32_t r = 1, c = 1;
        for (int32_t f = 1; f <= m.fixtureCount; ++f) {
            if (!isSelected(f)) continue;
            if (r > S) r = 1;
            ++c;
            if (const int32_t ch = firstChannelOfType(f, channelName))
                for (int32_t j = 1; j <= S; ++j) writeClaimed(ch, j, g[size_t(r + j <= S ? r + j + S : r + j - S)]);
            if (fixtureOffset < c) {
                if (r > 0) r = r < S ? r + phaseOffset : r + phaseOffset - S;
                else r = r >= -S ? r + phaseOffset + S : r + phaseOffset;
                c = 1;
            }
        }
    } catch (const std::exception& e) {
        s.prompts().messageBox(QStringLiteral("rgbShiftShape:") + QString::fromUtf8(e.what()));
    }
}

bool RgbChase::openRGBShortcut(const QString& path) {
    Shell& s = shell();
    QDir().mkpath(profileFolder());
    QByteArray bytes;
    QString why;
    rgbChaseFile::Profile p;
    if (!safeFile::readWhole(path, bytes, &why) || !rgbChaseFile::decode(bytes, p, &why)) {
        s.prompts().messageBox(QStringLiteral("openRGBShortcut:") + why);
        return false;
    }
    colours = p.colours;
    steps = p.steps;
    phaseOffset = p.phaseOffset;
    fixtureOffset = p.fixtureOffset;
    if (s.playback().getChaserFlag(current())) steps = s.playback().getMaxSteps(current());
    return true;
}

bool RgbChase::saveRGBShortcut(const QString& path, const QByteArray& thumbnailBmp) {
    Shell& s = shell();
    QString why;
    const rgbChaseFile::Profile p{colours, steps, phaseOffset, fixtureOffset};
    const QString thumbnail = thumbnailPath(path);
    // The whole file is replaced, so a shorter list leaves no old records behind.
    const bool ok = QDir().mkpath(profileFolder()) && safeFile::writeWhole(path, rgbChaseFile::encode(p), &why) &&
                    QDir().mkpath(QFileInfo(thumbnail).absolutePath()) &&
                    safeFile::writeWhole(thumbnail, thumbnailBmp, &why);
    if (!ok) s.prompts().messageBox(QStringLiteral("Error Saiving RGB Profile:") + why);
    return ok;
}

void RgbChase::executeRGBProfile(const QString& path) {
    if (!openRGBShortcut(path)) return;
    PlaybackService& pb = shell().playback();
    if (pb.getChaserFlag(current())) steps = pb.getMaxSteps(current());
    createRgbChase(current());
}
