#pragma once

#include <QImage>

#include <sane/sane.h>

#include <cstddef>
#include <cstdint>
#include <vector>

// Builds one picture from the frames a scanner sends: a single gray or RGB frame, or one
// frame per colour (red, green and blue in any order) from three-pass scanners. Samples of
// 8 or 16 bits (16 in the machine's byte order), or 1 bit of lineart, come in chunks of any
// size; the number of lines may stay unknown until the data ends (hand scanners). The
// picture is Grayscale8 or RGB32.
//
// Refuses (returns false) whatever cannot become a whole picture: unknown formats or depths,
// lines shorter than their pixels, frames that do not match the frames before them, more
// than 250 megapixels, and frames cut short. A refused frame never counts towards the picture.
class ScanFrameAssembler {
public:
    bool beginFrame(const SANE_Parameters &parameters);
    bool append(const uint8_t *data, size_t size);
    bool endFrame();

    // Every colour has its frame.
    bool isComplete() const;
    // Null until complete.
    QImage image() const;

    // How much of the whole picture has arrived, 0..100, or -1 while the current frame's
    // number of lines is unknown.
    int percentDone() const;

private:
    bool takeLine();

    SANE_Parameters m_frame{};
    bool m_inFrame = false;
    int m_width = 0;
    int m_channels = 0;         // 1 for gray, 3 for colour
    int m_channelOffset = 0;    // the colour a one-colour frame fills
    int m_framesNeeded = 0;
    int m_framesDone = 0;
    unsigned m_coloursSeen = 0; // a bit per one-colour frame begun
    int64_t m_rows = 0;         // the height, once the first frame has ended
    int64_t m_maxRows = 0;      // rows a frame may fill
    int64_t m_frameRow = 0;     // rows of the current frame so far
    std::vector<uint8_t> m_line; // the current line's pixel bytes, without its padding
    int64_t m_linePos = 0;       // bytes of the current line so far, padding included
    std::vector<uint8_t> m_samples; // 8-bit samples, m_channels per pixel, rows top-down
};
