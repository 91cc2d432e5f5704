// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreenArt.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Copies a grid, turning its On cells into `kind` (for printed ghosts and cut-outs).
Grid recolored(const Grid& source, Cell cell) {
    Grid out(source.width(), source.height());
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            if (source.at(x, y).isOn()) out.at(x, y) = cell;
    return out;
}

} // namespace

void ScreenArt::generate() {
    icons_ = ctx_.book("screen/icons.txt");
    things_ = ctx_.book("screen/things.txt");
    digits_ = ctx_.book("screen/digits.txt");
    glass();
    icons();
    digitsAndClock();
    statusPages();
    menus();
    gamePages();
    overlays();
    signs();
}

void ScreenArt::dots(const std::string& name, const Grid& grid) const {
    ctx_.out.gif("other/" + name, ctx_.painter.paintDots(grid));
}

int ScreenArt::text(Grid& grid, int x, int y, const std::string& words) const {
    return ctx_.smallFont.draw(grid, x, y, words, Grid::on());
}

int ScreenArt::centred(Grid& grid, int y, const std::string& words) const {
    return text(grid, (grid.width() - ctx_.smallFont.textWidth(words)) / 2, y, words);
}

void ScreenArt::glass() {
    // The screen background: plain glass with the icons printed faintly in
    // their places, and the dot matrix in the middle.
    const QPoint glassAt = ctx_.layout.pixels("pipscr");
    const QPoint matrixAt = ctx_.layout.pixels("dark");
    const int width = ScreenDotsWide * LcdPainter::DotSize;
    const int height = 2 * (matrixAt.y() - glassAt.y()) + ScreenDotsHigh * LcdPainter::DotSize;
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(ctx_.painter.style().ground);

    Grid matrix(ScreenDotsWide, ScreenDotsHigh, Grid::off());
    const QImage matrixImage = ctx_.painter.paintDots(matrix);
    for (int y = 0; y < matrixImage.height(); ++y)
        for (int x = 0; x < matrixImage.width(); ++x)
            image.setPixel(matrixAt.x() - glassAt.x() + x, matrixAt.y() - glassAt.y() + y,
                           matrixImage.pixel(x, y));

    auto printGhost = [&](const std::string& sprite, const std::string& element) {
        const QImage ghost = ctx_.painter.paintPixels(recolored(icons_.grid(sprite), Grid::ghost()), 1);
        const QPoint at = ctx_.layout.pixels(element) - glassAt;
        for (int y = 0; y < ghost.height(); ++y)
            for (int x = 0; x < ghost.width(); ++x)
                if (qAlpha(ghost.pixel(x, y)) > 0) image.setPixel(at.x() + x, at.y() + y, ghost.pixel(x, y));
    };
    for (int i = 0; i < 7; ++i)
        printGhost("pipicon" + std::to_string(i), "pipicon" + std::to_string(i));
    printGhost("attend", "attend");
    ctx_.out.gif("other/pipscr.gif", image);
}

void ScreenArt::icons() {
    for (int i = 0; i < 7; ++i) {
        const std::string name = "pipicon" + std::to_string(i);
        ctx_.out.gif("other/" + name + ".gif", ctx_.painter.paintPixels(icons_.grid(name), 1));
    }
    ctx_.out.gif("other/attend.gif", ctx_.painter.paintPixels(icons_.grid("attend"), 1));
}

void ScreenArt::digitsAndClock() {
    for (int i = 0; i < 10; ++i) {
        const std::string n = std::to_string(i);
        dots("l" + n + ".gif", digits_.grid("l" + n));
        Grid small(3, 5);
        text(small, 0, 0, n);
        dots("s" + n + ".gif", small);
        // Ten-step seconds bar: the segments up to this second are lit, the rest printed faintly.
        Grid bar(19, 2);
        for (int s = 0; s < 10; ++s)
            bar.fill(2 * s, 0, 1, 2, s <= i ? Grid::on() : Grid::ghost());
        dots("second" + n + ".gif", bar);
    }
    dots("colon.gif", digits_.grid("colon"));
    const char* const suffixes[] = {"AM", "PM"};
    for (int i = 0; i < 2; ++i) {
        Grid sign(ctx_.smallFont.textWidth(suffixes[i]), 5);
        text(sign, 0, 0, suffixes[i]);
        dots("ampm" + std::to_string(i) + ".gif", sign);
    }
    Grid yr(ctx_.smallFont.textWidth("yr"), 5);
    text(yr, 0, 0, "yr");
    dots("yr.gif", yr);
}

