// The three buttons in each state of the toy. (The icon cursor and the clock on B are driven by
// buttons_icons.sim.)
#include "tests/device/CareDevice.h"

#include <algorithm>

namespace {

using Buttons = CareDevice;

int visibleIcons(Form1& form) {
    int count = 0;
    for (const Element& icon : form.elements.PipIcon)
        count += icon.visible ? 1 : 0;
    return count;
}

TEST_F(Buttons, TheEggOnlyBeepsExceptForTheClock) {
    pet().CharacterNo = 0;
    sim.run("press A\npress C");
    EXPECT_EQ(dev().SelectedIcon, 7);
    EXPECT_EQ(visibleIcons(f()), 0);
    sim.run("press B");
    EXPECT_TRUE(pet().TimerScreen);
    sim.run("press B");
    EXPECT_FALSE(pet().TimerScreen);
}

TEST_F(Buttons, TheSheetMakesEveryButtonInert) {
    pet().InsulatingSheet = 1;
    pet().AttendTimeLeft = 120;
    sim.run("press A\npress B\nkey 37 down\nkey 37 up\nkey 40 down\nkey 40 up");
    EXPECT_EQ(dev().SelectedIcon, 7);
    EXPECT_FALSE(pet().TimerScreen);
    EXPECT_EQ(pet().AttendTimeLeft, 120);
}

TEST_F(Buttons, AnyPressSilencesTheAttentionBeepButKeepsTheCall) {
    for (const char* press : {"press A", "press B", "press C", "key 40 down"}) {
        pet().AttendTimeLeft = 120;
        sim.run(press);
        EXPECT_EQ(pet().AttendTimeLeft, 115) << press;
        sim.run("key 40 up");
    }
    pet().AttendTimeLeft = 90;
    sim.run("press A");
    EXPECT_EQ(pet().AttendTimeLeft, 90);
}

TEST_F(Buttons, EveryButtonSkipsARunningDropping) {
    for (const char* press : {"press A", "press B", "press C"}) {
        pet().DroppingAction = true;
        dev().ActionStep = 2;
        sim.run(press);
        EXPECT_EQ(dev().ActionStep, 13) << press;
        EXPECT_EQ(dev().SelectedIcon, 7) << press;
        EXPECT_FALSE(pet().TimerScreen) << press;
    }
}

TEST_F(Buttons, ADyingPetTakesNoCare) {
    pet().DyingAction = 3;
    sim.run("press A\npress B\npress C");
    EXPECT_EQ(dev().SelectedIcon, 7);
    EXPECT_FALSE(pet().TimerScreen);
}

TEST_F(Buttons, ASleepingPetOnlyTakesTheLightAndTheMeter) {
    pet().SleepAction = true;
    open(0);
    EXPECT_FALSE(el().FeedMenu.visible);
    EXPECT_EQ(pet().ScreenTimeLeft, 0);
    sim.run("press A\npress B");
    EXPECT_EQ(dev().SelectedIcon, 1);
    EXPECT_TRUE(el().LightMenu.visible);
    sim.run("press C");
    for (int i = 0; i < 4; ++i)
        sim.run("press A");
    ASSERT_EQ(dev().SelectedIcon, 5);
    sim.run("press B");
    EXPECT_EQ(dev().MeterPage, 0);
}

TEST_F(Buttons, AnOpenCareScreenTakesEveryButton) {
    open(0);
    ASSERT_TRUE(el().FeedMenu.visible);
    ASSERT_EQ(dev().MenuIndex, 0);
    sim.run("press A");
    EXPECT_EQ(dev().MenuIndex, 1);
    EXPECT_EQ(dev().SelectedIcon, 0) << "A moves the cursor, not the icon";
    sim.run("press C");
    EXPECT_FALSE(el().FeedMenu.visible);
    EXPECT_EQ(pet().ScreenTimeLeft, 0);
    EXPECT_EQ(dev().SelectedIcon, 0) << "the highlight stays after the screen closes";
}

TEST_F(Buttons, CTurnsTheDeadPetsAgePageOnAndOff) {
    LayoutState& at = f().layout;
    at.AngelLeft = 50;
    at.AngelInAgeScreenLeft = 60;
    at.AgeDigit0Left = 1;
    at.AgeDigit0Top = 2;
    at.AgeDigit1Left = 3;
    at.AgeDigit1Top = 4;
    at.AgeDigit0DeathLeft = 11;
    at.AgeDigit0DeathTop = 12;
    at.AgeDigit1DeathLeft = 13;
    at.AgeDigit1DeathTop = 14;
    pet().CharacterNo = 12;
    pet().Age = 7;
    el().PipChar.visible = true;
    sim.run("press C");
    EXPECT_EQ(dev().ActionStep, 1);
    EXPECT_FALSE(el().PipChar.visible);
    EXPECT_EQ(el().Angel.left, 60);
    EXPECT_EQ(nameOf(el().AgeDigit[1]), "LargeNumber7");
    EXPECT_TRUE(el().AgeDigit[1].visible);
    EXPECT_FALSE(el().AgeDigit[0].visible) << "one digit for an age below ten";
    EXPECT_EQ(el().AgeDigit[1].left, 13);
    EXPECT_EQ(el().AgeDigit[1].top, 14);
    EXPECT_TRUE(el().Yr.visible);

    sim.run("press C");
    EXPECT_EQ(dev().ActionStep, 0);
    EXPECT_FALSE(el().Yr.visible);
    EXPECT_FALSE(el().AgeDigit[1].visible);
    EXPECT_EQ(el().AgeDigit[0].left, 1);
    EXPECT_EQ(el().AgeDigit[1].top, 4);
    EXPECT_EQ(el().Angel.left, 50);
    EXPECT_TRUE(el().PipChar.visible);

    pet().Age = 12;
    sim.run("press C");
    EXPECT_EQ(nameOf(el().AgeDigit[0]), "LargeNumber1");
    EXPECT_EQ(nameOf(el().AgeDigit[1]), "LargeNumber2");
    EXPECT_TRUE(el().AgeDigit[0].visible);
    EXPECT_EQ(el().AgeDigit[0].left, 11);
    // A and B do nothing for the angel.
    sim.run("press A\npress B");
    EXPECT_EQ(dev().ActionStep, 1);
    EXPECT_EQ(dev().SelectedIcon, 7);
    EXPECT_FALSE(pet().TimerScreen);
}

TEST_F(Buttons, TheAgePageOfTheBackViewShowsNothingUntilTurned) {
    pet().CharacterNo = 12;
    pet().Age = 45;
    el().BackView.visible = true;
    f().DoButtonC(true);
    EXPECT_EQ(dev().ActionStep, 1);
    EXPECT_FALSE(el().AgeDigit[0].visible);
    EXPECT_FALSE(el().AgeDigit[1].visible);
    EXPECT_FALSE(el().Yr.visible);
    EXPECT_EQ(nameOf(el().AgeDigit[0]), "LargeNumber4");
    EXPECT_EQ(nameOf(el().AgeDigit[1]), "LargeNumber5");
}

TEST_F(Buttons, OnlyTheLeftMouseButtonPresses) {
    sim.run("mouse ButtonA down 2 0 0\nmouse ButtonA up 2 0 0");
    EXPECT_EQ(dev().SelectedIcon, 7);
    sim.run("mouse ButtonA down 1 0 0\nmouse ButtonA up 1 0 0");
    EXPECT_EQ(dev().SelectedIcon, 0);
    // B acts on release with the mouse.
    sim.run("down B");
    EXPECT_FALSE(el().FeedMenu.visible);
    sim.run("up B");
    EXPECT_TRUE(el().FeedMenu.visible);
}

TEST_F(Buttons, EachPressBeepsAsTheToyDoes) {
    struct Case {
        const char* what;
        const char* input;
        std::size_t beeps;
    };
    pet().CharacterNo = 0; // the egg takes no care, so the presses leave no screen open
    // The mouse beeps on the way down, and A and C beep again as they act; the keyboard leaves
    // the beep to the button, except for B, which makes no sound of its own.
    const Case cases[] = {{"mouse A", "press A", 2},
                          {"mouse B", "press B\npress B", 2},
                          {"mouse C", "press C", 2},
                          {"left key", "key 37 down\nkey 37 up", 1},
                          {"down key", "key 40 down\nkey 40 up\nkey 40 down\nkey 40 up", 2},
                          {"right key", "key 39 down\nkey 39 up", 1}};
    for (const Case& c : cases) {
        sim.run(c.input);
        const std::vector<std::string> heard = sounds();
        EXPECT_EQ(heard.size(), c.beeps) << c.what;
        EXPECT_EQ(std::count(heard.begin(), heard.end(), "\\sounds\\beep.wav"),
                  static_cast<long>(heard.size()))
            << c.what;
    }
    // The clock screen keeps A and C from acting, beep included; the mouse still clicks.
    sim.run("press B");
    ASSERT_TRUE(pet().TimerScreen);
    sounds();
    sim.run("key 37 down\nkey 37 up\npress C");
    EXPECT_EQ(sounds().size(), 1u);
    // The sheet silences them all.
    pet().InsulatingSheet = 1;
    sim.run("press A\npress B\npress C\nkey 40 down\nkey 40 up");
    EXPECT_TRUE(sounds().empty());
    // Sound off silences the beeps too.
    pet().InsulatingSheet = 0;
    f().options.sound = false;
    sim.run("press B\npress A");
    EXPECT_TRUE(sounds().empty());
}

} // namespace
