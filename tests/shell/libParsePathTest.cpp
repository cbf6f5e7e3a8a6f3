#include "shell/libParsePath.h"

#include <gtest/gtest.h>

using libParsePath::ParsePath;

namespace {
struct PathCase {
    const char* path;
    int part;
    const char* expected;
};
} // namespace

TEST(ParsePath, Parts) {
    const PathCase cases[] = {
        // A full stored path, every part.
        {"C:\\Program\\Sequences\\Club\\Intro.YSQ", 1, "C:"},
        {"C:\\Program\\Sequences\\Club\\Intro.YSQ", 2, "\\Program\\Sequences\\Club\\"},
        {"C:\\Program\\Sequences\\Club\\Intro.YSQ", -2, "\\Program\\Sequences\\Club"},
        {"C:\\Program\\Sequences\\Club\\Intro.YSQ", 3, "C:\\Program\\Sequences\\Club\\"},
        {"C:\\Program\\Sequences\\Club\\Intro.YSQ", -3, "C:\\Program\\Sequences\\Club"},
        {"C:\\Program\\Sequences\\Club\\Intro.YSQ", 4, "Intro"},
        {"C:\\Program\\Sequences\\Club\\Intro.YSQ", 5, ".YSQ"},
        {"C:\\Program\\Sequences\\Club\\Intro.YSQ", -5, "YSQ"},
        {"C:\\Program\\Sequences\\Club\\Intro.YSQ", 6, "Intro.YSQ"},
        {"C:\\Program\\Sequences\\Club\\Intro.YSQ", 7, "C:\\Program\\Sequences\\Club\\Intro"},
        // Part numbers without a meaning.
        {"C:\\Program\\Intro.YSQ", 0, ""},
        {"C:\\Program\\Intro.YSQ", -1, ""},
        {"C:\\Program\\Intro.YSQ", -4, ""},
        {"C:\\Program\\Intro.YSQ", -6, ""},
        {"C:\\Program\\Intro.YSQ", -7, ""},
        {"C:\\Program\\Intro.YSQ", 8, ""},
        // Names: no extension, several dots, a leading dot.
        {"C:\\A\\readme", 4, "readme"},
        {"C:\\A\\readme", 6, "readme"},
        {"C:\\A\\readme", 5, ""},
        {"C:\\A\\a.b.c", 4, "a.b"},
        {"C:\\A\\a.b.c", 5, ".c"},
        {"C:\\A\\.cfg", 4, ".cfg"},
        {"C:\\A\\.cfg", 5, ""},
        // A trailing separator: a folder and no name.
        {"C:\\A\\B\\", 2, "\\A\\B\\"},
        {"C:\\A\\B\\", -2, "\\A\\B"},
        {"C:\\A\\B\\", 4, ""},
        {"C:\\A\\B\\", 5, ""},
        {"C:\\A\\B\\", 6, ""},
        {"C:\\A\\B\\", 7, "C:\\A\\B\\"},
        {"C:\\", 2, "\\"},
        {"C:\\", -2, "\\"},
        // A file at the root: the folder without its separator is empty.
        {"C:\\x.txt", -2, ""},
        {"C:\\x.txt", -3, "C:"},
        // No folder, no drive.
        {"name.txt", 1, ""},
        {"name.txt", 2, ""},
        {"name.txt", 3, ""},
        {"name.txt", 4, "name"},
        {"name.txt", 6, "name.txt"},
        {"name.txt", 7, "name"},
        {"C:name.txt", 1, "C:"},
        {"C:name.txt", 6, "name.txt"},
        // Text before the first separator of a relative path is in no part.
        {"Data\\x.txt", 2, "\\"},
        {"Data\\x.txt", 7, "\\x"},
        {"\\\\server\\share\\f.txt", 1, ""},
        {"\\\\server\\share\\f.txt", 2, "\\\\server\\share\\"},
        {"", 1, ""},
        {"", 2, ""},
        {"", 4, ""},
        {"", 7, ""},
        // Paths of this machine.
        {"/home/op/VarnelDMX/Sequences/Intro.YSQ", 4, "Intro"},
        {"/home/op/VarnelDMX/Sequences/Intro.YSQ", 3, "/home/op/VarnelDMX/Sequences/"},
        {"/home/op/VarnelDMX/Sequences/Intro.YSQ", 7, "/home/op/VarnelDMX/Sequences/Intro"},
        {"/", 2, "/"},
        // A colon after the first separator belongs to a name, not a drive.
        {"/shows/cue:1/Intro.YSQ", 1, ""},
        {"/shows/cue:1/Intro.YSQ", 3, "/shows/cue:1/"},
        {"/shows/U:1 CH:5.YSQ", 4, "U:1 CH:5"},
        // A colon and no separator: the text up to the colon is the drive,
        // the file name follows it.
        {"abc:x.txt", 1, "abc:"},
        {"abc:x.txt", 6, "x.txt"},
        {"abc:x.txt", 4, "x"},
        {"abc:x.txt", 7, "abc:x"},
    };
    for (const PathCase& c : cases)
        EXPECT_EQ(ParsePath(QString::fromLatin1(c.path), c.part), QString::fromLatin1(c.expected))
            << c.path << " part " << c.part;
}
