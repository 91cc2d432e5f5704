// SPDX-License-Identifier: GPL-3.0-or-later
// pipling-sim: the device without a display, driven by a line script.
#include "platform/disk/IniSettingsStore.h"
#include "platform/disk/JournalFile.h"
#include "platform/disk/ProgramFolder.h"
#include "tools/sim/Checker.h"
#include "tools/sim/ScriptRunner.h"

#include <QCoreApplication>

#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    std::string appDir, storeFile, script, checked;
    bool check = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if ((arg == "--app-dir" || arg == "--store") && i + 1 < argc) {
            (arg == "--app-dir" ? appDir : storeFile) = argv[++i];
        } else if (arg == "--check") {
            if (check || i + 1 >= argc) {
                std::cerr << "pipling-sim: --check takes one FOLDER\n";
                return 2;
            }
            check = true;
            checked = argv[++i];
        } else if (arg == "--help" || arg == "-h") {
            std::cout << "usage: pipling-sim [--app-dir DIR] [--store FILE] [SCRIPT]\n"
                         "       pipling-sim [--app-dir DIR] --check FOLDER\n"
                         "Runs the device headless, reading commands from SCRIPT or standard input.\n"
                         "--check lists what the program would find in a skin, plug-in or program\n"
                         "folder, one line each, and exits 0 when it is usable, 1 with problems.\n";
            return 0;
        } else if (script.empty() && (arg.empty() || arg[0] != '-')) {
            script = arg;
        } else {
            std::cerr << "pipling-sim: unexpected argument: " << arg << '\n';
            return 2;
        }
    }
    // Rendering and picture decoding need Qt's image plugins, not a display.
    QCoreApplication app(argc, argv);
    if (check) {
        if (!script.empty()) {
            std::cerr << "pipling-sim: --check runs no script\n";
            return 2;
        }
        return runCheck(checked, programFolder(appDir), std::cout, std::cerr);
    }
    // Without a store of its own the script runs the user's own pet, journal and all; with one,
    // the journals are kept beside it, so a test never touches the user's.
    std::string journalFolder;
    if (storeFile.empty()) {
        storeFile = (IniSettingsStore::userFolder() / "settings.ini").string();
        journalFolder = JournalFile::userFolder().string();
    }
    std::ios::sync_with_stdio(false);
    if (const std::string problem = programFolderProblem(appDir); !problem.empty())
        std::cerr << "pipling-sim: " << problem << '\n';
    ScriptRunner runner(programFolder(appDir), storeFile, std::cout, journalFolder);
    if (script.empty()) return runner.run(std::cin);
    std::ifstream in(script);
    if (!in) {
        std::cerr << "pipling-sim: cannot read " << script << '\n';
        return 2;
    }
    return runner.run(in);
}
