// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShellShape.h"

#include <algorithm>
#include <cmath>
#include <limits>

bool ShellShape::inEllipse(double x, double y, double l, double t, double r, double b) {
    const double cx = (l + r) / 2.0, cy = (t + b) / 2.0;
    const double rx = (r - l) / 2.0, ry = (b - t) / 2.0;
    const double u = (x - cx) / rx, v = (y - cy) / ry;
    return u * u + v * v <= 1.0;
}

namespace {

// The outline the program gives the window: the union and differences of
// ellipses and a rectangle, at any point (not only pixel centres).
bool inOutline(double px, double py) {
    // Upper egg and the ring on top, cut off where the lower body begins;
    // then the lower body; then the hole of the ring.
    bool in = ShellShape::inEllipse(px, py, 5, 30, 142, 220) || ShellShape::inEllipse(px, py, 63, 24, 84, 40);
    if (px >= 3 && px < 145 && py >= 120 && py < 220) in = false;
    in = in || ShellShape::inEllipse(px, py, 5, 60, 142, 194);
    if (ShellShape::inEllipse(px, py, 70, 30, 78, 37)) in = false;
    return in;
}

} // namespace

ShellShape::ShellShape() : mask_(Width * Height), distance_(Width * Height, 0.0f) {
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            mask_[y * Width + x] = inOutline(x + 0.5, y + 0.5);

    // The distance of every inside pixel centre from the outline, measured
    // against the outline sampled four times finer than the pixels. Measuring
    // against whole outside pixels instead follows the staircase of the pixel
    // edge, and the shading turns those steps into faint radial ridges.
    constexpr int Fine = 4;
    auto fineInside = [](int fx, int fy) { return inOutline((fx + 0.5) / Fine, (fy + 0.5) / Fine); };
    std::vector<std::pair<float, float>> outline;
    for (int fy = -1; fy <= Height * Fine; ++fy)
        for (int fx = -1; fx <= Width * Fine; ++fx) {
            if (fineInside(fx, fy)) continue;
            if (fineInside(fx - 1, fy) || fineInside(fx + 1, fy) || fineInside(fx, fy - 1) ||
                fineInside(fx, fy + 1))
                outline.emplace_back((fx + 0.5f) / Fine, (fy + 0.5f) / Fine);
        }
    std::vector<float> raw(distance_.size(), 0.0f);
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) {
            if (!mask_[y * Width + x]) continue;
            const float cx = x + 0.5f, cy = y + 0.5f;
            float best = std::numeric_limits<float>::max();
            for (const auto& [ox, oy] : outline)
                best = std::min(best, (ox - cx) * (ox - cx) + (oy - cy) * (oy - cy));
            raw[y * Width + x] = std::sqrt(best);
        }
    // A light 3 x 3 smoothing irons out what is left of the sampling steps.
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) {
            if (!mask_[y * Width + x]) continue;
            float sum = 0, weight = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const float w = (dx == 0 ? 2.0f : 1.0f) * (dy == 0 ? 2.0f : 1.0f);
                    sum += w * (inside(x + dx, y + dy) ? raw[(y + dy) * Width + x + dx] : 0.0f);
                    weight += w;
                }
            distance_[y * Width + x] = std::max(raw[y * Width + x] * 0.5f, sum / weight);
        }
}

bool ShellShape::inside(int x, int y) const {
    return x >= 0 && y >= 0 && x < Width && y < Height && mask_[y * Width + x];
}

float ShellShape::edgeDistance(int x, int y) const {
    return inside(x, y) ? distance_[y * Width + x] : 0.0f;
}
