// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pet/JournalEntry.h"
#include "platform/JournalStore.h"

#include <array>
#include <cstddef>
#include <cstdint>

class Form1;

// Writes the pet's life into its journal as it happens: each event at its site, the calls it
// began or ended (found by comparing the call flags with those of the last line), and a sample
// of the needs once a pet hour. A line is formatted in a buffer of its own and appended in one
// step, so recording allocates nothing; ticks without an event do not reach it at all.
//
// Size: a line is about 200 bytes; a pet hour brings its sample and a handful of events, and the
// longest life is about 250 pet hours, which stays near 200 KB. Past MaxBytes (a pet kept going
// through the Cheats menu) only the milestones are written: egg, hatch, characters, death.
class LifeJournal {
public:
    static constexpr std::size_t MaxBytes = 512 * 1024;

    // Without a store nothing is recorded (the fuzzers, the checker).
    void attach(JournalStore& journalStore) { store = &journalStore; }
    JournalStore* journalStore() const { return store; }
    // After the settings are loaded: selects the pet's journal and continues its count of minutes.
    // Nothing before it is recorded: loading sets the stored character again, which is no change.
    void open(Form1& form);
    // An event of the pet's life. Call, Answered and Missed write only the calls that changed.
    void record(Form1& form, JournalEvent event);
    // The minute step: keeps the minute count and samples the needs once a pet hour.
    void minute(Form1& form);

    // Counted minutes since the egg was set.
    int32_t lifeMinute(const Form1& form) const;
    std::size_t linesWritten() const { return written; }

private:
    void write(Form1& form, JournalEvent event);

    JournalStore* store = nullptr;
    bool opened = false;
    bool hatched = false;   // the current journal holds a life beyond its egg
    int32_t base = 0;       // life minutes before the current stage
    int32_t lastMinute = 0; // MinuteCount as last seen, to close a stage that ends
    uint8_t calls = 0;      // call flags as the journal last wrote them
    std::size_t written = 0;
    JournalEntry entry;
    std::array<char, 1024> line{};
};
