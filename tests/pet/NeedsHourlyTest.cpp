// The hourly needs (minutes 3, 13, 23, ... of a stage): illness by weight, the neglect of an ill
// pet, hearts lost on coins, the hour's own discipline calls and the calls at zero hearts.
// Draws, in order: the illness value; a coin if ill; per heart kind with hearts left a coin, and
// after a coin of 0 a die of three.
#include "tests/pet/NeedsFixture.h"

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

// The chance to fall ill in an hour is 10 in (100 - weight): certain from weight 90 on, also for a
// pet heavier than the scale was made for; each case sits just beside its boundary. An illness
// takes one more coin, here a 1 for the extra dose.
TEST_F(Hourly, TheHeavierThePetTheLikelierItFallsIll) {
    struct Case {
        int16_t weight;
        double value;
        bool ill;
    };
    for (Case c : {Case{90, 0.999, true}, Case{120, 0.5, true}, Case{89, 10.0 / 11 - 1e-9, true},
                   Case{89, 10.0 / 11, false}, Case{5, 10.0 / 95 - 1e-9, true}, Case{5, 10.0 / 95, false}}) {
        become(2);
        pet().Weight = c.weight;
        pet().Sickness = 0;
        pet().Hunger = pet().Happiness = 0;
        pet().AttentionHungry = false;
        if (c.ill)
            draws({c.value, Coin1});
        else
            draws({c.value});
        minute(3);
        EXPECT_EQ(pet().Sickness, c.ill ? 2 : 0) << c.weight << " " << c.value;
        EXPECT_EQ(pet().AttentionHungry, !c.ill) << "an ill pet does not call";
        if (c.ill) {
            EXPECT_EQ(pet().StatusText, "Sick");
            EXPECT_EQ(form().elements.PipChar.picture, form().elements.TempSick[0]);
        }
        expectAllDrawsTaken();
    }
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
