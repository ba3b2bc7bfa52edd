#include "editor/CropFrame.h"

#include <QApplication>
#include <QPaintEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr QSize kClient(236, 236);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);

// Gray levels that change along both axes and never equal their own inverse.
QImage Gradient(QSize size, int shift = 0)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const int gray = (x + 2 * y + shift) % 256;
            image.setPixel(x, y, qRgb(gray, gray, gray));
        }
    return image;
}

QRgb Inverted(QRgb color)
{
    return qRgb(255 - qRed(color), 255 - qGreen(color), 255 - qBlue(color));
}

// What the control draws, read in its own pixels. At more than one device pixel per
// pixel each must still come out as one solid block.
class Shot {
public:
    explicit Shot(QWidget *widget)
        : m_image(widget->grab().toImage().convertToFormat(QImage::Format_RGB32))
        , m_ratio(qRound(m_image.devicePixelRatio()))
    {
    }

    QRgb At(int x, int y) const
    {
        const QRgb first = m_image.pixel(x * m_ratio, y * m_ratio);
        EXPECT_EQ(first, m_image.pixel((x + 1) * m_ratio - 1, (y + 1) * m_ratio - 1))
            << "blurred at " << x << ", " << y;
        return first;
    }

private:
    QImage m_image;
    int m_ratio;
};

std::vector<QRect> HandlesOf(const CropRect &frame)
{
    std::vector<QRect> handles;
    for (QPoint corner : {QPoint(frame.left, frame.top), QPoint(frame.right, frame.top),
                          QPoint(frame.left, frame.bottom), QPoint(frame.right, frame.bottom)})
        handles.emplace_back(corner - QPoint(5, 5), QSize(10, 10));
    return handles;
}

} // namespace

TEST(CropFramePaintTest, OutlineInvertsThePictureAndHandlesCoverTheCorners)
{
    const QImage picture = Gradient({200, 180}); // smaller than the control: black beyond
    const CropRect frame{60, 70, 160, 150};
    CCropFrame crop;
    crop.resize(kClient);
    crop.SetBackground(QPixmap::fromImage(picture));
    crop.SetFrame(frame.left, frame.top, frame.right, frame.bottom);
    const Shot shot(&crop);
    const std::vector<QRect> handles = HandlesOf(frame);
    const QRect area = frame.toQRect();

    int wrong = 0;
    for (int y = 0; y < kClient.height(); ++y)
        for (int x = 0; x < kClient.width(); ++x) {
            QRgb expected = picture.rect().contains(x, y) ? picture.pixel(x, y) : kBlack;
            if (area.contains(x, y) && !area.adjusted(1, 1, -1, -1).contains(x, y))
                expected = Inverted(expected);
            for (const QRect &handle : handles)
                if (handle.contains(x, y))
                    expected = handle.adjusted(1, 1, -1, -1).contains(x, y) ? kWhite : kBlack;
            if (shot.At(x, y) != expected && ++wrong <= 5)
                ADD_FAILURE() << "pixel " << x << ", " << y;
        }
    EXPECT_EQ(wrong, 0);
}

TEST(CropFramePaintTest, ThinFramesAndOverlappingHandles)
{
    const QImage picture = Gradient(kClient);
    CCropFrame crop;
    crop.resize(kClient);
    crop.SetBackground(QPixmap::fromImage(picture));

    // One pixel high or wide: each outline pixel is still inverted exactly once.
    crop.SetFrame(60, 70, 160, 71);
    EXPECT_EQ(Shot(&crop).At(100, 70), Inverted(picture.pixel(100, 70)));
    crop.SetFrame(60, 70, 61, 150);
    EXPECT_EQ(Shot(&crop).At(60, 100), Inverted(picture.pixel(60, 100)));

    // Narrower than a handle: the right-hand handles are drawn over the left-hand ones.
    crop.SetFrame(60, 70, 66, 150);
    const Shot shot(&crop);
    for (int y : {70, 150}) {
        EXPECT_EQ(shot.At(61, y), kBlack) << y; // the right handle's outline
        EXPECT_EQ(shot.At(64, y), kWhite) << y; // the left handle's outline, under it
    }
}

TEST(CropFramePaintTest, PictureIsTakenAtTheFirstPaint)
{
    const QImage picture = Gradient(kClient, 100);
    CCropFrame crop;
    crop.resize(kClient);
    crop.SetBackground(QPixmap::fromImage(Gradient(kClient)));
    crop.SetBackground(QPixmap::fromImage(picture));
    EXPECT_EQ(Shot(&crop).At(200, 20), picture.pixel(200, 20));
    crop.SetBackground(QPixmap::fromImage(Gradient(kClient, 50)));
    EXPECT_EQ(Shot(&crop).At(200, 20), picture.pixel(200, 20));
}

// Counts in the high-density run, where a picture made for the screen must reach it
// pixel for pixel rather than through a buffer of half the resolution.
TEST(CropFramePaintTest, PictureKeepsEveryDevicePixel)
{
    CCropFrame crop;
    crop.resize(kClient);
    const qreal ratio = crop.devicePixelRatio();
    QImage picture = Gradient(kClient * ratio);
    picture.setDevicePixelRatio(ratio);
    crop.SetBackground(QPixmap::fromImage(picture));
    crop.SetFrame(200, 200, 220, 220);
    const QImage shot = crop.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shot.size(), picture.size());
    const QRect clear(0, 0, 150 * ratio, 150 * ratio); // away from the frame
    EXPECT_EQ(shot.copy(clear), picture.copy(clear));
}

TEST(CropFramePaintTest, RepaintsOnlyWhereTheFrameWasAndIs)
{
    struct RecordingCropFrame : CCropFrame {
        QRegion painted;
        void paintEvent(QPaintEvent *event) override
        {
            painted += event->region();
            CCropFrame::paintEvent(event);
        }
    } crop;
    crop.resize(kClient);
    crop.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&crop));
    QApplication::processEvents();

    crop.painted = QRegion();
    crop.SetBounds(20, 20, 200, 200);
    QApplication::processEvents();
    EXPECT_TRUE(crop.painted.isEmpty());

    crop.SetFrame(100, 100, 150, 140);
    QApplication::processEvents();
    for (const CropRect &frame : {CropRect{10, 10, 50, 50}, CropRect{100, 100, 150, 140}}) {
        EXPECT_TRUE(crop.painted.contains(frame.toQRect()));
        for (const QRect &handle : HandlesOf(frame))
            EXPECT_TRUE(crop.painted.contains(handle));
    }
    EXPECT_FALSE(crop.painted.contains(QPoint(75, 20)));
    EXPECT_FALSE(crop.painted.contains(QPoint(220, 220)));
}
