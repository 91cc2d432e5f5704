// SPDX-License-Identifier: GPL-3.0-or-later
// pipling-sim's script reader, line by line as `pipling-sim` reads a script, against the device on
// the build's own asset tree. Everything it prints must be one JSON object a line.
#include "tests/fuzz/FuzzSupport.h"
#include "tools/sim/ScriptRunner.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <cstdlib>
#include <sstream>

namespace {

// Periods of 10 ms one input may run in all; beyond them `tick` and `wait` lines are left out, so
// that a run stays a fraction of a second.
constexpr double PeriodBudget = 60000;

std::string firstWord(const std::string& line, std::string* rest) {
    std::istringstream in(line);
    std::string word;
    in >> word;
    std::getline(in, *rest);
    return word;
}

// Whether the line may run: `render` writes a file wherever the script says, and time is rationed.
bool allowed(const std::string& line, double& periodsLeft) {
    if (line.find("render") != std::string::npos) return false;
    std::string args;
    const std::string command = firstWord(line, &args);
    if (command != "tick" && command != "wait") return true;
    double count = 1;
    if (args.find_first_not_of(" \t\r") != std::string::npos) {
        count = std::strtod(args.c_str(), nullptr);
        if (command == "wait") count *= 100;
    }
    if (std::isnan(count) || count > periodsLeft) return false;
    periodsLeft -= std::fmax(count, 0);
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    // A folder of its own for each input, so that no store, backup or moved-aside file carries over.
    const std::filesystem::path folder = fuzz::scratchFolder() / "script";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::filesystem::path store = folder / "store.ini";
    std::ostringstream out;
    {
        ScriptRunner runner(PIPLING_BIN_DIR, store.string(), out);
        std::istringstream in{std::string(fuzz::text(data, size))};
        double periodsLeft = PeriodBudget;
        for (std::string line; std::getline(in, line);)
            if (allowed(line, periodsLeft) && runner.runLine(line))
                break; // pipling-sim stops at the first line it cannot run
    }
    std::istringstream printed(out.str());
    for (std::string line; std::getline(printed, line);) {
        QJsonParseError error;
        const QJsonDocument json = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
        fuzz::check(error.error == QJsonParseError::NoError && json.isObject(),
                    "printed a line that is not JSON", line.substr(0, 2000));
    }
    return 0;
}
