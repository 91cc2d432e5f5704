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

TEST_F(Evolve, BabyAlwaysBecomesTheChild) {
    EXPECT_EQ(evolveFrom(1, {}), 2);
}

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

TEST_F(Evolve, TeenDrawPicksAmongTheSixAdults) {
    const Record plain{.need = 10, .care = 8, .total = 10, .weight = 40};
    const std::pair<const char*, int> draws[] = {{"0", 5},   {"0.17", 6}, {"0.34", 7},
                                                 {"0.5", 8}, {"0.67", 9}, {"0.9999", 10}};
    for (const auto& [value, adult] : draws) {
        sim.run(std::string("rnd ") + value);
        EXPECT_EQ(evolveFrom(3, plain), adult) << value;
    }
}

TEST_F(Evolve, RatiosAreExactFractions) {
    // A half of three calls is more than one scolding: rule 2 fails and the draw picks 10.
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

TEST_F(Evolve, OtherCharactersDoNotEvolve) {
    for (int16_t c : {0, 5, 6, 8, 9, 10, 11, 12})
        EXPECT_EQ(evolveFrom(c, {}), -1) << c;
}

class SetCharacter : public Evolve {};

TEST_F(SetCharacter, EggDrawsTheLifeLengthAndClearsThePet) {
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

TEST_F(SetCharacter, BabyStartsHungryAndUnhappy) {
    PetState& p = form().pet;
    p.NeedCount = 9;
    form().DoSetCharacter(1);
    EXPECT_EQ(p.Weight, 5);
    EXPECT_EQ(p.MinWeight, 5);
    EXPECT_EQ(p.MinuteToChangeCharacter, 21);
    EXPECT_EQ(p.FramePeriod, 60);
    EXPECT_TRUE(p.AttentionHungry);
    EXPECT_TRUE(p.AttentionHappy);
    EXPECT_EQ(p.AttendTimeLeft, 120);
    EXPECT_EQ(p.NeedCount, 2) << "the record is cleared first, then the two calls count";
    EXPECT_TRUE(form().elements.AttendIcon.visible);
}

TEST_F(SetCharacter, StageRaisesTheWeightToItsLowest) {
    PetState& p = form().pet;
    p.Weight = 12;
    form().DoSetCharacter(3);
    EXPECT_EQ(p.Weight, 20);
    EXPECT_EQ(p.MinuteToChangeCharacter, 730);
    p.Weight = 25;
    form().DoSetCharacter(3);
    EXPECT_EQ(p.Weight, 25);
    p.Weight = 12;
    form().DoSetCharacter(2);
    EXPECT_EQ(p.Weight, 12);
    EXPECT_EQ(p.MinuteToChangeCharacter, 490);
}

TEST_F(SetCharacter, AdultsLiveTheirDrawnLifeExceptSevenAndNine) {
    PetState& p = form().pet;
    p.MaxMinutes = 960;
    p.Discipline = 3;
    form().DoSetCharacter(6);
    EXPECT_EQ(p.MinuteToChangeCharacter, 960);
    EXPECT_EQ(p.Discipline, 3);
    EXPECT_EQ(p.FramePeriod, 80);
    form().DoSetCharacter(5);
    EXPECT_EQ(p.FramePeriod, 50);
    form().DoSetCharacter(9);
    EXPECT_EQ(p.Discipline, 7);
    form().DoSetCharacter(7);
    EXPECT_EQ(p.Discipline, 0);
    EXPECT_EQ(p.MinuteToChangeCharacter, 490);
    EXPECT_EQ(p.MaxMinutes, 730);
    form().DoSetCharacter(11);
    EXPECT_EQ(p.MinuteToChangeCharacter, 730) << "the secret character lives what 7 left it";
    EXPECT_EQ(p.FramePeriod, 60);
    EXPECT_EQ(p.Weight, 30);
}

TEST_F(SetCharacter, StageClearsTheCareRecordAndTheCalls) {
    PetState& p = form().pet;
    p.NeedCount = p.CareWhenNeed = p.TotalNeedCount = p.DisciplineWhenNeed = p.SnackCount = p.PlayCounter = 7;
    p.AttentionHappy = true;
    p.AttendTimeLeft = 50;
    p.MinuteCount = 400;
    p.SecondCount = 30;
    form().elements.AttendIcon.visible = true;
    form().layout.OriginalLeft = 615;
    form().layout.OriginalTop = 480;
    form().DoSetCharacter(4);
    EXPECT_EQ(p.NeedCount + p.CareWhenNeed + p.TotalNeedCount + p.DisciplineWhenNeed + p.SnackCount +
                  p.PlayCounter,
              0);
    EXPECT_FALSE(p.AttentionHappy);
    EXPECT_EQ(p.AttendTimeLeft, 0);
    EXPECT_EQ(p.MinuteCount, 0);
    EXPECT_EQ(p.SecondCount, 0);
    EXPECT_FALSE(form().elements.AttendIcon.visible);
    EXPECT_EQ(form().elements.PipChar.left, 615);
    EXPECT_EQ(form().elements.PipChar.top, 480);
    EXPECT_TRUE(form().menuItem(MenuId::mCheatChar4).checked);
    EXPECT_FALSE(form().menuItem(MenuId::mCheatChar0).checked);
}

TEST_F(SetCharacter, AngelKeepsTheRecordOfTheLifeAndClearsTheScreen) {
    PetState& p = form().pet;
    p.Age = 6;
    p.Weight = 44;
    p.Sickness = 1;
    p.Dung = 4;
    p.LightOff = true;
    p.SleepAction = true;
    form().DoSetCharacter(12);
    EXPECT_EQ(p.Age, 6);
    EXPECT_EQ(p.Weight, 44);
    EXPECT_EQ(p.Sickness, 1);
    EXPECT_EQ(p.Dung, 0);
    EXPECT_FALSE(p.LightOff);
    EXPECT_FALSE(p.SleepAction);
    EXPECT_TRUE(form().elements.Angel.visible);
    EXPECT_FALSE(form().menuItem(MenuId::mCheatAction3).enabled);
    // A new egg afterwards takes the angel off the screen.
    form().DoSetCharacter(0);
    EXPECT_FALSE(form().elements.Angel.visible);
}

TEST_F(SetCharacter, NumbersOutsideTheTableChangeNothing) {
    PetState& p = form().pet;
    form().DoSetCharacter(3);
    p.Weight = 33;
    form().DoSetCharacter(13);
    form().DoSetCharacter(-1);
    EXPECT_EQ(p.CharacterNo, 3);
    EXPECT_EQ(p.Weight, 33);
}

TEST_F(SetCharacter, ANewPetStopsTheDyingOfTheOld) {
    PetState& p = form().pet;
    form().DoSetCharacter(5);
    p.DyingAction = 50;
    form().elements.TempImage.visible = true;
    form().DoSetCharacter(0);
    EXPECT_EQ(p.DyingAction, 0) << "otherwise the tick would count no time for the egg, ever";
    EXPECT_FALSE(form().elements.TempImage.visible);
}

TEST_F(Evolve, CheatCharacterItems) {
    PetState& p = form().pet;
    form().DoSetCharacter(5);
    ASSERT_TRUE(form().menuClick(MenuId::mCheatChar1));
    EXPECT_EQ(p.CharacterNo, 0);
    EXPECT_EQ(p.SecondCount, 58);
    EXPECT_EQ(p.MinuteCount, 0);
    EXPECT_EQ(p.IntervalCount, 0);
    EXPECT_EQ(sim.script().desktop.pointer, Pointer::Default);

    form().menuClick(MenuId::mCheatChar6);
    EXPECT_EQ(p.CharacterNo, 0) << "the change animation sets the character when it ends";
    EXPECT_EQ(p.NextCharacterNo, 6);
    EXPECT_EQ(p.ChangeStep, 1);

    p.ChangeStep = 0;
    form().menuClick(MenuId::mCheatChar12);
    EXPECT_EQ(p.CharacterNo, 12);
    EXPECT_EQ(p.ChangeStep, 0);
    form().menuClick(MenuId::mCheatChar0);
    EXPECT_EQ(p.CharacterNo, 0);
    EXPECT_EQ(p.SecondCount, 0);
    form().mCheatChar_Click(13);
    form().mCheatChar_Click(-1);
    EXPECT_EQ(p.CharacterNo, 0);
    EXPECT_EQ(p.ChangeStep, 0);
}

} // namespace
