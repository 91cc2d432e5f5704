// The pet animation: the egg's hatching, dying, droppings, sleep, illness, walking, the tray
// record that follows the pet, and the reset button. DoAnimate is driven the way the normal tick
// drives it: the interval count grows by the tick period, then the animation runs.
#include "tests/Sim.h"

#include <gtest/gtest.h>

namespace {

class Animate : public testing::Test {
protected:
    void SetUp() override {
        sim.run("store InsulatingSheet 0\nstart");
        ElementSet& e = form().elements;
        fillStore(e.TempChar, "char");
        fillStore(e.TempIcon, "icon");
        fillStore(e.TempSick, "sick");
        fillStore(e.TempSleep, "sleep");
        fillStore(e.TempSleepSign, "sign");
        fillStore(e.TempDropping, "stool");
        fillStore(e.TempDark, "dark");
        fillStore(e.TempDung, "dung");
        fillStore(e.DungIcon, "dungicon");
        fillStore(e.SleepIcon, "sleepicon");
        fillStore(e.AngelIcon, "angelicon");
        fillStore(e.Stars, "stars");
        e.SickIcon = namedPicture("sickicon");
        e.AttentionIcon = namedPicture("attendicon");
        e.NullIcon = namedPicture("nullicon");
        e.PipScr.move(0, 0);
        e.PipScr.width = 1500;
        e.PipScr.height = 1000;
        LayoutState& l = form().layout;
        l.EggShakeLeft = 600;
        l.EggShakeRight = 660;
        l.EggHatchLeft = 615;
        l.EggHatchTop = 300;
        l.Stool0Left = 500;
        l.Stool0Top = 200;
        l.Stool1Left = 530;
        l.Stool1Top = 210;
        l.LayAnEggLeft = 450;
        l.LayAnEggTop = 220;
        l.SleepLeft = 400;
        l.SleepTop = 230;
        l.StarsLeft = 100;
        l.StarsTop = 50;
        sim.script().sound.take();
    }

    Form1& form() { return sim.form(); }
    PetState& pet() { return form().pet; }

    // One normal tick as far as the pet animation sees it.
    void tick(int count = 1) {
        for (int i = 0; i < count; ++i) {
            pet().IntervalCount = static_cast<int16_t>(pet().IntervalCount + pet().TimerInterval);
            form().DoAnimate();
        }
    }
    // Ticks until the next frame has run; returns how many ticks it took.
    int nextFrame() {
        const int16_t before = form().device.ActionFrameCount;
        for (int ticks = 1; ticks < 1000; ++ticks) {
            tick();
            if (form().device.ActionFrameCount != before || pet().CharacterNo == 12) return ticks;
        }
        return -1;
    }
    std::vector<std::string> sounds() { return sim.script().sound.take(); }

