// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Files;

// One "key = value" line of a description file (label file, skin file, character file). The key
// is trimmed and lower-cased and may hold inner spaces; the value is trimmed, keeps its letter
// case and may itself contain "=".
struct DescriptionLine {
    std::string key;
    std::string value;
};

// Splits one line by the shared rules: spaces (not tabs) trimmed at both ends, ";" starts a
// comment, a line without "=" carries nothing, the first "=" splits. Empty result for lines that
// carry nothing.
std::optional<DescriptionLine> parseDescriptionLine(std::string_view line);

// Reads a whole description file into its meaningful lines, in file order, so a key that occurs
// twice takes effect twice and the last occurrence wins. Text that is not valid UTF-8 is taken as
// Windows-1252, the 8-bit encoding the files were first written in, and converted to UTF-8.
// Empty result when the file does not exist or cannot be read.
std::optional<std::vector<DescriptionLine>> readDescriptionFile(const Files& files, const std::string& path);

// The number a position value stands for: its leading numeric part (sign, decimal point,
// exponent, blanks inside the number skipped, "&H" hexadecimal and "&O" octal), rounded to the
// nearest whole number with ties to the even one. Text without a numeric part reads as 0; values
// beyond the 16-bit range are clamped to it.
int16_t descriptionNumber(std::string_view value);

// ASCII lower case; other bytes unchanged.
std::string lowerAscii(std::string_view text);
