// The minute step: the baby's script, the sleep cycle, the stage end and the hourly needs, each
// with exactly the random draws its rules take.
#include "tests/pet/NeedsFixture.h"

namespace {

using Needs = NeedsFixture;

// --- The baby's script -------------------------------------------------------------------------

TEST_F(Needs, BabyFollowsItsScriptWithoutDrawing) {
    become(1);
    minute(5);
    EXPECT_TRUE(pet().DroppingAction);
    EXPECT_EQ(pet().StatusText, "Poop");

    minute(11);
    EXPECT_FALSE(pet().DroppingAction) << "falling asleep completes the dropping in progress";
    EXPECT_EQ(pet().Dung, 1);
    EXPECT_TRUE(pet().SleepAction);
    EXPECT_TRUE(pet().AttentionSleep);

    minute(12);
    EXPECT_TRUE(pet().SleepAction) << "minute 12 belongs to the sleep";
    minute(13);
    EXPECT_FALSE(pet().SleepAction);
    EXPECT_EQ(pet().Age, 1);

    minute(14);
    EXPECT_EQ(pet().Sickness, 2) << "a healthy baby at minute 14 needs two doses";
    EXPECT_EQ(pet().StatusText, "Sick");
    expectAllDrawsTaken();
}

TEST_F(Needs, BabyAlreadyIllAtMinute14NeedsOneMoreDose) {
    become(1);
    pet().Sickness = 1;
    minute(14);
    EXPECT_EQ(pet().Sickness, 3);
}

TEST_F(Needs, BabyLosesHeartsOnCoinsAndCallsAtZero) {
    become(1);
    pet().AttentionHungry = pet().AttentionHappy = false;
    pet().Hunger = 1;
    pet().Happiness = 2;
    const int16_t needs = pet().NeedCount;
    draws({0.7, 0.2}); // the baby loses a heart on a coin of 1: hunger loses, happiness keeps
    minute(7);
    EXPECT_EQ(pet().Hunger, 0);
    EXPECT_EQ(pet().Happiness, 2);
    EXPECT_TRUE(pet().AttentionHungry);
    EXPECT_FALSE(pet().AttentionHappy);
    EXPECT_EQ(pet().NeedCount, needs + 1);
    expectAllDrawsTaken();
}

TEST_F(Needs, BabyWithNoHeartsDrawsNothingAndCallsTwice) {
    become(1);
    const int16_t needs = pet().NeedCount;
    minute(8);
    EXPECT_TRUE(pet().AttentionHungry);
    EXPECT_TRUE(pet().AttentionHappy);
    EXPECT_EQ(pet().NeedCount, needs + 2);
    EXPECT_EQ(pet().AttendTimeLeft, 120);
    expectAllDrawsTaken();
}

TEST_F(Needs, IllBabyDoesNotCall) {
    become(1);
    pet().AttentionHungry = pet().AttentionHappy = false;
    pet().Sickness = 1;
    pet().Hunger = 1;
    draws({0.6}); // the hunger coin; happiness is already 0 and draws nothing
    minute(9);
    EXPECT_EQ(pet().Hunger, 0);
    EXPECT_FALSE(pet().AttentionHungry);
    EXPECT_FALSE(pet().AttentionHappy);
    expectAllDrawsTaken();
}

// --- Sleep cycle -------------------------------------------------------------------------------

TEST_F(Needs, SleepsFromMinute121AndWakesAt241AgeingOnWaking) {
    become(2);
    pet().Age = 4;
    minute(1);
    EXPECT_FALSE(pet().SleepAction) << "minute 1 of a stage is not a bedtime";
    minute(121);
    EXPECT_TRUE(pet().SleepAction);
    EXPECT_TRUE(form().menuItem(MenuId::mCheatAction2).checked);
    EXPECT_FALSE(form().menuItem(MenuId::mCheatAttention).enabled);
    EXPECT_FALSE(form().menuItem(MenuId::mCheatAction3).enabled);
    minute(123); // an hourly minute: the sleeping pet has no needs
    EXPECT_EQ(pet().TotalNeedCount, 0);
    minute(241);
    EXPECT_FALSE(pet().SleepAction);
    EXPECT_EQ(pet().Age, 5);
    EXPECT_FALSE(form().menuItem(MenuId::mCheatAction2).checked);
    EXPECT_TRUE(form().menuItem(MenuId::mCheatAction3).enabled);
    EXPECT_EQ(form().elements.Dark.picture, form().elements.TempDark[2]);
    EXPECT_EQ(pet().DarkWidth, 62 * 15);
    minute(361);
    EXPECT_TRUE(pet().SleepAction);
    expectAllDrawsTaken();
}

// The coin of 0 and its withdrawn call are in needs_own_light_off.sim; here the dark picture it
// chooses and the coin of 1 that leaves the light on.
TEST_F(Needs, Character5FallingAsleepTossesACoinForItsOwnLight) {
    become(5, 480);
    const int16_t needs = pet().NeedCount;
    draws({0.5});
    minute(121);
    EXPECT_TRUE(pet().SleepAction);
    EXPECT_FALSE(pet().LightOff);
    EXPECT_TRUE(pet().AttentionSleep);
    EXPECT_EQ(pet().NeedCount, needs + 1);
    expectAllDrawsTaken();

    become(5, 480);
    pet().SleepAction = false;
    draws({0.3});
    minute(121);
    EXPECT_TRUE(pet().LightOff);
    EXPECT_EQ(pet().NeedCount, needs) << "the withdrawn sleep call is not counted";
    EXPECT_EQ(form().elements.Dark.picture, form().elements.TempDark[0]);
    EXPECT_EQ(pet().DarkWidth, 60 * 15);
    expectAllDrawsTaken();
}

TEST_F(Needs, OnlyCharacter5FallingAsleepTossesTheCoin) {
    become(6, 480);
    minute(121);
    EXPECT_FALSE(pet().LightOff);
    expectAllDrawsTaken();

    become(5, 480);
    pet().SleepAction = true; // waking up is no reason to switch the light off
    minute(241);
    EXPECT_FALSE(pet().SleepAction);
    expectAllDrawsTaken();
}

// --- End of a stage ----------------------------------------------------------------------------

// Character 7 goes to DoEvolve too, which lets it die unless it becomes the secret character.
TEST_F(Needs, OnlyAdultsDieAtTheEndOfTheirStage) {
    for (int16_t c : {2, 3, 4, 5, 6, 8, 9, 10, 11}) {
        const bool adult = c >= 5;
        become(c, 240);
        if (adult) {
            ASSERT_EQ(pet().MinuteToChangeCharacter, 240);
        }
        minute(pet().MinuteToChangeCharacter - 1);
        EXPECT_EQ(pet().DyingAction, 0) << "character " << c;
        minute(pet().MinuteToChangeCharacter);
        EXPECT_EQ(pet().DyingAction, adult ? 1 : 0) << "character " << c;
        if (adult) {
            EXPECT_EQ(pet().IntervalCount, 119) << "the first frame comes on the next tick";
            EXPECT_FALSE(form().menuItem(MenuId::mCheatAction3).enabled);
        }
        pet().DyingAction = 0;
    }
}

TEST_F(Needs, AnAsleepAdultOutlivesItsStageUntilItWakes) {
    become(8, 240);
    pet().SleepAction = true;
    minute(240);
    EXPECT_EQ(pet().DyingAction, 0);
    minute(241); // wakes: the sleep cycle comes before the stage end
    EXPECT_EQ(pet().DyingAction, 0);
    EXPECT_FALSE(pet().SleepAction);
    minute(242);
    EXPECT_EQ(pet().DyingAction, 1);
}

// --- Droppings ---------------------------------------------------------------------------------

TEST_F(Needs, DropsEveryThirtyMinutesStartingAtMinute2) {
    become(2);
    minute(2);
    EXPECT_TRUE(pet().DroppingAction);
    EXPECT_EQ(pet().IntervalCount, pet().FramePeriod - 1) << "the first frame comes on the next tick";
    form().DoEndCurrentAction();
    minute(12);
    EXPECT_FALSE(pet().DroppingAction);
    minute(32);
    EXPECT_TRUE(pet().DroppingAction);
    expectAllDrawsTaken();
}

TEST_F(Needs, NoDroppingWhenEightAreThere) {
    become(2);
    pet().Dung = 8;
    minute(62);
    EXPECT_FALSE(pet().DroppingAction);
    EXPECT_EQ(pet().Dung, 8);
}

} // namespace
