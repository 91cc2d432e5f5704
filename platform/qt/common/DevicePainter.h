#pragma once

// The one painter of the device. This file provides:
//  - DevicePainter::outline: the window outline as a QRegion;
//  - DevicePainter::paint: every visible element, bottom to top, nearest-neighbour scaled;
//  - DevicePainter::render: the window as an image, transparent outside its outline.

#include <QImage>
#include <QRegion>

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

} // namespace DevicePainter
