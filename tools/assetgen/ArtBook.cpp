// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArtBook.h"

#include "TextUtil.h"

#include <stdexcept>

using textutil::trim;

namespace {

bool parseColor(const std::string& text, QRgb& rgb) {
    if (text.size() != 7 || text[0] != '#') return false;
    try {
        rgb = 0xff000000u | static_cast<QRgb>(std::stoul(text.substr(1), nullptr, 16));
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

} // namespace

bool ArtBook::load(const std::string& path, std::string& error) {
    std::string text;
    if (!textutil::readFile(path, text)) {
        error = "cannot read " + path;
        return false;
    }
    return parse(text, path, error);
}

bool ArtBook::parsePaletteLine(const std::string& line, std::string& error) {
    // "X = kind [mark]" where X is the one character used in the grids.
    const auto words = textutil::splitWords(line.substr(1));
    if (line.empty() || words.size() < 2 || words[0] != "=") {
        error = "palette line not understood: " + line;
        return false;
    }
    Cell cell;
    const std::string kind = textutil::lower(words[1]);
    if (kind == "clear" || kind == "transparent")
        cell.kind = Cell::Kind::Clear;
    else if (kind == "on")
        cell.kind = Cell::Kind::On;
    else if (kind == "off")
        cell.kind = Cell::Kind::Off;
    else if (kind == "ghost")
        cell.kind = Cell::Kind::Ghost;
    else if (parseColor(kind, cell.rgb))
        cell.kind = Cell::Kind::Color;
    else {
        error = "unknown palette entry: " + line;
        return false;
    }
    if (words.size() > 2) {
        if (words[2] == "eye")
            cell.mark = Cell::Mark::Eye;
        else if (words[2] == "mouth")
            cell.mark = Cell::Mark::Mouth;
    }
    palette_[line[0]] = cell;
    return true;
}

bool ArtBook::parse(const std::string& text, const std::string& origin, std::string& error) {
    enum class State { Top, Palette, Sprite } state = State::Top;
    std::string name;
    std::vector<std::string> rows;
    int lineNo = 0;
    auto finishSprite = [&]() -> bool {
        std::size_t width = 0;
        for (const auto& r : rows)
            width = std::max(width, r.size());
        Grid grid(static_cast<int>(width), static_cast<int>(rows.size()));
        for (std::size_t y = 0; y < rows.size(); ++y)
            for (std::size_t x = 0; x < rows[y].size(); ++x) {
                const char c = rows[y][x];
                if (c == ' ') continue;
                const auto found = palette_.find(c);
                if (found == palette_.end()) {
                    error = origin + ": sprite " + name + " uses '" + std::string(1, c) +
                            "', which the palette does not name";
                    return false;
                }
                grid.at(static_cast<int>(x), static_cast<int>(y)) = found->second;
            }
        if (!grids_.count(name)) order_.push_back(name);
        grids_[name] = std::move(grid);
        rows.clear();
        return true;
    };
    for (std::string line : textutil::splitLines(text)) {
        ++lineNo;
        const std::string trimmed = trim(line);
        if (!trimmed.empty() && trimmed[0] == ';') continue;
        switch (state) {
        case State::Top:
            if (trimmed.empty()) break;
            if (trimmed == "palette") {
                state = State::Palette;
            } else if (textutil::startsWith(trimmed, "sprite ")) {
                name = trim(trimmed.substr(7));
                state = State::Sprite;
            } else if (const auto eq = trimmed.find('='); eq != std::string::npos) {
                settings_[trim(trimmed.substr(0, eq))] = trim(trimmed.substr(eq + 1));
            } else {
                error = origin + ":" + std::to_string(lineNo) + ": not understood: " + trimmed;
                return false;
            }
            break;
        case State::Palette:
            if (trimmed.empty()) {
                state = State::Top;
                break;
            }
            if (!parsePaletteLine(trimmed, error)) {
                error = origin + ":" + std::to_string(lineNo) + ": " + error;
                return false;
            }
            break;
        case State::Sprite:
            while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
                line.pop_back();
            if (line.empty()) {
                if (!finishSprite()) return false;
                state = State::Top;
                break;
            }
            rows.push_back(line);
            break;
        }
    }
    if (state == State::Sprite && !finishSprite()) return false;
    return true;
}

const Grid& ArtBook::grid(const std::string& name) const {
    const auto found = grids_.find(name);
    if (found == grids_.end()) throw std::runtime_error("missing sprite: " + name);
    return found->second;
}

std::string ArtBook::setting(const std::string& key, const std::string& fallback) const {
    const auto found = settings_.find(key);
    return found == settings_.end() ? fallback : found->second;
}
