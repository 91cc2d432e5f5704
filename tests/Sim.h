#pragma once

#include "tools/sim/ScriptRunner.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

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
    // Runs one line and returns its error, if any.
    std::optional<std::string> tryRun(const std::string& line);
    // The last JSON object printed.
    QJsonObject last() const;
    // Shortcuts for "get FIELD" and "dump".
    long long number(const std::string& field);
    QJsonObject dump();
    QJsonObject settings(const std::string& section = {});

    Form1& form() { return *runner->device(); }
    ScriptRunner& script() { return *runner; }
    const std::filesystem::path& folder() const { return work; }
    std::string storeFile() const { return (work / "store.ini").string(); }

private:
    std::filesystem::path work;
    std::ostringstream out;
    std::unique_ptr<ScriptRunner> runner;
};
