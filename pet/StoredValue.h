// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Conversions of stored texts back into fields. Each returns nothing when the text does not
// convert or lies outside the range the caller allows, so the caller keeps the field as it is.
namespace StoredValue {

std::optional<int32_t> toInteger(const std::string& text, int32_t min, int32_t max);
// "True"/"False" in any letter case, or a number (non-zero is true).
std::optional<bool> toBoolean(const std::string& text);
std::optional<double> toSingle(const std::string& text, double min, double max);
// A single folder name: not empty, no separators, not "." or "..".
bool isFolderName(const std::string& text);

inline std::string fromBoolean(bool value) {
    return value ? "True" : "False";
}

} // namespace StoredValue
