// SPDX-License-Identifier: GPL-3.0-or-later
// The pet animation: the dropping and the tray record that follows the pet. DoAnimate is driven
// the way the normal tick drives it: the interval count grows by the tick period, then it runs.
#include "tests/Sim.h"

#include <gtest/gtest.h>

namespace {

class Animate : public testing::Test {
protected:
    void SetUp() override {
        sim.run("store InsulatingSheet 0\nstart");
        // Named pictures, so that a test can tell which one an element or the tray shows.
        ElementSet& e = form().elements;
        fillStore(e.TempChar, "char");
        fillStore(e.TempIcon, "icon");
        fillStore(e.TempDropping, "stool");
        fillStore(e.TempDung, "dung");
        fillStore(e.DungIcon, "dungicon");
        LayoutState& l = form().layout;
        l.Stool0Left = 500;
        l.Stool1Left = 530;
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

    Sim sim{Sim::noAssets()};
};

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

} // namespace
