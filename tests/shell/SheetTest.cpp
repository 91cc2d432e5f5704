// The insulating sheet's window: its load, the slot's geometry, the timer that switches the toy
// on and off, and the mouse and menu around it.
#include "tests/Sim.h"
#include "tests/TestTree.h"
#include "shell/Sheet.h"

#include <QJsonArray>

#include <gtest/gtest.h>

#include <array>

namespace {

// A first run: the toy centred on the 28800 x 16200 screen, the sheet 700 twips deep.
class Sheet : public ::testing::Test {
protected:
    void SetUp() override { sim.run("rnd 0.5\nstart"); }

    Form1& form() { return sim.form(); }
    PetState& pet() { return sim.form().pet; }
    Form5& sheet() { return *sim.form().sheet; }
    int R() { return form().window.left + form().window.width; }
    int T() { return form().window.top; }
    // Slides the sheet by dx with one left-button move, as a drag over Picture1 does.
    void slide(int dx, int dy = 0) {
        sheet().DoSheetMouseDown(1, 500, 200);
        sheet().DoSheetMouseMove(1, static_cast<float>(500 + dx), static_cast<float>(200 + dy));
        sheet().DoSheetMouseUp(1);
    }
    // Runs the sheet's timer n times, without the main tick in between.
    void sheetTicks(int n) {
        for (int i = 0; i < n; ++i)
            sheet().Timer1_Timer();
    }

