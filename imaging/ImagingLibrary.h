#pragma once

// Bounds what Qt's image readers may allocate while decoding a picture. Safe to call more than
// once and from any thread; loading a picture calls it too. (libjpeg and ImageMagick are
// bounded where they are used.)
void StartImaging();
