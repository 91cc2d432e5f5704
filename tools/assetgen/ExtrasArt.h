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

private:
    void pointers();
    void stateIcons();
    QImage assembledToy(const std::string& petPicture, const std::string& petPlace,
                        const std::string& skin) const;
    QImage insulatingSheet() const;
    void windowIcon(const std::string& skin, const QImage& toy);
    Grid tile(const Grid& symbol) const;

    ArtContext& ctx_;
};
