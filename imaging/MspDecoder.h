#pragma once

#include <QImage>

#include <cstddef>

namespace imaging {

// A Microsoft Paint picture: version 1 ("DanM", plain rows) or version 2 ("LinS", a table of
// each row's encoded length, then run-length rows), recognised by its signature. Black and
// white, as a Mono image (bit 1 white). Null for any other file, over kMaxPixels (refused from
// the header), or when the rows are damaged or cut off.
QImage decodeMsp(const uchar *data, size_t size);

} // namespace imaging
