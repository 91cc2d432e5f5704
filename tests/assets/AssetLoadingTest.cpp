// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures, icons and pointers: where each one is looked for, and what stays when a file is
// missing or damaged.
#include "assets/Chooser.h"
#include "shell/Instructions.h"
#include "tests/Sim.h"
#include "tests/TestTree.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class AssetLoadingTest : public TreeDevice {
protected:
    AssetLoadingTest() { tree.completeBaseTree("Default", {0, 3}); }
};

TEST_F(AssetLoadingTest, BaseProgramTakesEveryPictureFromItsNamedFile) {
    start();
    EXPECT_EQ(at(e().FrontView), "/skins/default/front.gif");
    EXPECT_EQ(at(e().ButtonB), "/skins/default/button0.gif");
    EXPECT_EQ(at(e().PipScr), "/other/pipscr.gif");
    EXPECT_EQ(at(e().LargeNumber[9]), "/other/l9.gif");
    EXPECT_EQ(at(e().SecondIndex[0]), "/other/second0.gif");
    EXPECT_EQ(at(e().TempChangingScreen[7]), "/other/change7.gif");
    EXPECT_EQ(at(e().PipIcon[6]), "/other/pipicon6.gif");
    EXPECT_EQ(at(e().Meter[2]), "/other/meter2.gif");
    EXPECT_EQ(at(e().TempMeal[3]), "/other/meal3.gif");
    EXPECT_EQ(at(e().TempMeal[5]), "/other/snack1.gif"); // snacks follow the four meals
    EXPECT_EQ(at(e().Heart[3]), "/other/heart.gif");
    EXPECT_EQ(at(e().SmallBar[13]), "/other/smallbar.gif");
    EXPECT_EQ(at(e().TempDark[2]), "/other/dark2.gif");
    EXPECT_EQ(at(e().DungIcon[1]), "/other/dung1.ico");
    EXPECT_EQ(at(e().TempDung[1]), "/other/dung1.gif");
    EXPECT_EQ(at(e().LightMenu), "/other/lightmnu.gif");
    EXPECT_EQ(at(e().PlayResult), "/other/playresu.gif");
    EXPECT_EQ(at(e().NullIcon), "/other/null.ico");
    EXPECT_EQ(at(e().ButtonC.pointer), "/other/push.cur");
    EXPECT_EQ(at(e().ResetButton.pointer), "/other/point.cur");
    EXPECT_EQ(at(sim->form().window.icon), "/skins/default/skin.ico");
    // The skin's reset pictures replace the shared ones, and the reset button shows the first.
    EXPECT_EQ(at(e().ResetStatus[1]), "/skins/default/reset1.gif");
    EXPECT_EQ(at(e().ResetButton), "/skins/default/reset0.gif");
    // Pictures size their elements: 4 by 3 pixels.
    EXPECT_EQ(e().PipScr.width, 60);
    EXPECT_EQ(e().PipScr.height, 45);
}

TEST_F(AssetLoadingTest, PluginReplacesExactlyThePicturesItBrings) {
    tree.picture("plugins/Hearts/other/heart.gif");
    tree.picture("plugins/Hearts/skins/Default/front.gif");
    start("store Plugins Hearts\n");
    for (const Element& heart : e().Heart)
        EXPECT_EQ(at(heart), "/plugins/hearts/other/heart.gif");
    EXPECT_EQ(at(e().FrontView), "/plugins/hearts/skins/default/front.gif");
    EXPECT_EQ(at(e().BackView), "/skins/default/back.gif");
    EXPECT_EQ(at(e().Meter[0]), "/other/meter0.gif");
    EXPECT_EQ(at(e().TempChar[0]), "/chars/00/0.gif");
}

TEST_F(AssetLoadingTest, DamagedOrMissingFilesKeepThePictureTheyWouldReplace) {
    tree.garbage("plugins/Broken/other/heart.gif");  // damaged in the plug-in: the base one serves
    tree.garbage("plugins/Broken/other/attend.gif"); // damaged in both: the old picture stays
    Sim& s = start();
    tree.garbage("other/attend.gif");
    tree.remove("other/meter0.gif");
    tree.garbage("other/front.cur");
    tree.remove("other/back.cur");
    s.form().DoGetPlugins("Broken");
    EXPECT_EQ(at(e().Heart[0]), "/other/heart.gif");
    EXPECT_EQ(at(e().AttendIcon), "/other/attend.gif");
    EXPECT_TRUE(e().AttendIcon.picture);
    EXPECT_EQ(at(e().Meter[0]), "/other/meter0.gif");
    // A pointer that cannot be made is the standard arrow.
    EXPECT_FALSE(e().FrontView.pointer);
    EXPECT_FALSE(e().BackView.pointer);
}

TEST_F(AssetLoadingTest, NamesThatLeaveTheAssetTreeFindNothing) {
    tree.picture("outside/other/heart.gif"); // reachable from plugins/ by ".."
    Sim& s = start();
    Form1& f = s.form();
    for (const std::string plugin : {"..", "../outside", "..\\outside", "a/b", "."}) {
        f.DoGetPlugins(plugin);
        EXPECT_EQ(at(e().Heart[0]), "/other/heart.gif") << plugin;
    }
    Element probe;
    f.DoLoadPicture("", probe, "\\plugins\\..\\outside\\other\\", "heart.gif");
    f.DoLoadPicture("", probe, "\\other\\", "..\\outside\\other\\heart.gif");
    f.DoLoadPicture("", probe, "other\\", "heart.gif");
    f.DoLoadPicture("", probe, "\\\\", "heart.gif");
    EXPECT_FALSE(probe.picture);
    f.pet.CurrentSkin = "..";
    f.DoGetPlugins("");
    EXPECT_EQ(at(e().FrontView), "/skins/default/front.gif");
}

