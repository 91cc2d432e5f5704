// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRgb>

#include <string>
#include <vector>

// One picture cell of a pixel grid. LCD pictures use the dot kinds (On, Off,
// Ghost), which the LCD painter turns into 3 x 3 pixel dots; other pictures
// use plain colours. A mark remembers which On dots are a face's eyes or mouth
// so that pose variants can redraw them.
struct Cell {
    enum class Kind { Clear, On, Off, Ghost, Color };
    enum class Mark { None, Eye, Mouth };
    Kind kind = Kind::Clear;
    QRgb rgb = 0;
    Mark mark = Mark::None;

    bool isClear() const { return kind == Kind::Clear; }
    bool isOn() const { return kind == Kind::On || kind == Kind::Color; }
    bool operator==(const Cell&) const = default;
};

// A rectangle of cells, edited by the art generators before it is painted.
class Grid {
public:
    Grid() = default;
    Grid(int width, int height, Cell fill = {});

    int width() const { return width_; }
    int height() const { return height_; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    const Cell& at(int x, int y) const { return cells_[index(x, y)]; }
    Cell& at(int x, int y) { return cells_[index(x, y)]; }
    void set(int x, int y, Cell cell);

    // Copies every non-clear cell of `other` with its top-left at (x, y).
    void blit(const Grid& other, int x, int y);
    // Draws the non-clear cells of `other` only where this grid is not clear
    // (stays inside a body) or only where it is clear (stays outside).
    void stampInside(const Grid& other, int x, int y);
    void stampOutside(const Grid& other, int x, int y);

    Grid shifted(int dx, int dy) const;
    Grid mirrored() const;
    void fill(int x, int y, int w, int h, Cell cell);
    // Bounding box of the cells carrying `mark`, split into clusters left to right.
    struct Box {
        int left, top, right, bottom;
    };
    std::vector<Box> markClusters(Cell::Mark mark) const;

    static Cell on(Cell::Mark mark = Cell::Mark::None) { return {Cell::Kind::On, 0, mark}; }
    static Cell off() { return {Cell::Kind::Off, 0, Cell::Mark::None}; }
    static Cell ghost() { return {Cell::Kind::Ghost, 0, Cell::Mark::None}; }
    static Cell color(QRgb rgb) { return {Cell::Kind::Color, rgb, Cell::Mark::None}; }

private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y) * width_ + x; }
    int width_ = 0;
    int height_ = 0;
    std::vector<Cell> cells_;
};
