// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <vector>

// The toy's outline in window pixels: the union and differences of ellipses
// and a rectangle that the program gives the window, tested at pixel centres
// the way the desktop builds such a region. Also the distance of every inside
// pixel from the edge, which the shading turns into a rounded surface.
class ShellShape {
public:
    static constexpr int Width = 145;
    static constexpr int Height = 198;

    ShellShape();
    bool inside(int x, int y) const;
    float edgeDistance(int x, int y) const;

    // Box-style ellipse test, as for a region made from the box (l, t)-(r, b).
    static bool inEllipse(double x, double y, double l, double t, double r, double b);

private:
    std::vector<bool> mask_;
    std::vector<float> distance_;
};
