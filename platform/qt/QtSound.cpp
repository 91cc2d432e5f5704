// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/QtSound.h"

#include "platform/disk/PathResolver.h"

#include <QApplication>

QtSound::QtSound() = default;
QtSound::~QtSound() = default;

WavePlayer* QtSound::player() {
    if (!loaded) loaded = makePulseWavePlayer();
    return loaded.get();
}

void QtSound::playWave(const std::string& path) {
    WavePlayer* back = player();
    if (!back) return;
    auto found = files.find(path);
    if (found == files.end()) {
        const auto resolved = resolvePath(path);
        found = files.emplace(path, resolved ? resolved->string() : std::string()).first;
    }
    if (!found->second.empty()) back->playWave(found->second);
}

void QtSound::beep() {
    WavePlayer* back = player();
    if (!back || !back->beep()) QApplication::beep();
}
