// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/ScriptRunner.h"
#include "assets/Chooser.h"
#include "tools/sim/ScriptArgs.h"

#include "platform/Numbers.h"
#include "platform/qt/common/DevicePainter.h"
#include "tools/sim/Json.h"

#include <cmath>
#include <iostream>
#include <sstream>
#include <type_traits>

namespace {

std::string trim(const std::string& text) {
    std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> result;
    for (std::string word; in >> word;)
        result.push_back(word);
    return result;
}

std::optional<double> realNumber(const std::string& text) {
    const std::optional<double> value = Numbers::parse(text);
    if (!value || !std::isfinite(*value)) return std::nullopt;
    return value;
}

std::string stripSlash(std::string path) {
    while (path.size() > 1 && (path.back() == '/' || path.back() == '\\'))
        path.pop_back();
    return path;
}

} // namespace

ScriptRunner::ScriptRunner(const std::string& appDir, const std::string& storeFile, std::ostream& out,
                           const std::string& journalFolder)
    : sound(stripSlash(appDir)), appPath(stripSlash(appDir)), store(storeFile),
      journal(journalFolder.empty() ? storeFile + ".journal" : journalFolder,
              JournalFile::Durability::Unsynced, [this] { return clock.unixMs(); }),
      platform{clock, chance, store, files, pictures, sound, tray, desktop, appPath, notifier}, out(out) {
    advance = [this](long long count) {
        for (long long i = 0; i < count; ++i)
            period();
    };
    addCommands();
}

ScriptRunner::~ScriptRunner() = default;

void ScriptRunner::print(const std::string& json) {
    out << json << '\n';
}

void ScriptRunner::period() {
    clock.advance(10);
    ++periods;
    if (form && !form->unloaded && form->timerInterval != 0) form->Timer1_Timer();
    if (periods % 10 == 0)
        for (auto& timer : slowTimers)
            timer();
}

int ScriptRunner::run(std::istream& in) {
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (auto error = runLine(line)) {
            print(Json().beginObject().value("error", *error).value("line", number).endObject().text());
            if (stopStatus) {
                // The program itself stopped, as pipling does: told on stderr, the store untouched.
                std::cerr << "pipling-sim: " << *error << '\n';
                store.discard();
                out.flush();
                return *stopStatus;
            }
            store.flush();
            out.flush();
            return 2;
        }
    }
    // Periods a scheduler still holds back pass before the program ends, as they would have.
    if (beforeCommand) beforeCommand();
    store.flush();
    out.flush();
    return 0;
}

std::optional<std::string> ScriptRunner::runLine(const std::string& rawLine) {
    std::string line = trim(rawLine);
    if (line.empty() || line.front() == '#') return std::nullopt;
    std::size_t space = line.find_first_of(" \t");
    std::string name = line.substr(0, space);
    std::string args = space == std::string::npos ? std::string() : line.substr(space + 1);
    auto command = commands.find(name);
    if (command == commands.end()) return "unknown command: " + name;
    if (beforeCommand && name != "tick" && name != "wait") beforeCommand();
    auto error = command->second(args);
    // An unloaded device is a program that has ended: what it saved is on disk for the next one.
    if (form && form->unloaded) store.flush();
    return error;
}

