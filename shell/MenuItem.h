#pragma once

#include <string>
#include <vector>

// One item of the pop-up menu. The tree is data: the views build their menus from it and report
// the chosen item by name. A separator is an item whose caption is "-".
class MenuItem {
public:
    MenuItem() = default;
    MenuItem(std::string name, std::string caption) : name(std::move(name)), caption(std::move(caption)) {}

    std::string name;
    std::string caption;
    bool checked = false;
    bool enabled = true;
    bool visible = true;
    std::vector<MenuItem> children;

    bool isSeparator() const { return caption == "-"; }

    // Depth-first search of this item and its descendants; null when absent.
    MenuItem* find(const std::string& itemName);
    const MenuItem* find(const std::string& itemName) const;
    // The chain of items from this one down to the named item (both included); empty when absent.
    std::vector<const MenuItem*> pathTo(const std::string& itemName) const;

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
