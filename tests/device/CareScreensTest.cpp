// The light, medicine, flush and discipline screens and what each does to the pet's record.
#include "tests/device/CareDevice.h"

namespace {

using CareScreens = CareDevice;

TEST_F(CareScreens, TheLightGoesOffAndOnThroughItsMenu) {
    pet().LightMenuIndex = 0;
    open(1);
    EXPECT_TRUE(el().LightMenu.visible);
    EXPECT_EQ(el().RightArrow.top, 200);
    EXPECT_EQ(pet().ScreenTimeLeft, 10);
    sim.run("press A\npress B");
    EXPECT_TRUE(pet().LightOff);
    EXPECT_EQ(pet().LightMenuIndex, 1);
    EXPECT_FALSE(el().LightMenu.visible);
    EXPECT_FALSE(el().RightArrow.visible);
    EXPECT_EQ(pet().ScreenTimeLeft, 0);
    EXPECT_EQ(nameOf(el().Dark), "TempDark2") << "the awake pet's dark";
    EXPECT_EQ(pet().DarkWidth, el().Dark.width);
    EXPECT_EQ(pet().DarkWidth, 20 * 15) << "the picture's width in twips";
    // The menu opens on the row chosen last; B switches it back on.
    sim.run("press B");
    EXPECT_EQ(dev().MenuIndex, 1);
    sim.run("press A\npress B");
    EXPECT_FALSE(pet().LightOff);
    EXPECT_EQ(pet().LightMenuIndex, 0);
    // C leaves the light as it is.
    sim.run("press B\npress A\npress C");
    EXPECT_FALSE(pet().LightOff);
    EXPECT_FALSE(el().LightMenu.visible);
    EXPECT_EQ(pet().ScreenTimeLeft, 0);
}

TEST_F(CareScreens, DarknessAnswersTheSleepingPetsCall) {
    pet().SleepAction = true;
    pet().AttentionSleep = true;
    pet().AttentionHungry = true;
    pet().AttentionHappy = true;
    pet().AttentionDiscipline = true;
    pet().AttendTimeLeft = 90;
    pet().NeedCount = 3;
    pet().DyingTimeLeft = 7;
    el().AttendIcon.visible = true;
    pet().LightMenuIndex = 1;
    open(1);
    sim.run("press B");
    EXPECT_TRUE(pet().LightOff);
    EXPECT_EQ(nameOf(el().Dark), "TempDark0") << "the sleeping pet's dark";
    EXPECT_EQ(pet().StatusText, f().menuItem(MenuId::mCheatAction2).caption);
    EXPECT_EQ(pet().NeedCount, 2);
    EXPECT_EQ(pet().CareWhenNeed, 2);
    EXPECT_EQ(pet().DyingTimeLeft, 480);
    EXPECT_FALSE(pet().AttentionSleep || pet().AttentionHungry || pet().AttentionHappy ||
                 pet().AttentionDiscipline);
    EXPECT_FALSE(el().AttendIcon.visible);
    EXPECT_EQ(pet().AttendTimeLeft, 0);
}

TEST_F(CareScreens, DarknessWithoutASleepCallChangesNoRecord) {
    pet().SleepAction = true;
    pet().AttentionHungry = true;
    pet().NeedCount = 3;
    pet().LightMenuIndex = 1;
    open(1);
    sim.run("press B");
    EXPECT_TRUE(pet().LightOff);
    EXPECT_EQ(pet().NeedCount, 3);
    EXPECT_EQ(pet().CareWhenNeed, 0);
    EXPECT_TRUE(pet().AttentionHungry);
}

TEST_F(CareScreens, MedicineCuresOneLevelPerDose) {
    pet().Sickness = 2;
    pet().DyingTimeLeft = 9;
    open(3);
    EXPECT_TRUE(dev().UnhappyAction);
    EXPECT_EQ(nameOf(el().TempImage), "TempUnhappy0");
    EXPECT_EQ(el().TempImage.left, 1000);
    EXPECT_TRUE(el().TempImage.visible);
    EXPECT_EQ(dev().ActionFramesLeft, 7);
    EXPECT_EQ(pet().ScreenTimeLeft, 10);
    EXPECT_EQ(pet().Sickness, 2) << "the dose counts when it is over";
    sim.run("press C");
    EXPECT_EQ(pet().Sickness, 1);
    EXPECT_EQ(pet().DyingTimeLeft, 480);
    EXPECT_FALSE(dev().UnhappyAction);
    EXPECT_FALSE(el().TempImage.visible);
    EXPECT_EQ(pet().ScreenTimeLeft, 0);
    EXPECT_EQ(dev().IconTimeLeft, 10);
    // The animation ending calls the same finish.
    sim.run("press B");
    f().DoIconAction(2);
    EXPECT_EQ(pet().Sickness, 0);
}

TEST_F(CareScreens, MedicineForAHealthyPetIsRefusedAndChangesNothing) {
    pet().DyingTimeLeft = 9;
    el().BackView.visible = true;
    highlight(3);
    f().DoButtonB();
    EXPECT_TRUE(dev().NegativeAction);
    EXPECT_FALSE(dev().UnhappyAction);
    EXPECT_EQ(nameOf(el().TempImage), "TempNegative0");
    EXPECT_EQ(el().TempImage.left, 800);
    EXPECT_FALSE(el().TempImage.visible) << "nothing shows on the back";
    f().DoIconAction(0);
    EXPECT_FALSE(dev().NegativeAction);
    EXPECT_EQ(pet().Sickness, 0);
    EXPECT_EQ(pet().DyingTimeLeft, 9);
    // A or C without a dose given cure nothing.
    pet().Sickness = 1;
    f().DoIconAction(2);
    f().DoIconAction(0);
    EXPECT_EQ(pet().Sickness, 1);
}

TEST_F(CareScreens, TheFlushStartsTheWaveAndCanBeCutShort) {
    el().Dark.width = 900;
    pet().DarkWidth = 900;
    pet().Dung = 3;
    for (int i = 0; i < 3; ++i)
        el().DungImage[static_cast<std::size_t>(i)].visible = true;
    el().Water.move(555, 666);
    open(4);
    EXPECT_TRUE(dev().FlushAction);
    EXPECT_TRUE(el().Water.visible);
    EXPECT_EQ(el().Dark.width, 840);
    EXPECT_EQ(pet().ScreenTimeLeft, 10);
    EXPECT_EQ(dev().IconTimeLeft, 10);
    // B again, mid-wave, finishes at once.
    sim.run("press B");
    EXPECT_FALSE(dev().FlushAction);
    EXPECT_FALSE(el().Water.visible);
    EXPECT_EQ(el().Water.left, 1400);
    EXPECT_EQ(el().Water.top, 1410);
    EXPECT_EQ(el().Dark.width, 900);
    EXPECT_EQ(pet().Dung, 0);
    for (const Element& dung : el().DungImage)
        EXPECT_FALSE(dung.visible);
    EXPECT_EQ(pet().ScreenTimeLeft, 0);
}

TEST_F(CareScreens, CEndsTheHappyDanceAfterAFlush) {
    pet().Dung = 1;
    open(4);
    // The tick's wave has crossed the screen and started the happy animation.
    dev().FlushAction = false;
    dev().HappyAction = true;
    el().TempImage.visible = true;
    sim.run("press C");
    EXPECT_FALSE(dev().HappyAction);
    EXPECT_FALSE(el().TempImage.visible);
    EXPECT_EQ(pet().ScreenTimeLeft, 0);
    EXPECT_EQ(pet().Dung, 0);
    // With nothing running, A and C leave the flush alone.
    pet().Dung = 2;
    f().DoIconAction(2);
    EXPECT_EQ(pet().Dung, 2);
}

TEST_F(CareScreens, DisciplineFillsTheGaugeInFourAnsweredCalls) {
    std::vector<int16_t> gauge;
    for (int call = 0; call < 5; ++call) {
        pet().AttentionDiscipline = true;
        if (call == 0)
            open(6);
        else
            sim.run("press B");
        EXPECT_TRUE(dev().UnhappyAction);
        EXPECT_EQ(nameOf(el().TempImage), "TempUnhappy0");
        EXPECT_EQ(el().TempImage.top, 1010);
        EXPECT_EQ(soundsButBeeps(), std::vector<std::string>{"\\sounds\\discipln.wav"});
        sim.run("press C");
        EXPECT_FALSE(pet().AttentionDiscipline);
        EXPECT_FALSE(dev().UnhappyAction);
        EXPECT_EQ(dev().IconTimeLeft, 10);
        gauge.push_back(pet().Discipline);
    }
    EXPECT_EQ(gauge, (std::vector<int16_t>{3, 7, 10, 14, 14}));
}

TEST_F(CareScreens, DisciplineWithoutACallScoldsForNothing) {
    pet().Discipline = 7;
    pet().DyingTimeLeft = 9;
    open(6);
    EXPECT_TRUE(soundsButBeeps().empty()) << "no scolding sound without a call";
    sim.run("press A");
    EXPECT_EQ(pet().Discipline, 7);
    EXPECT_EQ(pet().DisciplineWhenNeed, 0);
    EXPECT_EQ(pet().DyingTimeLeft, 480);
    // Scolding a pet that called for food or play counts against the carer.
    for (bool hungry : {true, false}) {
        pet().AttentionHungry = hungry;
        pet().AttentionHappy = !hungry;
        sim.run("press B\npress B");
    }
    EXPECT_EQ(pet().DisciplineWhenNeed, 2);
    EXPECT_EQ(pet().Discipline, 7);
}

} // namespace
