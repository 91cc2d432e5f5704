// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Which of Qt's platforms the desktop toy runs on, and at which scales. It needs global window
// positions, a shaped window and "always on top", which Wayland does not grant ordinary clients;
// XWayland does.
struct DisplayChoice {
    std::optional<std::string> platform; // a value for QT_QPA_PLATFORM to set, if any
    // The toy's pixel art stays crisp only at whole-number scales: a QT_SCALE_FACTOR such as
    // 1.5 is replaced by the whole number it rounds to (at least 1), and so is each factor in
    // QT_SCREEN_SCALE_FACTORS ("1;1.5" or "DP-1=1;HDMI-1=1.5"). Nothing when already whole.
    std::optional<std::string> scaleFactor;
    std::optional<std::string> screenScaleFactors;
};

// `environment` returns a variable's value, or nothing when it is not set. An explicit
// QT_QPA_PLATFORM always wins; a Wayland session with XWayland (DISPLAY set) runs on xcb;
// a Wayland session without it runs natively (see nativeWaylandWarning).
DisplayChoice chooseDisplay(const std::function<std::optional<std::string>(const char*)>& environment);

// Whether Qt's platform (QGuiApplication::platformName) is native Wayland, where the
// compositor alone places windows: they move through its own window move, and none can be
// put back at a saved place or kept on top.
bool isNativeWayland(const std::string& platformName);
// The one line said on stderr on such a platform.
std::string nativeWaylandWarning();

// Where Qt looks for its platform plug-ins: `qtPlugins` (Qt's own plug-in folder) and the folders
// of QT_PLUGIN_PATH with "platforms" added, and those of QT_QPA_PLATFORM_PLUGIN_PATH as they are.
std::vector<std::filesystem::path>
platformPluginFolders(const std::filesystem::path& qtPlugins,
                      const std::function<std::optional<std::string>(const char*)>& environment);
// Whether one of `folders` holds Qt's Wayland platform plug-in (Debian's qt6-wayland): without it
// a Wayland display that is there looks like one that cannot be reached.
bool hasWaylandPlugin(const std::vector<std::filesystem::path>& folders);
