// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/ElementSet.h"

std::string ElementSet::elementName(const char* name, int index) {
    if (index < 0) return name;
    return std::string(name) + "(" + std::to_string(index) + ")";
}

Element* ElementSet::find(const std::string& name) {
    Element* found = nullptr;
    forEachShown([&](const char* base, int index, Element& element) {
        if (!found && elementName(base, index) == name) found = &element;
    });
    return found;
}
