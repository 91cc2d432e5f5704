// SPDX-License-Identifier: GPL-3.0-or-later
// Autostart entries: one file per pet, any name kept inside the folder, and an Exec line that
// hands the pet's exact name back to the program.
#include "platform/disk/Autostart.h"
#include "tests/TestTree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace fs = std::filesystem;

namespace {

TEST(AutostartTest, EachPetHasItsOwnEntryThatComesAndGoes) {
    TestTree tree(false);
    const fs::path folder = tree.root() / "config" / "autostart";
    EXPECT_EQ(setAutostart(folder, "/usr/bin/pipling", "Rosie", true), "");
    EXPECT_EQ(setAutostart(folder, "/usr/bin/pipling", "Pipling", true), "");
    EXPECT_EQ(setAutostart(folder, "/usr/bin/pipling", "Rosie", true), ""); // twice is once
    std::set<std::string> files;
    for (const auto& entry : fs::directory_iterator(folder))
        files.insert(entry.path().filename().string());
    EXPECT_EQ(files, (std::set<std::string>{"pipling-simulator-Rosie.desktop",
                                            "pipling-simulator-Pipling.desktop"}));
    const std::string rosie = fileBytes(folder / "pipling-simulator-Rosie.desktop");
    EXPECT_NE(rosie.find("\nExec=\"/usr/bin/pipling\" \"Rosie\"\n"), std::string::npos) << rosie;
    EXPECT_TRUE(rosie.starts_with("[Desktop Entry]\nType=Application\n")) << rosie;

    EXPECT_EQ(setAutostart(folder, "/usr/bin/pipling", "Rosie", false), "");
    EXPECT_FALSE(fs::exists(folder / "pipling-simulator-Rosie.desktop"));
    EXPECT_TRUE(fs::exists(folder / "pipling-simulator-Pipling.desktop"));
    EXPECT_EQ(setAutostart(folder, "/usr/bin/pipling", "Rosie", false), ""); // already off
}

TEST(AutostartTest, AnyNameMapsToOneFileInsideTheFolderAndIsQuotedForExec) {
    EXPECT_EQ(autostartFileName("../x"), "pipling-simulator-_2E_2E_2Fx.desktop");
    EXPECT_NE(autostartFileName("a b"), autostartFileName("a_b"));
    EXPECT_NE(autostartFileName("Rosie"), autostartFileName("rosie"));
    const std::string entry = autostartEntry("/opt/my pets/pipling", "Mr \"Big\" $HOME 100% \\o/\nX");
    EXPECT_NE(
        entry.find("\nExec=\"/opt/my pets/pipling\" \"Mr \\\\\"Big\\\\\" \\\\$HOME 100%% \\\\\\\\o/X\"\n"),
        std::string::npos)
        << entry;
    // A line break in the name must not start a line of its own in the entry.
    EXPECT_EQ(std::count(entry.begin(), entry.end(), '\n'), 8) << entry;
}

} // namespace
