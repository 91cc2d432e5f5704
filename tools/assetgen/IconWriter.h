// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <string>
#include <vector>

// Writes Windows icon (.ico) and cursor (.cur) files. Both share one layout:
// a directory of images, each a 32-bit BGRA bitmap with its 1-bit AND mask.
// Qt's own icon writer stores a single image per file, but a tray icon wants
// its 16 and 32 pixel sizes together, and a cursor needs its hotspot, so the
// file is put together here.
class IconWriter {
public:
    // Every image should be square and at most 256 pixels wide.
    static std::string writeIcon(const std::vector<QImage>& images, const std::string& path);
    static std::string writeCursor(const QImage& image, int hotX, int hotY, const std::string& path);

    // The bytes of a file as written above; exposed for the tests.
    static std::vector<unsigned char> encode(const std::vector<QImage>& images, bool cursor, int hotX,
                                             int hotY);

private:
    static std::vector<unsigned char> bitmap(const QImage& image);
    static std::string save(const std::vector<unsigned char>& bytes, const std::string& path);
};
