// SPDX-License-Identifier: GPL-3.0-or-later
#include "IconArt.h"

#include "PaintUtil.h"
#include "PoseMaker.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdio>

using paint::mix;

namespace {

std::string hex(QRgb c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", qRed(c), qGreen(c), qBlue(c));
    return text;
}

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3g", value);
    return text;
}

std::string square(double x, double y, double side, double radius, QRgb fill) {
    return "<rect x=\"" + number(x) + "\" y=\"" + number(y) + "\" width=\"" + number(side) + "\" height=\"" +
           number(side) + (radius > 0 ? "\" rx=\"" + number(radius) : std::string()) + "\" fill=\"" +
           hex(fill) + "\"/>\n";
}

QRgb colorOf(const ArtBook& book, const std::string& key) {
    return 0xff000000u | static_cast<QRgb>(std::stoul(book.setting(key).substr(1), nullptr, 16));
}

// Inside a square of side `size` with corners rounded by `radius`.
bool inRounded(double x, double y, double size, double radius) {
    const double cx = std::clamp(x, radius, size - radius), cy = std::clamp(y, radius, size - radius);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius && x >= 0 && y >= 0 && x <= size &&
           y <= size;
}

// How much of a pixel lies inside a shape, from 4 x 4 samples: edges of the
// drawn shapes are smooth at every size without scaling any picture.
template <typename Inside> double coverage(int x, int y, Inside inside) {
    int hits = 0;
    for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 4; ++i)
            hits += inside(x + (i + 0.5) / 4.0, y + (j + 0.5) / 4.0);
    return hits / 16.0;
}

} // namespace

std::string IconArt::pathFor(int size) {
    const std::string n = std::to_string(size);
    return "hicolor/" + n + "x" + n + "/apps/" + FileName;
}

void IconArt::generate() {
    const ArtBook rolloo = ctx_.book("chars/02-rolloo.txt");
    const ArtBook effects = ctx_.book("chars/effects.txt");
    const Grid smiling = PoseMaker(rolloo, effects).face(PoseMaker::Eyes::Keep, PoseMaker::Mouth::Smile);
    // Centred up and down: the screen poses stand on the bottom row.
    int top = smiling.height(), bottom = -1;
    for (int y = 0; y < smiling.height(); ++y)
        for (int x = 0; x < smiling.width(); ++x)
            if (!smiling.at(x, y).isClear()) top = std::min(top, y), bottom = std::max(bottom, y);
    pet_ = smiling.shifted(0, (smiling.height() - (bottom - top + 1)) / 2 - top);
    for (int size : Sizes)
        ctx_.out.png(pathFor(size), icon(size));
    ctx_.out.text(ScalablePath, scalable());
}

QImage IconArt::screenPet(int dot, int seam) const {
    const LcdPainter::Style& lcd = ctx_.painter.style();
    QImage image(pet_.width() * dot, pet_.height() * dot, QImage::Format_ARGB32);
    image.fill(lcd.ground);
    for (int y = 0; y < pet_.height(); ++y)
        for (int x = 0; x < pet_.width(); ++x) {
            const bool on = pet_.at(x, y).isOn();
            const QRgb core = on ? lcd.ink : lcd.offDot, between = on ? lcd.inkSeam : lcd.ground;
            for (int j = 0; j < dot; ++j)
                for (int i = 0; i < dot; ++i)
                    image.setPixel(x * dot + i, y * dot + j,
                                   i >= dot - seam || j >= dot - seam ? between : core);
        }
    return image;
}

