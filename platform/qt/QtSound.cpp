#include "platform/qt/QtSound.h"

#include "platform/disk/PathResolver.h"

#include <QApplication>
#include <QUrl>

#ifdef PIPLING_HAVE_MULTIMEDIA
#include <QSoundEffect>
#endif

QtSound::QtSound() = default;

#ifdef PIPLING_HAVE_MULTIMEDIA
QtSound::~QtSound() = default;

void QtSound::playWave(const std::string& path) {
    auto found = effects.find(path);
    if (found == effects.end()) {
        auto resolved = resolvePath(path);
        if (!resolved)
            return; // a missing file is silent, and is looked for again next time
        auto effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(QString::fromStdString(resolved->string())));
        found = effects.emplace(path, std::move(effect)).first;
    }
    if (playing && playing != found->second.get())
        playing->stop();
    playing = found->second.get();
    playing->play();
}
#else
QtSound::~QtSound() = default;
void QtSound::playWave(const std::string&) {}
#endif

void QtSound::beep() { QApplication::beep(); }
