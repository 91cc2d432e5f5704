#include "platform/qt/common/DisplayChoice.h"

DisplayChoice chooseDisplay(const std::function<std::optional<std::string>(const char*)>& environment) {
    auto set = [&](const char* name) {
        const auto value = environment(name);
        return value && !value->empty();
    };
    if (set("QT_QPA_PLATFORM")) return {};
    const auto session = environment("XDG_SESSION_TYPE");
    const bool wayland = set("WAYLAND_DISPLAY") || (session && *session == "wayland");
    if (!wayland) return {};
    if (set("DISPLAY")) return {std::string("xcb"), {}};
    return {std::nullopt, "a Wayland session without XWayland: the toy cannot go back to its saved "
                          "position or stay always on top (drag it where you want it)"};
}
