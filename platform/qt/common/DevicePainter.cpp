// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/common/DevicePainter.h"

#include "device/ElementSet.h"
#include "platform/qt/common/QtPicture.h"
#include "shell/WindowState.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace DevicePainter {

QRegion outline(const WindowState& window) {
    const int width = window.width / Element::TwipsPerPixel;
    const int height = window.height / Element::TwipsPerPixel;
    if (window.outline.empty()) return QRegion(0, 0, width, height);
    QRegion region;
    for (const OutlineStep& step : window.outline) {
        QRect box(step.x1, step.y1, step.x2 - step.x1, step.y2 - step.y1);
        QRegion shape(box, step.shape == OutlineStep::Shape::Ellipse ? QRegion::Ellipse : QRegion::Rectangle);
        region = step.combine == OutlineStep::Combine::Or ? region.united(shape) : region.subtracted(shape);
    }
    return region;
}

void paint(ElementSet& elements, QPainter& painter) {
    // Nearest-neighbour scaling keeps the pixel art crisp at any scale.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    elements.forEachShown([&](const char*, int, Element& element) {
        if (!element.visible || !element.picture) return;
        const auto* picture = dynamic_cast<const QtPicture*>(element.picture.get());
        if (!picture) return;
        // An element shows its picture at the picture's own size, cut off where the element is
        // smaller (the dark overlay narrows this way as the flush wave crosses the screen).
        const int width = std::min(element.width / Element::TwipsPerPixel, picture->image.width());
        const int height = std::min(element.height / Element::TwipsPerPixel, picture->image.height());
        if (width <= 0 || height <= 0) return;
        painter.drawImage(QPointF(element.left / double(Element::TwipsPerPixel),
                                  element.top / double(Element::TwipsPerPixel)),
                          picture->image, QRect(0, 0, width, height));
    });
}

QImage render(ElementSet& elements, const WindowState& window, int scale) {
    const int width = window.width / Element::TwipsPerPixel;
    const int height = window.height / Element::TwipsPerPixel;
    QImage image(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setClipRegion(outline(window));
    paint(elements, painter);
    painter.end();
    return image;
}

void snapshot(ElementSet& elements, Snapshot& into) {
    into.clear();
    elements.forEachShown([&](const char*, int, Element& e) {
        into.push_back({e.picture.get(), e.left, e.top, e.width, e.height, e.visible});
    });
}

namespace {

// The window pixels an element's rectangle touches, a partly covered pixel included.
QRect pixels(const Shown& shown) {
    constexpr double Twips = Element::TwipsPerPixel;
    const int x1 = static_cast<int>(std::floor(shown.left / Twips));
    const int y1 = static_cast<int>(std::floor(shown.top / Twips));
    const int x2 = static_cast<int>(std::ceil((shown.left + shown.width) / Twips));
    const int y2 = static_cast<int>(std::ceil((shown.top + shown.height) / Twips));
    return QRect(x1, y1, x2 - x1, y2 - y1);
}

} // namespace

std::optional<QRegion> changed(const Snapshot& before, const Snapshot& after) {
    if (before.size() != after.size()) return std::nullopt;
    QRegion region;
    for (std::size_t i = 0; i < after.size(); ++i)
        if (before[i] != after[i]) {
            region += pixels(before[i]);
            region += pixels(after[i]);
        }
    return region;
}

} // namespace DevicePainter
