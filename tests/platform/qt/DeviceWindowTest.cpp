// SPDX-License-Identifier: GPL-3.0-or-later
// The device window's hit-testing, through real mouse events: a press goes to the topmost
// clickable element under the pointer, in that element's own twips.
#include "platform/qt/DeviceWindow.h"
#include "platform/qt/BookletWindow.h"
#include "platform/qt/CompositorMove.h"
#include "shell/Instructions.h"
#include "tests/Sim.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class WindowHits : public testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(std::filesystem::path(PIPLING_BIN_DIR) / "default.ini"))
            GTEST_SKIP() << "no default asset tree: the buttons have no size";
        sim.run("store InsulatingSheet 0\nstart");
        window = std::make_unique<DeviceWindow>(sim.form());
        window->sync();
        sim.script().sound.take();
    }
    // A window point inside the element, a quarter of the way down from its top.
    static QPoint inside(const Element& e) {
        return {(e.left + e.width / 2) / 15, (e.top + e.height / 4) / 15};
    }
    void press(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(window.get(), button, {}, at);
    }
    void release(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseRelease(window.get(), button, {}, at);
    }
    // A move with the left button held, as a drag sends it.
    static void drag(QWidget& widget, QPoint to) {
        QMouseEvent move(QEvent::MouseMove, to, widget.mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(&widget, &move);
    }

    Sim sim;
    std::unique_ptr<DeviceWindow> window;
};

TEST_F(WindowHits, EachPressReachesTheTopmostElementUnderItAndAFaceTurnsOnADoubleClick) {
    press({0, 0});
    release({0, 0});
    EXPECT_FALSE(sim.form().device.Dragging);
    EXPECT_EQ(sim.script().desktop.popups, 0);
    EXPECT_TRUE(sim.script().sound.take().empty());
    const QPoint a = inside(sim.form().elements.ButtonA);
    press(a);
    EXPECT_FALSE(sim.form().device.Dragging) << "the face behind the button got the press";
    release(a);
    // The press reached the button: the toy beeps as for a headless "press A".
    const std::vector<std::string> heard = sim.script().sound.take();
    ASSERT_FALSE(heard.empty());
    EXPECT_EQ(heard.front(), "\\sounds\\beep.wav");
    // The face takes presses beside the buttons.
    const QPoint face = inside(sim.form().elements.FrontView);
    press(face);
    EXPECT_TRUE(sim.form().device.Dragging);
    release(face);
    EXPECT_FALSE(sim.form().device.Dragging);
    EXPECT_TRUE(sim.script().sound.take().empty()) << "a drag is no button press";

    press(face, Qt::RightButton);
    EXPECT_EQ(sim.script().desktop.popups, 1);
    release(face, Qt::RightButton);

    QTest::mouseDClick(window.get(), Qt::LeftButton, {}, face);
    EXPECT_FALSE(sim.form().frontShown());
}

// A key released while another program has the keyboard never reaches the toy: losing the focus
// lets go of the button, so the next Left is a plain A and not the A+C combination.
TEST_F(WindowHits, LosingTheFocusLetsGoOfTheButtonsTheKeysHold) {
    sim.run("set CharacterNo 3");
    QTest::keyPress(window.get(), Qt::Key_Right);
    ASSERT_TRUE(sim.form().pet.ButtonCPressed);
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(window.get(), &out);
    EXPECT_FALSE(sim.form().pet.ButtonCPressed);
    const bool sound = sim.form().options.sound;
    QTest::keyPress(window.get(), Qt::Key_Left);
    QTest::keyRelease(window.get(), Qt::Key_Left);
    QApplication::sendEvent(window.get(), &out); // delivers the release the filter held back
    EXPECT_EQ(sim.form().options.sound, sound) << "Left made A+C with a C long released";
    EXPECT_EQ(sim.form().device.SelectedIcon, 0);
    EXPECT_FALSE(sim.form().pet.ButtonAPressed);
}

// Native Wayland: only the compositor moves windows, so a drag on a face goes to its window move
// and never to the core, while a click on a face still reaches the core whole.
class CompositorPlaced : public WindowHits {
protected:
    void SetUp() override {
        CompositorMove::setCompositorPlaces(true);
        WindowHits::SetUp();
    }
    void TearDown() override { CompositorMove::setCompositorPlaces(false); }
};

TEST_F(CompositorPlaced, AFaceDragLeavesTheCoreAloneAndAClickStillReachesIt) {
    const QPoint face = inside(sim.form().elements.FrontView);
    const int left = sim.form().window.left;
    const int top = sim.form().window.top;
    press(face);
    EXPECT_FALSE(sim.form().device.Dragging) << "the core saw a press the compositor may take";
    drag(*window, face + QPoint(40, 30));
    release(face + QPoint(40, 30));
    EXPECT_EQ(sim.form().window.left, left);
    EXPECT_EQ(sim.form().window.top, top);
    EXPECT_FALSE(sim.form().device.Dragging);
    // The buttons beside the face press at once, as everywhere.
    press(inside(sim.form().elements.ButtonA));
    release(inside(sim.form().elements.ButtonA));
    EXPECT_FALSE(sim.script().sound.take().empty()) << "button A did not press";

    // A booklet page clicked, not dragged, turns.
    sim.run("menu mPopupInstructions");
    ASSERT_TRUE(sim.form().booklet);
    BookletWindow booklet(sim.form(), [] {});
    booklet.sync();
    const int page = sim.form().booklet->CurrentPage;
    QTest::mousePress(&booklet, Qt::LeftButton, {}, {30, 30});
    EXPECT_FALSE(sim.form().booklet->PageDragging);
    QTest::mouseRelease(&booklet, Qt::LeftButton, {}, {30, 30});
    EXPECT_EQ(sim.form().booklet->CurrentPage, page + 1);
    // Dragged, it neither moves in the core nor turns.
    const int bookletLeft = sim.form().booklet->window.left;
    QTest::mousePress(&booklet, Qt::LeftButton, {}, {30, 30});
    drag(booklet, {90, 30});
    QTest::mouseRelease(&booklet, Qt::LeftButton, {}, {90, 30});
    EXPECT_EQ(sim.form().booklet->CurrentPage, page + 1);
    EXPECT_EQ(sim.form().booklet->window.left, bookletLeft);
}

} // namespace
