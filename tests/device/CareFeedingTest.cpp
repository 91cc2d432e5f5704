// The feed screen: its menu, what a meal or a snack does to the pet, the refusals, and the two
// eating animations step by step.
#include "tests/device/CareDevice.h"

namespace {

class Feeding : public CareDevice {
protected:
    // Opens the feed menu and confirms the row given (0 meal, 1 snack).
    void serve(int row) {
        pet().FeedMenuIndex = static_cast<int16_t>(row);
        open(0);
        ASSERT_TRUE(el().FeedMenu.visible);
        sim.run("press B");
    }
    // Runs eating steps until the food is gone, recording "food/pet" after each.
    std::vector<std::string> eatUp() {
        std::vector<std::string> seen;
        for (int i = 0; i < 20 && dev().EatingAction; ++i) {
            f().DoEatingStep();
            seen.push_back(dev().EatingAction ? nameOf(el().MealSnack) + "/" + nameOf(el().TempImage)
                                              : "end");
        }
        return seen;
    }
};

TEST_F(Feeding, TheMenuOpensOnTheRememberedRowAndACyclesTheRows) {
    pet().FeedMenuIndex = 1;
    open(0);
    EXPECT_TRUE(el().FeedMenu.visible);
    EXPECT_EQ(dev().MenuIndex, 1);
    EXPECT_TRUE(el().RightArrow.visible);
    EXPECT_EQ(el().RightArrow.left, 100);
    EXPECT_EQ(el().RightArrow.top, 300);
    EXPECT_EQ(pet().ScreenTimeLeft, 10);
    EXPECT_EQ(dev().IconTimeLeft, 10);
    pet().ScreenTimeLeft = 4;
    sim.run("press A");
    EXPECT_EQ(dev().MenuIndex, 0);
    EXPECT_EQ(el().RightArrow.top, 200);
    EXPECT_EQ(pet().ScreenTimeLeft, 10);
    sim.run("press A");
    EXPECT_EQ(dev().MenuIndex, 1);
    // C closes the menu without feeding.
    sim.run("press C");
    EXPECT_FALSE(el().FeedMenu.visible);
    EXPECT_FALSE(el().RightArrow.visible);
    EXPECT_EQ(pet().ScreenTimeLeft, 0);
    EXPECT_FALSE(dev().EatingAction);
    EXPECT_EQ(pet().SnackCount, 0);
}

TEST_F(Feeding, AFullSickOrNaughtyPetRefusesTheMealButTakesASnack) {
    struct Case {
        const char* why;
        int16_t hunger, sickness;
        bool discipline;
    };
    for (const Case& c :
         {Case{"full", 4, 0, false}, Case{"sick", 2, 1, false}, Case{"naughty", 2, 0, true}}) {
        SCOPED_TRACE(c.why);
        sim.run("set ScreenTimeLeft 0\nset IconTimeLeft 0");
        f().DoHideIcon();
        pet().Hunger = c.hunger;
        pet().Sickness = c.sickness;
        pet().AttentionDiscipline = c.discipline;
        pet().AttentionHungry = true;
        pet().Weight = 20;
        pet().DyingTimeLeft = 5;
        serve(0);
        EXPECT_EQ(pet().Hunger, c.hunger);
        EXPECT_EQ(pet().Weight, 20);
        EXPECT_TRUE(pet().AttentionHungry);
        EXPECT_EQ(pet().CareWhenNeed, 0);
        EXPECT_EQ(pet().DyingTimeLeft, 480) << "offering food is care even when refused";
        EXPECT_EQ(nameOf(el().MealSnack), "TempMeal0");
        EXPECT_EQ(nameOf(el().TempImage), "TempNegative0");
        EXPECT_EQ(el().TempImage.left, 800);
        EXPECT_EQ(el().TempImage.top, 810);
        sim.run("press C\npress C");
        ASSERT_FALSE(el().FeedMenu.visible);
        f().DoHideIcon();
        pet().Happiness = 1;
        serve(1);
        EXPECT_EQ(pet().Happiness, 2);
        EXPECT_EQ(pet().Weight, 22);
        EXPECT_EQ(nameOf(el().MealSnack), "TempMeal4");
        EXPECT_EQ(nameOf(el().TempImage), "TempEat0");
        sim.run("press C\npress C");
        pet().SnackCount = 0;
    }
}

TEST_F(Feeding, ASnackCheersUpEvenAHappyPetAndAlwaysCounts) {
    pet().Happiness = 4;
    pet().AttentionHappy = true;
    pet().Weight = 30;
    serve(1);
    EXPECT_EQ(pet().Happiness, 4);
    EXPECT_EQ(pet().SnackCount, 1);
    EXPECT_EQ(pet().Weight, 32);
    EXPECT_FALSE(pet().AttentionHappy);
    EXPECT_EQ(pet().CareWhenNeed, 1);
    EXPECT_EQ(pet().FeedMenuIndex, 1);
    EXPECT_EQ(dev().FrameIndex, 4);
}

TEST_F(Feeding, WeightGrowsFromTheSecondCharacterOnAndStopsAt99) {
    struct Case {
        int16_t character, weight;
        int row;
        int16_t expected;
    };
    for (const Case& c : {Case{1, 5, 0, 5}, Case{1, 5, 1, 5}, Case{2, 5, 0, 6}, Case{2, 98, 1, 100},
                          Case{4, 99, 0, 99}, Case{4, 99, 1, 99}, Case{4, 98, 0, 99}}) {
        SCOPED_TRACE(testing::Message()
                     << "character " << c.character << " weight " << c.weight << " row " << c.row);
        pet().CharacterNo = c.character;
        pet().Weight = c.weight;
        pet().Hunger = 0;
        serve(c.row);
        EXPECT_EQ(pet().Weight, c.expected);
        sim.run("press C\npress C");
        f().DoHideIcon();
    }
}

// Food and pet picture after each eating step: most characters take four steps after the food
// drops, the baby and Wiggle take every bite, a refused meal shakes its head until the fourth no.
TEST_F(Feeding, EachEatingAnimationRunsItsStepsAndReturnsToTheMenu) {
    struct Case {
        int16_t character, hunger;
        int row;
        std::vector<std::string> steps;
    };
    const std::string no0 = "TempMeal0/TempNegative0", no1 = "TempMeal0/TempNegative1";
    const Case cases[] = {
        {3,
         0,
         0,
         {"TempMeal0/TempEat0", "TempMeal2/TempEat1", "TempMeal3/TempEat0", "TempMeal3/TempEat1", "end"}},
        {3, 4, 0, {no0, no1, no0, no1, no0, no1, no0, "end"}},
        {1,
         0,
         1,
         {"TempMeal4/TempEat0", "TempMeal5/TempEat1", "TempMeal5/TempEat0", "TempMeal6/TempEat1",
          "TempMeal6/TempEat0", "TempMeal7/TempEat1", "TempMeal7/TempEat0", "end"}},
        {9,
         0,
         1,
         {"TempMeal4/TempEat0", "TempMeal5/TempEat1", "TempMeal5/TempEat0", "TempMeal6/TempEat1",
          "TempMeal6/TempEat0", "TempMeal7/TempEat1", "TempMeal7/TempEat0", "end"}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "character " << c.character << " hunger " << c.hunger);
        pet().CharacterNo = c.character;
        pet().Hunger = c.hunger;
        serve(c.row);
        EXPECT_EQ(eatUp(), c.steps);
        // The meal is over: back in the feed menu for more.
        EXPECT_TRUE(el().FeedMenu.visible);
        EXPECT_TRUE(el().RightArrow.visible);
        EXPECT_FALSE(el().MealSnack.visible);
        EXPECT_FALSE(el().TempImage.visible);
        EXPECT_EQ(pet().ScreenTimeLeft, 10);
        EXPECT_EQ(dev().MenuIndex, c.row);
        sim.run("press C");
        f().DoHideIcon();
    }
}

TEST_F(Feeding, EatingMovesAtTheCharactersPace) {
    pet().DelayValue = 7;
    serve(0);
    for (int i = 0; i < 6; ++i)
        f().DoEatingStep();
    EXPECT_EQ(el().MealSnack.top, 500);
    f().DoEatingStep();
    EXPECT_EQ(el().MealSnack.top, 600) << "the food drops before it is eaten";
    EXPECT_EQ(el().MealSnack.left, 400);
    EXPECT_EQ(el().TempImage.left, 700);
    for (int i = 0; i < 7; ++i)
        f().DoEatingStep();
    EXPECT_EQ(nameOf(el().MealSnack), "TempMeal2");
}

TEST_F(Feeding, AOrBDuringTheMealGoBackToTheMenu) {
    for (const char* press : {"press A", "press B"}) {
        SCOPED_TRACE(press);
        pet().LightOff = true;
        serve(0);
        EXPECT_TRUE(el().Dark.visible) << "the food is eaten in the dark";
        EXPECT_FALSE(el().MealSnack.visible);
        EXPECT_FALSE(el().TempImage.visible);
        pet().ScreenTimeLeft = 3;
        sim.run(press);
        EXPECT_FALSE(dev().EatingAction);
        EXPECT_TRUE(el().FeedMenu.visible);
        EXPECT_TRUE(el().RightArrow.visible);
        EXPECT_FALSE(el().Dark.visible) << "the menu is read in the light";
        EXPECT_EQ(pet().ScreenTimeLeft, 10);
        sim.run("press C");
        f().DoHideIcon();
    }
}

TEST_F(Feeding, ATimedOutMealEndsOnTheMainScreen) {
    serve(0);
    f().DoEatingStep();
    // The tick found the screen's time up and closed it the way C does.
    pet().ScreenTimeLeft = 0;
    f().DoIconAction(2);
    EXPECT_FALSE(dev().EatingAction);
    EXPECT_FALSE(el().FeedMenu.visible);
    EXPECT_FALSE(el().RightArrow.visible);
    EXPECT_FALSE(el().MealSnack.visible);
    EXPECT_EQ(pet().ScreenTimeLeft, 0);
}

TEST_F(Feeding, AMealFinishedOnTheBackViewLeavesTheMenuHiddenButOpen) {
    serve(0);
    el().BackView.visible = true;
    eatUp();
    EXPECT_FALSE(el().FeedMenu.visible);
    EXPECT_EQ(pet().ScreenTimeLeft, 10);
    // Closing the unseen menu, as a change of character does before it takes over the screen.
    f().DoIconAction(2);
    EXPECT_EQ(pet().ScreenTimeLeft, 0);
    EXPECT_FALSE(el().RightArrow.visible);
}

} // namespace
