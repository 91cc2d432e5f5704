// Character pictures, the character description file and the display name.
#include "tests/Sim.h"
#include "tests/TestTree.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class CharacterFilesTest : public TreeDevice {
protected:
    CharacterFilesTest() { tree.completeBaseTree("Default", {0, 3, 7}); }
};

TEST_F(CharacterFilesTest, CharacterSevenUsesFolderZeroSeven) {
    Form1& f = start("store CharacterNo 7\n").form();
    EXPECT_EQ(f.layout.OriginalLeft, 707);
    EXPECT_EQ(f.layout.OriginalTop, 1007);
    EXPECT_TRUE(f.layout.CanWalk);
    const ElementSet& e = f.elements;
    EXPECT_EQ(at(e.TempChar[3]), "/chars/07/3.gif");
    EXPECT_EQ(at(e.TempPlay[2]), "/chars/07/play2.gif");
    EXPECT_EQ(at(e.TempIcon[7]), "/chars/07/7.ico");
    EXPECT_EQ(at(e.TempDropping[1]), "/chars/07/stool1.gif");
    EXPECT_EQ(at(e.TempNegative[0]), "/chars/07/no0.gif");
    // The unhappy animation swings back through its first frame.
    EXPECT_EQ(at(e.TempUnhappy[0]), "/chars/07/unhp0.gif");
    EXPECT_EQ(at(e.TempUnhappy[1]), "/chars/07/unhp1.gif");
    EXPECT_EQ(at(e.TempUnhappy[2]), "/chars/07/unhp0.gif");
    EXPECT_EQ(at(e.TempUnhappy[3]), "/chars/07/unhp2.gif");
}

TEST_F(CharacterFilesTest, EggLoadsOnlyItsIdleFramesAndIcons) {
    Form1& f = start("store CharacterNo 3\n").form();
    f.pet.CharacterNo = 0;
    f.DoLoadCharacter();
    const ElementSet& e = f.elements;
    EXPECT_EQ(at(e.TempChar[2]), "/chars/00/2.gif");
    EXPECT_EQ(at(e.TempIcon[2]), "/chars/00/2.ico");
    EXPECT_EQ(at(e.TempChar[3]), "/chars/03/3.gif");
    EXPECT_EQ(at(e.TempIcon[3]), "/chars/03/3.ico");
    EXPECT_EQ(at(e.TempEat[0]), "/chars/03/eat0.gif");
    EXPECT_EQ(at(e.TempSleep[1]), "/chars/03/sleep1.gif");
}

TEST_F(CharacterFilesTest, EggPlacementMovesThePet) {
    Form1& f = start().form();
    f.elements.PipChar.move(0, 0);
    f.DoGetCharacterIni("");
    EXPECT_EQ(f.elements.PipChar.left, 900);
    EXPECT_EQ(f.elements.PipChar.top, 1020);
    EXPECT_EQ(f.layout.EggShakeRight, 915);
    EXPECT_EQ(f.layout.EggHatchTop, 990);
}

TEST_F(CharacterFilesTest, EveryActionPlaceIsRead) {
    Form1& f = start("store CharacterNo 3\n").form();
    const LayoutState& l = f.layout;
    const int16_t places[] = {l.EatLeft,      l.EatTop,     l.NoLeft,    l.NoTop,       l.SickLeft,
                              l.SickTop,      l.HappyLeft,  l.HappyTop,  l.UnhappyLeft, l.UnhappyTop,
                              l.PlayLeft,     l.PlayTop,    l.SleepLeft, l.SleepTop,    l.DyingLeft,
                              l.DyingTop,     l.Stool0Left, l.Stool0Top, l.Stool1Left,  l.Stool1Top,
                              l.LayAnEggLeft, l.LayAnEggTop};
    for (std::size_t i = 0; i < std::size(places); ++i)
        EXPECT_EQ(places[i], (i % 2 == 0 ? 600 : 1050) + static_cast<int>(i / 2) * 10) << "place " << i;
    EXPECT_EQ(l.OriginalLeft, 800);
}

