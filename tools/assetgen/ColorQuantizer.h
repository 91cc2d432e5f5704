// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRgb>

#include <cstdint>
#include <vector>

// Turns an ARGB picture into palette indices for an indexed file format.
// Pictures with few colours keep them exactly; larger ones (the shaded shell)
// are reduced by median cut. Pixels with alpha below one half become the
// transparent index, which is always the last palette entry when present.
class ColorQuantizer {
public:
    struct Result {
        std::vector<QRgb> palette;        // opaque colours, then the transparent slot if used
        std::vector<std::uint8_t> pixels; // one index per pixel, row by row
        int transparentIndex = -1;
    };

    static Result quantize(const QImage& image, int maxColors = 256);

private:
    static std::vector<QRgb> medianCut(const std::vector<QRgb>& colors, int count);
    static int nearest(const std::vector<QRgb>& palette, QRgb color);
};
