#include "imaging/Bitmap.h"

#include "imaging/AtomicFile.h"
#include "imaging/Bmp4Encoder.h"
#include "imaging/ImageFile.h"
#include "imaging/PixelConvert.h"
#include "imaging/PixelData.h"
#include "imaging/Resample.h"
#include "imaging/StoredForm.h"
#include "imaging/StuckiDither.h"
#include "imaging/ToneCurves.h"

#include <algorithm>
#include <cstring>

using imaging::PixelKind;

bool ImgBitmap::Load(const QString &path)
{
    *this = ImgBitmap();
    adopt(imaging::readImageFile(path));
    return IsAllocated();
}

bool ImgBitmap::IsAllocated() const
{
    return m_pixels != nullptr;
}

int ImgBitmap::GetWidth() const
{
    return m_view.width();
}

int ImgBitmap::GetHeight() const
{
    return m_view.height();
}

int ImgBitmap::GetOrientation() const
{
    return m_orientation;
}

void ImgBitmap::SetOrientation(int code)
{
    m_orientation = code;
}

void ImgBitmap::Size(int w, int h)
{
    if (IsAllocated())
        adopt(imaging::resampleFrame(*m_pixels, m_view, w, h, imaging::PyramidUse::Allowed));
}

void ImgBitmap::Trim(const QRect &r)
{
    if (!IsAllocated())
        return;
    const QRect kept = r.intersected(QRect(0, 0, GetWidth(), GetHeight()));
    if (kept.isEmpty())
        adopt(nullptr);
    else
        m_view = kept.translated(m_view.topLeft());
}

void ImgBitmap::GrayScale()
{
    if (IsAllocated() && m_pixels->kind() != PixelKind::Gray)
        adopt(imaging::convertPixels(*m_pixels, m_view, PixelKind::Gray, nullptr));
}

void ImgBitmap::StretchIntensity()
{
    if (!IsAllocated())
        return;
    QImage pixels = tonePixels();
    const auto [darkest, brightest] = imaging::valueRange(pixels);
    if (darkest == brightest)
        return;
    imaging::applyCurve(pixels, imaging::stretchCurve(darkest, brightest));
    adopt(pixels);
}

void ImgBitmap::Contrast(int c)
{
    if (!IsAllocated())
        return;
    QImage pixels = tonePixels();
    imaging::applyCurve(pixels, imaging::contrastCurve(c));
    adopt(pixels);
}

void ImgBitmap::ReduceColors(const GrayPalette &palette)
{
    if (!IsAllocated() || !palette.IsUsable())
        return;
    const QImage gray = imaging::convertPixels(*m_pixels, m_view, PixelKind::Gray, nullptr);
    adopt(imaging::stuckiDither(gray, palette), &palette);
}

void ImgBitmap::Fill(int gray)
{
    if (!IsAllocated())
        return;
    const int g = std::clamp(gray, 0, 255);
    const GrayPalette *palette = m_pixels->palette();
    QImage pixels = imaging::blankPixels(m_pixels->kind(), palette, GetWidth(), GetHeight());
    if (m_pixels->kind() == PixelKind::Color)
        pixels.fill(qRgb(g, g, g));
    else
        pixels.fill(palette ? uint(palette->NearestIndices()[size_t(g)]) : uint(g));
    adopt(pixels, palette);
}

void ImgBitmap::Combine(const ImgBitmap &src, int w, int h, int x, int y)
{
    if (!IsAllocated() || !src.IsAllocated())
        return;
    const QRect block(0, 0, std::min(w, src.GetWidth()), std::min(h, src.GetHeight()));
    const QRect target = block.translated(x, y).intersected(QRect(0, 0, GetWidth(), GetHeight()));
    if (target.isEmpty())
        return;
    const QRect source = target.translated(src.m_view.left() - x, src.m_view.top() - y);
    const QImage piece = imaging::convertPixels(*src.m_pixels, source, m_pixels->kind(), m_pixels->palette());
    QImage canvas = m_pixels->image().copy(m_view);
    if (piece.isNull() || canvas.isNull())
        return;
    const int bytesPerPixel = canvas.depth() / 8;
    for (int row = 0; row < target.height(); ++row) {
        std::memcpy(canvas.scanLine(target.top() + row) + target.left() * bytesPerPixel, piece.constScanLine(row),
                    size_t(target.width() * bytesPerPixel));
    }
    adopt(canvas, m_pixels->palette());
}

bool ImgBitmap::SaveBmp4(const QString &path) const
{
    const QByteArray bytes = EncodeBmp4();
    return !bytes.isEmpty() && imaging::writeFileAtomically(path, bytes);
}

QByteArray ImgBitmap::EncodeBmp4() const
{
    if (!IsAllocated())
        return {};
    const GrayPalette *own = m_pixels->palette();
    const GrayPalette palette = own && own->grays.size() <= 16 ? *own : GrayPalette::Gray16();
    const QImage indices = imaging::convertPixels(*m_pixels, m_view, PixelKind::Indexed, &palette);
    return indices.isNull() ? QByteArray() : imaging::encodeBmp4(indices, palette);
}

QImage ImgBitmap::ToQImage() const
{
    if (!IsAllocated())
        return {};
    const QImage &image = m_pixels->image();
    return m_view == image.rect() ? image : image.copy(m_view);
}

ImgBitmap ImgBitmap::FromQImage(const QImage &image)
{
    ImgBitmap bitmap;
    bitmap.adopt(imaging::toStoredForm(image));
    return bitmap;
}

bool ImgBitmap::IsIndexed() const
{
    return IsAllocated() && m_pixels->kind() == PixelKind::Indexed;
}

const GrayPalette *ImgBitmap::Palette() const
{
    return IsAllocated() ? m_pixels->palette() : nullptr;
}

void ImgBitmap::adopt(std::shared_ptr<const imaging::PixelData> pixels)
{
    m_pixels = std::move(pixels);
    m_view = m_pixels ? m_pixels->image().rect() : QRect();
}

void ImgBitmap::adopt(QImage image, const GrayPalette *palette)
{
    if (image.isNull())
        adopt(nullptr);
    else
        adopt(std::make_shared<const imaging::PixelData>(std::move(image),
                                                         palette ? std::optional(*palette) : std::nullopt));
}

// What the tone changes work on: a copy of the colour or gray values, an indexed bitmap's grays.
QImage ImgBitmap::tonePixels() const
{
    const PixelKind kind = m_pixels->kind() == PixelKind::Color ? PixelKind::Color : PixelKind::Gray;
    return imaging::convertPixels(*m_pixels, m_view, kind, nullptr);
}
