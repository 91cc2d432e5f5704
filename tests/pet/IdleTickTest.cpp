// SPDX-License-Identifier: GPL-3.0-or-later
// The 10 ms tick is the hot path: an idle pet's ticks, seconds included, allocate nothing, and
// neither does a line of its journal. Every
// operator new of this test binary is counted while a test holds the counter open.
#include "tests/Sim.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

namespace {

thread_local bool counting = false;
thread_local long allocations = 0;

} // namespace

void* operator new(std::size_t size) {
    if (counting) ++allocations;
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

namespace {

TEST(IdleTick, AHatchedPetsIdleTicksAllocateNothing) {
    Sim sim;
    // A child in the middle of its pet minute, so that the thousand ticks (ten seconds) count
    // seconds but reach neither the minute step nor its save.
    sim.run(
        "store InsulatingSheet 0\nstore CharacterNo 2\nclock 10:00:00\nstart\nwait 5\nset SecondCount 30");
    ASSERT_EQ(sim.form().pet.CharacterNo, 2);
    const int16_t secondBefore = sim.form().pet.SecondCount;

    counting = true;
    for (int i = 0; i < 1000; ++i)
        sim.script().period();
    counting = false;

    EXPECT_EQ(sim.form().pet.SecondCount, secondBefore + 10) << "the ticks ran and counted seconds";
    EXPECT_EQ(allocations, 0) << "allocations in 1000 idle ticks";
    EXPECT_GT(sim.form().journal.linesWritten(), 0u) << "the journal was open all the while";
}

TEST(IdleTick, AJournalLineIsWrittenWithoutAllocating) {
    Sim sim;
    sim.run("store InsulatingSheet 0\nstore CharacterNo 2\nclock 10:00:00\nstart\nwait 5");
    Form1& form = sim.form();
    JournalStore& store = *form.journal.journalStore();
    const std::size_t lines = store.lines().size();
    const std::size_t written = form.journal.linesWritten();

    allocations = 0;
    counting = true;
    for (int i = 0; i < 100; ++i)
        form.journal.record(form, JournalEvent::Snack);
    form.pet.AttentionHungry = true; // a call begins: its line is found and written as well
    form.journal.record(form, JournalEvent::Call);
    counting = false;

    EXPECT_EQ(allocations, 0) << "allocations in 101 journal lines";
    EXPECT_EQ(form.journal.linesWritten(), written + 101);
    EXPECT_EQ(store.lines().size(), lines + 101);
    EXPECT_NE(store.lines().back().find("\"call\":\"hunger\""), std::string::npos);
}

} // namespace
