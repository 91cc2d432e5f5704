#include "platform/qt/common/DisplayChoice.h"

#include "platform/Numbers.h"

#include <algorithm>
#include <cmath>

namespace {

std::optional<std::string> wholeScale(const std::optional<std::string>& factor) {
    if (!factor || factor->empty()) return std::nullopt;
    // Qt reads the factor in the C locale whatever the user's locale, and so must we.
    const std::optional<double> parsed = Numbers::parse(*factor);
    if (!parsed || !std::isfinite(*parsed) || *parsed <= 0) return std::nullopt;
    const double value = *parsed;
    const long whole = std::max(1L, std::lround(value));
    if (static_cast<double>(whole) == value) return std::nullopt;
    return std::to_string(whole);
}

DisplayChoice choosePlatform(const std::function<std::optional<std::string>(const char*)>& environment);

} // namespace

DisplayChoice chooseDisplay(const std::function<std::optional<std::string>(const char*)>& environment) {
    DisplayChoice choice = choosePlatform(environment);
    choice.scaleFactor = wholeScale(environment("QT_SCALE_FACTOR"));
    return choice;
}

namespace {

DisplayChoice choosePlatform(const std::function<std::optional<std::string>(const char*)>& environment) {
    auto set = [&](const char* name) {
        const auto value = environment(name);
        return value && !value->empty();
    };
    if (set("QT_QPA_PLATFORM")) return {};
    const auto session = environment("XDG_SESSION_TYPE");
    const bool wayland = set("WAYLAND_DISPLAY") || (session && *session == "wayland");
    if (!wayland) return {};
    if (set("DISPLAY")) return {std::string("xcb"), {}, std::nullopt};
    return {std::nullopt,
            "a Wayland session without XWayland: the toy cannot go back to its saved "
            "position or stay always on top (drag it where you want it)",
            std::nullopt};
}

} // namespace
