// The keyboard: arrow keys held and repeated, A+C together, the keys that leave the buttons
// alone, and the typed sequence of the Cheats menu.
#include "tests/device/CareDevice.h"

namespace {

using Keyboard = CareDevice;

bool cheatsShown(Form1& form) {
    return form.options.cheatsShown;
}

TEST_F(Keyboard, AHeldKeyIsOnePressHoweverLongItRepeats) {
    sim.run("key 37 down\nkey 37 down\nkey 37 down");
    EXPECT_EQ(dev().SelectedIcon, 0);
    EXPECT_TRUE(pet().ButtonAPressed);
    sim.run("key 37 up");
    EXPECT_FALSE(pet().ButtonAPressed);
    sim.run("key 37 down\nkey 37 down\nkey 37 up");
    EXPECT_EQ(dev().SelectedIcon, 1);
    // B acts on the key going down, once.
    sim.run("key 40 down\nkey 40 down");
    EXPECT_TRUE(el().LightMenu.visible);
    EXPECT_EQ(dev().MenuIndex, pet().LightMenuIndex) << "the repeat did not confirm the menu";
    sim.run("key 40 up\nkey 39 down\nkey 39 up");
    EXPECT_FALSE(el().LightMenu.visible);
    EXPECT_FALSE(pet().ButtonBPressed);
    EXPECT_FALSE(pet().ButtonCPressed);
}

// Switching the sound off with Left then Right is in buttons_keyboard.sim; this is the way back.
TEST_F(Keyboard, RightThenLeftSwitchesTheSoundBackOnAndIsHeard) {
    f().options.sound = false;
    sounds();
    sim.run("key 39 down\nkey 37 down");
    EXPECT_TRUE(f().options.sound);
    EXPECT_EQ(sounds(), std::vector<std::string>{"\\sounds\\turnsnd.wav"});
    EXPECT_EQ(dev().SelectedIcon, 7) << "C removed the highlight, A did not bring one";
    sim.run("key 37 up");
    EXPECT_TRUE(dev().ComboHeld) << "the right key is still held";
}

TEST_F(Keyboard, AThenCOnADeadPetStartsANewEggOnTheFirstRelease) {
    pet().CharacterNo = 12;
    sim.run("key 37 down\nkey 39 down");
    EXPECT_TRUE(f().options.sound) << "no sound switch for the angel";
    EXPECT_TRUE(dev().ComboHeld);
    sounds();
    sim.run("key 39 up");
    EXPECT_EQ(pet().CharacterNo, 0);
    EXPECT_TRUE(dev().ComboHeld);
    std::vector<std::string> heard = sounds();
    ASSERT_FALSE(heard.empty());
    EXPECT_EQ(heard.back(), "\\sounds\\reset.wav");
    sim.run("key 37 up");
    EXPECT_FALSE(dev().ComboHeld);
    EXPECT_EQ(pet().CharacterNo, 0);
    EXPECT_TRUE(sounds().empty()) << "the second release starts nothing";
}

TEST_F(Keyboard, TheBackViewTakesNoArrowKeys) {
    el().BackView.visible = true;
    sim.run("key 37 down\nkey 40 down\nkey 39 down");
    EXPECT_FALSE(pet().ButtonAPressed);
    EXPECT_FALSE(pet().ButtonBPressed);
    EXPECT_FALSE(pet().ButtonCPressed);
    EXPECT_EQ(dev().SelectedIcon, 7);
    EXPECT_FALSE(pet().TimerScreen);
    // Held on the front and let go on the back: the flag stays, as the key-up was not seen.
    el().BackView.visible = false;
    sim.run("key 37 down");
    el().BackView.visible = true;
    sim.run("key 37 up");
    EXPECT_TRUE(pet().ButtonAPressed);
}

TEST_F(Keyboard, EnterOpensThePopUpMenu) {
    const int before = sim.script().desktop.popups;
    sim.run("key 13 down\nkey 13 up");
    EXPECT_EQ(sim.script().desktop.popups, before + 1);
    EXPECT_EQ(dev().SelectedIcon, 7);
}

TEST_F(Keyboard, OtherKeysBreakTheSequenceAndBackspaceTakesOneBack) {
    // Four wrong letters are dropped together, so the right ones that follow count from the start.
    sim.run("type QZVQ");
    EXPECT_EQ(pet().CheatCode, "");
    sim.run("type QZVK");
    EXPECT_TRUE(cheatsShown(f()));
    sim.run("type QZVK");
    ASSERT_FALSE(cheatsShown(f()));

    for (const char* breaker : {"key 40 down", "key 49 down", "key 32 down", "key 37 down"}) {
        sim.run("type QZ");
        sim.run(breaker);
        EXPECT_EQ(pet().CheatCode, "") << breaker;
        sim.run("type VK");
        EXPECT_FALSE(cheatsShown(f())) << breaker;
        sim.run("key 40 up\nkey 37 up\nkey 8 down");
        EXPECT_EQ(pet().CheatCode, "V") << "backspace removed the K";
        sim.run("key 8 down\nkey 8 down");
        EXPECT_EQ(pet().CheatCode, "");
    }
    sim.run("type QZVX\ntype QZVKK");
    EXPECT_TRUE(cheatsShown(f()));
    EXPECT_EQ(pet().CheatCode, "K");
    sim.run("key 8 down\ntype QZX\nkey 8 down\ntype VK");
    EXPECT_FALSE(cheatsShown(f())) << "a mistyped letter taken back with backspace";
}

TEST_F(Keyboard, TheCheatsMenuStaysGreyedBehindTheSheet) {
    pet().InsulatingSheet = 1;
    sim.run("type QZVK");
    EXPECT_TRUE(cheatsShown(f()));
    EXPECT_FALSE(f().menuItem(MenuId::mCheats).enabled);
}

} // namespace
