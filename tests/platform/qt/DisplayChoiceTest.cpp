// Which Qt platform the desktop toy picks in X11 and Wayland sessions.
#include "platform/qt/common/DisplayChoice.h"

#include <gtest/gtest.h>

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
