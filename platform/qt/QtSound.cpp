// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/QtSound.h"

#include "platform/disk/PathResolver.h"

#include <QApplication>

QtSound::QtSound(QString moduleFolder) : folder(std::move(moduleFolder)) {}
QtSound::~QtSound() = default;

WavePlayer* QtSound::player() {
    if (triedLoading) return loaded.get();
    triedLoading = true;
    const QString program = QCoreApplication::applicationDirPath();
    // Beside the program in a build, in the private library folder once installed.
    const QStringList candidates =
        folder.isEmpty()
            ? QStringList{program + "/pipling-sound", program + "/../lib/pipling-simulator/pipling-sound"}
            : QStringList{folder + "/pipling-sound"};
    for (const QString& candidate : candidates) {
        module.setFileName(candidate);
        if (!module.load()) continue;
        if (auto make = reinterpret_cast<MakeWavePlayer>(module.resolve(WavePlayerFactory))) make(loaded);
        if (loaded) break;
        module.unload();
    }
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
