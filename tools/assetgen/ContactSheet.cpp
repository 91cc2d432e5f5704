// SPDX-License-Identifier: GPL-3.0-or-later
#include "ContactSheet.h"

#include "PixelFont.h"

#include <QPainter>

#include <algorithm>

int ContactSheet::scaleFor(int width, int height) {
    const int largest = std::max(width, height);
    if (largest <= 16) return 4;
    if (largest <= 60) return 3;
    if (largest <= 200) return 2;
    return 1;
}

std::string ContactSheet::write(const std::vector<AssetTree::Picture>& all, const std::string& fontPath,
                                const std::string& file, const std::string& only) {
    PixelFont font;
    std::string error;
    if (!font.load(fontPath, error)) return error;
    std::vector<const AssetTree::Picture*> pictures;
    for (const auto& p : all)
        if (p.path.starts_with(only)) pictures.push_back(&p);
    if (pictures.empty()) return "no pictures to show";

    struct Placed {
        const AssetTree::Picture* picture;
        int x, y, scale;
    };
    constexpr int margin = 10, labelHeight = 12;
    std::vector<Placed> placed;
    int x = margin, y = margin, rowHeight = 0;
    for (const auto* p : pictures) {
        const int s = scaleFor(p->image.width(), p->image.height());
        const int w = std::max(p->image.width() * s, font.textWidth(p->path));
        const int h = p->image.height() * s + labelHeight;
        if (x + w > PageWidth - margin && x > margin) {
            x = margin;
            y += rowHeight + margin;
            rowHeight = 0;
        }
        placed.push_back({p, x, y, s});
        x += w + margin;
        rowHeight = std::max(rowHeight, h);
    }
    QImage page(PageWidth, y + rowHeight + margin, QImage::Format_ARGB32);
    page.fill(qRgb(0xf4, 0xf1, 0xea));
    QPainter painter(&page);
    for (const auto& item : placed) {
        const QImage& image = item.picture->image;
        const QRect area(item.x, item.y, image.width() * item.scale, image.height() * item.scale);
        for (int cy = 0; cy < area.height(); cy += 6)
            for (int cx = 0; cx < area.width(); cx += 6)
                painter.fillRect(QRect(area.x() + cx, area.y() + cy, 6, 6).intersected(area),
                                 ((cx + cy) / 6) % 2 ? QColor(0xdd, 0xdd, 0xdd) : QColor(0xc8, 0xc8, 0xc8));
        painter.drawImage(area, image.scaled(area.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation));
    }
    painter.end();
    for (const auto& item : placed)
        font.draw(page, item.x, item.y + item.picture->image.height() * item.scale + 2, item.picture->path,
                  qRgb(0x30, 0x30, 0x40));
    if (!page.save(QString::fromStdString(file), "PNG")) return "cannot write " + file;
    return {};
}