TEST_F(CharacterFilesTest, WalkIsAWordNotANumber) {
    Form1& f = start("store CharacterNo 3\n").form();
    const std::pair<const char*, bool> cases[] = {{"TRUE", true}, {"yes", false}, {"True", true},
                                                  {"1", false},   {"true", true}, {"-1", false},
                                                  {"true ", true}};
    for (const auto& [value, walks] : cases) {
        tree.text("Chars/03/char.ini", std::string("walk = ") + value + "\n");
        f.DoGetCharacterIni("");
        EXPECT_EQ(f.layout.CanWalk, walks) << value;
    }
    tree.text("Chars/03/char.ini", "walk =\n");
    f.DoGetCharacterIni("");
    EXPECT_TRUE(f.layout.CanWalk); // an empty value is skipped
}

TEST_F(CharacterFilesTest, PluginDescriptionOverridesOnlyTheKeysItNames) {
    Form1& f = start("store Plugins Lang\nstore CharacterNo 3\n").form();
    EXPECT_EQ(f.layout.EatLeft, 333);
    EXPECT_EQ(f.layout.EatTop, 1050);
    EXPECT_EQ(f.layout.OriginalLeft, 800);
}

TEST_F(CharacterFilesTest, PositionsFollowTheArgumentPicturesFollowTheStoredPlugin) {
    tree.picture("plugins/Pics/Chars/03/0.gif");
    Form1& f = start("store CharacterNo 3\n").form();
    f.pet.Plugins = "Pics";
    f.DoGetCharacterIni("Lang");
    f.DoLoadCharacter();
    EXPECT_EQ(f.layout.EatLeft, 333);
    EXPECT_EQ(at(f.elements.TempChar[0]), "/plugins/pics/chars/03/0.gif");
    EXPECT_EQ(at(f.elements.TempChar[1]), "/chars/03/1.gif");
}

TEST_F(CharacterFilesTest, MissingOrGarbageDescriptionKeepsEveryPlace) {
    Form1& f = start("store CharacterNo 3\n").form();
    f.pet.CharacterNo = 5; // has no folder at all
    f.DoGetCharacterIni("");
    f.DoLoadCharacter();
    EXPECT_EQ(f.layout.OriginalLeft, 800);
    EXPECT_EQ(at(f.elements.TempChar[0]), "/chars/03/0.gif");

    f.pet.CharacterNo = 3;
    std::string junk(70000, '\0');
    for (std::size_t i = 0; i < junk.size(); ++i)
        junk[i] = static_cast<char>((i * 131) % 251);
    tree.text("Chars/03/char.ini", junk + "\neat.top=" + std::string(300, '7') + "\n" + junk);
    f.DoGetCharacterIni("");
    EXPECT_EQ(f.layout.OriginalLeft, 800);
    EXPECT_EQ(f.layout.EatTop, 32767);

    f.pet.CharacterNo = -3; // outside the characters: names no folder
    f.DoGetCharacterIni("");
    f.DoLoadCharacter();
    EXPECT_EQ(f.layout.OriginalLeft, 800);
}

TEST_F(CharacterFilesTest, DisplayNameIsTheCaptionOfTheCharactersMenuItem) {
    Form1& f = start("store Plugins Lang\nstore CharacterNo 3\n").form();
    EXPECT_EQ(f.pet.CharacterName, "Sprout");
    EXPECT_EQ(f.menuItem(MenuId::mCharacterName).caption, "Sprout");
    f.pet.CharacterNo = 11;
    f.DoSetCharacterName();
    EXPECT_EQ(f.pet.CharacterName, "Strangelo (Secret Character)");
    f.pet.CharacterNo = 13;
    f.DoSetCharacterName();
    EXPECT_EQ(f.pet.CharacterName, "Strangelo (Secret Character)");
}

} // namespace
