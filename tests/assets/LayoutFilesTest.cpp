// The label file and the skin file: captions, tooltips, positions and the recorded button places.
#include "tests/Sim.h"
#include "tests/TestTree.h"

#include <gtest/gtest.h>

namespace {

class LayoutFilesTest : public TreeDevice {
protected:
    // Reads a label file of the given lines as the base program's.
    Form1& readLabels(const std::string& lines) {
        Form1& f = sim ? sim->form() : start().form();
        tree.text("default.ini", lines);
        f.DoGetLayoutIni("");
        return f;
    }
    std::string caption(MenuId item) { return sim->form().menuItem(item).caption; }
};

TEST_F(LayoutFilesTest, TestTreeLabelsAndPositionsArrive) {
    Form1& f = start().form();
    const ElementSet& e = f.elements;
    EXPECT_EQ(e.PipScr.left, 375);
    EXPECT_EQ(e.PipScr.top, 780);
    EXPECT_EQ(e.PipIcon[6].left, 1155);
    EXPECT_EQ(e.AttendIcon.top, 1755);
    EXPECT_EQ(e.DungImage[7].left, 375);
    EXPECT_EQ(e.ButtonA.toolTip, "Select");
    EXPECT_EQ(e.ResetButton.toolTip, "Reset");
    EXPECT_EQ(f.layout.AgeToolTip, "Age");
    EXPECT_EQ(f.layout.DisciplineToolTip, "Discipline");
    // The "all" keys set one edge of every element of their set; the left edges stay their own.
    for (const Element& heart : e.Heart)
        EXPECT_EQ(heart.top, 1300);
    for (const Element& bar : e.SmallBar)
        EXPECT_EQ(bar.top, 1400);
    EXPECT_EQ(e.Heart[3].left, 800);
    EXPECT_EQ(e.SmallBar[13].left, 1600);
    // Some keys place an element and keep the value; others only keep it.
    EXPECT_EQ(e.Water.left, 1200);
    EXPECT_EQ(f.layout.WaterLeft, 1200);
    EXPECT_EQ(f.layout.WaterTop, 1005);
    EXPECT_EQ(e.Angel.left, 900);
    EXPECT_EQ(f.layout.AngelLeft, 900);
    EXPECT_EQ(e.AgeDigit[1].left, 690);
    EXPECT_EQ(f.layout.AgeDigit1Left, 690);
    EXPECT_EQ(f.layout.AgeDigit0Top, 1100);
    EXPECT_EQ(f.layout.StarsTop, 1010);
    EXPECT_EQ(f.layout.RArrowLeft, 450);
    EXPECT_EQ(f.layout.MealSnack0Top, 1030);
    EXPECT_EQ(f.layout.AgeDigit1DeathTop, 1040);
    EXPECT_EQ(e.RightArrow.left, 0); // "rarrow.left" is a stored place, not the arrow's own position
}

TEST_F(LayoutFilesTest, LineRulesOfTheLabelFile) {
    start();
    Form1& f = readLabels("  HIDE  =  Go away \n"
                          "  pipscr.left  =  300abc  \n"
                          "; pipscr.top = 1\n"
                          "x;pipscr.top=2\n"
                          "[Section]\n"
                          "Sound On = Sound: on\n"
                          "agetooltip = a = b\n");
    EXPECT_EQ(caption(MenuId::mPopupStatus), "Go away");
    EXPECT_EQ(caption(MenuId::mPopupSound), "Sound: on");
    EXPECT_EQ(f.layout.AgeToolTip, "a = b");
    EXPECT_EQ(f.elements.PipScr.left, 300);
    EXPECT_EQ(f.elements.PipScr.top, 780); // neither the comment nor "x;pipscr.top" moved it

    readLabels("hide=\npipscr.left=\n");
    EXPECT_EQ(caption(MenuId::mPopupStatus), ""); // an empty caption is a caption
    EXPECT_EQ(f.elements.PipScr.left, 300);       // an empty position is skipped

    const std::pair<const char*, int> values[] = {
        {"abc", 0}, {"2.5", 2}, {"3.5", 4}, {"-15", -15}, {"99999", 32767}};
    for (const auto& [value, expected] : values) {
        readLabels(std::string("pipscr.left=") + value + "\n");
        EXPECT_EQ(f.elements.PipScr.left, expected) << value;
    }

    readLabels("hungry=One\nHUNGRY=Two\n");
    EXPECT_EQ(caption(MenuId::mCheatAttention0), "Two");
}

TEST_F(LayoutFilesTest, BothSpellingsOfATwoKeyLabelWork) {
    start();
    readLabels("alwaysontop=Pinned\nauto show=Pop "
               "up\ncolors=Paint\nbuttonb=Go\nresetbutton=Again\nok=Yes\ncancel=No\n");
    EXPECT_EQ(caption(MenuId::mPopupOnTop), "Pinned");
    EXPECT_EQ(caption(MenuId::mPopupAutoShow), "Pop up");
    EXPECT_EQ(caption(MenuId::mPopupChangeSkin), "Paint");
    EXPECT_EQ(sim->form().elements.ButtonB.toolTip, "Go");
    EXPECT_EQ(sim->form().elements.ResetButton.toolTip, "Again");
    EXPECT_EQ(sim->form().pet.OKButtonText, "Yes");
    EXPECT_EQ(sim->form().pet.CancelButtonText, "No");
}

TEST_F(LayoutFilesTest, SkinFileMovesOnlyTheButtonsAndWinsOverTheLabelFile) {
    Form1& f = start().form();
    // default.ini puts button A at 600; the Default skin moves it to 615 and cannot move the screen.
    EXPECT_EQ(f.elements.ButtonA.left, 615);
    EXPECT_EQ(f.elements.PipScr.left, 375);
    // The recorded places are those of the label file, taken before the skin moved the buttons.
    EXPECT_EQ(f.pet.ButtonALeft, 600);
    EXPECT_EQ(f.pet.ButtonBTop, 2130);
    EXPECT_EQ(f.pet.ResetButtonLeft, 270);
}

TEST_F(LayoutFilesTest, MissingSkinFileLeavesTheButtonsWhereTheLabelFilePutThem) {
    tree.remove("skins/Default/skin.ini");
    Form1& f = start().form();
    EXPECT_EQ(f.elements.ButtonA.left, 600);
}

TEST_F(LayoutFilesTest, PluginLabelFileTranslatesWithoutClearingOrRecording) {
    Form1& f = start("store Plugins Lang\n").form();
    EXPECT_EQ(caption(MenuId::mCheatAttention0), "Hunger");
    EXPECT_EQ(caption(MenuId::mCheatChar3), "Sprout");
    EXPECT_EQ(caption(MenuId::mCheatAttention2), "Discipline"); // not named by the plug-in
    EXPECT_EQ(f.layout.AgeToolTip, "Years");
    EXPECT_EQ(f.layout.WeightToolTip, "Weight"); // kept from default.ini: plugin.ini clears nothing
    EXPECT_EQ(f.elements.ButtonA.toolTip, "Select");
    EXPECT_EQ(f.elements.PipScr.left, 390);

    // Button places are recorded only from default.ini.
    tree.text("plugins/Lang/plugin.ini", "buttona.left = 111\n");
    f.elements.ButtonA.left = 5;
    f.DoGetLayoutIni("Lang");
    EXPECT_EQ(f.pet.ButtonALeft, 600);
    EXPECT_EQ(f.elements.ButtonA.left, 615); // the skin file still has the last word
}

TEST_F(LayoutFilesTest, PluginWithoutLabelFileFallsBackToDefaultAndClearsTooltipsFirst) {
    Form1& f = start().form();
    tree.text("default.ini", "hide=Away\n"); // names no tooltips at all
    f.elements.ButtonC.toolTip = "stale";
    f.layout.HappyToolTip = "stale";
    f.pet.ButtonALeft = -1;
    f.DoGetLayoutIni("NoLabels");
    EXPECT_EQ(caption(MenuId::mPopupStatus), "Away");
    EXPECT_EQ(f.elements.ButtonC.toolTip, "");
    EXPECT_EQ(f.layout.HappyToolTip, "");
    EXPECT_EQ(f.pet.ButtonALeft, 615); // recorded after default.ini: the button's place at that moment
}

TEST_F(LayoutFilesTest, MissingLabelFileChangesNothingAndSkipsTheSkinFile) {
    Form1& f = start().form();
    tree.remove("default.ini");
    f.elements.ButtonA.left = 1;
    f.elements.ButtonA.toolTip = "kept?";
    f.DoGetLayoutIni("");
    EXPECT_EQ(f.elements.ButtonA.left, 1);
    EXPECT_EQ(f.elements.ButtonA.toolTip, ""); // cleared before the file was looked for
    EXPECT_EQ(f.elements.PipScr.left, 375);
    EXPECT_EQ(caption(MenuId::mCheatAttention0), "Hungry");
}

TEST_F(LayoutFilesTest, GarbageLabelFileKeepsEverythingItDoesNotSayClearly) {
    Form1& f = start().form();
    std::string junk;
    for (int i = 0; i < 4096; ++i)
        junk += static_cast<char>((i * 7919) & 0xFF);
    tree.text("default.ini", junk + "\n" + std::string(1 << 20, 'q') +
                                 "\npipscr.top=" + std::string(5000, '9') + "\n=\n==\n" + junk);
    f.DoGetLayoutIni("");
    EXPECT_EQ(f.elements.PipScr.left, 375);
    EXPECT_EQ(f.elements.PipScr.top, 32767);
    EXPECT_EQ(caption(MenuId::mPopupClose), "Exit");
    sim->run("tick 10\ndump");
}

} // namespace
