#include "sources/CaptureSource.h"

#include "sources/CaptureOverlay.h"

#include <QImage>

SourcePicture PictureFromScreen()
{
    QImage area;
    if (CaptureScreenArea(area) < 0)
        return {};
    return {ImgBitmap::FromQImage(area), {}};
}
