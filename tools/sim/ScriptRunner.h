// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/Form1.h"
#include "platform/disk/DiskFiles.h"
#include "platform/disk/JournalFile.h"
#include "platform/headless/BufferedStore.h"
#include "platform/headless/Headless.h"
#include "platform/qt/common/QtPicture.h"

#include <functional>
#include <iosfwd>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class Json;
struct WindowState;

// A window's place, size and state as members of the JSON object being written.
void windowJson(Json& json, const WindowState& window);

// Runs pipling-sim's script language against a headless device. Every command is data in, JSON
// out; time moves only in 10 ms periods.
class ScriptRunner {
public:
    // The life journals live in journalFolder, by default beside the store: FILE.journal/.
    ScriptRunner(const std::string& appDir, const std::string& storeFile, std::ostream& out,
                 const std::string& journalFolder = {});
    ~ScriptRunner();

    // Runs a whole script; returns the exit status (0, or 2 after an error line).
    int run(std::istream& in);
    // Runs one line; returns the error text, if any (nothing is printed for it here).
    std::optional<std::string> runLine(const std::string& line);

    Form1* device() { return form.get(); }
    VirtualClock clock;
    ScriptedChance chance;
    HeadlessDesktop desktop;
    RecordingSound sound;
    RecordingTray tray;
    RecordingNotifier notifier;

    // Runs one 10 ms period.
    void period();
    // Hooks run on every tenth period (secondary windows' timers add themselves here).
    std::vector<std::function<void()>> slowTimers;
    // How `tick` and `wait` let their periods pass; by default each runs at once. A test puts a
    // scheduler here, and catches it up in beforeCommand, which runs before every other command
    // and at the end of the script.
    std::function<void(long long periods)> advance;
    std::function<void()> beforeCommand;

private:
    using Command = std::function<std::optional<std::string>(const std::string& args)>;
    void addCommands();
    void addInputCommands();
    // The secondary windows: `window NAME ...`, their timers and their part of `dump`.
    void addWindowCommands();
    void dumpWindows(Json& json);
    // The booklet Form4, the about window Form2 and the tray (tools/sim/ScriptBookletAbout.cpp).
    void addTrayCommand();
    void addFrontCommand();
    // Desktop notifications: `desktop ...`, `notification click KIND` and their part of `dump`
    // (tools/sim/ScriptNotifications.cpp).
    void addNotificationCommands();
    void dumpNotifications(Json& json);
    // The life journal: `journal`, `render-life`, `render-hall` (tools/sim/JournalCommands.cpp).
    void addJournalCommands();
    std::optional<std::string> bookletCommand(std::istringstream& in);
    std::optional<std::string> aboutCommand(std::istringstream& in);
    void dumpBookletAbout(Json& json);
    void print(const std::string& json);
    std::string relativePath(const PictureHandle& picture) const;
    // Opens a JSON object for an element with its place, size, visibility and picture; the
    // caller may add members and closes it.
    void elementJson(Json& json, const std::string& name, const Element& element) const;
    std::optional<std::string> dump();
    std::optional<std::string> get(const std::string& args);
    std::optional<std::string> set(const std::string& args);
    std::optional<std::string> settings(const std::string& args);
    std::optional<std::string> render(const std::string& args);

    std::string appPath;
    BufferedStore store;
    DiskFiles files;
    QtPictureLoader pictures;
    JournalFile journal;
    Platform platform;
    std::unique_ptr<Form1> form;
    std::string commandLine;
    long long periods = 0;
    std::map<std::string, Command> commands;
    std::ostream& out;
    // Set when the program stops on its own (a program folder it cannot start from): the exit
    // status, instead of the script error's 2.
    std::optional<int> stopStatus;
    // `focus out`: the keyboard is with another program, so keys do not reach the device.
    bool focusElsewhere = false;
};
