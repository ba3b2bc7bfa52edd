#include "album/ControlStates.h"
#include "album/RecordTable.h"

#include "album/AlbumBytes.h"

#include <gtest/gtest.h>

TEST(RecordTable, AppendTakesTheNextSlotUntilFullAndRefusesWithoutChange)
{
    RecordTable table;
    EXPECT_EQ(table.append(QString(20, 'x'), "/p", Gray4), -1) << "name too long";
    EXPECT_EQ(table.append("ok", '/' + QString(255, 'p'), Gray4), -1) << "path too long";
    for (int i = 0; i < kMaxRecords; ++i) {
        EXPECT_FALSE(table.isFull()) << i;
        ASSERT_EQ(table.append(QString::number(i), "/p", i), i);
    }
    EXPECT_EQ(table.append("late", "/late", Gray4), -1);
    EXPECT_TRUE(table.isFull());
    EXPECT_EQ(table.count(), kMaxRecords);
    EXPECT_EQ(RecordName(table.at(kMaxRecords - 1)), QString::number(kMaxRecords - 1));
    EXPECT_EQ(table.at(7).grayLevel, 7);
    table.reset();
    EXPECT_EQ(table.append("again", "/again", Gray4), 0);
}

TEST(RecordTable, LoadKeepsTheFirstHundredAndRenameTouchesOnlyUsedSlots)
{
    RecordTable table;
    table.load(NumberedRecords(150));
    EXPECT_EQ(table.count(), kMaxRecords);
    EXPECT_EQ(RecordName(table.at(kMaxRecords - 1)), QStringLiteral("n99"));

    table.load(NumberedRecords(2));
    for (const int slot : {-1, 2})
        EXPECT_FALSE(table.rename(slot, "unused")) << slot;
    EXPECT_FALSE(table.rename(0, QString(20, 'x')));
    EXPECT_TRUE(table.rename(1, QStringLiteral("Œuvre")));
    EXPECT_EQ(RecordName(table.at(0)), "n0");
    EXPECT_EQ(RecordName(table.at(1)), QStringLiteral("Œuvre"));
    EXPECT_EQ(RecordPath(table.at(1)), "/p/1");
    EXPECT_EQ(table.append("third", "/third", Gray4), 2);
}

// Remove and rename, up, down, the add button (-1: left as it was), and the menu's flags.
TEST(ControlStates, FollowTheListTheSelectionAndTheTable)
{
    const struct { const char *why; int items, selection, records; bool removeRename, up, down; int addButton;
                   bool canAdd, canRemove, updateMenu; } rows[] = {
        {"empty album", 0, -1, 0, false, false, false, -1, true, false, true},
        {"first of three", 3, 0, 3, true, false, true, -1, true, true, true},
        {"middle of three", 3, 1, 3, true, true, true, -1, true, true, true},
        {"last of three", 3, 2, 3, true, true, false, -1, true, true, true},
        {"only one", 1, 0, 1, true, false, false, -1, true, true, true},
        {"no selection leaves add and menu", 3, -1, 100, true, false, false, -1, false, true, false},
        {"99 records", 3, 0, 99, true, false, true, -1, true, true, true},
        {"100 records", 3, 0, 100, true, false, true, 0, false, true, true},
        {"100 records, all removed", 0, -1, 100, false, false, false, 0, false, false, true},
    };
    for (const auto &r : rows) {
        const ControlStates s = ComputeControlStates(r.items, r.selection, r.records, {false, true, true});
        EXPECT_EQ(s.removeRenameButtons, r.removeRename) << r.why;
        EXPECT_EQ(s.flags.canRemove, r.canRemove) << r.why;
        EXPECT_EQ(s.flags.canRename, r.canRemove) << r.why;
        EXPECT_EQ(s.moveUpButton, r.up) << r.why;
        EXPECT_EQ(s.moveDownButton, r.down) << r.why;
        EXPECT_EQ(s.addButton.has_value() ? int(*s.addButton) : -1, r.addButton) << r.why;
        EXPECT_EQ(s.flags.canAdd, r.canAdd) << r.why;
        EXPECT_EQ(s.updateMenu, r.updateMenu) << r.why;
    }
}
