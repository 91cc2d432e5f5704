// pipling-sim: the device without a display, driven by a line script.
#include "platform/disk/IniSettingsStore.h"
#include "platform/disk/ProgramFolder.h"
#include "tools/sim/ScriptRunner.h"

#include <QCoreApplication>

#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    std::string appDir, storeFile, script;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if ((arg == "--app-dir" || arg == "--store") && i + 1 < argc) {
            (arg == "--app-dir" ? appDir : storeFile) = argv[++i];
        } else if (arg == "--help" || arg == "-h") {
            std::cout << "usage: pipling-sim [--app-dir DIR] [--store FILE] [SCRIPT]\n"
                         "Runs the device headless, reading commands from SCRIPT or standard input.\n";
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
    if (storeFile.empty())
        storeFile = (IniSettingsStore::userFolder() / "settings.ini").string();
    std::ios::sync_with_stdio(false);
    ScriptRunner runner(programFolder(appDir), storeFile, std::cout);
    if (script.empty())
        return runner.run(std::cin);
    std::ifstream in(script);
    if (!in) {
        std::cerr << "pipling-sim: cannot read " << script << '\n';
        return 2;
    }
    return runner.run(in);
}
