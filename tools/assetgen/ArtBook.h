// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Grid.h"

#include <map>
#include <string>
#include <vector>

// Reads the pixel-grid art files. A file holds a palette and named grids:
//
//   ; a comment
//   palette
//   . = clear
//   # = on
//   o = off
//   e = on eye
//   w = #ffffff
//
//   sprite heart
//   .##.##.
//   #######
//
// A palette section and a grid each end at a blank line. A later palette
// section replaces earlier entries with the same character. Settings lines of
// the form `key = value` outside palette and grids are kept as text.
class ArtBook {
public:
    // Returns false and fills `error` when the file cannot be read or a grid uses an unknown character.
    bool load(const std::string& path, std::string& error);
    bool parse(const std::string& text, const std::string& origin, std::string& error);

    bool has(const std::string& name) const { return grids_.count(name) != 0; }
    const Grid& grid(const std::string& name) const;
    const std::vector<std::string>& names() const { return order_; }
    std::string setting(const std::string& key, const std::string& fallback = {}) const;
    const std::map<std::string, std::string>& settings() const { return settings_; }

private:
    bool parsePaletteLine(const std::string& line, std::string& error);
    std::map<char, Cell> palette_;
    std::map<std::string, Grid> grids_;
    std::vector<std::string> order_;
    std::map<std::string, std::string> settings_;
};
