#include "album/ControlStates.h"
#include "album/NameInput.h"
#include "album/RecordTable.h"
#include "album/Windows1252.h"

#include "album/AlbumBytes.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(PhotoRecord, ValuesThatDoNotFitAreRefusedLeavingTheRecordAsItWas)
{
    const QString longestPath = '/' + QString(254, 'a');
    const struct { bool (*set)(PhotoRecord &, const QString &); QString value; bool fits; } rows[] = {
        {SetRecordName, QString(19, u'é'), true}, // a byte each, not UTF-8's two
        {SetRecordName, QString(20, 'x'), false}, {SetRecordName, QString(20, u'é'), false},
        {SetRecordName, QStringLiteral("中"), false}, {SetRecordName, QStringLiteral("a😀"), false},
        {SetRecordName, QStringLiteral("a\0b"), false}, {SetRecordPath, longestPath, true},
        {SetRecordPath, longestPath + 'a', false}, {SetRecordPath, QStringLiteral("/a\0b"), false},
        {SetRecordPath, longestPath.left(254) + u'é', false}, // two bytes in the file system's UTF-8
    };
    for (const auto &[set, value, fits] : rows) {
        PhotoRecord record = MakeRecord("old", "/old", Gray4);
        const PhotoRecord before = record;
        EXPECT_EQ(set(record, value), fits) << value.toStdString();
        EXPECT_EQ(std::memcmp(&record, &before, sizeof record) == 0, !fits) << value.toStdString();
        EXPECT_TRUE(!fits || value == (set == SetRecordName ? RecordName(record) : RecordPathString(record)))
            << value.toStdString();
    }
}

TEST(Windows1252, EveryByteRoundTripsAndTypedInputTakesPrintableCodePageCharactersOnly)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    bool ok = false;
    EXPECT_EQ(ToWindows1252(FromWindows1252(all.constData(), all.size()), &ok), all);
    EXPECT_TRUE(ok);
    EXPECT_EQ(FromWindows1252("\x81\x8D\x8F\x90\x9D\x9F", 6), QString::fromUtf16(u"\u0081\u008D\u008F\u0090\u009DŸ"));
    for (const QString &refused : {QStringLiteral("abc中"), QStringLiteral("😀"), QString(QChar(0x80))})
        EXPECT_TRUE(ToWindows1252(refused, &ok).isEmpty() && !ok) << refused.toStdString() << " has no byte";
    const std::pair<char16_t, bool> typed[] = {
        {u' ', true}, {u'~', true}, {0x00A0, true}, {u'€', true}, {u'Œ', true}, {u'ÿ', true},
        {0x0000, false}, {u'\t', false}, {0x001F, false}, {0x007F, false}, {0x0080, false},
        {0x0081, false}, {0x009F, false}, {u'中', false}, {QStringLiteral("😀").at(0).unicode(), false}};
    for (const auto &[c, canHold] : typed)
        EXPECT_EQ(Windows1252CanHold(QChar(c)), canHold) << int(c);
}

// The window keeps within the table; the table refuses rather than overrun.
TEST(RecordTable, RefusesWhatDoesNotFitAndSlotsNotInUseLeavingItselfAsItWas)
{
    RecordTable table;
    table.load(NumberedRecords(2));
    EXPECT_EQ(table.append(QString(20, 'x'), "/p", Gray4), -1) << "name too long";
    EXPECT_EQ(table.append("ok", '/' + QString(255, 'p'), Gray4), -1) << "path too long";
    EXPECT_FALSE(table.rename(-1, "a") || table.rename(2, "a") || table.rename(0, QString(20, 'x')));
    EXPECT_EQ(table.append("third", "/third", Gray16), 2);
    EXPECT_EQ(RecordName(table.at(0)) + RecordName(table.at(1)) + RecordName(table.at(2)), "n0n1third");
    EXPECT_EQ(table.at(2).grayLevel, Gray16);
    table.load(NumberedRecords(150));
    EXPECT_EQ(table.append("late", "/late", Gray4), -1) << "full";
    table.reset();
    EXPECT_EQ(table.append("again", "/again", Gray4), 0);
}

// The buttons on (R remove and rename, U up, D down), the Add button (+ on, - off, . left as
// it was), then the menu's flags (a add, r remove and rename) and u when the menu is updated.
TEST(ControlStates, FollowTheListTheSelectionAndTheTable)
{
    const struct { const char *why; int items, selection, records; std::string shown; } rows[] = {
        {"empty album", 0, -1, 0, ". | au"},          {"first of three", 3, 0, 3, "RD. | aru"},
        {"middle of three", 3, 1, 3, "RUD. | aru"},   {"last of three", 3, 2, 3, "RU. | aru"},
        {"only one", 1, 0, 1, "R. | aru"},            {"no selection leaves add and menu", 3, -1, 100, "R. | r"},
        {"99 records", 3, 0, 99, "RD. | aru"},        {"100 records", 3, 0, 100, "RD- | ru"},
        {"100 records, all removed", 0, -1, 100, "- | u"},
    };
    for (const auto &r : rows) {
        const ControlStates s = ComputeControlStates(r.items, r.selection, r.records, {false, true, true});
        const std::string shown = std::string(s.removeRenameButtons ? "R" : "") + (s.moveUpButton ? "U" : "")
            + (s.moveDownButton ? "D" : "") + (s.addButton ? (*s.addButton ? "+" : "-") : ".") + " | "
            + (s.flags.canAdd ? "a" : "") + (s.flags.canRemove ? (s.flags.canRename ? "r" : "R?") : s.flags.canRename ? "N?" : "")
            + (s.updateMenu ? "u" : "");
        EXPECT_EQ(shown, r.shown) << r.why;
    }
}

TEST(NameInput, KeepsFifteenCharactersOfTheHandheldCharacterSet)
{
    const QString twenty(20, 'x');
    const struct { const char *why; QString before, after, kept; int cursor; } rows[] = {
        {"typing within the limit", "New Picture", "New Picture!", "New Picture!", 12}, {"a sixteenth character", "abcdefghijklmno", "abcdefghijklmnop", "abcdefghijklmno", 15},
        {"a paste cut to the room left where it went in", "Photo", "Pho1234567890123to", "Pho1234567890to", 13},
        {"replacing a selection frees its room first", "abcdefghijklmno", "abXYZfghijklmno", "abXYZfghijklmno", 5},
        {"a longer starting text cannot grow", twenty, twenty + "y", twenty, 20}, {"but can shrink", twenty, QString(19, 'x'), QString(19, 'x'), 19},
        {"Windows-1252 letters and the euro", "Caf", "Café €5", "Café €5", 7},
        {"no Chinese", "Tea", "Tea 中文", "Tea ", 4}, {"no emoji", "A", "A😀B", "AB", 2}, {"no control characters", "A", "A\tB", "AB", 2},
    };
    for (const auto &r : rows) {
        const NameEdit edit = ApplyNameEdit(r.before, r.after, 15);
        EXPECT_EQ(edit.text + "|" + QString::number(edit.cursor), r.kept + "|" + QString::number(r.cursor)) << r.why;
    }
}
