// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one painter of the device. This file provides:
//  - DevicePainter::outline: the window outline as a QRegion;
//  - DevicePainter::paint: every visible element, bottom to top, nearest-neighbour scaled;
//  - DevicePainter::render: the window as an image, transparent outside its outline;
//  - DevicePainter::Snapshot, snapshot, changed: what the window shows, and the pixels that
//    must be painted again when that changes.

#include <QImage>
#include <QRegion>

#include <optional>
#include <vector>

struct ElementSet;
class QPainter;
struct WindowState;

// Draws the device window as the desktop shows it. pipling paints its window with it and
// pipling-sim renders the same picture to a file.
namespace DevicePainter {

// The window outline in window pixels; the whole window when it has none.
QRegion outline(const WindowState& window);
// Paints every visible element, bottom to top, in window pixels (the painter may be scaled).
void paint(ElementSet& elements, QPainter& painter);
// The window at the given whole-number scale, transparent outside its outline.
QImage render(ElementSet& elements, const WindowState& window, int scale);

// What the window shows of one element: its picture, its rectangle in twips, its visibility.
struct Shown {
    const void* picture = nullptr;
    int left = 0, top = 0, width = 0, height = 0;
    bool visible = false;
    bool operator==(const Shown&) const = default;
};
using Snapshot = std::vector<Shown>;
// Every shown element in paint order, into a buffer that is reused (no allocation once grown).
void snapshot(ElementSet& elements, Snapshot& into);
// The window pixels to paint again when the window showed `before` and now shows `after`: the
// old and new rectangles of each element that changed, in whole pixels; nothing when nothing
// changed; no region (paint everything) when the element set itself changed.
std::optional<QRegion> changed(const Snapshot& before, const Snapshot& after);

} // namespace DevicePainter
