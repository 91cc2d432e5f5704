// Dragging, the pop-up menu from the toy's body, turning, and keeping the toy on the screen.
#include "tests/Sim.h"

#include <gtest/gtest.h>

namespace {

class View : public testing::Test {
protected:
    void SetUp() override { sim.run("store InsulatingSheet 0\nstore Left 3000\nstore Top 2000\nstart"); }
    Form1& form() { return sim.form(); }
    HeadlessDesktop& desktop() { return sim.script().desktop; }

    Sim sim{Sim::noAssets()};
};

TEST_F(View, RightButtonAloneOpensTheMenu) {
    form().viewMouseDown("FrontView", 2, 0, 10, 10);
    EXPECT_EQ(desktop().popups, 1);
    for (int16_t other : {0, 3, 4, 6})
        form().viewMouseDown("FrontView", other, 0, 10, 10);
    EXPECT_EQ(desktop().popups, 1);
    EXPECT_FALSE(form().device.Dragging);
    form().DoShowBack(false);
    form().viewMouseDown("BackView", 2, 0, 10, 10);
    EXPECT_EQ(desktop().popups, 2) << "the back opens the same menu";
    form().viewMouseDown("FrontView", 2, 0, 10, 10);
    EXPECT_EQ(desktop().popups, 2) << "the face under the back gets no mouse";
}

// Which buttons drag and how far is in the view_drag_* scenario scripts; these are the details a
// script cannot give: fractional grab points and the desktop's repaint on each move.
TEST_F(View, ADragMovesByWholeTwipsAndLetsTheDesktopRepaint) {
    form().DoViewMouseDown(1, 10.25f, 20.75f);
    for (int i = 0; i < 3; ++i)
        form().DoViewMouseMove(1, 12.5f, 20.0f);
    EXPECT_EQ(form().window.left, 3006);
    EXPECT_EQ(form().window.top, 1997);
    EXPECT_EQ(form().window.width, 2175) << "a drag keeps the size";
    EXPECT_EQ(desktop().yields, 3);
}

TEST_F(View, SheetInKeepsTheToyFacingTheUser) {
    form().options.insulatingSheet = true;
    sim.script().sound.take();
    form().viewDblClick("FrontView");
    form().mPopupSide_Click();
    EXPECT_TRUE(form().frontShown());
    EXPECT_FALSE(form().presentedMenu().find(MenuId::mPopupSide)->checked);
    EXPECT_TRUE(sim.script().sound.take().empty()) << "nothing turns, nothing sounds";
}

TEST_F(View, TurningToTheFrontWorksEvenWithTheSheetIn) {
    form().DoShowBack(true);
    form().options.insulatingSheet = true;
    form().DoShowFront(true);
    EXPECT_TRUE(form().frontShown());
    EXPECT_FALSE(form().elements.ResetButton.visible);
}

TEST_F(View, ResetButtonTakesTheMouseOnlyWhenTheBackShows) {
    form().DoSetCharacter(12);
    form().viewMouseUp("ResetButton", 1, 0, 5, 5);
    EXPECT_EQ(form().pet.CharacterNo, 12) << "the hidden reset button cannot be pressed";
    form().DoShowBack(false);
    form().viewMouseDown("ResetButton", 1, 0, 5, 5);
    form().viewMouseUp("ResetButton", 1, 0, 5, 5);
    EXPECT_EQ(form().pet.CharacterNo, 0);
    EXPECT_FALSE(form().elements.PipChar.visible) << "the new egg is behind the back";
}

TEST_F(View, TurnSoundFollowsTheSoundOptionUnlessForced) {
    sim.script().sound.take();
    form().viewDblClick("FrontView");
    EXPECT_EQ(sim.script().sound.take(), std::vector<std::string>{"\\sounds\\turn.wav"});
    form().options.sound = false;
    form().viewDblClick("BackView");
    EXPECT_TRUE(form().frontShown());
    EXPECT_TRUE(sim.script().sound.take().empty());
    // The sheet pushed in while the back shows turns the toy with its sound, whatever the option.
    form().DoShowBack(false);
    form().DoShowFront(true);
    EXPECT_EQ(sim.script().sound.take(), std::vector<std::string>{"\\sounds\\turn.wav"});
}

struct Placement {
    int left, top;
    int expectedLeft, expectedTop;
};

class KeepOnScreen : public testing::TestWithParam<Placement> {};

TEST_P(KeepOnScreen, BringsBackOnlyWhatLiesBeyondTheRightOrBottomEdge) {
    const Placement p = GetParam();
    Sim sim(Sim::noAssets());
    sim.run("screen 28800 16200\nstart");
    Form1& form = sim.form();
    form.window.left = p.left;
    form.window.top = p.top;
    form.keepOnScreen();
    EXPECT_EQ(form.window.left, p.expectedLeft);
    EXPECT_EQ(form.window.top, p.expectedTop);
}

// The window is 2175 by 2970 twips.
INSTANTIATE_TEST_SUITE_P(
    Positions, KeepOnScreen,
    testing::Values(Placement{3000, 2000, 3000, 2000},     // on the screen
                    Placement{30000, 2000, 26625, 2000},   // beyond the right edge
                    Placement{28800, 2000, 28800, 2000},   // on the right edge: not beyond it
                    Placement{28801, 16201, 26625, 13230}, // beyond both edges
                    Placement{-5000, -4000, -5000, -4000}, // off to the left and top: another monitor
                    Placement{3000, 16200, 3000, 16200}));

} // namespace
