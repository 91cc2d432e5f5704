// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Picture.h"
#include "platform/PopupMenu.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The small interfaces through which the core reaches the desktop. Each is implemented twice:
// for the real desktop (platform/qt) and headless (platform/headless) for tests and pipling-sim.

struct TimeOfDay {
    int hour = 12;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual TimeOfDay now() const = 0;
};

// Uniform values in [0, 1).
class Chance {
public:
    virtual ~Chance() = default;
    virtual double next() = 0;
    virtual void reseed(int seed) = 0;
};

// Per-user store: section (the pet's name) and key, string values. The application name is the
// implementation's business: it decides where the file lives.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual std::optional<std::string> read(const std::string& section, const std::string& key) = 0;
    // Writes the given keys of one section in one step: afterwards the store holds either all of
    // them or, if the write failed, its previous content. Returns false on failure.
    virtual bool writeSection(const std::string& section,
                              const std::vector<std::pair<std::string, std::string>>& values) = 0;
    // A short line the user must see about where the pets were read from, when that was not the
    // store itself (a backup stood in for a lost store); given once, then empty.
    virtual std::string takeNotice() { return {}; }
};

// Names are full paths in the program's own spelling: backslashes or slashes, any letter case.
class Files {
public:
    virtual ~Files() = default;
    virtual bool exists(const std::string& path) const = 0;
    virtual std::vector<std::string> listFolder(const std::string& path) const = 0;
    virtual std::optional<std::vector<std::string>> readLines(const std::string& path) const = 0;
};

class PictureLoader {
public:
    virtual ~PictureLoader() = default;
    // Returns null when the file does not exist or does not decode.
    virtual PictureHandle load(const std::string& path) = 0;
};

class Sound {
public:
    virtual ~Sound() = default;
    // Plays a wave file without waiting; a new sound cuts off the one playing. A missing file is silent.
    virtual void playWave(const std::string& path) = 0;
    virtual void beep() = 0;
};

// The notification-area icon. A null icon means the window's own icon.
class Tray {
public:
    virtual ~Tray() = default;
    virtual void add(const PictureHandle& icon, const std::string& tip) = 0;
    virtual void modify(const PictureHandle& icon, const std::string& tip) = 0;
    virtual void remove() = 0;
    // Whether the desktop has a notification area at all; without one a hidden window could not
    // be brought back.
    virtual bool available() const { return true; }
};

enum class Pointer { Default, Wait };

// What the core asks of the desktop beyond its own window state (which it keeps as data).
class Desktop {
public:
    virtual ~Desktop() = default;
    virtual int screenWidth() const = 0;  // twips
    virtual int screenHeight() const = 0; // twips
    // Where the whole desktop ends on the right and at the bottom (twips): a window beyond is on
    // no screen. Screens beside or below the main one reach further than its size.
    virtual int desktopRight() const { return screenWidth(); }
    virtual int desktopBottom() const { return screenHeight(); }
    virtual void setPointer(Pointer pointer) = 0;
    // Lets pending events (timer ticks among them) run once, as a drag does after each move.
    virtual void processEvents() = 0;
    // Shows the menu at the mouse; returns the chosen item, or nothing when none was chosen.
    virtual std::optional<int> popupMenu(const PopupMenuEntry& root) = 0;
    // Gives the device window the keyboard focus.
    virtual void focusDevice() = 0;
    // Opens a web address or a "mailto:" address with the desktop's default handler.
    virtual void openLink(const std::string& address) = 0;
};

// Desktop notifications, for a toy the user cannot see. Notices are keyed by the caller (one key
// per kind of call): a notice under a key already shown replaces it instead of adding another.
enum class Urgency { Low, Normal, Critical };

struct Notice {
    std::string summary;
    std::string body;
    PictureHandle icon; // null: none
    Urgency urgency = Urgency::Normal;
};

// What the desktop tells about the user's attention, as far as it can tell; false where unknown.
struct DesktopAttention {
    bool covered = false;    // the toy's window is minimised or wholly covered by others
    bool fullScreen = false; // a full-screen window is active on the toy's screen
    bool inhibited = false;  // the notification server holds notifications back (do not disturb)
};

class Notifier {
public:
    virtual ~Notifier() = default;
    virtual void notify(int key, const Notice& notice) = 0;
    virtual void withdraw(int key) = 0;
    virtual DesktopAttention attention() const = 0;
};

// Where no notifier is given: nothing is sent and the user is always taken to be looking.
class NoNotifier : public Notifier {
public:
    void notify(int, const Notice&) override {}
    void withdraw(int) override {}
    DesktopAttention attention() const override { return {}; }
    static Notifier& instance() {
        static NoNotifier none;
        return none;
    }
};

struct Platform {
    Clock& clock;
    Chance& chance;
    SettingsStore& settings;
    Files& files;
    PictureLoader& pictures;
    Sound& sound;
    Tray& tray;
    Desktop& desktop;
    std::string appPath; // program folder, no trailing separator
    Notifier& notifier = NoNotifier::instance();
};
