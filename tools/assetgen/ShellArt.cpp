// SPDX-License-Identifier: GPL-3.0-or-later
#include "ShellArt.h"

#include "PaintUtil.h"
#include "TextUtil.h"

#include <QDir>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <random>
#include <stdexcept>

using paint::discLight;
using paint::inRoundRect;
using paint::mix;

std::vector<std::string> ShellArt::skinNames(const ArtContext& context) {
    const QStringList files =
        QDir(QString::fromStdString(context.artPath("skins"))).entryList({"*.txt"}, QDir::Files, QDir::Name);
    std::vector<std::string> names;
    for (const QString& file : files)
        names.push_back(file.chopped(4).toStdString());
    const auto found = std::find(names.begin(), names.end(), "Default");
    if (found == names.end()) throw std::runtime_error("art/skins needs Default.txt");
    std::rotate(names.begin(), found, found + 1);
    return names;
}

QPoint ShellArt::place(const ArtContext& context, const std::string& skin, const std::string& element) {
    const std::string text = context.book("skins/" + skin + ".txt").setting(element);
    if (text.empty()) return context.layout.pixels(element);
    const auto words = textutil::splitWords(QString::fromStdString(text).replace(',', ' ').toStdString());
    if (words.size() != 2) throw std::runtime_error("skin " + skin + ": " + element + " needs X,Y in pixels");
    return {std::stoi(words[0]), std::stoi(words[1])};
}

std::string ShellArt::setting(const std::string& key) const {
    const std::string own = skin_.setting(key);
    return own.empty() ? defaults_.setting(key) : own;
}

QRgb ShellArt::color(const std::string& key) const {
    const std::string text = setting(key);
    if (text.size() != 7 || text[0] != '#')
        throw std::runtime_error("skin " + name_ + ": " + key + " is not a colour: " + text);
    return 0xff000000u | static_cast<QRgb>(std::stoul(text.substr(1), nullptr, 16));
}

double ShellArt::number(const std::string& key) const {
    return textutil::toDouble(setting(key));
}

