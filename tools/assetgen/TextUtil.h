// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// Small text helpers shared by the art readers.
namespace textutil {

std::string trim(const std::string& text);
std::string lower(std::string text);
std::vector<std::string> splitLines(const std::string& text);
std::vector<std::string> splitWords(const std::string& text);
bool readFile(const std::string& path, std::string& text);
bool startsWith(const std::string& text, const std::string& prefix);
// A decimal number, read the same in every locale ("0.5" is a half even where the user writes
// "0,5"); throws std::invalid_argument when the whole text is not a number.
double toDouble(const std::string& text);

} // namespace textutil