    Sim sim{Sim::noAssets()};
};

TEST_F(Animate, DyingBlinksSlowsDownLaysAnEggAndEndsAsTheAngel) {
    form().DoSetCharacter(6);
    // The death start arms the animation this way: its first frame comes on the next tick.
    pet().DyingAction = 1;
    pet().FramePeriod = 120;
    pet().IntervalCount = 119;
    form().device.ActionFrameCount = 0;
    form().device.FrameIndex = 0;

    std::vector<int> periods; // the frame period each frame waited, in interval units
    int16_t period = 120;
    int beeps = 0, eggShown = 0;
    for (int frame = 1; frame <= 60 && pet().CharacterNo != 12; ++frame) {
        const int ticks = nextFrame();
        ASSERT_GT(ticks, 0);
        periods.push_back(period);
        period = pet().FramePeriod;
        for (const auto& s : sounds())
            beeps += s == "\\sounds\\beep.wav";
        eggShown += form().elements.TempImage.visible;
        if (pet().CharacterNo != 12 && pet().DyingAction <= 45) {
            EXPECT_EQ(form().elements.Skull.visible, form().device.FrameIndex == 1) << "frame " << frame;
        }
    }
    ASSERT_EQ(periods.size(), 53u);
    EXPECT_EQ(std::count(periods.begin(), periods.begin() + 31, 120), 31);
    EXPECT_EQ(std::count(periods.begin() + 31, periods.begin() + 45, 250), 14);
    EXPECT_EQ(std::count(periods.begin() + 45, periods.end(), 120), 8);
    EXPECT_EQ(beeps, 22) << "a beep with every skull, on every other of the 44 blink frames";
    EXPECT_EQ(eggShown, 4) << "the laid egg blinks on every second frame";
    EXPECT_EQ(pet().CharacterNo, 12);
    EXPECT_EQ(pet().DyingAction, 0);
    EXPECT_FALSE(form().elements.TempImage.visible);
}

TEST_F(Animate, DroppingTakesFifteenFramesAndLeavesTheEighthDropping) {
    form().DoSetCharacter(5);
    pet().Dung = 7;
    pet().DroppingAction = true;
    pet().IntervalCount = static_cast<int16_t>(pet().FramePeriod - 1);
    form().device.ActionStep = 0;
    std::vector<int> lefts;
    std::vector<std::string> icons;
    for (int frame = 0; frame < 15; ++frame) {
        EXPECT_TRUE(pet().DroppingAction) << frame;
        nextFrame();
        lefts.push_back(form().elements.PipChar.left);
        icons.push_back(nameOf(form().trayIcon));
        if (frame >= 7 && frame <= 13) {
            EXPECT_EQ(nameOf(form().elements.DungImage[2].picture), frame % 2 == 0 ? "dung1" : "dung0")
                << frame;
        }
    }
    EXPECT_EQ(lefts[0], 500);
    EXPECT_EQ(lefts[1], 470) << "the pet shakes 30 twips to the left";
    EXPECT_EQ(lefts[6], 500);
    EXPECT_EQ(lefts[7], 530);
    EXPECT_EQ(icons[1], "dungicon1");
    EXPECT_EQ(icons[2], "dungicon0");
    EXPECT_FALSE(pet().DroppingAction);
    EXPECT_EQ(pet().Dung, 8);
    EXPECT_TRUE(form().elements.DungImage[7].visible);
    EXPECT_EQ(pet().StatusText, "Poop");

    // A ninth dropping cannot exist: a count already at eight stays there.
    pet().DroppingAction = true;
    form().device.ActionStep = 14;
    nextFrame();
    EXPECT_EQ(pet().Dung, 8);
}

TEST_F(Animate, TrayIsSentOnlyWhenItChangesAndOnlyWhileThePetLives) {
    form().DoSetCharacter(2);
    form().layout.CanWalk = false;
    nextFrame();
    const int calls = sim.script().tray.calls;
    tick(3);
    EXPECT_EQ(sim.script().tray.calls, calls) << "nothing changed: no call";
    nextFrame();
    EXPECT_EQ(sim.script().tray.calls, calls + 1);

    pet().InsulatingSheet = 1;
    nextFrame();
    EXPECT_EQ(sim.script().tray.calls, calls + 1) << "the sheet is in: the tray keeps the window icon";
}

TEST_F(Animate, ResetButtonStartsANewEggOnALeftRelease) {
    ElementSet& e = form().elements;
    e.ResetStatus[0].picture = namedPicture("reset0");
    e.ResetStatus[1].picture = namedPicture("reset1");
    form().DoSetCharacter(12);
    pet().LightOff = true;
    pet().LightMenuIndex = 1;
    form().ResetButton_MouseUp(2, 0, 0, 0);
    EXPECT_EQ(pet().CharacterNo, 12) << "the right button does nothing";
    form().ResetButton_MouseDown(1, 0, 0, 0);
    EXPECT_EQ(nameOf(e.ResetButton.picture), "reset1");
    EXPECT_EQ(pet().CharacterNo, 12);
    form().ResetButton_MouseUp(1, 0, 0, 0);
    EXPECT_EQ(nameOf(e.ResetButton.picture), "reset0");
    EXPECT_EQ(pet().CharacterNo, 0);
    EXPECT_FALSE(pet().LightOff);
    EXPECT_EQ(pet().LightMenuIndex, 0);
    EXPECT_EQ(sounds(), std::vector<std::string>{"\\sounds\\reset.wav"});
}

} // namespace