void ScreenArt::statusPages() {
    // Page 0: age and weight; the digits are separate elements placed by the layout.
    Grid age = screen();
    text(age, 1, 1, "AGE");
    text(age, 25, 2, "yr");
    text(age, 1, 10, "WT");
    text(age, 25, 11, "lb");
    dots("meter0.gif", age);

    // Page 1: the manners gauge, a frame with fourteen faint segments to fill.
    Grid manners = screen();
    centred(manners, 1, "MANNERS");
    for (int x = 0; x <= 30; ++x) {
        manners.set(x, 8, Grid::on());
        manners.set(x, 14, Grid::on());
    }
    for (int y = 8; y <= 14; ++y) {
        manners.set(0, y, Grid::on());
        manners.set(30, y, Grid::on());
    }
    for (int i = 0; i < 14; ++i)
        manners.fill(2 + 2 * i, 9, 1, 5, Grid::ghost());
    dots("meter1.gif", manners);
    dots("smallbar.gif", Grid(1, 5, Grid::on()));

    // Pages 2 and 3: four heart outlines that fill up.
    const char* const titles[] = {"HUNGRY", "HAPPY"};
    for (int page = 0; page < 2; ++page) {
        Grid hearts = screen();
        centred(hearts, 1, titles[page]);
        for (int i = 0; i < 4; ++i)
            hearts.blit(things_.grid("heart-empty"), 8 * i, 8);
        dots("meter" + std::to_string(page + 2) + ".gif", hearts);
    }
    dots("heart.gif", things_.grid("heart"));
}

ScreenArt::FeedMenuParts ScreenArt::feedMenuParts(const PixelFont& font, const Grid& meal,
                                                  const Grid& snack) {
    // The words start right of the menu cursor; a picture is centred on its word's line.
    constexpr int WordsLeft = 5, MealLine = 1, SnackLine = 9, LineHeight = 5;
    auto picture = [](const Grid& grid, int line) {
        return QRect(ScreenDotsWide - 1 - grid.width(), std::max(0, line + (LineHeight - grid.height()) / 2),
                     grid.width(), grid.height());
    };
    return {QRect(WordsLeft, MealLine, font.textWidth("MEAL"), LineHeight),
            QRect(WordsLeft, SnackLine, font.textWidth("SNACK"), LineHeight), picture(meal, MealLine),
            picture(snack, SnackLine)};
}

Grid ScreenArt::feedMenu(const Grid& meal, const Grid& snack) const {
    const FeedMenuParts parts = feedMenuParts(ctx_.smallFont, meal, snack);
    Grid feed = screen();
    text(feed, parts.mealWord.x(), parts.mealWord.y(), "MEAL");
    text(feed, parts.snackWord.x(), parts.snackWord.y(), "SNACK");
    feed.blit(meal, parts.meal.x(), parts.meal.y());
    feed.blit(snack, parts.snack.x(), parts.snack.y());
    return feed;
}

void ScreenArt::menus() {
    dots("feedmenu.gif", feedMenu(things_.grid("menu-meal"), things_.grid("menu-snack")));

    Grid light = screen();
    text(light, 5, 1, "ON");
    text(light, 5, 9, "OFF");
    light.blit(things_.grid("sun"), 24, 0);
    light.blit(things_.grid("moon"), 25, 8);
    dots("lightmnu.gif", light);

    dots("larrow.gif", things_.grid("larrow"));
    dots("rarrow.gif", things_.grid("rarrow"));
    for (int i = 0; i < 4; ++i) {
        dots("meal" + std::to_string(i) + ".gif", things_.grid("meal" + std::to_string(i)));
        dots("snack" + std::to_string(i) + ".gif", things_.grid("snack" + std::to_string(i)));
    }
}

void ScreenArt::gamePages() {
    Grid title = screen();
    const std::string play = "PLAY!";
    ctx_.textFont.draw(title, (title.width() - ctx_.textFont.textWidth(play)) / 2, 5, play, Grid::on());
    title.blit(things_.grid("ball"), 1, 0);
    title.blit(things_.grid("ball"), 26, 0);
    for (int x = 0; x < 32; x += 2)
        title.set(x, 14, Grid::on());
    dots("playtitl.gif", title);

    Grid result = screen();
    text(result, 1, 1, "YOU");
    text(result, 20, 1, "PIP");
    result.fill(14, 11, 4, 1, Grid::on());
    dots("playresu.gif", result);
}

