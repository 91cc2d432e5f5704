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
