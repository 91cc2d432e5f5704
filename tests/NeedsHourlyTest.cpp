// The hourly needs (minutes 3, 13, 23, ... of a stage): illness by weight, the neglect of an ill
// pet, hearts lost on coins, the hour's own discipline calls and the calls at zero hearts.
// Draws, in order: the illness value; a coin if ill; per heart kind with hearts left a coin, and
// after a coin of 0 a die of three.
#include "tests/NeedsFixture.h"

namespace {

constexpr double Healthy = 0.999; // an illness value that keeps a pet of weight below 90 healthy
constexpr double Coin0 = 0.1, Coin1 = 0.6;
constexpr double Die0 = 0.1, Die2 = 0.9;

class Hourly : public NeedsFixture {
protected:
    void SetUp() override {
        NeedsFixture::SetUp();
        become(2); // a child: weight 10
        pet().Hunger = pet().Happiness = 4;
    }
};

TEST_F(Hourly, RunsOnlyAtTheThirdMinuteOfAnHour) {
    draws({Healthy, Coin1, Coin1});
    minute(3);
    EXPECT_EQ(pet().TotalNeedCount, 2);
    expectAllDrawsTaken();
    for (int32_t m : {4, 10, 11, 12})
        minute(m);
    EXPECT_EQ(pet().TotalNeedCount, 2);
    expectAllDrawsTaken();
    draws({Healthy, Coin1, Coin1});
    minute(13);
    EXPECT_EQ(pet().TotalNeedCount, 4);
    expectAllDrawsTaken();
}

TEST_F(Hourly, LastHungerHeartLostRaisesTheCallInTheSameStep) {
    pet().Hunger = 1;
    pet().Happiness = 3;
    draws({Healthy, Coin0, Die2, Coin1});
    minute(3);
    EXPECT_EQ(pet().Hunger, 0);
    EXPECT_TRUE(pet().AttentionHungry);
    EXPECT_TRUE(form().elements.AttendIcon.visible);
    EXPECT_EQ(pet().AttendTimeLeft, 120);
    EXPECT_EQ(pet().NeedCount, 1);
    EXPECT_FALSE(pet().AttentionHappy);
    expectAllDrawsTaken();
}

TEST_F(Hourly, ACoinOf1KeepsTheHeart) {
    pet().Hunger = 1;
    pet().Happiness = 1;
    draws({Healthy, Coin1, Coin1}); // no die after a coin of 1
    minute(3);
    EXPECT_EQ(pet().Hunger, 1);
    EXPECT_EQ(pet().Happiness, 1);
    EXPECT_FALSE(pet().AttentionHungry);
    EXPECT_EQ(pet().NeedCount, 0);
    expectAllDrawsTaken();
}

TEST_F(Hourly, BothHeartKindsEmptyRaiseBothCalls) {
    pet().Hunger = pet().Happiness = 0;
    draws({Healthy});
    minute(3);
    EXPECT_TRUE(pet().AttentionHungry);
    EXPECT_TRUE(pet().AttentionHappy);
    EXPECT_EQ(pet().NeedCount, 2);
    expectAllDrawsTaken();
}

TEST_F(Hourly, PendingDisciplineCallSuppressesTheHoursCalls) {
    pet().AttentionDiscipline = true;
    pet().AttendTimeLeft = 50;
    pet().Hunger = 1;
    pet().Happiness = 0;
    draws({Healthy, Coin0, Die0});
    minute(3);
    EXPECT_EQ(pet().Hunger, 0);
    EXPECT_FALSE(pet().AttentionHungry);
    EXPECT_FALSE(pet().AttentionHappy);
    EXPECT_EQ(pet().NeedCount, 0);
    EXPECT_EQ(pet().AttendTimeLeft, 50) << "the pending call is not restarted";
    expectAllDrawsTaken();
}

TEST_F(Hourly, HungerHeartLostOnADieOf0AsksForDiscipline) {
    pet().Hunger = 2;
    pet().Happiness = 0;
    pet().Discipline = 13;
    draws({Healthy, Coin0, Die0});
    minute(3);
    EXPECT_EQ(pet().Hunger, 1);
    EXPECT_TRUE(pet().AttentionDiscipline);
    EXPECT_EQ(pet().AttendTimeLeft, 120);
    EXPECT_EQ(pet().NeedCount, 0) << "discipline calls are not counted as needs";
    EXPECT_FALSE(pet().AttentionHappy) << "the new discipline call suppresses the unhappiness call";
    expectAllDrawsTaken();
}

TEST_F(Hourly, NoDisciplineCallForAFullyDisciplinedOrEmptyPet) {
    pet().Discipline = 14;
    pet().Hunger = 2;
    pet().Happiness = 1;
    draws({Healthy, Coin0, Die0, Coin0, Die0});
    minute(3);
    EXPECT_FALSE(pet().AttentionDiscipline);
    EXPECT_TRUE(pet().AttentionHappy) << "with no discipline call the empty happiness calls";

    become(2);
    pet().Discipline = 0;
    pet().Hunger = 1; // the heart lost was the last: hunger calls instead
    pet().Happiness = 4;
    draws({Healthy, Coin0, Die0, Coin1});
    minute(3);
    EXPECT_FALSE(pet().AttentionDiscipline);
    EXPECT_TRUE(pet().AttentionHungry);
    expectAllDrawsTaken();
}

TEST_F(Hourly, HappinessHeartLostOnADieOf0AsksForDiscipline) {
    pet().Hunger = 0;
    pet().Happiness = 2;
    draws({Healthy, Coin0, Die0});
    minute(3);
    EXPECT_EQ(pet().Happiness, 1);
    EXPECT_TRUE(pet().AttentionDiscipline);
    EXPECT_FALSE(pet().AttentionHungry) << "the discipline call comes first";
    expectAllDrawsTaken();
}

TEST_F(Hourly, FromWeight90APetFallsIllEveryHour) {
    pet().Weight = 90;
    pet().Hunger = pet().Happiness = 0;
    draws({0.999, Coin1}); // even the largest value: floor(10 * 0.999) = 9
    minute(3);
    EXPECT_EQ(pet().Sickness, 2) << "the illness and a coin of 1";
    EXPECT_FALSE(pet().AttentionHungry) << "an ill pet does not call";
    expectAllDrawsTaken();

    pet().Weight = 120; // heavier than the scale was made for: still ill, never a fault
    draws({0.5, Coin0});
    minute(13);
    EXPECT_EQ(pet().Sickness, 3);
    expectAllDrawsTaken();
}

TEST_F(Hourly, AtWeight89TheChanceIsTenInEleven) {
    pet().Weight = 89;
    pet().Hunger = pet().Happiness = 0;
    draws({10.0 / 11 - 1e-9, Coin0}); // floor(11 u) = 9: ill
    minute(3);
    EXPECT_EQ(pet().Sickness, 1);
    expectAllDrawsTaken();

    pet().Sickness = 0;
    draws({10.0 / 11}); // floor(11 u) = 10: healthy, and no coin
    minute(13);
    EXPECT_EQ(pet().Sickness, 0);
    EXPECT_TRUE(pet().AttentionHungry);
    expectAllDrawsTaken();
}

TEST_F(Hourly, ALightPetRarelyFallsIll) {
    pet().Weight = 5;
    pet().Hunger = pet().Happiness = 0;
    draws({10.0 / 95 - 1e-9, Coin0});
    minute(3);
    EXPECT_EQ(pet().Sickness, 1);
    EXPECT_EQ(pet().StatusText, "Sick");
    EXPECT_EQ(form().elements.PipChar.picture, form().elements.TempSick[0]);
    expectAllDrawsTaken();

    pet().Sickness = 0;
    draws({10.0 / 95});
    minute(13);
    EXPECT_EQ(pet().Sickness, 0);
    expectAllDrawsTaken();
}

TEST_F(Hourly, AnIllPetLosesItsAgeFromTheNeglectClockEveryHour) {
    pet().Age = 7;
    pet().Sickness = 1;
    pet().DyingTimeLeft = 480;
    pet().Hunger = pet().Happiness = 0;
    draws({Healthy});
    minute(3);
    EXPECT_EQ(pet().DyingTimeLeft, 473);
    pet().Sickness = 0;
    draws({Healthy});
    minute(13);
    EXPECT_EQ(pet().DyingTimeLeft, 473);
    expectAllDrawsTaken();
}

TEST_F(Hourly, NothingOfTheHourWhileAsleep) {
    pet().SleepAction = true;
    pet().Hunger = pet().Happiness = 0;
    minute(3);
    minute(2);
    EXPECT_EQ(pet().TotalNeedCount, 0);
    EXPECT_FALSE(pet().AttentionHungry);
    EXPECT_FALSE(pet().DroppingAction);
    expectAllDrawsTaken();
}

} // namespace
