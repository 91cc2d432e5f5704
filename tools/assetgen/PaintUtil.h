// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRgb>

#include <algorithm>
#include <cmath>

// Small pixel helpers shared by the pictures of the toy's plastic: the shells
// of the skins and the desktop icon.
namespace paint {

inline QRgb mix(QRgb a, QRgb b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    auto ch = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return qRgba(ch(qRed(a), qRed(b)), ch(qGreen(a), qGreen(b)), ch(qBlue(a), qBlue(b)),
                 ch(qAlpha(a), qAlpha(b)));
}

// Inside a rectangle whose top and bottom corners are rounded with their own radii.
inline bool inRoundRect(double x, double y, double l, double t, double r, double b, double rt, double rb) {
    if (x < l || x > r || y < t || y > b) return false;
    const double radius = y < (t + b) / 2 ? rt : rb;
    const double cy = y < (t + b) / 2 ? t + radius : b - radius;
    double cx = x;
    if (x < l + radius)
        cx = l + radius;
    else if (x > r - radius)
        cx = r - radius;
    else
        return true;
    if ((y < (t + b) / 2 && y >= cy) || (y >= (t + b) / 2 && y <= cy)) return true;
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
}

// A lit sphere-like disc: how bright a point of a round button is.
inline double discLight(double u, double v) {
    const double z = std::sqrt(std::max(0.0, 1.0 - u * u - v * v));
    const double lx = -0.5, ly = -0.65, lz = 0.58;
    return std::clamp(0.35 + 0.8 * (u * lx + v * ly + z * lz), 0.0, 1.3);
}

} // namespace paint
