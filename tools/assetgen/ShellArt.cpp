#include "ShellArt.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

QRgb mix(QRgb a, QRgb b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    auto ch = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return qRgba(ch(qRed(a), qRed(b)), ch(qGreen(a), qGreen(b)), ch(qBlue(a), qBlue(b)),
                 ch(qAlpha(a), qAlpha(b)));
}

// Inside a rectangle whose top and bottom corners are rounded with their own radii.
bool inRoundRect(double x, double y, double l, double t, double r, double b, double rt, double rb) {
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
double discLight(double u, double v) {
    const double z = std::sqrt(std::max(0.0, 1.0 - u * u - v * v));
    const double lx = -0.5, ly = -0.65, lz = 0.58;
    return std::clamp(0.35 + 0.8 * (u * lx + v * ly + z * lz), 0.0, 1.3);
}

} // namespace

QRgb ShellArt::color(const std::string& key) const {
    const std::string text = shell_.setting(key);
    return 0xff000000u | static_cast<QRgb>(std::stoul(text.substr(1), nullptr, 16));
}

double ShellArt::number(const std::string& key) const {
    return std::stod(shell_.setting(key));
}

QImage ShellArt::plastic(bool front) const {
    QImage image(ShellShape::Width, ShellShape::Height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const double bevel = number("bevel");
    double lx = number("lightx"), ly = number("lighty"), lz = number("lightz");
    const double ll = std::sqrt(lx * lx + ly * ly + lz * lz);
    lx /= ll, ly /= ll, lz /= ll;
    auto height = [&](int x, int y) {
        const double d = std::min<double>(shape_.edgeDistance(x, y), bevel) / bevel;
        return bevel * std::sqrt(std::max(0.0, 1.0 - (1.0 - d) * (1.0 - d)));
    };
    const QRgb body = color("body"), shade = color("shade"), rim = color("rim"), gloss = color("gloss");
    const double flat = lz; // brightness of the flat face
    for (int y = 0; y < ShellShape::Height; ++y)
        for (int x = 0; x < ShellShape::Width; ++x) {
            if (!shape_.inside(x, y)) continue;
            double nx = -(height(x + 1, y) - height(x - 1, y)) / 2.0;
            double ny = -(height(x, y + 1) - height(x, y - 1)) / 2.0;
            double nz = 1.0;
            const double nl = std::sqrt(nx * nx + ny * ny + nz * nz);
            nx /= nl, ny /= nl, nz /= nl;
            const double light = nx * lx + ny * ly + nz * lz;
            QRgb c = light < flat ? mix(shade, body, (light + 0.2) / (flat + 0.2))
                                  : mix(body, gloss, (light - flat) * 1.6);
            // A soft glossy spot where the light is reflected.
            const double gx = (x - number("glossx")) / number("glossrx");
            const double gy = (y - number("glossy")) / number("glossry");
            const double g = 1.0 - gx * gx - gy * gy;
            if (g > 0 && front) c = mix(c, gloss, std::min(1.0, g * 1.8) * 0.75);
            const float edge = shape_.edgeDistance(x, y);
            if (edge <= 1.0f)
                c = rim;
            else if (edge <= 2.0f)
                c = mix(rim, c, 0.55);
            image.setPixel(x, y, c);
        }
    return image;
}

void ShellArt::faceplate(QImage& image) const {
    // A cream plate around the glass, raised a little, and the glass window cut out of it.
    const QPoint glass = ctx_.layout.pixels("pipscr");
    const QImage pipscr = ctx_.out.picture("other/pipscr.gif");
    const double gl = glass.x(), gt = glass.y(), gr = gl + pipscr.width(), gb = gt + pipscr.height();
    const QRgb plate = color("plate"), plateShade = color("plateshade"), bezel = color("bezel");
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const double px = x + 0.5, py = y + 0.5;
            if (!inRoundRect(px, py, gl - 5, gt - 5, gr + 5, gb + 4, 20, 11)) continue;
            if (inRoundRect(px, py, gl + 1, gt + 1, gr - 1, gb - 1, 15, 7)) {
                image.setPixel(x, y, qRgba(0, 0, 0, 0));
                continue;
            }
            QRgb c = plate;
            if (!inRoundRect(px, py, gl - 4, gt - 4, gr + 4, gb + 3, 19, 10))
                c = plateShade; // the plate's own edge
            else if (!inRoundRect(px, py, gl - 3, gt - 3, gr + 3, gb + 2, 18, 9))
                c = py < (gt + gb) / 2 ? mix(plate, qRgb(255, 255, 255), 0.7) : mix(plate, plateShade, 0.5);
            else if (!inRoundRect(px, py, gl, gt, gr, gb, 16, 8))
                c = plate;
            else
                c = py < gt + 4 || px < gl + 2 ? bezel : mix(bezel, plateShade, 0.45); // the recess
            image.setPixel(x, y, c);
        }
}

