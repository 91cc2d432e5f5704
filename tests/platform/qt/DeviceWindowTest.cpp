// The device window's hit-testing, through real mouse events: a press goes to the topmost
// clickable element under the pointer, in that element's own twips.
#include "platform/qt/DeviceWindow.h"
#include "tests/Sim.h"

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

    Sim sim;
    std::unique_ptr<DeviceWindow> window;
};

TEST_F(WindowHits, AButtonTakesThePressBeforeTheViewBehindIt) {
    const QPoint a = inside(sim.form().elements.ButtonA);
    press(a);
    EXPECT_FALSE(sim.form().device.Dragging) << "the face behind the button got the press";
    release(a);
    // The press reached the button: the toy beeps as for a headless "press A".
    const std::vector<std::string> heard = sim.script().sound.take();
    ASSERT_FALSE(heard.empty());
    EXPECT_EQ(heard.front(), "\\sounds\\beep.wav");
}

TEST_F(WindowHits, TheFaceTakesPressesBesideTheButtonsAndTurnsOnADoubleClick) {
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

TEST_F(WindowHits, APressOutsideEveryElementReachesNothing) {
    press({0, 0});
    release({0, 0});
    EXPECT_FALSE(sim.form().device.Dragging);
    EXPECT_EQ(sim.script().desktop.popups, 0);
    EXPECT_TRUE(sim.script().sound.take().empty());
}

} // namespace
