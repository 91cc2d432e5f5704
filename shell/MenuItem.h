// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/MenuId.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One item of the pop-up menu. The tree is data: the views build their menus from it and report
// the chosen item by id. A separator is an item whose caption is "-".
class MenuItem {
public:
    MenuItem() = default;
    MenuItem(MenuId id, std::string name, std::string caption)
        : id(id), name(std::move(name)), caption(std::move(caption)) {}

    MenuId id = MenuId::mPopup;
    std::string name;
    std::string caption;
    bool checked = false;
    bool enabled = true;
    bool visible = true;
    std::vector<MenuItem> children;

    bool isSeparator() const { return caption == "-"; }

    // Depth-first search of this item and its descendants; null when absent.
    MenuItem* find(MenuId itemId);
    const MenuItem* find(MenuId itemId) const;
    // The chain of items from this one down to the item (both included); empty when absent.
    std::vector<const MenuItem*> pathTo(MenuId itemId) const;

    // Visits every item below this one, depth first in display order.
    template <class Visitor> void forEachDescendant(Visitor&& visit) {
        for (MenuItem& child : children) {
            visit(child);
            child.forEachDescendant(visit);
        }
    }
    template <class Visitor> void forEachDescendant(Visitor&& visit) const {
        for (const MenuItem& child : children) {
            visit(child);
            child.forEachDescendant(visit);
        }
    }
};

// The device's pop-up menu as it is when the window is created.
MenuItem makePopupMenu();
// The id of the item a script names ("mPopupSound"); empty for a name the menu does not have.
std::optional<MenuId> menuIdNamed(std::string_view name);