void ScriptRunner::addCommands() {
    auto needDevice = [this]() -> std::optional<std::string> {
        if (!form) return std::string("no device: use start first");
        return std::nullopt;
    };
    commands["clock"] = [this](const std::string& args) -> std::optional<std::string> {
        int h = 0, m = 0, s = 0;
        char c1 = 0, c2 = 0, extra = 0;
        std::istringstream in(trim(args));
        if (!(in >> h >> c1 >> m >> c2 >> s) || c1 != ':' || c2 != ':' || (in >> extra) || h < 0 || h > 23 ||
            m < 0 || m > 59 || s < 0 || s > 59)
            return "clock wants HH:MM:SS";
        clock.set(h, m, s);
        return std::nullopt;
    };
    commands["screen"] = [this](const std::string& args) -> std::optional<std::string> {
        auto w = words(args);
        std::optional<long long> width, height;
        if (w.size() == 2) {
            width = wholeNumber(w[0]);
            height = wholeNumber(w[1]);
        }
        if (!width || !height || *width <= 0 || *height <= 0 || *width > 1000000 || *height > 1000000)
            return "screen wants W H in twips";
        desktop.width = static_cast<int>(*width);
        desktop.height = static_cast<int>(*height);
        return std::nullopt;
    };
    commands["tick"] = [this](const std::string& args) -> std::optional<std::string> {
        auto w = words(args);
        long long count = 1;
        if (!w.empty()) {
            auto n = w.size() == 1 ? wholeNumber(w[0]) : std::nullopt;
            if (!n || *n < 0) return "tick wants a count";
            count = *n;
        }
        advance(count);
        return std::nullopt;
    };
    commands["wait"] = [this](const std::string& args) -> std::optional<std::string> {
        auto w = words(args);
        auto seconds = w.size() == 1 ? realNumber(w[0]) : std::nullopt;
        if (!seconds || *seconds < 0 || *seconds > 1e8) return "wait wants seconds";
        advance(std::llround(*seconds * 100));
        return std::nullopt;
    };
    commands["rnd"] = [this](const std::string& args) -> std::optional<std::string> {
        auto w = words(args);
        if (w.empty()) return "rnd wants values";
        std::vector<double> values;
        for (const auto& word : w) {
            auto value = realNumber(word);
            if (!value || *value < 0 || *value >= 1) return "rnd values lie in [0, 1): " + word;
            values.push_back(*value);
        }
        for (double value : values)
            chance.queue(value);
        return std::nullopt;
    };
    commands["seed"] = [this](const std::string& args) -> std::optional<std::string> {
        auto w = words(args);
        auto n = w.size() == 1 ? wholeNumber(w[0]) : std::nullopt;
        if (!n) return "seed wants a number";
        chance.reseed(static_cast<int>(*n));
        return std::nullopt;
    };
    commands["name"] = [this](const std::string& args) -> std::optional<std::string> {
        commandLine = args;
        return std::nullopt;
    };
    commands["store"] = [this](const std::string& args) -> std::optional<std::string> {
        std::size_t space = args.find_first_of(" \t");
        std::string key = args.substr(0, space);
        if (key.empty()) return "store wants KEY VALUE";
        std::string value = space == std::string::npos ? std::string() : args.substr(space + 1);
        std::string section = commandLine.empty() ? std::string("Pipling") : commandLine;
        if (!store.writeSection(section, {{key, value}})) return "cannot write the store";
        return std::nullopt;
    };
    commands["start"] = [this](const std::string&) -> std::optional<std::string> {
        if (form) return std::string("the device is already started");
        // A program folder without the "Default" skin stops the program before it starts.
        if (auto problem = startupProblem(files, pictures, appPath)) {
            stopStatus = 1;
            return problem;
        }
        form = std::make_unique<Form1>(platform);
        form->journal.attach(journal);
        form->Form_Load(commandLine);
        return std::nullopt;
    };
    commands["quit"] = [this, needDevice](const std::string&) -> std::optional<std::string> {
        if (auto error = needDevice()) return error;
        form->Form_Unload();
        return std::nullopt;
    };
    commands["get"] = [this, needDevice](const std::string& args) {
        auto error = needDevice();
        return error ? error : get(args);
    };
    commands["set"] = [this, needDevice](const std::string& args) {
        auto error = needDevice();
        return error ? error : set(args);
    };
    commands["dump"] = [this, needDevice](const std::string&) {
        auto error = needDevice();
        return error ? error : dump();
    };
    commands["settings"] = [this](const std::string& args) { return settings(args); };
    commands["render"] = [this, needDevice](const std::string& args) {
        auto error = needDevice();
        return error ? error : render(args);
    };
    commands["menu"] = [this, needDevice](const std::string& args) -> std::optional<std::string> {
        if (auto error = needDevice()) return error;
        std::string item = trim(args);
        const auto id = menuIdNamed(item);
        if (!id || *id == MenuId::mPopup) return "unknown menu item: " + item;
        const auto path = form->presentedMenu().pathTo(*id);
        for (std::size_t i = 1; i < path.size(); ++i) {
            if (!path[i]->visible || !path[i]->enabled) {
                print(Json()
                          .beginObject()
                          .value("menu", item)
                          .value("ignored", path[i]->visible ? "disabled" : "hidden")
                          .endObject()
                          .text());
                return std::nullopt;
            }
        }
        form->menuClick(*id);
        return std::nullopt;
    };
    addInputCommands();
    addWindowCommands();
    addJournalCommands();
}
