// The status text composed after every tick.
#include "tests/Sim.h"
#include "tests/TestTree.h"

#include <gtest/gtest.h>

namespace {

class ToolTipTest : public ::testing::Test {
protected:
    ToolTipTest() : sim(tree.appDir()) {
        sim.run("store InsulatingSheet 0\nstore CharacterNo 3\nstart");
        Form1& f = form();
        f.pet.Age = 3;
        f.pet.Weight = 12;
        f.pet.Hunger = 2;
        f.pet.Happiness = 4;
        f.pet.Discipline = 10;
        f.pet.AttentionHungry = f.pet.AttentionHappy = f.pet.AttentionDiscipline = f.pet.AttentionSleep =
            false;
        f.pet.SleepAction = false;
        f.pet.Sickness = 0;
    }
    Form1& form() { return sim.form(); }
    const std::string& status() {
        form().DoSetToolTip();
        return form().pet.StatusText;
    }

    TestTree tree;
    Sim sim;
};

TEST_F(ToolTipTest, SummaryListsEveryLabelledNumber) {
    EXPECT_EQ(status(), "Age=3, Weight=12, Hungry=2, Happy=4, Discipline=10");
    LayoutState& l = form().layout;
    l.AgeToolTip.clear();
    l.HungryToolTip.clear();
    l.HappyToolTip.clear();
    l.DisciplineToolTip.clear();
    EXPECT_EQ(status(), "Weight=12");
    l.WeightToolTip.clear();
    EXPECT_EQ(status(), "");
    l.DisciplineToolTip = "D";
    form().pet.Discipline = -32768;
    EXPECT_EQ(status(), "D=-32768");
}

} // namespace
