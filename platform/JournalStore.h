// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Where a pet's life journal is kept: one append-only file of lines per pet, selected by the
// pet's name, and the finished lives of every pet beside it. Appending is the hot operation: it
// must neither allocate nor block for long. Reading is for the life story and may take its time.
class JournalStore {
public:
    virtual ~JournalStore() = default;
    // Selects the journal of a pet by its name; every name reaches exactly its own file.
    virtual void open(const std::string& petName) = 0;
    // Appends one line (without its newline) in one step. A line that could not be written whole
    // returns false and may leave a torn fragment, which readers skip; the next line still
    // starts on a line of its own.
    virtual bool append(std::string_view line) = 0;
    // Bytes in the current pet's journal.
    virtual std::size_t size() const = 0;
    // The current pet's journal, line by line, without a torn last line.
    virtual std::vector<std::string> lines() const = 0;
    // Puts the current life aside as a finished one; the next line starts a new journal.
    virtual void archive() = 0;
    // Every life kept: the finished ones of every pet and the current journal of every pet.
    virtual std::vector<std::vector<std::string>> lives() const = 0;
    // The wall clock, in milliseconds since 1970 (UTC).
    virtual int64_t unixMs() const = 0;
};
