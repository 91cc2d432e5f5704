// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>

#include <map>
#include <string>
#include <vector>

// Reads art/layout.txt: where each screen element sits. Values are given in
// window pixels ("px"), twips ("tw") or screen dots ("dot", counted from the
// origin of the dot matrix) and come out as twips for default.ini.
class LayoutFile {
public:
    static constexpr int TwipsPerPixel = 15;
    static constexpr int DotPixels = 3;

    struct Entry {
        std::string key; // as written to default.ini, e.g. "pipicon0.left"
        int twips;
    };

    bool load(const std::string& path, std::string& error);
    bool parse(const std::string& text, std::string& error);

    const std::vector<Entry>& entries() const { return entries_; }
    // The position of an element in window pixels; both edges must be known.
    QPoint pixels(const std::string& element) const;
    int edgePixels(const std::string& key) const;
    int twips(const std::string& key) const { return values_.at(key); }
    bool has(const std::string& key) const { return values_.count(key) != 0; }

private:
    void add(const std::string& key, int twips);
    QPoint origin_;
    std::vector<Entry> entries_;
    std::map<std::string, int> values_;
};
