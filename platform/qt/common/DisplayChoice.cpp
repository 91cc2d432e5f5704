// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/common/DisplayChoice.h"

#include "platform/Numbers.h"

#include <algorithm>
#include <cmath>

namespace {

// A factor as the whole number it rounds to (at least 1), or nothing when it already is whole
// or is no number Qt would read (Qt then ignores it, and so do we).
std::optional<std::string> wholeScale(std::string_view factor) {
    // Qt reads the factor in the C locale whatever the user's locale, and so must we.
    const std::optional<double> parsed = Numbers::parse(factor);
    if (!parsed || !std::isfinite(*parsed) || *parsed <= 0) return std::nullopt;
    const double value = *parsed;
    const long whole = std::max(1L, std::lround(value));
    if (static_cast<double>(whole) == value) return std::nullopt;
    return std::to_string(whole);
}

// Each ';'-separated entry is a factor, or a screen name, '=' and a factor (the name may itself
// hold '=', so the last one splits, as in Qt).
std::optional<std::string> wholeScreenScales(const std::string& factors) {
    std::string result;
    bool changed = false;
    std::size_t start = 0;
    while (start <= factors.size()) {
        const std::size_t end = std::min(factors.find(';', start), factors.size());
        const std::string entry = factors.substr(start, end - start);
        const std::size_t equals = entry.rfind('=');
        const std::size_t valueAt = equals == std::string::npos ? 0 : equals + 1;
        const std::optional<std::string> whole = wholeScale(std::string_view(entry).substr(valueAt));
        result += whole ? entry.substr(0, valueAt) + *whole : entry;
        changed = changed || whole;
        if (end == factors.size()) break;
        result += ';';
        start = end + 1;
    }
    return changed ? std::optional<std::string>(result) : std::nullopt;
}

std::optional<std::string>
choosePlatform(const std::function<std::optional<std::string>(const char*)>& environment) {
    auto set = [&](const char* name) {
        const auto value = environment(name);
        return value && !value->empty();
    };
    if (set("QT_QPA_PLATFORM")) return std::nullopt;
    const auto session = environment("XDG_SESSION_TYPE");
    const bool wayland = set("WAYLAND_DISPLAY") || (session && *session == "wayland");
    if (wayland && set("DISPLAY")) return std::string("xcb");
    return std::nullopt;
}

} // namespace

DisplayChoice chooseDisplay(const std::function<std::optional<std::string>(const char*)>& environment) {
    DisplayChoice choice;
    choice.platform = choosePlatform(environment);
    if (const auto factor = environment("QT_SCALE_FACTOR")) choice.scaleFactor = wholeScale(*factor);
    if (const auto factors = environment("QT_SCREEN_SCALE_FACTORS"))
        choice.screenScaleFactors = wholeScreenScales(*factors);
    return choice;
}

bool isNativeWayland(const std::string& platformName) {
    // Qt names its Wayland platforms "wayland" and "wayland-egl".
    return platformName.rfind("wayland", 0) == 0;
}

std::string nativeWaylandWarning() {
    return "on Wayland without XWayland the toy cannot go back to its saved position or stay "
           "always on top (drag it where you want it)";
}

std::vector<std::filesystem::path>
platformPluginFolders(const std::filesystem::path& qtPlugins,
                      const std::function<std::optional<std::string>(const char*)>& environment) {
    std::vector<std::filesystem::path> folders{qtPlugins / "platforms"};
    auto add = [&](const char* variable, const char* below) {
        const std::optional<std::string> list = environment(variable);
        if (!list) return;
        std::size_t start = 0;
        while (start <= list->size()) {
            const std::size_t end = std::min(list->find(':', start), list->size());
            if (end > start)
                folders.push_back(std::filesystem::path(list->substr(start, end - start)) / below);
            start = end + 1;
        }
    };
    add("QT_PLUGIN_PATH", "platforms");
    add("QT_QPA_PLATFORM_PLUGIN_PATH", "");
    return folders;
}

bool hasWaylandPlugin(const std::vector<std::filesystem::path>& folders) {
    for (const std::filesystem::path& folder : folders) {
        std::error_code error;
        for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
             entry.increment(error))
            if (entry->path().filename().string().rfind("libqwayland", 0) == 0) return true;
    }
    return false;
}
