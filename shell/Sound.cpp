// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Form1.h"

void Form1::DoPlaySound(const std::string& FileName, bool SoundOn, bool Wave) {
    // While the desktop asks for quiet the toy keeps its sounds to itself; the calls still run.
    if (!SoundOn || doNotDisturb()) return;
    if (Wave)
        platform.sound.playWave(FileName);
    else
        platform.sound.beep();
}

void Form1::DoPlaySound(const std::string& SoundFile) {
    // The options are read at the moment of the sound: a change in the menu applies to the next one.
    const bool soundOn = options.sound;
    if (!soundOn) return; // nothing to build when nothing will be heard
    const bool wave = options.wave;
    // Sounds always come from the program's own folder; a caller that already built the full
    // path is taken at its word.
    const bool fullPath = !platform.appPath.empty() && SoundFile.starts_with(platform.appPath);
    DoPlaySound(fullPath ? SoundFile : appFile(SoundFile), soundOn, wave);
}
