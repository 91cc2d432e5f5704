// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/common/PixelFont.h"

#include "PixelFonts.h"

#include <QPainter>

#include <cctype>
#include <sstream>
#include <string>

PixelFont::PixelFont(const char* source) {
    std::istringstream in(source);
    std::string line;
    Glyph* current = nullptr;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind("spacing", 0) == 0) {
            spacing = std::stoi(line.substr(line.find('=') + 1));
        } else if (line.rfind("sprite ", 0) == 0) {
            const std::string name = line.substr(7);
            const char c = name == "space" ? ' ' : name[0];
            current = static_cast<unsigned char>(c) < 128 ? &glyphs[static_cast<unsigned char>(c)] : nullptr;
            if (current) *current = Glyph{};
        } else if (line.empty()) {
            current = nullptr;
        } else if (current && current->rowCount < 9 && line.find_first_not_of(".#") == std::string::npos) {
            current->width = static_cast<int>(line.size());
            uint16_t bits = 0;
            for (std::size_t i = 0; i < line.size(); ++i)
                if (line[i] == '#') bits = static_cast<uint16_t>(bits | (1u << i));
            current->bits[static_cast<std::size_t>(current->rowCount++)] = bits;
            current->present = true;
        }
    }
    rows = glyphs['A'].rowCount;
}

const PixelFont& PixelFont::text() {
    static const PixelFont font(PixelFonts::Text);
    return font;
}

const PixelFont& PixelFont::small() {
    static const PixelFont font(PixelFonts::Small);
    return font;
}

const PixelFont::Glyph& PixelFont::glyph(char c) const {
    const auto index = static_cast<unsigned char>(c);
    if (index < 128 && glyphs[index].present) return glyphs[index];
    const auto upper = static_cast<unsigned char>(std::toupper(index));
    if (upper < 128 && glyphs[upper].present) return glyphs[upper];
    return glyphs[' '];
}

int PixelFont::width(std::string_view text) const {
    int w = 0;
    for (char c : text)
        w += glyph(c).width + spacing;
    return text.empty() ? 0 : w - spacing;
}

int PixelFont::draw(QPainter& painter, int x, int y, std::string_view text, const QColor& colour) const {
    for (char c : text) {
        const Glyph& g = glyph(c);
        for (int row = 0; row < g.rowCount; ++row)
            for (int col = 0; col < g.width; ++col)
                if (g.bits[static_cast<std::size_t>(row)] & (1u << col))
                    painter.fillRect(x + col, y + row, 1, 1, colour);
        x += g.width + spacing;
    }
    return x;
}
