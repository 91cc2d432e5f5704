// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ArtContext.h"

// The wave files of "sounds", rendered from the note lists of art/sounds.txt.
class SoundArt {
public:
    explicit SoundArt(ArtContext& context) : ctx_(context) {}
    void generate();

private:
    ArtContext& ctx_;
};
