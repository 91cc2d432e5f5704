// SPDX-License-Identifier: GPL-3.0-or-later
#include "PoseMaker.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Face marks may only be drawn over the inside of the body, never over its
// outline or outside it.
void paintInside(Grid& grid, int x, int y, Cell cell) {
    if (!grid.contains(x, y)) return;
    const Cell& here = grid.at(x, y);
    if (here.kind == Cell::Kind::Off || here.mark != Cell::Mark::None) grid.at(x, y) = cell;
}

void eraseMarks(Grid& grid, Cell::Mark mark) {
    for (int y = 0; y < grid.height(); ++y)
        for (int x = 0; x < grid.width(); ++x)
            if (grid.at(x, y).mark == mark) grid.at(x, y) = Grid::off();
}

} // namespace

PoseMaker::PoseMaker(const ArtBook& character, const ArtBook& effects)
    : book_(character), effects_(effects), body_(character.grid("body")) {}

PoseMaker::PoseMaker(const ArtBook& character, const ArtBook& effects, Grid body)
    : book_(character), effects_(effects), body_(std::move(body)) {}

Grid::Box PoseMaker::bounds() const {
    Grid::Box box{body_.width(), body_.height(), -1, -1};
    for (int y = 0; y < body_.height(); ++y)
        for (int x = 0; x < body_.width(); ++x)
            if (!body_.at(x, y).isClear()) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x);
                box.bottom = std::max(box.bottom, y);
            }
    return box;
}

Grid PoseMaker::face(Eyes eyes, Mouth mouth, int look) const {
    Grid g = body_;
    const auto eyeBoxes = body_.markClusters(Cell::Mark::Eye);
    const auto mouthBoxes = body_.markClusters(Cell::Mark::Mouth);
    const Cell eye = Grid::on(Cell::Mark::Eye);
    const Cell lip = Grid::on(Cell::Mark::Mouth);

    if (eyes != Eyes::Keep || look != 0) {
        eraseMarks(g, Cell::Mark::Eye);
        for (std::size_t i = 0; i < eyeBoxes.size(); ++i) {
            const auto& b = eyeBoxes[i];
            const int outward = (eyeBoxes.size() == 2 && i == 0) ? -1 : 1;
            const int l = b.left + look, r = b.right + look, t = b.top, bottom = b.bottom;
            const int c = (l + r) / 2;
            switch (eyes) {
            case Eyes::Keep:
            case Eyes::Sad:
            case Eyes::Angry:
                for (int y = t; y <= bottom; ++y)
                    for (int x = l; x <= r; ++x)
                        if (body_.at(x - look, y).mark == Cell::Mark::Eye) paintInside(g, x, y, eye);
                if (eyes == Eyes::Sad) paintInside(g, c, bottom + 2, eye);
                if (eyes == Eyes::Angry) {
                    paintInside(g, c - outward, t - 2, eye);
                    paintInside(g, c, t - 1, eye);
                }
                break;
            case Eyes::Closed:
                for (int x = std::min(l, l + (r == l ? outward : 0));
                     x <= std::max(r, r + (r == l ? outward : 0)); ++x)
                    paintInside(g, x, bottom, eye);
                break;
            case Eyes::Happy:
                paintInside(g, c - 1, bottom, eye);
                paintInside(g, c, bottom - 1, eye);
                paintInside(g, c + 1, bottom, eye);
                break;
            case Eyes::Cross:
                for (int d = -1; d <= 1; ++d) {
                    paintInside(g, c + d, t + 1 + d, eye);
                    paintInside(g, c + d, t + 1 - d, eye);
                }
                break;
            case Eyes::Squeeze:
                paintInside(g, c + outward, t, eye);
                paintInside(g, c, t + 1, eye);
                paintInside(g, c + outward, t + 2, eye);
                break;
            }
        }
    }
    if (mouth != Mouth::Keep || look != 0) {
        eraseMarks(g, Cell::Mark::Mouth);
        for (const auto& b : mouthBoxes) {
            const int l = b.left + look, r = b.right + look, t = b.top, bottom = b.bottom;
            switch (mouth) {
            case Mouth::Keep:
                for (int y = t; y <= bottom; ++y)
                    for (int x = l; x <= r; ++x)
                        if (body_.at(x - look, y).mark == Cell::Mark::Mouth) paintInside(g, x, y, lip);
                break;
            case Mouth::Open:
                for (int y = t; y <= bottom + 1; ++y)
                    for (int x = l; x <= r; ++x)
                        paintInside(g, x, y, lip);
                break;
            case Mouth::Chew:
                for (int x = l - 1; x <= r + 1; ++x)
                    paintInside(g, x, bottom, lip);
                break;
            case Mouth::Smile:
                paintInside(g, l - 1, t, lip);
                paintInside(g, r + 1, t, lip);
                for (int x = l; x <= r; ++x)
                    paintInside(g, x, bottom + 1, lip);
                break;
            case Mouth::Frown:
                paintInside(g, l - 1, bottom + 1, lip);
                paintInside(g, r + 1, bottom + 1, lip);
                for (int x = l; x <= r; ++x)
                    paintInside(g, x, t, lip);
                break;
            case Mouth::Hidden:
                break;
            }
        }
    }
    return g;
}

