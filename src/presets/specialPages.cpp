#include "presets/specialPages.h"

#include "shell/shapeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace palettePage {

namespace {
// Same geometry as the preset pages (palettePage.h): the create-new label
// and the buttons' width.
constexpr int32_t firstLeft = 203, firstTop = 1065, width = 750, gap = 150, rowStep = 1050, rowStartLeft = 200;
} // namespace

void flowLayout(std::vector<PageButton>& buttons, int32_t windowWidth) {
    int32_t prevLeft = firstLeft, prevTop = firstTop;
    for (PageButton& b : buttons) {
        b.left = prevLeft + width + gap;
        b.top = prevTop;
        if (windowWidth - rowStep < b.left) {
            b.top = prevTop + rowStep;
            b.left = rowStartLeft;
        }
        prevLeft = b.left;
        prevTop = b.top;
    }
}

std::vector<PageButton> groupButtons(const QStringList& groupNames, int32_t windowWidth) {
    std::vector<PageButton> out;
    for (int32_t g = 1; g <= 256 && g <= groupNames.size(); ++g) {
        const QString& name = groupNames[g - 1];
        if (name.size() < 2) continue;
        PageButton b;
        b.number = g;
        b.caption = name;
        b.toolTip = name;
        out.push_back(b);
    }
    flowLayout(out, windowWidth);
    return out;
}

int32_t groupFrameColour(int32_t group, int32_t tickedGroup, bool shiftHeld, int32_t present) {
    int32_t colour = shiftHeld ? present : groupFrame;
    if (group == tickedGroup) colour = selectedGroupFrame;
    return colour;
}

std::vector<PageButton> fileButtons(const QString& folder, const QString& extension, const QString& relativeFolder,
                                    int32_t windowWidth) {
    std::vector<PageButton> out;
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists()) return out;
    const QStringList names =
        dir.entryList({QStringLiteral("*.") + extension}, QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names) {
        // The name filter ignores case on some file systems only.
        if (QFileInfo(name).suffix().compare(extension, Qt::CaseInsensitive) != 0) continue;
        PageButton b;
        b.number = int32_t(out.size()) + 1;
        b.tag = QFileInfo(name).completeBaseName().trimmed();
        b.toolTip = relativeFolder + b.tag;
        b.caption = b.toolTip + QStringLiteral(".bmp");
        out.push_back(b);
    }
    flowLayout(out, windowWidth);
    return out;
}

std::vector<PageButton> liveButtons(const std::vector<clsLivePlayback>& live, int32_t windowWidth) {
    std::vector<PageButton> out;
    for (const clsLivePlayback& p : live) {
        PageButton b;
        b.number = p.myPlaybackNumber;
        b.tag = QString::number(p.myPlaybackNumber);
        b.caption = p.myPlaybackName;
        out.push_back(b);
    }
    flowLayout(out, windowWidth);
    return out;
}

std::optional<int32_t> shapeStepShift(const QString& shapePath, QString* error) {
    QFile f(shapePath);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error) *error = f.errorString();
        return std::nullopt;
    }
    shapeFile::Shape shape;
    if (!shapeFile::decode(f.readAll(), shape, error)) return std::nullopt;
    return shape.shiftSteps;
}

} // namespace palettePage
