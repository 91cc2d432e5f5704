// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Form1.h"

#include <cstdint>

// Small helpers shared by the pet animation's files.
namespace animate {

// Picture index clamped into a store, so that a counter restored from a damaged store cannot
// reach past the pictures that exist.
template <class Store> const PictureHandle& pictureAt(const Store& store, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= store.size()) index = 0;
    return store[static_cast<std::size_t>(index)];
}

// The status text becomes the caption of a Cheats item (the label file may rename it). The text
// is only copied when it changes, so a tick that repeats it builds no string.
inline void showStatus(Form1& form, MenuId item) {
    const std::string& caption = form.menuItem(item).caption;
    if (form.pet.StatusText != caption) form.pet.StatusText = caption;
}

} // namespace animate
