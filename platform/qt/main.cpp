// pipling: the desktop toy.
#include "app/Form1.h"
#include "assets/Chooser.h"
#include "platform/disk/DiskFiles.h"
#include "platform/disk/IniSettingsStore.h"
#include "platform/disk/PetLock.h"
#include "platform/disk/ProgramFolder.h"
#include "platform/qt/DeviceWindow.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/QtSound.h"
#include "platform/qt/common/QtPicture.h"

#include <QApplication>

#include <iostream>
#include <string>

namespace {

constexpr const char* Usage = "usage: pipling [PETNAME]\n"
                              "Starts the Pipling Simulator toy for the pet PETNAME (default \"Pipling\").\n"
                              "The whole text after the program name is the pet's name.\n"
                              "  --help     show this text\n"
                              "  --version  show the version\n";

} // namespace

int main(int argc, char** argv) {
    std::string name;
    for (int i = 1; i < argc; ++i)
        name += (i > 1 ? " " : "") + std::string(argv[i]);
    if (name == "--help" || name == "-h") {
        std::cout << Usage;
        return 0;
    }
    if (name == "--version") {
        std::cout << "Pipling Simulator " << PIPLING_VERSION << '\n';
        return 0;
    }

    // Without its "Default" skin the toy would have no shell to show, drag or right-click.
    const std::string appPath = programFolder({});
    if (auto problem = startupProblem(DiskFiles(), appPath)) {
        std::cerr << "pipling: " << *problem << '\n';
        return 1;
    }

    const auto folder = IniSettingsStore::userFolder();
    PetLock lock(folder / "running", name.empty() ? std::string("Pipling") : name);
    if (!lock.held()) {
        std::cerr << "pipling: the pet \"" << (name.empty() ? "Pipling" : name) << "\" is already running\n";
        return 1;
    }

    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    app.setApplicationName("Pipling Simulator");
    app.setQuitOnLastWindowClosed(false);

    QtClock clock;
    QtChance chance;
    IniSettingsStore store(folder / "settings.ini");
    DiskFiles files;
    QtPictureLoader pictures;
    QtSound sound;
    QtTray tray{QIcon()};
    QtDesktop desktop;
    Platform platform{clock, chance, store, files, pictures, sound, tray, desktop, appPath};

    Form1 form(platform);
    DeviceWindow window(form);
    desktop.setDeviceWidget(&window);
    tray.onActivated = [&](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Context)
            form.popupMenu();
        window.sync();
    };
    form.Form_Load(name);
    window.sync();
    const int status = app.exec();
    form.Form_Unload();
    return status;
}
