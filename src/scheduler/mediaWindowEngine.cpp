#include "scheduler/mediaWindowEngine.h"

#include "platform/mediaPlayer.h"
#include "platform/prompts.h"
#include "shell/libParsePath.h"
#include "shell/services/schedulerService.h"
#include "shell/shell.h"

#include <QFileInfo>

MediaWindowEngine::MediaWindowEngine() {
    if (MediaPlayerFactory* f = shell().media())
        for (int i = 0; i < 2; ++i) {
            players[size_t(i)] = f->create();
            players[size_t(i)]->setPlayCount(999);
            players[size_t(i)]->onOpenStateChange = [this, i](int s) { openStateChange(i, s); };
            players[size_t(i)]->onPlayStateChange = [this, i](int s) { playStateChange(i, s); };
        }
}

MediaWindowEngine::~MediaWindowEngine() {
    for (auto& p : players)
        if (p) {
            p->onOpenStateChange = nullptr;
            p->onPlayStateChange = nullptr;
        }
}

void MediaWindowEngine::changed() {
    if (view) view->mediaWindowChanged();
}

MediaPlayer* MediaWindowEngine::player(int n) { return n == 1 || n == 2 ? players[size_t(n - 1)].get() : nullptr; }

// Without its window the engine asks the scheduler to open it (once).
void MediaWindowEngine::show() {
    loaded = visible = true;
    if (!view && !opening) {
        opening = true;
        shell().scheduler().showMediaPlayer();
        opening = false;
    }
    changed();
}

void MediaWindowEngine::unload() {
    for (auto& p : players)
        if (p) {
            p->stop();
            p->setUrl(QString());
        }
    playerShown = {};
    loaded = visible = false;
    changed();
}

void MediaWindowEngine::setFileName(const QString& fileName, const QString& theSequence) {
    if (!players[0]) {
        shell().prompts().messageBox(QStringLiteral("SetFileName MEdiaPlayer: ") + QStringLiteral("there is no media player"));
        return;
    }
    loaded = true;
    // The hidden player that no other sequence holds takes the file.
    for (int i = 0; i < 2; ++i) {
        const int other = 1 - i;
        if (playerShown[size_t(i)] || theSequence == playerSequence[size_t(other)]) continue;
        playerSequence[size_t(i)] = theSequence;
        MediaPlayer& p = *players[size_t(i)];
        if (QFileInfo::exists(fileName) && p.url() != fileName) {
            p.setUrl(fileName);
            if (p.playState() != MediaPlayer::playing) p.play();
        }
        if (i == 0) break; // the first player took it
    }
    changed();
}

void MediaWindowEngine::checkIfINeedToStopVideo(const QString& sequenceName) {
    for (int i = 0; i < 2; ++i) {
        if (!players[size_t(i)] || sequenceName != libParsePath::ParsePath(playerSequence[size_t(i)], 4)) continue;
        players[size_t(i)]->stop();
        playerShown[size_t(i)] = false;
        players[size_t(i)]->setUrl(QString());
    }
    changed();
}

void MediaWindowEngine::clkCloseWindow_Click() { unload(); }

// Player n's media is open while it plays: it takes the screen from the other.
void MediaWindowEngine::openStateChange(int n, int state) {
    MediaPlayer& p = *players[size_t(n)];
    if (state != MediaPlayer::mediaOpen || p.playState() != MediaPlayer::playing) return;
    const int m = 1 - n;
    playerShown[size_t(n)] = true;
    playerShown[size_t(m)] = false;
    players[size_t(m)]->stop();
    players[size_t(m)]->setUrl(QString());
    playerSequence[size_t(m)].clear();
    changed();
}

void MediaWindowEngine::playStateChange(int n, int state) {
    MediaPlayer& p = *players[size_t(n)];
    const QString kind = p.url().right(3).toLower();
    const bool video = kind == QStringLiteral("avi") || kind == QStringLiteral("mpg") || kind == QStringLiteral("mp4");
    if (!video) {
        if (p.playState() == MediaPlayer::playing) {
            caption = libParsePath::ParsePath(p.url(), 6);
            minimised = true;
            showingVideo = false;
        }
    } else {
        showingVideo = true;
        caption.clear();
        minimised = false;
    }
    if (state == MediaPlayer::playing && !visible) return show();
    changed();
}
