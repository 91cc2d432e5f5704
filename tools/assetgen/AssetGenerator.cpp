// SPDX-License-Identifier: GPL-3.0-or-later
#include "AssetGenerator.h"

#include "ArtContext.h"
#include "CharacterArt.h"
#include "ExtrasArt.h"
#include "IconArt.h"
#include "PageArt.h"
#include "PluginArt.h"
#include "ScreenArt.h"
#include "ShellArt.h"
#include "SoundArt.h"
#include "TextUtil.h"

#include <stdexcept>

std::string AssetGenerator::labelFile(const LayoutFile& layout) const {
    std::string labels;
    if (!textutil::readFile(artDir_ + "/labels.ini", labels))
        throw std::runtime_error("cannot read labels.ini");
    std::string ini = labels;
    if (!ini.empty() && ini.back() != '\n') ini += '\n';
    ini += "\n[Positions]\n";
    for (const auto& entry : layout.entries())
        ini += entry.key + " = " + std::to_string(entry.twips) + "\n";
    return ini;
}

std::string AssetGenerator::run() {
    try {
        ArtContext ctx{artDir_, out_, {}, {}, {}, {}};
        std::string error;
        if (!ctx.smallFont.load(ctx.artPath("fonts/small.txt"), error) ||
            !ctx.textFont.load(ctx.artPath("fonts/text.txt"), error) ||
            !ctx.layout.load(ctx.artPath("layout.txt"), error))
            return error;
        ctx.painter = LcdPainter(LcdPainter::styleFrom(ctx.book("lcd.txt")));

        out_.text("default.ini", labelFile(ctx.layout));
        ScreenArt(ctx).generate();
        CharacterArt(ctx).generate();
        ShellArt(ctx).generate();
        ExtrasArt(ctx).generate();
        SoundArt(ctx).generate();
        PageArt(ctx).generate();
        PluginArt(ctx).generate();
    } catch (const std::exception& e) {
        return e.what();
    }
    if (!out_.errors().empty()) return out_.errors().front();
    return {};
}

std::string AssetGenerator::icons() {
    try {
        ArtContext ctx{artDir_, out_, {}, {}, {}, {}};
        ctx.painter = LcdPainter(LcdPainter::styleFrom(ctx.book("lcd.txt")));
        IconArt(ctx).generate();
    } catch (const std::exception& e) {
        return e.what();
    }
    if (!out_.errors().empty()) return out_.errors().front();
    return {};
}
