// What the main screen, the clock screen and the timed animations show for a given state.
#include "tests/Sim.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A running device with a named picture in every source store the screens copy from.
class Screens : public testing::Test {
protected:
    void SetUp() override {
        sim.run("store InsulatingSheet 0\nstore CharacterNo 4\nclock 10:00:00\nstart");
        auto& e = form().elements;
        fillStore(e.LargeNumber, "L");
        fillStore(e.SmallNumber, "S");
        fillStore(e.SecondIndex, "I");
        fillStore(e.AmPm, "AP");
        fillStore(e.TempDung, "Dung");
        fillStore(e.TempSick, "Sick");
        fillStore(e.TempUnhappy, "Unhappy");
        fillStore(e.TempHappy, "Happy");
        fillStore(e.TempNegative, "No");
    }
    Form1& form() { return sim.form(); }
    Sim sim;
};

struct ClockCase {
    const char* time;
    bool tensShown;
    const char* digits[7]; // hour tens, hour, minute tens, minute, second tens, second, indicator
    const char* sign;
};

class ClockFaces : public Screens, public testing::WithParamInterface<ClockCase> {};

TEST_P(ClockFaces, ShowTheTwelveHourTimeWithoutLeadingZero) {
    const ClockCase& c = GetParam();
    sim.run(std::string("clock ") + c.time);
    form().DoShowTimerScreen(true);
    form().DoShowClock();
    const auto& e = form().elements;
    EXPECT_EQ(e.HourDigit[0].visible, c.tensShown);
    const Element* shown[] = {&e.HourDigit[0],   &e.HourDigit[1],   &e.MinuteDigit[0], &e.MinuteDigit[1],
                              &e.SecondDigit[0], &e.SecondDigit[1], &e.SecondIdx};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(nameOf(*shown[i]), c.digits[i]) << "digit " << i << " at " << c.time;
    EXPECT_EQ(nameOf(e.AmOrPm), c.sign);
    EXPECT_TRUE(e.HourDigit[1].visible && e.Colon.visible && e.SecondIdx.visible && e.AmOrPm.visible);
}

INSTANTIATE_TEST_SUITE_P(
    Times, ClockFaces,
    testing::Values(ClockCase{"09:05:07", false, {"L0", "L9", "L0", "L5", "S0", "S7", "I7"}, "AP0"},
                    ClockCase{"12:00:00", true, {"L1", "L2", "L0", "L0", "S0", "S0", "I0"}, "AP1"},
                    ClockCase{"00:30:59", true, {"L1", "L2", "L3", "L0", "S5", "S9", "I9"}, "AP0"},
                    ClockCase{"13:00:00", false, {"L0", "L1", "L0", "L0", "S0", "S0", "I0"}, "AP1"},
                    ClockCase{"23:59:41", true, {"L1", "L1", "L5", "L9", "S4", "S1", "I1"}, "AP1"}));

TEST_F(Screens, ClockFollowsTheWallClockOnEveryTickAndStandsStillOnTheBack) {
    sim.run("clock 10:59:59\nset TimerScreen true");
    form().DoShowTimerScreen(true);
    sim.run("tick");
    auto& e = form().elements;
    EXPECT_EQ(nameOf(e.HourDigit[0]), "L1");
    EXPECT_EQ(nameOf(e.MinuteDigit[1]), "L9");
    sim.run("tick 100");
    EXPECT_EQ(nameOf(e.MinuteDigit[0]), "L0");
    EXPECT_EQ(nameOf(e.HourDigit[1]), "L1");

    e.BackView.visible = true;
    sim.run("tick 100");
    EXPECT_EQ(nameOf(e.SecondDigit[1]), "S0") << "the back view hides the clock: nothing is redrawn";
}

TEST_F(Screens, LeavingTheClockHidesBothHourDigitsAndBringsThePetBack) {
    auto& e = form().elements;
    sim.run("clock 11:00:00\nset TimerScreen true");
    form().DoShowTimerScreen(true);
    form().DoShowClock();
    EXPECT_FALSE(e.PipChar.visible);
    ASSERT_TRUE(e.HourDigit[0].visible);

    sim.run("set TimerScreen false");
    form().DoShowTimerScreen(false);
    for (const Element* digit : {&e.HourDigit[0], &e.HourDigit[1], &e.MinuteDigit[0], &e.MinuteDigit[1],
                                 &e.SecondDigit[0], &e.SecondDigit[1], &e.Colon, &e.AmOrPm, &e.SecondIdx})
        EXPECT_FALSE(digit->visible);
    EXPECT_TRUE(e.PipChar.visible);
}

