// SPDX-License-Identifier: GPL-3.0-or-later
// pipling-sim --check on the shipped program folder (clean), on damaged copies of it (each fault
// reported once, with what is used instead or a suggestion) and on folders that are no skin,
// plug-in or program folder at all.
#include "tools/sim/Checker.h"
#include "tests/TestTree.h"
#include "tools/sim/CheckerWalk.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace {

const std::string Bin = PIPLING_BIN_DIR;

// The problem lines, as the command prints them.
std::vector<std::string> problems(const std::vector<CheckLine>& lines) {
    std::vector<std::string> found;
    for (const CheckLine& line : lines)
        if (line.problem()) found.push_back(line.text());
    return found;
}

std::string joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items)
        text += "\n  " + item;
    return text;
}

class CheckerTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(fs::path(Bin) / "default.ini"))
            GTEST_SKIP() << "no default asset tree in " << Bin << " (built with PIPLING_ASSETS=OFF?)";
    }
    // A program folder to damage: the shipped one, without the programs.
    void copyShipped() {
        for (const auto& entry : fs::directory_iterator(Bin))
            if (entry.is_directory() || entry.path().filename() == "default.ini")
                fs::copy(entry.path(), tree.root() / entry.path().filename(), fs::copy_options::recursive);
    }
    void append(const std::string& relative, const std::string& text) {
        std::ofstream(tree.root() / relative, std::ios::app) << text;
    }
    TestTree tree{false};
};

TEST_F(CheckerTest, TheShippedProgramFolderAndEachOfItsSkinsAndPluginsAreUsable) {
    const std::vector<CheckLine> lines = checkFolder(Bin, Bin);
    EXPECT_EQ(joined(problems(lines)), "");
    // It lists what it looked at: the shared pictures, every skin, every plug-in's inherited files.
    std::set<std::string> listed;
    for (const CheckLine& line : lines)
        listed.insert(line.text());
    for (const char* expected :
         {"ok default.ini", "ok other/heart.gif", "ok skins/Mint/front.gif", "ok Chars/05/char.ini",
          "ok sounds/beep.wav", "ok instruct/page01.gif", "ok plugins/Winter/plugin.ini",
          "inherits plugins/Winter/other/heart.gif: the program's other/heart.gif is used"})
        EXPECT_TRUE(listed.count(expected)) << expected;
    for (const std::string sub : {"skins/Default", "skins/Mint", "skins/Midnight", "plugins/Winter"}) {
        std::ostringstream out, err;
        EXPECT_EQ(runCheck(Bin + "/" + sub, Bin, out, err), 0) << sub << out.str();
        EXPECT_TRUE(out.str().ends_with("usable in " + Bin + "/" + sub + "\n")) << out.str();
    }
}

