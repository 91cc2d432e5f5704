// SPDX-License-Identifier: GPL-3.0-or-later
// Growth: which character follows a stage, what entering a stage resets, and the Cheats
// character items. DoEvolve and DoSetCharacter are driven directly on a started device.
#include "tests/Sim.h"

#include <gtest/gtest.h>

namespace {

struct Record {
    int16_t need = 0, care = 0, total = 0, disciplineWhenNeed = 0, discipline = 0, snacks = 0, plays = 0;
    int16_t weight = 30;
};

class Evolve : public testing::Test {
protected:
    void SetUp() override { sim.run("store InsulatingSheet 0\nstart"); }

    Form1& form() { return sim.form(); }

    // The character the change animation was started towards, or -1 when none was started.
    int evolveFrom(int16_t character, const Record& r) {
        PetState& p = form().pet;
        p.CharacterNo = character;
        p.NeedCount = r.need;
        p.CareWhenNeed = r.care;
        p.TotalNeedCount = r.total;
        p.DisciplineWhenNeed = r.disciplineWhenNeed;
        p.Discipline = r.discipline;
        p.SnackCount = r.snacks;
        p.PlayCounter = r.plays;
        p.Weight = r.weight;
        p.ChangeStep = 0;
        p.NextCharacterNo = -1;
        form().DoEvolve();
        if (p.ChangeStep != 1) return -1;
        EXPECT_EQ(p.CharacterNo, character) << "the old character stays until the change animation ends";
        return p.NextCharacterNo;
    }

