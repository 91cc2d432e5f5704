#include "platform/qt/QtSound.h"

#include "platform/disk/PathResolver.h"

#include <QApplication>

QtSound::QtSound() = default;
QtSound::~QtSound() = default;

WavePlayer* QtSound::player() {
    if (triedLoading) return loaded.get();
    triedLoading = true;
    const QString folder = QCoreApplication::applicationDirPath();
    // Beside the program in a build, in the private library folder once installed.
    for (const QString& candidate :
         {folder + "/pipling-sound", folder + "/../lib/pipling-simulator/pipling-sound"}) {
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
    if (!back || !back->haveDevice()) return;
    auto found = files.find(path);
    if (found == files.end()) {
        const auto resolved = resolvePath(path);
        found = files.emplace(path, resolved ? resolved->string() : std::string()).first;
    }
    if (!found->second.empty()) back->playWave(found->second);
}

void QtSound::beep() {
    WavePlayer* back = player();
    if (!back || !back->haveDevice() || !back->beep()) QApplication::beep();
}
