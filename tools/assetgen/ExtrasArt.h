// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ArtContext.h"
#include "Grid.h"

#include <QImage>

// Pictures made from the other parts: the mouse pointers, the tray icons for
// the pet's states, the window icon of every skin, the about picture (the whole toy with a
// pet on its screen) and the insulating sheet.
class ExtrasArt {
public:
    explicit ExtrasArt(ArtContext& context) : ctx_(context) {}
    void generate();

    struct SheetColors {
        QRgb film = qRgb(0xd9, 0xee, 0xf8), edge = qRgb(0x6f, 0x9d, 0xbd), ink = qRgb(0x35, 0x5f, 0x80);
        QRgb hole = qRgb(0xa9, 0xcb, 0xe0);
    };
    // The whole toy in a skin, as in its window, with a pet picture where
    // the character's char.ini puts that pose (`petPlace`, e.g. "happy").
    QImage assembledToy(const std::string& petPicture, const std::string& petPlace,
                        const std::string& skin) const;
    QImage insulatingSheet(const SheetColors& colors) const;

private:
    void pointers();
    void stateIcons();
    void windowIcon(const std::string& skin, const QImage& toy);
    Grid tile(const Grid& symbol) const;

    ArtContext& ctx_;
};
