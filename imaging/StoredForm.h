#pragma once

#include <QImage>

namespace imaging {

// A decoded picture in the form bitmaps keep: Grayscale8 when it only holds grays by its
// format or colour table, RGB32 otherwise, with any transparency flattened onto white (the
// handheld has no transparency and its paper is white). Null stays null.
QImage toStoredForm(const QImage &image);

} // namespace imaging
