// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The life story's painter, shared by the window and `pipling-sim render-life`. This file provides:
//  - LifeChartPainter::Look: the toy's LCD colours, its shell colour and the characters' names
//    and faces, taken from the device as it is dressed now;
//  - LifeChartPainter::chart and hall: the two pages at a whole-number scale;
//  - the places of the page tabs and the close box, for the window's clicks.
#include "shell/LifeChart.h"

#include <QColor>
#include <QImage>
#include <QRect>

#include <array>
#include <string>
#include <vector>

class Form1;

namespace LifeChartPainter {

struct Look {
    QColor ground{0xc6, 0xd2, 0xb4}, offdot{0xb8, 0xc5, 0xa5}, ghost{0xad, 0xb9, 0x9b};
    QColor ink{0x1f, 0x28, 0x1f}, seam{0x41, 0x4d, 0x3f}, shell{0x8a, 0x9a, 0xc8};
    std::array<std::string, 13> names;
    std::array<QImage, 13> faces;
    static Look of(Form1& form);
};

enum class Page { Chart, Hall };

// The pages' size in logical pixels (one dot of the pixel fonts).
constexpr int Width = 320;  // LifeStory::PageWidth
constexpr int Height = 200; // LifeStory::PageHeight
QRect chartTab();
QRect hallTab();
QRect closeBox();

QImage chart(const LifeChart& life, const Look& look, int scale);
QImage hall(const std::vector<PastPet>& pets, const Look& look, int scale);

} // namespace LifeChartPainter
