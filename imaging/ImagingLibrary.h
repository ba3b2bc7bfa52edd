#pragma once

// Bounds what decoding a picture may allocate (Qt's image readers and the Magick++ fallback)
// and initialises Magick++. Safe to call more than once and from any thread; loading a
// picture calls it too.
void StartImaging();
