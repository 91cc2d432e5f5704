// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ArtBook.h"
#include "Grid.h"

#include <string>

// Builds every pose of a character from one hand-drawn body. The body marks
// its eyes and mouth; a pose redraws them (closed, happy, crossed, squeezed,
// open mouth, frown ...), can squash or move the body, and adds small effects
// around it (sweat, sparkles, anger mark, shake lines) from the effects art.
// A character file may draw any pose itself; that drawing then wins.
class PoseMaker {
public:
    enum class Eyes { Keep, Closed, Happy, Cross, Squeeze, Sad, Angry };
    enum class Mouth { Keep, Open, Chew, Smile, Frown, Hidden };

    PoseMaker(const ArtBook& character, const ArtBook& effects);
    // The same character with another body drawn over its own (a hat, a scarf ...).
    PoseMaker(const ArtBook& character, const ArtBook& effects, Grid body);

    // Poses by file stem: "0".."3", "eat0", "no1", "unhp2", "play3", ...
    Grid pose(const std::string& name) const;
    // Eight small frames for the tray icon.
    Grid iconFrame(int index) const;

    Grid face(Eyes eyes, Mouth mouth, int look = 0) const;
    static Grid squashed(const Grid& grid);

private:
    Grid generated(const std::string& name) const;
    void effect(Grid& grid, const std::string& name, int x, int y) const;
    Grid::Box bounds() const;

    const ArtBook& book_;
    const ArtBook& effects_;
    Grid body_;
};
