#pragma once
// A rig for the patch tests: a shell with two universes, a profile as the
// profile editor holds it, and services that record what the patch asks of
// the show and the button pages.

#include "patch/patchCommit.h"
#include "profiles/ClsFixture.h"
#include "shell/channelModel.h"
#include "shell/services/showService.h"
#include "shell/services/shortcutsService.h"
#include "shell/shell.h"
#include "support/fakePlatform.h"

#include <memory>
#include <vector>

struct RecordingShow final : ShowService {
    int saves = 0;
    bool saveConfiguration(bool, bool, bool) override {
        ++saves;
        return true;
    }
};

struct SequenceMove {
    int32_t oldStart, newStart, oldEnd, newEnd, universe;
};
struct RecordingShortcuts final : ShortcutsService {
    std::vector<SequenceMove> moves;
    void moveSequenceData(int32_t oldStart, int32_t newStart, int32_t oldEnd, int32_t newEnd,
                          int32_t universe) override {
        moves.push_back({oldStart, newStart, oldEnd, newEnd, universe});
    }
};

class PatchRig {
public:
    explicit PatchRig(int32_t channels = 1024) {
        channelModel::redimForMoreUniverses(channels);
        show = &t.get().provide<ShowService>(std::make_unique<RecordingShow>());
        shortcuts = &t.get().provide<ShortcutsService>(std::make_unique<RecordingShortcuts>());
    }

    // The editor's grid for these channel types.
    patchCommit::EditorInput editor(const QString& name, const QStringList& types) {
        patchCommit::EditorInput e;
        e.profileName = name;
        e.channelsText = QString::number(types.size());
        for (int c = 1; c <= types.size(); ++c)
            e.rows.emplace_back(QStringLiteral("Channel ") + QString::number(c) + QLatin1Char(':'), types[c - 1]);
        e.edited = &edited;
        return e;
    }

    patchCommit::Request request(const QString& name, const QStringList& types, int32_t start, int32_t count,
                                 int32_t universeIndex = 0) {
        patchCommit::Request r;
        r.editor = editor(name, types);
        r.startText = QString::number(start);
        r.countText = QString::number(count);
        r.universeIndex = universeIndex;
        return r;
    }

    // Commits; an unqueued question is answered OK, which is no Yes.
    patchCommit::Outcome patch(const QString& name, const QStringList& types, int32_t start, int32_t count,
                               int32_t universeIndex = 0) {
        return patchCommit::commit(request(name, types, start, count, universeIndex));
    }

    ChannelModel& m() { return t.get().state; }

    TestShell t;
    ClsFixture edited;
    RecordingShow* show = nullptr;
    RecordingShortcuts* shortcuts = nullptr;
};

inline const QStringList parTypes = {QStringLiteral("dimmer"), QStringLiteral("red"), QStringLiteral("green"),
                                     QStringLiteral("blue")};
inline const QStringList spotTypes = {QStringLiteral("pan"), QStringLiteral("tilt"), QStringLiteral("dimmer"),
                                      QStringLiteral("shutter")};
