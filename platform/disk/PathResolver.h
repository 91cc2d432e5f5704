// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>

// The program writes names the way its asset tree was first laid out: backslashes, and letter case
// that varies ("\Chars\" and "\chars\"). This finds the file a name means on a case-sensitive disk:
// each component is matched exactly if it exists, else without regard to ASCII letter case.
std::optional<std::filesystem::path> resolvePath(const std::string& name);