TEST_F(Screens, DroppingsShowUpToEightAndNeverPastTheElementsThereAre) {
    auto& e = form().elements;
    for (int dung : {0, 3, 8, 11, -2}) {
        form().DoMainScreen(false);
        for (Element& dropping : e.DungImage)
            dropping.visible = false;
        form().pet.Dung = static_cast<int16_t>(dung);
        form().DoMainScreen(true);
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(e.DungImage[static_cast<std::size_t>(i)].visible, i < dung)
                << dung << " droppings, #" << i;
            if (i < dung) {
                EXPECT_EQ(nameOf(e.DungImage[static_cast<std::size_t>(i)]), "Dung0");
            }
        }
    }
}

TEST_F(Screens, NothingOfTheMainScreenIsShownOnTheBack) {
    auto& e = form().elements;
    form().DoMainScreen(false);
    e.BackView.visible = true;
    sim.run("set Dung 2\nset SleepAction true");
    form().DoMainScreen(true);
    EXPECT_FALSE(e.PipChar.visible);
    EXPECT_FALSE(e.DungImage[0].visible);
    EXPECT_FALSE(e.SleepSign.visible);
}

TEST_F(Screens, ASickPetShowsItsSignAndSickPose) {
    auto& e = form().elements;
    form().layout.SickLeft = 333;
    form().layout.SickTop = 444;
    sim.run("set Sickness 1\nset SickFrame 2");
    form().DoMainScreen(true);
    EXPECT_TRUE(e.Skull.visible);
    EXPECT_TRUE(e.PipChar.visible);
    EXPECT_EQ(e.PipChar.left, 333);
    EXPECT_EQ(e.PipChar.top, 444);
    EXPECT_EQ(nameOf(e.PipChar), "Sick0");
    EXPECT_EQ(sim.number("SickFrame"), 0);
    EXPECT_EQ(form().pet.StatusText, "Sick");
}

TEST_F(Screens, AnIdlePetReturnsToItsNormalPose) {
    form().layout.OriginalLeft = 600;
    form().layout.OriginalTop = 700;
    sim.run("set CurrentTempChar 3\nset IntervalCount 40\nset WalkRight true\nset ActionFrameCount 5");
    form().DoMainScreen(true);
    EXPECT_EQ(form().elements.PipChar.left, 600);
    EXPECT_EQ(form().elements.PipChar.top, 700);
    for (const char* field : {"CurrentTempChar", "IntervalCount", "ActionFrameCount"})
        EXPECT_EQ(sim.number(field), 0) << field;
    EXPECT_FALSE(form().device.WalkRight);
}

TEST_F(Screens, CareScreensDrawTheirOwnContent) {
    auto& e = form().elements;
    form().DoMainScreen(false);
    // The feed menu lifts the dark overlay so it can be read.
    sim.run("set ScreenTimeLeft 5\nset SelectedIcon 0\nset LightOff true");
    e.Dark.visible = true;
    form().DoMainScreen(true);
    EXPECT_FALSE(e.Dark.visible);
    EXPECT_TRUE(e.FeedMenu.visible && e.RightArrow.visible);
    EXPECT_FALSE(e.PipChar.visible);

    // An animation in the dark shows only the dark.
    e.FeedMenu.visible = e.RightArrow.visible = false;
    sim.run("set SelectedIcon 6\nset UnhappyAction true");
    form().DoMainScreen(true);
    EXPECT_TRUE(e.Dark.visible);
    EXPECT_FALSE(e.TempImage.visible);

    // Eating with the light on shows the food and the eating pet; hiding takes both away.
    sim.run("set UnhappyAction false\nset LightOff false\nset EatingAction true");
    form().DoMainScreen(true);
    EXPECT_TRUE(e.MealSnack.visible && e.TempImage.visible);
    form().DoMainScreen(false);
    EXPECT_FALSE(e.MealSnack.visible || e.TempImage.visible);
}

TEST_F(Screens, GamesShowThePicturesOfTheirState) {
    auto& e = form().elements;
    form().DoMainScreen(false);
    sim.run("set GameState 3\nset GameGuess 1");
    form().DoMainScreen(true);
    EXPECT_TRUE(e.RightArrow.visible);
    EXPECT_FALSE(e.LeftArrow.visible || e.PipChar.visible);

    form().options.gameB = true;
    e.ResultNumber.visible = true;
    sim.run("set GameState 2");
    form().DoMainScreen(true);
    EXPECT_TRUE(e.TempImage.visible && e.PipNumber.visible);
    EXPECT_FALSE(e.ResultNumber.visible) << "no number is drawn before the guess";

    sim.run("set GameState 6");
    form().DoMainScreen(true);
    EXPECT_TRUE(e.PlayResult.visible && e.YourScore.visible && e.PipScore.visible);
    form().DoMainScreen(false);
    EXPECT_FALSE(e.PlayResult.visible || e.YourScore.visible || e.PipScore.visible);
    EXPECT_FALSE(e.PipChar.visible);
}

