#include "editor/NameInput.h"

#include <gtest/gtest.h>

TEST(NameInputTest, TypingAndPastingStopAtFifteenCharacters)
{
    EXPECT_EQ(ApplyNameEdit("New Picture", "New Picture!", 15).text, "New Picture!");
    const NameEdit full = ApplyNameEdit("abcdefghijklmno", "abcdefghijklmnop", 15);
    EXPECT_EQ(full.text, "abcdefghijklmno");
    // A paste is cut to the room left, at the place it went in.
    const NameEdit pasted = ApplyNameEdit("Photo", "Pho1234567890123to", 15);
    EXPECT_EQ(pasted.text, "Pho1234567890to");
    EXPECT_EQ(pasted.cursor, 13);
    // Replacing a selection frees its room first.
    EXPECT_EQ(ApplyNameEdit("abcdefghijklmno", "abXYZfghijklmno", 15).text, "abXYZfghijklmno");
}

TEST(NameInputTest, LongerStartingTextCanOnlyShrink)
{
    const QString start = QString(20, 'x');
    EXPECT_EQ(ApplyNameEdit(start, start + "y", 15).text, start);
    EXPECT_EQ(ApplyNameEdit(start, QString(19, 'x'), 15).text, QString(19, 'x'));
}

TEST(NameInputTest, OnlyCharactersOfTheHandheldCharacterSetAreTaken)
{
    EXPECT_EQ(ApplyNameEdit("Caf", QString::fromUtf8("Café €5"), 15).text, QString::fromUtf8("Café €5"));
    EXPECT_EQ(ApplyNameEdit("Tea", QString::fromUtf8("Tea 中文"), 15).text, "Tea ");
    EXPECT_EQ(ApplyNameEdit("A", QString::fromUtf8("A😀B"), 15).text, "AB");
    EXPECT_EQ(ApplyNameEdit("A", QStringLiteral("A\tB"), 15).text, "AB");
}
