// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/sim/ScriptRunner.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

using Values = std::vector<std::pair<std::string, std::string>>;
// Keys and values written "Key=Value Key=Value"; a value may be empty ("Plugins=").
Values values(const std::string& pairs);

// A fresh folder of this process, memory-backed when the system has it: the store syncs every
// write, which is slow on a disk.
std::filesystem::path scratchFolder(const std::string& prefix);
std::string fileBytes(const std::filesystem::path& file);

// A headless device for tests, driven through the same script language as pipling-sim, with a
// store of its own in a fresh temporary folder.
class Sim {
public:
    // appDir: the program folder; default the build's own (the generated default tree).
    explicit Sim(const std::string& appDir = PIPLING_BIN_DIR);
    // A program folder with no assets at all: the device must run on without them.
    static std::string noAssets();
    ~Sim();

    // Runs script lines (separated by newlines); fails the test on an error.
    void run(const std::string& lines);
    // Runs script lines up to the first error, which it returns with its line.
    std::optional<std::string> tryRun(const std::string& lines);
    // Ends the program without saving, as a kill does, and begins a new one on the same store.
    void reopen();
    // The last JSON object printed, and whether the last tryRun or run printed nothing.
    QJsonObject last() const;
    bool quiet() const { return printedNothing; }
    // Shortcuts for "get FIELD" and "dump".
    long long number(const std::string& field);
    QJsonObject dump();
    QJsonObject settings(const std::string& section = {});

    Form1& form() { return *runner->device(); }
    ScriptRunner& script() { return *runner; }
    const std::filesystem::path& folder() const { return work; }
    std::string storeFile() const { return (work / "store.ini").string(); }

private:
    std::string lastLine() const;

    std::string appDir;
    bool printedNothing = true;
    std::filesystem::path work;
    std::ostringstream out;
    std::unique_ptr<ScriptRunner> runner;
};

// Pictures known by name alone, so that a test can tell which store an element was given.
inline PictureHandle namedPicture(const std::string& name, int width = 20, int height = 16) {
    return std::make_shared<Picture>(name, width, height);
}
// Fills a source store with pictures named prefix + index ("char0", "char1", ...).
template <std::size_t N> void fillStore(std::array<PictureHandle, N>& store, const std::string& prefix) {
    for (std::size_t i = 0; i < N; ++i)
        store[i] = namedPicture(prefix + std::to_string(i));
}
inline std::string nameOf(const PictureHandle& picture) {
    return picture ? picture->path() : "none";
}
inline std::string nameOf(const Element& element) {
    return nameOf(element.picture);
}
