// The art readers: a broken art file must be reported, not turned into a
// silently wrong picture, and the sounds must start and end quietly.

#include "ArtBook.h"
#include "LayoutFile.h"
#include "TextUtil.h"
#include "ToneSynth.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <stdexcept>

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

TEST(ToneSynth, NotesHaveTheirLengthAndFadeAtTheEnds) {
    ToneSynth synth;
    std::string error;
    ASSERT_TRUE(synth.parse(
        "rate = 8000\nfade = 2\nvolume = 0.5\nsound s\nsquare A4 100\nrest 50\nsquare 1000 25 to 2000\n",
        error))
        << error;
    const auto samples = synth.render("s");
    ASSERT_EQ(samples.size(), 800u + 400u + 200u);
    // No click: the first and last samples are near silence, the middle is loud.
    EXPECT_LT(std::abs(samples.front()), 2000);
    EXPECT_LT(std::abs(samples[799]), 2000);
    EXPECT_LT(std::abs(samples.back()), 2000);
    int loudest = 0;
    for (std::size_t i = 300; i < 500; ++i)
        loudest = std::max(loudest, std::abs(static_cast<int>(samples[i])));
    EXPECT_GT(loudest, 15000);
    EXPECT_EQ(samples[1000], 0); // the rest
    EXPECT_NEAR(ToneSynth::noteFrequency("A4"), 440.0, 1e-9);
    EXPECT_NEAR(ToneSynth::noteFrequency("C#6"), 1108.73, 0.01);
}

// The art is read the same on a machine whose decimal separator is a comma.
TEST(TextUtil, NumbersReadTheSameInEveryLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed";
    const double half = textutil::toDouble(" 0.5");
    const double tenth = textutil::toDouble("+0.1");
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(half, 0.5);
    EXPECT_EQ(tenth, 0.1);
    EXPECT_THROW(textutil::toDouble("0,5"), std::invalid_argument);
}
