// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArtContext.h"

#include <stdexcept>

ArtBook ArtContext::book(const std::string& relative) const {
    ArtBook b;
    std::string error;
    if (!b.load(artPath(relative), error)) throw std::runtime_error(error);
    return b;
}
