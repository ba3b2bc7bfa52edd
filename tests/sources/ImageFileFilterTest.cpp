#include "sources/ImageFileFilter.h"
#include "support/QtPrinters.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

bool matches(const QString &filter, const QString &fileName)
{
    const QString patterns = filter.mid(filter.lastIndexOf('(') + 1).chopped(1);
    for (const QString &pattern : patterns.split(' ')) {
        const QRegularExpression glob(QRegularExpression::wildcardToRegularExpression(pattern));
        if (glob.match(fileName).hasMatch())
            return true;
    }
    return false;
}

} // namespace

TEST(ImageFileFilterTest, ElevenFiltersInOrderMatchingAnyCase)
{
    const QStringList filters = ChooserNameFilters();
    ASSERT_EQ(filters.size(), 11);
    const QStringList labels = {"All Image Files", "Windows Bitmaps (bmp)", "JPEG files (jpg)",
                                "Kodak Files (pcd,fpx)", "PCX Files (pcx)",
                                "Portable Network Graphics (png)", "Targa Files (tga)",
                                "Macintosh Files (pct,mac)", "TIFF Files (tif,tiff)",
                                "Photoshop Files (psd)", "All Files"};
    for (int i = 0; i < 11; ++i)
        EXPECT_TRUE(filters[i].startsWith(labels[i] + " (")) << filters[i].toStdString();
    const QString allImages = filters[0].mid(filters[0].indexOf('(') + 1).chopped(1);
    EXPECT_EQ(allImages.split(' ').size(), 17);

    for (const char *name : {"a.bmp", "B.JPG", "c.Tiff", "d.pcx", "e.PSD", "f.msp", "g.img"})
        EXPECT_TRUE(matches(filters[0], name)) << name;
    EXPECT_FALSE(matches(filters[0], "notes.txt"));
    EXPECT_FALSE(matches(filters[0], "photo.jpeg"));
    EXPECT_TRUE(matches(filters[2], "HOLIDAY.JPG"));
    EXPECT_FALSE(matches(filters[2], "holiday.png"));
    EXPECT_TRUE(matches(filters[7], "old.MAC"));
    EXPECT_TRUE(matches(filters[10], "anything.at-all"));
}

TEST(ImageFileFilterTest, FilterStringKeepsItsExactText)
{
    EXPECT_TRUE(kImageFileFilter.startsWith("All Image Files|*.bmp;*.jpg;*.pcx;*.pcd;*.fpx;*.psd;"));
    EXPECT_TRUE(kImageFileFilter.endsWith("|Photoshop Files (psd)|*.psd|All Files|*.*||"));
    EXPECT_EQ(kImageFileFilter.count('|'), 23);
}
