// The main tick: the character change, the flush wave, and the seconds the pet lives by.
#include "tests/Sim.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

namespace {

class Tick : public testing::Test {
protected:
    void SetUp() override { sim.run("store InsulatingSheet 0\nstore CharacterNo 4\nclock 10:00:00\nstart"); }
    Form1& form() { return sim.form(); }
    std::vector<std::string> sounds() { return sim.script().sound.take(); }
    Sim sim;
};

TEST_F(Tick, TheWaveWashesAwayWhatItReachesAndCountsNoSeconds) {
    auto& e = form().elements;
    form().layout.WaterLeft = 900;
    form().layout.WaterTop = 120;
    e.PipScr.move(300, 100);
    e.Water.move(600, 100);
    e.Water.visible = true;
    e.Dark.width = 940;
    sim.run(
        "set DarkWidth 1000\nset Dung 3\nset FlushAction true\nset ScreenTimeLeft 10\nset DyingTimeLeft 50");
    const int lefts[] = {500, 400, 310};
    for (std::size_t i = 0; i < 3; ++i) {
        e.DungImage[i].move(lefts[i], 200);
        e.DungImage[i].visible = true;
    }
    e.PipChar.move(450, 150);
    e.PipChar.visible = true;
    e.Skull.move(305, 100);
    e.Skull.visible = true;
    sim.run("clock 10:00:03");

    sim.run("tick"); // 540
    EXPECT_TRUE(e.DungImage[0].visible);
    sim.run("tick"); // 480
    EXPECT_FALSE(e.DungImage[0].visible);
    EXPECT_TRUE(e.PipChar.visible);
    sim.run("tick"); // 420
    EXPECT_FALSE(e.PipChar.visible);
    EXPECT_TRUE(e.DungImage[1].visible);
    sim.run("tick 2"); // 300
    EXPECT_EQ(e.Water.left, 300);
    EXPECT_EQ(e.Dark.width, 940 - 5 * 60);
    EXPECT_FALSE(e.DungImage[1].visible || e.DungImage[2].visible || e.Skull.visible);
    EXPECT_EQ(sim.number("SecondCount"), 0) << "no second counts while the wave runs";

    sim.run("tick");
    EXPECT_FALSE(e.Water.visible);
    EXPECT_EQ(e.Water.left, 900);
    EXPECT_EQ(e.Water.top, 120);
    EXPECT_EQ(e.Dark.width, 1000);
    EXPECT_EQ(sim.number("Dung"), 0);
    EXPECT_EQ(sim.number("DyingTimeLeft"), 480);
    EXPECT_TRUE(form().device.HappyAction);
    EXPECT_EQ(sim.number("SecondCount"), 0);

    sim.run("tick");
    EXPECT_EQ(sim.number("SecondCount"), 1) << "the happy pet runs on the normal tick";
}

TEST_F(Tick, TheCurtainShowsItsEightFramesClosingAndOpening) {
    auto& e = form().elements;
    for (std::size_t i = 0; i < 8; ++i)
        e.TempChangingScreen[i] = namedPicture("Curtain" + std::to_string(i));
    sim.run("set NextCharacterNo 5\nset ChangeStep 1");
    sounds();
    std::vector<std::string> frames;
    std::string shown = "none";
    int soundsHeard = 0;
    for (int step = 1; step <= 162; ++step) {
        sim.run("tick");
        soundsHeard += static_cast<int>(sounds().size());
        if (e.ChangingScreen.visible && nameOf(e.ChangingScreen) != shown) {
            shown = nameOf(e.ChangingScreen);
            frames.push_back(shown + "@" + std::to_string(step));
        }
        if (step == 71) shown = "none";
    }
    const std::vector<std::string> expected = {
        "Curtain0@15",  "Curtain1@22",  "Curtain2@29",  "Curtain3@36",  "Curtain4@43",  "Curtain5@50",
        "Curtain6@57",  "Curtain7@64",  "Curtain0@106", "Curtain1@113", "Curtain2@120", "Curtain3@127",
        "Curtain4@134", "Curtain5@141", "Curtain6@148", "Curtain7@155"};
    EXPECT_EQ(frames, expected);
    EXPECT_EQ(soundsHeard, 8) << "the curtain sounds only while it closes";
    EXPECT_FALSE(e.ChangingScreen.visible);
    EXPECT_EQ(sim.number("CharacterNo"), 5);
    EXPECT_EQ(sim.number("ChangeStep"), 0);
}

TEST_F(Tick, AChangeCountsSecondsOnlyOnTheStepsWhereTheNormalTickRuns) {
    sim.run("set NextCharacterNo 5\nset ChangeStep 1");
    for (int step = 1; step <= 161; ++step) {
        // A new wall-clock second on every step: a step counts it exactly when it runs the normal tick.
        char clock[32];
        std::snprintf(clock, sizeof clock, "clock 10:%02d:%02d", 1 + step / 60, step % 60);
        sim.run(clock);
        const int16_t before = form().pet.SecondCount;
        sim.run("tick");
        const bool counts = (step >= 2 && step <= 14) || (step >= 72 && step <= 105);
        EXPECT_EQ(form().pet.SecondCount - before, counts ? 1 : 0) << "step " << step;
    }
    sim.run("tick");
    EXPECT_EQ(form().pet.CharacterNo, 5) << "the last step sets the new character";
}

TEST_F(Tick, AChangeSwitchesTheClockOffFirst) {
    auto& e = form().elements;
    sim.run("clock 11:00:00\nset TimerScreen true");
    form().DoShowTimerScreen(true);
    sim.run("tick");
    ASSERT_TRUE(e.HourDigit[0].visible);
    sim.run("set ChangeStep 1\nset NextCharacterNo 5\ntick");
    EXPECT_FALSE(form().pet.TimerScreen);
    EXPECT_FALSE(e.HourDigit[0].visible || e.HourDigit[1].visible || e.Colon.visible);
    EXPECT_EQ(sim.number("ChangeStep"), 2);
}

TEST_F(Tick, TheMinuteIsSavedOnlyWhenItIsComplete) {
    sim.run("set MinuteCount 44\nset SecondCount 58\nwait 1");
    EXPECT_FALSE(sim.settings().contains("MinuteCount")) << "nothing is saved within the minute";
    sim.run("wait 1");
    EXPECT_EQ(sim.settings().value("MinuteCount").toString(), "45");
    EXPECT_EQ(sim.settings().value("SecondCount").toString(), "0");
}

TEST_F(Tick, StoppedTicksLoseTheSecondsTheyMissed) {
    sim.run("clock 10:00:07\ntick");
    EXPECT_EQ(sim.number("SecondCount"), 1);
    EXPECT_EQ(sim.number("LastSecond"), 7);
    sim.run("tick 99");
    EXPECT_EQ(sim.number("SecondCount"), 2);
}

TEST_F(Tick, DroppingsSteamEveryTwelveTicksUnlessTheClockIsShown) {
    auto& e = form().elements;
    e.TempDung[0] = namedPicture("Dung0");
    e.TempDung[1] = namedPicture("Dung1");
    sim.run("set Dung 2\nset DungFrameCount 0");
    form().DoMainScreen(true);
    sim.run("tick 11");
    EXPECT_EQ(nameOf(e.DungImage[1]), "Dung0");
    sim.run("tick");
    EXPECT_EQ(nameOf(e.DungImage[0]), "Dung1");
    EXPECT_EQ(nameOf(e.DungImage[1]), "Dung1");
    EXPECT_EQ(nameOf(e.DungImage[2]), "none") << "only the droppings there are";
    sim.run("tick 12");
    EXPECT_EQ(nameOf(e.DungImage[0]), "Dung0");

    sim.run("set TimerScreen true\ntick 30");
    EXPECT_EQ(sim.number("DungFrameCount"), 0);
}

} // namespace
