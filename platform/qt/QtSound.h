// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Sound on the real desktop. This file provides:
//  - QtSound: wave files played without waiting, through the desktop's sound server. The sound
//    module pipling-sound is loaded only at the first sound, from beside the program or from
//    ../lib/pipling-simulator/; each file is looked up once; a new sound cuts off the one
//    playing; a missing or unreadable file, a machine without a sound server or a program
//    without the module stays silent. The beep is a short generated tone, or the desktop's own
//    alert where no sound server can play it.
#include "platform/Services.h"
#include "platform/qt/WavePlayer.h"

#include <QLibrary>
#include <QString>

#include <map>
#include <memory>
#include <string>

class QtSound : public Sound {
public:
    // The module is looked for in moduleFolder when one is given, else beside the program.
    explicit QtSound(QString moduleFolder = {});
    ~QtSound() override;
    void playWave(const std::string& path) override;
    void beep() override;
    // True once the first sound has loaded the module.
    bool haveModule() const { return loaded != nullptr; }

private:
    // The back-end, loaded on the first call; null where the module is missing.
    WavePlayer* player();

    QString folder;
    QLibrary module; // declared before the player, so the player goes first
    std::unique_ptr<WavePlayer> loaded;
    bool triedLoading = false;
    // The file found for each program-relative path; empty for one that is not there.
    std::map<std::string, std::string> files;
};