void ShellArt::buttonWells(QImage& image) const {
    // The wells are a little wider than the buttons (radius 8.6) and narrow
    // enough that the gap between neighbours stays open: B sits 22.6 pixels
    // from A and C.
    constexpr double WellRadius = 9.9;
    const QRgb shade = color("shade"), rim = color("rim");
    const char* const names[] = {"buttona", "buttonb", "buttonc"};
    const char* const letters[] = {"A", "B", "C"};
    for (int i = 0; i < 3; ++i) {
        const QPoint at = ctx_.layout.pixels(names[i]);
        const double cx = at.x() + 10.5, cy = at.y() + 10.5;
        for (int y = at.y() - 1; y <= at.y() + 22; ++y)
            for (int x = at.x() - 1; x <= at.x() + 22; ++x) {
                const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
                if (d > WellRadius || !image.valid(x, y)) continue;
                // Shadow on the upper rim of the well, light on its lower rim.
                const QRgb base = image.pixel(x, y);
                const double t = (y + 0.5 - cy) / WellRadius;
                image.setPixel(
                    x, y, d > WellRadius - 1.0 ? mix(rim, base, 0.3) : mix(shade, base, 0.45 + 0.35 * t));
            }
        const int w = ctx_.textFont.textWidth(letters[i]);
        ctx_.textFont.draw(image, at.x() + 11 - w / 2 - 1, at.y() + 23, letters[i], color("label"));
    }
    const std::string logo = shell_.setting("logo");
    ctx_.textFont.draw(image, (ShellShape::Width - ctx_.textFont.textWidth(logo)) / 2, 174, logo,
                       color("label"));
}

void ShellArt::backDetails(QImage& image) const {
    const QRgb rim = color("rim"), shade = color("shade"), battery = color("battery");
    // Battery cover with a groove, a finger notch and an arrow.
    for (int y = 96; y <= 164; ++y)
        for (int x = 40; x <= 105; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            if (!inRoundRect(px, py, 40, 96, 106, 165, 10, 14)) continue;
            const bool groove = !inRoundRect(px, py, 41.5, 97.5, 104.5, 163.5, 9, 13);
            const bool light = !groove && !inRoundRect(px, py, 42.5, 98.5, 103.5, 162.5, 8, 12);
            const QRgb base = image.pixel(x, y);
            image.setPixel(x, y,
                           groove  ? rim
                           : light ? mix(base, qRgb(255, 255, 255), 0.45)
                                   : mix(base, battery, 0.5));
        }
    for (int i = 0; i < 4; ++i) // grip lines
        for (int x = 62; x <= 83; ++x)
            image.setPixel(x, 148 + 3 * i, mix(image.pixel(x, 148 + 3 * i), shade, 0.6));
    ctx_.textFont.draw(image, 58, 110, "OPEN", rim);
    for (int i = 0; i < 4; ++i) // an arrow pointing down
        for (int x = 71 - i; x <= 74 + i - 1 + 1; ++x)
            image.setPixel(x, 131 - i, rim);
    for (int y = 121; y <= 127; ++y)
        image.setPixel(72, y, rim), image.setPixel(73, y, rim);
    // Speaker holes.
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 5; ++c) {
            const int x = 62 + c * 5 + (r % 2) * 2, y = 56 + r * 5;
            image.setPixel(x, y, rim);
            image.setPixel(x + 1, y, shade);
            image.setPixel(x, y + 1, shade);
        }
    // The reset hole (the reset button picture sits in it) and its label.
    const QPoint reset = ctx_.layout.pixels("reset");
    const double cx = reset.x() + 4.5, cy = reset.y() + 4.5;
    for (int y = reset.y() - 2; y <= reset.y() + 12; ++y)
        for (int x = reset.x() - 2; x <= reset.x() + 12; ++x)
            if (std::hypot(x + 0.5 - cx, y + 0.5 - cy) <= 6.0 && image.valid(x, y))
                image.setPixel(x, y, mix(image.pixel(x, y), rim, 0.45));
    ctx_.smallFont.draw(image, reset.x() + 12, reset.y() + 4, "RESET", rim);
    const std::string label = shell_.setting("backlabel");
    ctx_.smallFont.draw(image, (ShellShape::Width - ctx_.smallFont.textWidth(label)) / 2, 82, label, rim);
}

