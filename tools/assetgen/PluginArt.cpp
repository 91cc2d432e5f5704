// SPDX-License-Identifier: GPL-3.0-or-later
#include "PluginArt.h"

#include "CharacterArt.h"
#include "ExtrasArt.h"
#include "PageArt.h"
#include "PoseMaker.h"
#include "ScreenArt.h"
#include "TextUtil.h"

#include <QDir>

#include <stdexcept>

void PluginArt::generate() {
    const QDir plugins(QString::fromStdString(ctx_.artPath("plugins")));
    for (const QString& name : plugins.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        plugin(name.toStdString());
}

QRgb PluginArt::color(const std::string& key) const {
    const std::string text = art_.setting(key);
    if (text.size() != 7 || text[0] != '#')
        throw std::runtime_error(source_ + "/pictures.txt: " + key + " is not a colour: " + text);
    return 0xff000000u | static_cast<QRgb>(std::stoul(text.substr(1), nullptr, 16));
}

void PluginArt::plugin(const std::string& name) {
    source_ = "plugins/" + name;
    folder_ = source_ + "/";
    art_ = ctx_.book(source_ + "/pictures.txt");
    std::string ini;
    if (!textutil::readFile(ctx_.artPath(source_ + "/plugin.ini"), ini))
        throw std::runtime_error("art/" + source_ + " has no plugin.ini");
    ctx_.out.text(folder_ + "plugin.ini", ini);
    defaultSkin_ = "Default";
    for (const std::string& line : textutil::splitLines(ini)) {
        const auto eq = line.find('=');
        if (eq != std::string::npos && textutil::lower(textutil::trim(line.substr(0, eq))) == "defaultskin")
            defaultSkin_ = textutil::trim(line.substr(eq + 1));
    }
    if (ctx_.out.picture("skins/" + defaultSkin_ + "/front.gif").isNull())
        throw std::runtime_error(source_ + "/plugin.ini names a skin that is not made: " + defaultSkin_);

    dressedPets();
    screens();
    about();
    sheet();
    PageArt(ctx_, {color("paper"), color("ink"), color("accent"), color("border")})
        .generate(source_ + "/instruct", folder_ + "instruct");
}

void PluginArt::dressedPets() {
    const ArtBook effects = ctx_.book("chars/effects.txt");
    const QDir chars(QString::fromStdString(ctx_.artPath("chars")));
    CharacterArt writer(ctx_);
    for (const std::string& sprite : art_.names()) {
        if (!sprite.starts_with("wear")) continue;
        const int number = std::stoi(sprite.substr(4));
        const QStringList files =
            chars.entryList({QString("%1-*.txt").arg(number, 2, 10, QChar('0'))}, QDir::Files);
        if (number < 1 || number > 11 || files.size() != 1)
            throw std::runtime_error(source_ + ": " + sprite + " names no pet");
        const ArtBook pet = ctx_.book("chars/" + files.front().toStdString());
        Grid body = pet.grid("body");
        body.blit(art_.grid(sprite), 0, 0);
        writer.poses(folder_ + CharacterArt::folderOf(number), PoseMaker(pet, effects, body));
    }
}

void PluginArt::screens() {
    ScreenArt screen(ctx_);
    auto dots = [&](const std::string& name, const Grid& grid) {
        ctx_.out.gif(folder_ + "other/" + name + ".gif", ctx_.painter.paintDots(grid));
    };
    for (int i = 0; i < 4; ++i) {
        dots("meal" + std::to_string(i), art_.grid("meal" + std::to_string(i)));
        dots("snack" + std::to_string(i), art_.grid("snack" + std::to_string(i)));
    }
    dots("feedmenu", screen.feedMenu(art_.grid("menu-meal"), art_.grid("menu-snack")));
    for (int i = 0; i < 2; ++i)
        dots("stars" + std::to_string(i), art_.grid("stars" + std::to_string(i)));
}

void PluginArt::snowflakes(QImage& image, const std::vector<QPoint>& places, bool onlyClear) const {
    // A white flake with a pale blue edge; in the about picture only around
    // the toy, on the sheet only on the film.
    const Grid& flake = art_.grid("snowflake");
    const QRgb white = color("flake"), edge = color("flakeedge");
    for (const QPoint& at : places)
        for (int y = -1; y <= flake.height(); ++y)
            for (int x = -1; x <= flake.width(); ++x) {
                const bool on = flake.contains(x, y) && flake.at(x, y).isOn();
                bool near = false;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        near = near || (flake.contains(x + dx, y + dy) && flake.at(x + dx, y + dy).isOn());
                const int px = at.x() + x, py = at.y() + y;
                if (!(on || near) || !image.valid(px, py)) continue;
                const bool clear = qAlpha(image.pixel(px, py)) == 0;
                if (clear != onlyClear) continue;
                image.setPixel(px, py, on ? white : edge);
            }
}

void PluginArt::about() {
    // The toy as the plug-in dresses it, in the skin it switches to, with
    // snow falling around it. The about element starts one pixel down, as in the program.
    const ExtrasArt extras(ctx_);
    const std::string pet = folder_ + "Chars/02/happy0.gif";
    QImage toy = extras.assembledToy(ctx_.out.picture(pet).isNull() ? "Chars/02/happy0.gif" : pet, "happy",
                                     defaultSkin_);
    toy = toy.copy(0, 1, toy.width(), toy.height() - 1);
    snowflakes(toy,
               {{4, 6},
                {22, 16},
                {120, 8},
                {134, 30},
                {2, 40},
                {136, 62},
                {6, 118},
                {132, 140},
                {10, 178},
                {128, 182},
                {40, 4},
                {96, 2}},
               true);
    ctx_.out.gif(folder_ + "other/about.gif", toy);
}

void PluginArt::sheet() {
    // A frosted sheet with flakes on the film, away from the word and the arrow.
    const ExtrasArt extras(ctx_);
    QImage image =
        extras.insulatingSheet({color("film"), color("filmedge"), color("filmink"), color("filmhole")});
    const Grid& flake = art_.grid("snowflake");
    for (const QPoint& at : {QPoint(47, 3), QPoint(47, 24), QPoint(71, 14)})
        for (int y = 0; y < flake.height(); ++y)
            for (int x = 0; x < flake.width(); ++x) {
                const int px = at.x() + x, py = at.y() + y;
                if (flake.at(x, y).isOn() && image.valid(px, py) && qAlpha(image.pixel(px, py)) > 0)
                    image.setPixel(px, py, color("flakeedge"));
            }
    ctx_.out.gif(folder_ + "other/inssheet.gif", image);
}
