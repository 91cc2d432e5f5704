// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ArtContext.h"

#include <QImage>

#include <string>

// The plug-ins (plugins/<Name>), one for every folder art/plugins/<Name>. A
// plug-in folder mirrors the program folder and brings only what it changes;
// the program falls back to its own files for the rest. From the art folder:
//   plugin.ini            the plug-in's label file, copied as written
//   pictures.txt          "wearNN" grids laid over pet NN's body (every pose
//                         of that pet is made again from the dressed body),
//                         its own meal0-3, snack0-3 and stars0-1, a snowflake,
//                         and the colours of its pages and insulating sheet
//   instruct/pageNN.txt   its own instruction pages
// and, made from those: the feed menu with its own food, the about picture
// (the toy in the plug-in's "defaultskin" with a dressed pet) and the sheet.
class PluginArt {
public:
    explicit PluginArt(ArtContext& context) : ctx_(context) {}
    void generate();

private:
    void plugin(const std::string& name);
    void dressedPets();
    void screens();
    void about();
    void sheet();
    void snowflakes(QImage& image, const std::vector<QPoint>& places, bool onlyClear) const;
    QRgb color(const std::string& key) const;

    ArtContext& ctx_;
    ArtBook art_;
    std::string source_; // "plugins/<Name>" below art/
    std::string folder_; // "plugins/<Name>/" in the output
    std::string defaultSkin_;
};
