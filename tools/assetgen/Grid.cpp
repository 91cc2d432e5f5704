// SPDX-License-Identifier: GPL-3.0-or-later
#include "Grid.h"

#include <algorithm>

Grid::Grid(int width, int height, Cell fill)
    : width_(width), height_(height), cells_(static_cast<std::size_t>(width) * height, fill) {}

void Grid::set(int x, int y, Cell cell) {
    if (contains(x, y)) at(x, y) = cell;
}

void Grid::blit(const Grid& other, int x, int y) {
    for (int j = 0; j < other.height(); ++j)
        for (int i = 0; i < other.width(); ++i)
            if (!other.at(i, j).isClear()) set(x + i, y + j, other.at(i, j));
}

void Grid::stampInside(const Grid& other, int x, int y) {
    for (int j = 0; j < other.height(); ++j)
        for (int i = 0; i < other.width(); ++i)
            if (!other.at(i, j).isClear() && contains(x + i, y + j) && !at(x + i, y + j).isClear())
                at(x + i, y + j) = other.at(i, j);
}

void Grid::stampOutside(const Grid& other, int x, int y) {
    for (int j = 0; j < other.height(); ++j)
        for (int i = 0; i < other.width(); ++i)
            if (!other.at(i, j).isClear() && contains(x + i, y + j) && at(x + i, y + j).isClear())
                at(x + i, y + j) = other.at(i, j);
}

Grid Grid::shifted(int dx, int dy) const {
    Grid out(width_, height_);
    out.blit(*this, dx, dy);
    return out;
}

Grid Grid::mirrored() const {
    Grid out(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            out.at(width_ - 1 - x, y) = at(x, y);
    return out;
}

void Grid::fill(int x, int y, int w, int h, Cell cell) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            set(i, j, cell);
}

std::vector<Grid::Box> Grid::markClusters(Cell::Mark mark) const {
    // Columns that hold the mark, grouped into runs separated by a free column.
    std::vector<Box> boxes;
    for (int x = 0; x < width_; ++x) {
        int top = height_, bottom = -1;
        for (int y = 0; y < height_; ++y)
            if (at(x, y).mark == mark) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        if (bottom < 0) continue;
        if (!boxes.empty() && boxes.back().right == x - 1) {
            Box& b = boxes.back();
            b.right = x;
            b.top = std::min(b.top, top);
            b.bottom = std::max(b.bottom, bottom);
        } else {
            boxes.push_back({x, top, x, bottom});
        }
    }
    return boxes;
}
