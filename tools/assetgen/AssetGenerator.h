// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AssetTree.h"

#include <string>

// Runs every generator over one art folder into one output folder.
class AssetGenerator {
public:
    AssetGenerator(std::string artDir, AssetTree& out) : artDir_(std::move(artDir)), out_(out) {}
    // Returns an empty string when every file was written.
    std::string run();
    // Only the desktop icons (hicolor/<N>x<N>/apps/...), which live outside the program folder.
    std::string icons();

private:
    std::string labelFile(const class LayoutFile& layout) const;
    std::string artDir_;
    AssetTree& out_;
};