QImage ShellArt::button(bool pressed) const {
    // A round glossy button; pressed it is darker, sunk by a pixel, its shine smaller.
    QImage image(21, 21, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const QRgb face = color("button"), dark = color("buttonshade"), rim = color("rim");
    const double cx = 10.5, cy = pressed ? 11.5 : 10.5, radius = 8.6;
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 21; ++x) {
            const double u = (x + 0.5 - cx) / radius, v = (y + 0.5 - cy) / radius;
            const double d = std::sqrt(u * u + v * v);
            if (d > 1.0) continue;
            // Pressed, the button sits lower in its well: darker all over, its
            // shine dulled, and the well's upper lip casts a crescent of shade.
            double light = discLight(u, v) - (pressed ? 0.4 : 0.0);
            if (pressed && v < -0.45) light -= 0.25 * (-0.45 - v) / 0.55;
            QRgb c = light < 0.9 ? mix(dark, face, light / 0.9)
                                 : mix(face, qRgb(255, 255, 255), (light - 0.9) * (pressed ? 1.2 : 2.2));
            if (d > 0.88) c = mix(c, rim, 0.7);
            image.setPixel(x, y, c);
        }
    return image;
}

QImage ShellArt::resetButton(bool pressed) const {
    QImage image(9, 9, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const QRgb bezel = color("bezel");
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x) {
            const double u = (x + 0.5 - 4.5) / 4.4, v = (y + 0.5 - 4.5) / 4.4;
            const double d = std::sqrt(u * u + v * v);
            if (d > 1.0) continue;
            QRgb c = bezel;
            const double inner = pressed ? 0.45 : 0.6;
            if (d < inner) {
                const double light = discLight(u / inner, v / inner) - (pressed ? 0.4 : 0.0);
                c = mix(qRgb(0x70, 0x70, 0x78), qRgb(0xf0, 0xf0, 0xf4), light);
            }
            image.setPixel(x, y, c);
        }
    return image;
}

void ShellArt::generate() {
    shell_ = ctx_.book("shell.txt");
    QImage front = plastic(true);
    faceplate(front);
    buttonWells(front);
    QImage back = plastic(false);
    backDetails(back);
    // The front view element starts one pixel below the window's top, the back view two.
    const QImage frontPicture = front.copy(0, 1, ShellShape::Width, ShellShape::Height - 1);
    const std::string skin = "skins/Default/";
    ctx_.out.gif(skin + "front.gif", frontPicture);
    ctx_.out.gif(skin + "back.gif", back.copy(0, 2, ShellShape::Width, ShellShape::Height - 2));
    ctx_.out.gif(skin + "button0.gif", button(false));
    ctx_.out.gif(skin + "button1.gif", button(true));
    ctx_.out.gif(skin + "reset0.gif", resetButton(false));
    ctx_.out.gif(skin + "reset1.gif", resetButton(true));
    ctx_.out.gif("other/reset0.gif", resetButton(false));
    ctx_.out.gif("other/reset1.gif", resetButton(true));

    std::string ini = "; Default skin: where this shell's buttons sit, in twips.\n";
    for (const char* key : {"buttona", "buttonb", "buttonc", "reset"})
        for (const char* edge : {".left", ".top"})
            ini += std::string(key) + edge + " = " +
                   std::to_string(ctx_.layout.twips(std::string(key) + edge)) + "\n";
    ctx_.out.text(skin + "skin.ini", ini);
}
