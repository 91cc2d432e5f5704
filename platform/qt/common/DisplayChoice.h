#pragma once

#include <functional>
#include <optional>
#include <string>

// Which of Qt's platforms the desktop toy runs on. It needs global window positions, a shaped
// window and "always on top", which Wayland does not grant ordinary clients; XWayland does.
struct DisplayChoice {
    std::optional<std::string> platform; // a value for QT_QPA_PLATFORM to set, if any
    std::string warning;                 // one line for stderr, empty when all works
    // The toy's pixel art stays crisp only at whole-number scales: a QT_SCALE_FACTOR such as
    // 1.5 is replaced by the whole number it rounds to (at least 1).
    std::optional<std::string> scaleFactor;
};

// `environment` returns a variable's value, or nothing when it is not set. An explicit
// QT_QPA_PLATFORM always wins; a Wayland session with XWayland (DISPLAY set) runs on xcb;
// a Wayland session without it runs natively and says what does not work there.
DisplayChoice chooseDisplay(const std::function<std::optional<std::string>(const char*)>& environment);