TEST_F(CheckerTest, EveryFaultInADamagedCopyIsReportedOnceWithWhatHelps) {
    copyShipped();
    tree.remove("other/heart.gif");
    tree.garbage("skins/Mint/front.gif");
    tree.picture("skins/Midnight/back.gif", 10, 10);
    tree.picture("plugins/Winter/other/meal0.gif", 7, 7);
    append("skins/Mint/skin.ini", "buttona.lft = 300\nbuttonb.top = abc\nbuttonc.top = 99999\nhide = Go\n");
    append("Chars/03/char.ini", "walk = yes\neat.left = 300px\n");
    append("default.ini", "pipscr.left = 1e9\nhungyr = Peckish\n");
    fs::rename(tree.root() / "plugins/Winter/instruct/page02.gif",
               tree.root() / "plugins/Winter/instruct/pge02.gif");
    tree.picture("plugins/Winter/other/bad name!.gif", 4, 3);
    tree.remove("sounds/beep.wav");
    tree.remove("Chars/07/char.ini");

    const std::vector<std::string> expected = {
        "key default.ini: unknown key \"hungyr\", did you mean \"hungry\"?",
        "value default.ini: 1e9 is beyond -32768 to 32767 twips; it reads as 32767 (key \"pipscr.left\")",
        // The smaller back view leaves the reset button that default.ini places beyond it.
        "value default.ini: the reset button at 270, 976 (135 by 135 twips) lies off the shell: "
        "skins/Midnight/back.gif is 150 by 150 twips (15 twips a pixel)",
        "missing other/heart.gif: nothing is shown there",
        "size skins/Midnight/back.gif: 10x10, but skins/Default/back.gif is ",
        "undecodable skins/Mint/front.gif: not a picture the program can read",
        "key skins/Mint/skin.ini: unknown key \"buttona.lft\", did you mean \"buttona.left\"?",
        "value skins/Mint/skin.ini: \"abc\" is not a number; it reads as 0 (key \"buttonb.top\")",
        "value skins/Mint/skin.ini: 99999 is beyond -32768 to 32767 twips; it reads as 32767 (key "
        "\"buttonc.top\")",
        "key skins/Mint/skin.ini: unknown key \"hide\": only default.ini and plugin.ini read it",
        "value Chars/03/char.ini: \"yes\" reads as false; write true or false (key \"walk\")",
        "value Chars/03/char.ini: \"300px\" is not a number; it reads as 300 (key \"eat.left\")",
        "missing Chars/07/char.ini: the character keeps the places of the one before",
        "missing sounds/beep.wav: the toy beeps instead",
        "size plugins/Winter/other/meal0.gif: 7x7, but other/meal0.gif is ",
        "name plugins/Winter/other/bad name!.gif: use only letters, digits, space, \".\", \"-\" and \"_\"",
        "unused plugins/Winter/other/bad name!.gif: the program never looks for it",
        "unused plugins/Winter/instruct/pge02.gif: the program never looks for it, did you mean page02.gif?",
    };
    std::vector<std::string> found = problems(checkFolder(tree.appDir(), tree.appDir()));
    // Sizes of the shipped pictures are the artist's: compare up to them.
    for (std::string& line : found)
        line = std::regex_replace(line, std::regex(R"( is \d+x\d+$)"), " is ");
    std::sort(found.begin(), found.end());
    std::vector<std::string> wanted = expected;
    std::sort(wanted.begin(), wanted.end());
    EXPECT_EQ(joined(found), joined(wanted));

    std::ostringstream out, err;
    EXPECT_EQ(runCheck(tree.appDir(), tree.appDir(), out, err), 1);
    EXPECT_TRUE(out.str().ends_with(std::to_string(wanted.size()) + " problems in " + tree.appDir() + "\n"))
        << out.str();
}

TEST_F(CheckerTest, ASkinOrPluginOutsideTheProgramFolderLinesUpWithTheGivenOne) {
    fs::copy(fs::path(Bin) / "skins/Mint", tree.root() / "Sunset", fs::copy_options::recursive);
    EXPECT_EQ(joined(problems(checkFolder(tree.appDir() + "/Sunset", Bin))), "");
    tree.picture("Sunset/button1.gif", 3, 3);
    tree.remove("Sunset/front.gif");
    tree.remove("Sunset/skin.ini");
    const std::vector<CheckLine> lines = checkFolder(tree.appDir() + "/Sunset", Bin);
    std::vector<std::string> found = problems(lines);
    ASSERT_EQ(found.size(), 2u) << joined(found);
    EXPECT_EQ(found[0], "missing front.gif: nothing replaces it: the toy keeps the picture it showed before");
    EXPECT_TRUE(found[1].starts_with("size button1.gif: 3x3, but skins/Default/button1.gif is ")) << found[1];
    // A missing skin.ini is no problem: the buttons keep the program's places.
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const CheckLine& line) {
        return line.text() == "inherits skin.ini: the buttons stay where default.ini puts them";
    }));

    fs::create_directories(tree.root() / "Snow/other");
    tree.text("Snow/plugin.ini", "name = Snow\ndefaultskin = Nowhere\ndefaultskn = Mint\n");
    EXPECT_EQ(
        joined(problems(checkFolder(tree.appDir() + "/Snow", Bin))),
        joined({"value plugin.ini: no skin folder \"Nowhere\" in the program folder (key \"defaultskin\")",
                "key plugin.ini: unknown key \"defaultskn\", did you mean \"defaultskin\"?"}));
}

TEST_F(CheckerTest, AFolderThatIsNoneOfThemIsAProblemAndNoFolderIsBadUse) {
    std::ostringstream out, err;
    EXPECT_EQ(runCheck(tree.appDir(), Bin, out, err), 1);
    EXPECT_EQ(out.str(),
              "empty .: no default.ini, skin.ini, front.gif or plugin.ini here: not a program folder, "
              "a skin or a plug-in\n1 problem in " +
                  tree.appDir() + "\n");
    EXPECT_EQ(runCheck(tree.appDir() + "/nowhere", Bin, out, err), 2);
    EXPECT_EQ(err.str(), "pipling-sim: --check needs a folder; \"" + tree.appDir() + "/nowhere\" is none\n");
}

