// SPDX-License-Identifier: GPL-3.0-or-later
// The insulating sheet drawn inside the toy's window, where it cannot be a window of its own:
// what a new user sees and pulls, through real mouse events on the device window.
#include "platform/qt/SheetInToy.h"
#include "platform/qt/CompositorMove.h"
#include "platform/qt/DeviceWindow.h"
#include "platform/qt/common/DevicePainter.h"
#include "platform/qt/common/QtPicture.h"
#include "shell/Sheet.h"
#include "tests/Sim.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

constexpr int Twips = Element::TwipsPerPixel;

class SheetInside : public testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(std::filesystem::path(PIPLING_BIN_DIR) / "default.ini"))
            GTEST_SKIP() << "no default asset tree: the sheet has no picture";
        CompositorMove::setCompositorPlaces(true);
        // A new toy: the first start, with the sheet in.
        sim.run("start");
        ASSERT_TRUE(sim.form().sheet);
        window = std::make_unique<DeviceWindow>(sim.form());
        window->sync();
        sim.script().sound.take();
    }
    void TearDown() override { CompositorMove::setCompositorPlaces(false); }

    int toyWidth() { return sim.form().window.width / Twips; }
    // The sheet's top-left corner in the window, as two windows at the core's places would have it.
    QPoint sheetCorner() {
        const WindowState& sheet = sim.form().sheet->window;
        const WindowState& toy = sim.form().window;
        return {qRound(sheet.left / double(Twips)) - qRound(toy.left / double(Twips)),
                qRound(sheet.top / double(Twips)) - qRound(toy.top / double(Twips))};
    }
    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, at, window->mapToGlobal(at), button, held, {});
        QApplication::sendEvent(window.get(), &event);
    }

    Sim sim;
    std::unique_ptr<DeviceWindow> window;
};

TEST_F(SheetInside, TheTabShowsRightOfTheToyBehindItsEdgeAndPullingItSwitchesTheToyOn) {
    // The window reaches beyond the toy's right edge far enough for the tab.
    EXPECT_EQ(window->width(), toyWidth() + SheetInToy::Margin);
    EXPECT_EQ(window->height(), sim.form().window.height / Twips);
    const QPoint corner = sheetCorner();
    EXPECT_LT(corner.x(), toyWidth()) << "the sheet does not reach under the toy";
    EXPECT_GT(corner.x() + Form5::Width / Twips, toyWidth()) << "nothing of the sheet sticks out";

    // Right of the toy the window shows the sheet's own picture; where the toy's outline lies
    // over the sheet it shows the toy.
    const QImage shown = window->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const auto* picture = dynamic_cast<const QtPicture*>(sim.form().sheet->Picture1.picture.get());
    ASSERT_NE(picture, nullptr);
    const QImage sheet = picture->image.convertToFormat(QImage::Format_ARGB32);
    const QImage toy = DevicePainter::render(sim.form().elements, sim.form().window, 1)
                           .convertToFormat(QImage::Format_ARGB32);
    const QRegion toyOutline = DevicePainter::outline(sim.form().window);
    int outside = 0, outsideSame = 0, under = 0, underToy = 0;
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x) {
            if (qAlpha(sheet.pixel(x, y)) < 255) continue;
            const QPoint at = corner + QPoint(x, y);
            if (at.x() >= toyWidth()) {
                ++outside;
                outsideSame += shown.pixel(at) == sheet.pixel(x, y);
            } else if (toyOutline.contains(at)) {
                ++under;
                underToy += shown.pixel(at) == toy.pixel(at);
            }
        }
    EXPECT_GT(outside, 200);
    EXPECT_GE(outsideSame, outside * 95 / 100) << "the tab right of the toy is not the sheet's picture";
    EXPECT_GT(under, 200);
    EXPECT_EQ(underToy, under) << "the sheet shows through the toy";
    // The tab takes the mouse; the window's corners beside it do not.
    const QPoint tab = corner + QPoint(62, 17);
    EXPECT_TRUE(window->mask().contains(tab));
    EXPECT_FALSE(window->mask().contains(QPoint(window->width() - 1, 0)));

    // A right-click on the tab opens the toy's menu, as on the sheet's own window.
    mouse(QEvent::MouseButtonPress, tab, Qt::RightButton, Qt::RightButton);
    mouse(QEvent::MouseButtonRelease, tab, Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(sim.script().desktop.popups, 1);

    // The tab pulled out to the right, beyond the slot's mouth.
    mouse(QEvent::MouseButtonPress, tab, Qt::LeftButton, Qt::LeftButton);
    ASSERT_TRUE(sim.form().sheet->SheetDragging);
    for (int step = 10; step <= 90; step += 10)
        mouse(QEvent::MouseMove, tab + QPoint(step, 0), Qt::NoButton, Qt::LeftButton);
    EXPECT_FALSE(sim.form().pet.SendInsulatingSheetToBack) << "the sheet is still in the slot";
    mouse(QEvent::MouseButtonRelease, tab + QPoint(90, 0), Qt::LeftButton, Qt::NoButton);
    // The sheet's timer starts the toy half a second later, and the sheet goes.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !sim.form().sheet; }, 3000)) << "the sheet stayed";
    EXPECT_NE(sim.form().timerInterval, 0) << "the toy did not switch on";
    EXPECT_EQ(sim.number("CharacterNo"), 0);
    const std::vector<std::string> heard = sim.script().sound.take();
    EXPECT_NE(std::find(heard.begin(), heard.end(), "\\sounds\\reset.wav"), heard.end())
        << "no new egg was set as the reset button sets it";
    EXPECT_EQ(sim.form().pet.InsulatingSheet, 0);
    // The window is the toy's again, shape and all.
    EXPECT_EQ(window->width(), toyWidth());
    EXPECT_EQ(window->mask(), toyOutline);
}

