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

TEST_F(ToolTipTest, CallsSpeakBeforeTheSummary) {
    Form1& f = form();
    f.pet.AttentionHungry = f.pet.AttentionHappy = true;
    EXPECT_EQ(status(), "Hungry, Unhappy");
    f.pet.AttentionHungry = false;
    EXPECT_EQ(status(), "Unhappy");
    f.pet.AttentionHungry = true;
    f.pet.AttentionHappy = false;
    EXPECT_EQ(status(), "Hungry");
    f.pet.AttentionDiscipline = f.pet.AttentionHappy = true;
    EXPECT_EQ(status(), "Discipline");
    // Sickness outranks any call, sleep outranks everything.
    f.pet.Sickness = 1;
    EXPECT_EQ(status(), "Sick");
    f.pet.SleepAction = true;
    EXPECT_EQ(status(), "Sleep");
    f.pet.AttentionHungry = f.pet.AttentionHappy = f.pet.AttentionDiscipline = false;
    f.pet.Sickness = 0;
    EXPECT_EQ(status(), "Sleep");
}

TEST_F(ToolTipTest, DroppingsAloneNeverShow) {
    form().pet.Dung = 8;
    EXPECT_EQ(status(), "Age=3, Weight=12, Hungry=2, Happy=4, Discipline=10");
}

TEST_F(ToolTipTest, WordsComeFromTheMenuCaptions) {
    Form1& f = form();
    f.menuItem(MenuId::mCheatAttention0).caption = "Hunger";
    f.menuItem(MenuId::mCheatAttention1).caption = "Sad";
    f.pet.AttentionHungry = f.pet.AttentionHappy = true;
    EXPECT_EQ(status(), "Hunger, Sad");
}

TEST_F(ToolTipTest, EggAndAngelSayNothingButStillDropAStaleCallIcon) {
    Form1& f = form();
    for (int16_t character : {int16_t{0}, int16_t{12}}) {
        f.pet.CharacterNo = character;
        f.pet.SleepAction = true;
        f.elements.AttendIcon.visible = true;
        f.pet.AttendTimeLeft = 50;
        EXPECT_EQ(status(), "");
        EXPECT_FALSE(f.elements.AttendIcon.visible);
        EXPECT_EQ(f.pet.AttendTimeLeft, 0);
    }
}

TEST_F(ToolTipTest, PendingCallKeepsItsIcon) {
    Form1& f = form();
    f.pet.AttentionSleep = true;
    f.elements.AttendIcon.visible = true;
    f.pet.AttendTimeLeft = 50;
    status();
    EXPECT_TRUE(f.elements.AttendIcon.visible);
    EXPECT_EQ(f.pet.AttendTimeLeft, 50);
}

TEST_F(ToolTipTest, PluginTranslatesTheStatusText) {
    Sim translated(tree.appDir());
    translated.run(
        "store InsulatingSheet 0\nstore CharacterNo 3\nstore Plugins Lang\nstore SleepAction True\nstart");
    translated.form().DoSetToolTip();
    EXPECT_EQ(translated.form().pet.StatusText, "Zzz");
    translated.form().pet.SleepAction = false;
    translated.form().pet.Age = 1;
    translated.form().DoSetToolTip();
    EXPECT_EQ(translated.form().pet.StatusText.rfind("Years=1, Weight=", 0), 0u)
        << translated.form().pet.StatusText;
}

} // namespace
