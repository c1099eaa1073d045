#pragma once

#include "core/result.h"

#include <cstdint>
#include <vector>

namespace quorvex {

// A decoded picture as 8-bit RGB rows, top row first, width * 3 bytes each, no padding.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;

    // What the file itself declared, so the stored artwork's format can be checked.
    int fileComponents = 0;
    int bitsPerSample = 0;
    bool progressive = false;
    int densityUnit = 0; // 0 aspect ratio only, 1 dots per inch, 2 dots per cm
    int xDensity = 0;
    int yDensity = 0;

    const uint8_t* row(int y) const { return pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(width) * 3; }
};

// Decodes a JPEG held in memory. A damaged or truncated buffer is an error naming
// `sourceName` and libjpeg's own words; so is anything libjpeg would only warn about, since
// it would otherwise hand back a picture partly filled with grey.
Result<RgbImage> decodeJpeg(BytesView data, const Bytes& sourceName);

} // namespace quorvex
