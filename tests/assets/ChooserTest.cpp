// SPDX-License-Identifier: GPL-3.0-or-later
// The chooser on the small test tree, where a test can change files under the running toy:
// what it reloads and what it leaves, the preselected row, an empty list, and the skin the
// program falls back to at start-up.
#include "assets/Chooser.h"
#include "platform/disk/IniSettingsStore.h"
#include "shell/Sheet.h"
#include "tests/Sim.h"
#include "tests/TestTree.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

class ChooserTest : public TreeDevice {
protected:
    Form3& chooser() { return *sim->form().chooser; }
};

TEST_F(ChooserTest, ChoosingTheOpenSkinOrPluginReloadsNothing) {
    Sim& s = start("store Plugins Lang\n");
    const PictureHandle front = e().FrontView.picture;
    // The files change under the running toy: a reload would show it.
    tree.picture("skins/Default/front.gif", 30, 30);
    tree.text("plugins/Lang/plugin.ini", "name = Lang\nHungry = Starving\n");
    s.run("menu mPopupChangeSkin\nwindow Form3 ok");
    EXPECT_EQ(e().FrontView.picture, front);
    s.run("menu mPopupPlugins");
    EXPECT_EQ(chooser().selectedFolder(), "Lang");
    s.run("window Form3 ok");
    EXPECT_EQ(s.form().menuItem(MenuId::mCheatAttention0).caption, "Hunger");
    EXPECT_FALSE(s.form().chooser);
}

TEST_F(ChooserTest, RowZeroIsPreselectedWhenNoEntryMatches) {
    // "1st" sorts before "<Default>", so row 0 is not the program's own entry.
    tree.text("plugins/Alpha/plugin.ini", "name = 1st Frost\ndescription = First\ndescription = Last wins\n");
    Sim& s = start();
    s.run("menu mPopupPlugins");
    EXPECT_EQ(chooser().List1.front(), "1st Frost");
    EXPECT_EQ(chooser().ListIndex, 0);
    EXPECT_EQ(chooser().selectedFolder(), "Alpha");
    EXPECT_EQ(chooser().Text1, "Last wins");
}

TEST_F(ChooserTest, AnEmptySkinsFolderLeavesOkDisabled) {
    Sim& s = start();
    fs::remove_all(tree.root() / "skins");
    fs::create_directories(tree.root() / "skins");
    s.run("menu mPopupChangeSkin\nwindow Form3 ok");
    ASSERT_TRUE(s.form().chooser);
    EXPECT_TRUE(chooser().List1.empty());
    EXPECT_FALSE(chooser().Command1Enabled);
    EXPECT_EQ(chooser().Text1, "");
    s.run("window Form3 cancel");
    EXPECT_FALSE(s.form().chooser);
    EXPECT_EQ(s.form().pet.CurrentSkin, "Default");
    EXPECT_TRUE(s.form().window.enabled);
}

TEST_F(ChooserTest, EveryRowLeadsToItsOwnFolderWhateverItsNameHolds) {
    // Names that begin like "Plain" and go on with a tab or another character below the space,
    // which the padding of the mapping list is made of.
    tree.text("skins/Tabbed/skin.ini", "name = Plain\tTabbed\ndescription = tab\n");
    tree.text("skins/Control/skin.ini", "name = Plain\x01\ndescription = control\n");
    tree.picture("skins/Tabbed/front.gif", 40, 40);
    Sim& s = start();
    s.run("menu mPopupChangeSkin");
    const Form3& c = chooser();
    ASSERT_EQ(c.List1.size(), 6u);
    ASSERT_EQ(c.List3.size(), c.List1.size());
    for (std::size_t row = 0; row < c.List1.size(); ++row) {
        s.run("window Form3 select " + std::to_string(row));
        const std::string& shown = c.List1[row];
        EXPECT_EQ(c.List3[row].substr(0, shown.size()), shown) << row;
        const std::string folder = c.selectedFolder();
        const std::string expected = shown == "Plain\tTabbed" ? "Tabbed"
                                     : shown == "Plain\x01"   ? "Control"
                                                              : "";
        if (!expected.empty()) {
            EXPECT_EQ(folder, expected) << row;
        }
    }
    const auto tabbed = std::find(c.List1.begin(), c.List1.end(), "Plain\tTabbed") - c.List1.begin();
    s.run("window Form3 select " + std::to_string(tabbed) + "\nwindow Form3 ok");
    EXPECT_EQ(s.form().pet.CurrentSkin, "Tabbed");
    EXPECT_EQ(at(e().FrontView), "/skins/tabbed/front.gif");
}