    Sim sim{Sim::noAssets()};
};

TEST_F(Evolve, ChildNeedsHalfItsCallsAnsweredAndMorePlayThanSnacks) {
    EXPECT_EQ(evolveFrom(2, {.need = 4, .care = 2, .snacks = 2, .plays = 3}), 3);
    EXPECT_EQ(evolveFrom(2, {.need = 4, .care = 2, .snacks = 3, .plays = 3}), 4);
    EXPECT_EQ(evolveFrom(2, {.need = 4, .care = 1, .snacks = 0, .plays = 3}), 4);
    // Half of three calls is one and a half: one answered call is not enough. Whole-number
    // division would round the half away and let the child through.
    EXPECT_EQ(evolveFrom(2, {.need = 3, .care = 1, .snacks = 0, .plays = 1}), 4);
    EXPECT_EQ(evolveFrom(2, {.need = 3, .care = 2, .snacks = 0, .plays = 1}), 3);
}

TEST_F(Evolve, TeenRulesAreTestedInTheirOrder) {
    for (int16_t teen : {int16_t{3}, int16_t{4}}) {
        SCOPED_TRACE(teen);
        // 1: almost no call answered (0 >= 0 counts).
        EXPECT_EQ(evolveFrom(teen, {}), 9);
        EXPECT_EQ(evolveFrom(teen, {.need = 20, .care = 2}), 9);
        // 2: few calls for its age, and half of them earned discipline.
        EXPECT_EQ(evolveFrom(teen, {.need = 10, .care = 5, .total = 100, .disciplineWhenNeed = 5}), 5);
        // 3: calls within half its age, and well disciplined.
        EXPECT_EQ(evolveFrom(teen, {.need = 10, .care = 5, .total = 20, .discipline = 8}), 6);
        // 4: disciplined, never scolded, no snacks, heavy: 7 at weights 50 to 60 only.
        const Record heavy{.need = 10, .care = 5, .total = 10, .discipline = 10, .weight = 55};
        EXPECT_EQ(evolveFrom(teen, heavy), 7);
        Record light = heavy;
        light.weight = 61;
        sim.run("rnd 0.5");
        EXPECT_EQ(evolveFrom(teen, light), 8) << "no rule fits: the draw decides";
        // 5: some discipline, light, scolded when it called.
        EXPECT_EQ(
            evolveFrom(teen, {.need = 10, .care = 5, .total = 10, .disciplineWhenNeed = 1, .discipline = 1}),
            8);
        // 6: more than four fifths answered, never disciplined.
        EXPECT_EQ(evolveFrom(teen, {.need = 10, .care = 9, .total = 10, .weight = 40}), 10);
        sim.run("rnd 0");
        EXPECT_EQ(evolveFrom(teen, {.need = 10, .care = 8, .total = 10, .weight = 40}), 5)
            << "exactly four fifths is not more than four fifths: the draw decides";
    }
}

TEST_F(Evolve, TeenDrawPicksAmongTheSixAdultsAndRatiosAreExactFractions) {
    const Record plain{.need = 10, .care = 8, .total = 10, .weight = 40};
    const std::pair<const char*, int> draws[] = {{"0", 5},   {"0.17", 6}, {"0.34", 7},
                                                 {"0.5", 8}, {"0.67", 9}, {"0.9999", 10}};
    for (const auto& [value, adult] : draws) {
        sim.run(std::string("rnd ") + value);
        EXPECT_EQ(evolveFrom(3, plain), adult) << value;
    }
    // Ratios are exact fractions. A half of three calls is more than one scolding: rule 2 fails and
    // the draw picks 10.
    sim.run("rnd 0.9999");
    EXPECT_EQ(evolveFrom(3, {.need = 3, .care = 1, .total = 30, .disciplineWhenNeed = 1}), 10);
    // A tenth of four thousand calls is four hundred: a 16-bit product would wrap negative.
    EXPECT_EQ(evolveFrom(3, {.need = 4000, .care = 300}), 9);
}

TEST_F(Evolve, SevenBecomesTheSecretCharacterOnlyWithFewCallsAndSomeDiscipline) {
    PetState& p = form().pet;
    p.MinuteToChangeCharacter = 490;
    EXPECT_EQ(evolveFrom(7, {.need = 2, .total = 20, .discipline = 1}), 11);
    p.MinuteToChangeCharacter = 490;
    EXPECT_EQ(evolveFrom(7, {.need = 3, .total = 20, .discipline = 1}), -1);
    EXPECT_EQ(p.MinuteToChangeCharacter, 490);
}

TEST_F(Evolve, SevenAtExactlyTwoDaysGetsTheFullLifeInstead) {
    PetState& p = form().pet;
    p.MaxMinutes = 730;
    p.MinuteToChangeCharacter = 480;
    EXPECT_EQ(evolveFrom(7, {.need = 3, .total = 20}), -1);
    EXPECT_EQ(p.MinuteToChangeCharacter, 730);
    EXPECT_EQ(p.DyingAction, 0);
}

TEST_F(Evolve, ASetEggDrawsTheLifeLengthAndClearsThePet) {
    const std::pair<const char*, int> draws[] = {
        {"0", 240}, {"0.2", 480}, {"0.5", 720}, {"0.7", 960}, {"0.99", 1200}};
    PetState& p = form().pet;
    for (const auto& [value, minutes] : draws) {
        p.Weight = 40;
        p.Dung = 3;
        p.Hunger = 2;
        p.AttentionHungry = true;
        p.LightOff = true;
        sim.run(std::string("rnd ") + value);
        form().DoSetCharacter(0);
        EXPECT_EQ(p.MaxMinutes, minutes) << value;
        EXPECT_EQ(p.Weight, 0);
        EXPECT_EQ(p.Dung, 0);
        EXPECT_EQ(p.Hunger, 0);
        EXPECT_FALSE(p.AttentionHungry);
        EXPECT_FALSE(p.LightOff);
        EXPECT_EQ(p.MinuteToChangeCharacter, 1);
        EXPECT_EQ(p.DyingTimeLeft, 480);
        EXPECT_TRUE(form().menuItem(MenuId::mCheatChar0).checked);
        EXPECT_FALSE(form().menuItem(MenuId::mCheatAction0).enabled);
        EXPECT_FALSE(form().menuItem(MenuId::mCheatAttention).enabled);
    }
}

} // namespace