void ScreenArt::overlays() {
    // Light off: every dot dark. While the pet sleeps, little z's drift in the dark.
    const Grid dark(ScreenDotsWide, ScreenDotsHigh, Grid::on());
    const Grid z = recolored(things_.grid("z"), Grid::off());
    Grid sleepA = dark, sleepB = dark;
    sleepA.blit(z, 21, 8);
    sleepA.blit(z, 26, 3);
    sleepB.blit(z, 22, 6);
    sleepB.blit(z, 27, 1);
    dots("dark0.gif", sleepA);
    dots("dark1.gif", sleepB);
    dots("dark2.gif", dark);

    // The change curtain. The eight frames play in order, twice, so each pass
    // is a whole little show: sparkles gather while two drapes sweep in from
    // the sides, the drapes meet under a big star (frame 4), then part again
    // with the sparkles flying out, leaving the screen nearly clear at frame 7
    // when the next picture takes over.
    const int reaches[8] = {3, 7, 11, 14, 16, 12, 7, 2};
    for (int frame = 0; frame < 8; ++frame) {
        Grid curtain = screen();
        const int reach = reaches[frame];
        for (int y = 0; y < ScreenDotsHigh; ++y)
            for (int i = 0; i < reach; ++i) {
                // Folds every fourth column; the hem is cut in scallops along the bottom.
                const bool fold = i % 4 == 2 && y > 1 && y < ScreenDotsHigh - 2;
                const bool hem = y == ScreenDotsHigh - 1 && i % 2 == 1;
                const bool edge = i == reach - 1 && y % 3 == 1 && reach < 16; // ruffled leading edge
                const Cell c = fold || hem || edge ? Grid::off() : Grid::on();
                curtain.set(i, y, c);
                curtain.set(ScreenDotsWide - 1 - i, y, c);
            }
        // A rod across the top that the drapes hang from.
        for (int x = 0; x < ScreenDotsWide; ++x)
            curtain.set(x, 0, x % 2 == 0 || reach >= 16 ? Grid::on() : curtain.at(x, 0));
        // Sparkles: a plus in the open gap is drawn on; on the drapes it is cut out.
        auto onDrape = [&](int x) { return x < reach || x >= ScreenDotsWide - reach; };
        auto dot = [&](int x, int y) {
            if (curtain.contains(x, y) && y > 0) curtain.set(x, y, onDrape(x) ? Grid::off() : Grid::on());
        };
        auto sparkle = [&](int cx, int cy, int arm) {
            for (int d = -arm; d <= arm; ++d)
                dot(cx + d, cy), dot(cx, cy + d);
        };
        // The big star in the middle: a plus two dots thick with four glints.
        const int cx = ScreenDotsWide / 2;
        auto star = [&](int arm) {
            for (int d = -arm; d < arm; ++d)
                for (int t = -1; t <= 0; ++t)
                    dot(cx + d, 8 + t), dot(cx + t, 8 + d);
            if (arm >= 3)
                for (const auto& [x, y] : {std::pair{cx - 3, 5}, std::pair{cx + 2, 5}, std::pair{cx - 3, 10},
                                           std::pair{cx + 2, 10}})
                    dot(x, y);
        };
        if (frame == 4) curtain.fill(cx - 6, 2, 12, 12, Grid::on()); // the drapes overlap where they meet
        switch (frame) {
        case 0:
            sparkle(6, 4, 1), sparkle(25, 10, 1);
            break;
        case 1:
            sparkle(10, 5, 1), sparkle(21, 9, 1), sparkle(cx, 7, 0);
            break;
        case 2:
            sparkle(13, 5, 1), sparkle(18, 10, 1), sparkle(cx - 1, 8, 0);
            break;
        case 3:
            star(2);
            break;
        case 4:
            star(5), sparkle(5, 4, 1), sparkle(26, 11, 1);
            break;
        case 5:
            star(3), sparkle(8, 11, 1), sparkle(23, 4, 1);
            break;
        case 6:
            sparkle(10, 4, 1), sparkle(21, 11, 1), sparkle(cx - 1, 8, 0);
            break;
        default:
            sparkle(7, 3, 1), sparkle(24, 12, 1), sparkle(cx - 1, 8, 0);
            break;
        }
        dots("change" + std::to_string(frame) + ".gif", curtain);
    }
    dots("water.gif", things_.grid("water"));
}

void ScreenArt::signs() {
    for (int i = 0; i < 2; ++i) {
        const std::string n = std::to_string(i);
        dots("dung" + n + ".gif", things_.grid("dung" + n));
        dots("sleep" + n + ".gif", things_.grid("sleep" + n));
        dots("stars" + n + ".gif", things_.grid("stars" + n));
    }
    dots("skull.gif", things_.grid("skull"));
}
