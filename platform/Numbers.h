// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

// Numbers in text, read and written the same in every locale. The desktop adopts the user's
// locale, and the C library's conversions then read "0.5" as 0 where the decimal separator is a
// comma; stored values, scripts and description files must not depend on that.
namespace Numbers {

// A whole text as a decimal number ("12", "-0.5", "+3", "1e3"); nothing when any of it is not.
inline std::optional<double> parse(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// As printf's "%.<precision>g" writes it in the C locale.
inline std::string format(double value, int precision) {
    char text[48];
    const auto [end, error] =
        std::to_chars(text, text + sizeof text, value, std::chars_format::general, precision);
    return error == std::errc() ? std::string(text, end) : std::string();
}

} // namespace Numbers
