// SPDX-License-Identifier: GPL-3.0-or-later
#include "LcdPainter.h"

#include "ArtBook.h"

#include <string>

namespace {

QRgb colorSetting(const ArtBook& book, const std::string& key, QRgb fallback) {
    const std::string text = book.setting(key);
    if (text.size() != 7 || text[0] != '#') return fallback;
    return 0xff000000u | static_cast<QRgb>(std::stoul(text.substr(1), nullptr, 16));
}

} // namespace

LcdPainter::Style LcdPainter::styleFrom(const ArtBook& book) {
    Style s;
    s.ground = colorSetting(book, "ground", s.ground);
    s.offDot = colorSetting(book, "offdot", s.offDot);
    s.ghost = colorSetting(book, "ghost", s.ghost);
    s.ink = colorSetting(book, "ink", s.ink);
    s.inkSeam = colorSetting(book, "inkseam", s.inkSeam);
    return s;
}

QImage LcdPainter::paintDots(const Grid& grid) const {
    QImage image(grid.width() * DotSize, grid.height() * DotSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < grid.height(); ++y)
        for (int x = 0; x < grid.width(); ++x) {
            const Cell& cell = grid.at(x, y);
            QRgb core = 0, seam = 0;
            switch (cell.kind) {
            case Cell::Kind::Clear:
                continue;
            case Cell::Kind::On:
                core = style_.ink;
                seam = style_.inkSeam;
                break;
            case Cell::Kind::Off:
                core = style_.offDot;
                seam = style_.ground;
                break;
            case Cell::Kind::Ghost:
                core = style_.ghost;
                seam = style_.ground;
                break;
            case Cell::Kind::Color:
                core = seam = cell.rgb;
                break;
            }
            for (int j = 0; j < DotSize; ++j)
                for (int i = 0; i < DotSize; ++i) {
                    const bool isSeam = i == DotSize - 1 || j == DotSize - 1;
                    image.setPixel(x * DotSize + i, y * DotSize + j, isSeam ? seam : core);
                }
        }
    return image;
}

QImage LcdPainter::paintPixels(const Grid& grid, int scale) const {
    QImage image(grid.width() * scale, grid.height() * scale, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < grid.height(); ++y)
        for (int x = 0; x < grid.width(); ++x) {
            const Cell& cell = grid.at(x, y);
            QRgb rgb = 0;
            switch (cell.kind) {
            case Cell::Kind::Clear:
                continue;
            case Cell::Kind::On:
                rgb = style_.ink;
                break;
            case Cell::Kind::Off:
                rgb = style_.ground;
                break;
            case Cell::Kind::Ghost:
                rgb = style_.ghost;
                break;
            case Cell::Kind::Color:
                rgb = cell.rgb;
                break;
            }
            for (int j = 0; j < scale; ++j)
                for (int i = 0; i < scale; ++i)
                    image.setPixel(x * scale + i, y * scale + j, rgb);
        }
    return image;
}