TEST_F(ChooserTest, APluginBringsItsOwnSheetPicture) {
    tree.picture("other/inssheet.gif", 78, 34);
    tree.picture("plugins/Snow/other/inssheet.gif", 70, 30);
    Sim& s = start("store InsulatingSheet 2\n");
    ASSERT_TRUE(s.form().sheet);
    EXPECT_EQ(at(s.form().sheet->Picture1), "/other/inssheet.gif");
    s.run("menu mPopupPlugins\nwindow Form3 select 3\nwindow Form3 ok");
    EXPECT_EQ(at(s.form().sheet->Picture1), "/plugins/snow/other/inssheet.gif");
    s.run("menu mPopupPlugins\nwindow Form3 select 0\nwindow Form3 ok");
    EXPECT_EQ(at(s.form().sheet->Picture1), "/other/inssheet.gif");
}

TEST_F(ChooserTest, AStoredSkinWithoutFrontViewFallsBackToDefault) {
    tree.text("skins/Gone/skin.ini", "buttona.left = 900\n");
    for (const char* stored : {"Gone", "Nowhere"}) {
        Sim& s = start(std::string("store CurrentSkin ") + stored + "\n");
        EXPECT_EQ(s.form().pet.CurrentSkin, "Default") << stored;
        EXPECT_EQ(at(e().FrontView), "/skins/default/front.gif") << stored;
        EXPECT_EQ(e().ButtonA.left, 615) << stored;
        // Remembered before anything else is saved.
        EXPECT_EQ(s.settings().value("CurrentSkin").toString(), "Default") << stored;
    }
}

TEST_F(ChooserTest, WithoutDefaultTheProgramStopsAndLeavesTheStoreAlone) {
    tree.remove("skins/Default/front.gif");
    Sim sim(tree.appDir());
    IniSettingsStore(sim.storeFile())
        .writeSection("Pipling", {{"InsulatingSheet", "0"}, {"CurrentSkin", "Plain"}});
    const std::string before = fileBytes(sim.storeFile());
    std::ostringstream out;
    int status = 0;
    {
        ScriptRunner runner(tree.appDir(), sim.storeFile(), out);
        std::istringstream script("store Hunger 2\nstart\ndump\n");
        status = runner.run(script);
        EXPECT_EQ(runner.device(), nullptr);
    }
    EXPECT_EQ(status, 1);
    EXPECT_NE(out.str().find(tree.appDir()), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("Default"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("\"line\": 2"), std::string::npos) << out.str();
    EXPECT_EQ(fileBytes(sim.storeFile()), before);
}

TEST_F(ChooserTest, APartlyDecodingPluginPictureGivesWayToTheProgramsOwn) {
    tree.picture("other/heart.gif", 7, 6);
    const std::string whole = TestTree::gifBytes(7, 6, Qt::blue);
    tree.text("plugins/Cut/other/heart.gif", whole.substr(0, whole.size() - 4));
    tree.text("plugins/Cut/other/skull.gif", whole);
    tree.picture("other/skull.gif", 7, 6);
    start("store Plugins Cut\n");
    EXPECT_EQ(at(e().Heart[0]), "/other/heart.gif");
    EXPECT_EQ(at(e().Skull), "/plugins/cut/other/skull.gif");
}

} // namespace
