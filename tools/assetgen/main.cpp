// SPDX-License-Identifier: GPL-3.0-or-later
// assetgen: writes the default asset tree of Pipling Simulator from art/.
//
//   assetgen --art ART_DIR --out PROGRAM_DIR [--contact-sheet FILE.png]
//   assetgen --contact-sheet FILE.png        (art/ next to the sources, output to a temporary folder)
//   assetgen [--art ART_DIR] --icons DIR      (the desktop icons, DIR/hicolor/<N>x<N>/apps/...)

#include "AssetGenerator.h"
#include "AssetTree.h"
#include "ContactSheet.h"

#include <QDir>
#include <QTemporaryDir>

#include <iostream>
#include <string>

#ifndef ASSETGEN_DEFAULT_ART_DIR
#define ASSETGEN_DEFAULT_ART_DIR "art"
#endif

int main(int argc, char** argv) {
    std::string artDir = ASSETGEN_DEFAULT_ART_DIR;
    std::string outDir;
    std::string sheet;
    std::string only; // limits the contact sheet to paths with this prefix
    std::string iconDir;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--art" && hasValue)
            artDir = argv[++i];
        else if (arg == "--out" && hasValue)
            outDir = argv[++i];
        else if (arg == "--contact-sheet" && hasValue)
            sheet = argv[++i];
        else if (arg == "--only" && hasValue)
            only = argv[++i];
        else if (arg == "--icons" && hasValue)
            iconDir = argv[++i];
        else {
            std::cerr << "usage: assetgen [--art DIR] [--out DIR] [--contact-sheet FILE.png [--only PREFIX]] "
                         "[--icons DIR]\n";
            return 2;
        }
    }
    AssetTree icons(iconDir);
    if (!iconDir.empty()) {
        const std::string error = AssetGenerator(artDir, icons).icons();
        if (!error.empty()) {
            std::cerr << "assetgen: " << error << "\n";
            return 1;
        }
        std::cout << "assetgen: wrote " << icons.pictures().size() << " icons to " << iconDir << "\n";
        if (outDir.empty() && sheet.empty()) return 0;
    }
    QTemporaryDir scratch;
    if (outDir.empty()) {
        if (sheet.empty() || !scratch.isValid()) {
            std::cerr << "assetgen: give --out DIR or --contact-sheet FILE.png\n";
            return 2;
        }
        outDir = scratch.path().toStdString();
    }

    AssetTree tree(outDir);
    const std::string error = AssetGenerator(artDir, tree).run();
    if (!error.empty()) {
        std::cerr << "assetgen: " << error << "\n";
        return 1;
    }
    int total = 0;
    for (const auto& [folder, count] : tree.countsByFolder())
        total += count;
    std::cout << "assetgen: wrote " << total << " files to " << outDir << "\n";

    if (!sheet.empty()) {
        // The desktop icons, when made in the same run, close the sheet.
        std::vector<AssetTree::Picture> pictures = tree.pictures();
        pictures.insert(pictures.end(), icons.pictures().begin(), icons.pictures().end());
        const std::string sheetError = ContactSheet::write(pictures, artDir + "/fonts/text.txt", sheet, only);
        if (!sheetError.empty()) {
            std::cerr << "assetgen: " << sheetError << "\n";
            return 1;
        }
        std::cout << "assetgen: contact sheet " << sheet << "\n";
    }
    return 0;
}
