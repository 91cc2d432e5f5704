#include "ShellShape.h"

#include <algorithm>
#include <cmath>

bool ShellShape::inEllipse(double x, double y, double l, double t, double r, double b) {
    const double cx = (l + r) / 2.0, cy = (t + b) / 2.0;
    const double rx = (r - l) / 2.0, ry = (b - t) / 2.0;
    const double u = (x - cx) / rx, v = (y - cy) / ry;
    return u * u + v * v <= 1.0;
}

ShellShape::ShellShape() : mask_(Width * Height), distance_(Width * Height, 0.0f) {
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            // Upper egg and the ring on top, cut off where the lower body begins;
            // then the lower body; then the hole of the ring.
            bool in = inEllipse(px, py, 5, 30, 142, 220) || inEllipse(px, py, 63, 24, 84, 40);
            if (px >= 3 && px < 145 && py >= 120 && py < 220)
                in = false;
            in = in || inEllipse(px, py, 5, 60, 142, 194);
            if (inEllipse(px, py, 70, 30, 78, 37))
                in = false;
            mask_[y * Width + x] = in;
        }
    // Chamfer distance to the nearest outside pixel, two passes.
    const float big = 1e6f, diagonal = 1.41421f;
    for (int i = 0; i < Width * Height; ++i)
        distance_[i] = mask_[i] ? big : 0.0f;
    auto at = [&](int x, int y) -> float {
        if (x < 0 || y < 0 || x >= Width || y >= Height)
            return 0.0f;
        return distance_[y * Width + x];
    };
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) {
            float& d = distance_[y * Width + x];
            if (d == 0.0f)
                continue;
            d = std::min({d, at(x - 1, y) + 1, at(x, y - 1) + 1, at(x - 1, y - 1) + diagonal,
                          at(x + 1, y - 1) + diagonal});
        }
    for (int y = Height - 1; y >= 0; --y)
        for (int x = Width - 1; x >= 0; --x) {
            float& d = distance_[y * Width + x];
            if (d == 0.0f)
                continue;
            d = std::min({d, at(x + 1, y) + 1, at(x, y + 1) + 1, at(x + 1, y + 1) + diagonal,
                          at(x - 1, y + 1) + diagonal});
        }
}

bool ShellShape::inside(int x, int y) const {
    return x >= 0 && y >= 0 && x < Width && y < Height && mask_[y * Width + x];
}

float ShellShape::edgeDistance(int x, int y) const {
    return inside(x, y) ? distance_[y * Width + x] : 0.0f;
}
