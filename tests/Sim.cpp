// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/Sim.h"
#include "tests/TestTree.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace fs = std::filesystem;

fs::path scratchFolder(const std::string& prefix) {
    static std::atomic<int> counter{0};
    const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    const fs::path folder =
        base / (prefix + "-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

Values values(const std::string& pairs) {
    Values result;
    std::istringstream in(pairs);
    for (std::string pair; in >> pair;)
        result.emplace_back(pair.substr(0, pair.find('=')), pair.substr(pair.find('=') + 1));
    return result;
}

std::string fileBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Sim::Sim(const std::string& appDir)
    : appDir(appDir), work(scratchFolder("pipling-test")),
      runner(std::make_unique<ScriptRunner>(appDir, storeFile(), out)) {}

std::string Sim::noAssets() {
    static const fs::path empty = [] {
        // Kept for the whole run, in the temporary folder rather than in memory.
        fs::path folder = fs::temp_directory_path() / ("pipling-test-empty-" + std::to_string(::getpid()));
        // Nothing but the front view of the "Default" skin, without which the program does not start.
        fs::create_directories(folder / "skins" / "Default");
        std::ofstream(folder / "skins" / "Default" / "front.gif", std::ios::binary)
            << TestTree::gifBytes(TestTree::FrontWidth, TestTree::FrontHeight, Qt::magenta);
        return folder;
    }();
    return empty.string();
}

Sim::~Sim() {
    runner.reset();
    std::error_code error;
    fs::remove_all(work, error);
}

std::optional<std::string> Sim::tryRun(const std::string& lines) {
    // Only the last line printed is read back: a long play keeps no more.
    if (out.tellp() > (1 << 16)) {
        const std::string line = lastLine();
        out.str("");
        out << line << '\n';
    }
    const auto printed = out.tellp();
    std::istringstream in(lines);
    for (std::string line; std::getline(in, line);)
        if (auto error = runner->runLine(line)) return "\"" + line + "\": " + *error;
    printedNothing = out.tellp() == printed;
    return std::nullopt;
}

void Sim::run(const std::string& lines) {
    auto error = tryRun(lines);
    ASSERT_FALSE(error) << *error;
}

void Sim::reopen() {
    runner.reset();
    runner = std::make_unique<ScriptRunner>(appDir, storeFile(), out);
}

std::string Sim::lastLine() const {
    std::string text = out.str();
    if (!text.empty() && text.back() == '\n') text.pop_back();
    const std::size_t start = text.rfind('\n');
    return start == std::string::npos ? text : text.substr(start + 1);
}

QJsonObject Sim::last() const {
    return QJsonDocument::fromJson(QByteArray::fromStdString(lastLine())).object();
}

long long Sim::number(const std::string& field) {
    run("get " + field);
    return last().value(QString::fromStdString(field)).toInteger();
}

QJsonObject Sim::dump() {
    run("dump");
    return last();
}

QJsonObject Sim::settings(const std::string& section) {
    run("settings " + section);
    return last();
}
