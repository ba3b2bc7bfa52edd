// The editor's render of one frame of a 24-megapixel photo, and what comes before it.
#include "SyntheticPhoto.h"

#include "imaging/Bitmap.h"
#include "imaging/ImagingLibrary.h"
#include "imaging/PixelData.h"
#include "imaging/Pyramid.h"

#include <benchmark/benchmark.h>

#include <QImageWriter>
#include <QTemporaryDir>

namespace {

constexpr int kPhotoWidth = 6000;
constexpr int kPhotoHeight = 4000;
constexpr int kScreen = 160;

const QImage &photo()
{
    static const QImage image = syntheticPhoto(kPhotoWidth, kPhotoHeight);
    return image;
}

struct Frame {
    QRect rect;
    const char *label;
};

// The whole picture, the small frame of the brief, and the costliest cases: the most pixels
// read at full resolution (just under four times the screen), and a large frame whose edges
// cut the half-size levels' pixels and so are averaged from full resolution.
const Frame kFrames[] = {
    {QRect(0, 0, kPhotoWidth, kPhotoHeight), "full frame"},
    {QRect(kPhotoWidth / 2 - 250, kPhotoHeight / 2 - 250, 500, 500), "500x500 frame"},
    {QRect(1001, 999, 639, 639), "639x639 frame"},
    {QRect(7, 5, 5987, 3991), "unaligned large frame"},
};

// As the editor does it: the framed part reduced for the handheld, then centred on a black screen.
ImgBitmap render(const ImgBitmap &source, const QRect &frame)
{
    const QSize size = frame.size().scaled(kScreen, kScreen, Qt::KeepAspectRatio);
    ImgBitmap result = source;
    result.Trim(frame);
    result.Size(size.width(), size.height());
    result.GrayScale();
    result.StretchIntensity();
    result.Contrast(250);
    result.ReduceColors(GrayPalette::Gray4());
    ImgBitmap preview = result;
    preview.Size(kScreen, kScreen);
    preview.Fill(0);
    preview.Combine(result, kScreen, kScreen, (kScreen - size.width()) / 2, (kScreen - size.height()) / 2);
    return preview;
}

void BM_RenderChain(benchmark::State &state)
{
    const ImgBitmap source = ImgBitmap::FromQImage(photo());
    const Frame &frame = kFrames[state.range(0)];
    render(source, frame.rect); // builds the half-size levels, as an earlier render would have
    for (auto _ : state)
        benchmark::DoNotOptimize(render(source, frame.rect));
    state.SetLabel(frame.label);
}
BENCHMARK(BM_RenderChain)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// The first render of a freshly loaded picture, which pays for the half-size levels.
void BM_FirstRenderFullFrame(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(render(ImgBitmap::FromQImage(photo()), kFrames[0].rect));
}
BENCHMARK(BM_FirstRenderFullFrame)->Unit(benchmark::kMillisecond);

void BM_BuildPyramid(benchmark::State &state)
{
    const imaging::PixelData pixels(photo());
    for (auto _ : state)
        benchmark::DoNotOptimize(imaging::Pyramid(pixels));
}
BENCHMARK(BM_BuildPyramid)->Unit(benchmark::kMillisecond);

void BM_LoadJpeg(benchmark::State &state)
{
    StartImaging();
    QTemporaryDir dir;
    const QString path = dir.filePath("photo.jpg");
    QImageWriter writer(path);
    writer.setQuality(90);
    if (!writer.write(photo())) {
        state.SkipWithError("could not write the JPEG");
        return;
    }
    for (auto _ : state) {
        ImgBitmap bitmap;
        if (!bitmap.Load(path))
            state.SkipWithError("could not load the JPEG");
        benchmark::DoNotOptimize(bitmap);
    }
}
BENCHMARK(BM_LoadJpeg)->Unit(benchmark::kMillisecond);

} // namespace
