// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <string>

// Writes one picture as a single-frame GIF89a through giflib (LZW, global
// palette). Pixels with alpha below one half are written with the
// transparent colour index, so the program keeps them see-through.
class GifWriter {
public:
    // Returns an empty string on success, otherwise what went wrong.
    static std::string write(const QImage& image, const std::string& path);
};
