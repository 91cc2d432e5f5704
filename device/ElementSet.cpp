// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/ElementSet.h"

#include <algorithm>

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

std::size_t ElementSet::droppingCount(int16_t dung) {
    return static_cast<std::size_t>(
        std::clamp<int>(dung, 0, static_cast<int>(std::tuple_size_v<decltype(DungImage)>)));
}

void ElementSet::showDroppings(int16_t dung, bool visible) {
    for (std::size_t i = 0; i < droppingCount(dung); ++i)
        DungImage[i].visible = visible;
}

void ElementSet::hideAllDroppings() {
    for (Element& dropping : DungImage)
        dropping.visible = false;
}
