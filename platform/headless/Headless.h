// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Services.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <random>
#include <string>
#include <vector>

// The headless desktop: a virtual clock, scripted chance, and sound, tray and desktop that record
// what the program asked of them. Tests and pipling-sim build a device from these.

class VirtualClock : public Clock {
public:
    TimeOfDay now() const override;
    void set(int hour, int minute, int second) { ms = ((hour * 60LL + minute) * 60 + second) * 1000; }
    void advance(int64_t milliseconds) {
        days += (ms + milliseconds) / DayMs;
        ms = (ms + milliseconds) % DayMs;
    }
    // The virtual wall clock as a date: days passed since 2026-01-01 at midnight (UTC).
    int64_t unixMs() const { return 1767225600000LL + days * DayMs + ms; }

private:
    static constexpr int64_t DayMs = 24LL * 3600 * 1000;
    int64_t ms = 12LL * 3600 * 1000;
    int64_t days = 0;
};

class ScriptedChance : public Chance {
public:
    double next() override;
    void reseed(int seed) override { generator.seed(static_cast<uint32_t>(seed)); }
    void queue(double value) { queued.push_back(value); }

private:
    std::deque<double> queued;
    std::mt19937 generator;
};

class RecordingSound : public Sound {
public:
    explicit RecordingSound(std::string appPath) : appPath(std::move(appPath)) {}
    void playWave(const std::string& path) override;
    void beep() override { played.emplace_back("beep"); }
    // The sounds requested since the last call, as program-relative names.
    std::vector<std::string> take();

private:
    std::string appPath;
    std::vector<std::string> played;
};

class RecordingTray : public Tray {
public:
    void add(const PictureHandle& newIcon, const std::string& newTip) override { set(newIcon, newTip); }
    void modify(const PictureHandle& newIcon, const std::string& newTip) override {
        if (present) set(newIcon, newTip);
    }
    void remove() override { present = false; }
    bool available() const override { return hostPresent; }

    bool hostPresent = true; // false: a desktop without a notification area
    bool present = false;
    PictureHandle icon;
    std::string tip;
    int calls = 0;

private:
    void set(const PictureHandle& newIcon, const std::string& newTip) {
        present = true;
        icon = newIcon;
        tip = newTip;
        ++calls;
    }
};

// A notification server that keeps a record: notices sent, replaced and withdrawn, each with the
// id a server would give it, and the desktop's attention as a script sets it.
class RecordingNotifier : public Notifier {
public:
    struct Record {
        enum class Action { Sent, Replaced, Withdrawn } action;
        int key;
        uint32_t id;
        Notice notice; // empty for a withdrawal
    };
    void notify(int key, const Notice& notice) override;
    void withdraw(int key) override;
    DesktopAttention attention() const override { return desk; }
    // The records since the last call.
    std::vector<Record> take();
    // The id a shown notice of key has, or 0 when none is shown.
    uint32_t shownId(int key) const;

    DesktopAttention desk;
    bool serverPresent = true; // false: no notification server answers; nothing arrives

private:
    std::vector<std::pair<int, uint32_t>> shown; // key and id of each notice on the desktop
    std::vector<Record> records;
    uint32_t lastId = 0;
};

class HeadlessDesktop : public Desktop {
public:
    int screenWidth() const override { return width; }
    int screenHeight() const override { return height; }
    void setPointer(Pointer newPointer) override { pointer = newPointer; }
    void processEvents() override { ++yields; }
    std::optional<int> popupMenu(const PopupMenuEntry&) override {
        ++popups;
        // What the user does while the menu is open; the menu's own choice comes back.
        return whileMenuOpen ? whileMenuOpen() : std::nullopt;
    }
    void focusDevice() override { focused = true; }
    void openLink(const std::string& address) override { links.push_back(address); }

    std::function<std::optional<int>()> whileMenuOpen;
    std::vector<std::string> links; // every address opened, in order
    int width = 28800;
    int height = 16200;
    Pointer pointer = Pointer::Default;
    int popups = 0;
    int yields = 0; // how often pending events were let run
    bool focused = false;
};
