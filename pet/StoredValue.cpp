// SPDX-License-Identifier: GPL-3.0-or-later
#include "pet/StoredValue.h"

#include "platform/Numbers.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace {

std::string trimmed(const std::string& text) {
    std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool equalsIgnoringCase(const std::string& a, const char* b) {
    std::size_t i = 0;
    for (; i < a.size() && b[i]; ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return i == a.size() && !b[i];
}

} // namespace

namespace StoredValue {

std::optional<int32_t> toInteger(const std::string& text, int32_t min, int32_t max) {
    std::string value = trimmed(text);
    if (!value.empty() && value.front() == '+') value.erase(0, 1);
    long long number = 0;
    auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (value.empty() || error != std::errc() || end != value.data() + value.size()) return std::nullopt;
    if (number < min || number > max) return std::nullopt;
    return static_cast<int32_t>(number);
}

std::optional<bool> toBoolean(const std::string& text) {
    std::string value = trimmed(text);
    if (equalsIgnoringCase(value, "true")) return true;
    if (equalsIgnoringCase(value, "false")) return false;
    if (auto number = toSingle(value, -1e30, 1e30)) return *number != 0;
    return std::nullopt;
}

std::optional<double> toSingle(const std::string& text, double min, double max) {
    std::string value = trimmed(text);
    if (value.empty()) return std::nullopt;
    const std::optional<double> number = Numbers::parse(value);
    if (!number || !std::isfinite(*number) || *number < min || *number > max) return std::nullopt;
    return number;
}

bool isFolderName(const std::string& text) {
    if (text.empty() || text == "." || text == "..") return false;
    for (char c : text)
        if (c == '/' || c == '\\' || c == '\0') return false;
    return true;
}

} // namespace StoredValue
