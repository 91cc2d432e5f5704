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

TEST(DisplayChoiceTest, WaylandUsesXWaylandWhenThereAndSaysWhatIsLostWhenNot) {
    EXPECT_EQ(choose({{"DISPLAY", ":0"}}).platform, std::nullopt); // plain X11: Qt's own choice
    EXPECT_EQ(choose({{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}}).platform, "xcb");
    EXPECT_EQ(choose({{"XDG_SESSION_TYPE", "wayland"}, {"DISPLAY", ":1"}}).platform, "xcb");
    const DisplayChoice native = choose({{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ""}});
    EXPECT_EQ(native.platform, std::nullopt);
    EXPECT_NE(native.warning.find("always on top"), std::string::npos) << native.warning;
    EXPECT_NE(native.warning.find("position"), std::string::npos) << native.warning;
    // The user's own choice wins, silently.
    const DisplayChoice own = choose({{"WAYLAND_DISPLAY", "wayland-0"}, {"QT_QPA_PLATFORM", "wayland"}});
    EXPECT_EQ(own.platform, std::nullopt);
    EXPECT_EQ(own.warning, "");
    EXPECT_EQ(choose({}).warning, "");
}

TEST(DisplayChoiceTest, ScaleFactorsBecomeWholeNumbers) {
    EXPECT_EQ(choose({{"QT_SCALE_FACTOR", "1.5"}}).scaleFactor, "2");
    EXPECT_EQ(choose({{"QT_SCALE_FACTOR", "1.4"}}).scaleFactor, "1");
    EXPECT_EQ(choose({{"QT_SCALE_FACTOR", "0.6"}}).scaleFactor, "1"); // never below one
    EXPECT_EQ(choose({{"QT_SCALE_FACTOR", "2"}}).scaleFactor, std::nullopt);
    EXPECT_EQ(choose({{"QT_SCALE_FACTOR", "big"}}).scaleFactor, std::nullopt);
    EXPECT_EQ(choose({}).scaleFactor, std::nullopt);
}

} // namespace