double ShellArt::buttonNorm(double u, double v) const {
    const std::string shape = setting("buttonshape");
    if (shape == "cushion") // a rounded square
        return std::pow(std::pow(std::abs(u), 4) + std::pow(std::abs(v), 4), 0.25);
    if (shape == "gem") // a diamond, a little larger so that it fills the picture like a disc
        return (std::abs(u) + std::abs(v)) / 1.2;
    return std::sqrt(u * u + v * v);
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

void ShellArt::pattern(QImage& image, bool front) const {
    // Printed on the plastic, kept away from the rim and from everything that
    // is drawn over it later: the plate, the buttons and their letters, the
    // words, the battery cover, the speaker and the reset hole.
    const std::string kind = setting("pattern");
    if (kind == "none") return;
    const QRgb ink = color("patterncolor");
    const QPoint glass = ctx_.layout.pixels("pipscr");
    std::vector<QRect> keepClear;
    if (front) {
        keepClear = {QRect(glass.x() - 9, glass.y() - 9, 96 + 18, 78 + 17), QRect(26, 128, 94, 58)};
    } else {
        keepClear = {QRect(36, 92, 74, 78), QRect(56, 50, 36, 24), QRect(20, 78, 106, 12),
                     QRect(reset_.x() - 5, reset_.y() - 5, 50, 20)};
    }
    auto free = [&](int x, int y, int margin) {
        if (shape_.edgeDistance(x, y) < margin) return false;
        for (const QRect& r : keepClear)
            if (r.contains(x, y)) return false;
        return true;
    };
    auto paint = [&](int x, int y, double strength) {
        if (image.valid(x, y) && qAlpha(image.pixel(x, y)) > 0)
            image.setPixel(x, y, mix(image.pixel(x, y), ink, strength));
    };
    if (kind == "dots") { // polka dots on a staggered grid
        for (int row = 0; row * 11 < ShellShape::Height; ++row)
            for (int col = -1; col * 12 < ShellShape::Width; ++col) {
                const int cx = col * 12 + (row % 2) * 6 + 3, cy = row * 11 + 4;
                if (!free(cx, cy, 6)) continue;
                for (int y = cy - 3; y <= cy + 3; ++y)
                    for (int x = cx - 3; x <= cx + 3; ++x) {
                        const double d = std::hypot(x - cx, y - cy);
                        if (d <= 2.6) paint(x, y, d > 1.9 ? 0.55 : 0.85);
                    }
            }
        return;
    }
    // Little four-pointed stars, scattered the same way every time.
    std::minstd_rand random(front ? 1999u : 2024u);
    std::vector<QPoint> stars; // kept apart so that they spread over the whole shell
    for (int placed = 0, tries = 0; placed < 26 && tries < 2000; ++tries) {
        const int cx = static_cast<int>(random() % ShellShape::Width);
        const int cy = static_cast<int>(random() % ShellShape::Height);
        const int arm = random() % 3 == 0 ? 2 : 1;
        const bool crowded = std::any_of(stars.begin(), stars.end(), [&](const QPoint& other) {
            return std::abs(other.x() - cx) + std::abs(other.y() - cy) < 14;
        });
        if (crowded || !free(cx, cy, 5 + arm) || !free(cx - arm, cy, 4) || !free(cx + arm, cy, 4)) continue;
        stars.emplace_back(cx, cy);
        paint(cx, cy, 1.0);
        for (int d = 1; d <= arm; ++d) {
            const double s = d == 1 ? 0.75 : 0.4;
            paint(cx - d, cy, s), paint(cx + d, cy, s), paint(cx, cy - d, s), paint(cx, cy + d, s);
        }
        ++placed;
    }
}

void ShellArt::faceplate(QImage& image) const {
    // A plate around the glass, raised a little, and the glass window cut out
    // of it. Its corner radii are the skin's; a glow, when the skin has one,
    // spills from the glass over the recess and the plate.
    const QPoint glass = ctx_.layout.pixels("pipscr");
    const QImage pipscr = ctx_.out.picture("other/pipscr.gif");
    const double gl = glass.x(), gt = glass.y(), gr = gl + pipscr.width(), gb = gt + pipscr.height();
    const QRgb plate = color("plate"), plateShade = color("plateshade"), bezel = color("bezel");
    const double rt = number("platetop"), rb = number("platebottom");
    auto radius = [](double r, double less) { return std::max(1.0, r - less); };
    const bool glows = setting("glow") != "none";
    const QRgb glow = glows ? color("glow") : plate;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const double px = x + 0.5, py = y + 0.5;
            if (!shape_.inside(x, y) || !inRoundRect(px, py, gl - 5, gt - 5, gr + 5, gb + 4, rt, rb))
                continue;
            if (inRoundRect(px, py, gl + 1, gt + 1, gr - 1, gb - 1, radius(rt, 5), radius(rb, 4))) {
                image.setPixel(x, y, qRgba(0, 0, 0, 0));
                continue;
            }
            QRgb c = plate;
            if (!inRoundRect(px, py, gl - 4, gt - 4, gr + 4, gb + 3, radius(rt, 1), radius(rb, 1)))
                c = plateShade; // the plate's own edge
            else if (!inRoundRect(px, py, gl - 3, gt - 3, gr + 3, gb + 2, radius(rt, 2), radius(rb, 2)))
                c = py < (gt + gb) / 2 ? mix(plate, qRgb(255, 255, 255), 0.7) : mix(plate, plateShade, 0.5);
            else if (!inRoundRect(px, py, gl, gt, gr, gb, radius(rt, 4), radius(rb, 3)))
                c = plate;
            else
                c = py < gt + 4 || px < gl + 2 ? bezel : mix(bezel, plateShade, 0.45); // the recess
            if (glows)
                for (int k = 1; k <= 6; ++k)
                    if (inRoundRect(px, py, gl + 1 - k, gt + 1 - k, gr - 1 + k, gb - 1 + k, radius(rt, 5 - k),
                                    radius(rb, 4 - k))) {
                        c = mix(c, glow, 0.9 * std::pow(1.0 - (k - 1) / 6.0, 1.6));
                        break;
                    }
            image.setPixel(x, y, c);
        }
}

