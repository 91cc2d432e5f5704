// SPDX-License-Identifier: GPL-3.0-or-later
// The art readers: the art book's palette, marks and grids, and the layout file's units.

#include "ArtBook.h"
#include "LayoutFile.h"

#include <gtest/gtest.h>

TEST(ArtBook, ReadsPaletteMarksAndGrids) {
    ArtBook book;
    std::string error;
    ASSERT_TRUE(book.parse("name = Test\npalette\n. = clear\n# = on\ne = on eye\nw = #ff0000\n\n"
                           "sprite face\n#e#\n.w\n",
                           "test", error))
        << error;
    EXPECT_EQ(book.setting("name"), "Test");
    const Grid& g = book.grid("face");
    EXPECT_EQ(g.width(), 3);
    EXPECT_EQ(g.height(), 2);
    EXPECT_EQ(g.at(1, 0).mark, Cell::Mark::Eye);
    EXPECT_TRUE(g.at(2, 1).isClear()); // short rows are padded with clear cells
    EXPECT_EQ(g.at(1, 1).rgb, qRgb(255, 0, 0));
}

TEST(LayoutFile, ConvertsPixelsDotsAndTwips) {
    LayoutFile layout;
    std::string error;
    ASSERT_TRUE(layout.parse("origin = px 25,67\npipscr = px 25,52\ndung0 = dot 24,8\n"
                             "heart1.left = dot 8\nreset = tw 270,976\n",
                             error))
        << error;
    ASSERT_EQ(layout.entries().size(), 7u);
    EXPECT_EQ(layout.twips("pipscr.top"), 52 * 15);
    EXPECT_EQ(layout.twips("dung0.left"), (25 + 24 * 3) * 15);
    EXPECT_EQ(layout.twips("dung0.top"), (67 + 8 * 3) * 15);
    EXPECT_EQ(layout.twips("heart1.left"), (25 + 8 * 3) * 15);
    EXPECT_EQ(layout.twips("reset.top"), 976);
    EXPECT_FALSE(layout.has("heart1.top"));
}
