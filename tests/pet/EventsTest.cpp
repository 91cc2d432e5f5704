// SPDX-License-Identifier: GPL-3.0-or-later
// The event operations as the Cheats menu starts them, and the cancelling of what the screen is
// busy with before an event takes over.
#include "tests/Sim.h"

#include <gtest/gtest.h>

namespace {

class Events : public testing::Test {
protected:
    void SetUp() override {
        sim.run("store InsulatingSheet 0\nstart");
        form().elements.TempSick = {namedPicture("sick0"), namedPicture("sick1")};
        pet().MaxMinutes = 240;
        form().DoSetCharacter(3);
        form().options.cheatsShown = true; // as the typed cheat sequence leaves it
        form().elements.PipChar.visible = true;
    }
    Form1& form() { return sim.form(); }
    PetState& pet() { return sim.form().pet; }
    // Chooses an item as the user would: disabled items do nothing.
    void choose(const std::string& item) { sim.run("menu " + item); }

    Sim sim;
};

TEST_F(Events, DeathStartClearsCallsAndHidesDroppingsButKeepsTheirCount) {
    pet().Dung = 3;
    for (int i = 0; i < 3; ++i)
        form().elements.DungImage[static_cast<std::size_t>(i)].visible = true;
    pet().AttentionHungry = pet().AttentionDiscipline = true;
    pet().AttendTimeLeft = 80;
    form().device.ShownIcon = form().device.SelectedIcon = 4;
    form().elements.PipIcon[4].visible = true;
    form().layout.DyingLeft = 700;
    choose("mCheatAction3");
    EXPECT_EQ(pet().DyingAction, 1);
    EXPECT_FALSE(pet().AttentionHungry);
    EXPECT_FALSE(pet().AttentionDiscipline);
    EXPECT_EQ(pet().AttendTimeLeft, 0);
    EXPECT_FALSE(form().elements.AttendIcon.visible);
    EXPECT_FALSE(form().elements.PipIcon[4].visible);
    EXPECT_EQ(form().device.ShownIcon, 7);
    EXPECT_EQ(pet().Dung, 3);
    for (const Element& dung : form().elements.DungImage)
        EXPECT_FALSE(dung.visible);
    EXPECT_EQ(form().elements.PipChar.picture, form().elements.TempSick[1]);
    EXPECT_EQ(form().elements.PipChar.left, 700);
    EXPECT_TRUE(form().elements.Skull.visible);
    for (MenuId item : {MenuId::mCheatAttention, MenuId::mCheatAction0, MenuId::mCheatAction1,
                        MenuId::mCheatAction2, MenuId::mCheatAction3})
        EXPECT_FALSE(form().menuItem(item).enabled) << static_cast<int>(item);
}

TEST_F(Events, AnInterruptedDroppingStillLands) {
    pet().Dung = 2;
    choose("mCheatAction1");
    form().elements.DungImage[2].visible = true; // the animation shows the coming dropping here
    choose("mCheatAction0");
    EXPECT_FALSE(pet().DroppingAction);
    EXPECT_EQ(pet().Dung, 3);
    EXPECT_TRUE(form().elements.DungImage[2].visible) << "shown again as the third dropping";
    EXPECT_EQ(pet().Sickness, 1);

    pet().Dung = 8; // a full screen cannot take one more, even one cut short
    pet().DroppingAction = true;
    form().DoEndCurrentAction();
    EXPECT_EQ(pet().Dung, 8);
}

} // namespace
