// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// A pop-up menu as the desktop draws it. The core describes its menu tree with these entries each
// time the menu pops up; the desktop hands back the id of the entry the user chose.
struct PopupMenuEntry {
    int id = 0;
    std::string caption; // "-" draws a separator
    bool checked = false;
    bool enabled = true;
    bool visible = true;
    std::vector<PopupMenuEntry> children;

    bool isSeparator() const { return caption == "-"; }
};