TEST_F(AssetLoadingTest, FoldersNamedInAnotherEncodingLoadAsTheyAreListed) {
    // Latin-1 names from an old archive: the byte 0xE9 alone is no UTF-8.
    const std::string skin = "Caf\xE9", plugin = "Th\xE9";
    tree.picture("skins/" + skin + "/front.gif", 50, 60);
    tree.picture("skins/" + skin + "/button1.gif", 9, 9);
    tree.picture("plugins/" + plugin + "/other/heart.gif", 6, 6);
    tree.picture("plugins/" + plugin + "/instruct/page01.gif", 30, 20);
    Sim& s = start();
    s.run("menu mPopupChangeSkin");
    const auto& names = s.form().chooser->List1;
    const auto row = std::find(names.begin(), names.end(), skin) - names.begin();
    ASSERT_LT(row, static_cast<long>(names.size()));
    s.run("window Form3 select " + std::to_string(row) + "\nwindow Form3 ok");
    EXPECT_EQ(s.form().pet.CurrentSkin, skin);
    EXPECT_EQ(at(e().FrontView), "/skins/caf\xE9/front.gif");
    EXPECT_EQ(e().FrontView.width, 50 * 15);
    s.run("down A");
    EXPECT_EQ(at(e().ButtonA), "/skins/caf\xE9/button1.gif");
    s.run("up A");
    s.form().pet.Plugins = plugin;
    s.form().DoGetPlugins(plugin);
    EXPECT_EQ(at(e().Heart[0]), "/plugins/th\xE9/other/heart.gif");
    s.run("menu mPopupInstructions");
    ASSERT_TRUE(s.form().booklet);
    EXPECT_EQ(at(s.form().booklet->Picture1), "/plugins/th\xE9/instruct/page01.gif");
    // The stored name brings the same shell back at the next start.
    s.run("window Form4 key 27 down\nquit");
    s.reopen();
    s.run("start");
    EXPECT_EQ(s.form().pet.CurrentSkin, skin);
    EXPECT_EQ(at(e().FrontView), "/skins/caf\xE9/front.gif");
}

TEST_F(AssetLoadingTest, AStoredSkinWhoseFrontViewDoesNotDecodeFallsBackToDefault) {
    // Start-up asks what the loader asks: not only that the file is there, but that it decodes.
    tree.garbage("skins/Plain/front.gif");
    tree.picture("plugins/Mend/skins/Twin/front.gif", 40, 40);
    tree.garbage("skins/Twin/front.gif");
    Sim& s = start("store CurrentSkin Plain\n");
    EXPECT_EQ(s.form().pet.CurrentSkin, "Default");
    EXPECT_EQ(at(e().FrontView), "/skins/default/front.gif");
    EXPECT_EQ(s.settings().value("CurrentSkin").toString(), "Default");
    // A plug-in that brings the skin's front view keeps the skin usable, as the loader finds it.
    Sim& t = start("store CurrentSkin Twin\nstore Plugins Mend\n");
    EXPECT_EQ(t.form().pet.CurrentSkin, "Twin");
    EXPECT_EQ(at(e().FrontView), "/plugins/mend/skins/twin/front.gif");
}

TEST_F(AssetLoadingTest, APressShowsTheButtonPicturesFoundWhenTheSkinWasPutOn) {
    tree.picture("skins/Default/button1.gif", 9, 9);
    tree.picture("skins/Plain/front.gif", 40, 40);
    Sim& s = start();
    // Deleted while the skin is in use: the pictures found at the change go on showing.
    tree.remove("skins/Default/button1.gif");
    tree.remove("skins/Default/button0.gif");
    s.run("down B");
    EXPECT_EQ(at(e().ButtonB), "/skins/default/button1.gif");
    EXPECT_EQ(e().ButtonB.width, 9 * 15);
    s.run("up B");
    EXPECT_EQ(at(e().ButtonB), "/skins/default/button0.gif");
    // Files that appear later wait for the next change of skin; the change sees them at once.
    tree.picture("skins/Plain/button1.gif", 7, 7);
    s.run("menu mPopupChangeSkin\nwindow Form3 select 2\nwindow Form3 ok");
    ASSERT_EQ(s.form().pet.CurrentSkin, "Plain");
    tree.picture("skins/Plain/button0.gif", 8, 8);
    s.run("press A");
    EXPECT_EQ(at(e().ButtonA), "/skins/plain/button1.gif")
        << "the released picture was missing at the change";
    tree.picture("skins/Default/button1.gif", 5, 5);
    s.run("menu mPopupChangeSkin\nwindow Form3 select 0\nwindow Form3 ok\ndown C");
    EXPECT_EQ(s.form().pet.CurrentSkin, "Default");
    EXPECT_EQ(e().ButtonC.width, 5 * 15);
    // A plug-in change looks again as well, through the plug-in first.
    tree.picture("plugins/Press/skins/Default/button1.gif", 6, 6);
    s.run("up C");
    s.form().pet.Plugins = "Press";
    s.form().DoGetPlugins("Press");
    s.run("down A");
    EXPECT_EQ(at(e().ButtonA), "/plugins/press/skins/default/button1.gif");
}

} // namespace
