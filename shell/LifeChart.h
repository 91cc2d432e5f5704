// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pet/JournalEntry.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// A pet's life as a picture, in data: the characters as bands along its life, the needs as
// lines, the calls as marks. Built from the journal; the painter only draws it.
struct LifeChart {
    enum Measure { Hunger, Happiness, Discipline, Weight, MeasureCount };
    struct Point {
        int32_t life; // counted minutes since the egg
        int16_t value;
    };
    struct Line {
        int16_t top = 0; // the value at the top of the chart
        std::vector<Point> points;
    };
    struct Band {
        int16_t character;
        int32_t from, to; // life minutes
    };
    enum class Outcome { Answered, Missed, Open };
    struct Mark {
        int32_t life;
        JournalCall call;
        Outcome outcome;
    };

    std::string name;
    int32_t end = 0; // the last life minute of the journal
    std::vector<Band> bands;
    std::array<Line, MeasureCount> lines;
    std::vector<Mark> calls;
    bool died = false;
    DeathCause cause = DeathCause::None;
    int16_t age = 0; // at the end (or at death)

    static LifeChart build(const std::vector<JournalEntry>& entries);
    // The entries of journal lines; lines that are not entries are left out.
    static std::vector<JournalEntry> entries(const std::vector<std::string>& lines);
    int answered() const;
    int missed() const;
};

// A pet that died, for the hall of past pets.
struct PastPet {
    std::string name;
    std::vector<int16_t> characters; // in the order it was them, the egg and the angel left out
    int16_t age = 0;                 // at death
    DeathCause cause = DeathCause::None;
    int64_t bornMs = 0, diedMs = 0; // wall clock
    int32_t lifeMinutes = 0;

    // Every life that ended in death, the latest death first.
    static std::vector<PastPet> hall(const std::vector<std::vector<std::string>>& lives);
};