    Sim sim;
};

TEST_F(Sheet, LoadsBesideTheToyWithItsOwnOutline) {
    ASSERT_TRUE(form().sheet);
    const WindowState& w = sheet().window;
    EXPECT_EQ(w.width, 1170);
    EXPECT_EQ(w.height, 510);
    EXPECT_EQ(w.left, R() - 760);
    EXPECT_EQ(w.top, T() + 1600);
    EXPECT_TRUE(w.visible);
    ASSERT_EQ(w.outline.size(), 3u);
    const OutlineStep& tab = w.outline[0];
    EXPECT_EQ(tab.shape, OutlineStep::Shape::Ellipse);
    EXPECT_EQ((std::array{tab.x1, tab.y1, tab.x2, tab.y2}), (std::array{46, 1, 79, 35}));
    const OutlineStep& strip = w.outline[1];
    EXPECT_EQ(strip.shape, OutlineStep::Shape::Rectangle);
    EXPECT_EQ((std::array{strip.x1, strip.y1, strip.x2, strip.y2}), (std::array{5, 9, 60, 26}));
    const OutlineStep& end = w.outline[2];
    EXPECT_EQ((std::array{end.x1, end.y1, end.x2, end.y2}), (std::array{0, 9, 17, 27}));
    for (const OutlineStep& step : w.outline)
        EXPECT_EQ(step.combine, OutlineStep::Combine::Or);
    // The toy keeps its own outline.
    EXPECT_EQ(form().window.outline.size(), 5u);
}

TEST(SheetAssets, WithoutAPictureTheSheetIsStillShapedAndDraggable) {
    Sim sim(Sim::noAssets());
    sim.run("start");
    Form5& sheet = *sim.form().sheet;
    EXPECT_FALSE(sheet.Picture1.picture);
    EXPECT_EQ(sheet.window.outline.size(), 3u);
    EXPECT_EQ(sheet.Picture1.width, 1170);
    const int left = sheet.window.left;
    sheet.DoSheetMouseDown(1, 100, 100);
    sheet.DoSheetMouseMove(1, 400, 100);
    EXPECT_EQ(sheet.window.left, left + 300);
}

TEST(SheetAssets, APlugInBringsItsOwnSheetAndPointer) {
    TestTree tree;
    tree.completeBaseTree();
    tree.picture("other/inssheet.gif", 78, 34);
    tree.picture("plugins/Film/other/inssheet.gif", 78, 34);
    tree.picture("other/inssheet.cur");
    Sim sim(tree.appDir());
    sim.run("store InsulatingSheet 1\nstore Plugins Film\nstart");
    const Element& picture = sim.form().sheet->Picture1;
    ASSERT_TRUE(picture.picture);
    EXPECT_NE(picture.picture->path().find("Film"), std::string::npos) << picture.picture->path();
    // The pointer comes from the program folder when the plug-in has none.
    ASSERT_TRUE(picture.pointer);
    EXPECT_EQ(picture.pointer->path().find("plugins"), std::string::npos) << picture.pointer->path();
}

TEST_F(Sheet, TheFullyInZoneIsFiveHundredToSevenHundredDeepInTheSlot) {
    slide(200); // 500 deep
    EXPECT_EQ(pet().InsulatingSheetWidthPushed, 500);
    EXPECT_TRUE(sheet().fullyIn());
    slide(1); // 499 deep
    EXPECT_EQ(pet().InsulatingSheetWidthPushed, 499);
    EXPECT_FALSE(sheet().fullyIn());
    slide(-400); // pushed as deep as it goes
    EXPECT_EQ(sheet().window.left, R() - 760);
    EXPECT_EQ(pet().InsulatingSheetWidthPushed, 700);
    EXPECT_TRUE(sheet().fullyIn());
    // A sheet over the slot but not engaged in it insulates nothing.
    pet().SendInsulatingSheetToBack = false;
    EXPECT_FALSE(sheet().fullyIn());
}

TEST_F(Sheet, TheToyStartsOnTheSixthTickOutOfTheZone) {
    slide(300);
    sheetTicks(5);
    EXPECT_EQ(form().timerInterval, 0);
    EXPECT_EQ(pet().CurrentInsulatingSheet, 1);
    sheetTicks(1);
    EXPECT_EQ(form().timerInterval, 10);
    EXPECT_EQ(pet().CurrentInsulatingSheet, 2);
    // The tick after the start takes the state from the position again.
    EXPECT_EQ(pet().InsulatingSheet, 1);
    sheetTicks(1);
    EXPECT_EQ(pet().InsulatingSheet, 2);
}

TEST_F(Sheet, GoingBackInBeforeTheStartBeginsTheCountAgain) {
    slide(300);
    sheetTicks(4);
    slide(-300);
    sheetTicks(3);
    slide(300);
    sheetTicks(5);
    EXPECT_EQ(form().timerInterval, 0) << "the count must restart when the sheet goes out again";
    sheetTicks(1);
    EXPECT_EQ(form().timerInterval, 10);
}

TEST_F(Sheet, TheToyStopsOnTheSixteenthTickInTheZone) {
    slide(300);
    sheetTicks(7);
    ASSERT_EQ(form().timerInterval, 10);
    slide(-300);
    sheetTicks(15);
    EXPECT_EQ(form().timerInterval, 10);
    sheetTicks(1);
    EXPECT_EQ(form().timerInterval, 0);
    EXPECT_EQ(pet().CurrentInsulatingSheet, 1);
}

TEST_F(Sheet, TheCountStopsAtItsLimitHoweverLongNothingHappens) {
    // A toy left with its sheet in for hours must not wrap the 16-bit count into a start.
    sheetTicks(40000);
    EXPECT_EQ(sheet().SheetTicks, 15);
    EXPECT_EQ(form().timerInterval, 0);
    slide(300);
    sheetTicks(5);
    EXPECT_EQ(form().timerInterval, 0);
    sheetTicks(1);
    EXPECT_EQ(form().timerInterval, 10);
}

TEST_F(Sheet, StoppingClearsTheClockTheHighlightAndTheCall) {
    slide(300);
    sheetTicks(7);
    ASSERT_EQ(form().timerInterval, 10);
    sim.run("set CharacterNo 3\nset Age 5\nset AttentionHungry true\npress A");
    ASSERT_EQ(form().device.SelectedIcon, 0);
    form().elements.AttendIcon.visible = true;
    pet().TimerScreen = true;
    form().DoShowTimerScreen(true);
    slide(-300);
    sheetTicks(16);
    EXPECT_FALSE(pet().TimerScreen);
    EXPECT_EQ(form().device.SelectedIcon, 7);
    EXPECT_FALSE(form().elements.AttendIcon.visible);
    EXPECT_FALSE(form().elements.HourDigit[1].visible);
    EXPECT_FALSE(form().elements.PipChar.visible);
    EXPECT_EQ(pet().CharacterNo, 0);
    EXPECT_EQ(pet().Age, 0);
    EXPECT_FALSE(pet().AttentionHungry);
    EXPECT_EQ(sim.script().tray.tip, "Pipling");
    EXPECT_FALSE(sim.script().tray.icon);
}

TEST_F(Sheet, OnlyALeftDragMovesTheSheetAndARightPressOpensTheMenu) {
    const int left = sheet().window.left;
    for (int16_t button : {3, 4}) {
        sheet().DoSheetMouseDown(button, 100, 100);
        EXPECT_FALSE(sheet().SheetDragging);
        sheet().DoSheetMouseMove(button, 400, 100);
    }
    EXPECT_EQ(sheet().window.left, left);
    EXPECT_EQ(sim.script().desktop.popups, 0);
    sheet().DoSheetMouseDown(2, 100, 100);
    EXPECT_EQ(sim.script().desktop.popups, 1);
    EXPECT_FALSE(sheet().SheetDragging);
    // A second left press keeps the first grab point; only a left release ends the drag.
    sheet().DoSheetMouseDown(1, 100, 100);
    sheet().DoSheetMouseDown(1, 900, 100);
    EXPECT_EQ(sheet().SheetDragX, 100);
    sheet().DoSheetMouseUp(2);
    EXPECT_TRUE(sheet().SheetDragging);
    const int yields = sim.script().desktop.yields;
    sheet().DoSheetMouseMove(1, 250, 100);
    EXPECT_EQ(sheet().window.left, left + 150);
    EXPECT_EQ(sim.script().desktop.yields, yields + 1) << "a drag lets pending events run";
    sheet().DoSheetMouseUp(1);
    sheet().DoSheetMouseMove(1, 400, 100);
    EXPECT_EQ(sheet().window.left, left + 150);
}

TEST_F(Sheet, AFreeSheetIgnoresTheSlotFromTheLeftOfItsMouth) {
    slide(900); // left R + 40: still engaged, at the mouth
    slide(100); // left R + 140: free
    ASSERT_FALSE(pet().SendInsulatingSheetToBack);
    // Into the engagement box at the slot's height but left of the mouth: it stays free.
    sheet().window.left = R() - 300;
    sheet().window.top = T() + 1600;
    slide(0, 40);
    EXPECT_FALSE(pet().SendInsulatingSheetToBack);
    EXPECT_EQ(sheet().window.top, T() + 1640);
    // Exactly at the mouth (R - 60) is not beyond it.
    sheet().window.left = R() - 60;
    slide(0, 40);
    EXPECT_FALSE(pet().SendInsulatingSheetToBack);
    // At the box's far corner (R + 90, T + 1750) it engages and snaps into the slot.
    sheet().window.left = R() + 90;
    sheet().window.top = T() + 1750;
    slide(-10, 40);
    EXPECT_TRUE(pet().SendInsulatingSheetToBack);
    EXPECT_EQ(sheet().window.top, T() + 1600);
    EXPECT_EQ(sheet().window.left, R() + 80);
    EXPECT_TRUE(form().window.topmost);
    EXPECT_FALSE(sheet().window.topmost);
}

TEST_F(Sheet, HalfTwipsRoundToEvenAndTheDepthMatchesThePosition) {
    sheet().DoSheetMouseDown(1, 0.0F, 0.0F);
    sheet().DoSheetMouseMove(1, 100.5F, 0.0F); // 599.5 deep: rounds to 600
    EXPECT_EQ(pet().InsulatingSheetWidthPushed, 600);
    EXPECT_EQ(sheet().window.left, R() - 60 - 600);
    sheet().DoSheetMouseMove(1, 1.5F, 0.0F); // 598.5 deep: rounds to 598
    EXPECT_EQ(pet().InsulatingSheetWidthPushed, 598);
    EXPECT_EQ(sheet().window.left, R() - 60 - 598);
}

TEST_F(Sheet, TheMenuItemPutsTheSheetInOnlyForAVisibleToy) {
    slide(300);
    sheetTicks(6);
    sim.run("menu mPopupInsulatingSheet");
    ASSERT_FALSE(form().sheet);
    form().window.visible = false;
    sim.run("menu mPopupInsulatingSheet");
    EXPECT_FALSE(form().sheet);
    EXPECT_TRUE(form().options.insulatingSheet);
    EXPECT_EQ(pet().InsulatingSheet, 2);
    EXPECT_EQ(pet().CurrentInsulatingSheet, 2);
}

TEST_F(Sheet, RemovingTheSheetGivesTheToyBackItsAlwaysOnTopChoice) {
    slide(300);
    sheetTicks(6);
    form().options.alwaysOnTop = true;
    sim.run("menu mPopupInsulatingSheet");
    EXPECT_TRUE(form().window.topmost);
    sim.run("menu mPopupInsulatingSheet\nmenu mPopupOnTop\nmenu mPopupInsulatingSheet");
    EXPECT_FALSE(form().window.topmost);
}

TEST_F(Sheet, PuttingTheSheetInFacesTheToyForwardWithTheTurnSoundEvenWhenMuted) {
    slide(300);
    sheetTicks(6);
    sim.run("menu mPopupInsulatingSheet\nmenu mPopupSide\nmenu mPopupSound");
    sim.dump();
    ASSERT_FALSE(form().frontShown());
    sim.run("menu mPopupInsulatingSheet");
    EXPECT_TRUE(form().frontShown());
    const QJsonArray sounds = sim.dump().value("sounds").toArray();
    ASSERT_EQ(sounds.size(), 1);
    EXPECT_EQ(sounds[0].toString(), "\\sounds\\turn.wav");
}

TEST(SheetStartUp, AToyClosedWithItsSheetInStaysOffUntilPulled) {
    Sim sim;
    sim.run(
        "store InsulatingSheet 1\nstore InsulatingSheetWidthPushed 600\nstore CharacterNo 4\nstore Age 3\n"
        "store Left 0\nstore Top 0\nstart\nwait 5");
    Form1& form = sim.form();
    ASSERT_TRUE(form.sheet);
    EXPECT_EQ(form.timerInterval, 0);
    EXPECT_EQ(form.sheet->window.left, 2175 - 60 - 600);
    EXPECT_EQ(form.pet.CharacterNo, 4);
    EXPECT_FALSE(form.menuItem(MenuId::mCheats).enabled);
    // Pulled out, the toy starts with a new egg: the old pet is gone.
    form.sheet->DoSheetMouseDown(1, 0, 0);
    form.sheet->DoSheetMouseMove(1, 200, 0);
    sim.run("wait 0.6");
    EXPECT_EQ(form.timerInterval, 10);
    EXPECT_EQ(form.pet.CharacterNo, 0);
    EXPECT_EQ(form.pet.Age, 0);
}

} // namespace
