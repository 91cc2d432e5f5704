// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/disk/PathResolver.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool sameIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

} // namespace

std::optional<fs::path> resolvePath(const std::string& name) {
    if (name.empty()) return std::nullopt;
    std::string normal = name;
    std::replace(normal.begin(), normal.end(), '\\', '/');
    fs::path result = normal.front() == '/' ? fs::path("/") : fs::path(".");
    std::size_t start = 0;
    while (start <= normal.size()) {
        std::size_t end = normal.find('/', start);
        if (end == std::string::npos) end = normal.size();
        std::string part = normal.substr(start, end - start);
        start = end + 1;
        if (part.empty() || part == ".") continue;
        std::error_code error;
        fs::path exact = result / part;
        if (part == ".." || fs::exists(exact, error)) {
            result = exact;
            continue;
        }
        bool found = false;
        for (fs::directory_iterator it(result, error), last; !error && it != last; it.increment(error)) {
            if (sameIgnoringCase(it->path().filename().string(), part)) {
                result = it->path();
                found = true;
                break;
            }
        }
        if (!found) return std::nullopt;
    }
    return result;
}
