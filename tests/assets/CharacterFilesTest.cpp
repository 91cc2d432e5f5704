// SPDX-License-Identifier: GPL-3.0-or-later
// The character description file: every action place of a character. (A plug-in's own places
// are in the assets_plugin_translation scenario script.)
#include "tests/Sim.h"
#include "tests/TestTree.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class CharacterFilesTest : public TreeDevice {
protected:
    CharacterFilesTest() { tree.completeBaseTree("Default", {0, 3, 7}); }
};

TEST_F(CharacterFilesTest, EveryActionPlaceIsRead) {
    Form1& f = start("store CharacterNo 3\n").form();
    const LayoutState& l = f.layout;
    const int16_t places[] = {l.EatLeft,      l.EatTop,     l.NoLeft,    l.NoTop,       l.SickLeft,
                              l.SickTop,      l.HappyLeft,  l.HappyTop,  l.UnhappyLeft, l.UnhappyTop,
                              l.PlayLeft,     l.PlayTop,    l.SleepLeft, l.SleepTop,    l.DyingLeft,
                              l.DyingTop,     l.Stool0Left, l.Stool0Top, l.Stool1Left,  l.Stool1Top,
                              l.LayAnEggLeft, l.LayAnEggTop};
    for (std::size_t i = 0; i < std::size(places); ++i)
        EXPECT_EQ(places[i], (i % 2 == 0 ? 600 : 1050) + static_cast<int>(i / 2) * 10) << "place " << i;
    EXPECT_EQ(l.OriginalLeft, 800);
}

} // namespace
