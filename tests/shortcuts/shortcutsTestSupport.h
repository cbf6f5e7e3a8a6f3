#pragma once
// A show with button pages on disk, and a playback service that records what
// the pages ask of it.

#include "shell/services/playbackService.h"
#include "shell/services/showService.h"
#include "support/fakePlatform.h"

#include <QDir>
#include <QString>
#include <map>
#include <vector>

struct LoadCall {
    int32_t playback;
    QString path;
};

class FakePlayback final : public PlaybackService {
public:
    int32_t loadSequenceInDoc(int32_t& doc, const QString& sequenceName, bool, bool, int32_t) override {
        loads.push_back({doc, sequenceName});
        loaded[doc] = sequenceName;
        return doc;
    }
    void clkAddPlaybackControl(int32_t forceNumber, bool, bool, bool) override { added.push_back(forceNumber); }
    void fadeOutSequence(int32_t n) override {
        fadedOut.push_back(n);
        loaded.erase(n);
    }
    void clearSequenceInChaser(int32_t n) override {
        cleared.push_back(n);
        loaded.erase(n);
    }
    void refreshPlaybackChannels(int32_t n) override { refreshed.push_back(n); }
    void refreshShortcuts(int32_t n, bool) override { shortcutPanels.push_back(n); }
    bool returnIfFilenameIsLoaded(const QString& theFilename, int32_t& theChaser) const override {
        const QString path = shell().programPath(QStringLiteral("Sequences\\") + theFilename);
        for (const auto& [n, p] : loaded)
            if (p == path) {
                theChaser = n;
                return true;
            }
        return false;
    }
    bool returnIfFilenameIsRunning(const QString& theFilename, int32_t& theChaser) const override {
        return returnIfFilenameIsLoaded(theFilename, theChaser);
    }
    bool returnGoMode(int32_t n) const override { return loaded.count(n) > 0; }
    bool playbackWindowActive() const override { return windowActive; }
    QString getCurrentSequence(int32_t n, int32_t& home) const override {
        home = n;
        const auto it = loaded.find(n);
        return it == loaded.end() ? QString() : it->second;
    }
    bool saveSequence(int32_t n, int32_t home, const QString& start, int32_t option, const QString& name) override {
        saved << QStringLiteral("%1|%2|%3|%4|%5").arg(n).arg(home).arg(start).arg(option).arg(name);
        return true;
    }
    // The fade from the live output: its switch, its times, the fade-scenes choice.
    bool getFadeInStatus(int32_t n) const override { return fadeIn.count(n) && fadeIn.at(n); }
    void setFadeInStatus(int32_t n, bool on) override { fadeIn[n] = on; }
    void getfadeInStatusfadeTimes(float& up, float& down, int32_t n) const override {
        const auto it = fadeTimes.find(n);
        up = it == fadeTimes.end() ? 0 : it->second.first;
        down = it == fadeTimes.end() ? 0 : it->second.second;
    }
    void setfadeInStatusfadeTimes(float up, float down, int32_t n) override {
        fadeTimes[n] = {up, down};
        timesSent << QStringLiteral("%1:%2/%3").arg(n).arg(double(up)).arg(double(down));
    }
    bool getUseMotionfade(int32_t n) const override { return motionFade.count(n) && motionFade.at(n); }
    void setUseMotionfade(int32_t n, bool on) override { motionFade[n] = on; }
    void saveUseFadetime(int32_t n) override { fadeSettingsSaved.push_back(n); }

    std::vector<LoadCall> loads;
    std::vector<int32_t> added, fadedOut, cleared, refreshed, shortcutPanels;
    std::map<int32_t, QString> loaded;
    bool windowActive = false;
    QStringList saved; // "playback|home|start|option|name"
    std::map<int32_t, bool> fadeIn, motionFade;
    std::map<int32_t, std::pair<float, float>> fadeTimes;
    QStringList timesSent; // "playback:up/down"
    std::vector<int32_t> fadeSettingsSaved;
};

class FakeShow final : public ShowService {
public:
    bool saveConfiguration(bool, bool, bool) override {
        ++saves;
        return true;
    }
    int saves = 0;
};

// A test shell holding the show "Club" (its show file exists) with fakes of
// the playback and show services.
class PagesShell : public TestShell {
public:
    PagesShell();
    // Real path of the show folder / a page folder (made).
    QString showFolder() const;
    QString page(const QString& name) const;
    // Writes a file in a page folder (made), returning its real path.
    QString put(const QString& pageName, const QString& fileName, const QByteArray& bytes = QByteArray("x"));
    // A sequence file's bytes: U universes, S steps, every level byte set
    // from its record and channel, the home playback text in record 1.
    static QByteArray sequenceBytes(int32_t universes, int32_t steps, const QString& playbackText = QStringLiteral(" 2"));

    FakePlayback* playback = nullptr;
    FakeShow* show = nullptr;
};
