// SPDX-License-Identifier: GPL-3.0-or-later
#include "LayoutFile.h"

#include "TextUtil.h"

#include <stdexcept>

using textutil::trim;

bool LayoutFile::load(const std::string& path, std::string& error) {
    std::string text;
    if (!textutil::readFile(path, text)) {
        error = "cannot read " + path;
        return false;
    }
    return parse(text, error);
}

void LayoutFile::add(const std::string& key, int twips) {
    entries_.push_back({key, twips});
    values_[key] = twips;
}

bool LayoutFile::parse(const std::string& text, std::string& error) {
    for (const std::string& raw : textutil::splitLines(text)) {
        const std::string line = trim(raw);
        if (line.empty() || line[0] == ';') continue;
        const auto eq = line.find('=');
        if (eq == std::string::npos) {
            error = "layout line without '=': " + line;
            return false;
        }
        const std::string key = textutil::lower(trim(line.substr(0, eq)));
        const auto words = textutil::splitWords(line.substr(eq + 1));
        if (words.size() != 2) {
            error = "layout value must be a unit and numbers: " + line;
            return false;
        }
        const std::string& unit = words[0];
        std::vector<int> numbers;
        try {
            std::size_t start = 0;
            while (start <= words[1].size()) {
                const auto comma = words[1].find(',', start);
                numbers.push_back(std::stoi(words[1].substr(start, comma - start)));
                if (comma == std::string::npos) break;
                start = comma + 1;
            }
        } catch (const std::exception&) {
            error = "layout numbers not understood: " + line;
            return false;
        }
        const bool leftOnly = key.size() > 5 && key.ends_with(".left");
        const bool topOnly = key.size() > 4 && key.ends_with(".top");
        if ((leftOnly || topOnly) != (numbers.size() == 1) || numbers.empty() || numbers.size() > 2) {
            error = "layout key and number count disagree: " + line;
            return false;
        }
        auto toTwips = [&](int value, bool horizontal) {
            if (unit == "tw") return value;
            if (unit == "px") return value * TwipsPerPixel;
            const int originPixels = horizontal ? origin_.x() : origin_.y();
            return (originPixels + value * DotPixels) * TwipsPerPixel;
        };
        if (unit != "tw" && unit != "px" && unit != "dot") {
            error = "unknown layout unit: " + line;
            return false;
        }
        if (key == "origin") {
            origin_ =
                QPoint(toTwips(numbers[0], true) / TwipsPerPixel, toTwips(numbers[1], false) / TwipsPerPixel);
            continue;
        }
        if (leftOnly)
            add(key, toTwips(numbers[0], true));
        else if (topOnly)
            add(key, toTwips(numbers[0], false));
        else {
            add(key + ".left", toTwips(numbers[0], true));
            add(key + ".top", toTwips(numbers[1], false));
        }
    }
    return true;
}

int LayoutFile::edgePixels(const std::string& key) const {
    const auto found = values_.find(key);
    if (found == values_.end()) throw std::runtime_error("layout has no " + key);
    return found->second / TwipsPerPixel;
}

QPoint LayoutFile::pixels(const std::string& element) const {
    return {edgePixels(element + ".left"), edgePixels(element + ".top")};
}
