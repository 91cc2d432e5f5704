// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExtrasArt.h"

#include "ShellArt.h"
#include "ShellShape.h"
#include "TextUtil.h"

#include <QPainter>

#include <cmath>

void ExtrasArt::generate() {
    pointers();
    stateIcons();
    const QImage toy = assembledToy("Chars/02/happy0.gif", "happy", "Default");
    ctx_.out.gif("other/about.gif", toy.copy(0, 1, toy.width(), toy.height() - 1));
    for (const std::string& skin : ShellArt::skinNames(ctx_))
        windowIcon(skin, assembledToy("Chars/01/0.gif", "original", skin));
    ctx_.out.gif("other/inssheet.gif", insulatingSheet({}));
}

void ExtrasArt::pointers() {
    const ArtBook book = ctx_.book("pointers.txt");
    auto cursor = [&](const std::string& file, const std::string& sprite) {
        const auto words = textutil::splitWords(
            QString::fromStdString(book.setting("hotspot." + sprite)).replace(',', ' ').toStdString());
        const int hx = std::stoi(words.at(0)) * 2, hy = std::stoi(words.at(1)) * 2;
        ctx_.out.cursor("other/" + file, ctx_.painter.paintPixels(book.grid(sprite), 2), hx, hy);
    };
    cursor("front.cur", "hand");
    cursor("back.cur", "hand");
    cursor("push.cur", "finger");
    cursor("point.cur", "pin");
    cursor("inssheet.cur", "grab");
    cursor("instruct.cur", "finger");
}

Grid ExtrasArt::tile(const Grid& symbol) const {
    // A small LCD tile with rounded corners, the symbol in its middle.
    Grid g(16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const bool corner = (x == 0 || x == 15) && (y == 0 || y == 15);
            if (corner) continue;
            const bool edge =
                x == 0 || y == 0 || x == 15 || y == 15 || ((x == 1 || x == 14) && (y == 1 || y == 14));
            g.at(x, y) = edge ? Grid::on() : Grid::off();
        }
    g.blit(symbol, (16 - symbol.width()) / 2, (16 - symbol.height()) / 2);
    return g;
}

void ExtrasArt::stateIcons() {
    const ArtBook things = ctx_.book("screen/things.txt");
    const ArtBook icons = ctx_.book("screen/icons.txt");
    auto icon = [&](const std::string& file, const Grid& grid) {
        ctx_.out.icon("other/" + file,
                      {ctx_.painter.paintPixels(grid, 1), ctx_.painter.paintPixels(grid, 2)});
    };
    icon("skull.ico", tile(things.grid("skull")));
    icon("attend.ico", tile(icons.grid("attend")));
    icon("null.ico", Grid(16, 16));
    for (int i = 0; i < 2; ++i) {
        icon("dung" + std::to_string(i) + ".ico", tile(things.grid("dung" + std::to_string(i))));
        icon("sleep" + std::to_string(i) + ".ico", tile(things.grid("sleep" + std::to_string(i))));
    }
}

QImage ExtrasArt::assembledToy(const std::string& petPicture, const std::string& petPlace,
                               const std::string& skin) const {
    // Window coordinates: the screen below, the shell over it, then the buttons.
    QImage toy(ShellShape::Width, ShellShape::Height, QImage::Format_ARGB32);
    toy.fill(Qt::transparent);
    QPainter p(&toy);
    p.drawImage(ctx_.layout.pixels("pipscr"), ctx_.out.picture("other/pipscr.gif"));
    const std::string place = ctx_.out.picture(petPicture).isNull() ? std::string() : petPlace;
    if (!place.empty()) {
        // The pet's place comes from its char.ini (twips), the same numbers the program reads; a
        // plug-in's pet stands where the program's own one does.
        const std::string folder = petPicture.substr(0, petPicture.rfind('/'));
        std::string ini;
        textutil::readFile(ctx_.out.root() + "/" + folder.substr(folder.find("Chars/")) + "/char.ini", ini);
        int left = 0, top = 0;
        for (const auto& line : textutil::splitLines(ini)) {
            const auto eq = line.find('=');
            if (eq == std::string::npos) continue;
            const std::string key = textutil::trim(line.substr(0, eq));
            if (key == place + ".left") left = std::stoi(line.substr(eq + 1)) / LayoutFile::TwipsPerPixel;
            if (key == place + ".top") top = std::stoi(line.substr(eq + 1)) / LayoutFile::TwipsPerPixel;
        }
        p.drawImage(left, top, ctx_.out.picture(petPicture));
    }
    p.drawImage(ctx_.layout.pixels("pipicon2"), ctx_.out.picture("other/pipicon2.gif"));
    p.drawImage(0, 1, ctx_.out.picture("skins/" + skin + "/front.gif"));
    for (const char* b : {"buttona", "buttonb", "buttonc"})
        p.drawImage(ShellArt::place(ctx_, skin, b), ctx_.out.picture("skins/" + skin + "/button0.gif"));
    p.end();
    return toy;
}

void ExtrasArt::windowIcon(const std::string& skin, const QImage& toy) {
    std::vector<QImage> sizes;
    const QImage body = toy.copy(0, 20, toy.width(), toy.height() - 20);
    for (int size : {16, 32}) {
        QImage square(size, size, QImage::Format_ARGB32);
        square.fill(Qt::transparent);
        const QImage scaled = body.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QPainter p(&square);
        p.drawImage((size - scaled.width()) / 2, (size - scaled.height()) / 2, scaled);
        p.end();
        sizes.push_back(square);
    }
    ctx_.out.icon("skins/" + skin + "/skin.ico", sizes);
}

QImage ExtrasArt::insulatingSheet(const SheetColors& colors) const {
    // 78 x 34 pixels, the window outline of the sheet: a strip with a rounded
    // end and a ring-shaped pull tab.
    QImage image(78, 34, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const QRgb film = colors.film, edge = colors.edge, ink = colors.ink, hole = colors.hole;
    auto inSheet = [](double x, double y) {
        return ShellShape::inEllipse(x, y, 46, 1, 79, 35) || (x >= 5 && x < 60 && y >= 9 && y < 26) ||
               ShellShape::inEllipse(x, y, 0, 9, 17, 27);
    };
    for (int y = 0; y < 34; ++y)
        for (int x = 0; x < 78; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            if (!inSheet(px, py)) continue;
            const bool border =
                !inSheet(px - 1, py) || !inSheet(px + 1, py) || !inSheet(px, py - 1) || !inSheet(px, py + 1);
            QRgb c = border ? edge : film;
            if (ShellShape::inEllipse(px, py, 54, 9, 71, 27))
                c = ShellShape::inEllipse(px, py, 55, 10, 70, 26) ? hole : edge;
            if (!border && y == 10 && x > 6 && x < 50) c = qRgb(0xff, 0xff, 0xff); // a glint along the film
            image.setPixel(x, y, c);
        }
    ctx_.textFont.draw(image, 10, 14, "PULL", ink);
    for (int i = 0; i < 4; ++i) { // an arrow pointing the way to pull
        image.setPixel(38 + i, 17, ink);
        image.setPixel(45 - i, 17 - i, ink);
        image.setPixel(45 - i, 17 + i, ink);
    }
    for (int x = 38; x <= 45; ++x)
        image.setPixel(x, 17, ink);
    return image;
}
