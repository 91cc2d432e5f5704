// SPDX-License-Identifier: GPL-3.0-or-later
// The life story window on the desktop, through real mouse and key events: it shows the page the
// core shows, as the shared painter draws it, turns, moves, stays on top and closes as the core's
// window does.
#include "platform/qt/LifeStoryWindow.h"

#include "app/Form1.h"
#include "platform/qt/common/LifeChartPainter.h"
#include "shell/LifeStory.h"
#include "tests/Sim.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class LifeStoryWindowTest : public testing::Test {
protected:
    void SetUp() override {
        // A baby with a few lines in its journal: hatched, called, fed.
        sim.run("store InsulatingSheet 0\nstore CharacterNo 0\nstart\nwait 70\npress A\npress B\npress "
                "B\nwait 3\n"
                "press C\npress C\npress C\nmenu mPopupLifeStory");
        ASSERT_TRUE(sim.form().lifeStory);
        window = std::make_unique<LifeStoryWindow>(sim.form(), [this] { window->sync(); });
        window->sync();
    }
    // A point of the page, in window pixels.
    static QPoint page(int x, int y) { return {x * LifeStory::Scale, y * LifeStory::Scale}; }
    static QPoint middle(const LifeStory::Box& box) {
        return page(box.left + box.width / 2, box.top + box.height / 2);
    }
    void click(QPoint at) {
        QTest::mousePress(window.get(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(window.get(), Qt::LeftButton, {}, at);
    }
    QImage expected(LifeStory::Page shown) {
        const auto look = LifeChartPainter::Look::of(sim.form());
        JournalStore& store = *sim.form().journal.journalStore();
        return shown == LifeStory::Page::Chart
                   ? LifeChartPainter::chart(LifeChart::build(LifeChart::entries(store.lines())), look,
                                             LifeStory::Scale)
                   : LifeChartPainter::hall(PastPet::hall(store.lives()), look, LifeStory::Scale);
    }
    QImage shown() {
        return window->grab().toImage().convertToFormat(expected(LifeStory::Page::Chart).format());
    }

    Sim sim;
    std::unique_ptr<LifeStoryWindow> window;
};

TEST_F(LifeStoryWindowTest, ShowsTheCoresPageAndTurnsItOnATabOrAnArrowKey) {
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Life Story");
    EXPECT_EQ(window->size(),
              QSize(LifeStory::PageWidth * LifeStory::Scale, LifeStory::PageHeight * LifeStory::Scale));
    ASSERT_GT(sim.form().journal.journalStore()->lines().size(), 2u);
    const QImage chart = expected(LifeStory::Page::Chart);
    EXPECT_EQ(shown(), chart);

    click(middle(LifeStory::HallTab));
    EXPECT_EQ(sim.form().lifeStory->page, LifeStory::Page::Hall);
    const QImage hall = expected(LifeStory::Page::Hall);
    ASSERT_NE(hall, chart);
    EXPECT_EQ(shown(), hall);

    QTest::keyClick(window.get(), Qt::Key_Left);
    EXPECT_EQ(sim.form().lifeStory->page, LifeStory::Page::Chart);
    EXPECT_EQ(shown(), chart);

    // A new line in the journal draws the chart again.
    sim.run("wait 120\npress A\npress A\npress A\npress A\npress A\npress B\nwait 2");
    window->sync();
    EXPECT_NE(shown(), chart) << "the flush is not on the chart";
}

TEST_F(LifeStoryWindowTest, ADragMovesItAndTheToysAlwaysOnTopHoldsForIt) {
    const QRect before = window->geometry();
    const int left = sim.form().lifeStory->window.left;
    const QPoint from = page(200, 120);
    QTest::mousePress(window.get(), Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, from + QPoint(60, 30), window->mapToGlobal(from + QPoint(60, 30)),
                     Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(window.get(), &move);
    QTest::mouseRelease(window.get(), Qt::LeftButton, {}, from + QPoint(60, 30));
    EXPECT_EQ(sim.form().lifeStory->window.left, left + 60 * Element::TwipsPerPixel);
    EXPECT_EQ(window->geometry().topLeft(), before.topLeft() + QPoint(60, 30));
    EXPECT_EQ(sim.form().lifeStory->page, LifeStory::Page::Chart) << "a drag is no click on a tab";

    const bool onTop = sim.form().options.alwaysOnTop;
    EXPECT_EQ(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint), onTop);
    sim.run("menu mPopupOnTop");
    window->sync();
    EXPECT_EQ(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint), !onTop);
    EXPECT_TRUE(window->isVisible()) << "changing the flag hid the window";
}

TEST_F(LifeStoryWindowTest, ItsCloseBoxEscapeAndTheDesktopsCloseEachCloseTheCoresWindow) {
    click(middle(LifeStory::CloseBox));
    EXPECT_FALSE(sim.form().lifeStory);

    sim.run("menu mPopupLifeStory");
    window = std::make_unique<LifeStoryWindow>(sim.form(), [this] { window->sync(); });
    window->sync();
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(sim.form().lifeStory);
    // Gone in the core, the window's handlers are harmless.
    click(middle(LifeStory::HallTab));
    QTest::keyClick(window.get(), Qt::Key_Right);

    sim.run("menu mPopupLifeStory");
    window = std::make_unique<LifeStoryWindow>(sim.form(), [this] { window->sync(); });
    window->sync();
    window->close();
    EXPECT_FALSE(sim.form().lifeStory);
}

} // namespace
