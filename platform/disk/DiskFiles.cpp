// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/disk/DiskFiles.h"

#include "platform/disk/PathResolver.h"

#include <algorithm>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

bool DiskFiles::exists(const std::string& path) const {
    std::error_code error;
    auto resolved = resolvePath(path);
    return resolved && fs::is_regular_file(*resolved, error);
}

std::vector<std::string> DiskFiles::listFolder(const std::string& path) const {
    std::vector<std::string> names;
    auto resolved = resolvePath(path);
    if (!resolved) return names;
    std::error_code error;
    for (fs::directory_iterator it(*resolved, error), last; !error && it != last; it.increment(error))
        names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<std::vector<std::string>> DiskFiles::readLines(const std::string& path) const {
    auto resolved = resolvePath(path);
    std::error_code error;
    if (!resolved || !fs::is_regular_file(*resolved, error) ||
        fs::file_size(*resolved, error) > MaxTextFileSize)
        return std::nullopt;
    std::ifstream in(*resolved, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
    }
    return lines;
}