// Through XWayland no release outside the window arrives: a sheet pulled out still goes once the
// toy runs, and the release that comes late, or never, changes nothing.
TEST_F(SheetInside, ASheetPulledOutGoesWhileTheMouseStillHoldsIt) {
    const QPoint tab = sheetCorner() + QPoint(62, 17);
    mouse(QEvent::MouseButtonPress, tab, Qt::LeftButton, Qt::LeftButton);
    for (int step = 10; step <= 90; step += 10)
        mouse(QEvent::MouseMove, tab + QPoint(step, 0), Qt::NoButton, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !sim.form().sheet; }, 3000)) << "the held sheet stayed";
    EXPECT_NE(sim.form().timerInterval, 0);
    EXPECT_EQ(window->width(), toyWidth());
    mouse(QEvent::MouseButtonRelease, tab + QPoint(90, 0), Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(sim.form().device.Dragging);
    EXPECT_FALSE(sim.form().sheet);
}

// The toy covers the sheet: a press on the toy where the sheet lies behind it is the toy's.
TEST_F(SheetInside, APressOnTheToyOverTheSheetIsTheToys) {
    const QPoint corner = sheetCorner();
    const QPoint overlap = corner + QPoint(20, 17);
    ASSERT_TRUE(DevicePainter::outline(sim.form().window).contains(overlap));
    mouse(QEvent::MouseButtonPress, overlap, Qt::LeftButton, Qt::LeftButton);
    EXPECT_FALSE(sim.form().sheet->SheetDragging);
    mouse(QEvent::MouseButtonRelease, overlap, Qt::LeftButton, Qt::NoButton);
    // Where windows are placed by the toy itself the sheet keeps a window of its own.
    CompositorMove::setCompositorPlaces(false);
    DeviceWindow placed(sim.form());
    placed.sync();
    EXPECT_EQ(placed.width(), sim.form().window.width / Twips);
    EXPECT_EQ(placed.mask(), DevicePainter::outline(sim.form().window));
}

} // namespace