QImage IconArt::icon(int size) const {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    if (size < 64) {
        // Only the screen: one, two or three pixels per dot on a rounded glass.
        const int dot = size / pet_.width();
        const QImage pet = screenPet(dot, dot >= 3 ? 1 : 0);
        const double radius = size / 8.0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                if (coverage(x, y, [&](double px, double py) { return inRounded(px, py, size, radius); }) >=
                    0.5)
                    image.setPixel(x, y, pet.pixel(x, y));
        return image;
    }
    // The shell: a rounded square of the default skin's plastic, lit from the
    // upper left, a cream plate, and the glass with the pet in the middle.
    const ArtBook skin = ctx_.book("skins/Default.txt");
    const QRgb body = colorOf(skin, "body"), shade = colorOf(skin, "shade"), rim = colorOf(skin, "rim");
    const QRgb plate = colorOf(skin, "plate"), plateShade = colorOf(skin, "plateshade");
    const int dot = size * 3 / 64; // 3, 6 and 12 pixels: the pet fills three quarters of the icon
    const int glass = dot * pet_.width() + 2 * std::max(1, dot / 3);
    const int glassAt = (size - glass) / 2;
    const int plateWidth = std::max(2, size / 32);
    const double s = size;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double outer =
                coverage(x, y, [&](double px, double py) { return inRounded(px, py, s, s / 4.2); });
            if (outer <= 0) continue;
            const double inner = coverage(x, y, [&](double px, double py) {
                return inRounded(px - s / 48, py - s / 48, s - s / 24, s / 4.5);
            });
            // Brighter towards the upper left, a darker rim where the plastic turns away.
            const double light = 1.0 - (x + y) / (2.0 * s);
            QRgb c = mix(shade, body, 0.35 + 0.9 * light);
            c = mix(rim, c, inner);
            const double p = coverage(x, y, [&](double px, double py) {
                return inRounded(px - glassAt + plateWidth, py - glassAt + plateWidth, glass + 2 * plateWidth,
                                 plateWidth * 2.5);
            });
            c = mix(c, y < size / 2 ? plate : mix(plate, plateShade, 0.5), p);
            image.setPixel(x, y,
                           qRgba(qRed(c), qGreen(c), qBlue(c), static_cast<int>(std::lround(255 * outer))));
        }
    // The glass and the pet on it are pixel art: whole pixels, no smoothing.
    const QImage pet = screenPet(dot, std::max(1, dot / 6));
    const int petAt = glassAt + (glass - pet.width()) / 2;
    QPainter painter(&image);
    painter.fillRect(glassAt, glassAt, glass, glass, QColor(ctx_.painter.style().ground));
    painter.drawImage(petAt, petAt, pet);
    painter.end();
    return image;
}

std::string IconArt::scalable() const {
    // The 64-pixel icon's measures: the shell, its rim, the plate and the glass, in units of one
    // pixel of that icon, with the shell's light as a gradient from the upper left.
    const ArtBook skin = ctx_.book("skins/Default.txt");
    const QRgb body = colorOf(skin, "body"), shade = colorOf(skin, "shade"), rim = colorOf(skin, "rim");
    const QRgb plate = colorOf(skin, "plate"), plateShade = colorOf(skin, "plateshade");
    const LcdPainter::Style& lcd = ctx_.painter.style();
    const double s = 64, dot = 3, seam = 1;
    const double glass = dot * pet_.width() + 2, glassAt = (s - glass) / 2, plateWidth = 2;
    std::string svg =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" viewBox=\"0 0 64 64\">\n"
        "<defs><linearGradient id=\"light\" x1=\"0\" y1=\"0\" x2=\"1\" y2=\"1\">"
        "<stop offset=\"0\" stop-color=\"" +
        hex(mix(shade, body, 1.25)) + "\"/><stop offset=\"1\" stop-color=\"" + hex(mix(shade, body, 0.35)) +
        "\"/></linearGradient>"
        "<linearGradient id=\"plate\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
        "<stop offset=\"0.5\" stop-color=\"" +
        hex(plate) + "\"/><stop offset=\"0.5\" stop-color=\"" + hex(mix(plate, plateShade, 0.5)) +
        "\"/></linearGradient></defs>\n";
    svg += square(0, 0, s, s / 4.2, rim);
    svg += "<rect x=\"" + number(s / 48) + "\" y=\"" + number(s / 48) + "\" width=\"" + number(s - s / 24) +
           "\" height=\"" + number(s - s / 24) + "\" rx=\"" + number(s / 4.5) + "\" fill=\"url(#light)\"/>\n";
    svg += "<rect x=\"" + number(glassAt - plateWidth) + "\" y=\"" + number(glassAt - plateWidth) +
           "\" width=\"" + number(glass + 2 * plateWidth) + "\" height=\"" + number(glass + 2 * plateWidth) +
           "\" rx=\"" + number(plateWidth * 2.5) + "\" fill=\"url(#plate)\"/>\n";
    svg += square(glassAt, glassAt, glass, 0, lcd.ground);
    // Each dot as the pixel icons draw it: an ink square with a lighter seam, or an unlit one.
    const double petAt = glassAt + (glass - dot * pet_.width()) / 2;
    for (int y = 0; y < pet_.height(); ++y)
        for (int x = 0; x < pet_.width(); ++x) {
            const double left = petAt + x * dot, top = petAt + y * dot;
            if (pet_.at(x, y).isOn()) {
                svg += square(left, top, dot, 0, lcd.inkSeam);
                svg += square(left, top, dot - seam, 0, lcd.ink);
            } else {
                svg += square(left, top, dot - seam, 0, lcd.offDot);
            }
        }
    return svg + "</svg>\n";
}
