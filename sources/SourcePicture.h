#pragma once

#include "imaging/Bitmap.h"

#include <QString>

// What a picture source gives the album window: a picture, or none and why.
struct SourcePicture {
    ImgBitmap picture; // allocated only when the source gave one
    QString failure;   // what to tell the user when it gave none; empty when the user cancelled
};
