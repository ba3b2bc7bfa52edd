#include "sources/CaptureSource.h"

#include "sources/CaptureOverlay.h"

#include <QImage>

SourcePicture PictureFromScreen()
{
    QImage area;
    QString failure;
    if (CaptureScreenArea(area, failure) < 0)
        return {{}, failure};
    return {ImgBitmap::FromQImage(area), {}};
}
