#include "tests/Sim.h"
#include "tests/TestTree.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

Sim::Sim(const std::string& appDir) {
    static std::atomic<int> counter{0};
    // Memory-backed when the system has it: the store syncs every write to disk, which is slow.
    const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    work = base / ("pipling-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    fs::remove_all(work);
    fs::create_directories(work);
    runner = std::make_unique<ScriptRunner>(appDir, storeFile(), out);
}

std::string Sim::noAssets() {
    static const fs::path empty = [] {
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

std::optional<std::string> Sim::tryRun(const std::string& line) {
    return runner->runLine(line);
}

void Sim::run(const std::string& lines) {
    std::istringstream in(lines);
    for (std::string line; std::getline(in, line);) {
        auto error = runner->runLine(line);
        ASSERT_FALSE(error) << "line \"" << line << "\": " << *error;
    }
}

QJsonObject Sim::last() const {
    std::string text = out.str();
    if (!text.empty() && text.back() == '\n') text.pop_back();
    std::size_t start = text.rfind('\n');
    std::string line = start == std::string::npos ? text : text.substr(start + 1);
    return QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
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
