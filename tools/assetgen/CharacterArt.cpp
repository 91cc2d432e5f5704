// SPDX-License-Identifier: GPL-3.0-or-later
#include "CharacterArt.h"

#include "PoseMaker.h"
#include "TextUtil.h"

#include <QDir>

#include <stdexcept>

namespace {

const char* const PoseNames[] = {"no0",    "no1",    "eat0",   "eat1",   "sick0", "sick1", "happy0", "happy1",
                                 "sleep0", "sleep1", "stool0", "stool1", "unhp0", "unhp1", "unhp2",  "0",
                                 "1",      "2",      "3",      "play0",  "play1", "play2", "play3"};

// The pose keys of char.ini and whether they carry a top edge as well.
struct PlaceKey {
    const char* name;
    const char* leftKey;
    const char* topKey;
};
const PlaceKey PetPlaces[] = {
    {"original", "original.left", "original.top"},
    {"eat", "eat.left", "eat.top"},
    {"no", "no.left", "no.top"},
    {"sick", "sick.left", "sick.top"},
    {"happy", "happy.left", "happy.top"},
    {"unhappy", "unhappy.left", "unhappy.top"},
    {"play", "play.left", "play.top"},
    {"sleep", "sleep.left", "sleep.top"},
    {"dying", "dying.left", "dying.top"},
    {"stool0", "stool0.left", "stool0.top"},
    {"stool1", "stool1.left", "stool1.top"},
    {"layanegg", "layanegg.left", "layanegg.top"},
};
const PlaceKey EggPlaces[] = {
    {"egg", "eggleft", "eggtop"},
    {"eggshakeleft", "eggshakeleft", nullptr},
    {"eggshakeright", "eggshakeright", nullptr},
    {"egghatch", "egghatchleft", "egghatchtop"},
};

} // namespace

std::string CharacterArt::folderOf(int number) {
    return std::string("Chars/") + (number < 10 ? "0" : "") + std::to_string(number);
}

void CharacterArt::generate() {
    effects_ = ctx_.book("chars/effects.txt");
    places_ = ctx_.book("chars/places.txt");
    const QStringList files = QDir(QString::fromStdString(ctx_.artPath("chars")))
                                  .entryList({"[0-9][0-9]-*.txt"}, QDir::Files, QDir::Name);
    if (files.size() != 13) throw std::runtime_error("art/chars needs the files 00-*.txt to 12-*.txt");
    for (const QString& file : files) {
        const int number = file.left(2).toInt();
        const ArtBook book = ctx_.book("chars/" + file.toStdString());
        if (number == 0)
            egg(book);
        else
            pet(number, book);
        charIni(number, book);
    }
}

void CharacterArt::pictures(const std::string& folder, const std::string& stem, const Grid& grid) {
    ctx_.out.gif(folder + "/" + stem + ".gif", ctx_.painter.paintDots(grid));
}

void CharacterArt::trayIcon(const std::string& path, const Grid& grid) {
    // One cell per pixel at 16, two at 32: the pet exactly as on the screen.
    ctx_.out.icon(path, {ctx_.painter.paintPixels(grid, 1), ctx_.painter.paintPixels(grid, 2)});
}

void CharacterArt::egg(const ArtBook& book) {
    const std::string folder = folderOf(0);
    const Grid& body = book.grid("body");
    const Grid frames[] = {body, book.has("1") ? book.grid("1") : PoseMaker::squashed(body), book.grid("2")};
    for (int i = 0; i < 3; ++i) {
        pictures(folder, std::to_string(i), frames[i]);
        trayIcon(folder + "/" + std::to_string(i) + ".ico", frames[i]);
    }
}

void CharacterArt::pet(int number, const ArtBook& book) {
    const std::string folder = folderOf(number);
    const PoseMaker maker(book, effects_);
    poses(folder, maker);
    if (number == 12) {
        // The angel also lends its picture to the shared angel element and tray icons.
        ctx_.out.gif("other/angel.gif", ctx_.painter.paintDots(maker.pose("play0")));
        trayIcon("other/angel0.ico", maker.iconFrame(0));
        trayIcon("other/angel1.ico", maker.iconFrame(1));
    }
}

void CharacterArt::poses(const std::string& folder, const PoseMaker& maker) {
    for (const char* name : PoseNames)
        pictures(folder, name, maker.pose(name));
    for (int i = 0; i < 8; ++i)
        trayIcon(folder + "/" + std::to_string(i) + ".ico", maker.iconFrame(i));
}

void CharacterArt::charIni(int number, const ArtBook& book) {
    const QPoint origin = ctx_.layout.pixels("dark");
    auto place = [&](const std::string& key) -> std::vector<int> {
        const std::string text = book.setting(key, places_.setting(key));
        std::vector<int> numbers;
        for (const auto& part :
             textutil::splitWords(QString::fromStdString(text).replace(',', ' ').toStdString()))
            numbers.push_back(std::stoi(part));
        if (numbers.empty()) throw std::runtime_error("no place for " + key);
        return numbers;
    };
    constexpr int tw = LayoutFile::TwipsPerPixel, dot = LayoutFile::DotPixels;
    std::string ini =
        "; " + book.setting("name") + ": where each pose stands, in twips from the window's top-left.\n";
    ini += "walk = " + std::string(textutil::lower(book.setting("walk")) == "true" ? "true" : "false") + "\n";
    auto write = [&](const PlaceKey& key) {
        const auto numbers = place(key.name);
        ini += std::string(key.leftKey) + " = " + std::to_string((origin.x() + numbers[0] * dot) * tw) + "\n";
        if (key.topKey)
            ini += std::string(key.topKey) + " = " + std::to_string((origin.y() + numbers.at(1) * dot) * tw) +
                   "\n";
    };
    if (number == 0)
        for (const auto& key : EggPlaces)
            write(key);
    else
        for (const auto& key : PetPlaces)
            write(key);
    ctx_.out.text(folderOf(number) + "/char.ini", ini);
}
