// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AssetTree.h"

#include <string>
#include <vector>

// One PNG page showing every generated picture, scaled up by whole numbers so
// the pixels stay crisp, on a checkerboard that shows transparency, each
// labelled with its path in the asset tree.
class ContactSheet {
public:
    static constexpr int PageWidth = 1800;

    // `only` keeps the pictures whose path starts with it (empty keeps all).
    static std::string write(const std::vector<AssetTree::Picture>& pictures, const std::string& fontPath,
                             const std::string& file, const std::string& only = {});
    static int scaleFor(int width, int height);
};