Grid PoseMaker::squashed(const Grid& grid) {
    // Drops one row of the body and lets everything above sink by one: the
    // body looks pressed down, its feet stay on the ground. The row dropped is
    // one without a face mark, nearest the middle, preferably below the face,
    // so that eyes and mouth never lose a row.
    int top = grid.height(), bottom = -1, faceBottom = -1;
    std::vector<bool> marked(static_cast<std::size_t>(grid.height()), false);
    for (int y = 0; y < grid.height(); ++y)
        for (int x = 0; x < grid.width(); ++x) {
            const Cell& c = grid.at(x, y);
            if (c.isClear()) continue;
            top = std::min(top, y);
            bottom = std::max(bottom, y);
            if (c.mark != Cell::Mark::None) {
                marked[static_cast<std::size_t>(y)] = true;
                faceBottom = std::max(faceBottom, y);
            }
        }
    if (bottom - top < 4) return grid;
    const int middle = (top + bottom) / 2;
    int removed = -1;
    auto consider = [&](int from, int to) {
        for (int y = from; y <= to; ++y)
            if (!marked[static_cast<std::size_t>(y)] &&
                (removed < 0 || std::abs(y - middle) < std::abs(removed - middle)))
                removed = y;
    };
    consider(std::max(faceBottom + 1, top + 1), bottom - 1);
    if (removed < 0) consider(top + 1, bottom - 1);
    if (removed < 0) return grid;
    Grid out(grid.width(), grid.height());
    for (int y = 0; y < grid.height(); ++y)
        for (int x = 0; x < grid.width(); ++x) {
            if (y > removed)
                out.at(x, y) = grid.at(x, y);
            else if (y > 0)
                out.at(x, y) = grid.at(x, y - 1);
        }
    return out;
}

void PoseMaker::effect(Grid& grid, const std::string& name, int x, int y) const {
    // A mark that would hang over the picture's edge is pulled back inside.
    const Grid& mark = effects_.grid(name);
    x = std::clamp(x, 0, std::max(0, grid.width() - mark.width()));
    y = std::clamp(y, 0, std::max(0, grid.height() - mark.height()));
    grid.stampOutside(mark, x, y);
}

Grid PoseMaker::pose(const std::string& name) const {
    return book_.has(name) ? book_.grid(name) : generated(name);
}

Grid PoseMaker::generated(const std::string& name) const {
    const Grid::Box b = bounds();
    const int midY = (b.top + b.bottom) / 2;
    using E = Eyes;
    using M = Mouth;
    if (name == "0") return face(E::Keep, M::Keep, -1);
    if (name == "1") return squashed(face(E::Keep, M::Keep, -1));
    if (name == "2") return pose("0").mirrored();
    if (name == "3") // breathing out with a blink, so the idle loop feels alive
        return squashed(face(E::Closed, M::Keep, -1)).mirrored();
    if (name == "eat0") return face(E::Keep, M::Open);
    if (name == "eat1") return squashed(face(E::Happy, M::Chew));
    if (name == "no0" || name == "no1") {
        Grid g = face(E::Closed, M::Frown, -1).shifted(-1, 0);
        effect(g, "shake", b.left - 4, midY - 2);
        return name == "no0" ? g : g.mirrored();
    }
    if (name == "sick0" || name == "sick1") {
        Grid g = squashed(face(E::Cross, M::Frown));
        if (name == "sick1") g = face(E::Closed, M::Frown);
        effect(g, name == "sick0" ? "sweat" : "sweat2", b.right + 1, b.top);
        return g;
    }
    if (name == "happy0" || name == "happy1") {
        Grid g = face(E::Happy, M::Smile);
        if (name == "happy0") g = g.shifted(0, -1);
        effect(g, "sparkle", name == "happy0" ? b.left - 4 : b.right + 1, b.top);
        effect(g, "sparkle-small", name == "happy0" ? b.right + 2 : b.left - 3, b.top + 4);
        return g;
    }
    if (name == "sleep0") return squashed(face(E::Closed, M::Hidden));
    if (name == "sleep1") return face(E::Closed, M::Hidden);
    if (name == "stool0") {
        Grid g = squashed(face(E::Squeeze, M::Frown));
        effect(g, "strain", b.left - 3, b.top);
        return g;
    }
    if (name == "stool1") return face(E::Happy, M::Smile);
    if (name == "unhp0") {
        Grid g = face(E::Angry, M::Frown);
        effect(g, "anger", b.right, b.top - 1);
        return g;
    }
    if (name == "unhp1" || name == "unhp2") {
        Grid g = face(E::Sad, M::Frown).shifted(name == "unhp1" ? -1 : 1, 0);
        effect(g, "shake", name == "unhp1" ? b.right + 2 : b.left - 4, midY - 2);
        return g;
    }
    if (name == "play0") return face(E::Keep, M::Keep);
    if (name == "play1") return face(E::Keep, M::Smile).shifted(0, -1);
    if (name == "play2") return face(E::Keep, M::Keep, -1).shifted(-1, 0);
    if (name == "play3") return pose("play2").mirrored();
    return body_;
}

Grid PoseMaker::iconFrame(int index) const {
    switch (index % 8) {
    case 0:
        return body_;
    case 1:
        return squashed(body_);
    case 2:
        return face(Eyes::Keep, Mouth::Keep, -1);
    case 3:
        return face(Eyes::Closed, Mouth::Keep);
    case 4:
        return body_;
    case 5:
        return face(Eyes::Keep, Mouth::Keep, 1);
    case 6:
        return squashed(body_);
    default:
        return face(Eyes::Happy, Mouth::Smile);
    }
}
