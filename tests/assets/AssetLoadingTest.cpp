// Pictures, icons and pointers: where each one is looked for, and what stays when a file is
// missing or damaged.
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

} // namespace
