// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ArtContext.h"
#include "Grid.h"
#include "PoseMaker.h"

#include <string>

// The character folders Chars/00 .. Chars/12: every pose picture, the tray
// icon frames and char.ini, from one art file per character
// (art/chars/NN-name.txt) plus the shared poses and places.
class CharacterArt {
public:
    explicit CharacterArt(ArtContext& context) : ctx_(context) {}
    void generate();
    // Every pose picture and tray icon frame of a pet (not the egg) into `folder`.
    void poses(const std::string& folder, const PoseMaker& maker);
    static std::string folderOf(int number);

private:
    void egg(const ArtBook& book);
    void pet(int number, const ArtBook& book);
    void charIni(int number, const ArtBook& book);
    void pictures(const std::string& folder, const std::string& stem, const Grid& grid);
    void trayIcon(const std::string& path, const Grid& grid);

    ArtContext& ctx_;
    ArtBook effects_;
    ArtBook places_;
};
