#include "app/Settings.h"

#include <QSettings>

#include <gtest/gtest.h>

TEST(SettingsTest, DefaultsAndStoredValuesUseTheirSectionsAndNames)
{
    QSettings(QStringLiteral("Quillmere"), QStringLiteral("Vellumo")).clear();
    Settings settings;
    EXPECT_EQ(settings.dataDir(), QString());
    EXPECT_EQ(settings.grayLevel(), 1);
    EXPECT_EQ(settings.contrast(), 0);

    settings.setGrayLevel(2);
    settings.setContrast(-350);
    settings.setDataDir(QStringLiteral("/somewhere/else"));
    ASSERT_TRUE(settings.sync());

    QSettings raw(QStringLiteral("Quillmere"), QStringLiteral("Vellumo"));
    EXPECT_EQ(raw.value(QStringLiteral("Parameters/Gray Level")).toInt(), 2);
    EXPECT_EQ(raw.value(QStringLiteral("Parameters/Contrast")).toInt(), -350);
    EXPECT_EQ(raw.value(QStringLiteral("Directories/DataDir")).toString(), "/somewhere/else");
}

TEST(SettingsTest, ValuesThatAreNotNumbersReadAsDefaultsAndOutOfRangeAsStored)
{
    {
        QSettings raw(QStringLiteral("Quillmere"), QStringLiteral("Vellumo"));
        raw.clear();
        raw.setValue(QStringLiteral("Parameters/Gray Level"), QStringLiteral("lots"));
        raw.setValue(QStringLiteral("Parameters/Contrast"), 5000);
    }
    Settings settings;
    EXPECT_EQ(settings.grayLevel(), 1);
    EXPECT_EQ(settings.contrast(), 5000);
}
