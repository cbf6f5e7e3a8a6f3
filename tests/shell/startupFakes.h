#pragma once
// Recording fakes of the services the start-up and the shutdown call.

#include "shell/services/mainWindowService.h"
#include "shell/services/outputService.h"
#include "shell/services/playbackService.h"
#include "shell/services/showService.h"
#include "shell/services/supportService.h"

#include <QStringList>
#include <functional>
#include <vector>

struct RecordingShow : ShowService {
    bool startupLoads = true;
    bool saveWorks = true;
    int startupLoadCalls = 0, dialogLoads = 0, saves = 0;
    bool saveConfiguration(bool, bool, bool) override {
        ++saves;
        return saveWorks;
    }
    std::function<void()> onLoad;
    QStringList fileLoads;
    bool loadTheConfiguration(bool ask, const QString& file) override {
        if (onLoad) onLoad();
        if (ask) ++dialogLoads;
        else fileLoads << file;
        return false;
    }
    bool loadStartupShow() override {
        ++startupLoadCalls;
        return startupLoads;
    }
};

struct RecordingPlayback : PlaybackService {
    std::vector<int32_t> created;
    QString refreshText;
    bool saveWorks = true;
    int sequenceSaves = 0;
    void clkAddPlaybackControl(int32_t n, bool, bool, bool) override { created.push_back(n); }
    void applyStartupRefreshRate(const QString& text) override { refreshText = text; }
    bool saveTheSequence(int32_t, bool) override {
        ++sequenceSaves;
        return saveWorks;
    }
};

struct RecordingOutput : OutputService {
    int opened = 0;
    bool open = false;
    void openDmxInterfaces() override { ++opened; }
    bool dmxInterfaceOpen() override { return open; }
};

struct RecordingMainWindow : MainWindowService {
    QString mode;
    void applyUserMode(const QString& m) override { mode = m; }
};

struct RecordingSplash : SupportService {
    QStringList stages;
    int unloads = 0;
    void showLoadingText(const QString& text) override { stages.append(text); }
    void unloadSplash() override { ++unloads; }
};
