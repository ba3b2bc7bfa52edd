// fuzz_seeds OUTDIR: the seed corpora, made from the program's own output so that no
// third-party file is needed: OUTDIR/album_reader, OUTDIR/picture_loader, OUTDIR/bmp_roundtrip.
// `scripts/fuzz --merge` minimises them with what fuzzing found into tests/fuzz/corpus.
#include "FuzzSupport.h"

#include "album/AlbumFile.h"
#include "imaging/Bitmap.h"
#include "imaging/GrayPalette.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>

#include <cstdio>

namespace {

bool Save(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray Read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage Drawing(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(image.rect(), QColor(30, 120, 200));
    painter.setBrush(QColor(240, 200, 40));
    painter.drawEllipse(QRect(w / 5, h / 5, w / 2, h / 2));
    return image;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds OUTDIR\n");
        return 2;
    }
    fuzz::StartQt();
    const QString out = QString::fromLocal8Bit(argv[1]);
    for (const char *sub : {"album_reader", "picture_loader", "bmp_roundtrip"})
        QDir().mkpath(out + "/" + sub);
    bool ok = true;

    // Albums as the program writes them: empty, a few photos, a full one.
    for (int count : {0, 1, 3, kMaxRecords}) {
        std::vector<PhotoRecord> records;
        for (int i = 0; i < count; ++i) {
            PhotoRecord record{};
            SetRecordName(record, QStringLiteral("Photo %1").arg(i));
            SetRecordPath(record, QStringLiteral("/home/user/album/p%1.bmp").arg(i));
            record.grayLevel = 1 + i % 2;
            records.push_back(record);
        }
        const QString path = out + QStringLiteral("/album_reader/album-%1.dat").arg(count);
        ok = WriteAlbumFile(path, records) && ok;
    }

    // Pictures: the suffix byte (jpg png bmp gif tif pcx tga psd msp img = 0..9) and then the file.
    const auto addPicture = [&](int suffix, const QString &name, const QByteArray &file) {
        ok = !file.isEmpty() && Save(out + "/picture_loader/" + name, char(suffix) + file) && ok;
    };
    const auto encoded = [](const QImage &image, const char *format) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, format);
        return bytes;
    };
    const QImage drawing = Drawing(24, 16);
    addPicture(0, "drawing.jpg", encoded(drawing, "JPG"));
    addPicture(1, "drawing.png", encoded(drawing, "PNG"));
    addPicture(1, "gray.png", encoded(drawing.convertToFormat(QImage::Format_Grayscale8), "PNG"));
    addPicture(2, "drawing.bmp", encoded(drawing, "BMP"));
    addPicture(2, "indexed.bmp", encoded(drawing.convertToFormat(QImage::Format_Indexed8), "BMP"));
    const QByteArray tiff = encoded(drawing, "TIFF");
    if (!tiff.isEmpty())
        addPicture(4, "drawing.tif", tiff);
    ImgBitmap reduced = ImgBitmap::FromQImage(drawing);
    reduced.ReduceColors(GrayPalette::Gray16());
    const QString bmp4 = out + "/bmp4.tmp";
    ok = reduced.SaveBmp4(bmp4) && ok;
    addPicture(2, "drawing-bmp4.bmp", Read(bmp4));
    QFile::remove(bmp4);

    // Round trip: flags, width - 1, height - 1, then pixel bytes.
    ok = Save(out + "/bmp_roundtrip/gray4-7x5", QByteArray("\x00\x06\x04\x1b\xe4\x93\x55", 7)) && ok;
    ok = Save(out + "/bmp_roundtrip/own16-3x3",
              QByteArray("\x03\x02\x02\x00\x11\x22\x33\x44\x55\x66\x77\x88\x99\xaa\xbb\xcc\xdd\xee\xff"
                         "\x01\x23\x45\x67\x89",
                         24)) && ok;
    std::printf("seeds written to %s\n", argv[1]);
    return ok ? 0 : 1;
}