TEST_F(CheckerTest, SaysWhatStopsTheToyAndWhatAnAuthorMostOftenGetsWrong) {
    copyShipped();
    tree.remove("skins/Default/front.gif");
    // Saved in another format, and a button placed in pixels instead of twips.
    fs::copy(tree.root() / "skins/Mint/front.gif", tree.root() / "skins/Mint/front.png");
    tree.remove("skins/Mint/front.gif");
    append("skins/Midnight/skin.ini", "buttonb.left = 40\nbuttonb.top = 9000\n");
    // A Latin-1 folder name from an old archive, and a UTF-8 one.
    fs::rename(tree.root() / "plugins/Winter", tree.root() / "plugins/Hiver \xE9t\xE9");
    fs::copy(tree.root() / "skins/Midnight", tree.root() / "skins/Caf\xC3\xA9", fs::copy_options::recursive);
    std::ofstream(tree.root() / "skins/Caf\xC3\xA9/skin.ini", std::ios::trunc) << "name = Caf\xC3\xA9\n";

    std::vector<std::string> found = problems(checkFolder(tree.appDir(), tree.appDir()));
    std::sort(found.begin(), found.end());
    const std::string midnight = "value skins/Midnight/skin.ini: button B at 40, 9000 (";
    ASSERT_EQ(found.size(), 4u) << joined(found);
    EXPECT_EQ(found[0],
              "missing skins/Default/front.gif: the toy refuses to start without it, since every skin "
              "falls back to this one");
    EXPECT_EQ(found[1],
              "missing skins/Mint/front.gif: nothing replaces it: the toy keeps the picture it showed "
              "before; there is a front.png, but the program reads only front.gif");
    EXPECT_TRUE(found[2].starts_with("name plugins/Hiver \\xE9t\\xE9/: the name is not UTF-8 (byte 0xE9"))
        << found[2];
    EXPECT_TRUE(found[3].starts_with(midnight) &&
                found[3].find("lies off the shell: skins/Midnight/front.gif is ") != std::string::npos)
        << found[3];

    // Alone, each one says so too, in the singular where there is one problem.
    std::ostringstream out, err;
    EXPECT_EQ(runCheck(tree.appDir() + "/plugins/Hiver \xE9t\xE9", tree.appDir(), out, err), 1);
    EXPECT_EQ(out.str().find("undecodable"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("ok plugin.ini"), std::string::npos) << out.str();
    EXPECT_TRUE(out.str().ends_with("\n1 problem in " + tree.appDir() + "/plugins/Hiver \xE9t\xE9\n"))
        << out.str();
    std::ostringstream utf8;
    EXPECT_EQ(runCheck(tree.appDir() + "/skins/Caf\xC3\xA9", tree.appDir(), utf8, err), 0) << utf8.str();
    tree.garbage("skins/Default/front.gif");
    const auto again = problems(checkFolder(tree.appDir() + "/skins/Default", tree.appDir()));
    ASSERT_EQ(again.size(), 1u) << joined(again);
    EXPECT_EQ(again[0], "undecodable front.gif: not a picture the program can read; the toy refuses to start "
                        "without it, since every skin falls back to this one");
}

// The checker's sound list is its own; every sound the device plays must be on it.
TEST(CheckerSoundsTest, EverySoundTheSourcesPlayIsChecked) {
    const std::regex sound(R"(\\\\sounds\\\\([a-z0-9]+\.wav))");
    std::set<std::string> played;
    for (const char* folder : {"app", "device", "pet", "shell", "platform"})
        for (const auto& entry :
             fs::recursive_directory_iterator(fs::path(PIPLING_TEST_DIR) / ".." / folder)) {
            if (!entry.is_regular_file()) continue;
            std::ifstream in(entry.path());
            const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            for (auto it = std::sregex_iterator(text.begin(), text.end(), sound);
                 it != std::sregex_iterator(); ++it)
                played.insert((*it)[1]);
        }
    ASSERT_GE(played.size(), 10u);
    for (const std::string& name : played)
        EXPECT_TRUE(std::count(checker::Sounds.begin(), checker::Sounds.end(), name)) << name;
}

TEST(CheckerWordsTest, SuggestsOnlyNearWords) {
    const std::vector<std::string> keys = {"buttona.left", "buttona.top", "hide", "walk"};
    EXPECT_EQ(closestWord("buttona.lfet", keys), "buttona.left"); // swapped letters
    EXPECT_EQ(closestWord("butona.top", keys), "buttona.top");
    EXPECT_EQ(closestWord("wakl", keys), "walk");
    EXPECT_EQ(closestWord("colour", keys), "");
    EXPECT_EQ(closestWord("hide", keys), ""); // a known word needs no suggestion
}

} // namespace