TEST_F(Screens, TheDeadPetShowsTheAngelOrItsAgePage) {
    auto& e = form().elements;
    sim.run("set CharacterNo 12\nset ActionStep 1\nset Age 7");
    form().DoMainScreen(true);
    EXPECT_TRUE(e.Angel.visible && e.AgeDigit[1].visible && e.Yr.visible);
    EXPECT_FALSE(e.AgeDigit[0].visible) << "one digit for an age below ten";
    sim.run("set Age 12");
    form().DoMainScreen(true);
    EXPECT_TRUE(e.AgeDigit[0].visible);

    form().DoMainScreen(false);
    e.PipChar.visible = false;
    sim.run("set ActionStep 0\nset LightOff true");
    form().DoMainScreen(true);
    EXPECT_FALSE(e.Angel.visible || e.PipChar.visible) << "the angel stays in the dark";
}

// The timed animations, driven step by step.
TEST_F(Screens, AnAnimationAdvancesOneFrameEveryDelayTicks) {
    auto& e = form().elements;
    e.TempImage.visible = true;
    sim.run("set UnhappyAction true\nset ActionFramesLeft 7\nset ActionStep 0\nset FrameIndex 0\nset "
            "DelayValue 7");
    const char* expected[] = {"Unhappy1", "Unhappy2", "Unhappy3", "Unhappy0", "Unhappy1"};
    for (const char* frame : expected) {
        for (int tick = 1; tick < 7; ++tick)
            form().DoUnhappyStep();
        EXPECT_NE(nameOf(e.TempImage), frame) << "a frame came early";
        form().DoUnhappyStep();
        EXPECT_EQ(nameOf(e.TempImage), frame);
        EXPECT_TRUE(e.TempImage.visible);
    }
    EXPECT_EQ(sim.number("ActionFramesLeft"), 2);

    sim.run("set DelayValue 5\nset ActionStep 0");
    for (int tick = 0; tick < 5; ++tick)
        form().DoUnhappyStep();
    EXPECT_EQ(nameOf(e.TempImage), "Unhappy2");
}

TEST_F(Screens, HappyAndRefusalAlternateTwoPictures) {
    auto& e = form().elements;
    form().layout.HappyLeft = 150;
    form().layout.HappyTop = 210;
    e.TempImage.visible = true;
    sim.run("set HappyAction true\nset ActionFramesLeft 7\nset FrameIndex 0\nset DelayValue 1");
    for (const char* frame : {"Happy1", "Happy0", "Happy1"}) {
        form().DoHappyStep();
        EXPECT_EQ(nameOf(e.TempImage), frame);
    }
    EXPECT_EQ(e.TempImage.left, 150);
    EXPECT_EQ(e.TempImage.top, 210);

    sim.run("set HappyAction false\nset NegativeAction true\nset FrameIndex 0");
    for (const char* frame : {"No1", "No0", "No1"}) {
        form().DoNegativeStep();
        EXPECT_EQ(nameOf(e.TempImage), frame);
    }
    // Only the running animation moves.
    form().DoUnhappyStep();
    form().DoHappyStep();
    EXPECT_EQ(nameOf(e.TempImage), "No1");
}

TEST_F(Screens, AnAnimationFrameStaysHiddenWhereTheScreenCannotShowIt) {
    auto& e = form().elements;
    sim.run("set NegativeAction true\nset ActionFramesLeft 7\nset DelayValue 1");
    e.TempImage.visible = false;
    form().DoNegativeStep();
    EXPECT_FALSE(e.TempImage.visible) << "a hidden sprite stays hidden";

    for (const char* state : {"set LightOff true", "set TimerScreen true"}) {
        sim.run("set LightOff false\nset TimerScreen false");
        e.TempImage.visible = true;
        sim.run(state);
        form().DoNegativeStep();
        EXPECT_FALSE(e.TempImage.visible) << state;
        EXPECT_NE(nameOf(e.TempImage), "none") << "the picture still changes";
    }
}

} // namespace
