#pragma once

#include <QImage>

// A colour picture with the traits of a photo that matter to resampling and compression:
// smooth shading, hard edges and sensor grain.
QImage syntheticPhoto(int width, int height);
