#include "album/RecordTable.h"

#include "AlbumBytes.h"

#include <gtest/gtest.h>

TEST(RecordTable, AppendTakesTheNextSlotUntilFullAndRefusesWithoutChange)
{
    RecordTable table;
    EXPECT_EQ(table.append(QString(20, 'x'), "/p", Gray4), -1);
    EXPECT_EQ(table.append("ok", '/' + QString(255, 'p'), Gray4), -1);
    for (int i = 0; i < kMaxRecords; ++i) {
        EXPECT_FALSE(table.isFull());
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
    EXPECT_EQ(RecordName(table.at(kMaxRecords - 1)), QStringLiteral("n%1").arg(kMaxRecords - 1));

    table.load(NumberedRecords(2));
    EXPECT_FALSE(table.rename(0, QString(20, 'x')));
    EXPECT_FALSE(table.rename(2, "unused"));
    EXPECT_FALSE(table.rename(-1, "unused"));
    EXPECT_TRUE(table.rename(1, QStringLiteral("Œuvre")));
    EXPECT_EQ(RecordName(table.at(0)), "n0");
    EXPECT_EQ(RecordName(table.at(1)), QStringLiteral("Œuvre"));
    EXPECT_EQ(RecordPath(table.at(1)), "/p/1");
    EXPECT_EQ(table.append("third", "/third", Gray4), 2);
}
