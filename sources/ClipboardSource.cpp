#include "sources/ClipboardSource.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

SourcePicture PictureFromClipboard()
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasImage())
        return {{}, QStringLiteral("You must first copy an image to the clipboard.")};
    SourcePicture source;
    source.picture = ImgBitmap::FromQImage(qvariant_cast<QImage>(data->imageData()));
    if (!source.picture.IsAllocated())
        source.failure = QStringLiteral("There was an error copying the image from the clipboard.");
    return source;
}
