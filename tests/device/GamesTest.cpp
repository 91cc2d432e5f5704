// The games: the title, the turns of Game A and Game B with their draws, the cheat wins, the
// final score and what a game does to the pet, the refusal and quitting.
#include "tests/device/CareDevice.h"

#include <algorithm>

namespace {

class Games : public CareDevice {
protected:
    // One game step is five ticks.
    void steps(int count) {
        for (int i = 0; i < count * 5; ++i)
            f().DoGameStep();
    }
    // Runs game ticks until the game reaches a state (or a generous limit).
    void until(int16_t state) {
        for (int i = 0; i < 1000 && dev().GameState != state; ++i)
            f().DoGameStep();
        ASSERT_EQ(dev().GameState, state);
    }
    // Plays one Game A turn from the waiting pet: the pet turns to the side the draw says and
    // the player guesses left; the reaction is skipped as if its animation had ended.
    void turn(bool win) {
        until(2);
        sim.run(win ? "rnd 0.2" : "rnd 0.8");
        sim.run("press A");
        ASSERT_EQ(dev().GameState, win ? 3 : 4);
        sim.run("press B"); // skip the wait
        ASSERT_EQ(dev().GameState, 5);
        f().DoIconAction(2);
        ASSERT_EQ(dev().GameState, 1);
    }
    void playGame(int wins) {
        for (int i = 0; i < 5; ++i)
            turn(i < wins);
        steps(1);
    }
    void cheat() { f().options.cheatsShown = true; }
    void chooseGameB() { f().options.gameB = true; }
};

// The title, the turns and a won game are driven by games_game_a.sim; here the waiting pet that
// bobs with its sound on every step.
TEST_F(Games, TheWaitingPetBobsEveryStep) {
    open(2);
    until(2);
    EXPECT_FALSE(el().PipNumber.visible) << "Game A has no numbers";
    sounds();
    steps(1);
    EXPECT_EQ(nameOf(el().TempImage), "TempPlay1");
    steps(1);
    EXPECT_EQ(nameOf(el().TempImage), "TempPlay0");
    EXPECT_EQ(sounds().size(), 2u);
}

TEST_F(Games, APressSkipsTheTitle) {
    open(2);
    f().DoGameStep();
    sim.run("press A");
    EXPECT_EQ(dev().GameState, 1);
    f().DoGameStep();
    EXPECT_EQ(dev().GameState, 2);
}

TEST_F(Games, ThreeWinsOfFivePleaseThePetAndTwoDoNot) {
    for (int wins : {3, 2}) {
        SCOPED_TRACE(wins);
        const bool won = wins >= 3;
        pet().Happiness = 2;
        pet().AttentionHappy = true;
        pet().CareWhenNeed = pet().PlayCounter = 0;
        f().DoHideIcon();
        open(2);
        playGame(wins);
        EXPECT_EQ(dev().GameState, 6);
        EXPECT_EQ(pet().Happiness, won ? 3 : 2);
        EXPECT_EQ(pet().AttentionHappy, !won) << "a won game answers the unhappiness call";
        EXPECT_EQ(pet().CareWhenNeed, won ? 1 : 0);
        EXPECT_EQ(pet().PlayCounter, 1);
        EXPECT_EQ(nameOf(el().YourScore), "LargeNumber" + std::to_string(wins));
        EXPECT_EQ(nameOf(el().PipScore), "LargeNumber" + std::to_string(5 - wins));
        std::vector<std::string> heard = sounds();
        ASSERT_FALSE(heard.empty());
        EXPECT_EQ(heard.back(), "\\sounds\\plystop.wav");
        sim.run("press B"); // B skips the score
        EXPECT_EQ(dev().GameState, 7);
        EXPECT_TRUE(won ? dev().HappyAction : dev().UnhappyAction);
        // C during the reaction only moves the game on; a second C quits.
        sim.run("press C");
        EXPECT_EQ(dev().GameState, 1);
        sim.run("press C");
    }
}

TEST_F(Games, HappinessStopsAtFourAndWeightStaysInItsBounds) {
    struct Case {
        int16_t character, weight, minWeight, expected;
    };
    for (const Case& c : {Case{1, 20, 5, 20}, Case{2, 20, 5, 19}, Case{3, 5, 5, 5}, Case{3, 6, 5, 5},
                          Case{3, 99, 5, 99}, Case{3, 98, 5, 97}}) {
        SCOPED_TRACE(testing::Message() << c.character << " " << c.weight << " " << c.minWeight);
        pet().CharacterNo = c.character;
        pet().Weight = c.weight;
        pet().MinWeight = c.minWeight;
        pet().Happiness = 4;
        f().DoHideIcon();
        open(2);
        playGame(5);
        EXPECT_EQ(pet().Weight, c.expected);
        EXPECT_EQ(pet().Happiness, 4);
        sim.run("press C");
        ASSERT_EQ(dev().GameState, 0);
    }
}

TEST_F(Games, WithTheCheatsEveryTurnOfGameAIsWon) {
    cheat();
    open(2);
    // Each draw alone would turn the pet away from the guess.
    for (const char* guess : {"rnd 0.9\npress A", "rnd 0.1\npress B", "rnd 0.6\npress A"}) {
        until(2);
        sim.run(guess);
        EXPECT_EQ(dev().GameState, 3) << guess;
        sim.run("press B");
        f().DoIconAction(2);
    }
    EXPECT_EQ(dev().GameWins, 3);
}

TEST_F(Games, GameBDrawsANumberAndNeverATie) {
    chooseGameB();
    open(2);
    sim.run("rnd 0.35");
    until(2);
    EXPECT_EQ(dev().PipNumberValue, 3);
    EXPECT_EQ(nameOf(el().PipNumber), "LargeNumber3");
    EXPECT_TRUE(el().PipNumber.visible);
    // Lower: a drawn 3 is drawn again; 1 is lower.
    sim.run("rnd 0.3 0.1\npress A");
    EXPECT_EQ(dev().GameState, 3);
    EXPECT_EQ(nameOf(el().ResultNumber), "LargeNumber1");
    EXPECT_TRUE(el().ResultNumber.visible);
    EXPECT_EQ(nameOf(el().TempImage), "TempPlay3");
    EXPECT_FALSE(el().LeftArrow.visible) << "Game B shows numbers, not arrows";
    sim.run("press B");
    EXPECT_FALSE(el().PipNumber.visible);
    EXPECT_FALSE(el().ResultNumber.visible);
    f().DoIconAction(2);
    // Higher: 9 drawn against 9 is drawn again; 0 loses.
    sim.run("rnd 0.95");
    until(2);
    EXPECT_EQ(dev().PipNumberValue, 9);
    sim.run("rnd 0.99 0.05\npress B");
    EXPECT_EQ(dev().GameState, 4);
    EXPECT_EQ(nameOf(el().ResultNumber), "LargeNumber0");
    EXPECT_EQ(dev().GameGuess, 1);
}

TEST_F(Games, WithTheCheatsGameBIsAlwaysWonAndThePetsNumberLeavesRoom) {
    chooseGameB();
    cheat();
    open(2);
    // 0 and 9 are drawn again.
    sim.run("rnd 0.0 0.95 0.5");
    until(2);
    EXPECT_EQ(dev().PipNumberValue, 5);
    sim.run("rnd 0.99\npress A");
    EXPECT_EQ(dev().GameState, 3);
    EXPECT_EQ(nameOf(el().ResultNumber), "LargeNumber4");
    sim.run("press B");
    f().DoIconAction(2);
    for (const char* draw : {"0", "0.999"}) {
        sim.run("rnd 0.15");
        until(2);
        ASSERT_EQ(dev().PipNumberValue, 1);
        sim.run(std::string("rnd ") + draw + "\npress B");
        EXPECT_EQ(dev().GameState, 3);
        EXPECT_EQ(nameOf(el().ResultNumber), draw == std::string("0") ? "LargeNumber2" : "LargeNumber9");
        sim.run("press B");
        f().DoIconAction(2);
    }
    EXPECT_EQ(dev().GameWins, 3);
}

TEST_F(Games, ASickOrNaughtyPetWillNotPlay) {
    for (bool sick : {true, false}) {
        SCOPED_TRACE(sick ? "sick" : "naughty");
        pet().Sickness = sick ? 1 : 0;
        pet().AttentionDiscipline = !sick;
        f().DoHideIcon();
        open(2);
        EXPECT_EQ(dev().GameState, 0);
        EXPECT_TRUE(dev().NegativeAction);
        EXPECT_EQ(nameOf(el().TempImage), "TempNegative0");
        EXPECT_EQ(el().TempImage.left, 800);
        EXPECT_TRUE(el().TempImage.visible);
        EXPECT_EQ(pet().ScreenTimeLeft, 10);
        EXPECT_EQ(dev().ActionFramesLeft, 7);
        const std::vector<std::string> heard = sounds();
        EXPECT_EQ(std::count(heard.begin(), heard.end(), "\\sounds\\plystart.wav"), 0);
        // The refusal animation ends as C does; A ends it too.
        sim.run(sick ? "press C" : "press A");
        EXPECT_FALSE(dev().NegativeAction);
        EXPECT_FALSE(el().TempImage.visible);
        EXPECT_EQ(pet().ScreenTimeLeft, 0);
        EXPECT_EQ(pet().PlayCounter, 0);
    }
}

TEST_F(Games, CQuitsInEveryStateButTheReactions) {
    open(2);
    until(2);
    sim.run("rnd 0.2\npress A");
    ASSERT_EQ(dev().GameState, 3);
    sim.run("press C");
    EXPECT_EQ(dev().GameState, 0);
    EXPECT_EQ(pet().ScreenTimeLeft, 0);
    for (const Element* e :
         {&el().PlayTitle, &el().PlayResult, &el().YourScore, &el().PipScore, &el().LeftArrow,
          &el().RightArrow, &el().TempImage, &el().PipNumber, &el().ResultNumber})
        EXPECT_FALSE(e->visible);
    // Idle ticks do not bring the game back.
    steps(10);
    EXPECT_EQ(dev().GameState, 0);
    // The screen's time running out in the waiting state quits the same way.
    sim.run("press B");
    until(2);
    pet().ScreenTimeLeft = 0;
    f().DoIconAction(2);
    EXPECT_EQ(dev().GameState, 0);
}

TEST_F(Games, InTheDarkTheGameRunsUnseen) {
    pet().LightOff = true;
    open(2);
    EXPECT_EQ(dev().GameState, 1);
    EXPECT_TRUE(el().Dark.visible);
    EXPECT_FALSE(el().PlayTitle.visible);
    until(2);
    EXPECT_FALSE(el().TempImage.visible);
    sim.run("rnd 0.2\npress A");
    EXPECT_FALSE(el().LeftArrow.visible);
    EXPECT_EQ(dev().GameState, 3);
}

} // namespace
