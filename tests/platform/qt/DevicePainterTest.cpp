// SPDX-License-Identifier: GPL-3.0-or-later
// Partial repaints: painting only the region DevicePainter::changed names, over what the window
// showed before, gives exactly what a full render gives, period after period, through hatching,
// the care screens, eating and the pet's own animation.
#include "platform/qt/common/DevicePainter.h"
#include "tests/Sim.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

// As the toy's translucent window repaints a region: cleared, then every element clipped to it.
void repaint(QImage& shown, ElementSet& elements, const WindowState& window, const QRegion& region) {
    QPainter painter(&shown);
    painter.setClipRegion(region & DevicePainter::outline(window));
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(shown.rect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    DevicePainter::paint(elements, painter);
}

struct Counts {
    int repaints = 0;
    int moves = 0;
};

// Runs the steps line by line, "tick N" as N single ticks, comparing after every one.
void expectPartialRepaintsMatch(const std::string& setup, const std::string& steps, Counts& counts) {
    Sim sim;
    sim.run(setup);
    Form1& form = sim.form();
    DevicePainter::Snapshot before, after;
    DevicePainter::snapshot(form.elements, before);
    QImage shown = DevicePainter::render(form.elements, form.window, 1);
    ASSERT_FALSE(shown.isNull());
    int done = 0;
    std::istringstream lines(steps);
    for (std::string line; std::getline(lines, line);)
        for (int i = 0, times = line.starts_with("tick ") ? std::stoi(line.substr(5)) : 1; i < times; ++i) {
            sim.run(line.starts_with("tick ") ? "tick" : line);
            ++done;
            DevicePainter::snapshot(form.elements, after);
            const auto region = DevicePainter::changed(before, after);
            if (!region) {
                shown = DevicePainter::render(form.elements, form.window, 1);
            } else if (!region->isEmpty()) {
                repaint(shown, form.elements, form.window, *region);
                ++counts.repaints;
                for (std::size_t e = 0; e < after.size(); ++e)
                    if (after[e].visible &&
                        (after[e].left != before[e].left || after[e].width != before[e].width))
                        ++counts.moves;
            }
            ASSERT_EQ(shown, DevicePainter::render(form.elements, form.window, 1))
                << "step " << done << ": " << line;
            before.swap(after);
        }
}

TEST(PartialRepaint, PaintsWhatAFullRenderPaintsThroughHatchingCareAndAnimation) {
    Counts counts;
    // The egg hatches a minute in; then the feed screen, a meal eaten, the light switched off and
    // on, and the pet idling.
    expectPartialRepaintsMatch("store InsulatingSheet 0\nrnd 0.5\nstart",
                               "tick 7000\npress B\ntick 200\npress A\npress B\ntick 50\npress B\ntick 600\n"
                               "press A\npress B\npress B\ntick 100\npress B\ntick 1000",
                               counts);
    // A flush: the water crosses the screen and the droppings go.
    expectPartialRepaintsMatch(
        "store InsulatingSheet 0\nstore CharacterNo 2\nstore Dung 3\nclock 10:00:00\nstart",
        "press A\npress A\npress A\npress A\npress A\npress B\ntick 300", counts);
    // The run must have painted regions, and moved or narrowed elements, to mean much.
    EXPECT_GT(counts.repaints, 100);
    EXPECT_GT(counts.moves, 10);
}

TEST(PartialRepaint, AChangedElementNamesItsOldAndNewPixelsAPartPixelIncluded) {
    const DevicePainter::Snapshot before = {{nullptr, 0, 0, 150, 150, true},
                                            {nullptr, 300, 300, 30, 30, true}};
    DevicePainter::Snapshot after = before;
    EXPECT_TRUE(DevicePainter::changed(before, after)->isEmpty());
    after[1].left = 310; // moved by two thirds of a pixel
    EXPECT_EQ(*DevicePainter::changed(before, after), QRegion(20, 20, 3, 2));
    after[1].left = 600; // moved away: its old place must be painted too
    EXPECT_EQ(*DevicePainter::changed(before, after), QRegion(20, 20, 2, 2) + QRegion(40, 20, 2, 2));
    after.pop_back();
    EXPECT_FALSE(DevicePainter::changed(before, after).has_value());
}

} // namespace
