// SPDX-License-Identifier: GPL-3.0-or-later
#include "PixelFont.h"

#include <cctype>

bool PixelFont::load(const std::string& path, std::string& error) {
    if (!book_.load(path, error)) return false;
    for (const auto& name : book_.names())
        height_ = std::max(height_, book_.grid(name).height());
    spacing_ = std::stoi(book_.setting("spacing", "1"));
    return true;
}

const Grid* PixelFont::glyph(char c) const {
    const std::string name = c == ' ' ? std::string("space") : std::string(1, c);
    if (book_.has(name)) return &book_.grid(name);
    const std::string upper(1, static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    if (book_.has(upper)) return &book_.grid(upper);
    return book_.has("?") ? &book_.grid("?") : nullptr;
}

int PixelFont::textWidth(const std::string& text) const {
    int width = 0;
    for (char c : text)
        if (const Grid* g = glyph(c)) width += g->width() + spacing_;
    return width > 0 ? width - spacing_ : 0;
}

int PixelFont::draw(Grid& target, int x, int y, const std::string& text, Cell ink) const {
    int pen = x;
    for (char c : text) {
        const Grid* g = glyph(c);
        if (!g) continue;
        for (int j = 0; j < g->height(); ++j)
            for (int i = 0; i < g->width(); ++i)
                if (g->at(i, j).isOn()) target.set(pen + i, y + j, ink);
        pen += g->width() + spacing_;
    }
    return pen - x - spacing_;
}

int PixelFont::draw(QImage& target, int x, int y, const std::string& text, QRgb color, int scale) const {
    int pen = x;
    for (char c : text) {
        const Grid* g = glyph(c);
        if (!g) continue;
        for (int j = 0; j < g->height(); ++j)
            for (int i = 0; i < g->width(); ++i)
                if (g->at(i, j).isOn())
                    for (int v = 0; v < scale; ++v)
                        for (int u = 0; u < scale; ++u) {
                            const int px = pen + i * scale + u, py = y + j * scale + v;
                            if (target.valid(px, py)) target.setPixel(px, py, color);
                        }
        pen += (g->width() + spacing_) * scale;
    }
    return pen - x - spacing_ * scale;
}
