// SPDX-License-Identifier: GPL-3.0-or-later
// The label file and the skin file: captions, tooltips, positions and the recorded button places.
#include "tests/Sim.h"
#include "tests/TestTree.h"

#include <gtest/gtest.h>

namespace {

using LayoutFilesTest = TreeDevice;

TEST_F(LayoutFilesTest, TestTreeLabelsAndPositionsArriveAndTheSkinFileMovesOnlyTheButtons) {
    Form1& f = start().form();
    const ElementSet& e = f.elements;
    EXPECT_EQ(e.PipScr.left, 375);
    EXPECT_EQ(e.PipScr.top, 780);
    EXPECT_EQ(e.PipIcon[6].left, 1155);
    EXPECT_EQ(e.AttendIcon.top, 1755);
    EXPECT_EQ(e.DungImage[7].left, 375);
    EXPECT_EQ(e.ButtonA.toolTip, "Select");
    EXPECT_EQ(e.ResetButton.toolTip, "Reset");
    EXPECT_EQ(f.layout.AgeToolTip, "Age");
    EXPECT_EQ(f.layout.DisciplineToolTip, "Discipline");
    // The "all" keys set one edge of every element of their set; the left edges stay their own.
    for (const Element& heart : e.Heart)
        EXPECT_EQ(heart.top, 1300);
    for (const Element& bar : e.SmallBar)
        EXPECT_EQ(bar.top, 1400);
    EXPECT_EQ(e.Heart[3].left, 800);
    EXPECT_EQ(e.SmallBar[13].left, 1600);
    // Some keys place an element and keep the value; others only keep it.
    EXPECT_EQ(e.Water.left, 1200);
    EXPECT_EQ(f.layout.WaterLeft, 1200);
    EXPECT_EQ(f.layout.WaterTop, 1005);
    EXPECT_EQ(e.Angel.left, 900);
    EXPECT_EQ(f.layout.AngelLeft, 900);
    EXPECT_EQ(e.AgeDigit[1].left, 690);
    EXPECT_EQ(f.layout.AgeDigit1Left, 690);
    EXPECT_EQ(f.layout.AgeDigit0Top, 1100);
    EXPECT_EQ(f.layout.StarsTop, 1010);
    EXPECT_EQ(f.layout.RArrowLeft, 450);
    EXPECT_EQ(f.layout.MealSnack0Top, 1030);
    EXPECT_EQ(f.layout.AgeDigit1DeathTop, 1040);
    EXPECT_EQ(e.RightArrow.left, 0); // "rarrow.left" is a stored place, not the arrow's own position
    // default.ini puts button A at 600; the Default skin moves it to 615 and cannot move the screen.
    EXPECT_EQ(f.elements.ButtonA.left, 615);
    // The recorded places are those of the label file, taken before the skin moved the buttons.
    EXPECT_EQ(f.pet.ButtonALeft, 600);
    EXPECT_EQ(f.pet.ButtonBTop, 2130);
    EXPECT_EQ(f.pet.ResetButtonLeft, 270);
}

} // namespace