void ShellArt::buttonWells(QImage& image) const {
    // The wells are a little wider than the buttons (radius 8.6) and narrow
    // enough that the gap between neighbours stays open.
    constexpr double WellRadius = 9.9;
    const QRgb shade = color("shade"), rim = color("rim");
    const char* const letters[] = {"A", "B", "C"};
    for (int i = 0; i < 3; ++i) {
        const QPoint at = buttons_[i];
        const double cx = at.x() + 10.5, cy = at.y() + 10.5;
        for (int y = at.y() - 1; y <= at.y() + 22; ++y)
            for (int x = at.x() - 1; x <= at.x() + 22; ++x) {
                const double d =
                    WellRadius * buttonNorm((x + 0.5 - cx) / WellRadius, (y + 0.5 - cy) / WellRadius);
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
    const std::string logo = setting("logo");
    ctx_.textFont.draw(image, (ShellShape::Width - ctx_.textFont.textWidth(logo)) / 2, 174, logo,
                       color("label"));
}
void ShellArt::backDetails(QImage& image) const {
    const QRgb rim = color("rim"), shade = color("shade"), battery = color("battery"), ink = color("backink");
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
    ctx_.textFont.draw(image, 58, 110, "OPEN", ink);
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
    const QPoint reset = reset_;
    const double cx = reset.x() + 4.5, cy = reset.y() + 4.5;
    for (int y = reset.y() - 2; y <= reset.y() + 12; ++y)
        for (int x = reset.x() - 2; x <= reset.x() + 12; ++x)
            if (std::hypot(x + 0.5 - cx, y + 0.5 - cy) <= 6.0 && image.valid(x, y))
                image.setPixel(x, y, mix(image.pixel(x, y), rim, 0.45));
    ctx_.smallFont.draw(image, reset.x() + 12, reset.y() + 4, "RESET", ink);
    const std::string label = setting("backlabel");
    ctx_.smallFont.draw(image, (ShellShape::Width - ctx_.smallFont.textWidth(label)) / 2, 82, label, ink);
}

QImage ShellArt::button(bool pressed) const {
    // A glossy button of the skin's shape; pressed it is darker, sunk by a
    // pixel, its shine smaller.
    QImage image(21, 21, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const QRgb face = color("button"), dark = color("buttonshade"), rim = color("rim");
    const bool gem = setting("buttonshape") == "gem";
    const double cx = 10.5, cy = pressed ? 11.5 : 10.5, radius = 8.6;
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 21; ++x) {
            const double u = (x + 0.5 - cx) / radius, v = (y + 0.5 - cy) / radius;
            const double d = buttonNorm(u, v);
            if (d > 1.0) continue;
            double light = 0;
            if (gem) {
                // A flat table in the middle and four facets, each lit by how it faces the light.
                const double fu = u < 0 ? -1.0 : 1.0, fv = v < 0 ? -1.0 : 1.0;
                light = d < 0.42 ? 1.0 : 0.85 + 0.55 * (-0.5 * fu - 0.65 * fv) / std::sqrt(2.0);
            } else {
                // Shaded like a dome: the point is moved onto a disc at the same fraction of its radius.
                const double h = std::hypot(u, v);
                light = h > 0 ? discLight(u * d / h, v * d / h) : discLight(0, 0);
            }
            // Pressed, the button sits lower in its well: darker all over, its
            // shine dulled, and the well's upper lip casts a crescent of shade.
            light -= pressed ? 0.4 : 0.0;
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

std::string ShellArt::skinIni(const std::string& name) const {
    // The chooser shows the name and description. The default skin writes
    // every button place; another skin only those that differ from the
    // program's layout, the rest stay where default.ini puts them.
    std::string ini =
        "; " + name + " skin: its name in the chooser and where this shell's buttons sit, in twips.\n";
    ini += "name = " + setting("name") + "\ndescription = " + setting("description") + "\n";
    const QPoint places[] = {buttons_[0], buttons_[1], buttons_[2], reset_};
    const char* const keys[] = {"buttona", "buttonb", "buttonc", "reset"};
    for (int i = 0; i < 4; ++i) {
        const int own[] = {places[i].x() * LayoutFile::TwipsPerPixel,
                           places[i].y() * LayoutFile::TwipsPerPixel};
        const char* const edges[] = {".left", ".top"};
        for (int e = 0; e < 2; ++e) {
            const std::string key = std::string(keys[i]) + edges[e];
            const bool same =
                own[e] / LayoutFile::TwipsPerPixel == ctx_.layout.twips(key) / LayoutFile::TwipsPerPixel;
            if (name == "Default")
                ini += key + " = " + std::to_string(ctx_.layout.twips(key)) + "\n";
            else if (!same)
                ini += key + " = " + std::to_string(own[e]) + "\n";
        }
    }
    return ini;
}

void ShellArt::skin(const std::string& name) {
    name_ = name;
    skin_ = ctx_.book("skins/" + name + ".txt");
    const char* const keys[] = {"buttona", "buttonb", "buttonc"};
    for (int i = 0; i < 3; ++i)
        buttons_[i] = place(ctx_, name, keys[i]);
    reset_ = place(ctx_, name, "reset");

    QImage front = plastic(true);
    pattern(front, true);
    faceplate(front);
    buttonWells(front);
    QImage back = plastic(false);
    pattern(back, false);
    backDetails(back);
    // The front view element starts one pixel below the window's top, the back view two.
    const std::string folder = "skins/" + name + "/";
    ctx_.out.gif(folder + "front.gif", front.copy(0, 1, ShellShape::Width, ShellShape::Height - 1));
    ctx_.out.gif(folder + "back.gif", back.copy(0, 2, ShellShape::Width, ShellShape::Height - 2));
    ctx_.out.gif(folder + "button0.gif", button(false));
    ctx_.out.gif(folder + "button1.gif", button(true));
    ctx_.out.gif(folder + "reset0.gif", resetButton(false));
    ctx_.out.gif(folder + "reset1.gif", resetButton(true));
    if (name == "Default") {
        // The shared reset pictures, for a skin folder that brings none.
        ctx_.out.gif("other/reset0.gif", resetButton(false));
        ctx_.out.gif("other/reset1.gif", resetButton(true));
    }
    ctx_.out.text(folder + "skin.ini", skinIni(name));
}

void ShellArt::generate() {
    defaults_ = ctx_.book("skins/Default.txt");
    for (const std::string& name : skinNames(ctx_))
        skin(name);
}
