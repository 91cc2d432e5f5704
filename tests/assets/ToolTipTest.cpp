// SPDX-License-Identifier: GPL-3.0-or-later
// The status text composed after every tick.
#include "tests/Sim.h"
#include "tests/TestTree.h"

#include <gtest/gtest.h>

namespace {

class ToolTipTest : public ::testing::Test {
protected:
    ToolTipTest() : sim(tree.appDir()) {
        sim.run(
            "store InsulatingSheet 0\nstore CharacterNo 3\nstart\nset Age 3\nset Weight 12\nset Hunger 2\n"
            "set Happiness 4\nset Discipline 10\nset AttentionHungry false\nset AttentionHappy false\n"
            "set AttentionDiscipline false\nset AttentionSleep false\nset SleepAction false\nset Sickness 0");
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
