// pipling: the desktop toy.
#include "app/Form1.h"
#include "platform/disk/Autostart.h"
#include "platform/disk/DiskFiles.h"
#include "platform/disk/IniSettingsStore.h"
#include "platform/disk/PetLock.h"
#include "platform/disk/ProgramFolder.h"
#include "platform/qt/DeviceWindow.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/QtSound.h"
#include "platform/qt/common/DisplayChoice.h"
#include "platform/qt/common/QtPicture.h"

#include <QApplication>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

namespace {

constexpr const char* Usage = "usage: pipling [PETNAME]\n"
                              "Starts the Pipling Simulator toy for the pet PETNAME (default \"Pipling\").\n"
                              "The whole text after the program name is the pet's name.\n"
                              "  --help     show this text\n"
                              "  --version  show the version\n"
                              "  --autostart on|off [PETNAME]  start that pet with the desktop, or no more\n";

// `--autostart on|off [PETNAME]`: the desktop's autostart entry for one pet.
int autostart(int argc, char** argv) {
    const std::string mode = argc > 2 ? argv[2] : "";
    if (mode != "on" && mode != "off") {
        std::cerr << "pipling: --autostart takes on or off, then the pet's name\n";
        return 2;
    }
    std::string name;
    for (int i = 3; i < argc; ++i)
        name += (i > 3 ? " " : "") + std::string(argv[i]);
    if (name.empty()) name = "Pipling";
    std::error_code error;
    const std::string program = std::filesystem::read_symlink("/proc/self/exe", error).string();
    const std::string problem =
        setAutostart(autostartFolder(), error ? std::string("pipling") : program, name, mode == "on");
    if (!problem.empty()) {
        std::cerr << "pipling: " << problem << '\n';
        return 1;
    }
    std::cout << "The pet \"" << name << "\" " << (mode == "on" ? "starts" : "no longer starts")
              << " with the desktop (" << (autostartFolder() / autostartFileName(name)).string() << ")\n";
    return 0;
}

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

    if (argc > 1 && std::string(argv[1]) == "--autostart") return autostart(argc, argv);
    if (const std::string problem = programFolderProblem({}); !problem.empty()) {
        std::cerr << "pipling: " << problem << '\n';
        return 1;
    }

    const auto folder = IniSettingsStore::userFolder();
    PetLock lock(folder / "running", name.empty() ? std::string("Pipling") : name);
    if (!lock.held()) {
        std::cerr << "pipling: the pet \"" << (name.empty() ? "Pipling" : name) << "\" is already running\n";
        return 1;
    }

    const DisplayChoice display = chooseDisplay([](const char* variable) -> std::optional<std::string> {
        const char* value = std::getenv(variable);
        return value ? std::optional<std::string>(value) : std::nullopt;
    });
    if (display.platform) setenv("QT_QPA_PLATFORM", display.platform->c_str(), 1);
    if (display.scaleFactor) setenv("QT_SCALE_FACTOR", display.scaleFactor->c_str(), 1);
    // Screen scales such as 1.5 round to whole numbers, so pictures never blur.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    if (!display.warning.empty()) std::cerr << "pipling: " << display.warning << '\n';
    // Through X shared memory every paint first waits for the server to finish with the last one
    // (a round trip, two thread wake-ups); the pet's frames are small rectangles, cheaper to send.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
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
    std::unique_ptr<Form1> device; // the tray asks for the window's icon once the device exists
    QtTray tray{[&device]() { return device ? device->window.icon : PictureHandle(); }};
    QtDesktop desktop;
    Platform platform{clock, chance, store, files, pictures, sound, tray, desktop, programFolder({})};

    device = std::make_unique<Form1>(platform);
    Form1& form = *device;
    DeviceWindow window(form);
    desktop.setDeviceWidget(&window);
    clock.follow(&window.scheduler());
    // The tray's clicks reach the device as the Windows tray's mouse messages: a double-click
    // (515) hides or restores the toy, a right click (517, the release) opens its menu.
    tray.onActivated = [&](QSystemTrayIcon::ActivationReason reason) {
        window.inputArrived();
        if (reason == QSystemTrayIcon::DoubleClick)
            form.trayEvent(515);
        else if (reason == QSystemTrayIcon::Context)
            form.trayEvent(517);
        window.sync();
    };
    form.Form_Load(name);
    window.sync();
    const int status = app.exec();
    form.Form_Unload();
    return status;
}
