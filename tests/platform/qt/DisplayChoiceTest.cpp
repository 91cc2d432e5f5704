// SPDX-License-Identifier: GPL-3.0-or-later
// Which Qt platform the desktop toy picks in X11 and Wayland sessions.
#include "platform/qt/common/DisplayChoice.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>
#include <map>

namespace {

DisplayChoice choose(const std::map<std::string, std::string>& variables) {
    return chooseDisplay([&](const char* name) -> std::optional<std::string> {
        const auto found = variables.find(name);
        return found == variables.end() ? std::nullopt : std::optional<std::string>(found->second);
    });
}

TEST(DisplayChoiceTest, WaylandUsesXWaylandWhenThereAndNativeWaylandIsRecognised) {
    EXPECT_EQ(choose({{"DISPLAY", ":0"}}).platform, std::nullopt); // plain X11: Qt's own choice
    EXPECT_EQ(choose({{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}}).platform, "xcb");
    EXPECT_EQ(choose({{"XDG_SESSION_TYPE", "wayland"}, {"DISPLAY", ":1"}}).platform, "xcb");
    // Without XWayland Qt's own choice stands: native Wayland.
    EXPECT_EQ(choose({{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ""}}).platform, std::nullopt);
    // The user's own choice wins.
    EXPECT_EQ(choose({{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}, {"QT_QPA_PLATFORM", "wayland"}})
                  .platform,
              std::nullopt);
    // Whichever way it was reached, the platform Qt runs on decides the compositor's window move.
    EXPECT_TRUE(isNativeWayland("wayland"));
    EXPECT_TRUE(isNativeWayland("wayland-egl"));
    EXPECT_FALSE(isNativeWayland("xcb"));
    EXPECT_FALSE(isNativeWayland("offscreen"));
}

// Qt's Wayland plug-in is looked for where Qt looks: its own folder and the plug-in paths of the
// environment (QT_PLUGIN_PATH's folders hold a "platforms" folder, QT_QPA_PLATFORM_PLUGIN_PATH's
// are such folders).
TEST(DisplayChoiceTest, TheWaylandPluginIsFoundWhereQtLooks) {
    QTemporaryDir dir;
    const std::filesystem::path top = dir.path().toStdString();
    for (const char* folder : {"qt/platforms", "user/platforms", "direct"})
        std::filesystem::create_directories(top / folder);
    std::ofstream(top / "qt/platforms/libqxcb.so") << "x";
    auto folders = [&](std::map<std::string, std::string> variables) {
        return platformPluginFolders(top / "qt", [&](const char* name) -> std::optional<std::string> {
            const auto found = variables.find(name);
            return found == variables.end() ? std::nullopt : std::optional<std::string>(found->second);
        });
    };
    const std::string paths = (top / "user").string() + ":/nonexistent:";
    EXPECT_FALSE(hasWaylandPlugin(folders({})));
    EXPECT_FALSE(hasWaylandPlugin(folders({{"QT_PLUGIN_PATH", paths}})));
    std::ofstream(top / "user/platforms/libqwayland-generic.so") << "x";
    EXPECT_FALSE(hasWaylandPlugin(folders({})));
    EXPECT_TRUE(hasWaylandPlugin(folders({{"QT_PLUGIN_PATH", paths}})));
    std::ofstream(top / "direct/libqwayland-egl.so") << "x";
    EXPECT_TRUE(hasWaylandPlugin(folders({{"QT_QPA_PLATFORM_PLUGIN_PATH", (top / "direct").string()}})));
    std::ofstream(top / "qt/platforms/libqwayland-egl.so") << "x";
    EXPECT_TRUE(hasWaylandPlugin(folders({})));
}

TEST(DisplayChoiceTest, ScaleFactorsBecomeWholeNumbers) {
    EXPECT_EQ(choose({{"QT_SCALE_FACTOR", "1.5"}}).scaleFactor, "2");
    EXPECT_EQ(choose({{"QT_SCALE_FACTOR", "1.4"}}).scaleFactor, "1");
    EXPECT_EQ(choose({{"QT_SCALE_FACTOR", "0.6"}}).scaleFactor, "1"); // never below one
    EXPECT_EQ(choose({{"QT_SCALE_FACTOR", "2"}}).scaleFactor, std::nullopt);
    EXPECT_EQ(choose({{"QT_SCALE_FACTOR", "big"}}).scaleFactor, std::nullopt);
    EXPECT_EQ(choose({}).scaleFactor, std::nullopt);
    // Per-screen factors, by position or by screen name; whole and unreadable entries stay as
    // they are, and so does the separator layout.
    EXPECT_EQ(choose({{"QT_SCREEN_SCALE_FACTORS", "1;1.5"}}).screenScaleFactors, "1;2");
    EXPECT_EQ(choose({{"QT_SCREEN_SCALE_FACTORS", "2.5;0.75;x"}}).screenScaleFactors, "3;1;x");
    EXPECT_EQ(choose({{"QT_SCREEN_SCALE_FACTORS", "DP-1=1.25;HDMI-1=1.75"}}).screenScaleFactors,
              "DP-1=1;HDMI-1=2");
    EXPECT_EQ(choose({{"QT_SCREEN_SCALE_FACTORS", "odd=name=1.5;"}}).screenScaleFactors, "odd=name=2;");
    EXPECT_EQ(choose({{"QT_SCREEN_SCALE_FACTORS", "1;2"}}).screenScaleFactors, std::nullopt);
    EXPECT_EQ(choose({{"QT_SCREEN_SCALE_FACTORS", "VGA-1=2;=3"}}).screenScaleFactors, std::nullopt);
    EXPECT_EQ(choose({}).screenScaleFactors, std::nullopt);
}

} // namespace
