// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/headless/Headless.h"

TimeOfDay VirtualClock::now() const {
    TimeOfDay time;
    time.millisecond = static_cast<int>(ms % 1000);
    time.second = static_cast<int>(ms / 1000 % 60);
    time.minute = static_cast<int>(ms / 60000 % 60);
    time.hour = static_cast<int>(ms / 3600000);
    return time;
}

double ScriptedChance::next() {
    if (!queued.empty()) {
        double value = queued.front();
        queued.pop_front();
        return value;
    }
    return generator() / 4294967296.0;
}

void RecordingSound::playWave(const std::string& path) {
    bool inProgram = path.compare(0, appPath.size(), appPath) == 0;
    played.push_back(inProgram ? path.substr(appPath.size()) : path);
}

std::vector<std::string> RecordingSound::take() {
    std::vector<std::string> result;
    result.swap(played);
    return result;
}

void RecordingNotifier::notify(int key, const Notice& notice) {
    if (!serverPresent) return;
    for (auto& [shownKey, id] : shown)
        if (shownKey == key) {
            records.push_back({Record::Action::Replaced, key, id, notice});
            return;
        }
    shown.emplace_back(key, ++lastId);
    records.push_back({Record::Action::Sent, key, lastId, notice});
}

void RecordingNotifier::withdraw(int key) {
    for (auto it = shown.begin(); it != shown.end(); ++it)
        if (it->first == key) {
            records.push_back({Record::Action::Withdrawn, key, it->second, {}});
            shown.erase(it);
            return;
        }
}

uint32_t RecordingNotifier::shownId(int key) const {
    for (const auto& [shownKey, id] : shown)
        if (shownKey == key) return id;
    return 0;
}

std::vector<RecordingNotifier::Record> RecordingNotifier::take() {
    std::vector<Record> result;
    result.swap(records);
    return result;
}
